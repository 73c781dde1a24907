TEST(ResultsPlaceholder, Builds) {}
