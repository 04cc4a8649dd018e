add_dependencies(test_${area} SKPACK)
