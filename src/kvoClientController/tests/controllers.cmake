okulon_add_gtest(kvoControllerTests QT_MAIN
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/ControllerTestSupport.h
        ${CMAKE_CURRENT_LIST_DIR}/ControllerTestSupport.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ControllerListTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ControllerDesktopTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/AuthControllerTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ListAfterLogInTest.cpp
    LIBS kvoClientController Qt5::Quick)
