grafida_add_bench(records_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/records_bench.cpp LIBS grafida_workspace)
target_compile_definitions(records_bench PRIVATE GRAFIDA_DATA_DIR="${GRAFIDA_DATA_DIR}"
                           GRAFIDA_BENCH_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/data")
