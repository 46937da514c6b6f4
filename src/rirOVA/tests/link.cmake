okulon_add_gtest(linkTests QT_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/LinkTest.cpp ${CMAKE_CURRENT_LIST_DIR}/RoutingTest.cpp
    LIBS rirOVA)
