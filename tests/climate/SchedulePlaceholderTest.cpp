TEST(SchedulePlaceholder, Builds) {}
