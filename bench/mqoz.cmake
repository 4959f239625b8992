brisel_add_bench(bench_mqoz bench_mqoz.cpp)
target_link_libraries(bench_mqoz PRIVATE briselapp)
add_dependencies(bench_mqoz brisel-nouv)
target_compile_definitions(bench_mqoz PRIVATE BRISEL_BIN_DIR="${CMAKE_BINARY_DIR}/bin")
