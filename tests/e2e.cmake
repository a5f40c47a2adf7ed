# End-to-end tests: real X11 key events (Xvfb, xdotool) into a program, its MIDI read from a
# JACK server of the test's own.
if(TARGET ondrel_keyboard AND TARGET ondrel_midi AND TARGET PkgConfig::JACK)
    # A window with the keyboard and the MIDI output that reports what it sees.
    add_executable(ondrel_keyplay e2e/keyplay.cpp)
    target_link_libraries(ondrel_keyplay PRIVATE ondrel_keyboard ondrel_midi)

    ondrel_add_test(tst_e2e_keyboard LABEL e2e
        SOURCES e2e/tst_e2e_keyboard.cpp e2e/e2erig.cpp e2e/e2erig.h e2e/xserver.cpp e2e/xserver.h
            jackfixture.cpp jackfixture.h
        LIBS PkgConfig::JACK)
    target_include_directories(tst_e2e_keyboard PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_definitions(tst_e2e_keyboard PRIVATE
        ONDREL_KEYPLAY="$<TARGET_FILE:ondrel_keyplay>")
    add_dependencies(tst_e2e_keyboard ondrel_keyplay)
    # The same keys into the real program, once it is built.
    if(TARGET ondrel)
        target_compile_definitions(tst_e2e_keyboard PRIVATE ONDREL_PROGRAM="$<TARGET_FILE:ondrel>")
        add_dependencies(tst_e2e_keyboard ondrel)
    else()
        target_compile_definitions(tst_e2e_keyboard PRIVATE ONDREL_PROGRAM="")
    endif()
endif()

# The real program: first start, Panic, settings across a restart.
ondrel_add_e2e_test(tst_e2e_main)

# The real program: knob presets from the settings file and the knob setup dialog.
ondrel_add_e2e_test(tst_e2e_knobs LABELS presets)

# The real program: patch scripts in many encodings, the chooser's double-click, a chord's own
# name, the settings dialog at the screen's edge.
ondrel_add_e2e_test(tst_e2e_dialogs LABELS dialogs)

# The device menus of the real program: what they offer, devices waited for, the JACK server
# restarting beneath them, no MIDI service at all.
ondrel_add_e2e_test(tst_e2e_ports LABELS menus)

# The real program's window under a window manager: Stay on Top beside another program, its
# place and size after restarts, the page and chord keys while a list box has the focus.
ondrel_add_e2e_test(tst_e2e_window LABELS mainwindow)

# The real program as a native Wayland client of a headless sway: keys through a virtual
# keyboard of our own (ondrel_vkey) with the standard keymap, notes read from JACK.
find_package(PkgConfig)
if(PkgConfig_FOUND)
    pkg_check_modules(WAYLAND_CLIENT IMPORTED_TARGET wayland-client)
    pkg_check_modules(XKBCOMMON IMPORTED_TARGET xkbcommon)
endif()
find_program(WAYLAND_SCANNER wayland-scanner)
if(TARGET ondrel AND TARGET PkgConfig::JACK AND WAYLAND_CLIENT_FOUND AND XKBCOMMON_FOUND
   AND WAYLAND_SCANNER)
    set(_vk_xml ${CMAKE_CURRENT_SOURCE_DIR}/wayland/virtual-keyboard-unstable-v1.xml)
    set(_vk_dir ${CMAKE_CURRENT_BINARY_DIR}/wayland)
    add_custom_command(
        OUTPUT ${_vk_dir}/virtual-keyboard-unstable-v1-client-protocol.h
            ${_vk_dir}/virtual-keyboard-unstable-v1-protocol.c
        COMMAND ${CMAKE_COMMAND} -E make_directory ${_vk_dir}
        COMMAND ${WAYLAND_SCANNER} client-header ${_vk_xml}
            ${_vk_dir}/virtual-keyboard-unstable-v1-client-protocol.h
        COMMAND ${WAYLAND_SCANNER} private-code ${_vk_xml}
            ${_vk_dir}/virtual-keyboard-unstable-v1-protocol.c
        DEPENDS ${_vk_xml}
        COMMENT "Generating the virtual keyboard protocol")
    # The generated protocol code is C.
    enable_language(C)
    add_executable(ondrel_vkey wayland/vkey.cpp
        ${_vk_dir}/virtual-keyboard-unstable-v1-client-protocol.h
        ${_vk_dir}/virtual-keyboard-unstable-v1-protocol.c)
    target_include_directories(ondrel_vkey PRIVATE ${_vk_dir})
    target_link_libraries(ondrel_vkey PRIVATE PkgConfig::WAYLAND_CLIENT PkgConfig::XKBCOMMON)

    ondrel_add_test(tst_e2e_wayland LABEL e2e
        SOURCES e2e/tst_e2e_wayland.cpp e2e/swayserver.cpp e2e/swayserver.h
            jackfixture.cpp jackfixture.h
        LIBS PkgConfig::JACK)
    target_include_directories(tst_e2e_wayland PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_definitions(tst_e2e_wayland PRIVATE ONDREL_PROGRAM="$<TARGET_FILE:ondrel>"
        ONDREL_VKEY="$<TARGET_FILE:ondrel_vkey>")
    add_dependencies(tst_e2e_wayland ondrel ondrel_vkey)
    set_tests_properties(tst_e2e_wayland PROPERTIES ENVIRONMENT "" LABELS "e2e;wayland")
endif()

# The real program and its settings file: killed, and two programs on one file.
ondrel_add_e2e_test(tst_e2e_settings LABELS store LIBS ondrel_core)

# The real program played for dynamics: where a key is struck, Space holding the sustain pedal.
ondrel_add_e2e_test(tst_e2e_expressive LABELS keyboard)
