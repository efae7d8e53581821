// Tests of the embedded database backend on schema files built in a
// temporary directory: opening, schemas and the current schema, statuses,
// single-row selects, cursors, the statement cache, detaching, character
// sets, and that the files stay as they are.
#include "db/embedded/embedded_backend.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "base/fake_env.h"
#include "db/embedded/fixed_date_for_test.h"
#include "db/embedded/oracle_functions.h"
#include "db/embedded/schema_directory_for_test.h"

namespace embedded {
namespace {

using sql::Value;
using Row = std::vector<std::string>;

constexpr char kClientTable[] =
    "CREATE TABLE VLS112MND (MNDLIZ TEXT, MNDNUM TEXT, MNDNA1 TEXT, MNDSTA TEXT, MNDDAT DATE, MNDERF TEXT,"
    " MNDKON INTEGER, MNDSCH TEXT, MNDSTO TEXT);";

constexpr char kClientMasterQuery[] =
    "select distinct MNDLIZ Mnd_Lizenz ,MNDNUM Mnd_Nr ,MNDNA1 Mnd_Bezeichnung ,MNDSTA Mnd_Status "
    ",to_char(MNDDAT,'yyyymmddhh24miss') Aenderungsdatum ,MNDERF Aenderung_durch from VLSYSTEM.VLS112MND "
    "order by Mnd_Nr";

std::string Show(const Value& v) {
  switch (v.type) {
    case Value::Type::kNull: return "NULL";
    case Value::Type::kInt: return std::to_string(v.i);
    case Value::Type::kReal: return OracleNumberText(v.r);
    case Value::Type::kText: return v.text;
  }
  return "?";
}

Row ShowRow(const std::vector<Value>& row) {
  Row out;
  for (const Value& v : row) out.push_back(Show(v));
  return out;
}

class EmbeddedBackendTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_.Build("VLSYSTEM", std::string(kClientTable) +
                               "INSERT INTO VLS112MND VALUES ('00001','1','Werk Nord','0', 19783.5, 'admin', 0,"
                               " 'MANDANT1', '42381'), ('00001','2','Werk S\xC3\xBC" "d','0', 19783.25, 'admin',"
                               " 0, 'MANDANT2', '42381');");
    dir_.Build("MANDANT1",
               "CREATE TABLE PERSONALSTAMM (PstPnrNum TEXT, PstZuoKst TEXT, PstBsvKal INTEGER);"
               "INSERT INTO PERSONALSTAMM VALUES ('100', 'K1', 7), ('101', 'K1b', NULL), ('102', NULL, 3);");
    dir_.Build("MANDANT2",
               "CREATE TABLE PERSONALSTAMM (PstPnrNum TEXT, PstZuoKst TEXT, PstBsvKal INTEGER);"
               "INSERT INTO PERSONALSTAMM VALUES ('100', 'K2', 8);"
               "CREATE TABLE ONLY2 (A INTEGER); INSERT INTO ONLY2 VALUES (2);");
    ASSERT_EQ(OpenEmbeddedBackend(dir_.path(), db_), sql::kOk);
  }

  // Opens `cursor` on `sql`, fetches every row and closes it again. Fails the
  // test on any status but 0 before the end.
  std::vector<Row> All(const std::string& sql, std::vector<Value> binds = {}, sql::CursorId cursor = 1) {
    std::vector<Row> rows;
    long status = db_->Open(cursor, sql, binds);
    EXPECT_EQ(status, sql::kOk) << sql;
    if (status != sql::kOk) return rows;
    std::vector<Value> row;
    while ((status = db_->Fetch(cursor, row)) == sql::kOk) rows.push_back(ShowRow(row));
    EXPECT_EQ(status, sql::kNoData) << sql;
    EXPECT_EQ(db_->Close(cursor), sql::kOk);
    return rows;
  }

  long OpenStatus(const std::string& sql) {
    long status = db_->Open(9, sql, {});
    db_->Close(9);
    return status;
  }

  long Switch(const std::string& schema) { return db_->Execute("ALTER SESSION SET CURRENT_SCHEMA=" + schema); }

  SchemaDirectory dir_;
  std::unique_ptr<EmbeddedBackend> db_;
};

