// The badge master file in this process: the record layout, the selective
// writer (first call replaces, later calls append, its own messages and
// failure paths), the cost-centre lookup chosen by product version for both
// entry points, the BSVMAP digit and the calendar limit.
#include "export/master/idstamm.h"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "export/master/badges_test_db.h"
#include "runctl/job_frame.h"
#include "runctl/run_state.h"

namespace fs = std::filesystem;

namespace {

constexpr std::array<std::size_t, 24> kWidths = {50, 8, 8, 8, 8, 50, 5, 5, 32, 5, 5, 5,
                                                 5, 2, 50, 2, 10, 5, 5, 14, 50, 1, 30, 3};

// One expected record from its 24 fields.
std::string Record(const std::array<std::string, 24>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) line += Pad(fields[i], kWidths[i]);
  return line + "x\r\n";
}

std::string Day(const std::string& date) { return "unixepoch('" + date + "')/86400.0"; }

// A badge of client 1 with its site row; `to` is an SQL expression.
std::string BadgeSql(const std::string& badge, const std::string& person, const std::string& from,
                     const std::string& to = "NULL", const std::string& changed = Day("2024-06-03 08:12:00")) {
  return "INSERT INTO VLS301ASW VALUES ('" + badge + "', '" + person + "', '00001', '1', " + Day(from) + ", " + to +
         ", '500', '4711', 'VW', 1, 'Stammausweis', 0, " + changed + ", 'admin');" +
         "INSERT INTO VLS113AWV VALUES ('" + badge + "', '10001', 'A');";
}

std::string PersonSql(const std::string& person, const std::string& name) {
  return "INSERT INTO VLS300PNR VALUES ('" + person + "', '" + name + "', 1, 2, 'Herr');";
}

// The expected record of a badge made by BadgeSql and PersonSql.
std::string BadgeRecord(const std::string& badge, const std::string& person, const std::string& name,
                        const std::string& from, const std::string& to, const std::string& bsvmap,
                        const std::string& cost_centre, const std::string& calendar) {
  return Record({badge, "10001", from, to, person, name, "1", "500", "4711", "A", "VW", "00001", "1", "1",
                 "Stammausweis", "2", "Herr", "", "0", "20240603081200", "admin", bsvmap, cost_centre, calendar});
}

class IdstammTest : public BadgesTestDb {
 protected:
  void SetUp() override {
    BadgesTestDb::SetUp();
    ClientSchema("MANDANT1");
    Sql("VLSYSTEM", "INSERT INTO VLS112MND (MNDLIZ, MNDNUM, MNDKON, MNDSCH, MNDSTO) VALUES "
                    "('00001', '1', 0, 'MANDANT1', '10001');");
    Sql("VLSYSTEM", BadgeSql("10000001", "1001", "2020-01-01") + BadgeSql("10000002", "1002", "2023-06-01"));
    Sql("MANDANT1", PersonSql("1001", "Muster") + PersonSql("1002", "Beispiel") +
                        "INSERT INTO PERSONALSTAMM VALUES ('1001', 'K100', 'STD'), ('1002', 'K200', NULL);"
                        "INSERT INTO VLS310BSV VALUES ('1001', " + Day("2020-01-01") + ", NULL, 2);");
    full = dir / "idstamm.imp";
    update = dir / "out" / "idstamm_upd.imp";
    fs::create_directories(dir / "out");
    OutputPath.Assign((dir / "out").string() + "/");  // the writer adds "//": two slashes name the same file
    update_path = (dir / "out").string() + "///idstamm_upd.imp";
  }

  // The selective writer for `badge` of client 1 in MANDANT1.
  int Upd(const char* badge) {
    MakeCurrent("MANDANT1", "00001", "1");
    return Fill_IDSTAMM_Upd(badge);
  }

  int Full() {
    OutputPath.Assign(full.string());
    return Fill_IDSTAMM();
  }

  fs::path full;
  fs::path update;
  std::string update_path;  // as the writer names it in its messages
};

