# Installation as a desktop application and the Debian packages (cpack -G DEB): "okulon" (the client
# with its menu entry, icons and metainfo) and "okulon-server" (the development server with its
# systemd service). `cmake --install` installs both; the packages use the build already made.
include(GNUInstallDirs)

set(OKULON_APP_ID org.example.okulon)
set(OKULON_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)
set(OKULON_GENERATED_DIR ${CMAKE_BINARY_DIR}/packaging)
set(OKULON_ICON_SIZES 16 22 24 32 48 64 128 256)
# Installed files use these paths; the packages install into /usr.
set(OKULON_PACKAGE_PREFIX /usr)

find_package(Qt5 5.15 REQUIRED COMPONENTS Svg)
find_program(OKULON_GZIP gzip REQUIRED)

# PNG icons of every hicolor size, rendered from the one SVG.
add_executable(okulonIconRender ${OKULON_PACKAGING_DIR}/iconRender/IconRender.cpp)
target_link_libraries(okulonIconRender PRIVATE Qt5::Gui Qt5::Svg)
okulon_warnings(okulonIconRender)
set_target_properties(okulonIconRender PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${OKULON_GENERATED_DIR})
set(icon_pngs)
foreach(size ${OKULON_ICON_SIZES})
    list(APPEND icon_pngs ${OKULON_GENERATED_DIR}/icons/${size}x${size}/${OKULON_APP_ID}.png)
endforeach()
add_custom_command(OUTPUT ${icon_pngs}
    COMMAND okulonIconRender ${OKULON_PACKAGING_DIR}/${OKULON_APP_ID}.svg ${OKULON_GENERATED_DIR}/icons
            ${OKULON_ICON_SIZES}
    DEPENDS okulonIconRender ${OKULON_PACKAGING_DIR}/${OKULON_APP_ID}.svg VERBATIM)

# Manual pages and Debian change logs, compressed as Debian wants them.
set(compressed)
function(okulon_gzip_configured source target)
    configure_file(${source} ${OKULON_GENERATED_DIR}/${target} @ONLY)
    add_custom_command(OUTPUT ${OKULON_GENERATED_DIR}/${target}.gz
        COMMAND ${OKULON_GZIP} -9nf -k ${OKULON_GENERATED_DIR}/${target}
        DEPENDS ${OKULON_GENERATED_DIR}/${target} VERBATIM)
    set(compressed ${compressed} ${OKULON_GENERATED_DIR}/${target}.gz PARENT_SCOPE)
endfunction()
okulon_gzip_configured(${OKULON_PACKAGING_DIR}/okulon.1 okulon.1)
okulon_gzip_configured(${OKULON_PACKAGING_DIR}/vorozizevodidureruziz.1 vorozizevodidureruziz.1)
set(PACKAGE okulon)
okulon_gzip_configured(${OKULON_PACKAGING_DIR}/changelog.Debian client/changelog.Debian)
set(PACKAGE okulon-server)
okulon_gzip_configured(${OKULON_PACKAGING_DIR}/changelog.Debian server/changelog.Debian)
configure_file(${OKULON_PACKAGING_DIR}/${OKULON_APP_ID}.metainfo.xml ${OKULON_GENERATED_DIR}/${OKULON_APP_ID}.metainfo.xml
               @ONLY)
add_custom_target(okulonDesktopFiles ALL DEPENDS ${icon_pngs} ${compressed})

