# The frontend benchmarks draw with the game's font and the pictures of data/archive.
target_compile_definitions(${name} PRIVATE SK_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