TEST(IdstammWriterTest, EveryFieldStandsInItsColumns) {
  fs::path path = UniqueTempPath("sstrxk_idstamm_writer");
  OutputFile = std::fopen(path.string().c_str(), "wb");
  ASSERT_NE(OutputFile, nullptr);
  Write_IDSTAMM(IdsRow());
  // Every field full to its width with its own letter (field 18, never
  // filled, stays blank).
  IdsRow row;
  std::array<std::string, 24> fields;
  for (std::size_t i = 0; i < fields.size(); ++i) fields[i] = std::string(kWidths[i], static_cast<char>('A' + i));
  fields[17] = "";
  row.badge.Assign(fields[0]);
  row.awvsto.Assign(fields[1]);
  row.valid_from.Assign(fields[2]);
  row.valid_to.Assign(fields[3]);
  row.person.Assign(fields[4]);
  row.name.Assign(fields[5]);
  row.language.Assign(fields[6]);
  row.perm_class.Assign(fields[7]);
  row.pin.Assign(fields[8]);
  row.awvcod.Assign(fields[9]);
  row.aswgrp.Assign(fields[10]);
  row.licence.Assign(fields[11]);
  row.client.Assign(fields[12]);
  row.aswatp.Assign(fields[13]);
  row.aswaan.Assign(fields[14]);
  row.pnrmta.Assign(fields[15]);
  row.pnrsal.Assign(fields[16]);
  row.status.Assign(fields[18]);
  row.changed.Assign(fields[19]);
  row.changed_by.Assign(fields[20]);
  row.bsvmap.Assign(fields[21]);
  row.cost_centre.Assign(fields[22]);
  row.calendar.Assign(fields[23]);
  Write_IDSTAMM(row);
  CloseOutputFile();

  std::string file = ReadTextFile(path);
  fs::remove(path);
  std::string blank = std::string(366, ' ') + "x\r\n";
  ASSERT_EQ(file.substr(0, blank.size()), blank);
  std::string full = file.substr(blank.size());
  EXPECT_EQ(full, Record(fields));
  ASSERT_EQ(full.size(), 369u);
  EXPECT_EQ(full.substr(258, 5), "     ");              // columns 259-263
  EXPECT_EQ(full.substr(332, 1), std::string(1, 'V'));  // column 333: field 22
  EXPECT_EQ(full.substr(363, 3), "XXX");                // columns 364-366: field 24
  EXPECT_EQ(full.substr(366), "x\r\n");
}

TEST_F(IdstammTest, SelectiveFirstCallReplacesTheFileAndLaterCallsAppend) {
  {
    std::ofstream old(update, std::ios::binary);
    old << "record of an earlier run\r\n";
  }
  Connect();
  ProductVersion = 5.9;
  EXPECT_EQ(Upd("10000002"), kJobDone);
  EXPECT_FALSE(FirstWrite.idstamm);
  EXPECT_EQ(OutputFile, nullptr);
  std::string second = BadgeRecord("10000002", "1002", "Beispiel", "20230601", "", "", "K200", "");
  EXPECT_EQ(File(update), second);

  EXPECT_EQ(Upd("10000001"), kJobDone);
  std::string first = BadgeRecord("10000001", "1001", "Muster", "20200101", "", "2", "K100", "STD");
  EXPECT_EQ(File(update), second + first);

  EXPECT_EQ(Upd("99999999"), kJobDone);  // not found: the file stays as it is
  EXPECT_EQ(File(update), second + first);

  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            "Importdatei: " + update_path + " fuellen  Ausweisnummer: 10000002",
                            "Import " + update_path + " fertig.",
                            "Importdatei: " + update_path + " fuellen  Ausweisnummer: 10000001",
                            "Import " + update_path + " fertig.",
                            "Importdatei: " + update_path + " fuellen  Ausweisnummer: 99999999",
                            "Import " + update_path + " fertig.",
                        }));
}

TEST_F(IdstammTest, SelectiveFirstCallWithoutRecordsStillEmptiesTheFile) {
  {
    std::ofstream old(update, std::ios::binary);
    old << "record of an earlier run\r\n";
  }
  Connect();
  EXPECT_EQ(Upd("99999999"), kJobDone);
  EXPECT_TRUE(fs::exists(update));
  EXPECT_EQ(File(update), "");
}

