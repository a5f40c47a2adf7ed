#pragma once

// Every key press and release of the application, whichever widget has the focus, reaches the
// installed hook objects before any widget sees it; a key a handler takes is swallowed (it
// does not type, trigger a shortcut or move the focus). Keys are described as on a PC: set 1
// scan codes and Windows virtual-key codes, the same for a physical key whatever the layout.
//
// Threads: the UI thread only. The hook list is process-wide; the application event filter
// behind it is installed with the first hook object and removed with the last.

#include "core/keyboardtypes.h"

#include <QString>
#include <QStringView>

#include <cstdint>
#include <functional>

class QKeyEvent;

// One key press or release, as the hook hands it to its handlers.
struct TKeyData {
    uint16_t RepeatCount = 1;
    uint8_t ScanCode = 0;       // PC set 1
    bool Extended = false;      // key of the extended block: right Ctrl and Alt, cursor block...
    bool Context = false;       // Alt held
    bool PreviousState = false; // the key was already down (auto-repeat; always set on release)
    bool Transition = false;    // the key is being released
    uint8_t VirtualKey = 0;     // Windows virtual-key code
    QString Character;          // what the key types without modifiers on a US layout
    bool DeadKey = false;

    bool IsRelease() const { return Transition; }
    bool IsAutoRepeat() const { return PreviousState && !Transition; }
};

// Where a key event's native scan code comes from.
enum class TKeyPlatform : uint8_t {
    kpEvdev,    // X11 (xcb) and Wayland: XKB key codes, the Linux key code + 8
    kpReported, // Windows and the offscreen platform: set 1, extended flag in bit 8
};

// The platform of the running application.
TKeyPlatform CurrentKeyPlatform();
TKeyPlatform KeyPlatformOf(QStringView PlatformName);

struct TPcScanCode {
    uint8_t ScanCode = 0; // 0 when the key has no set 1 code
    bool Extended = false;
};
// The one translation from a native scan code to a PC set 1 scan code.
TPcScanCode PcScanCode(quint32 NativeScanCode, TKeyPlatform Platform);

// The record of a key event as the platform reported it; WasDown: the key was seen going down
// and not up since (a repeat the platform did not mark).
TKeyData KeyDataOf(const QKeyEvent &Event, TKeyPlatform Platform, bool WasDown = false);

// The display name of a physical key ("Q", "Shift", "Right Control", "Num 7"), from the platform's
// key names; empty for a key without one.
QString KeyNameText(int ScanCode, bool Extended);

class TKeyboardHook {
public:
    using THandler = std::function<void(TKeyboardHook *Sender, const TKeyData &Key, bool &Handled)>;

    explicit TKeyboardHook(THandler Handler = {});
    ~TKeyboardHook();
    TKeyboardHook(const TKeyboardHook &) = delete;
    TKeyboardHook &operator=(const TKeyboardHook &) = delete;

    void SetHandler(THandler Handler) { FHandler = std::move(Handler); }

    // Joins the end of the hook list (installing the application filter if it is the first).
    void Add();
    // Leaves the list (removing the filter when the list becomes empty).
    void Remove();
    // Whether the filter is in place and this object is in the list.
    bool IsInstalled() const;

    // Shift, Alt and Ctrl as they are for the key being handled (otherwise as last reported).
    static TShiftState ShiftState();
    // Whether the application filter is in place.
    static bool FilterInstalled();

private:
    THandler FHandler;
    friend class THookFilter;
};
