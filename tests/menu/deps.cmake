# The menu tests drive the whole program on the shell's null back-ends.
target_sources(test_menu PRIVATE ${CMAKE_CURRENT_SOURCE_DIR}/shell/ShellHarness.cpp)
