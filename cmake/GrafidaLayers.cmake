# The layers, lowest first; a layer only links to those above it in this list.
# Layers that do not exist yet are skipped, so the tree builds at every stage.
set(GRAFIDA_CORE_LAYERS numeric molecule topology workspace)
set(GRAFIDA_QT_LAYERS dlgpack app)

foreach(layer IN LISTS GRAFIDA_CORE_LAYERS)
    if(EXISTS ${CMAKE_SOURCE_DIR}/src/${layer}/CMakeLists.txt)
        add_subdirectory(src/${layer})
    endif()
endforeach()

if(EXISTS ${CMAKE_SOURCE_DIR}/src/cli/CMakeLists.txt)
    add_subdirectory(src/cli)
endif()

if(GRAFIDA_QT)
    find_package(Qt6 REQUIRED COMPONENTS Core Gui Widgets Test)
    set(CMAKE_AUTOMOC ON)
    foreach(layer IN LISTS GRAFIDA_QT_LAYERS)
        if(EXISTS ${CMAKE_SOURCE_DIR}/src/${layer}/CMakeLists.txt)
            add_subdirectory(src/${layer})
        endif()
    endforeach()
endif()
