set(CALC_RESULT_TESTS ${CMAKE_CURRENT_LIST_DIR}/ResultsPlaceholderTest.cpp)
