# The blitters against pixman on the same work: pixman is the anchor only and
# is linked into nothing but this benchmark.
find_package(PkgConfig REQUIRED)
pkg_check_modules(PIXMAN REQUIRED IMPORTED_TARGET pixman-1)
brisel_add_bench(bench_blitters bench_blitters.cpp)
target_link_libraries(bench_blitters PRIVATE nolva PkgConfig::PIXMAN)
