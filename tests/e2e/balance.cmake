# End-to-end tests of the balance exports.