TEST(EmbeddedDatabaseTest, OpensOnlyAnExistingDirectory) {
  SchemaDirectory dir;
  dir.Build("VLSYSTEM", kClientTable);
  std::unique_ptr<sql::Backend> backend;
  EXPECT_EQ(sql::OpenEmbeddedDatabase(dir.path() + "/missing", backend), sql::kDatabaseNotFound);
  EXPECT_EQ(backend, nullptr);
  EXPECT_EQ(sql::OpenEmbeddedDatabase("", backend), sql::kDatabaseNotFound);
  EXPECT_EQ(sql::OpenEmbeddedDatabase(dir.file("VLSYSTEM").string(), backend), sql::kDatabaseNotFound);
  EXPECT_EQ(backend, nullptr);
  ASSERT_EQ(sql::OpenEmbeddedDatabase(dir.path(), backend), sql::kOk);
  ASSERT_NE(backend, nullptr);
  EXPECT_EQ(backend->Execute("ALTER SESSION SET CURRENT_SCHEMA=VLSYSTEM"), sql::kOk);
  // A relative directory is taken from the working directory.
  const std::string relative = std::filesystem::relative(dir.path()).string();
  ASSERT_EQ(sql::OpenEmbeddedDatabase(relative, backend), sql::kOk);
  EXPECT_EQ(backend->Execute("ALTER SESSION SET CURRENT_SCHEMA=VLSYSTEM"), sql::kOk);
}

TEST_F(EmbeddedBackendTest, QualifiedNamesAndTheCurrentSchema) {
  const std::vector<Row> clients = {{"MANDANT1"}, {"MANDANT2"}};
  EXPECT_EQ(All("select MNDSCH from vlsystem.vls112mnd order by MNDNUM"), clients);
  EXPECT_EQ(All("select MNDSCH from VLSYSTEM.VLS112MND order by MNDNUM"), clients);
  EXPECT_EQ(All("select Vls112Mnd.MNDSCH from VLSYSTEM.Vls112Mnd where MNDNUM = '2'"),
            (std::vector<Row>{{"MANDANT2"}}));

  const std::string lookup = "select PstZuoKst into :b0:b1 from PERSONALSTAMM where PstPnrNum=:b2";
  std::vector<Value> row;
  ASSERT_EQ(Switch("MANDANT1"), sql::kOk);
  ASSERT_EQ(db_->SelectOne(lookup, std::vector<Value>{Value::Text("100")}, row), sql::kOk);
  EXPECT_EQ(ShowRow(row), Row{"K1"});
  ASSERT_EQ(db_->Execute("alter session set current_schema = mandant2"), sql::kOk);
  ASSERT_EQ(db_->SelectOne(lookup, std::vector<Value>{Value::Text("100")}, row), sql::kOk);
  EXPECT_EQ(ShowRow(row), Row{"K2"});
  // A qualified name names its schema whatever the current one is.
  EXPECT_EQ(All("select PstZuoKst from MANDANT1.PERSONALSTAMM where PstPnrNum='100'"), (std::vector<Row>{{"K1"}}));
  EXPECT_EQ(All("select A from ONLY2"), (std::vector<Row>{{"2"}}));
}

TEST_F(EmbeddedBackendTest, AlterSessionStatuses) {
  dir_.Build("MAND-1", "CREATE TABLE PERSONALSTAMM (PstPnrNum TEXT);");
  ASSERT_EQ(Switch("MANDANT1"), sql::kOk);
  struct Case {
    const char* statement;
    long status;
  };
  const Case cases[] = {
      {"ALTER SESSION SET CURRENT_SCHEMA=NOSUCH", sql::kUnknownSchema},
      {"ALTER SESSION SET CURRENT_SCHEMA=MAND-1", sql::kInvalidName},
      {"ALTER SESSION SET CURRENT_SCHEMA=1ABC", sql::kInvalidName},
      {"ALTER SESSION SET CURRENT_SCHEMA='MANDANT2'", sql::kInvalidName},
      {"ALTER SESSION SET CURRENT_SCHEMA=\"MANDANT2\"", sql::kInvalidName},
      {"ALTER SESSION SET CURRENT_SCHEMA=MANDANT2 x", sql::kInvalidName},
      {"ALTER SESSION SET CURRENT_SCHEMA=MANDANT2;DROP", sql::kInvalidName},
      {"ALTER SESSION SET CURRENT_SCHEMA=", sql::kInvalidName},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(db_->Execute(c.statement), c.status) << c.statement;
    // A refused switch leaves the current schema as it was.
    EXPECT_EQ(All("select PstZuoKst from PERSONALSTAMM where PstPnrNum='100'"), (std::vector<Row>{{"K1"}}))
        << c.statement;
  }
  EXPECT_EQ(db_->Execute("  Alter  Session  Set  Current_Schema  =  mandant2  "), sql::kOk);
  EXPECT_EQ(All("select PstZuoKst from PERSONALSTAMM"), (std::vector<Row>{{"K2"}}));
  EXPECT_EQ(Switch("MANDANT2"), sql::kOk);  // again: nothing changes
  EXPECT_EQ(All("select PstZuoKst from PERSONALSTAMM"), (std::vector<Row>{{"K2"}}));

  // "#" and "$" are legal in Oracle names, in file names and in statements.
  dir_.Build("S#1$", "CREATE TABLE \"T#1\" (\"A$\" INTEGER); INSERT INTO \"T#1\" VALUES (5);");
  EXPECT_EQ(Switch("s#1$"), sql::kOk);
  EXPECT_EQ(All("select A$ from T#1"), (std::vector<Row>{{"5"}}));
  EXPECT_EQ(All("select t#1.a$ from S#1$.T#1"), (std::vector<Row>{{"5"}}));
}

