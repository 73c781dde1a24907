TEST(LibraryPlaceholder, Builds) {}
