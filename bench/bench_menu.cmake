# The menu frames draw the shipped pictures and font from the source tree.
target_compile_definitions(${name} PRIVATE SK_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