TEST_F(EmbeddedBackendTest, UnqualifiedNamesAreNotLookedUpInOtherSchemas) {
  ASSERT_EQ(All("select MNDNUM from VLSYSTEM.VLS112MND").size(), 2u);  // VLSYSTEM is attached now
  ASSERT_EQ(Switch("MANDANT1"), sql::kOk);
  EXPECT_EQ(OpenStatus("select MNDNUM from VLS112MND"), sql::kTableNotFound);
  EXPECT_EQ(OpenStatus("select MNDNUM from VLSYSTEM.VLS112MND"), sql::kOk);

  // A statement prepared while its table was visible, opened again after a
  // switch to a schema without it, fails as well.
  dir_.Build("MANDANT3", "CREATE TABLE OTHER (A INTEGER);");
  ASSERT_EQ(Switch("MANDANT2"), sql::kOk);
  EXPECT_EQ(All("select A from ONLY2"), (std::vector<Row>{{"2"}}));
  ASSERT_EQ(Switch("MANDANT3"), sql::kOk);
  EXPECT_EQ(OpenStatus("select A from ONLY2"), sql::kTableNotFound);
  ASSERT_EQ(Switch("MANDANT2"), sql::kOk);
  EXPECT_EQ(All("select A from ONLY2"), (std::vector<Row>{{"2"}}));
}

TEST_F(EmbeddedBackendTest, MissingTablesColumnsAndFunctions) {
  ASSERT_EQ(Switch("VLSYSTEM"), sql::kOk);
  struct Case {
    const char* sql;
    long status;
  };
  const Case cases[] = {
      {"select MNDNUM from VLSYSTEM.NOPE", sql::kTableNotFound},
      {"select MNDNUM from NOPE", sql::kTableNotFound},
      {"select MNDNUM from NOSCHEMA.VLS112MND", sql::kTableNotFound},
      {"select MNDNUM from MANDANT1.VLS112MND", sql::kTableNotFound},
      {"select NOPE from VLSYSTEM.VLS112MND", sql::kInvalidIdentifier},
      {"select \"NOPE\" from VLS112MND", sql::kInvalidIdentifier},
      {"select MNDNUM from VLS112MND where NOPE = 1", sql::kInvalidIdentifier},
      {"select nope(MNDNUM) from VLS112MND", sql::kInvalidIdentifier},
      {"select from VLS112MND", -20001},
      {"select MNDNUM from VLS112MND where", -20001},
  };
  for (const Case& c : cases) EXPECT_EQ(OpenStatus(c.sql), c.status) << c.sql;
  std::vector<Value> row;
  EXPECT_EQ(db_->SelectOne("select NOPE into :b0 from VLS112MND", {}, row), sql::kInvalidIdentifier);
  EXPECT_EQ(db_->SelectOne("select MNDNUM into :b0 from NOPE", {}, row), sql::kTableNotFound);
}

