// Tests of the statement rewriting: the tokenizer, a table of Oracle texts
// and their SQLite forms, the INTO clause, the qualifiers, and the year
// comparison of the holiday export run on a database.
#include "db/embedded/sql_rewrite.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>
#include <vector>

#include "db/embedded/fixed_date_for_test.h"
#include "db/embedded/oracle_functions.h"

namespace embedded {
namespace {

struct Case {
  const char* input;
  const char* expected;
};

TEST(SqlRewriteTest, TokenizesOracleText) {
  const std::string sql =
      "select 'it''s' || \"A\"\"B\" -- c\n/* x */:b0:b1 1.5e3<>x$1#,.5 >= a.b||'';";
  const std::vector<Token> tokens = Tokenize(sql);
  std::string joined;
  std::vector<std::string> significant;
  for (const Token& t : tokens) {
    joined += t.text;
    if (t.kind != TokenKind::kSpace) significant.push_back(t.text);
  }
  EXPECT_EQ(joined, sql);
  const std::vector<std::string> expected = {"select", "'it''s'", "||",  "\"A\"\"B\"", "-- c", "/* x */",
                                             ":b0",    ":b1",     "1.5e3", "<>",        "x$1#", ",",
                                             ".5",     ">=",      "a",   ".",          "b",    "||",
                                             "''",     ";"};
  EXPECT_EQ(significant, expected);
  EXPECT_EQ(tokens[2].kind, TokenKind::kString);
  EXPECT_EQ(tokens[6].kind, TokenKind::kQuotedIdentifier);
}

TEST(SqlRewriteTest, RewritesOracleConstructs) {
  const Case cases[] = {
      // SYSDATE and CURRENT_DATE
      {"select sysdate from dual", "select ora_sysdate() from dual"},
      {"select SYSDATE+6, Current_Date from t", "select ora_sysdate()+6, ora_sysdate() from t"},
      {"select t.sysdate, sysdate (1) from t", "select t.sysdate, sysdate (1) from t"},
      // concatenation
      {"select a || b || c from t", "select ora_concat(a, b, c) from t"},
      {"select COALESCE(AswNum, :b0 || '_' || PnrNum) as AswNum from t",
       "select COALESCE(AswNum, ora_concat(:b0, '_', PnrNum)) as AswNum from t"},
      {"select TO_CHAR(BvfVon, 'DD.MM.YYYY') || ' - ' || TO_CHAR(BvfBis, 'DD.MM.YYYY') as VonBis",
       "select ora_concat(TO_CHAR(BvfVon, 'DD.MM.YYYY'), ' - ', TO_CHAR(BvfBis, 'DD.MM.YYYY')) as VonBis"},
      {"select (a || b) || f(c||d) from t", "select ora_concat((ora_concat(a, b)), f(ora_concat(c, d))) from t"},
      {"select x.a||s.y.b||1.5 from t", "select ora_concat(x.a, s.y.b, 1.5) from t"},
      {"select 'a' || case when b then 'c' end from t", "select 'a' || case when b then 'c' end from t"},
      // division
      {"select ZUZVON/60 from t", "select ZUZVON*1.0/60 from t"},
      {"select a/b/c from t", "select a*1.0/b*1.0/c from t"},
      // comparisons with numeric operands
      {"select a from t where n = 1", "select a from t where n = CAST((1) AS NUMERIC)"},
      {"select a from t where n<>-1 and m >= +2.5",
       "select a from t where n<>CAST((-1) AS NUMERIC) and m >= CAST((+2.5) AS NUMERIC)"},
      {"select a from t where a = b and c = :b0", "select a from t where a = b and c = :b0"},
      {"select a from t where (x+1) = y", "select a from t where CAST(((x+1)) AS NUMERIC) = y"},
      {"select a from t where x - 1 < y", "select a from t where CAST((x - 1) AS NUMERIC) < y"},
      {"select a from t where d = (select max(d) from u where d < x - 1)",
       "select a from t where d = (select max(d) from u where d < CAST((x - 1) AS NUMERIC))"},
      {"select case when a = 1 then 'x' end from t",
       "select case when a = CAST((1) AS NUMERIC) then 'x' end from t"},
      {"WHERE ZLSZKO = ZKONUM AND TO_CHAR(KA2DTM,'YYYY') >= TO_CHAR(SYSDATE,'YYYY') - 1 AND KA2TTP = TT2NUM",
       "WHERE ZLSZKO = ZKONUM AND TO_CHAR(KA2DTM,'YYYY') >= CAST((TO_CHAR(ora_sysdate(),'YYYY') - 1) AS NUMERIC)"
       " AND KA2TTP = TT2NUM"},
      {"AND BvfBis >= last_day(add_months(CURRENT_DATE, -16)) + 1 AND BvfGen < 16",
       "AND BvfBis >= CAST((last_day(add_months(ora_sysdate(), -16)) + 1) AS NUMERIC) AND BvfGen < CAST((16) AS "
       "NUMERIC)"},
      {"and KALDTM<=to_date((SYSDATE+6))) and", "and KALDTM<=to_date((ora_sysdate()+6))) and"},
      {"WHERE sfzdtm = to_date(trunc(sysdate) - 1)", "WHERE sfzdtm = to_date(trunc(ora_sysdate()) - 1)"},
      // names with # and $
      {"select A#B, c$ from S#1.T", "select \"A#B\", \"c$\" from \"S#1\".T"},
      // literals, quoted names and comments stay as they are
      {"select 'sysdate || a / b = 1', \"x/y\" from t -- sysdate / 2 = 1\n",
       "select 'sysdate || a / b = 1', \"x/y\" from t -- sysdate / 2 = 1\n"},
      {"select 'it''s = 1' from t /* a || b */", "select 'it''s = 1' from t /* a || b */"},
  };
  for (const Case& c : cases) EXPECT_EQ(RewriteOracleSql(c.input), c.expected) << c.input;
}

TEST(SqlRewriteTest, RemovesTheIntoClause) {
  const Case cases[] = {
      {"select MndSch into :b0:b1 from VLSYSTEM.Vls112Mnd where (MndNum=:b2 and MndLiz=:b3)",
       "select MndSch from VLSYSTEM.Vls112Mnd where (MndNum=:b2 and MndLiz=:b3)"},
      {"select PstZuoKst ,PstBsvKal into :b0:b1,:b2:b3 from PERSONALSTAMM where PstPnrNum=:b4",
       "select PstZuoKst ,PstBsvKal from PERSONALSTAMM where PstPnrNum=:b4"},
      {"select max( coalesce (LIZVER,'00.00')) into :b0:b1 from VLSYSTEM.VLS110LIZ where LIZPRD like :b2",
       "select max( coalesce (LIZVER,'00.00')) from VLSYSTEM.VLS110LIZ where LIZPRD like :b2"},
      {"SELECT (select x from y) INTO :a FROM z", "SELECT (select x from y) FROM z"},
      {"select 'into :a from' from t", "select 'into :a from' from t"},
      {"select a from t", "select a from t"},
  };
  for (const Case& c : cases) EXPECT_EQ(RemoveIntoClause(c.input), c.expected) << c.input;
}

TEST(SqlRewriteTest, FindsQualifiers) {
  EXPECT_EQ(Qualifiers("SELECT aswnum FROM vlsystem.vls301asw, MANDANT1.vls300pnr WHERE x.y.z = 1 and "
                       "VLSYSTEM.vls301asw.aswnum = 'A.B'"),
            (std::vector<std::string>{"VLSYSTEM", "MANDANT1", "X"}));
  EXPECT_EQ(Qualifiers("select \"Vlsystem\".t.c, a.* from s#1.t a, \"x-y\".t"),
            (std::vector<std::string>{"VLSYSTEM", "A", "S#1"}));
  EXPECT_TRUE(Qualifiers("select a from t where b = 1.5").empty());
}

TEST(SqlRewriteTest, KnowsIdentifierNames) {
  for (const char* name : {"VLSYSTEM", "mandant1", "A_B$C#1", "x"}) EXPECT_TRUE(IsIdentifierName(name)) << name;
  for (const char* name : {"", "1ABC", "_A", "A-B", "A B", "'A'", "\"A\"", "A;", "M\xC4"}) {
    EXPECT_FALSE(IsIdentifierName(name)) << name;
  }
}

// The holiday export keeps the calendar days of last year and later. SQLite
// compares a text with a number without converting either, so the year
// comparison only selects the right years because of the rewriting.
TEST(SqlRewriteTest, YearComparisonSelectsLastYearAndLater) {
  ScopedFixedDate fixed("2024-06-15 08:00:00");
  sqlite3* db = nullptr;
  ASSERT_EQ(sqlite3_open(":memory:", &db), SQLITE_OK);
  ASSERT_EQ(RegisterOracleFunctions(db), SQLITE_OK);
  ASSERT_EQ(sqlite3_exec(db,
                         "CREATE TABLE VLS133KA2 (KA2DTM DATE, KA2NUM INTEGER);"
                         "INSERT INTO VLS133KA2 VALUES"
                         " (unixepoch('2021-12-31')/86400.0, 1), (unixepoch('2022-12-31 23:59:59')/86400.0, 2),"
                         " (unixepoch('2023-01-01')/86400.0, 3), (unixepoch('2024-05-05')/86400.0, 4),"
                         " (unixepoch('2025-01-01')/86400.0, 5);",
                         nullptr, nullptr, nullptr),
            SQLITE_OK);
  auto years = [&](const std::string& sql) {
    std::vector<std::string> out;
    sqlite3_stmt* stmt = nullptr;
    EXPECT_EQ(sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt, nullptr), SQLITE_OK) << sql;
    while (sqlite3_step(stmt) == SQLITE_ROW) {
      out.emplace_back(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
    }
    sqlite3_finalize(stmt);
    return out;
  };
  const std::string oracle =
      "SELECT to_char(KA2DTM,'YYYY') as Jahr FROM VLS133KA2 WHERE TO_CHAR(KA2DTM,'YYYY') >= "
      "TO_CHAR(SYSDATE,'YYYY') - 1 ORDER BY KA2NUM";
  EXPECT_EQ(years(RewriteOracleSql(oracle)), (std::vector<std::string>{"2023", "2024", "2025"}));
  // Without the comparison rewriting every year would pass.
  const std::string unwrapped =
      "SELECT to_char(KA2DTM,'YYYY') FROM VLS133KA2 WHERE TO_CHAR(KA2DTM,'YYYY') >= "
      "TO_CHAR(ora_sysdate(),'YYYY') - 1 ORDER BY KA2NUM";
  EXPECT_EQ(years(unwrapped).size(), 5u);
  sqlite3_close(db);
}

}  // namespace
}  // namespace embedded
