# The demo tests play on the built archive and maps, and run SKDEMO and the game.
add_dependencies(test_${area} skarveth_data SKDEMO Skarveth)

# The demo suite: each demo of tests/demos played by SKDEMO must give its expected checkpoints.
file(GLOB SK_SUITE_DEMOS CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/demos/*.txt)
foreach(demo IN LISTS SK_SUITE_DEMOS)
  get_filename_component(name ${demo} NAME_WE)
  add_test(NAME demo_suite.${name}
    COMMAND ${CMAKE_COMMAND} -DSKDEMO=$<TARGET_FILE:SKDEMO> -DEMULATOR=${CMAKE_CROSSCOMPILING_EMULATOR}
            -DGAME_DIR=${SK_GAME_DIR}
            -DDEMO=${demo} -DEXPECTED=${PROJECT_SOURCE_DIR}/tests/demos/${name}.expected
            -P ${PROJECT_SOURCE_DIR}/tests/demos/CheckDemo.cmake)
  set_tests_properties(demo_suite.${name} PROPERTIES LABELS process)
endforeach()
# The real game plays one of them in a window under Xvfb and ends where SKDEMO ends.
if(EXISTS ${PROJECT_SOURCE_DIR}/tests/demos/test_mode.txt)
  add_test(NAME demo_suite.window_playback
    COMMAND ${PROJECT_SOURCE_DIR}/tests/demos/play_in_window.sh ${SK_GAME_DIR}
            ${PROJECT_SOURCE_DIR}/tests/demos/test_mode.txt
            ${PROJECT_SOURCE_DIR}/tests/demos/test_mode.expected)
  set_tests_properties(demo_suite.window_playback PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 600
    LABELS "process;window")
endif()
