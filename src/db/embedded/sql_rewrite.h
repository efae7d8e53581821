// The rewriting of Oracle statement texts into SQLite statement texts. The
// system's statements are written for Oracle and run on the embedded
// database unchanged; where SQLite would read the same text with another
// meaning, the text is rewritten token by token before it is prepared:
//
// - SYSDATE and CURRENT_DATE (bare words in Oracle) become a call of the
//   clock function (oracle_functions.h);
// - each chain "a || b || c" becomes a call of the concatenation function,
//   which keeps Oracle's rule that NULL || 'x' is 'x'. Its operands are
//   primary expressions: a (qualified) name, a literal, a bind variable, a
//   function call or a parenthesised expression;
// - every "/" becomes "*1.0/", because Oracle divides exactly (90/60 = 1.5)
//   and SQLite divides integers as integers;
// - in a comparison (=, <>, !=, <, <=, >, >=) an operand that Oracle sees
//   as a number (a numeric literal, or an expression with a top-level
//   + - * /) is wrapped as CAST((...) AS NUMERIC): SQLite then converts the
//   other side to a number as Oracle's implicit conversion would, so that
//   to_char(d,'YYYY') >= to_char(SYSDATE,'YYYY') - 1 compares years as
//   numbers;
// - identifiers with "#" or "$" (legal in Oracle) are double-quoted.
//
// String literals, quoted identifiers and comments are never rewritten.
#ifndef SSTRXK_DB_EMBEDDED_SQL_REWRITE_H_
#define SSTRXK_DB_EMBEDDED_SQL_REWRITE_H_

#include <string>
#include <string_view>
#include <vector>

namespace embedded {

enum class TokenKind {
  kSpace,             // blanks, tabs, line ends
  kComment,           // -- ... and /* ... */
  kIdentifier,        // a name or keyword, with $ and # allowed after the first character
  kQuotedIdentifier,  // "name", text with the quotes
  kString,            // 'text', text with the quotes ('' inside)
  kNumber,            // 12, 1.5, .5, 1e3
  kBind,              // :name
  kOperator,          // || <= >= <> != == and single characters
};

struct Token {
  TokenKind kind;
  std::string text;
};

// Splits `sql` into tokens whose texts put together give `sql` again.
std::vector<Token> Tokenize(std::string_view sql);

// The SQLite text of the Oracle statement text `oracle_sql`.
std::string RewriteOracleSql(std::string_view oracle_sql);

// Removes the INTO clause of a single-row "SELECT list INTO :h1:i1, ... FROM
// ...": the tokens from the first INTO outside parentheses up to the FROM at
// the same depth. A text without one is returned unchanged.
std::string RemoveIntoClause(std::string_view sql);

// The names that stand as qualifiers in `sql` ("X" of X.name, not the "T" of
// X.T.C), upper-cased, each once, in order of appearance. Only names that are
// identifiers in the sense of IsIdentifierName are listed.
std::vector<std::string> Qualifiers(std::string_view sql);

// True when `name` is a letter followed by letters, digits, "_", "$" or
// "#" (ASCII letters): the names that may stand in a statement text as a
// schema name.
bool IsIdentifierName(std::string_view name);

// `name` with ASCII letters upper-cased.
std::string UpperAscii(std::string_view name);

}  // namespace embedded

#endif  // SSTRXK_DB_EMBEDDED_SQL_REWRITE_H_
