# Digital zoom: the source-rectangle arithmetic; the pixels of a zoomed surface are checked by the
# render tests with the quarters clip.
okulon_add_gtest(qmlVlcZoomTests QT_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/ZoomTest.cpp
    LIBS qmlVlc)

# Four coloured quarters (red, green / blue, white), still: every pixel's colour is known.
add_custom_command(
    OUTPUT ${QMLVLC_MEDIA_DIR}/quarters.mp4
    COMMAND ${CMAKE_COMMAND} -E make_directory ${QMLVLC_MEDIA_DIR}
    COMMAND ${qmlvlc_ffmpeg} -i "nullsrc=size=320x240:rate=25:duration=20,format=rgb24,geq=r='if(lt(Y,120),if(lt(X,160),255,0),if(lt(X,160),0,255))':g='if(lt(Y,120),if(lt(X,160),0,255),if(lt(X,160),0,255))':b='if(lt(Y,120),0,255)'"
            ${qmlvlc_h264} ${QMLVLC_MEDIA_DIR}/quarters.mp4
    COMMENT "Making the quarters test clip"
    VERBATIM)
add_custom_target(qmlVlcZoomMedia DEPENDS ${QMLVLC_MEDIA_DIR}/quarters.mp4)

add_dependencies(qmlVlcRenderTests qmlVlcZoomMedia)
