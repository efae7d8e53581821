# End-to-end tests of the terminal exports.
