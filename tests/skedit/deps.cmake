# The editor's model, headless; the window test drives the built SKEDIT under Xvfb.
target_link_libraries(test_${area} PRIVATE skedit_model)
add_dependencies(test_${area} SKMAP SKVIEW skarveth_data)
if(TARGET SKEDIT)
  add_dependencies(test_${area} SKEDIT)
  add_test(NAME skedit.window_click_undo_save
    COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/skedit/window_test.sh ${SK_GAME_DIR} ${PROJECT_SOURCE_DIR})
  set_tests_properties(skedit.window_click_undo_save PROPERTIES SKIP_RETURN_CODE 77 TIMEOUT 120
    LABELS "process;window")
endif()
