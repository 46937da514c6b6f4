# Video tests of the development server: live RTP streams, recording, motion and archive playback,
# watched through the client's own player. The sample clip is made with ffmpeg at build time.
if(NOT TARGET rirOVA OR NOT TARGET qmlVlc)
    return()
endif()
find_program(DEVSERVER_FFMPEG ffmpeg REQUIRED)
set(DEVSERVER_MEDIA_DIR ${CMAKE_BINARY_DIR}/tests/devServerMedia)
add_custom_command(
    OUTPUT ${DEVSERVER_MEDIA_DIR}/demo.mp4
    COMMAND ${CMAKE_COMMAND} -E make_directory ${DEVSERVER_MEDIA_DIR}
    COMMAND ${CMAKE_SOURCE_DIR}/scripts/make-demo-clip ${DEVSERVER_MEDIA_DIR}/demo.mp4
    DEPENDS ${CMAKE_SOURCE_DIR}/scripts/make-demo-clip
    COMMENT "Making the demo camera clip"
    VERBATIM)
add_custom_target(devServerTestMedia DEPENDS ${DEVSERVER_MEDIA_DIR}/demo.mp4)

okulon_add_gtest(devServerVideoTests QT_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/DevServerVideoTest.cpp ${CMAKE_CURRENT_LIST_DIR}/VideoPartsTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/DevServerManyTilesTest.cpp
    LIBS devServerTestSupport devServer qmlVlc Qt5::Quick Qt5::Network
    TIMEOUT 300)
target_compile_definitions(devServerVideoTests PRIVATE DEVSERVER_DEMO_CLIP="${DEVSERVER_MEDIA_DIR}/demo.mp4")
add_dependencies(devServerVideoTests vorozizevodidureruziz devServerTestMedia)

# Real pixels under X (scripts/test starts Xvfb); the last picture is saved as a screenshot.
okulon_add_gtest(devServerLiveRenderTests QT_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/DevServerLiveRenderTest.cpp
    LIBS devServerTestSupport qmlVlc Qt5::Quick Qt5::Network
    ENV "QT_QPA_PLATFORM=xcb"
    TIMEOUT 120)
target_compile_definitions(devServerLiveRenderTests PRIVATE DEVSERVER_DEMO_CLIP="${DEVSERVER_MEDIA_DIR}/demo.mp4"
                                                            OKULON_TEST_OUTPUT_DIR="${CMAKE_BINARY_DIR}/tests")
add_dependencies(devServerLiveRenderTests vorozizevodidureruziz devServerTestMedia)
