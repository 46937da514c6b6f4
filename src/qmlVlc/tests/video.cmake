# Small clips made with ffmpeg at build time: a test pattern, a short one and a solid colour.
set(QMLVLC_MEDIA_DIR ${CMAKE_BINARY_DIR}/tests/media)
find_program(FFMPEG_PROGRAM ffmpeg REQUIRED)
set(qmlvlc_ffmpeg ${FFMPEG_PROGRAM} -hide_banner -loglevel error -y -f lavfi)
set(qmlvlc_h264 -c:v libx264 -preset ultrafast -pix_fmt yuv420p -g 25)
add_custom_command(
    OUTPUT ${QMLVLC_MEDIA_DIR}/pattern.mp4 ${QMLVLC_MEDIA_DIR}/short.mp4 ${QMLVLC_MEDIA_DIR}/solid.mp4
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QMLVLC_MEDIA_DIR}
    COMMAND ${qmlvlc_ffmpeg} -i testsrc=size=320x240:rate=25:duration=4 ${qmlvlc_h264} ${QMLVLC_MEDIA_DIR}/pattern.mp4
    COMMAND ${qmlvlc_ffmpeg} -i testsrc=size=160x120:rate=25:duration=1 ${qmlvlc_h264} ${QMLVLC_MEDIA_DIR}/short.mp4
    COMMAND ${qmlvlc_ffmpeg} -i color=c=0xC04020:size=160x120:rate=25:duration=20 ${qmlvlc_h264}
            ${QMLVLC_MEDIA_DIR}/solid.mp4
    COMMENT "Making the video test clips"
    VERBATIM)
add_custom_target(qmlVlcTestMedia DEPENDS ${QMLVLC_MEDIA_DIR}/pattern.mp4 ${QMLVLC_MEDIA_DIR}/short.mp4
                                          ${QMLVLC_MEDIA_DIR}/solid.mp4)

okulon_add_gtest(qmlVlcTests QT_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/VlcTestSupport.cpp ${CMAKE_CURRENT_LIST_DIR}/VlcTestSupport.h
            ${CMAKE_CURRENT_LIST_DIR}/VlcPlaylistTest.cpp ${CMAKE_CURRENT_LIST_DIR}/VlcConfigTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/VlcPlayerEventsTest.cpp ${CMAKE_CURRENT_LIST_DIR}/VideoOutputTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/SdpStreamTest.cpp ${CMAKE_CURRENT_LIST_DIR}/VlcSubObjectsTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/FrameBatcherTest.cpp ${CMAKE_CURRENT_LIST_DIR}/DrivenOutput.h
    LIBS qmlVlc Qt5::Quick Qt5::Network
    TIMEOUT 240)
target_compile_definitions(qmlVlcTests PRIVATE OKULON_TEST_MEDIA_DIR="${QMLVLC_MEDIA_DIR}")
add_dependencies(qmlVlcTests qmlVlcTestMedia)

okulon_add_gtest(qmlVlcRenderTests QT_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/VlcTestSupport.cpp ${CMAKE_CURRENT_LIST_DIR}/VlcTestSupport.h
            ${CMAKE_CURRENT_LIST_DIR}/VideoSurfaceRenderTest.cpp
    LIBS qmlVlc Qt5::Quick
    ENV "QT_QPA_PLATFORM=xcb"
    TIMEOUT 240)
target_compile_definitions(qmlVlcRenderTests PRIVATE OKULON_TEST_MEDIA_DIR="${QMLVLC_MEDIA_DIR}"
                                                     OKULON_TEST_OUTPUT_DIR="${CMAKE_BINARY_DIR}/tests")
add_dependencies(qmlVlcRenderTests qmlVlcTestMedia)
