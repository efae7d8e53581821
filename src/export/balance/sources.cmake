# balance exports and their cursor operations.
