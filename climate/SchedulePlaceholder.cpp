// Removed once the first schedule source lands.
