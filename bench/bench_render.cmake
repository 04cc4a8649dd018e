# The benchmark measures SDL's own colour-keyed blit as a reference; the core never links SDL.
pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
target_link_libraries(${name} PRIVATE PkgConfig::SDL2)
target_compile_definitions(${name} PRIVATE SK_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
