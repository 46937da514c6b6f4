okulon_add_gtest(rirOVAModelCatalogueTests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/CatalogueFieldsTest.cpp ${CMAKE_CURRENT_LIST_DIR}/CatalogueBehaviourTest.cpp
    LIBS rirOVAModel)
