TEST(WeatherPlaceholder, Builds) {}
