# The built client driven from its command line (version, help, errors, values for one run).
if(TARGET okulon)
    okulon_add_gtest(okulonCommandLineTests QT_MAIN
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/CommandLineTest.cpp
        LIBS rirOVA Qt5::Network
        TIMEOUT 300)
    target_compile_definitions(okulonCommandLineTests PRIVATE
        OKULON_PROGRAM="$<TARGET_FILE:okulon>" OKULON_EXPECTED_VERSION="${PROJECT_VERSION}")
    add_dependencies(okulonCommandLineTests okulon)
endif()
