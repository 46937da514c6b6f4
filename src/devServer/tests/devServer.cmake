# Whole-program tests of the development media server: the real program on a loopback port.
if(NOT TARGET rirOVA)
    return()
endif()
add_library(devServerTestSupport STATIC
    ${CMAKE_CURRENT_LIST_DIR}/ServerProcess.cpp ${CMAKE_CURRENT_LIST_DIR}/ServerProcess.h
    ${CMAKE_CURRENT_LIST_DIR}/LinkClient.cpp ${CMAKE_CURRENT_LIST_DIR}/LinkClient.h
    ${CMAKE_CURRENT_LIST_DIR}/RawClient.cpp ${CMAKE_CURRENT_LIST_DIR}/RawClient.h
    ${CMAKE_CURRENT_LIST_DIR}/LiveTestSupport.cpp ${CMAKE_CURRENT_LIST_DIR}/LiveTestSupport.h
    ${CMAKE_CURRENT_LIST_DIR}/DemoClipPicture.cpp ${CMAKE_CURRENT_LIST_DIR}/DemoClipPicture.h)
target_link_libraries(devServerTestSupport PUBLIC okulonProcessMemory rirOVA kvoClientController kvoCore Qt5::Network Qt5::Sql)
target_include_directories(devServerTestSupport PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_compile_definitions(devServerTestSupport PUBLIC
    DEVSERVER_BINARY="$<TARGET_FILE:vorozizevodidureruziz>")
okulon_warnings(devServerTestSupport)

okulon_add_gtest(devServerProgramTests QT_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/DevServerProgramTest.cpp
    LIBS devServerTestSupport
    TIMEOUT 600)
add_dependencies(devServerProgramTests vorozizevodidureruziz)

okulon_add_gtest(devServerSessionTests QT_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/DevServerSessionTest.cpp
    LIBS devServerTestSupport
    TIMEOUT 300)
add_dependencies(devServerSessionTests vorozizevodidureruziz)

okulon_add_gtest(devServerSecurityTests QT_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/DevServerSecurityTest.cpp
    LIBS devServerTestSupport
    TIMEOUT 300)
add_dependencies(devServerSecurityTests vorozizevodidureruziz)
okulon_add_gtest(devServerDesktopLayoutTests QT_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/DesktopLayoutTest.cpp
    LIBS devServerTestSupport
    TIMEOUT 120)
add_dependencies(devServerDesktopLayoutTests vorozizevodidureruziz)

okulon_add_gtest(devServerTlsTests QT_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/DevServerTlsTest.cpp
    LIBS devServerTestSupport
    TIMEOUT 120)
add_dependencies(devServerTlsTests vorozizevodidureruziz)
