// The badge master file IDSTAMM (see idstamm.h).
//
// Record, 367 characters:
//   1-50 badge number, 51-58 AWVSTO, 59-66 valid from yyyymmdd, 67-74 valid
//   to yyyymmdd or blanks, 75-82 personnel number, 83-132 name, 133-137
//   language, 138-142 permission class, 143-174 PIN, 175-179 AWVCOD,
//   180-184 ASWGRP, 185-189 licence number, 190-194 client number,
//   195-196 ASWATP, 197-246 ASWAAN, 247-248 PNRMTA, 249-258 PNRSAL,
//   259-263 reserved (blanks), 264-268 badge status, 269-282 ASWDAT
//   yyyymmddhh24miss, 283-332 ASWERF, 333 BSVMAP digit or blank, 334-363 cost
//   centre or blanks, 364-366 calendar or blanks, 367 "x".
//
// Cost centre and calendar come from the holder's PERSONALSTAMM row; which
// lookup runs depends on ProductVersion: from 5.9 on both, from 5.4 on the
// cost centre only. Below 5.4 the full export reads nothing there, while the
// selective writer still reads the cost centre.
#include "export/master/idstamm.h"

#include "db/sql_backend.h"
#include "runctl/job_frame.h"
#include "runctl/run_log.h"
#include "runctl/run_state.h"

namespace {

constexpr char kUpdateFileName[] = "//idstamm_upd.imp";

IdsRow g_row;

enum class KstLookup { kNone, kKst, kKstKal };

KstLookup FullExportLookup() {
  if (ProductVersion >= 5.9) return KstLookup::kKstKal;
  if (ProductVersion >= 5.4) return KstLookup::kKst;
  return KstLookup::kNone;
}

KstLookup SelectiveLookup() { return ProductVersion >= 5.9 ? KstLookup::kKstKal : KstLookup::kKst; }

// The holder lookups succeed with a row (0) and without one (1403).
bool LookupOk(long status) { return status == sql::kOk || status == sql::kNoData; }

long OpenBadges() { return SQLOpenIDS(); }

// One badge of the full export: fetch, cost-centre lookup by version, record.
// Logs its own failures, so the frame needs no fetch message.
long FetchAndWriteBadge() {
  g_row = IdsRow();
  long status = SQLFetchIDS(g_row);
  if (status == sql::kNoData) return status;
  if (status != sql::kOk) {
    LogMessage("Fehler in Fkt. SQLFetchIDS(). RC: %ld", status);
    return status;
  }
  switch (FullExportLookup()) {
    case KstLookup::kKstKal:
      status = SQLReadKstKal(g_row);
      if (!LookupOk(status)) {
        LogMessage("Fehler in Fkt. SQLReadKstKal(). RC: %ld", status);
        return status;
      }
      break;
    case KstLookup::kKst:
      status = SQLReadKst(g_row);
      if (!LookupOk(status)) {
        LogMessage("Fehler in Fkt. SQLReadKst(). RC: %ld", status);
        return status;
      }
      break;
    case KstLookup::kNone:
      break;
  }
  Write_IDSTAMM(g_row);
  return sql::kOk;
}

void CloseBadges() { SQLCloseIDS(); }

bool BadgesOfClient() {
  static const CursorSteps kSteps{OpenBadges, "Fehler in Fkt. SQLOpenIDS(). RC: %ld", FetchAndWriteBadge, nullptr,
                                  CloseBadges};
  return RunClientCursor(kSteps);
}

}  // namespace

void Write_IDSTAMM(const IdsRow& row) {
  FixedText<1000> line;
  line.Format("%-50s%-8s%-8s%-8s%-8s%-50s%-5s%-5s%-32s%-5s%-5s%-5s%-5s%-2s%-50s%-2s%-10s%-5s%-5s%-14s%-50s%-1s%-30s%-3sx",
              row.badge.c_str(), row.awvsto.c_str(), row.valid_from.c_str(), row.valid_to.c_str(),
              row.person.c_str(), row.name.c_str(), row.language.c_str(), row.perm_class.c_str(),
              row.pin.c_str(), row.awvcod.c_str(), row.aswgrp.c_str(), row.licence.c_str(), row.client.c_str(),
              row.aswatp.c_str(), row.aswaan.c_str(), row.pnrmta.c_str(), row.pnrsal.c_str(),
              row.reserved.c_str(), row.status.c_str(), row.changed.c_str(), row.changed_by.c_str(),
              row.bsvmap.c_str(), row.cost_centre.c_str(), row.calendar.c_str());
  WriteRecordLine(line.view());
}

int Fill_IDSTAMM() {
  static const PerClientJob kJob{kOpenFailed, kFilling, nullptr, kClientLine, BadgesOfClient};
  return RunPerClientJob(kJob);
}

int Fill_IDSTAMM_Upd(const char* badge) {
  if (badge == nullptr) badge = "";
  FixedText<300> path;
  path.Format("%s%s", OutputPath.c_str(), kUpdateFileName);
  if (!OpenSelectiveFile(path.c_str(), FirstWrite.idstamm, kOpenFailed)) return kJobFileNotOpened;
  LogMessage("Importdatei: %s fuellen  Ausweisnummer: %s", path.c_str(), badge);

  long status = SQLOpenIDS_Sel(badge);
  if (status != sql::kOk) {
    LogMessage("Fehler in Fkt. SQLOpenIDS_Sel(). RC: %ld", status);
    CloseOutputFile();
    return kJobDatabaseError;
  }
  bool failed = false;
  for (;;) {
    g_row = IdsRow();
    status = SQLFetchIDS_Sel(g_row);
    if (status == sql::kNoData) break;
    if (status != sql::kOk) {
      LogMessage("Fehler in Fkt. SQLFetchIDS_Sel(). RC: %ld", status);
      failed = true;
      break;
    }
    status = SelectiveLookup() == KstLookup::kKstKal ? SQLReadKstKal(g_row) : SQLReadKst(g_row);
    if (!LookupOk(status)) {
      LogMessage("Fehler in Fkt. SQLReadKst(Kal)(). RC: %ld", status);
      failed = true;
      break;
    }
    Write_IDSTAMM(g_row);
  }
  SQLCloseIDS_Sel();
  CloseOutputFile();
  return FinishImport(failed, path.c_str());
}
