// The database session of a run against the embedded database: credentials
// from the enciphered configuration, the system schema, reconnect tries.
#include <gtest/gtest.h>

#include "install_tree.h"

namespace {

TEST(SessionE2E, MissingConfigurationEndsWith99AfterFiveReconnectTries) {
  InstallTree tree;  // no Velorium.Ini
  EXPECT_EQ(tree.RunInProcess({"out.imp", "MND"}), 99);
  std::vector<std::string> log = tree.LogMessages();
  ASSERT_EQ(log.size(), 1u + 5u * 2u);
  EXPECT_EQ(log[0], "Datenbankverbindung fehlgeschlagen, Fehler: -12154");
  EXPECT_EQ(log[1], "1. Versuch zur Wiederherstellung der Datenbankverbindung!");
  EXPECT_EQ(log[2], "Fehler dbConnect(dbReconnect)! RC: -12154 Versuch-Nr.: 1");
  EXPECT_EQ(log[10], "Fehler dbConnect(dbReconnect)! RC: -12154 Versuch-Nr.: 5");
  EXPECT_EQ(tree.waits, std::vector<long>(5, 60000));
}

TEST(SessionE2E, DatabaseWithoutSystemSchemaCannotBeOpened) {
  InstallTree tree;
  tree.WriteStandardConfig();  // the db directory exists but holds no VLSYSTEM.db
  EXPECT_EQ(tree.RunInProcess({"out.imp", "MND"}), 99);
  EXPECT_EQ(tree.LogMessages().at(0), "Datenbankverbindung fehlgeschlagen, Fehler: -1435");
}

TEST(SessionE2E, OracleAliasIsNotAvailable) {
  InstallTree tree;
  tree.SetConfig("NET8", "VELO_PROD");
  tree.SetConfig("LOGIN", "velorium");
  tree.SetConfig("PASS", "x");
  EXPECT_EQ(tree.RunInProcess({"out.imp", "MND"}), 99);
  EXPECT_EQ(tree.LogMessages().at(0), "Datenbankverbindung fehlgeschlagen, Fehler: -12154");
}

}  // namespace
