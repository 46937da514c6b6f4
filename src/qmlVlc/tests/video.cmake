# Small clips made with ffmpeg at build time: a test pattern, a short one and a solid colour.
set(QMLVLC_MEDIA_DIR ${CMAKE_BINARY_DIR}/tests/media)
find_program(FFMPEG_PROGRAM ffmpeg REQUIRED)
set(qmlvlc_ffmpeg ${FFMPEG_PROGRAM} -hide_banner -loglevel error -y -f lavfi)
set(qmlvlc_h264 -c:v libx264 -preset ultrafast -pix_fmt yuv420p -g 25)
add_custom_command(
    OUTPUT ${QMLVLC_MEDIA_DIR}/pattern.mp4 ${QMLVLC_MEDIA_DIR}/short.mp4 ${QMLVLC_MEDIA_DIR}/solid.mp4
           ${QMLVLC_MEDIA_DIR}/bars.mp4
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QMLVLC_MEDIA_DIR}
    COMMAND ${qmlvlc_ffmpeg} -i testsrc=size=320x240:rate=25:duration=4 ${qmlvlc_h264} ${QMLVLC_MEDIA_DIR}/pattern.mp4
    COMMAND ${qmlvlc_ffmpeg} -i testsrc=size=160x120:rate=25:duration=1 ${qmlvlc_h264} ${QMLVLC_MEDIA_DIR}/short.mp4
    COMMAND ${qmlvlc_ffmpeg} -i color=c=0xC04020:size=160x120:rate=25:duration=20 ${qmlvlc_h264}
            ${QMLVLC_MEDIA_DIR}/solid.mp4
    COMMAND ${qmlvlc_ffmpeg} -i smptebars=size=320x240:rate=25:duration=30 ${qmlvlc_h264} ${QMLVLC_MEDIA_DIR}/bars.mp4
    COMMENT "Making the video test clips"
    VERBATIM)
add_custom_target(qmlVlcTestMedia DEPENDS ${QMLVLC_MEDIA_DIR}/pattern.mp4 ${QMLVLC_MEDIA_DIR}/short.mp4
                                          ${QMLVLC_MEDIA_DIR}/solid.mp4 ${QMLVLC_MEDIA_DIR}/bars.mp4)

okulon_add_gtest(qmlVlcTests QT_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/VlcTestSupport.cpp ${CMAKE_CURRENT_LIST_DIR}/VlcTestSupport.h
            ${CMAKE_CURRENT_LIST_DIR}/VlcPlaylistTest.cpp ${CMAKE_CURRENT_LIST_DIR}/VlcConfigTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/VlcPlayerEventsTest.cpp ${CMAKE_CURRENT_LIST_DIR}/VideoOutputTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/SdpStreamTest.cpp ${CMAKE_CURRENT_LIST_DIR}/VlcSubObjectsTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/FrameBatcherTest.cpp ${CMAKE_CURRENT_LIST_DIR}/DrivenOutput.h
            ${CMAKE_CURRENT_LIST_DIR}/LiveStreamTest.cpp ${CMAKE_CURRENT_LIST_DIR}/MpegTsSender.cpp
            ${CMAKE_CURRENT_LIST_DIR}/MpegTsSender.h
    LIBS qmlVlc okulonProcessMemory Qt5::Quick Qt5::Network
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

# The software render path under Qt Quick's software scene graph; no OpenGL, no X.
okulon_add_gtest(qmlVlcSoftwareTests QT_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/VlcTestSupport.cpp ${CMAKE_CURRENT_LIST_DIR}/VlcTestSupport.h
            ${CMAKE_CURRENT_LIST_DIR}/SoftwarePathTest.cpp ${CMAKE_CURRENT_LIST_DIR}/MpegTsSender.cpp
            ${CMAKE_CURRENT_LIST_DIR}/MpegTsSender.h
    LIBS qmlVlc Qt5::Quick
    ENV "QT_QUICK_BACKEND=software"
    TIMEOUT 240)
target_compile_definitions(qmlVlcSoftwareTests PRIVATE OKULON_TEST_MEDIA_DIR="${QMLVLC_MEDIA_DIR}")
add_dependencies(qmlVlcSoftwareTests qmlVlcTestMedia)

# The render path chosen at start and the two paths' pictures, each in a probe process on an X server
# of the test's own.
add_executable(qmlVlcRenderPathProbe ${CMAKE_CURRENT_LIST_DIR}/RenderPathProbe.cpp
               ${CMAKE_CURRENT_LIST_DIR}/VlcTestSupport.cpp ${CMAKE_CURRENT_LIST_DIR}/VlcTestSupport.h)
target_link_libraries(qmlVlcRenderPathProbe PRIVATE qmlVlc Qt5::Quick Qt5::Qml)
target_compile_definitions(qmlVlcRenderPathProbe PRIVATE OKULON_TEST_MEDIA_DIR="${QMLVLC_MEDIA_DIR}")
okulon_warnings(qmlVlcRenderPathProbe)
okulon_add_gtest(qmlVlcRenderPathTests QT_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/RenderPathTest.cpp ${CMAKE_CURRENT_LIST_DIR}/PrivateXServer.cpp
            ${CMAKE_CURRENT_LIST_DIR}/PrivateXServer.h
    LIBS qmlVlc Qt5::Gui
    TIMEOUT 300)
target_compile_definitions(qmlVlcRenderPathTests PRIVATE OKULON_TEST_MEDIA_DIR="${QMLVLC_MEDIA_DIR}"
                                                         OKULON_PROBE_PROGRAM="$<TARGET_FILE:qmlVlcRenderPathProbe>")
add_dependencies(qmlVlcRenderPathTests qmlVlcTestMedia qmlVlcRenderPathProbe)
