# Forwarding of event clips and Telegram linking, in-process against local fake YouTube and
# Telegram endpoints.
if(NOT TARGET devServer OR NOT TARGET rirOVAModel)
    return()
endif()
okulon_add_gtest(devServerForwardingTests QT_MAIN
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/ForwardingTest.cpp
        ${PROJECT_SOURCE_DIR}/src/rirOVA/tests/LoopbackHttpServer.cpp
        ${PROJECT_SOURCE_DIR}/src/rirOVA/tests/LoopbackHttpServer.h
    LIBS devServer Qt5::Network Qt5::Sql Qt5::Test
    TIMEOUT 120)
