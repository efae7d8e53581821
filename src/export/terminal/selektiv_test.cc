// The selective export in-process: repeated calls rewrite the update files,
// every failure with its messages, its result and the writers not called,
// queue rows without badge, classes without control area, values too long
// to be used, the bound key, and allocation failures of both lists.
#include "export/terminal/selektiv.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "export/sql/terminal_statements.h"
#include "export/terminal/allocation_failure_for_test.h"
#include "export/terminal/aswbkl.h"
#include "export/terminal/terminal_test_fixture.h"
#include "runctl/run_state.h"

namespace fs = std::filesystem;

namespace terminal_test {
namespace {

constexpr char kKey[] = "SELKEY00000001";  // 10000001 (classes C3, C5), then 20000001 (C2)

// The badge numbers (columns 1-50) of the records of a badge master file.
std::vector<std::string> Badges(const std::string& file) {
  std::vector<std::string> badges;
  for (std::size_t pos = 0; pos < file.size();) {
    std::size_t end = file.find("\r\n", pos);
    if (end == std::string::npos) break;
    std::string badge = file.substr(pos, 50);
    badges.push_back(badge.substr(0, badge.find(' ')));
    pos = end + 2;
  }
  return badges;
}

class SelektivTest : public TerminalTest {
 protected:
  // The five files as a whole run for kKey leaves them.
  void ExpectCompleteRunForKey() {
    EXPECT_EQ(Badges(File(Upd("idstamm_upd.imp"))), (std::vector<std::string>{"10000001", "20000001"}));
    EXPECT_EQ(File(Upd("aswbkl_upd.imp")),
              RecordBkl("10000001", "C3", "00001", "1", "0") + RecordBkl("10000001", "C5", "00001", "1", "1") +
                  RecordBkl("20000001", "C2", "00001", "2", "1"));
    EXPECT_EQ(File(Upd("mgsst20p_upd.imp")), Plan20P_A1() + Plan20P_A2() + Plan20P_A1());
    EXPECT_EQ(File(Upd("mgsst35p_upd.imp")), Plan35P_A1() + Plan35P_A2() + Plan35P_A1());
    EXPECT_EQ(File(Upd("mgsst41p_upd.imp")), Plan41P_A1() + Plan41P_A2() + Plan41P_A1());
  }
};

TEST_F(SelektivTest, EveryCallRewritesTheFilesItTouches) {
  EXPECT_EQ(Fill_Selektiv(kKey), 0);
  ExpectCompleteRunForKey();
  EXPECT_EQ(Log().back(), "Selektiver Import fertig.");
  // A second call in the same process, as run control's next attempt would
  // make it: the files are replaced, not added to.
  EXPECT_EQ(Fill_Selektiv(kKey), 0);
  ExpectCompleteRunForKey();
  EXPECT_EQ(CurrentSchema.str(), "MANDANT2");  // the last queue row's client
  EXPECT_EQ(CurrentClient.number.str(), "2");
  EXPECT_TRUE(AswBklList.empty());
}

TEST_F(SelektivTest, KeyIsBound) {
  EXPECT_EQ(Fill_Selektiv("XY' OR 'A'<>'B"), 0);
  EXPECT_EQ(Badges(File(Upd("idstamm_upd.imp"))), std::vector<std::string>{"20000001"});
  EXPECT_EQ(File(Upd("aswbkl_upd.imp")), RecordBkl("20000001", "C2", "00001", "2", "1"));
  ASSERT_FALSE(backend->opened.empty());
  EXPECT_EQ(backend->opened[0].first, stmt::kVlsAswDnl);
  EXPECT_EQ(backend->opened[0].second, std::vector<std::string>{"XY' OR 'A'<>'B"});
}

TEST_F(SelektivTest, QueueRowWithoutBadgeSwitchesTheSchemaAndCallsNoWriter) {
  Sql("VLSYSTEM", "INSERT INTO VLSASWDNL (DNLKEY, DNLLFD, DNLMND, DNLLIZ) VALUES ('NOBADGE0000001', 1, '2', '00001');");
  EXPECT_EQ(Fill_Selektiv("NOBADGE0000001"), 0);
  EXPECT_TRUE(UpdFiles().empty());
  EXPECT_EQ(CurrentSchema.str(), "MANDANT2");
  EXPECT_EQ(CurrentClient.number.str(), "2");
  EXPECT_EQ(backend->executed, std::vector<std::string>{"ALTER SESSION SET CURRENT_SCHEMA=MANDANT2"});
  EXPECT_EQ(Log(), std::vector<std::string>{"Selektiver Import fertig."});
}

TEST_F(SelektivTest, ClassWithoutControlAreaIsSkipped) {
  // D1 is a door-release class: its rules name no control area.
  Sql("VLSYSTEM",
      "INSERT INTO VLS301BKL VALUES ('10000002', 'D1', '00001', '1', '1', unixepoch('2024-01-01')/86400.0, NULL);"
      "INSERT INTO VLSASWDNL (DNLKEY, DNLLFD, DNLMND, DNLLIZ, DNLASW) VALUES ('DOORONLY000001', 1, '1', '00001', "
      "'10000002');");
  EXPECT_EQ(Fill_Selektiv("DOORONLY000001"), 0);
  EXPECT_EQ(UpdFiles(), (std::vector<std::string>{"aswbkl_upd.imp", "idstamm_upd.imp"}));
  EXPECT_EQ(File(Upd("aswbkl_upd.imp")), RecordBkl("10000002", "D1", "00001", "1", "1"));
}

// One failure of the selective export.
struct SelectiveFault {
  const char* name;
  Fault fault;             // text "" for none
  const char* blocked;     // an update file that is a directory (not empty, so
                           // that it cannot be removed either); "" none
  int result;
  std::vector<std::string> files;      // the update files afterwards
  std::vector<std::string> last_log;   // the last messages
};

TEST_F(SelektivTest, FailuresEndTheExportWithTheFailingWritersResult) {
  const SelectiveFault cases[] = {
      {"queue open", {stmt::kVlsAswDnl, "", true, -1, -942}, "", 2, {},
       {"Fehler in Fkt. SQLOpenVlsAswDnl(). RC: -942"}},
      {"queue fetch", {stmt::kVlsAswDnl, "", false, 1, -20001}, "", 2, {},
       {"Fehler in Fkt. SQLFetchVlsAswDnl(). RC: -20001", "Selektiver Import fehlgeschlagen."}},
      {"schema lookup", {stmt::kGetSchema, "", true, -1, -2112}, "", 2, {},
       {"Fehler bei der Funktion SQLGetSchema(). RC: -2112", "Selektiver Import fehlgeschlagen."}},
      {"badge master writer", {}, "idstamm_upd.imp", 1, {"idstamm_upd.imp"},
       {"Fehler in Fill_IDSTAMM_Upd(). RC: 1", "Selektiver Import fehlgeschlagen."}},
      {"class writer", {stmt::kAswBkl_Sel, "", true, -1, -942}, "", 2, {"aswbkl_upd.imp", "idstamm_upd.imp"},
       {"Fehler in Fkt. SQLOpenAswBkl_Sel(). RC: -942", "Fehler in Fill_AswBkl_Upd(). RC: 2",
        "Selektiver Import fehlgeschlagen."}},
      {"control-area open", {stmt::kZKOzurBKL, "", true, -1, -942}, "", 2, {"aswbkl_upd.imp", "idstamm_upd.imp"},
       {"Fehler in SQLOpenZKOzurBKL(). RC: -942", "Selektiver Import fehlgeschlagen."}},
      {"control-area fetch", {stmt::kZKOzurBKL, "", false, 0, -20001}, "", 2, {"aswbkl_upd.imp", "idstamm_upd.imp"},
       {"Fehler in SQLFetchZKOzurBKL(). RC: -20001", "Selektiver Import fehlgeschlagen."}},
      {"20P writer", {stmt::kS20P_Sel, "", true, -1, -942}, "", 2,
       {"aswbkl_upd.imp", "idstamm_upd.imp", "mgsst20p_upd.imp"},
       {"Fehler in Fkt. SQLOpenS20P_Sel(). RC: -942", "Fehler in Fill_MGSST20P_Upd(). RC: 2",
        "Selektiver Import fehlgeschlagen."}},
      {"35P writer", {stmt::kS35P_Sel, "", true, -1, -942}, "", 2,
       {"aswbkl_upd.imp", "idstamm_upd.imp", "mgsst20p_upd.imp", "mgsst35p_upd.imp"},
       {"Fehler in Fkt. SQLOpenS35P_Sel(). RC: -942", "Fehler in Fill_MGSST35P_Upd(). RC: 2",
        "Selektiver Import fehlgeschlagen."}},
      {"41P writer", {}, "mgsst41p_upd.imp", 1,
       {"aswbkl_upd.imp", "idstamm_upd.imp", "mgsst20p_upd.imp", "mgsst35p_upd.imp", "mgsst41p_upd.imp"},
       {"Fehler in Fill_MGSST41P_Upd(). RC: 1", "Selektiver Import fehlgeschlagen."}},
  };
  for (const SelectiveFault& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(out);
    fs::create_directories(out);
    fs::remove(root / "sstrxk.log");
    backend->faults.clear();
    if (!c.fault.text.empty()) backend->faults.push_back(c.fault);
    if (*c.blocked != '\0') fs::create_directories(Upd(c.blocked) / "keep");
    EXPECT_EQ(Fill_Selektiv(kKey), c.result);
    EXPECT_EQ(UpdFiles(), c.files);
    std::vector<std::string> log = Log();
    ASSERT_GE(log.size(), c.last_log.size());
    EXPECT_EQ(std::vector<std::string>(log.end() - static_cast<long>(c.last_log.size()), log.end()), c.last_log);
    if (c.last_log.size() == 1) {
      EXPECT_EQ(log.size(), 1u);  // the queue's own failures log nothing else
    }
    EXPECT_TRUE(AswBklList.empty());
    EXPECT_EQ(OutputFile, nullptr);
  }
}

TEST_F(SelektivTest, WriterFailingPartWayKeepsWhatWasWrittenAndCallsNoLaterWriter) {
  // 35P fails for A1, the first area of the first badge: 20P holds A1's
  // records, 41P is never called, the second queue row is not exported.
  AddFault({stmt::kS35P_Sel, "A1", true, -1, -942});
  EXPECT_EQ(Fill_Selektiv(kKey), 2);
  EXPECT_EQ(Badges(File(Upd("idstamm_upd.imp"))), std::vector<std::string>{"10000001"});
  EXPECT_EQ(File(Upd("mgsst20p_upd.imp")), Plan20P_A1());
  EXPECT_EQ(File(Upd("mgsst35p_upd.imp")), "");
  EXPECT_FALSE(fs::exists(Upd("mgsst41p_upd.imp")));
}

TEST_F(SelektivTest, ValuesTooLongToBeUsedAreErrorsNotCut) {
  Sql("VLSYSTEM",
      "INSERT INTO VLS112MND VALUES ('00001', '7', 'Lang', '0', NULL, NULL, 0, 'SCHEMA_NAME_OF_21_CHR', '1');"
      "INSERT INTO VLS404ZBR VALUES ('CX', 'AREA66', 1, 11, NULL, NULL);"
      "INSERT INTO VLS301BKL VALUES ('NOBADGE1', 'CX', '00001', '1', '1', unixepoch('2024-01-01')/86400.0, NULL),"
      "  ('NOBADGE2', 'CLASS6', '00001', '1', '1', unixepoch('2024-01-01')/86400.0, NULL);"
      "INSERT INTO VLSASWDNL (DNLKEY, DNLLFD, DNLMND, DNLLIZ, DNLASW) VALUES "
      "  ('LONGBADGE00001', 1, '1', '00001', '" + std::string(50, '9') + "'),"
      "  ('LONGSCHEMA0001', 1, '7', '00001', 'X'),"
      "  ('LONGAREA000001', 1, '1', '00001', 'NOBADGE1'),"
      "  ('LONGCLASS00001', 1, '1', '00001', 'NOBADGE2');");
  const struct {
    const char* key;
    int result;
    const char* message;
  } cases[] = {
      {"LONGBADGE00001", 2, "Fehler in Fkt. SQLFetchVlsAswDnl(). RC: -1406"},
      {"LONGSCHEMA0001", 2, "Fehler bei der Funktion SQLGetSchema(). RC: -1406"},
      {"LONGAREA000001", 2, "Fehler in SQLFetchZKOzurBKL(). RC: -1406"},
      {"LONGCLASS00001", 2, "Fehler in Fkt. SQLFetchAswBkl_Sel(). RC: -1406"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    fs::remove(root / "sstrxk.log");
    EXPECT_EQ(Fill_Selektiv(c.key), c.result);
    std::vector<std::string> log = Log();
    EXPECT_NE(std::find(log.begin(), log.end(), c.message), log.end());
    EXPECT_EQ(log.back(), "Selektiver Import fehlgeschlagen.");
    EXPECT_FALSE(fs::exists(Upd("mgsst20p_upd.imp")));
  }
}

TEST_F(SelektivTest, QueueThatCannotGrowGivesResultThreeAndNothingElse) {
  Sql("VLSYSTEM",
      "INSERT INTO VLSASWDNL (DNLKEY, DNLLFD, DNLMND, DNLLIZ) "
      "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000) "
      "SELECT 'MANYROWS000001', i, '1', '00001' FROM n;");
  int result = 0;
  {
    ScopedAllocationFailure fail(64 * 1024);  // far more than the other allocations, far less than 1000 rows
    result = Fill_Selektiv("MANYROWS000001");
  }
  EXPECT_EQ(result, 3);
  EXPECT_EQ(Log(), std::vector<std::string>{"Fehler Speicherallokierung in Fill_SelAswDnl()!"});
  EXPECT_TRUE(backend->executed.empty());  // no queue row was exported

  // The queue cursor was closed: with memory back, the queue goes through.
  EXPECT_EQ(Fill_Selektiv("MANYROWS000001"), 0);
  EXPECT_EQ(backend->executed.size(), 1000u);
}

TEST_F(SelektivTest, ClassListThatCannotGrowGivesTheClassWritersResultThree) {
  Sql("VLSYSTEM",
      "INSERT INTO VLS301BKL "
      "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000) "
      "SELECT '10000002', printf('K%04d', i), '00001', '1', '1', unixepoch('2024-01-01')/86400.0, NULL FROM n;"
      "INSERT INTO VLSASWDNL (DNLKEY, DNLLFD, DNLMND, DNLLIZ, DNLASW) VALUES ('MANYCLASSES001', 1, '1', '00001', "
      "'10000002');");
  int result = 0;
  {
    ScopedAllocationFailure fail(64 * 1024);
    result = Fill_Selektiv("MANYCLASSES001");
  }
  EXPECT_EQ(result, 3);
  std::vector<std::string> log = Log();
  ASSERT_GE(log.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(log.end() - 3, log.end()),
            (std::vector<std::string>{"Fehler Speicherallokierung in Fill_AswBklUpd()!",
                                      "Fehler in Fill_AswBkl_Upd(). RC: 3", "Selektiver Import fehlgeschlagen."}));
  EXPECT_TRUE(AswBklList.empty());
  EXPECT_EQ(UpdFiles(), (std::vector<std::string>{"aswbkl_upd.imp", "idstamm_upd.imp"}));
}

}  // namespace
}  // namespace terminal_test
