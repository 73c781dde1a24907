set(CALC_STRUCTURE_TESTS ${CMAKE_CURRENT_LIST_DIR}/StructurePlaceholderTest.cpp)
