// Removed once the first result source lands.
