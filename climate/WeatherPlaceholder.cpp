// Removed once the first weather source lands.
