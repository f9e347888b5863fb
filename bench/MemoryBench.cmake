# Peak memory of the main window after painting, against an empty window
# (bench/memory.sh). Needs nothing beyond the program's own libraries.
add_executable(tintaro_memory_bench ${CMAKE_CURRENT_LIST_DIR}/MemoryBench.cpp)
target_link_libraries(tintaro_memory_bench PRIVATE tintaro_app)
# The window's state through tests/support/WindowAccess.h.
target_include_directories(tintaro_memory_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_compile_definitions(tintaro_memory_bench PRIVATE TINTARO_APP_DIR="${TINTARO_APP_DIR}")

# Resident memory over a random session of every control (bench/session.sh).
add_executable(tintaro_session_bench ${CMAKE_CURRENT_LIST_DIR}/SessionBench.cpp)
target_link_libraries(tintaro_session_bench PRIVATE tintaro_app Qt6::Test)
target_include_directories(tintaro_session_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests)
target_compile_definitions(tintaro_session_bench PRIVATE TINTARO_APP_DIR="${TINTARO_APP_DIR}")
