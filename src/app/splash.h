#pragma once

// The version splash: at start it shows for 3 seconds or until clicked; from Help > About it
// stays until clicked. It frees itself when hidden.

#include <QWidget>

class QLabel;
class QTimer;

class TSplashForm : public QWidget {
    Q_OBJECT
public:
    // Timed: the start-up splash; otherwise the About box.
    TSplashForm(QWidget *Owner, bool Timed);
    ~TSplashForm() override;

    bool Timed() const { return FTimed; }
    QString VersionLabel() const;

    // Where the main window keeps the instance (cleared when the splash goes).
    TSplashForm **InstancePointer = nullptr;

protected:
    void showEvent(QShowEvent *Event) override;
    void hideEvent(QHideEvent *Event) override;
    void mousePressEvent(QMouseEvent *Event) override;

private:
    void Finish();

    QLabel *FImage;
    QLabel *FVersion;
    QTimer *FTimer;
    bool FTimed;
};
