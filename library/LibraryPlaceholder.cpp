// Removed once the first library source lands.
