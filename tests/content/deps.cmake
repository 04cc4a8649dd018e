# The content tests read the built ready-to-play folder and decode the sounds and the song.
pkg_check_modules(SK_CONTENT_CODECS REQUIRED IMPORTED_TARGET vorbisfile libopenmpt)
target_link_libraries(test_${area} PRIVATE PkgConfig::SK_CONTENT_CODECS)
add_dependencies(test_${area} skarveth_data)
# The build test runs the data build of this very build folder again.
target_compile_definitions(test_${area} PRIVATE SK_CMAKE_COMMAND="${CMAKE_COMMAND}"
  SK_BINARY_DIR="${CMAKE_BINARY_DIR}")
# The difficulty test plays the shipped maps with SKBALANCE's simulated players.
target_link_libraries(test_${area} PRIVATE skbalance)
