# The editor's figures: how soon the difficulty follows an edit, and what a frame's preview
# and depth check cost, on a default map of the ready-to-play folder.
target_compile_definitions(${name} PRIVATE SK_GAME_DIR="${SK_GAME_DIR}")
target_link_libraries(${name} PRIVATE skedit_model)
if(TARGET skarveth_data)
  add_dependencies(${name} skarveth_data)
endif()