TEST_F(EmbeddedBackendTest, SingleRowSelect) {
  dir_.Build("VLSYSTEM",
             "CREATE TABLE VLS110LIZ (LIZPRD TEXT, LIZVER TEXT);"
             "INSERT INTO VLS110LIZ VALUES ('7418-002-01', '05.40'), ('7418-002-02', '05.90'),"
             " ('7418-003', '09.99'), ('7418-004', NULL);");
  const std::string version =
      "select max( coalesce (LIZVER,'00.00')) into :b0:b1 from VLSYSTEM.VLS110LIZ where LIZPRD like :b2";
  std::vector<Value> row;
  ASSERT_EQ(db_->SelectOne(version, std::vector<Value>{Value::Text("7418-002%")}, row), sql::kOk);
  EXPECT_EQ(ShowRow(row), Row{"05.90"});
  ASSERT_EQ(db_->SelectOne(version, std::vector<Value>{Value::Text("7418-004%")}, row), sql::kOk);
  EXPECT_EQ(ShowRow(row), Row{"00.00"});
  ASSERT_EQ(db_->SelectOne(version, std::vector<Value>{Value::Text("9%")}, row), sql::kOk);
  EXPECT_EQ(ShowRow(row), Row{"NULL"});  // the maximum of no rows

  const std::string schema = "select MndSch into :b0:b1 from VLSYSTEM.Vls112Mnd where (MndNum=:b2 and MndLiz=:b3)";
  ASSERT_EQ(db_->SelectOne(schema, std::vector<Value>{Value::Text("2"), Value::Text("00001")}, row), sql::kOk);
  EXPECT_EQ(ShowRow(row), Row{"MANDANT2"});
  EXPECT_EQ(db_->SelectOne(schema, std::vector<Value>{Value::Text("3"), Value::Text("00001")}, row), sql::kNoData);
  EXPECT_EQ(db_->SelectOne("select MNDSCH into :b0:b1 from VLSYSTEM.VLS112MND where MNDLIZ=:b2",
                           std::vector<Value>{Value::Text("00001")}, row),
            sql::kTooManyRows);

  ASSERT_EQ(Switch("MANDANT1"), sql::kOk);
  const std::string both = "select PstZuoKst ,PstBsvKal into :b0:b1,:b2:b3 from PERSONALSTAMM where PstPnrNum=:b4";
  ASSERT_EQ(db_->SelectOne(both, std::vector<Value>{Value::Text("101")}, row), sql::kOk);
  EXPECT_EQ(ShowRow(row), (Row{"K1b", "NULL"}));
  ASSERT_EQ(db_->SelectOne(both, std::vector<Value>{Value::Text("100")}, row), sql::kOk);
  EXPECT_EQ(ShowRow(row), (Row{"K1", "7"}));
}

TEST_F(EmbeddedBackendTest, BindValuesMustMatchThePlaceholders) {
  const std::string sql = "select MNDNUM from VLSYSTEM.VLS112MND where MNDNUM = :b0 or MNDNA1 = :b1 or MNDNUM = :b0";
  EXPECT_EQ(All(sql, {Value::Text("1"), Value::Text("Werk Nord")}), (std::vector<Row>{{"1"}}));
  EXPECT_EQ(All(sql, {Value::Int(2), Value::Null()}), (std::vector<Row>{{"2"}}));
  EXPECT_EQ(db_->Open(1, sql, std::vector<Value>{Value::Text("1")}), kNotAllVariablesBound);
  EXPECT_EQ(db_->Open(1, sql, std::vector<Value>{Value::Text("1"), Value::Text("2"), Value::Text("3")}),
            kBindVariableDoesNotExist);
  std::vector<Value> row;
  EXPECT_EQ(db_->Fetch(1, row), sql::kFetchOutOfSequence);
}

TEST_F(EmbeddedBackendTest, FetchOutOfSequence) {
  const std::string sql = "select MNDNUM from VLSYSTEM.VLS112MND order by MNDNUM";
  std::vector<Value> row;
  EXPECT_EQ(db_->Fetch(1, row), sql::kFetchOutOfSequence);  // never opened
  ASSERT_EQ(db_->Open(1, sql, {}), sql::kOk);
  EXPECT_EQ(db_->Fetch(1, row), sql::kOk);
  EXPECT_EQ(ShowRow(row), Row{"1"});
  ASSERT_EQ(db_->Open(1, sql, {}), sql::kOk);  // opening an open cursor starts it again
  EXPECT_EQ(db_->Fetch(1, row), sql::kOk);
  EXPECT_EQ(ShowRow(row), Row{"1"});
  EXPECT_EQ(db_->Fetch(1, row), sql::kOk);
  EXPECT_EQ(ShowRow(row), Row{"2"});
  EXPECT_EQ(db_->Fetch(1, row), sql::kNoData);
  EXPECT_EQ(db_->Fetch(1, row), sql::kFetchOutOfSequence);
  EXPECT_EQ(db_->Fetch(1, row), sql::kFetchOutOfSequence);
  EXPECT_EQ(db_->Close(1), sql::kOk);
  EXPECT_EQ(db_->Close(1), sql::kOk);
  EXPECT_EQ(db_->Fetch(1, row), sql::kFetchOutOfSequence);
}

