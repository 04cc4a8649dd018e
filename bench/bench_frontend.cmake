# The intro and credits frames are drawn with the real pictures of the ready-to-play folder
# and the game's font.
target_compile_definitions(${name} PRIVATE SK_GAME_DIR="${SK_GAME_DIR}"
  SK_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
if(TARGET skarveth_data)
  add_dependencies(${name} skarveth_data)
endif()
