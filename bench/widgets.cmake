# The theme painters at the sizes the window and its widgets use.
brisel_add_bench(bench_painters bench_painters.cpp)
target_link_libraries(bench_painters PRIVATE nolva)
