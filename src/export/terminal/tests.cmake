# Unit tests of the terminal exports (sstrxk_add_test ... LIBS sstrxk_export).