TEST_F(IdstammTest, SelectiveFileNotOpenedLeavesTheFirstWriteFlagSet) {
  {
    std::ofstream old(update, std::ios::binary);
    old << "record of an earlier run\r\n";
  }
  Connect();
  std::string good = OutputPath.str();
  OutputPath.Assign((dir / "no-such-dir").string());
  EXPECT_EQ(Upd("10000001"), kJobFileNotOpened);
  EXPECT_TRUE(FirstWrite.idstamm);
  EXPECT_EQ(Messages(), std::vector<std::string>{"Oeffnen der Datei " + (dir / "no-such-dir").string() +
                                                 "//idstamm_upd.imp fehlgeschlagen"});
  OutputPath.Assign(good);
  EXPECT_EQ(Upd("10000002"), kJobDone);  // still the run's first opening: replaces
  EXPECT_EQ(File(update), BadgeRecord("10000002", "1002", "Beispiel", "20230601", "", "", "K200", ""));
}

// Fields 23 and 24 of badge 10000001 (PERSONALSTAMM K100/STD) by version and
// entry point.
TEST_F(IdstammTest, ProductVersionChoosesTheCostCentreLookup) {
  struct Case {
    double version;
    const char* full_cost_centre;
    const char* full_calendar;
    const char* upd_cost_centre;
    const char* upd_calendar;
  } cases[] = {
      {6.1, "K100", "STD", "K100", "STD"}, {5.9, "K100", "STD", "K100", "STD"}, {5.89, "K100", "", "K100", ""},
      {5.4, "K100", "", "K100", ""},       {5.39, "", "", "K100", ""},          {0.0, "", "", "K100", ""},
  };
  Connect();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    ProductVersion = c.version;
    FirstWrite.idstamm = true;
    ASSERT_EQ(Upd("10000001"), kJobDone);
    EXPECT_EQ(File(update),
              BadgeRecord("10000001", "1001", "Muster", "20200101", "", "2", c.upd_cost_centre, c.upd_calendar));
    ASSERT_EQ(Full(), kJobDone);
    std::string file = File(full);
    ASSERT_EQ(file.size(), 2 * 369u);
    std::string record =
        BadgeRecord("10000001", "1001", "Muster", "20200101", "", "2", c.full_cost_centre, c.full_calendar);
    EXPECT_TRUE(file.substr(0, 369) == record || file.substr(369) == record) << file;
    OutputPath.Assign((dir / "out").string() + "/");
  }
}

// Column 333 of one badge's record for the holder's Vls310Bsv rows.
TEST_F(IdstammTest, BsvMapDigitOnlyFromExactlyOneCurrentRowWithinZeroToNine) {
  struct BsvRow {
    const char* from;
    const char* to;  // nullptr: open-ended
    const char* map;
  };
  struct Case {
    const char* what;
    std::vector<BsvRow> rows;
    const char* digit;
  } cases[] = {
      {"no row", {}, " "},
      {"one current row", {{"2024-01-01", nullptr, "3"}}, "3"},
      {"BSVMAP NULL", {{"2024-01-01", nullptr, "NULL"}}, "0"},
      {"two current rows", {{"2024-01-01", nullptr, "3"}, {"2024-02-01", nullptr, "4"}}, " "},
      {"today on both ends", {{"2024-06-17", "2024-06-17", "5"}}, "5"},
      {"ended yesterday", {{"2024-01-01", "2024-06-16", "5"}}, " "},
      {"starts tomorrow", {{"2024-06-18", nullptr, "5"}}, " "},
      {"one current of two", {{"2024-01-01", "2024-06-16", "1"}, {"2024-06-17", nullptr, "6"}}, "6"},
      {"nine", {{"2024-01-01", nullptr, "9"}}, "9"},
      {"twelve: no digit", {{"2024-01-01", nullptr, "12"}}, " "},
      {"negative: no digit", {{"2024-01-01", nullptr, "-1"}}, " "},
  };
  int n = 0;
  for (const Case& c : cases) {
    std::string person = std::to_string(2000 + n++);
    Sql("VLSYSTEM", BadgeSql("B" + person, person, "2020-01-01"));
    std::string sql = PersonSql(person, "P");
    for (const BsvRow& r : c.rows) {
      sql += "INSERT INTO VLS310BSV VALUES ('" + person + "', " + Day(r.from) + ", " +
             (r.to != nullptr ? Day(r.to) : std::string("NULL")) + ", " + r.map + ");";
    }
    Sql("MANDANT1", sql);
  }
  Connect();
  n = 0;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    std::string person = std::to_string(2000 + n++);
    FirstWrite.idstamm = true;
    ASSERT_EQ(Upd(("B" + person).c_str()), kJobDone);
    std::string file = File(update);
    ASSERT_EQ(file.size(), 369u);
    EXPECT_EQ(file.substr(332, 1), c.digit);
    EXPECT_EQ(file.substr(333, 33), std::string(33, ' '));  // nothing spills into field 23
  }
}

