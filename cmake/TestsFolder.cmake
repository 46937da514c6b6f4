# Included by every tests/CMakeLists.txt: each area of a library keeps its test targets in its own
# <area>.cmake file beside it, so that areas can be added without touching shared files.
file(GLOB okulon_test_parts ${CMAKE_CURRENT_SOURCE_DIR}/*.cmake)
list(SORT okulon_test_parts)
foreach(part ${okulon_test_parts})
    include(${part})
endforeach()
