// Score tables come here.
