// The balance file SALDO (see saldo.h).
//
// Record, 432 characters, each field left-aligned and filled with blanks:
//     1-50  Idn  badge number (ASWNUM)
//    51-58  Sto  the badge's site number (AWVSTO)
//    59-63  Liz  licence number (ASWLIZ)
//    64-68  Mnd  client number (ASWMND)
//    69-76  W01  date of the last balance day, yyyymmdd
//    77-86  W02  balance sum SA1, hours and minutes      default "      0,00"
//    87-96  W03  vacation carry-over UVJ                  default "      0,00"
//   97-106  W04  ULJ                                      default "      0,00"
//  107-116  W05  vacation days UGE                        default "      0,00"
//  117-126  W06  UVP                                      default "      0,00"
//  127-136  W07  URS                                      default "      0,00"
//  137-146  W08  UAN                                      default "      0,00"
//  147-206  W09-W14  balance sums SA2 ... SA7, hours and minutes, 10 each
//  207-216  W15  SA1 + SA2, hours and minutes             default "      0,00"
//  217-226  W16  SA2 + SA3, hours and minutes             default "      0,00"
//  227-426  F01-F10  summary fields, 20 each: title (12) and value (8);
//                F10 holds the premium text at the premium site
//  427-431  Amp  traffic-light value, right-aligned       default "   -1"
//      432  "x"
#include "export/balance/saldo.h"

#include <array>

#include "export/balance/praemien.h"
#include "export/balance/saldo_mapping.h"
#include "export/sql/saldo_sql.h"
#include "runctl/job_frame.h"
#include "runctl/run_log.h"
#include "runctl/run_state.h"

namespace {

constexpr char kZero[] = "      0,00";

// Whether the mapping file gave at least one entry; set at the job's start.
bool g_flexible = false;

// One value source with its failure message.
struct ValueSource {
  long (*get)(const char* person, SaldoRecord& record, SaldoValues& values);
  const char* message;
};

constexpr std::array<ValueSource, 5> kSources{{
    {SQLGetUrlaubsvortraege, "Fehler Urlaubsvortraege einlesen: Pnr: %s RC: %ld"},
    {SQLGetUrlaubstage, "Fehler Urlaubstage einlesen: Pnr: %s RC: %ld"},
    {SQLGetSchichtfreizeit, "Fehler Schichtfreizeit einlesen: Pnr: %s RC: %ld"},
    {SQLGetSaldenwerte, "Fehler Saldenwerte einlesen: Pnr: %s RC: %ld"},
    {SQLGetAmpelkonto, "Fehler Ampelkonto einlesen: Pnr: %s RC: %ld"},
}};

void ReadMapping() {
  g_flexible = ReadSaldoMapping();
  LogMessage("Flexible Saldenwerte: %s", g_flexible ? "YES" : "NO");
}

// Fills and writes the line of one fetched badge. False when a source
// failed (logged); the badge's line is then not written.
bool WriteBadge(const SaldoPerson& person, SaldoRecord& record) {
  SaldoValues values;  // zeros, traffic-light value -1
  for (const ValueSource& source : kSources) {
    long status = source.get(person.c_str(), record, values);
    if (status != 0 && status != 1403) {
      LogMessage(source.message, person.c_str(), status);
      return false;
    }
  }
  if (g_flexible) ApplySaldoMapping(record, values);
  if (!PraemienTable.empty()) FindPraemiendaten(person.c_str(), record);
  WriteSaldoRecord(record);
  return true;
}

// The work for the current client: premium data at the premium site, then
// one line per badge. False when the job is marked failed.
bool ExportClient() {
  if (CurrentClient.site == kPraemienSite && !ReadPraemiendaten()) {
    LogMessage("Praemiensystemdaten konnte nicht ermittelt werden.");
  }
  long status = SQLOpenSald(CurrentClient.number.c_str());
  if (status != 0) {
    LogMessage("Fehler in Fkt. SQLOpenSald(). RC: %ld", status);
    ClearPraemiendaten();
    return false;
  }
  bool failed = false;
  for (;;) {
    SaldoPerson person;
    SaldoRecord record;
    InitSaldoRecord(record);
    status = SQLFetchSald(record, person);
    if (status == 1403) break;
    if (status != 0) {
      LogMessage("Fehler SQLFetchSald RC: %ld", status);
      failed = true;
      break;
    }
    if (!WriteBadge(person, record)) {
      failed = true;
      break;
    }
  }
  SQLCloseSald();
  ClearPraemiendaten();
  return !failed;
}

}  // namespace

void InitSaldoRecord(SaldoRecord& record) {
  record = SaldoRecord();
  for (FixedText<11>* w : {&record.W02, &record.W03, &record.W04, &record.W05, &record.W06, &record.W07, &record.W08,
                           &record.W09, &record.W10, &record.W11, &record.W12, &record.W13, &record.W14, &record.W15,
                           &record.W16}) {
    w->Assign(kZero);
  }
  record.Amp.Assign("   -1");
}

std::string SaldoLine(const SaldoRecord& r) {
  FixedText<440> line;
  line.Format(
      "%-50s%-8s%-5s%-5s%-8s"
      "%-10s%-10s%-10s%-10s%-10s%-10s%-10s%-10s%-10s%-10s%-10s%-10s%-10s%-10s%-10s"
      "%-20s%-20s%-20s%-20s%-20s%-20s%-20s%-20s%-20s%-20s"
      "%-5sx",
      r.Idn.c_str(), r.Sto.c_str(), r.Liz.c_str(), r.Mnd.c_str(), r.W01.c_str(), r.W02.c_str(), r.W03.c_str(),
      r.W04.c_str(), r.W05.c_str(), r.W06.c_str(), r.W07.c_str(), r.W08.c_str(), r.W09.c_str(), r.W10.c_str(),
      r.W11.c_str(), r.W12.c_str(), r.W13.c_str(), r.W14.c_str(), r.W15.c_str(), r.W16.c_str(), r.F01.c_str(),
      r.F02.c_str(), r.F03.c_str(), r.F04.c_str(), r.F05.c_str(), r.F06.c_str(), r.F07.c_str(), r.F08.c_str(),
      r.F09.c_str(), r.F10.c_str(), r.Amp.c_str());
  return line.str();
}

void WriteSaldoRecord(const SaldoRecord& record) { WriteRecordLine(SaldoLine(record)); }

int Fill_SALDO() {
  ClearPraemiendaten();
  static const PerClientJob kJob{kOpenFailed, kFilling, ReadMapping, kClientLine, ExportClient};
  return RunPerClientJob(kJob);
}
