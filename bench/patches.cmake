# Patch script loading speed (MB/s), the tokenizer alone, and the header previews of a folder of
# 1000 scripts as the patch set chooser makes them.
ondrel_add_bench(patch_bench SOURCES patch_bench.cpp LIBS ondrel_core)
