okulon_add_gtest(kvoModelBaseTests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/ModelBaseTest.cpp ${CMAKE_CURRENT_LIST_DIR}/ModelStacksAndFactoryTest.cpp
    LIBS kvoModel Qt5::Sql)
