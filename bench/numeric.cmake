grafida_add_bench(numeric_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/matrix_text_bench.cpp LIBS grafida_numeric)