TEST_F(EmbeddedBackendTest, PreparedStatementsAreReused) {
  const std::string sql = "select MNDNUM from VLSYSTEM.VLS112MND where MNDNUM >= :b0 order by MNDNUM";
  const long before = db_->prepare_count();
  for (int k = 0; k < 3; ++k) EXPECT_EQ(All(sql, {Value::Text("1")}).size(), 2u);
  EXPECT_EQ(All(sql, {Value::Text("2")}), (std::vector<Row>{{"2"}}));
  EXPECT_EQ(db_->prepare_count(), before + 1);

  // Two cursors on the same text at once get a statement each.
  ASSERT_EQ(db_->Open(1, sql, std::vector<Value>{Value::Text("1")}), sql::kOk);
  ASSERT_EQ(db_->Open(2, sql, std::vector<Value>{Value::Text("2")}), sql::kOk);
  EXPECT_EQ(db_->prepare_count(), before + 2);
  std::vector<Value> row;
  ASSERT_EQ(db_->Fetch(1, row), sql::kOk);
  EXPECT_EQ(ShowRow(row), Row{"1"});
  ASSERT_EQ(db_->Fetch(2, row), sql::kOk);
  EXPECT_EQ(ShowRow(row), Row{"2"});
  ASSERT_EQ(db_->Fetch(1, row), sql::kOk);
  EXPECT_EQ(ShowRow(row), Row{"2"});
  EXPECT_EQ(db_->Fetch(2, row), sql::kNoData);
  EXPECT_EQ(db_->Fetch(1, row), sql::kNoData);
  db_->Close(1);
  db_->Close(2);
  EXPECT_EQ(All(sql, {Value::Text("1")}).size(), 2u);
  EXPECT_EQ(db_->prepare_count(), before + 2);

  const std::string one = "select MNDSCH into :b0:b1 from VLSYSTEM.VLS112MND where MNDNUM=:b2";
  for (const char* number : {"1", "2", "1"}) {
    ASSERT_EQ(db_->SelectOne(one, std::vector<Value>{Value::Text(number)}, row), sql::kOk);
    EXPECT_EQ(ShowRow(row), Row{number[0] == '1' ? "MANDANT1" : "MANDANT2"});
  }
  EXPECT_EQ(db_->prepare_count(), before + 3);
}

TEST_F(EmbeddedBackendTest, SysdateIsReadAtEveryOpen) {
  FakeEnv env;
  ScopedFixedDate no_fixed_date(nullptr);
  const std::string sql = "select to_char(sysdate,'yyyymmddhh24miss') from VLSYSTEM.VLS112MND";
  env.now = {2024, 6, 15, 8, 30, 5};
  EXPECT_EQ(All(sql), (std::vector<Row>{{"20240615083005"}, {"20240615083005"}}));
  const long prepared = db_->prepare_count();
  env.now = {2024, 6, 16, 0, 0, 0};
  EXPECT_EQ(All(sql), (std::vector<Row>{{"20240616000000"}, {"20240616000000"}}));
  EXPECT_EQ(db_->prepare_count(), prepared);
  ScopedFixedDate fixed("2023-01-02 03:04:05");
  EXPECT_EQ(All(sql), (std::vector<Row>{{"20230102030405"}, {"20230102030405"}}));
}

