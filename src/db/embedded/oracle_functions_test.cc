// Tests of the Oracle functions on a bare SQLite connection, each a table of
// expressions and their values, and of the Oracle operators after rewriting.
#include "db/embedded/oracle_functions.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>

#include "base/fake_env.h"
#include "db/embedded/fixed_date_for_test.h"
#include "db/embedded/sql_rewrite.h"

namespace embedded {
namespace {

// The day number of a local date and time, as SQL text.
std::string Day(const std::string& date_time) { return "(unixepoch('" + date_time + "')/86400.0)"; }

class OracleFunctionsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(sqlite3_open(":memory:", &db_), SQLITE_OK);
    ASSERT_EQ(RegisterOracleFunctions(db_), SQLITE_OK);
  }
  void TearDown() override { sqlite3_close(db_); }

  // The value of the SQLite expression `expr`: "null", "int:5", "real:1.5",
  // "text:abc" or "error".
  std::string Eval(const std::string& expr) {
    sqlite3_stmt* stmt = nullptr;
    std::string sql = "SELECT " + expr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &stmt, nullptr) != SQLITE_OK) {
      return std::string("prepare failed: ") + sqlite3_errmsg(db_);
    }
    std::string result;
    if (sqlite3_step(stmt) != SQLITE_ROW) {
      result = "error";
    } else {
      switch (sqlite3_column_type(stmt, 0)) {
        case SQLITE_NULL: result = "null"; break;
        case SQLITE_INTEGER: result = "int:" + std::to_string(sqlite3_column_int64(stmt, 0)); break;
        case SQLITE_FLOAT: result = "real:" + OracleNumberText(sqlite3_column_double(stmt, 0)); break;
        default: result = "text:" + std::string(reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0)));
      }
    }
    sqlite3_finalize(stmt);
    return result;
  }

  // The value of the Oracle expression `expr`, rewritten first.
  std::string EvalOracle(const std::string& expr) {
    std::string rewritten = RewriteOracleSql("select " + expr);
    return Eval(rewritten.substr(7));
  }

  sqlite3* db_ = nullptr;
};

struct Case {
  std::string expr;
  std::string expected;
};

TEST_F(OracleFunctionsTest, ToCharWithNumberFormats) {
  const Case cases[] = {
      {"to_char(5,'09')", "text: 05"},
      {"to_char(-5,'09')", "text:-05"},
      {"to_char(130,'0000')", "text: 0130"},
      {"to_char(5,'99')", "text:  5"},
      {"to_char(-5,'99')", "text: -5"},
      {"to_char(0,'99')", "text:  0"},
      {"to_char(5,'9099')", "text:  005"},
      {"to_char(2.5,'99')", "text:  3"},
      {"to_char(-2.5,'99')", "text: -3"},
      {"to_char(2.49,'09')", "text: 02"},
      {"to_char(130.6,'0000')", "text: 0131"},
      {"to_char(123,'99')", "text:###"},
      {"to_char(-100,'99')", "text:###"},
      {"to_char(99.5,'99')", "text:###"},
      {"to_char('7','09')", "text: 07"},
      {"to_char(' 7.6','09')", "text: 08"},
      {"trim(to_char(5,'09'))", "text:05"},
      {"to_char(NULL,'09')", "null"},
      {"to_char(5,NULL)", "null"},
      {"to_char('','09')", "null"},
      {"to_char('x','09')", "error"},
  };
  for (const Case& c : cases) EXPECT_EQ(Eval(c.expr), c.expected) << c.expr;
}

