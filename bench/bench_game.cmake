# The game frame is drawn with the real pictures of the ready-to-play folder and its
# eight-path map.
target_compile_definitions(${name} PRIVATE SK_GAME_DIR="${SK_GAME_DIR}"
  SK_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
if(TARGET skarveth_data)
  add_dependencies(${name} skarveth_data)
endif()
