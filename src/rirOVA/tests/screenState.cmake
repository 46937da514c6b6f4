# The desktop's screen state store, including a writer killed with SIGKILL.
okulon_add_gtest(screenStateStoreTests QT_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/ScreenStateStoreTest.cpp
    LIBS rirOVA Qt5::Test
    TIMEOUT 120)
