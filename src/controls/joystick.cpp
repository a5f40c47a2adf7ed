#include "controls/joystick.h"

#include <algorithm>
#include <cmath>

namespace {

int Scale(int Position, int Min, int Max, int Low, int High) {
    if (Max == Min || Low == High)
        return 0;
    const double r =
        Low + std::nearbyint(double(Position - Min) / double(Max - Min) * double(High - Low));
    return int(std::clamp(r, double(std::min(Low, High)), double(std::max(Low, High))));
}

// Only buttons 1 to 4 are reported.
constexpr unsigned ReportedButtons = 0x0F;

} // namespace

TJoystick::TJoystick(QObject *Parent, std::shared_ptr<TJoystickService> Service)
    : QObject(Parent), FService(Service ? std::move(Service) : TJoystickService::Default()) {
    FTimer.setTimerType(Qt::PreciseTimer);
    connect(&FTimer, &QTimer::timeout, this, &TJoystick::Poll);
}

TJoystick::~TJoystick() {
    StopCapture();
}

int TJoystick::Count() const {
    return FService->Count();
}

void TJoystick::SetDevice(int Value) {
    if (Value != 0 && Value != 1)
        return;
    const bool capturing = FEnabled;
    StopCapture();
    FDevice = Value;
    FHandle.reset();
    FCapsRead = false;
    if (capturing)
        StartCapture();
}

void TJoystick::ReadCaps() const {
    FHandle = FService->Open(FDevice);
    if (FHandle) {
        FCaps = FHandle->Caps();
        FHasZLayer = FCaps.HasZLayer;
    } else {
        FCaps = TJoystickCaps{};
    }
    FCapsRead = true;
}

const TJoystickCaps &TJoystick::Caps() const {
    if (!FCapsRead)
        ReadCaps();
    return FCaps;
}

bool TJoystick::HasZLayer() const {
    Caps();
    return FHasZLayer;
}

bool TJoystick::Attached() const {
    Caps();
    if (!FHandle)
        return false;
    FService->Update();
    TJoystickState state;
    return FHandle->Read(state);
}

void TJoystick::SetEnabled(bool Value) {
    if (Value == FEnabled)
        return;
    if (Value)
        StartCapture();
    else
        StopCapture();
}

void TJoystick::SetPollFreq(int Value) {
    if (Value > 0)
        FPollFreq = Value;
}

bool TJoystick::StartCapture() {
    StopCapture();
    // Fresh capabilities each time, so a device plugged in again since is found.
    FHandle.reset();
    ReadCaps();
    bool result = false;
    if (Attached() && MinPollFreq() > 0) {
        const int period =
            std::clamp(FPollFreq, MinPollFreq(), std::max(MinPollFreq(), MaxPollFreq()));
        // What the device shows now is the baseline: only changes from here on are reported.
        result = FHandle->Read(FLast);
        if (result)
            FTimer.start(period);
    }
    FEnabled = result;
    return result;
}

void TJoystick::StopCapture() {
    FTimer.stop();
    FEnabled = false;
}

void TJoystick::Poll() {
    if (!FEnabled || !FHandle)
        return;
    FService->Update();
    TJoystickState now;
    if (!FHandle->Read(now)) {
        // Unplugged: stop quietly. Its capabilities are read afresh when next asked for.
        StopCapture();
        FHandle.reset();
        FCapsRead = false;
        return;
    }
    now.Buttons &= ReportedButtons;
    const TJoystickState last = FLast;
    FLast = now;
    const auto buttons = TJoystickButtons(now.Buttons);
    // Button changes first, so a move in the same reading already carries the new buttons.
    for (TJoystickButton b = 0; b < 4; ++b) {
        const unsigned bit = 1u << b;
        if ((now.Buttons & bit) == (last.Buttons & bit))
            continue;
        const TJoystickButtonEvent &event = (now.Buttons & bit) ? OnButtonDown : OnButtonUp;
        if (event)
            event(this, b);
        if (!FEnabled) // a handler switched the capture off
            return;
    }
    if ((now.X != last.X || now.Y != last.Y) && OnXYMove) {
        OnXYMove(this, now.X, now.Y, buttons);
        if (!FEnabled)
            return;
    }
    if (now.Z != last.Z && FHasZLayer && OnZMove)
        OnZMove(this, now.Z, buttons);
}

int TJoystick::ScaleX(int Position, int Low, int High) const {
    return Scale(Position, XMin(), XMax(), Low, High);
}

int TJoystick::ScaleY(int Position, int Low, int High) const {
    return Scale(Position, YMin(), YMax(), Low, High);
}

int TJoystick::ScaleZ(int Position, int Low, int High) const {
    return Scale(Position, ZMin(), ZMax(), Low, High);
}
