# What a press and a pencil segment cost in the main window, end to end.
# The allocation counter replaces malloc, which the sanitizers also replace.
find_package(benchmark QUIET)
if(benchmark_FOUND AND NOT TINTARO_SANITIZE)
  add_executable(tintaro_press_bench ${CMAKE_CURRENT_LIST_DIR}/PressBench.cpp)
  target_link_libraries(tintaro_press_bench PRIVATE tintaro_core benchmark::benchmark)
endif()