TEST_F(IdstammTest, ValidityTodayOnBothEnds) {
  Sql("VLSYSTEM", BadgeSql("E1", "1001", "2020-01-01", Day("2024-06-17")) +   // ends today
                      BadgeSql("S1", "1001", "2024-06-17") +                     // starts today
                      BadgeSql("E0", "1001", "2020-01-01", Day("2024-06-16")) +  // ended yesterday
                      BadgeSql("S2", "1001", "2024-06-18"));                     // starts tomorrow
  Connect();
  ProductVersion = 5.9;
  const char* exported[] = {"E1", "S1"};
  for (const char* badge : exported) {
    FirstWrite.idstamm = true;
    ASSERT_EQ(Upd(badge), kJobDone);
    std::string to = std::string(badge) == "E1" ? "20240617" : "";
    std::string from = std::string(badge) == "E1" ? "20200101" : "20240617";
    EXPECT_EQ(File(update), BadgeRecord(badge, "1001", "Muster", from, to, "2", "K100", "STD"));
  }
  const char* not_exported[] = {"E0", "S2"};
  for (const char* badge : not_exported) {
    FirstWrite.idstamm = true;
    ASSERT_EQ(Upd(badge), kJobDone);
    EXPECT_EQ(File(update), "") << badge;
  }
}

TEST_F(IdstammTest, CalendarLongerThanItsFieldIsReportedNotCut) {
  Sql("MANDANT1", "UPDATE PERSONALSTAMM SET PSTBSVKAL = 'STD1' WHERE PSTPNRNUM = '1001';"
                  "UPDATE PERSONALSTAMM SET PSTZUOKST = '" + std::string(35, 'K') + "' WHERE PSTPNRNUM = '1002';");
  Connect();
  ProductVersion = 5.9;
  // The cost centre is cut to its 30 characters, as every other value.
  EXPECT_EQ(Upd("10000002"), kJobDone);
  EXPECT_EQ(File(update), BadgeRecord("10000002", "1002", "Beispiel", "20230601", "", "", std::string(30, 'K'), ""));
  EXPECT_EQ(Upd("10000001"), kJobDatabaseError);
  std::vector<std::string> log = Messages();
  ASSERT_EQ(log.size(), 5u);
  EXPECT_EQ(log[3], "Fehler in Fkt. SQLReadKst(Kal)(). RC: -1406");
  EXPECT_EQ(log[4], "Import " + update_path + " fehlgeschlagen.");
  EXPECT_EQ(File(update), BadgeRecord("10000002", "1002", "Beispiel", "20230601", "", "", std::string(30, 'K'), ""));

  env.console.clear();
  EXPECT_EQ(Full(), kJobDatabaseError);
  EXPECT_NE(env.console.find("Fehler in Fkt. SQLReadKstKal(). RC: -1406\n"), std::string::npos);

  ProductVersion = 5.4;  // the calendar is not read: no failure
  env.console.clear();
  EXPECT_EQ(Full(), kJobDone);
}

// A holder's PERSONALSTAMM rows: two are a failure, and so is a missing
// table. The selective writer names both lookups in one message.
struct LookupFailure {
  double version;
  const char* setup;
  long status;
  const char* full_message;
};

class IdstammLookupFailureTest : public IdstammTest, public ::testing::WithParamInterface<LookupFailure> {};

