# YouTube API controller against a loopback HTTP server of the test's own.
okulon_add_gtest(youtubeApiTests QT_MAIN
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/YoutubeApiControllerTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/LoopbackHttpServer.cpp
        ${CMAKE_CURRENT_LIST_DIR}/LoopbackHttpServer.h
    LIBS rirOVA Qt5::Network
    TIMEOUT 120)
