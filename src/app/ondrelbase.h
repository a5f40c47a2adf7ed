#pragma once

// The base window: the piano keyboard with its chord box, channel field, the pitch and
// modulation strips and the two scroll arrows, their layout and the window's own settings.

#include "keyboard.h"

#include <QMainWindow>
#include <QPixmap>

#include <cstdint>
#include <functional>

class QComboBox;
class QLabel;
class QLineEdit;
class QSlider;
class TCustomIniFile;
class TFrameImage;
class TImgControl;
class TUpDown;

// The client area: black, with the background picture tiled over what is repainted.
class TClientArea : public QWidget {
    Q_OBJECT
public:
    explicit TClientArea(QWidget *Parent = nullptr);
    void SetBackground(const QPixmap &Picture);
    bool HasBackground() const { return !FBackground.isNull(); }

protected:
    void paintEvent(QPaintEvent *Event) override;

private:
    QPixmap FBackground;
};

using TPutShort = std::function<void(uint8_t MidiMessage, uint8_t Data1, uint8_t Data2)>;

class TOndrel : public QMainWindow {
    Q_OBJECT
public:
    static constexpr int ClientWidth = 476;
    static constexpr int ClientHeight = 187;
    static constexpr int StatusHeight = 19;

    explicit TOndrel(QWidget *Parent = nullptr);
    ~TOndrel() override;

    TKeyboard *Keyboard1;
    QComboBox *CBChord;
    QLineEdit *EChannel;
    TUpDown *SBChannel;
    TImgControl *ICPitch;
    TImgControl *ICMW;
    TImgControl *ICLeftArrow;
    TImgControl *ICRightArrow;
    QSlider *TBKeyWidth;

    QString RegKey = QStringLiteral("KeyboardForm");
    // Every message the window produces goes through here.
    TPutShort PutShort;
    // Sees every message after PutShort; the program itself leaves it unassigned.
    TPutShort OnMidiEvent;
    uint8_t ModWheelController = 1;

    virtual void UpdateFromKeyboard();
    virtual int MinWidth() const;
    virtual int MaxWidth() const;
    virtual void ReadSettings(TCustomIniFile &Store);
    virtual void WriteSettings(TCustomIniFile &Store);

    bool ArrowsVisible() const { return FArrowsVisible; }
    void SetArrowsVisible(bool Value);
    void AlignStrips();
    void SyncKeyWidthBar();
    void SendController(uint8_t Controller, uint8_t Value);
    void SetChannelField(int Channel);
    // The strips' own handlers: a user move sends, a release springs the pitch back.
    void ICPitchScroll(int Position);
    void ICPitchMouseUp(TShiftState Shift);
    void ICMWScroll(int Position);
    void ICMWDblClick();

    QWidget *Client() const { return FClient; }

protected:
    void resizeEvent(QResizeEvent *Event) override;
    // Height locked, width between MinWidth and MaxWidth.
    void ApplyWidthLimits();
    virtual void FormResize();
    bool eventFilter(QObject *Watched, QEvent *Event) override;
    QLabel *SmallLabel(const QString &Text, int X, int Y);
    QLabel *Label(const QString &Text, int X, int Y);

    TClientArea *FClient;

private:
    void TBKeyWidthChange(int Position);
    void EChannelExit();

    TFrameImage *FIWheel;
    TFrameImage *FILeftArrow;
    TFrameImage *FIRightArrow;
    bool FArrowsVisible = true;
    bool FSyncingKeyWidth = false;
};
