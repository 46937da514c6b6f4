okulon_add_gtest(kvoModelSqlTests QT_MAIN
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/DAOTest.cpp ${CMAKE_CURRENT_LIST_DIR}/TableCreatorTest.cpp
            ${CMAKE_CURRENT_LIST_DIR}/SqlTestModels.h
    LIBS kvoModel Qt5::Sql
    ENV "PGOPTIONS=-c client_min_messages=warning"
    LABELS sql)