TEST_F(EmbeddedBackendTest, TextsArriveAsWindows1252) {
  dir_.Build("VLSYSTEM", "INSERT INTO VLS112MND (MNDNUM, MNDNA1) VALUES ('3', 'M\xC3\xBCller Stra\xC3\x9F" "e'),"
                         " ('4', '\xCE\xA9mega 5\xE2\x82\xAC');");
  EXPECT_EQ(All("select MNDNA1 from VLSYSTEM.VLS112MND where MNDNUM >= '2' order by MNDNUM"),
            (std::vector<Row>{{"Werk S\xFC" "d"}, {"M\xFCller Stra\xDF" "e"}, {"?mega 5\x80"}}));
  EXPECT_EQ(All("select MNDNUM from VLSYSTEM.VLS112MND where MNDNA1 = :b0",
                {Value::Text("M\xFCller Stra\xDF" "e")}),
            (std::vector<Row>{{"3"}}));
  EXPECT_EQ(All("select MNDNUM from VLSYSTEM.VLS112MND where MNDNA1 = 'Werk S\xFC" "d'"),
            (std::vector<Row>{{"2"}}));
  EXPECT_EQ(All("select length(MNDNA1) from VLSYSTEM.VLS112MND where MNDNA1 like '%\x80'"),
            (std::vector<Row>{{"8"}}));
  // A blob arrives as its bytes, unconverted.
  EXPECT_EQ(All("select X'41E4C3A4' from VLSYSTEM.VLS112MND where MNDNUM = '1'"),
            (std::vector<Row>{{"A\xE4\xC3\xA4"}}));
}

TEST_F(EmbeddedBackendTest, ABoundQuoteIsPartOfTheValue) {
  dir_.Build("VLSYSTEM",
             "INSERT INTO VLS112MND (MNDNUM, MNDNA1) VALUES ('3', 'XY'' OR ''A''<>''B'), ('4', 'XY'), ('5', 'A'),"
             " ('6', 'B');");
  EXPECT_EQ(All("select MNDNUM from VLSYSTEM.VLS112MND where MNDNA1=:b0", {Value::Text("XY' OR 'A'<>'B")}),
            (std::vector<Row>{{"3"}}));
  EXPECT_TRUE(All("select MNDNUM from VLSYSTEM.VLS112MND where MNDNA1=:b0", {Value::Text("XY' OR 'A'<>'C")}).empty());
}

TEST_F(EmbeddedBackendTest, ARuntimeErrorEndsTheCursorAtItsRow) {
  dir_.Build("VLSYSTEM",
             "CREATE TABLE N (n INTEGER);"
             "INSERT INTO N VALUES (1), (2), (3), (4), (5);"
             "CREATE VIEW V AS SELECT n, CASE WHEN n = 4 THEN abs(-9223372036854775807-1) ELSE n END AS x FROM N;");
  ASSERT_EQ(db_->Open(1, "select n, x from VLSYSTEM.V", {}), sql::kOk);
  std::vector<Value> row;
  for (const char* n : {"1", "2", "3"}) {
    ASSERT_EQ(db_->Fetch(1, row), sql::kOk);
    EXPECT_EQ(ShowRow(row), (Row{n, n}));
  }
  EXPECT_EQ(db_->Fetch(1, row), -20001);
  EXPECT_EQ(db_->Fetch(1, row), sql::kFetchOutOfSequence);
  EXPECT_EQ(db_->Close(1), sql::kOk);
}

// The client master file keeps the records fetched before a failing row.
// SQLite delivers "select distinct ... order by Mnd_Nr" row by row only when
// an index on MNDNUM gives the order; without one it sorts first and so
// evaluates every row (and fails) before the first fetch returns.
TEST(EmbeddedDatabaseTest, ClientMasterCursorFailsAtTheFourthRecordWhenIndexed) {
  for (bool indexed : {true, false}) {
    SchemaDirectory dir;
    dir.Build("VLSYSTEM", std::string(kClientTable) +
                              (indexed ? "CREATE INDEX VLS112MND_NUM ON VLS112MND (MNDNUM);" : "") +
                              "INSERT INTO VLS112MND VALUES"
                              " ('00001','5','E','0', 19783.5, 'a', 0, 'M5', '1'),"
                              " ('00001','2','B','0', 19783.5, 'a', 0, 'M2', '1'),"
                              " ('00001','4','D','0', 'kaputt', 'a', 0, 'M4', '1'),"
                              " ('00001','1','A','0', 19783.5, 'a', 0, 'M1', '1'),"
                              " ('00001','3','C','0', 19783.75, 'a', 0, 'M3', '1');");
    std::unique_ptr<EmbeddedBackend> db;
    ASSERT_EQ(OpenEmbeddedBackend(dir.path(), db), sql::kOk);
    ASSERT_EQ(db->Open(1, kClientMasterQuery, {}), sql::kOk);
    std::vector<Value> row;
    if (indexed) {
      const Row expected[] = {{"00001", "1", "A", "0", "20240301120000", "a"},
                              {"00001", "2", "B", "0", "20240301120000", "a"},
                              {"00001", "3", "C", "0", "20240301180000", "a"}};
      for (const Row& r : expected) {
        ASSERT_EQ(db->Fetch(1, row), sql::kOk);
        EXPECT_EQ(ShowRow(row), r);
      }
    }
    EXPECT_EQ(db->Fetch(1, row), -20001) << (indexed ? "indexed" : "not indexed");
    EXPECT_EQ(db->Fetch(1, row), sql::kFetchOutOfSequence);
    EXPECT_EQ(db->Close(1), sql::kOk);
  }
}

