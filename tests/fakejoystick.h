#pragma once

// Joysticks that a test moves by hand: a stand-in for the system's joystick service.

#include "controls/joystickdevice.h"

#include <memory>
#include <vector>

struct TFakeStick {
    TJoystickCaps Caps;
    TJoystickState State;
    bool Plugged = true;
};

class TFakeJoystickService : public TJoystickService {
public:
    // A stick with the usual 0..65535 axes, eight buttons and periods of 10..1000 ms.
    std::shared_ptr<TFakeStick> Add(bool HasZ = true) {
        auto stick = std::make_shared<TFakeStick>();
        stick->Caps = TJoystickCaps{
            0, 65535, 0, 65535, 0, HasZ ? 65535 : 0, "Fake stick", "1234:5678", 8, HasZ, 10, 1000};
        stick->State = TJoystickState{32768, 32768, 32768, 0};
        Sticks.push_back(stick);
        return stick;
    }

    int Count() override {
        int n = 0;
        for (const auto &s : Sticks)
            n += s->Plugged;
        return n;
    }

    std::unique_ptr<TJoystickHandle> Open(int Device) override {
        if (Device < 0 || Device >= int(Sticks.size()) || !Sticks[size_t(Device)]->Plugged)
            return nullptr;
        return std::make_unique<THandle>(Sticks[size_t(Device)]);
    }

    void Update() override { ++Updates; }

    std::vector<std::shared_ptr<TFakeStick>> Sticks;
    int Updates = 0;

private:
    class THandle : public TJoystickHandle {
    public:
        explicit THandle(std::shared_ptr<TFakeStick> Stick) : FStick(std::move(Stick)) {}
        TJoystickCaps Caps() const override { return FStick->Caps; }
        bool Read(TJoystickState &State) override {
            if (!FStick->Plugged)
                return false;
            State = FStick->State;
            return true;
        }

    private:
        std::shared_ptr<TFakeStick> FStick;
    };
};
