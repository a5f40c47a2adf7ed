#pragma once

// The door to the system's joysticks. TJoystick reads devices only through these interfaces, so
// a test can stand in for the hardware; the real service (SDL2) lives in joysticksdl.cpp.
// Everything here is used on the user-interface thread only.

#include <QString>

#include <memory>

// Capabilities of an opened joystick. Axis positions are reported within the ranges given here.
struct TJoystickCaps {
    int XMin = 0, XMax = 0;
    int YMin = 0, YMax = 0;
    int ZMin = 0, ZMax = 0;
    QString ProductName;
    QString OEMName;
    int ButtonCount = 0;
    bool HasZLayer = false;
    // Smallest and largest reading period the service supports, in milliseconds.
    int MinPeriod = 0;
    int MaxPeriod = 0;
};

// One reading: axis positions and the pressed buttons (bit 0 = button 1).
struct TJoystickState {
    int X = 0;
    int Y = 0;
    int Z = 0;
    unsigned Buttons = 0;
    bool operator==(const TJoystickState &) const = default;
};

// One opened device; closed when destroyed.
class TJoystickHandle {
public:
    virtual ~TJoystickHandle() = default;
    virtual TJoystickCaps Caps() const = 0;
    // The current state; false once the device has been unplugged.
    virtual bool Read(TJoystickState &State) = 0;
};

class TJoystickService {
public:
    virtual ~TJoystickService() = default;
    // Number of joysticks present now.
    virtual int Count() = 0;
    // Opens the Device-th joystick (0-based); nullptr when there is none.
    virtual std::unique_ptr<TJoystickHandle> Open(int Device) = 0;
    // Takes in what happened since the last call (new positions, plugs and unplugs).
    virtual void Update() = 0;

    // The service new components use: the system's unless a test set another. The system's is
    // created on first use, and only then starts the joystick library.
    static std::shared_ptr<TJoystickService> Default();
    static void SetDefault(std::shared_ptr<TJoystickService> Service);
};
