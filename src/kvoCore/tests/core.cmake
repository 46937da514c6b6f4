okulon_add_gtest(kvoCoreTests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/DTOTest.cpp ${CMAKE_CURRENT_LIST_DIR}/SingletonTest.cpp ${CMAKE_CURRENT_LIST_DIR}/SettingsAndLogTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/LogSafetyTest.cpp
    LIBS kvoCore)
