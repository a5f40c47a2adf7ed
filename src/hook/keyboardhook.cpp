#include "hook/keyboardhook.h"

#include "core/virtualkeys.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPointer>

#include <algorithm>
#include <bitset>
#include <exception>
#include <optional>
#include <unordered_set>
#include <utility>
#include <vector>

#ifdef ONDREL_HAVE_XCB_XKB
#include <xcb/xcb.h>
// The C header names a field "explicit".
#define explicit explicit_
#include <xcb/xkb.h>
#undef explicit
#endif

namespace {

// Linux key codes of the extended block and the set 1 codes Windows reports for them. The other
// keys of a PC keyboard have Linux codes equal to their set 1 codes.
struct TLinuxKey {
    uint16_t Linux;
    TPcScanCode Pc;
};
constexpr TLinuxKey LinuxKeys[]{
    {69, {0x45, true}},   // NumLock: Windows marks it extended
    {96, {0x1C, true}},   // keypad Enter
    {97, {0x1D, true}},   // right Ctrl
    {98, {0x35, true}},   // keypad /
    {99, {0x37, true}},   // Print
    {100, {0x38, true}},  // right Alt (AltGr)
    {102, {0x47, true}},  // Home
    {103, {0x48, true}},  // Up
    {104, {0x49, true}},  // Page Up
    {105, {0x4B, true}},  // Left
    {106, {0x4D, true}},  // Right
    {107, {0x4F, true}},  // End
    {108, {0x50, true}},  // Down
    {109, {0x51, true}},  // Page Down
    {110, {0x52, true}},  // Insert
    {111, {0x53, true}},  // Delete
    {119, {0x45, false}}, // Pause
    {125, {0x5B, true}},  // left Windows (Meta)
    {126, {0x5C, true}},  // right Windows
    {127, {0x5D, true}},  // Menu
};
constexpr int EvdevOffset = 8;
constexpr int LastPlainLinuxKey = 88; // F12

bool IsDeadKey(int Key) {
    return Key >= Qt::Key_Dead_Grave && Key <= Qt::Key_Dead_Longsolidusoverlay;
}

bool IsNavigationKey(uint8_t Vk) {
    using namespace VirtualKeys;
    return (Vk >= vkPrior && Vk <= vkDown) || Vk == vkInsert || Vk == vkDelete;
}

// What only the X server can tell. X11 reports an auto-repeat as a release and a press, and Qt
// can tell them from two real key strokes only while both are already read from the server:
// under load held keys would then play again and again. With XKB's detectable auto-repeat the
// server sends the repeated presses alone, and the hook knows a press of a key already down.
namespace X11 {

#ifdef ONDREL_HAVE_XCB_XKB
xcb_connection_t *Connection() {
    auto *x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

bool Available() {
    return Connection() != nullptr;
}

void UseDetectableAutoRepeat() {
    xcb_connection_t *c = Connection();
    if (!c)
        return;
    const uint32_t flag = XCB_XKB_PER_CLIENT_FLAG_DETECTABLE_AUTO_REPEAT;
    const auto cookie = xcb_xkb_per_client_flags(c, XCB_XKB_ID_USE_CORE_KBD, flag, flag, 0, 0, 0);
    xcb_discard_reply(c, cookie.sequence);
}

// The key codes held down now, as the server sees them.
std::optional<std::bitset<256>> KeysDown() {
    xcb_connection_t *c = Connection();
    if (!c)
        return std::nullopt;
    xcb_query_keymap_reply_t *reply = xcb_query_keymap_reply(c, xcb_query_keymap(c), nullptr);
    if (!reply)
        return std::nullopt;
    std::bitset<256> down;
    for (int code = 0; code < 256; ++code)
        down[size_t(code)] = (reply->keys[code / 8] >> (code % 8)) & 1;
    free(reply);
    return down;
}
#else
bool Available() {
    return false;
}
void UseDetectableAutoRepeat() {}
std::optional<std::bitset<256>> KeysDown() {
    return std::nullopt;
}
#endif

} // namespace X11

} // namespace

TKeyPlatform KeyPlatformOf(QStringView PlatformName) {
    if (PlatformName == u"xcb" || PlatformName.startsWith(u"wayland"))
        return TKeyPlatform::kpEvdev;
    return TKeyPlatform::kpReported;
}

TKeyPlatform CurrentKeyPlatform() {
    return KeyPlatformOf(QGuiApplication::platformName());
}

TPcScanCode PcScanCode(quint32 NativeScanCode, TKeyPlatform Platform) {
    if (Platform == TKeyPlatform::kpReported)
        return {uint8_t(NativeScanCode & 0xFF), (NativeScanCode & 0x100) != 0};
    if (NativeScanCode <= quint32(EvdevOffset))
        return {};
    const quint32 linux = NativeScanCode - EvdevOffset;
    for (const auto &k : LinuxKeys)
        if (k.Linux == linux)
            return k.Pc;
    if (linux <= quint32(LastPlainLinuxKey))
        return {uint8_t(linux), false};
    return {}; // media and language keys: no PC code that could be mistaken for another key
}

TKeyData KeyDataOf(const QKeyEvent &Event, TKeyPlatform Platform, bool WasDown) {
    using namespace VirtualKeys;
    TKeyData d;
    d.RepeatCount = uint16_t(std::max(1, Event.count()));
    const TPcScanCode pc = PcScanCode(Event.nativeScanCode(), Platform);
    d.ScanCode = pc.ScanCode;
    d.Extended = pc.Extended;
    const bool keypadEvent = Event.modifiers().testFlag(Qt::KeypadModifier);
    if (Platform == TKeyPlatform::kpReported && Event.nativeVirtualKey() > 0 &&
        Event.nativeVirtualKey() < 256 && QGuiApplication::platformName() == u"windows") {
        d.VirtualKey = uint8_t(Event.nativeVirtualKey());
    } else if (d.ScanCode != 0) {
        d.VirtualKey = FromScanCode(d.ScanCode, d.Extended);
        // A keypad key types a digit with NumLock on: then it is that digit's key.
        const int key = Event.key();
        if (const uint8_t digit = NumpadKeyOf(d.ScanCode, d.Extended);
            digit != 0 && ((key >= Qt::Key_0 && key <= Qt::Key_9) || key == Qt::Key_Period ||
                           key == Qt::Key_Comma))
            d.VirtualKey = digit;
    }
    if (d.VirtualKey == 0) {
        // Events made by programs may carry no scan code: go by the Qt key.
        d.VirtualKey = FromQtKey(Event.key(), keypadEvent);
        if (d.ScanCode == 0) {
            d.ScanCode = ToScanCode(d.VirtualKey);
            d.Extended = !keypadEvent && IsNavigationKey(d.VirtualKey);
        }
    }
    const bool release = Event.type() == QEvent::KeyRelease;
    d.Transition = release;
    d.PreviousState = release || Event.isAutoRepeat() || WasDown;
    d.Context = Event.modifiers().testFlag(Qt::AltModifier);
    d.Character = Character(d.VirtualKey);
    d.DeadKey = IsDeadKey(Event.key());
    return d;
}

QString KeyNameText(int ScanCode, bool Extended) {
    using namespace VirtualKeys;
    int qtKey = Qt::Key_unknown;
    QString prefix;
    if (IsKeypad(ScanCode, Extended)) {
        prefix = QStringLiteral("Num ");
        const uint8_t digit = NumpadKeyOf(ScanCode, Extended);
        qtKey = QtKey(digit != 0 ? digit : FromScanCode(ScanCode, Extended));
        if (Extended && ScanCode == 0x1C)
            qtKey = Qt::Key_Enter;
    } else {
        const uint8_t vk = FromScanCode(ScanCode, Extended);
        qtKey = QtKey(vk);
        // The right-hand twins would otherwise share the left one's name.
        if (ScanCode == 0x36 ||
            (Extended && (ScanCode == 0x1D || ScanCode == 0x38 || ScanCode == 0x5C)))
            prefix = QStringLiteral("Right ");
    }
    if (qtKey == Qt::Key_unknown)
        return {};
    const QString name = QKeySequence(qtKey).toString(QKeySequence::NativeText);
    return name.isEmpty() ? QString() : prefix + name;
}

// --- The hook list and the application filter -----------------------------------------------

// Qt delivers one key event several times: first to the window, then to the focus widget and
// its parents; a press is announced before that as a shortcut override. The filter acts once,
// at the window, on the first of these, and gives the key's later deliveries the same answer.
class THookFilter : public QObject {
public:
    static THookFilter &Instance() {
        static THookFilter filter;
        return filter;
    }

