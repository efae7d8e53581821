# IDN, KST, FCD: unit tests (sstrxk_add_test(sstrxk_badges_tests ...))
