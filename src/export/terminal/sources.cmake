# terminal exports and their cursor operations.
