# The single-instance lock is a platform service; its test needs the SDL back-end library.
target_link_libraries(test_shell PRIVATE skplatform_sdl)
