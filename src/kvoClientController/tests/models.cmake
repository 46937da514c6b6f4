# The list models are compiled in here as well, so that their tests do not wait for the rest of the
# library.
set(OKULON_LIST_MODEL_SOURCES
    ${PROJECT_SOURCE_DIR}/src/kvoClientController/controller/OriginalModel.cpp
    ${PROJECT_SOURCE_DIR}/src/kvoClientController/controller/OriginalModel.h
    ${PROJECT_SOURCE_DIR}/src/kvoClientController/controller/ProxyModel.cpp
    ${PROJECT_SOURCE_DIR}/src/kvoClientController/controller/ProxyModel.h)
okulon_add_gtest(listModelTests QT_MAIN
    SOURCES
        ${OKULON_LIST_MODEL_SOURCES}
        ${CMAKE_CURRENT_LIST_DIR}/ListModelSupport.h
        ${CMAKE_CURRENT_LIST_DIR}/OriginalModelTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/AddRowsTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/ProxyModelTest.cpp
    LIBS kvoModel kvoCore Qt5::Core Qt5::Test)
