# The map benchmarks load the default maps of the ready-to-play folder when it is there.
target_compile_definitions(${name} PRIVATE SK_GAME_DIR="${SK_GAME_DIR}")
if(TARGET skarveth_data)
  add_dependencies(${name} skarveth_data)
endif()
