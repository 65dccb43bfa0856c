# Exact detour and Cluj detour matrices of large polycyclic graphs (generators shared with the tests).
grafida_add_bench(paths_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/paths_bench.cpp
                  ${CMAKE_SOURCE_DIR}/tests/topology/graphs/GraphFamilies.cpp
                  ${CMAKE_SOURCE_DIR}/tests/topology/graphs/LargeFamilies.cpp LIBS grafida_topology)
target_include_directories(paths_bench PRIVATE ${CMAKE_SOURCE_DIR}/tests/topology)
