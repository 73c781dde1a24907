// Removed once the first structure source lands.
