// The system's joysticks through SDL2's joystick subsystem: no video, no event queue, no signal
// handlers. SDL is started on the first question about joysticks, not before, and stopped when
// the last user of the service is gone. The only file of the program that includes SDL.h.

#include "controls/joystickdevice.h"

#include <SDL.h>

#include <mutex>

namespace {

// SDL's axes run -32768..32767; we report them shifted to 0..65535.
constexpr int AxisOffset = 32768;
constexpr int AxisMax = 65535;
// The reading periods we offer: fast enough for a smooth controller sweep, slow enough to be
// worth a timer.
constexpr int MinPeriodMs = 10;
constexpr int MaxPeriodMs = 1000;

class TSdlService;

class TSdlHandle : public TJoystickHandle {
public:
    TSdlHandle(std::shared_ptr<TSdlService> Service, SDL_Joystick *Joystick)
        : FService(std::move(Service)), FJoystick(Joystick) {}
    ~TSdlHandle() override { SDL_JoystickClose(FJoystick); }

    TJoystickCaps Caps() const override {
        TJoystickCaps caps;
        const int axes = SDL_JoystickNumAxes(FJoystick);
        caps.XMax = axes > 0 ? AxisMax : 0;
        caps.YMax = axes > 1 ? AxisMax : 0;
        caps.HasZLayer = axes > 2;
        caps.ZMax = caps.HasZLayer ? AxisMax : 0;
        if (const char *name = SDL_JoystickName(FJoystick))
            caps.ProductName = QString::fromUtf8(name);
        const unsigned vendor = SDL_JoystickGetVendor(FJoystick);
        const unsigned product = SDL_JoystickGetProduct(FJoystick);
        if (vendor != 0 || product != 0)
            caps.OEMName = QString::asprintf("%04x:%04x", vendor, product);
        caps.ButtonCount = std::max(0, SDL_JoystickNumButtons(FJoystick));
        caps.MinPeriod = MinPeriodMs;
        caps.MaxPeriod = MaxPeriodMs;
        return caps;
    }

    bool Read(TJoystickState &State) override {
        if (!SDL_JoystickGetAttached(FJoystick))
            return false;
        const int axes = SDL_JoystickNumAxes(FJoystick);
        const auto axis = [&](int index) {
            return index < axes ? SDL_JoystickGetAxis(FJoystick, index) + AxisOffset : 0;
        };
        State.X = axis(0);
        State.Y = axis(1);
        State.Z = axis(2);
        State.Buttons = 0;
        const int buttons = std::min(SDL_JoystickNumButtons(FJoystick), 32);
        for (int b = 0; b < buttons; ++b)
            if (SDL_JoystickGetButton(FJoystick, b))
                State.Buttons |= 1u << b;
        return true;
    }

private:
    std::shared_ptr<TSdlService> FService; // SDL stays up while a device is open
    SDL_Joystick *FJoystick;
};

class TSdlService : public TJoystickService, public std::enable_shared_from_this<TSdlService> {
public:
    ~TSdlService() override {
        if (FStarted)
            SDL_QuitSubSystem(SDL_INIT_JOYSTICK);
    }

    int Count() override {
        if (!Start())
            return 0;
        SDL_JoystickUpdate();
        return std::max(0, SDL_NumJoysticks());
    }

    std::unique_ptr<TJoystickHandle> Open(int Device) override {
        if (Count() <= Device)
            return nullptr;
        SDL_Joystick *joystick = SDL_JoystickOpen(Device);
        if (!joystick)
            return nullptr;
        return std::make_unique<TSdlHandle>(shared_from_this(), joystick);
    }

    void Update() override {
        if (FStarted)
            SDL_JoystickUpdate();
    }

private:
    bool Start() {
        if (FTried)
            return FStarted;
        FTried = true;
        // A library must not take over Ctrl+C; and it reads sticks while another window is in
        // front, as the keyboard does.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        SDL_SetHint(SDL_HINT_JOYSTICK_ALLOW_BACKGROUND_EVENTS, "1");
        FStarted = SDL_InitSubSystem(SDL_INIT_JOYSTICK) == 0;
        // We read states directly; queued joystick events would only pile up unread.
        if (FStarted)
            SDL_JoystickEventState(SDL_IGNORE);
        return FStarted;
    }

    bool FTried = false;
    bool FStarted = false;
};

std::mutex DefaultLock;
std::shared_ptr<TJoystickService> DefaultService;

} // namespace

std::shared_ptr<TJoystickService> TJoystickService::Default() {
    const std::lock_guard lock(DefaultLock);
    if (!DefaultService)
        DefaultService = std::make_shared<TSdlService>();
    return DefaultService;
}

void TJoystickService::SetDefault(std::shared_ptr<TJoystickService> Service) {
    const std::lock_guard lock(DefaultLock);
    DefaultService = std::move(Service);
}
