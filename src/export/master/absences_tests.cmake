# FTG, MST, MDT: unit tests (sstrxk_add_test(sstrxk_absences_tests ...))
