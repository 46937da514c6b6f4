# YouTube API controller against a loopback HTTP server of the test's own.
okulon_add_gtest(youtubeApiTests QT_MAIN
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/YoutubeApiControllerTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/LoopbackHttpServer.cpp
        ${CMAKE_CURRENT_LIST_DIR}/LoopbackHttpServer.h
    LIBS rirOVA Qt5::Network
    TIMEOUT 120)

# The loopback listener of the YouTube sign-in over real sockets.
okulon_add_gtest(oauthLoopbackTests QT_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/OAuthLoopbackReceiverTest.cpp
    LIBS rirOVA Qt5::Network Qt5::Test
    TIMEOUT 60)
