# IDN, KST, FCD end to end (sstrxk_add_test(sstrxk_e2e_badges_tests ...))
