# The sdl display's presentation at the desktop's scale: a full window
# copied into a window surface at scale 1 and 2, and shown in a real window
# when an X display is there.
find_package(SDL2 REQUIRED)
brisel_add_bench(bench_scaled_present bench_scaled_present.cpp)
target_link_libraries(bench_scaled_present PRIVATE nvplatform SDL2::SDL2)
