// Filled in with the picture and title code.
