# Keyboard drawing (full and one-key repaints) and a mouse press to the output sink.
ondrel_add_bench(keyboard_bench SOURCES keyboard_bench.cpp LIBS ondrel_keyboard)
