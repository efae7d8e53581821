# FTG, MST, MDT end to end (sstrxk_add_test(sstrxk_e2e_absences_tests ...))