TEST_F(OracleFunctionsTest, ToCharWithDateFormats) {
  const std::string d = Day("2024-03-01 12:34:56");
  const Case cases[] = {
      {"to_char(" + d + ",'yyyymmddhh24miss')", "text:20240301123456"},
      {"to_char(" + d + ",'DD.MM.YYYY')", "text:01.03.2024"},
      {"to_char(" + d + ",'dd.mm.yyyy')", "text:01.03.2024"},
      {"to_char(" + d + ",'HH24MI')", "text:1234"},
      {"to_char(" + d + ",'YYYY')", "text:2024"},
      {"to_char(" + d + ",'yyyymmdd')", "text:20240301"},
      {"to_char(" + d + ",'YYYY-MM-DD HH24:MI:SS')", "text:2024-03-01 12:34:56"},
      {"to_char(" + d + ",'DD \"of\" MM')", "text:01 of 03"},
      {"to_char(19783.5,'yyyymmddhh24miss')", "text:20240301120000"},
      {"to_char(19783,'yyyymmddhh24miss')", "text:20240301000000"},
      {"to_char('19783.5','yyyymmddhh24miss')", "text:20240301120000"},
      {"to_char(19784 - 0.4/86400,'yyyymmddhh24miss')", "text:20240302000000"},
      {"to_char(NULL,'YYYY')", "null"},
      {"to_char('kaputt','YYYY')", "error"},
      {"to_char(19783,'MON')", "error"},
      {"to_char(19783,'HH')", "error"},
      {"to_char(1e9,'YYYY')", "error"},
  };
  for (const Case& c : cases) EXPECT_EQ(Eval(c.expr), c.expected) << c.expr;
}

TEST_F(OracleFunctionsTest, ToCharOfANumberAlone) {
  EXPECT_EQ(Eval("to_char(3)"), "text:3");
  EXPECT_EQ(Eval("to_char(3.0)"), "text:3");
  EXPECT_EQ(Eval("to_char(0.5)"), "text:.5");
  EXPECT_EQ(Eval("to_char('abc')"), "text:abc");
}

TEST_F(OracleFunctionsTest, DateFunctions) {
  const Case cases[] = {
      {"to_date(19783.75)", "int:19783"},
      {"to_date(19783)", "int:19783"},
      {"to_date('19783.75')", "int:19783"},
      {"to_date(NULL)", "null"},
      {"to_date('abc')", "error"},
      {"to_char(last_day(" + Day("2024-02-10 08:00:00") + "),'yyyymmddhh24miss')", "text:20240229080000"},
      {"to_char(last_day(" + Day("2023-02-10") + "),'yyyymmdd')", "text:20230228"},
      {"to_char(last_day(" + Day("2024-12-31") + "),'yyyymmdd')", "text:20241231"},
      {"last_day(NULL)", "null"},
      {"to_char(add_months(" + Day("2024-01-31") + ",1),'yyyymmdd')", "text:20240229"},
      {"to_char(add_months(" + Day("2023-01-31") + ",1),'yyyymmdd')", "text:20230228"},
      {"to_char(add_months(" + Day("2024-02-29") + ",12),'yyyymmdd')", "text:20250228"},
      {"to_char(add_months(" + Day("2023-02-28") + ",12),'yyyymmdd')", "text:20240229"},
      {"to_char(add_months(" + Day("2024-04-30") + ",1),'yyyymmdd')", "text:20240531"},
      {"to_char(add_months(" + Day("2024-03-31") + ",-1),'yyyymmdd')", "text:20240229"},
      {"to_char(add_months(" + Day("2024-05-15 10:30:00") + ",-16),'yyyymmddhh24miss')", "text:20230115103000"},
      {"to_char(add_months(" + Day("2024-01-15") + ",1.7),'yyyymmdd')", "text:20240215"},
      {"add_months(NULL,1)", "null"},
      {"add_months(19783,NULL)", "null"},
      // The first day after the month 16 months back, as the absence exports use it.
      {"to_char(last_day(add_months(" + Day("2024-06-15 08:30:05") + ",-16)) + 1,'yyyymmddhh24miss')",
       "text:20230301083005"},
  };
  for (const Case& c : cases) EXPECT_EQ(Eval(c.expr), c.expected) << c.expr;
}

