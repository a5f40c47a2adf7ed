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
if(TARGET ondrel AND TARGET PkgConfig::JACK)
    ondrel_add_test(tst_e2e_main LABEL e2e
        SOURCES e2e/tst_e2e_main.cpp e2e/e2erig.cpp e2e/e2erig.h e2e/xserver.cpp e2e/xserver.h
            jackfixture.cpp jackfixture.h
        LIBS PkgConfig::JACK)
    target_include_directories(tst_e2e_main PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_definitions(tst_e2e_main PRIVATE ONDREL_PROGRAM="$<TARGET_FILE:ondrel>")
    add_dependencies(tst_e2e_main ondrel)
    set_tests_properties(tst_e2e_main PROPERTIES ENVIRONMENT "")
endif()

# The real program: knob presets from the settings file and the knob setup dialog.
if(TARGET ondrel AND TARGET PkgConfig::JACK)
    ondrel_add_test(tst_e2e_knobs LABEL e2e
        SOURCES e2e/tst_e2e_knobs.cpp e2e/e2erig.cpp e2e/e2erig.h e2e/xserver.cpp e2e/xserver.h
            jackfixture.cpp jackfixture.h
        LIBS PkgConfig::JACK)
    target_include_directories(tst_e2e_knobs PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_definitions(tst_e2e_knobs PRIVATE ONDREL_PROGRAM="$<TARGET_FILE:ondrel>")
    add_dependencies(tst_e2e_knobs ondrel)
    set_tests_properties(tst_e2e_knobs PROPERTIES ENVIRONMENT "" LABELS "e2e;presets")
endif()

# The real program: patch scripts in many encodings, the chooser's double-click, a chord's own
# name, the settings dialog at the screen's edge.
if(TARGET ondrel AND TARGET PkgConfig::JACK)
    ondrel_add_test(tst_e2e_dialogs LABEL e2e
        SOURCES e2e/tst_e2e_dialogs.cpp e2e/e2erig.cpp e2e/e2erig.h e2e/xserver.cpp e2e/xserver.h
            jackfixture.cpp jackfixture.h
        LIBS PkgConfig::JACK)
    target_include_directories(tst_e2e_dialogs PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_definitions(tst_e2e_dialogs PRIVATE ONDREL_PROGRAM="$<TARGET_FILE:ondrel>")
    add_dependencies(tst_e2e_dialogs ondrel)
    set_tests_properties(tst_e2e_dialogs PROPERTIES ENVIRONMENT "" LABELS "e2e;dialogs")
endif()

# The device menus of the real program: what they offer, devices waited for, the JACK server
# restarting beneath them, no MIDI service at all.
if(TARGET ondrel AND TARGET PkgConfig::JACK)
    ondrel_add_test(tst_e2e_ports LABEL e2e
        SOURCES e2e/tst_e2e_ports.cpp e2e/e2erig.cpp e2e/e2erig.h e2e/xserver.cpp e2e/xserver.h
            jackfixture.cpp jackfixture.h
        LIBS PkgConfig::JACK)
    target_include_directories(tst_e2e_ports PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_definitions(tst_e2e_ports PRIVATE ONDREL_PROGRAM="$<TARGET_FILE:ondrel>")
    add_dependencies(tst_e2e_ports ondrel)
    set_tests_properties(tst_e2e_ports PROPERTIES ENVIRONMENT "" LABELS "e2e;menus")
endif()

# The real program's window under a window manager: Stay on Top beside another program, its
# place and size after restarts, the page and chord keys while a list box has the focus.
if(TARGET ondrel AND TARGET PkgConfig::JACK)
    ondrel_add_test(tst_e2e_window LABEL e2e
        SOURCES e2e/tst_e2e_window.cpp e2e/e2erig.cpp e2e/e2erig.h e2e/xserver.cpp e2e/xserver.h
            jackfixture.cpp jackfixture.h
        LIBS PkgConfig::JACK)
    target_include_directories(tst_e2e_window PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_definitions(tst_e2e_window PRIVATE ONDREL_PROGRAM="$<TARGET_FILE:ondrel>")
    add_dependencies(tst_e2e_window ondrel)
    set_tests_properties(tst_e2e_window PROPERTIES ENVIRONMENT "" LABELS "e2e;mainwindow")
endif()

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
if(TARGET ondrel AND TARGET PkgConfig::JACK)
    ondrel_add_test(tst_e2e_settings LABEL e2e
        SOURCES e2e/tst_e2e_settings.cpp e2e/e2erig.cpp e2e/e2erig.h e2e/xserver.cpp e2e/xserver.h
            jackfixture.cpp jackfixture.h
        LIBS PkgConfig::JACK ondrel_core)
    target_include_directories(tst_e2e_settings PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_definitions(tst_e2e_settings PRIVATE ONDREL_PROGRAM="$<TARGET_FILE:ondrel>")
    add_dependencies(tst_e2e_settings ondrel)
    set_tests_properties(tst_e2e_settings PROPERTIES ENVIRONMENT "" LABELS "e2e;store")
endif()

# The real program played for dynamics: where a key is struck, Space holding the sustain pedal.
if(TARGET ondrel AND TARGET PkgConfig::JACK)
    ondrel_add_test(tst_e2e_expressive LABEL e2e
        SOURCES e2e/tst_e2e_expressive.cpp e2e/e2erig.cpp e2e/e2erig.h e2e/xserver.cpp
            e2e/xserver.h jackfixture.cpp jackfixture.h
        LIBS PkgConfig::JACK)
    target_include_directories(tst_e2e_expressive PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
    target_compile_definitions(tst_e2e_expressive PRIVATE ONDREL_PROGRAM="$<TARGET_FILE:ondrel>")
    add_dependencies(tst_e2e_expressive ondrel)
    set_tests_properties(tst_e2e_expressive PROPERTIES ENVIRONMENT "" LABELS "e2e;keyboard")
endif()
