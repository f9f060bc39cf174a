// Archive encoding comes here.