TEST_F(OracleFunctionsTest, TruncAndMod) {
  const Case cases[] = {
      {"trunc(19783.75)", "int:19783"},
      {"trunc(2.7)", "int:2"},
      {"trunc(-2.7)", "int:-2"},
      {"trunc(7)", "int:7"},
      {"trunc('2.5')", "int:2"},
      {"trunc(1.15, 2)", "real:1.15"},
      {"trunc(1.999, 1)", "real:1.9"},
      {"trunc(-1.999, 1)", "real:-1.9"},
      {"trunc(125, -1)", "int:120"},
      {"trunc(-125, -1)", "int:-120"},
      {"trunc(125.7, -2)", "int:100"},
      {"trunc(1.5, 0)", "int:1"},
      {"trunc(0.7 + 0.1, 1)", "real:.8"},  // 0.79999999999999993 in binary, .8 in decimal
      {"trunc(2.9999999999999996)", "int:3"},
      {"trunc(NULL)", "null"},
      {"trunc(2.5, NULL)", "null"},
      {"trunc('x')", "error"},
      {"mod(7,3)", "int:1"},
      {"mod(-7,3)", "int:-1"},
      {"mod(7,-3)", "int:1"},
      {"mod(7,0)", "int:7"},
      {"mod(90,60)", "int:30"},
      {"mod(-9223372036854775807-1,-1)", "int:0"},
      {"mod(7.5,2)", "real:1.5"},
      {"mod(-7.5,2)", "real:-1.5"},
      {"mod(7.5,0)", "real:7.5"},
      {"mod('9',4)", "int:1"},
      {"mod(NULL,3)", "null"},
      {"mod(3,'x')", "error"},
  };
  for (const Case& c : cases) EXPECT_EQ(Eval(c.expr), c.expected) << c.expr;
}

TEST_F(OracleFunctionsTest, ConcatenationKeepsOraclesNullRule) {
  const Case cases[] = {
      {"ora_concat(NULL,'x')", "text:x"},
      {"ora_concat('x',NULL)", "text:x"},
      {"ora_concat('a',NULL,'b')", "text:ab"},
      {"ora_concat(NULL,NULL)", "null"},
      {"ora_concat(NULL,'')", "text:"},
      {"ora_concat('n',3)", "text:n3"},
      {"ora_concat(3.0,'|',1.5,'|',0.5,'|',-0.5)", "text:3|1.5|.5|-.5"},
  };
  for (const Case& c : cases) EXPECT_EQ(Eval(c.expr), c.expected) << c.expr;
}

TEST_F(OracleFunctionsTest, OracleOperatorsThroughTheRewriter) {
  const Case cases[] = {
      {"NULL || 'x'", "text:x"},
      {"'a' || NULL || 'b'", "text:ab"},
      {"NULL || NULL", "null"},
      {"'Nr ' || 7 || '/' || 2.5", "text:Nr 7/2.5"},
      {"90/60", "real:1.5"},
      {"7/2", "real:3.5"},
      {"120/60", "real:2"},
      {"trunc(90/60)*100 + mod(90,60)", "int:130"},
      {"trim(to_char(((TRUNC((1050/60))* 100)+MOD(1050,60)),'0000'))", "text:1730"},
      {"trim(to_char(((TRUNC((59/60),0)* 100)+MOD(59,60)),'0000'))", "text:0059"},
  };
  for (const Case& c : cases) EXPECT_EQ(EvalOracle(c.expr), c.expected) << c.expr;
}

TEST_F(OracleFunctionsTest, SysdateReadsTheFixedDateOrTheClock) {
  FakeEnv env;
  env.now = {2024, 6, 15, 8, 30, 0};
  {
    ScopedFixedDate fixed("2024-03-01");
    EXPECT_EQ(Eval("ora_sysdate()"), "int:19783");
    EXPECT_EQ(EvalOracle("to_char(SYSDATE,'yyyymmddhh24miss')"), "text:20240301000000");
  }
  {
    ScopedFixedDate fixed("2024-03-01 12:00:00");
    EXPECT_EQ(Eval("ora_sysdate()"), "real:19783.5");
    EXPECT_EQ(EvalOracle("to_char(CURRENT_DATE,'yyyymmddhh24miss')"), "text:20240301120000");
  }
  {
    ScopedFixedDate fixed(nullptr);
    EXPECT_EQ(EvalOracle("to_char(sysdate,'yyyymmddhh24miss')"), "text:20240615083000");
    EXPECT_EQ(EvalOracle("to_char(sysdate-1, 'yyyy')"), "text:2024");
    env.now = {2025, 1, 1, 0, 0, 30};
    EXPECT_EQ(EvalOracle("to_char(sysdate-1, 'yyyymmdd')"), "text:20241231");
  }
  {
    ScopedFixedDate fixed("2024-13-01");
    EXPECT_EQ(Eval("ora_sysdate()"), "error");
  }
}

}  // namespace
}  // namespace embedded
