# The demo tests play on the built archive and maps, and run SKDEMO.
add_dependencies(test_${area} skarveth_data SKDEMO)