// A site has more client schemas than SQLite attaches at a time. The client
// cursor on VLSYSTEM stays open while every client is visited in turn.
TEST(EmbeddedDatabaseTest, ManyClientSchemasInTurn) {
  constexpr int kClients = 13;
  SchemaDirectory dir;
  std::string clients = kClientTable;
  for (int k = 1; k <= kClients; ++k) {
    char name[8];
    std::snprintf(name, sizeof name, "C%02d", k);
    dir.Build(name, std::string("CREATE TABLE T (V TEXT); INSERT INTO T VALUES ('") + name + "'), ('" + name + "b');");
    clients += std::string("INSERT INTO VLS112MND (MNDLIZ, MNDNUM, MNDSCH, MNDSTO, MNDKON) VALUES ('00001', '") +
               std::to_string(k) + "', '" + name + "', '1', 0);";
  }
  dir.Build("VLSYSTEM", clients);
  std::unique_ptr<EmbeddedBackend> db;
  ASSERT_EQ(OpenEmbeddedBackend(dir.path(), db), sql::kOk);
  ASSERT_EQ(db->Execute("ALTER SESSION SET CURRENT_SCHEMA=VLSYSTEM"), sql::kOk);

  const std::string client_query =
      "select MNDLIZ ,MNDNUM ,MNDSCH ,MNDSTO from vlsystem.vls112mnd where (MNDKON=0 and MNDSCH is not null )";
  constexpr sql::CursorId kClientCursor = 1;
  constexpr sql::CursorId kTableCursor = 2;
  ASSERT_EQ(db->Open(kClientCursor, client_query, {}), sql::kOk);
  std::vector<Value> client;
  std::vector<Value> row;
  int visited = 0;
  for (int round = 0; round < 2; ++round) {
    while (db->Fetch(kClientCursor, client) == sql::kOk) {
      const std::string schema = client[2].text;
      ASSERT_EQ(db->Execute("ALTER SESSION SET CURRENT_SCHEMA=" + schema), sql::kOk) << schema;
      for (const std::string& sql : {std::string("select V from T order by V"),
                                     "select V from " + schema + ".T order by V"}) {
        ASSERT_EQ(db->Open(kTableCursor, sql, {}), sql::kOk) << sql;
        ASSERT_EQ(db->Fetch(kTableCursor, row), sql::kOk) << sql;
        EXPECT_EQ(Show(row[0]), schema);
        ASSERT_EQ(db->Fetch(kTableCursor, row), sql::kOk) << sql;
        EXPECT_EQ(Show(row[0]), schema + "b");
        EXPECT_EQ(db->Fetch(kTableCursor, row), sql::kNoData);
        db->Close(kTableCursor);
      }
      const std::vector<std::string> attached = db->AttachedSchemas();
      EXPECT_LE(attached.size(), 10u);
      EXPECT_EQ(attached.back(), schema);
      ++visited;
    }
    // The second round visits the clients again, whose schemas were detached.
    ASSERT_EQ(db->Open(kClientCursor, client_query, {}), sql::kOk);
  }
  EXPECT_EQ(visited, 2 * kClients);
}

