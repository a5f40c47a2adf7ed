# The main window in process: a key or mouse press to the bytes handed to its JACK port, with a
# chord and a transposition on. Starts its own JACK server (dummy driver, 128 frames at 48 kHz).
if(TARGET ondrel_app AND TARGET PkgConfig::JACK)
    ondrel_add_bench(app_bench
        SOURCES app_bench.cpp ${PROJECT_SOURCE_DIR}/tests/mainfixture.cpp
            ${PROJECT_SOURCE_DIR}/tests/jackfixture.cpp
        LIBS ondrel_app PkgConfig::JACK Qt6::Test)
    target_include_directories(app_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
endif()
