// How Oracle prints a number into a character value: whole numbers without a
// decimal point ("3", not "3.0"), fractions without a leading zero (".5",
// "-.25"). Both the database layer (numbers fetched into texts) and the
// embedded database (numbers inside concatenations and conversions) use it.
#ifndef SSTRXK_BASE_ORACLE_NUMBER_H_
#define SSTRXK_BASE_ORACLE_NUMBER_H_

#include <string>

std::string OracleNumberText(double value);

#endif  // SSTRXK_BASE_ORACLE_NUMBER_H_
