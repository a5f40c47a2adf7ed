#pragma once

// The knob bar: a knob list whose entries are knobs on screen, each a TWheel with a name label
// above it and an optional value label beside it, laid out in two rows filled column by column
// within a horizontal band of the parent.
//
// The first knob uses the three prototype controls the window placed at design time; every
// further knob gets new controls, copies of the prototypes, in the same parent, destroyed with
// the knob. The prototypes are never destroyed here; with no knob they are hidden.
//
// A knob turned by the user raises OnKnobChange (controller, value); SetKnobPosition moves a
// knob from code without it, so values that arrive from outside are never sent back.

#include "core/knoblist.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

class QLabel;
class QWidget;
class TWheel;

class TGUIKnobEntry : public TKnobEntry {
public:
    TGUIKnobEntry(int IUser, int DisplayMode, int DefaultValue);

    // The name label shows the caption, shortened with an ellipsis when it is wider than the
    // label (the whole caption is then the label's tooltip).
    void SetCaption(const QString &Value) override;
    // Shows the caption again after the label changed its size.
    void ShowCaption();

    QPointer<QLabel> NameLabel;
    QPointer<TWheel> Wheel;
    QPointer<QLabel> ValueLabel;
};

using TKnobChangeEvent = std::function<void(QObject *Sender, int Controller, int Value)>;

class TGUIKnobList : public QObject, public TKnobList {
    Q_OBJECT
public:
    // ValueLabelPrototype and WheelPrototype may be null; without a wheel prototype nothing is
    // laid out or moved.
    TGUIKnobList(QLabel *NameLabelPrototype, QLabel *ValueLabelPrototype, TWheel *WheelPrototype);
    ~TGUIKnobList() override;

    // Stores the band and arranges the knobs in it.
    void SetArea(int Left, int Width);
    int AreaLeft() const { return FAreaLeft; }
    int AreaWidth() const { return FAreaWidth; }
    // Two rows, knob i in column i / 2 and row i % 2; the column width is the band's share,
    // between MinColumnWidth and four wheel widths; value labels show when they fit beside the
    // wheel (the track hints are off then). A band that runs past the parent's edge ends there.
    void Arrange();
    // The narrowest column that keeps a knob readable: its wheel with the value beside it.
    int MinColumnWidth() const;

    TWheel *Wheel(int Index) const;
    QLabel *NameLabel(int Index) const;
    QLabel *ValueLabel(int Index) const;
    // Moves knob Index without raising OnKnobChange.
    void SetKnobPosition(int Index, int Value);
    // Each knob's controller and current position, in list order.
    std::vector<TKnobValue> KnobValues() const;
    // Whether value labels show at the current layout.
    bool ValuesShown() const { return FValuesShown; }

    // The text of a value: display mode 1 shows -64..+63 ("+" from 64 on), others the value.
    static QString ValueText(int DisplayMode, int Position);

    TKnobChangeEvent OnKnobChange;

    void AddEntry(const QString &Caption, int IUser, int DisplayMode, int DefaultValue) override;
    void Add(const QString &Caption, int IUser, int DisplayMode, int DefaultValue) override;
    void Assign(const TKnobList &Source) override;
    void DeleteEntry(TKnobEntry *Entry) override;
    void Clear() override;
    void LoadFromIni(const TCustomIniFile &Ini, const QString &Section) override;

protected:
    bool eventFilter(QObject *Watched, QEvent *Event) override;

private:
    TGUIKnobEntry &GuiEntry(int Index) const;
    // The knob whose control Sender is; -1 when none is.
    int IndexOf(const QObject *Sender) const;
    void BindWheel(TWheel *Wheel);
    void WatchLabel(QLabel *Label);
    QLabel *CopyLabel(const QLabel *Prototype, QWidget *Parent);
    int RowPitch() const;
    int ColumnWidth() const;
    void RenumberTags();

    void WheelPosChange(QObject *Sender);
    void WheelTrack(QObject *Sender);
    void KnobDblClick(QObject *Sender);
    void WheelGetTrackHint(QObject *Sender, QString &Caption);

    QPointer<QLabel> FNameLabelPrototype;
    QPointer<QLabel> FValueLabelPrototype;
    QPointer<TWheel> FWheelPrototype;
    int FAreaLeft = 0;
    int FAreaWidth = 0;
    bool FValuesShown = false;
};
