# Feature controllers against the application's link object and message handler.
okulon_add_gtest(featureControllerTests QT_MAIN
    SOURCES
        ${CMAKE_CURRENT_LIST_DIR}/FeatureTestSupport.h
        ${CMAKE_CURRENT_LIST_DIR}/FeatureTestSupport.cpp
        ${CMAKE_CURRENT_LIST_DIR}/DeviceControllersTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ArchiveControllersTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ArchiveSyncControllerTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/AppAndSettingsControllersTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/LiveTileRoundTripTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/DesktopLayoutControllerTest.cpp
    LIBS rirOVA Qt5::Quick)

# Event filter, desktop services and the translator, with the compiled Russian translation.
okulon_add_gtest(desktopHelpersTests QT_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/DesktopHelpersTest.cpp
    LIBS rirOVA okulonResources Qt5::Quick)

# Every registered QML type created once from QML.
add_executable(kvoTypesQmlTests ${CMAKE_CURRENT_LIST_DIR}/qml/KvoTypesSmokeMain.cpp)
target_link_libraries(kvoTypesQmlTests PRIVATE rirOVA Qt5::QuickTest Qt5::Quick Qt5::Qml)
okulon_warnings(kvoTypesQmlTests)
set_target_properties(kvoTypesQmlTests PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
add_test(NAME kvoTypesQmlTests COMMAND kvoTypesQmlTests -input ${CMAKE_CURRENT_LIST_DIR}/qml
         WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
set_tests_properties(kvoTypesQmlTests PROPERTIES TIMEOUT 120 LABELS qml
                     ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_QUICK_BACKEND=software")
