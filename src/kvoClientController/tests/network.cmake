okulon_add_gtest(messageFramingTests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/MessageFramingTest.cpp
    LIBS kvoClientController)
