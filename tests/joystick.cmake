# The joystick component against a stand-in device, and the wheel and joystick arithmetic.
if(TARGET ondrel_app)
    ondrel_add_test(tst_joystick LABEL joystick
        SOURCES tst_joystick.cpp fakejoystick.h LIBS ondrel_app)
    target_include_directories(tst_joystick PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
endif()
# The wheel and the joysticks wired into the main window, against a JACK server of its own.
if(TARGET ondrel_app AND TARGET PkgConfig::JACK)
    ondrel_add_test(tst_wheelwiring LABEL mainwindow
        SOURCES tst_wheelwiring.cpp fakejoystick.h
        LIBS ondrel_app ondrel_mainfixture)
    target_include_directories(tst_wheelwiring PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
endif()
# The system service through SDL's virtual joysticks (no hardware needed).
if(TARGET ondrel_controls AND TARGET SDL2::SDL2)
    ondrel_add_test(tst_joysticksdl LABEL joystick
        SOURCES tst_joysticksdl.cpp LIBS ondrel_controls SDL2::SDL2)
endif()
