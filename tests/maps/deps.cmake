# The SKVIEW tests build their maps with SKMAP and read them with SKVIEW.
add_dependencies(test_${area} SKMAP SKVIEW)
# Its tests start the built programs as processes.
set(sk_area_labels runs_programs)