    std::vector<TKeyboardHook *> Hooks;
    bool Installed = false;
    std::optional<Qt::KeyboardModifiers> Current;

    void Install() {
        if (Installed || !QCoreApplication::instance())
            return;
        QCoreApplication::instance()->installEventFilter(this);
        Installed = true;
        X11::UseDetectableAutoRepeat();
        RefreshDown();
        if (qGuiApp && !FWatchingState) {
            FWatchingState = true;
            connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
                    [this](Qt::ApplicationState State) { StateChanged(State); });
        }
    }
    void Uninstall() {
        if (Installed && QCoreApplication::instance())
            QCoreApplication::instance()->removeEventFilter(this);
        Installed = false;
        FPending.reset();
    }

    bool eventFilter(QObject *Receiver, QEvent *Event) override {
        const QEvent::Type type = Event->type();
        if (type != QEvent::KeyPress && type != QEvent::KeyRelease &&
            type != QEvent::ShortcutOverride)
            return false;
        if (!Receiver->isWindowType())
            return false;
        auto *key = static_cast<QKeyEvent *>(Event);
        if (type == QEvent::ShortcutOverride) {
            const bool handled = Dispatch(*key);
            FPending = TPending{key->nativeScanCode(), key->key(), key->timestamp(), handled};
            if (handled)
                Event->accept(); // taken as a key, not as a shortcut: the press follows
            return handled;
        }
        if (type == QEvent::KeyPress && FPending && FPending->Matches(*key)) {
            const bool handled = FPending->Handled;
            FPending.reset();
            return handled;
        }
        FPending.reset();
        // X11 without detectable auto-repeat reports a repeat as a release and a press; the key
        // is still down, so that release is no release.
        if (type == QEvent::KeyRelease && key->isAutoRepeat())
            return false;
        return Dispatch(*key);
    }

private:
    struct TPending {
        quint32 ScanCode;
        int Key;
        quint64 Timestamp;
        bool Handled;
        bool Matches(const QKeyEvent &E) const {
            return E.nativeScanCode() == ScanCode && E.key() == Key && E.timestamp() == Timestamp;
        }
    };
    std::optional<TPending> FPending;
    bool FWatchingState = false;
    // Keys down as far as the application has seen them, by native scan code: a press of one of
    // them is an auto-repeat, whether or not the platform says so.
    std::unordered_set<quint32> FDown;

