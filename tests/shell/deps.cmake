# The single-instance lock is a platform service; its test needs the SDL back-end library.
target_link_libraries(test_shell PRIVATE skplatform_sdl)
# The start and close tests run the built game itself from a copy of its folder.
add_dependencies(test_shell Skarveth SKSHOW SKDEMO skarveth_data)
