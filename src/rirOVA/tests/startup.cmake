# okulon without its QML resources: start-up must end with exit code 1 after writing its settings.
add_executable(okulonWithoutQml ${CMAKE_CURRENT_LIST_DIR}/../main.cpp)
target_link_libraries(okulonWithoutQml PRIVATE rirOVA Qt5::WebEngine)
set_target_properties(okulonWithoutQml PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)

okulon_add_gtest(rirOVATests QT_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/StartupTest.cpp
    LIBS rirOVA)
target_compile_definitions(rirOVATests PRIVATE
    OKULON_WITHOUT_QML="$<TARGET_FILE:okulonWithoutQml>")
add_dependencies(rirOVATests okulonWithoutQml)
