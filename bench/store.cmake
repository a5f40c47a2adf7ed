# The settings files: a chord import of 10 000 chords, one save of the per-user store.
ondrel_add_bench(store_bench SOURCES store_bench.cpp LIBS ondrel_core)
