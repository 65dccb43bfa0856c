grafida_add_bench(molecule_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/molecule_bench.cpp LIBS grafida_molecule)
