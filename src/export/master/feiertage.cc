// The holiday file (see feiertage.h).
//
// Record, 302 characters:
//   1-255 terminal name, 256-260 licence number, 261-265 client number,
//   266-269 year YYYY, 270-277 date YYYYMMDD, 278-297 day text,
//   298 short text, 299-301 calendar number, 302 "x".
#include "export/master/feiertage.h"

#include "runctl/job_frame.h"
#include "runctl/run_state.h"

namespace {

FtgRow g_row;

long OpenHolidays() { return SQLOpenFtg(); }

long FetchAndWriteHoliday() {
  g_row = FtgRow();
  long status = SQLFetchFtg(g_row);
  if (status != 0) return status;
  g_row.licence.Assign(CurrentClient.licence.view());
  g_row.number.Assign(CurrentClient.number.view());
  TranslateHolidayText(g_row);
  Write_FTG(g_row);
  return status;
}

void CloseHolidays() { SQLCloseFtg(); }

bool HolidaysOfClient() {
  static const CursorSteps kSteps{OpenHolidays, "Fehler in Fkt. SQLOpenFtg(). RC: %ld", FetchAndWriteHoliday,
                                  "Fehler in Fkt. SQLFetchFtg(). RC: %ld", CloseHolidays};
  return RunClientCursor(kSteps);
}

}  // namespace

void TranslateHolidayText(FtgRow& row) {
  // The key is the day type followed by "#", at most four characters.
  FixedText<5> key;
  key.Format("%s#", row.day_type.c_str());
  Di2Text translation;
  SQLReadDi2Txt(key.c_str(), "TT2TXT", row.language, translation);  // a failed lookup keeps the text
  if (!translation.empty()) row.text.Assign(translation.view());  // cut to the field's 20 characters
}

void Write_FTG(const FtgRow& row) {
  FixedText<400> line;
  line.Format("%-255s%-5s%-5s%-4s%-8s%-20s%-1s%-3sx", row.terminal.c_str(), row.licence.c_str(),
              row.number.c_str(), row.year.c_str(), row.date.c_str(), row.text.c_str(), row.short_text.c_str(),
              row.calendar.c_str());
  WriteRecordLine(line.view());
}

int Fill_FTG() {
  static const PerClientJob kJob{kOpenFailed, kFillingNoBlank, nullptr, kClientLine, HolidaysOfClient};
  return RunPerClientJob(kJob);
}
