okulon_add_gtest(rirOVAModelSqlTests QT_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/CatalogueSqlTest.cpp
    LIBS rirOVAModel kvoModel Qt5::Sql
    ENV "PGOPTIONS=-c client_min_messages=warning"
    LABELS sql)
