TEST(StructurePlaceholder, Builds) {}
