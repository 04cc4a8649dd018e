# The single-instance lock is a platform service; its test needs the SDL back-end library.
target_link_libraries(test_shell PRIVATE skplatform_sdl)
# The start and close tests run the built game itself from a copy of its folder.
add_dependencies(test_shell Skarveth SKSHOW SKDEMO skarveth_data)
# An open error box must not keep Ctrl+C or a kill from ending the game (under Xvfb).
add_test(NAME shell.box_ends_on_signals
  COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/shell/box_ends_on_signals.sh ${SK_GAME_DIR})
set_tests_properties(shell.box_ends_on_signals PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 120
  LABELS "process;window")