TEST_P(IdstammLookupFailureTest, FailsBothEntryPointsWithTheirMessages) {
  const LookupFailure& c = GetParam();
  Sql("MANDANT1", c.setup);
  Connect();
  ProductVersion = c.version;
  EXPECT_EQ(Upd("10000001"), kJobDatabaseError);
  EXPECT_EQ(Messages(), (std::vector<std::string>{
                            "Importdatei: " + update_path + " fuellen  Ausweisnummer: 10000001",
                            "Fehler in Fkt. SQLReadKst(Kal)(). RC: " + std::to_string(c.status),
                            "Import " + update_path + " fehlgeschlagen.",
                        }));
  EXPECT_EQ(File(update), "");
  EXPECT_EQ(OutputFile, nullptr);

  env.console.clear();
  EXPECT_EQ(Full(), kJobDatabaseError);
  std::vector<std::string> log = Messages();
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(log[log.size() - 2],
            std::string("Fehler in Fkt. ") + c.full_message + "(). RC: " + std::to_string(c.status));
  EXPECT_EQ(log.back(), "Import " + full.string() + " fehlgeschlagen.");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IdstammLookupFailureTest,
    ::testing::Values(
        LookupFailure{5.9, "INSERT INTO PERSONALSTAMM VALUES ('1001', 'K101', 'STD');", -2112, "SQLReadKstKal"},
        LookupFailure{5.4, "INSERT INTO PERSONALSTAMM VALUES ('1001', 'K101', 'STD');", -2112, "SQLReadKst"},
        LookupFailure{5.9, "DROP TABLE PERSONALSTAMM;", -942, "SQLReadKstKal"},
        LookupFailure{5.4, "DROP TABLE PERSONALSTAMM;", -942, "SQLReadKst"}));

TEST_F(IdstammTest, HolderWithoutPersonalstammRowGetsBlanks) {
  Sql("MANDANT1", "DELETE FROM PERSONALSTAMM WHERE PSTPNRNUM = '1001';");
  Connect();
  ProductVersion = 5.9;
  EXPECT_EQ(Upd("10000001"), kJobDone);
  EXPECT_EQ(File(update), BadgeRecord("10000001", "1001", "Muster", "20200101", "", "2", "", ""));
  ProductVersion = 5.4;
  EXPECT_EQ(Upd("10000001"), kJobDone);
  EXPECT_EQ(File(update), BadgeRecord("10000001", "1001", "Muster", "20200101", "", "2", "", "") +
                              BadgeRecord("10000001", "1001", "Muster", "20200101", "", "2", "", ""));
}

TEST_F(IdstammTest, SelectiveCursorNotOpenedClosesTheFileWithoutClosingMessage) {
  struct Case {
    const char* schema;
    long status;
  } cases[] = {{"MANDANT9", -942},   // a schema without the holder table
               {"MANDANT8", -942},   // a schema that does not exist
               {"BAD-NAME", -903}};  // no identifier: never put into the text
  Sql("MANDANT9", "CREATE TABLE X (A TEXT);");
  Connect();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.schema);
    env.console.clear();
    FirstWrite.idstamm = true;
    MakeCurrent("MANDANT1", "00001", "1");
    CurrentSchema.Assign(c.schema);
    EXPECT_EQ(Fill_IDSTAMM_Upd("10000001"), kJobDatabaseError);
    EXPECT_EQ(Messages(), (std::vector<std::string>{
                              "Importdatei: " + update_path + " fuellen  Ausweisnummer: 10000001",
                              "Fehler in Fkt. SQLOpenIDS_Sel(). RC: " + std::to_string(c.status),
                          }));
    EXPECT_EQ(OutputFile, nullptr);
    EXPECT_FALSE(FirstWrite.idstamm);
    EXPECT_EQ(File(update), "");
  }
}

TEST_F(IdstammTest, SelectiveFetchErrorEndsWithTheFailureMessage) {
  Sql("VLSYSTEM", BadgeSql("B9", "1001", "2020-01-01", "NULL", "'kaputt'"));
  Connect();
  ProductVersion = 5.9;
  EXPECT_EQ(Upd("B9"), kJobDatabaseError);
  std::vector<std::string> log = Messages();
  ASSERT_EQ(log.size(), 3u);
  EXPECT_EQ(log[1].rfind("Fehler in Fkt. SQLFetchIDS_Sel(). RC: -", 0), 0u) << log[1];
  EXPECT_EQ(log[2], "Import " + update_path + " fehlgeschlagen.");
  EXPECT_EQ(OutputFile, nullptr);
}

TEST_F(IdstammTest, SelectiveBadgeNumberIsBoundNotPastedIntoTheText) {
  Connect();
  ProductVersion = 5.9;
  EXPECT_EQ(Upd("x' or '1'='1"), kJobDone);
  EXPECT_EQ(File(update), "");
}

}  // namespace
