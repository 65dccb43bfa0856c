# The eigen-solvers against Eigen's on the same matrices (Eigen is the baseline only).
find_package(Eigen3 3.3 REQUIRED NO_MODULE)
grafida_add_bench(eigen_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/eigen_bench.cpp LIBS grafida_numeric Eigen3::Eigen)
