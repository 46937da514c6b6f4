okulon_add_gtest(linkTests QT_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/LinkTest.cpp ${CMAKE_CURRENT_LIST_DIR}/RoutingTest.cpp
    LIBS rirOVA)

# Start-up's link steps, in a process of their own because the link singletons never go away.
okulon_add_gtest(linkStartupTests QT_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/LinkStartupTest.cpp
    LIBS rirOVA)
