# The host text engine: redrawing the message label with a cold and a warm
# glyph cache.
brisel_add_bench(bench_text bench_text.cpp)
target_link_libraries(bench_text PRIVATE nvplatform)