    void StateChanged(Qt::ApplicationState State) {
        if (State == Qt::ApplicationActive)
            RefreshDown();
        else if (!X11::Available()) // X11 can tell on return which keys are still down
            FDown.clear();
    }

    // After a time without key events (another program had the keyboard, or no hook
    // listened): a key seen going down and still held was held all the while, and its repeats
    // stay repeats; a key released meanwhile is up. Without X11 nothing is known: all are up.
    void RefreshDown() {
        const auto down = X11::KeysDown();
        if (!down) {
            FDown.clear();
            return;
        }
        for (auto it = FDown.begin(); it != FDown.end();)
            it = *it < 256 && (*down)[*it] ? std::next(it) : FDown.erase(it);
    }

    bool Dispatch(const QKeyEvent &Event) {
        bool handled = false;
        const auto previous = Current;
        Current = Event.modifiers();
        const quint32 code = Event.nativeScanCode();
        bool wasDown = false;
        if (code != 0) {
            if (Event.type() == QEvent::KeyRelease) {
                FDown.erase(code);
            } else {
                wasDown = FDown.count(code) > 0;
                FDown.insert(code);
            }
        }
        try {
            const TKeyData data = KeyDataOf(Event, CurrentKeyPlatform(), wasDown);
            // A handler may add or remove hooks: walk a copy, skipping those that left.
            const std::vector<TKeyboardHook *> hooks = Hooks;
            for (TKeyboardHook *hook : hooks) {
                if (std::find(Hooks.begin(), Hooks.end(), hook) == Hooks.end() || !hook->FHandler)
                    continue;
                bool h = false;
                hook->FHandler(hook, data, h);
                handled = handled || h;
            }
        } catch (const std::exception &) {
            // A failing handler must not take the key away from the application.
        }
        Current = previous;
        return handled;
    }
};

TKeyboardHook::TKeyboardHook(THandler Handler) : FHandler(std::move(Handler)) {}

TKeyboardHook::~TKeyboardHook() {
    Remove();
}

void TKeyboardHook::Add() {
    auto &f = THookFilter::Instance();
    if (std::find(f.Hooks.begin(), f.Hooks.end(), this) == f.Hooks.end())
        f.Hooks.push_back(this);
    f.Install();
}

void TKeyboardHook::Remove() {
    auto &f = THookFilter::Instance();
    const auto it = std::find(f.Hooks.begin(), f.Hooks.end(), this);
    if (it == f.Hooks.end())
        return;
    f.Hooks.erase(it);
    if (f.Hooks.empty())
        f.Uninstall();
}

bool TKeyboardHook::IsInstalled() const {
    const auto &f = THookFilter::Instance();
    return f.Installed && std::find(f.Hooks.begin(), f.Hooks.end(), this) != f.Hooks.end();
}

TShiftState TKeyboardHook::ShiftState() {
    const auto &f = THookFilter::Instance();
    return ShiftStateOf(f.Current ? *f.Current : QGuiApplication::keyboardModifiers());
}

bool TKeyboardHook::FilterInstalled() {
    return THookFilter::Instance().Installed;
}
