// Token-level rewriting of Oracle statement texts (see sql_rewrite.h). The
// text is tokenized once; three passes then work on the token list, each
// producing a new one: single words and operators, concatenation chains, and
// comparison operands. Parentheses are matched on the token list, so a pass
// can step over a whole parenthesised group or descend into it.
#include "db/embedded/sql_rewrite.h"

#include <algorithm>
#include <cstddef>
#include <set>
#include <utility>

#include "db/embedded/oracle_functions.h"

namespace embedded {
namespace {

using Tokens = std::vector<Token>;
constexpr std::size_t kNone = static_cast<std::size_t>(-1);

bool IsAsciiLetter(unsigned char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
// Bytes beyond ASCII belong to names, as in SQLite (letters of UTF-8 texts).
bool IsNameStart(unsigned char c) { return IsAsciiLetter(c) || c == '_' || c >= 0x80; }
bool IsNameChar(unsigned char c) { return IsNameStart(c) || IsDigit(c) || c == '$' || c == '#'; }

bool IsSignificant(const Token& t) { return t.kind != TokenKind::kSpace && t.kind != TokenKind::kComment; }
bool IsOp(const Token& t, std::string_view op) { return t.kind == TokenKind::kOperator && t.text == op; }
bool IsName(const Token& t) {
  return t.kind == TokenKind::kIdentifier || t.kind == TokenKind::kQuotedIdentifier;
}

bool IsWord(const Token& t, std::string_view upper) {
  return t.kind == TokenKind::kIdentifier && UpperAscii(t.text) == upper;
}

// Keywords that end a comparison operand and that never start a primary
// expression (nor name a function before "(").
bool IsClauseWord(const Token& t) {
  static const std::set<std::string, std::less<>> kWords = {
      "ALL",    "AND",   "AS",     "ASC",     "BETWEEN", "BY",     "CASE",   "CROSS",     "DESC",
      "DISTINCT", "ELSE", "END",   "ESCAPE",  "EXCEPT",  "EXISTS", "FROM",   "FULL",      "GROUP",
      "HAVING", "IN",    "INNER",  "INTERSECT", "INTO",  "IS",     "JOIN",   "LEFT",      "LIKE",
      "LIMIT",  "MINUS", "NATURAL", "NOT",    "OFFSET",  "ON",     "OR",     "ORDER",     "OUTER",
      "RIGHT",  "SELECT", "SET",   "THEN",    "UNION",   "USING",  "VALUES", "WHEN",      "WHERE",
  };
  return t.kind == TokenKind::kIdentifier && kWords.count(UpperAscii(t.text)) > 0;
}

bool IsComparison(const Token& t) {
  if (t.kind != TokenKind::kOperator) return false;
  return t.text == "=" || t.text == "==" || t.text == "<>" || t.text == "!=" || t.text == "<" ||
         t.text == "<=" || t.text == ">" || t.text == ">=";
}

bool IsArithmetic(const Token& t) {
  return IsOp(t, "+") || IsOp(t, "-") || IsOp(t, "*") || IsOp(t, "/");
}

std::size_t NextSignificant(const Tokens& t, std::size_t i, std::size_t end) {
  while (i < end && !IsSignificant(t[i])) ++i;
  return i;
}

std::size_t PreviousSignificant(const Tokens& t, std::size_t i) {
  while (i > 0) {
    --i;
    if (IsSignificant(t[i])) return i;
  }
  return kNone;
}

// For every "(" the index of its ")" and the other way round; kNone for an
// unbalanced one.
std::vector<std::size_t> MatchParentheses(const Tokens& t) {
  std::vector<std::size_t> match(t.size(), kNone);
  std::vector<std::size_t> open;
  for (std::size_t i = 0; i < t.size(); ++i) {
    if (IsOp(t[i], "(")) {
      open.push_back(i);
    } else if (IsOp(t[i], ")") && !open.empty()) {
      match[i] = open.back();
      match[open.back()] = i;
      open.pop_back();
    }
  }
  return match;
}

std::string Join(const Tokens& t) {
  std::string out;
  for (const Token& k : t) out += k.text;
  return out;
}

std::string NameOf(const Token& t) {
  if (t.kind != TokenKind::kQuotedIdentifier) return t.text;
  std::string name;
  for (std::size_t i = 1; i + 1 < t.text.size(); ++i) {
    name += t.text[i];
    if (t.text[i] == '"') ++i;  // "" stands for one quote
  }
  return name;
}

// Length of the quoted token (string or quoted name) that starts at `pos`,
// a doubled quote counting as part of it; an unterminated one runs to the end.
std::size_t QuotedLength(std::string_view sql, std::size_t pos) {
  const char quote = sql[pos];
  std::size_t i = pos + 1;
  while (i < sql.size()) {
    if (sql[i] == quote) {
      if (i + 1 < sql.size() && sql[i + 1] == quote) {
        i += 2;
        continue;
      }
      return i + 1 - pos;
    }
    ++i;
  }
  return sql.size() - pos;
}

std::size_t NumberLength(std::string_view sql, std::size_t pos) {
  std::size_t i = pos;
  while (i < sql.size() && IsDigit(sql[i])) ++i;
  if (i < sql.size() && sql[i] == '.') {
    ++i;
    while (i < sql.size() && IsDigit(sql[i])) ++i;
  }
  if (i < sql.size() && (sql[i] == 'e' || sql[i] == 'E')) {
    std::size_t j = i + 1;
    if (j < sql.size() && (sql[j] == '+' || sql[j] == '-')) ++j;
    if (j < sql.size() && IsDigit(sql[j])) {
      while (j < sql.size() && IsDigit(sql[j])) ++j;
      i = j;
    }
  }
  return i - pos;
}

// ---- Pass 1: words and operators that are rewritten on their own.

Tokens RewriteWords(const Tokens& in) {
  Tokens out;
  out.reserve(in.size() + 8);
  for (std::size_t i = 0; i < in.size(); ++i) {
    const Token& t = in[i];
    if (t.kind == TokenKind::kIdentifier) {
      const std::string upper = UpperAscii(t.text);
      if (upper == "SYSDATE" || upper == "CURRENT_DATE") {
        std::size_t previous = PreviousSignificant(in, i);
        std::size_t next = NextSignificant(in, i + 1, in.size());
        bool after_dot = previous != kNone && IsOp(in[previous], ".");
        bool called = next < in.size() && IsOp(in[next], "(");
        if (!after_dot && !called) {
          out.push_back({TokenKind::kIdentifier, kSysdateFunction});
          out.push_back({TokenKind::kOperator, "("});
          out.push_back({TokenKind::kOperator, ")"});
          continue;
        }
      }
      if (t.text.find_first_of("#$") != std::string::npos) {
        out.push_back({TokenKind::kQuotedIdentifier, "\"" + t.text + "\""});
        continue;
      }
    }
    if (IsOp(t, "/")) {
      out.push_back({TokenKind::kOperator, "*"});
      out.push_back({TokenKind::kNumber, "1.0"});
      out.push_back({TokenKind::kOperator, "/"});
      continue;
    }
    out.push_back(t);
  }
  return out;
}

// ---- Pass 2: concatenation chains.

// The end (exclusive) of the primary expression that starts with the
// significant token `i`: a literal, a bind variable, a parenthesised group,
// a (qualified) name, or a function call. `i` itself when none starts there.
std::size_t PrimaryEnd(const Tokens& t, const std::vector<std::size_t>& match, std::size_t i) {
  const Token& k = t[i];
  switch (k.kind) {
    case TokenKind::kString:
    case TokenKind::kNumber:
    case TokenKind::kBind:
      return i + 1;
    case TokenKind::kOperator:
      return IsOp(k, "(") && match[i] != kNone ? match[i] + 1 : i;
    case TokenKind::kIdentifier:
    case TokenKind::kQuotedIdentifier:
      break;
    default:
      return i;
  }
  if (IsClauseWord(k)) return i;
  std::size_t end = i + 1;
  for (;;) {
    std::size_t dot = NextSignificant(t, end, t.size());
    if (dot >= t.size() || !IsOp(t[dot], ".")) break;
    std::size_t name = NextSignificant(t, dot + 1, t.size());
    if (name >= t.size() || !IsName(t[name])) break;
    end = name + 1;
  }
  std::size_t open = NextSignificant(t, end, t.size());
  if (open < t.size() && IsOp(t[open], "(") && match[open] != kNone) return match[open] + 1;
  return end;
}

void RewriteConcatRange(const Tokens& t, const std::vector<std::size_t>& match, std::size_t begin,
                        std::size_t end, Tokens& out);

// Copies t[begin, end) and rewrites inside each parenthesised group.
void EmitUnit(const Tokens& t, const std::vector<std::size_t>& match, std::size_t begin, std::size_t end,
              Tokens& out) {
  for (std::size_t j = begin; j < end; ++j) {
    if (IsOp(t[j], "(") && match[j] != kNone && match[j] < end) {
      out.push_back(t[j]);
      RewriteConcatRange(t, match, j + 1, match[j], out);
      out.push_back(t[match[j]]);
      j = match[j];
    } else {
      out.push_back(t[j]);
    }
  }
}

void RewriteConcatRange(const Tokens& t, const std::vector<std::size_t>& match, std::size_t begin,
                        std::size_t end, Tokens& out) {
  std::size_t i = begin;
  while (i < end) {
    if (!IsSignificant(t[i])) {
      out.push_back(t[i++]);
      continue;
    }
    std::size_t primary_end = std::min(PrimaryEnd(t, match, i), end);
    if (primary_end == i) {
      out.push_back(t[i++]);
      continue;
    }
    std::vector<std::pair<std::size_t, std::size_t>> operands = {{i, primary_end}};
    std::size_t op = NextSignificant(t, primary_end, end);
    while (op < end && IsOp(t[op], "||")) {
      std::size_t a = NextSignificant(t, op + 1, end);
      std::size_t z = a < end ? std::min(PrimaryEnd(t, match, a), end) : a;
      if (z == a) break;  // not a primary: this "||" stays as it is
      operands.push_back({a, z});
      op = NextSignificant(t, z, end);
    }
    if (operands.size() == 1) {
      EmitUnit(t, match, i, primary_end, out);
      i = primary_end;
      continue;
    }
    out.push_back({TokenKind::kIdentifier, kConcatFunction});
    out.push_back({TokenKind::kOperator, "("});
    for (std::size_t n = 0; n < operands.size(); ++n) {
      if (n > 0) {
        out.push_back({TokenKind::kOperator, ","});
        out.push_back({TokenKind::kSpace, " "});
      }
      EmitUnit(t, match, operands[n].first, operands[n].second, out);
    }
    out.push_back({TokenKind::kOperator, ")"});
    i = operands.back().second;
  }
}

Tokens RewriteConcatenation(const Tokens& in) {
  Tokens out;
  out.reserve(in.size());
  RewriteConcatRange(in, MatchParentheses(in), 0, in.size(), out);
  return out;
}

// ---- Pass 3: numeric comparison operands.

bool EndsOperand(const Token& t) {
  return IsOp(t, ",") || IsOp(t, ";") || IsComparison(t) || IsClauseWord(t);
}

// The operand left of the comparison at `op`: [begin, end), empty when none.
std::pair<std::size_t, std::size_t> LeftOperand(const Tokens& t, const std::vector<std::size_t>& match,
                                                std::size_t op) {
  std::size_t begin = op;
  std::size_t j = op;
  while (j > 0) {
    const Token& k = t[j - 1];
    if (!IsSignificant(k)) {
      --j;
      continue;
    }
    if (IsOp(k, ")")) {
      if (match[j - 1] == kNone) break;
      j = match[j - 1];
      begin = j;
      continue;
    }
    if (IsOp(k, "(") || EndsOperand(k)) break;
    --j;
    begin = j;
  }
  std::size_t last = PreviousSignificant(t, op);
  if (begin == op || last == kNone || last < begin) return {op, op};
  return {begin, last + 1};
}

// The operand right of the comparison at `op`: [begin, end), empty when none.
std::pair<std::size_t, std::size_t> RightOperand(const Tokens& t, const std::vector<std::size_t>& match,
                                                 std::size_t op) {
  std::size_t begin = kNone;
  std::size_t end = op + 1;
  std::size_t j = op + 1;
  while (j < t.size()) {
    const Token& k = t[j];
    if (!IsSignificant(k)) {
      ++j;
      continue;
    }
    if (IsOp(k, "(")) {
      if (match[j] == kNone) break;
      if (begin == kNone) begin = j;
      j = match[j] + 1;
      end = j;
      continue;
    }
    if (IsOp(k, ")") || EndsOperand(k)) break;
    if (begin == kNone) begin = j;
    ++j;
    end = j;
  }
  if (begin == kNone) return {op, op};
  return {begin, end};
}

// True when Oracle sees the operand t[begin, end) as a number: a numeric
// literal with an optional sign, an expression with an arithmetic operator
// outside parentheses, or such an expression in parentheses.
bool IsNumericOperand(const Tokens& t, const std::vector<std::size_t>& match, std::size_t begin,
                      std::size_t end) {
  std::vector<std::size_t> significant;
  for (std::size_t j = begin; j < end; ++j) {
    if (IsSignificant(t[j])) significant.push_back(j);
  }
  if (significant.empty()) return false;
  const Token& first = t[significant[0]];
  if (significant.size() == 1 && first.kind == TokenKind::kNumber) return true;
  if (significant.size() == 2 && (IsOp(first, "+") || IsOp(first, "-")) &&
      t[significant[1]].kind == TokenKind::kNumber) {
    return true;
  }
  if (IsOp(first, "(") && match[significant[0]] == significant.back()) {
    return IsNumericOperand(t, match, significant[0] + 1, significant.back());
  }
  // A keyword, comma or comparison outside parentheses means that this is
  // no plain expression (a parenthesised subquery, a row value).
  bool arithmetic = false;
  for (std::size_t j = begin; j < end; ++j) {
    if (IsOp(t[j], "(") && match[j] != kNone) {
      j = match[j];
    } else if (EndsOperand(t[j])) {
      return false;
    } else if (IsArithmetic(t[j])) {
      arithmetic = true;
    }
  }
  return arithmetic;
}

Tokens WrapNumericComparisons(const Tokens& in) {
  const std::vector<std::size_t> match = MatchParentheses(in);
  std::set<std::pair<std::size_t, std::size_t>> wraps;
  for (std::size_t i = 0; i < in.size(); ++i) {
    if (!IsComparison(in[i])) continue;
    for (auto operand : {LeftOperand(in, match, i), RightOperand(in, match, i)}) {
      if (operand.first < operand.second && IsNumericOperand(in, match, operand.first, operand.second)) {
        wraps.insert(operand);
      }
    }
  }
  if (wraps.empty()) return in;
  std::vector<int> opens(in.size(), 0);
  std::vector<int> closes(in.size(), 0);
  for (const auto& w : wraps) {
    ++opens[w.first];
    ++closes[w.second - 1];
  }
  Tokens out;
  out.reserve(in.size() + wraps.size() * 8);
  for (std::size_t i = 0; i < in.size(); ++i) {
    for (int n = 0; n < opens[i]; ++n) {
      out.push_back({TokenKind::kIdentifier, "CAST"});
      out.push_back({TokenKind::kOperator, "("});
      out.push_back({TokenKind::kOperator, "("});
    }
    out.push_back(in[i]);
    for (int n = 0; n < closes[i]; ++n) {
      out.push_back({TokenKind::kOperator, ")"});
      out.push_back({TokenKind::kSpace, " "});
      out.push_back({TokenKind::kIdentifier, "AS"});
      out.push_back({TokenKind::kSpace, " "});
      out.push_back({TokenKind::kIdentifier, "NUMERIC"});
      out.push_back({TokenKind::kOperator, ")"});
    }
  }
  return out;
}

}  // namespace

std::vector<Token> Tokenize(std::string_view sql) {
  Tokens tokens;
  std::size_t pos = 0;
  while (pos < sql.size()) {
    const auto c = static_cast<unsigned char>(sql[pos]);
    const unsigned char next = pos + 1 < sql.size() ? static_cast<unsigned char>(sql[pos + 1]) : 0;
    TokenKind kind = TokenKind::kOperator;
    std::size_t length = 1;
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v') {
      kind = TokenKind::kSpace;
      while (pos + length < sql.size() && std::string_view(" \t\n\r\f\v").find(sql[pos + length]) !=
                                               std::string_view::npos) {
        ++length;
      }
    } else if (c == '-' && next == '-') {
      kind = TokenKind::kComment;
      std::size_t line_end = sql.find('\n', pos);
      length = (line_end == std::string_view::npos ? sql.size() : line_end) - pos;
    } else if (c == '/' && next == '*') {
      kind = TokenKind::kComment;
      std::size_t close = sql.find("*/", pos + 2);
      length = (close == std::string_view::npos ? sql.size() : close + 2) - pos;
    } else if (c == '\'') {
      kind = TokenKind::kString;
      length = QuotedLength(sql, pos);
    } else if (c == '"') {
      kind = TokenKind::kQuotedIdentifier;
      length = QuotedLength(sql, pos);
    } else if (IsDigit(c) || (c == '.' && IsDigit(next))) {
      kind = TokenKind::kNumber;
      length = NumberLength(sql, pos);
    } else if (IsNameStart(c)) {
      kind = TokenKind::kIdentifier;
      while (pos + length < sql.size() && IsNameChar(sql[pos + length])) ++length;
    } else if (c == ':' && (IsNameChar(next) && next != '$' && next != '#')) {
      kind = TokenKind::kBind;
      while (pos + length < sql.size() && IsNameChar(sql[pos + length]) && sql[pos + length] != '$' &&
             sql[pos + length] != '#') {
        ++length;
      }
    } else {
      static constexpr std::string_view kTwoCharOperators[] = {"||", "<=", ">=", "<>", "!=", "=="};
      for (std::string_view op : kTwoCharOperators) {
        if (sql.substr(pos, 2) == op) length = 2;
      }
    }
    tokens.push_back({kind, std::string(sql.substr(pos, length))});
    pos += length;
  }
  return tokens;
}

std::string RewriteOracleSql(std::string_view oracle_sql) {
  Tokens tokens = Tokenize(oracle_sql);
  tokens = RewriteWords(tokens);
  tokens = RewriteConcatenation(tokens);
  tokens = WrapNumericComparisons(tokens);
  return Join(tokens);
}

std::string RemoveIntoClause(std::string_view sql) {
  Tokens tokens = Tokenize(sql);
  int depth = 0;
  std::size_t into = kNone;
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    if (IsOp(tokens[i], "(")) ++depth;
    if (IsOp(tokens[i], ")")) --depth;
    if (depth != 0) continue;
    if (into == kNone && IsWord(tokens[i], "INTO")) into = i;
    if (into != kNone && IsWord(tokens[i], "FROM")) {
      tokens.erase(tokens.begin() + static_cast<std::ptrdiff_t>(into),
                   tokens.begin() + static_cast<std::ptrdiff_t>(i));
      return Join(tokens);
    }
  }
  return std::string(sql);
}

