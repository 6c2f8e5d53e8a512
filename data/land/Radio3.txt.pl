jak często
jak dawno