// A cursor that runs while other schemas must be detached still delivers its
// rows and its failure in their order.
TEST(EmbeddedDatabaseTest, ARunningCursorSurvivesDetaching) {
  SchemaDirectory dir;
  dir.Build("VLSYSTEM",
            "CREATE TABLE N (n INTEGER);"
            "INSERT INTO N VALUES (1), (2), (3), (4), (5);"
            "CREATE VIEW V AS SELECT n, CASE WHEN n = 4 THEN abs(-9223372036854775807-1) ELSE n END AS x FROM N;");
  std::vector<std::string> schemas;
  for (int k = 1; k <= 12; ++k) {
    schemas.push_back("S" + std::to_string(k));
    dir.Build(schemas.back(), "CREATE TABLE T (V INTEGER); INSERT INTO T VALUES (" + std::to_string(k) + ");");
  }
  std::unique_ptr<EmbeddedBackend> db;
  ASSERT_EQ(OpenEmbeddedBackend(dir.path(), db), sql::kOk);
  ASSERT_EQ(db->Open(1, "select n, x from VLSYSTEM.V", {}), sql::kOk);
  std::vector<Value> row;
  ASSERT_EQ(db->Fetch(1, row), sql::kOk);
  EXPECT_EQ(ShowRow(row), (Row{"1", "1"}));
  for (const std::string& schema : schemas) {
    ASSERT_EQ(db->Open(2, "select V from " + schema + ".T", {}), sql::kOk) << schema;
    ASSERT_EQ(db->Fetch(2, row), sql::kOk);
    EXPECT_EQ(Show(row[0]), schema.substr(1));
    db->Close(2);
  }
  EXPECT_LE(db->AttachedSchemas().size(), 10u);
  for (const char* n : {"2", "3"}) {
    ASSERT_EQ(db->Fetch(1, row), sql::kOk);
    EXPECT_EQ(ShowRow(row), (Row{n, n}));
  }
  EXPECT_EQ(db->Fetch(1, row), -20001);
  EXPECT_EQ(db->Fetch(1, row), sql::kFetchOutOfSequence);
  EXPECT_EQ(db->Close(1), sql::kOk);
  EXPECT_EQ(db->Open(1, "select count(*) from VLSYSTEM.N", {}), sql::kOk);
  ASSERT_EQ(db->Fetch(1, row), sql::kOk);
  EXPECT_EQ(ShowRow(row), Row{"5"});
}

TEST_F(EmbeddedBackendTest, ASchemaSwitchDoesNotDisturbAnOpenCursor) {
  ASSERT_EQ(Switch("MANDANT1"), sql::kOk);
  ASSERT_EQ(db_->Open(1, "select PstZuoKst from PERSONALSTAMM order by PstPnrNum", {}), sql::kOk);
  std::vector<Value> row;
  ASSERT_EQ(db_->Fetch(1, row), sql::kOk);
  EXPECT_EQ(ShowRow(row), Row{"K1"});
  ASSERT_EQ(Switch("MANDANT2"), sql::kOk);
  ASSERT_EQ(db_->Fetch(1, row), sql::kOk);
  EXPECT_EQ(ShowRow(row), Row{"K1b"});
  ASSERT_EQ(db_->Fetch(1, row), sql::kOk);
  EXPECT_EQ(ShowRow(row), Row{"NULL"});
  EXPECT_EQ(db_->Fetch(1, row), sql::kNoData);
  db_->Close(1);
  EXPECT_EQ(All("select PstZuoKst from PERSONALSTAMM order by PstPnrNum"), (std::vector<Row>{{"K2"}}));
}

TEST_F(EmbeddedBackendTest, TheFilesAreNeverWritten) {
  auto snapshot = [&] {
    std::map<std::string, std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(dir_.path())) {
      std::string name = entry.path().filename().string();
      files[name] = dir_.Bytes(entry.path().stem().string());
    }
    return files;
  };
  const auto before = snapshot();
  ASSERT_EQ(before.size(), 3u);
  ASSERT_EQ(Switch("VLSYSTEM"), sql::kOk);
  EXPECT_EQ(All("select MNDNUM from VLS112MND order by MNDNUM").size(), 2u);
  EXPECT_LT(db_->Execute("insert into VLSYSTEM.VLS112MND (MNDNUM) values ('9')"), 0);
  EXPECT_LT(db_->Execute("delete from VLS112MND"), 0);
  EXPECT_LT(db_->Execute("update MANDANT1.PERSONALSTAMM set PstZuoKst = 'X'"), 0);
  EXPECT_LT(db_->Execute("create table VLSYSTEM.X (A INTEGER)"), 0);
  EXPECT_LT(db_->Execute("drop table VLSYSTEM.VLS112MND"), 0);
  ASSERT_EQ(Switch("MANDANT1"), sql::kOk);
  EXPECT_EQ(All("select PstZuoKst from PERSONALSTAMM order by PstPnrNum").size(), 3u);
  EXPECT_EQ(All("select MNDNUM from VLSYSTEM.VLS112MND order by MNDNUM").size(), 2u);
  db_.reset();
  EXPECT_EQ(snapshot(), before);
}

}  // namespace
}  // namespace embedded
