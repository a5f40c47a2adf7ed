#pragma once

// TJoystick: one of the first two system joysticks as a non-visual component. While enabled it
// reads the device at the PollFreq period (clamped to what the service allows) and raises its
// events only for what changed since the last reading. An unplugged device stops the capture
// quietly; enabling again picks the device up once it is back.

#include "controls/joystickdevice.h"

#include <QObject>
#include <QTimer>

#include <cstdint>
#include <functional>
#include <memory>

class TJoystick;

// A button number 0..3 (buttons 1 to 4) and a set of them (bit n = button n).
using TJoystickButton = int;
using TJoystickButtons = uint8_t;

using TJoystickButtonEvent = std::function<void(TJoystick *Sender, TJoystickButton Button)>;
using TJoystickXYMoveEvent =
    std::function<void(TJoystick *Sender, int X, int Y, TJoystickButtons Buttons)>;
using TJoystickZMoveEvent = std::function<void(TJoystick *Sender, int Z, TJoystickButtons Buttons)>;

class TJoystick : public QObject {
    Q_OBJECT
public:
    // Service: where devices come from; the default service when null.
    explicit TJoystick(QObject *Parent = nullptr, std::shared_ptr<TJoystickService> Service = {});
    ~TJoystick() override;

    int Count() const;
    int Device() const { return FDevice; }
    // 0 or 1; other values are ignored. A running capture moves over to the new device.
    void SetDevice(int Value);
    // The device answers a reading now.
    bool Attached() const;

    // Capabilities; all 0 (names empty) while no device is there. They are read when first
    // asked for, so a program that never uses a joystick never starts the joystick library.
    int XMin() const { return Caps().XMin; }
    int XMax() const { return Caps().XMax; }
    int YMin() const { return Caps().YMin; }
    int YMax() const { return Caps().YMax; }
    int ZMin() const { return Caps().ZMin; }
    int ZMax() const { return Caps().ZMax; }
    QString ProductName() const { return Caps().ProductName; }
    QString OEMName() const { return Caps().OEMName; }
    int ButtonCount() const { return Caps().ButtonCount; }
    bool HasZLayer() const;
    int MinPollFreq() const { return Caps().MinPeriod; }
    int MaxPollFreq() const { return Caps().MaxPeriod; }

    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool Value);
    // Wanted reading period in milliseconds; values below 1 are ignored. Takes effect at the
    // next enable.
    int PollFreq() const { return FPollFreq; }
    void SetPollFreq(int Value);
    // The period of the running capture (0 while disabled).
    int CapturePeriod() const { return FEnabled ? FTimer.interval() : 0; }

    // position within the axis range mapped linearly onto Low..High, rounded half to even and
    // clamped; 0 when either range is empty.
    int ScaleX(int Position, int Low, int High) const;
    int ScaleY(int Position, int Low, int High) const;
    int ScaleZ(int Position, int Low, int High) const;

    TJoystickButtonEvent OnButtonDown;
    TJoystickButtonEvent OnButtonUp;
    TJoystickXYMoveEvent OnXYMove;
    TJoystickZMoveEvent OnZMove;

    // Reads the device once, as the capture timer does.
    void Poll();

private:
    const TJoystickCaps &Caps() const;
    void ReadCaps() const;
    bool StartCapture();
    void StopCapture();

    std::shared_ptr<TJoystickService> FService;
    mutable std::unique_ptr<TJoystickHandle> FHandle;
    mutable TJoystickCaps FCaps;
    mutable bool FCapsRead = false;
    mutable bool FHasZLayer = false;
    int FDevice = 0;
    bool FEnabled = false;
    int FPollFreq = 100;
    QTimer FTimer;
    TJoystickState FLast;
};
