add_dependencies(test_${area} SKPACK)
# Its tests start the built programs as processes.
set(sk_area_labels runs_programs)
