# Peak memory of the main window after painting, against an empty window
# (bench/memory.sh). Needs nothing beyond the program's own libraries.
add_executable(tintaro_memory_bench ${CMAKE_CURRENT_LIST_DIR}/MemoryBench.cpp)
target_link_libraries(tintaro_memory_bench PRIVATE tintaro_core)
target_compile_definitions(tintaro_memory_bench PRIVATE TINTARO_APP_DIR="${TINTARO_APP_DIR}")