# The client.
install(FILES ${OKULON_PACKAGING_DIR}/${OKULON_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications
        COMPONENT client)
install(FILES ${OKULON_GENERATED_DIR}/${OKULON_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
        COMPONENT client)
install(FILES ${OKULON_PACKAGING_DIR}/${OKULON_APP_ID}.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps
        COMPONENT client)
foreach(size ${OKULON_ICON_SIZES})
    install(FILES ${OKULON_GENERATED_DIR}/icons/${size}x${size}/${OKULON_APP_ID}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps COMPONENT client)
endforeach()
install(FILES ${OKULON_GENERATED_DIR}/okulon.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT client)
install(FILES ${OKULON_PACKAGING_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/okulon COMPONENT client)
install(FILES ${OKULON_GENERATED_DIR}/client/changelog.Debian.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/okulon
        COMPONENT client)

# The server and its service (disabled until the administrator enables it).
configure_file(${OKULON_PACKAGING_DIR}/okulon-server.service ${OKULON_GENERATED_DIR}/okulon-server.service COPYONLY)
install(FILES ${OKULON_GENERATED_DIR}/okulon-server.service DESTINATION lib/systemd/system COMPONENT server)
install(FILES ${OKULON_PACKAGING_DIR}/okulon-server.sysusers DESTINATION lib/sysusers.d RENAME okulon-server.conf
        COMPONENT server)
install(FILES ${OKULON_GENERATED_DIR}/vorozizevodidureruziz.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1
        COMPONENT server)
install(FILES ${OKULON_PACKAGING_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/okulon-server
        COMPONENT server)
install(FILES ${OKULON_GENERATED_DIR}/server/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/okulon-server COMPONENT server)

# Packages from the build already made: cpack installs, strips and packs, it does not rebuild.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME okulon)
set(CPACK_PACKAGE_VENDOR "Okulon developers")
set(CPACK_PACKAGE_CONTACT "Okulon developers <dev@okulon.example.org>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX ${OKULON_PACKAGE_PREFIX})
set(CPACK_STRIP_FILES ON)
set(CPACK_COMPONENTS_ALL client server)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION video)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://okulon.example.org)
# Libraries are computed by dpkg-shlibdeps; what is loaded at run time (QML modules, libvlc plugins,
# the SQL driver) cannot be, and is listed here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

set(CPACK_DEBIAN_CLIENT_PACKAGE_NAME okulon)
set(CPACK_DEBIAN_CLIENT_PACKAGE_SECTION video)
set(CPACK_DEBIAN_CLIENT_PACKAGE_DEPENDS
    "qml-module-qtquick2, qml-module-qtquick-window2, qml-module-qtquick-layouts, qml-module-qtquick-controls, qml-module-qtquick-controls2, qml-module-qtquick-templates2, vlc-plugin-base")
set(CPACK_DEBIAN_CLIENT_PACKAGE_RECOMMENDS "okulon-server")
# CPack indents the lines after the synopsis itself.
set(CPACK_COMPONENT_CLIENT_DESCRIPTION "desktop client of a video-surveillance media server
Okulon shows the cameras of a media server in a grid of live tiles with the
objects its detectors find, browses the recorded events and archive, and
manages cameras and users. It starts the local development server when none
answers.")

set(CPACK_DEBIAN_SERVER_PACKAGE_NAME okulon-server)
set(CPACK_DEBIAN_SERVER_PACKAGE_SECTION video)
set(CPACK_DEBIAN_SERVER_PACKAGE_DEPENDS "libqt5sql5-sqlite, vlc-plugin-base, adduser")
set(CPACK_DEBIAN_SERVER_PACKAGE_SUGGESTS "okulon")
set(CPACK_COMPONENT_SERVER_DESCRIPTION "development media server for the Okulon client
Records cameras, streams live and recorded video, keeps cameras, users and
events in SQLite or PostgreSQL. Installs the systemd service okulon-server,
disabled by default, which runs as its own system user with its data in
/var/lib/okulon-server.")
set(CPACK_DEBIAN_SERVER_PACKAGE_CONTROL_EXTRA
    ${OKULON_PACKAGING_DIR}/debian-server/postinst ${OKULON_PACKAGING_DIR}/debian-server/prerm
    ${OKULON_PACKAGING_DIR}/debian-server/postrm)
include(CPack)

if(OKULON_BUILD_TESTS)
    # Builds the packages from this build, checks their contents and runs the installed client as an
    # ordinary user with a read-only program folder.
    add_test(NAME okulonPackageTest COMMAND ${PROJECT_SOURCE_DIR}/scripts/package-test ${CMAKE_BINARY_DIR})
    set_tests_properties(okulonPackageTest PROPERTIES TIMEOUT 600 LABELS package)
endif()
