# End-to-end tests of the master exports.
