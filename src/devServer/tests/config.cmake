# The server's settings and folders, in-process.
okulon_add_gtest(devServerConfigTests QT_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/ServerConfigTest.cpp
    LIBS devServer)
