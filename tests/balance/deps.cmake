# The simulated players, the measured matches and the SKBALANCE program.
target_link_libraries(test_${area} PRIVATE skbalance)
add_dependencies(test_${area} SKBALANCE)
target_compile_definitions(test_${area} PRIVATE SK_SKBALANCE="$<TARGET_FILE:SKBALANCE>")
