okulon_add_gtest(kvoCoreFoldersTests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/AppFoldersTest.cpp ${CMAKE_CURRENT_LIST_DIR}/SettingsOverrideTest.cpp
    LIBS kvoCore)
