okulon_add_gtest(kvoCoreSqlTests QT_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/DBSimpleTest.cpp ${CMAKE_CURRENT_LIST_DIR}/SqlTestBackend.h
    LIBS kvoCore Qt5::Sql
    ENV "PGOPTIONS=-c client_min_messages=warning"
    LABELS sql)
