# The tests run the built SKMAP as a process.
add_dependencies(test_mapbuilder SKMAP)
# Its tests start the built programs as processes.
set(sk_area_labels runs_programs)
