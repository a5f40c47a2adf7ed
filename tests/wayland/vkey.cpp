// Types keys into the focused window of a wlroots compositor (sway) through a virtual keyboard
// with the standard US keymap, so the window sees the key codes of a real PC keyboard: the scan
// codes that computer-keyboard play reads. (A tool that makes up a keymap of its own per text
// sends other codes.)
//
//   ondrel_vkey [--delay MS]
//
// One keyboard for the whole run: each line read from the standard input is a list of keys,
// typed in turn, and answered with "ok" (or "error ..." for an unknown key) once the compositor
// has them. A key is a key name of xkb ("z", "comma", "F3", "Return"; "ctrl", "alt", "shift"
// for the left modifiers), pressed and released; "ctrl+t" holds the first keys while the last
// is typed; "+name" only presses and "-name" only releases; "sleep:MS" waits. Exits 1 without a
// compositor that offers virtual keyboards, 0 at the end of the input.

#include "virtual-keyboard-unstable-v1-client-protocol.h"

#include <wayland-client.h>
#include <xkbcommon/xkbcommon.h>

#include <sys/mman.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

namespace {

wl_seat *Seat = nullptr;
zwp_virtual_keyboard_manager_v1 *Manager = nullptr;

void Global(void *, wl_registry *Registry, uint32_t Name, const char *Interface, uint32_t) {
    if (std::strcmp(Interface, wl_seat_interface.name) == 0 && !Seat)
        Seat = static_cast<wl_seat *>(wl_registry_bind(Registry, Name, &wl_seat_interface, 1));
    else if (std::strcmp(Interface, zwp_virtual_keyboard_manager_v1_interface.name) == 0)
        Manager = static_cast<zwp_virtual_keyboard_manager_v1 *>(
            wl_registry_bind(Registry, Name, &zwp_virtual_keyboard_manager_v1_interface, 1));
}

void GlobalRemove(void *, wl_registry *, uint32_t) {}

const wl_registry_listener RegistryListener = {Global, GlobalRemove};

uint32_t Now() {
    using namespace std::chrono;
    return uint32_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

std::string KeysymName(std::string Name) {
    if (Name == "ctrl")
        return "Control_L";
    if (Name == "alt")
        return "Alt_L";
    if (Name == "shift")
        return "Shift_L";
    if (Name == "super")
        return "Super_L";
    return Name;
}

// The evdev code of the key that gives Name at its first level; 0 when none does.
uint32_t KeyCode(xkb_keymap *Keymap, const std::string &Name) {
    const xkb_keysym_t sym =
        xkb_keysym_from_name(KeysymName(Name).c_str(), XKB_KEYSYM_CASE_INSENSITIVE);
    if (sym == XKB_KEY_NoSymbol)
        return 0;
    for (xkb_keycode_t code = xkb_keymap_min_keycode(Keymap);
         code <= xkb_keymap_max_keycode(Keymap); ++code) {
        const xkb_keysym_t *syms = nullptr;
        const int n = xkb_keymap_key_get_syms_by_level(Keymap, code, 0, 0, &syms);
        for (int i = 0; i < n; ++i)
            if (syms[i] == sym)
                return code - 8; // xkb codes are evdev codes + 8
    }
    return 0;
}

std::vector<std::string> Split(const std::string &Text, char By) {
    std::vector<std::string> parts;
    size_t start = 0;
    // "ctrl++" would hold ctrl and type "+": a separator as the last key is a key.
    while (true) {
        const size_t at = Text.find(By, start + 1);
        if (at == std::string::npos || at + 1 >= Text.size()) {
            parts.push_back(Text.substr(start));
            return parts;
        }
        parts.push_back(Text.substr(start, at - start));
        start = at + 1;
    }
}

} // namespace

int main(int argc, char **argv) {
    int delay = 40;
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--delay") == 0)
            delay = std::atoi(argv[++i]);
    wl_display *display = wl_display_connect(nullptr);
    if (!display) {
        std::fprintf(stderr, "ondrel_vkey: no Wayland display\n");
        return 1;
    }
    wl_registry *registry = wl_display_get_registry(display);
    wl_registry_add_listener(registry, &RegistryListener, nullptr);
    wl_display_roundtrip(display);
    if (!Seat || !Manager) {
        std::fprintf(stderr, "ondrel_vkey: the compositor offers no virtual keyboard\n");
        return 1;
    }

    xkb_context *context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    const xkb_rule_names names = {"evdev", "pc105", "us", "", ""};
    xkb_keymap *keymap = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    if (!keymap) {
        std::fprintf(stderr, "ondrel_vkey: no US keymap (xkb-data missing?)\n");
        return 1;
    }
    char *text = xkb_keymap_get_as_string(keymap, XKB_KEYMAP_FORMAT_TEXT_V1);
    const size_t size = std::strlen(text) + 1;
    const int fd = memfd_create("ondrel-keymap", MFD_CLOEXEC);
    if (fd < 0 || write(fd, text, size) != ssize_t(size)) {
        std::fprintf(stderr, "ondrel_vkey: cannot hand over the keymap\n");
        return 1;
    }
    std::free(text);

    zwp_virtual_keyboard_v1 *keyboard =
        zwp_virtual_keyboard_manager_v1_create_virtual_keyboard(Manager, Seat);
    zwp_virtual_keyboard_v1_keymap(keyboard, WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1, fd, uint32_t(size));
    wl_display_roundtrip(display);

    // The modifier state goes with the keys: the compositor passes it on as it is told.
    xkb_state *state = xkb_state_new(keymap);
    const auto send = [&](uint32_t Code, bool Down) {
        zwp_virtual_keyboard_v1_key(keyboard, Now(), Code,
                                    Down ? WL_KEYBOARD_KEY_STATE_PRESSED
                                         : WL_KEYBOARD_KEY_STATE_RELEASED);
        if (xkb_state_update_key(state, Code + 8, Down ? XKB_KEY_DOWN : XKB_KEY_UP) &
            XKB_STATE_MODS_EFFECTIVE)
            zwp_virtual_keyboard_v1_modifiers(
                keyboard, xkb_state_serialize_mods(state, XKB_STATE_MODS_DEPRESSED),
                xkb_state_serialize_mods(state, XKB_STATE_MODS_LATCHED),
                xkb_state_serialize_mods(state, XKB_STATE_MODS_LOCKED),
                xkb_state_serialize_layout(state, XKB_STATE_LAYOUT_EFFECTIVE));
        wl_display_roundtrip(display);
        std::this_thread::sleep_for(std::chrono::milliseconds(Down ? 10 : delay));
    };
    // Tells the one who types that the keyboard is there.
    std::cout << "ready" << std::endl;
    // One line of keys; an empty text when all went to the compositor, else why not.
    const auto type = [&](const std::string &Line) -> std::string {
        std::istringstream words(Line);
        std::string key;
        while (words >> key) {
            if (key.rfind("sleep:", 0) == 0) {
                std::this_thread::sleep_for(std::chrono::milliseconds(std::atoi(key.c_str() + 6)));
                continue;
            }
            const bool pressOnly = key.size() > 1 && key[0] == '+';
            const bool releaseOnly = key.size() > 1 && key[0] == '-';
            const std::vector<std::string> combo =
                Split(pressOnly || releaseOnly ? key.substr(1) : key, '+');
            std::vector<uint32_t> codes;
            for (const std::string &name : combo) {
                const uint32_t code = KeyCode(keymap, name);
                if (code == 0)
                    return "unknown key " + name;
                codes.push_back(code);
            }
            if (!releaseOnly)
                for (const uint32_t code : codes)
                    send(code, true);
            if (!pressOnly)
                for (auto it = codes.rbegin(); it != codes.rend(); ++it)
                    send(*it, false);
        }
        return std::string();
    };
    std::string line;
    while (std::getline(std::cin, line)) {
        const std::string error = type(line);
        std::cout << (error.empty() ? "ok" : "error " + error) << std::endl;
        if (wl_display_get_error(display) != 0)
            return 1;
    }
    zwp_virtual_keyboard_v1_destroy(keyboard);
    wl_display_roundtrip(display);
    xkb_state_unref(state);
    xkb_keymap_unref(keymap);
    xkb_context_unref(context);
    close(fd);
    wl_display_disconnect(display);
    return 0;
}
