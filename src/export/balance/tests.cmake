# Unit tests of the balance exports (sstrxk_add_test ... LIBS sstrxk_export).