std::vector<std::string> Qualifiers(std::string_view sql) {
  const Tokens tokens = Tokenize(sql);
  std::vector<std::string> names;
  for (std::size_t i = 0; i < tokens.size(); ++i) {
    if (!IsName(tokens[i])) continue;
    std::size_t previous = PreviousSignificant(tokens, i);
    if (previous != kNone && IsOp(tokens[previous], ".")) continue;
    std::size_t dot = NextSignificant(tokens, i + 1, tokens.size());
    if (dot >= tokens.size() || !IsOp(tokens[dot], ".")) continue;
    std::size_t member = NextSignificant(tokens, dot + 1, tokens.size());
    if (member >= tokens.size() || !(IsName(tokens[member]) || IsOp(tokens[member], "*"))) continue;
    std::string name = NameOf(tokens[i]);
    if (!IsIdentifierName(name)) continue;
    name = UpperAscii(name);
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
  }
  return names;
}

bool IsIdentifierName(std::string_view name) {
  if (name.empty() || !IsAsciiLetter(name[0])) return false;
  for (char c : name) {
    auto u = static_cast<unsigned char>(c);
    if (!IsAsciiLetter(u) && !IsDigit(u) && c != '_' && c != '$' && c != '#') return false;
  }
  return true;
}

std::string UpperAscii(std::string_view name) {
  std::string out(name);
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

}  // namespace embedded
