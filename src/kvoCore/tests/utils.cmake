okulon_add_gtest(kvoCoreUtilsTests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/UtilsTest.cpp ${CMAKE_CURRENT_LIST_DIR}/UtilsTimeTest.cpp
    LIBS kvoCore)
# A process of its own: the random engine is created once per process, so the sequence is only
# predictable while no other test has drawn from it.
okulon_add_gtest(kvoCoreUtilsDistributionTests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/UtilsDistributionTest.cpp
    LIBS kvoCore)
