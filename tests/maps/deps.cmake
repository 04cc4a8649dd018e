# The SKVIEW tests build their maps with SKMAP and read them with SKVIEW.
add_dependencies(test_${area} SKMAP SKVIEW)
