# Distance, detour and Cluj matrices on graph families, the fast builders against the
# step-by-step reference of the tests (compiled in here too).
file(GLOB topology_bench_reference ${CMAKE_SOURCE_DIR}/tests/topology/literal/*.cpp
     ${CMAKE_SOURCE_DIR}/tests/topology/graphs/*.cpp)
grafida_add_bench(topology_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/topology_bench.cpp ${topology_bench_reference}
                  LIBS grafida_topology)
target_include_directories(topology_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests/topology)
