# Unit tests of the master exports (sstrxk_add_test ... LIBS sstrxk_export).
