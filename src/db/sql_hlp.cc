// SQLHlp (see sql_hlp.h).
#include "db/sql_hlp.h"

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "base/env.h"
#include "base/fixed_text.h"
#include "db/config/ini_cipher.h"
#include "db/config/ini_file.h"
#include "db/db_statements.h"
#include "db/sql_runtime.h"
#include "runctl/run_log.h"

namespace {

// The credentials read by dbConnect, kept for dbReconnect.
FixedText<200> g_user;
FixedText<200> g_password;
FixedText<200> g_alias;

constexpr int kReconnectTries = 5;
constexpr long kReconnectWaitMs = 60000;

std::string IniPath() {
  return (std::filesystem::path("..") / ".." / "Files" / "Velorium.Ini").string();
}

void ReadSetting(const char* key, FixedText<200>& target) {
  ReadIniEntry("", key, 0, IniPath().c_str());
  target.Assign(IniEntry.value.view());
}

}  // namespace

int dbConnect() {
  g_user.Clear();
  g_password.Clear();
  g_alias.Clear();
  ReadSetting("NET8", g_alias);
  ReadSetting("LOGIN", g_user);
  ReadSetting("PASS", g_password);
  int status = dbOpenSession(g_user.c_str(), g_password.c_str(), g_alias.c_str(), kSystemSchema);
  if (status != 0) {
    LogMessage("Datenbankverbindung fehlgeschlagen, Fehler: %d", status);
    return status;
  }
  return 0;
}

int dbOpenSession(const char* user, const char* password, const char* alias, const char* schema) {
  // The connect text is not cut to a fixed buffer: a cut alias would name
  // another database, which is worse than any length.
  std::string connect_text = std::string(user) + "/" + password + "@" + alias;
  long status = sql::Connect(connect_text);
  if (status != sql::kOk) return static_cast<int>(status);
  return dbSetSchema(schema);
}

int dbSetSchema(const char* name) {
  if (!sql::IsSchemaName(name)) return static_cast<int>(sql::kInvalidName);
  FixedText<201> statement;
  statement.Format("ALTER SESSION SET CURRENT_SCHEMA=%s", name);
  return static_cast<int>(sql::Execute(statement.view()));
}

int dbReconnect() {
  for (long attempt = 1; attempt <= kReconnectTries; ++attempt) {
    dbDisconnect();
    LogMessage("%ld. Versuch zur Wiederherstellung der Datenbankverbindung!", attempt);
    int status = dbOpenSession(g_user.c_str(), g_password.c_str(), g_alias.c_str(), kSystemSchema);
    if (status == 0) {
      LogMessage("Die Verbindung zur Datenbank wurde wiederhergestellt!");
      return 1;
    }
    LogMessage("Fehler dbConnect(dbReconnect)! RC: %ld Versuch-Nr.: %ld", static_cast<long>(status), attempt);
    CurrentEnv().SleepMs(kReconnectWaitMs);
  }
  return 0;
}

int dbDisconnect() { return 0; }

long SQLGetProductVersion(const char* pattern, double& version) {
  FixedText<11> pattern_text(pattern);
  FixedText<5> result;
  std::int16_t indicator = 0;
  long status = sql::SelectInto(stmt::kProductVersion, {sql::In(pattern_text)},
                                {sql::Text(result, &indicator)});
  version = 0.0;
  if (status == sql::kOk) version = std::strtod(result.c_str(), nullptr);
  return status;
}
