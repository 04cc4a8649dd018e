# The tests run the built SKMAP as a process.
add_dependencies(test_mapbuilder SKMAP)
