// The banner and usage text. The callers' scripts and operators know this
// text; it is kept byte for byte, including the blanks at some line ends.
#include "runctl/usage.h"

#include <string_view>

namespace {

constexpr int kBoxWidth = 60;

// "** " + text filled with blanks + "**", 60 characters.
std::string BoxLine(std::string_view text) {
  std::string line = "** ";
  line += text;
  line.resize(kBoxWidth - 2, ' ');
  return line + "**";
}

constexpr const char* kUsageLines[] = {
    "Befehlsformat: ",
    "SSTRxk_<DBSys>.exe  <Dateiname> <Dateityp>  [/D] ",
    "DBSys     : Datenbanksystem",
    "Dateiname : vollst\xE4ndiger Pfad und Name der Schnittstellendatei ",
    "Dateityp  : 20p  f. Datei MGSST20P",
    "            35p  f. Datei MGSST35P",
    "            41p  f. Datei MGSST41P",
    "            Mnd  f. Datei MNDSTAMM",
    "            IDN  f. Datei IDStamm",
    "            SLD  f. Datei SALDO",
    "            KST  f. Datei Kostenst",
    "            BKL  f. Berechtigungsklassen",
    "            FTG  f. Feiertage",
    "            MST  f. Mitarbeiterstatus",
    "            MDT  f. Mitarbeiterdetail",
    "            FCD  f. Funktionscodes",
    "            xxx  (14 stellig) f. selektive Erstellung",
    "/D        : DebugFlag, optional, Ausgabe von Meldungen im DOS-Fenster",
    "",
    "SSTRxk.EXE ../Transfer/Portavis/mgsst35p.imp  35p  /D  ",
    "",
};

}  // namespace

std::string UsageText() {
  const std::string stars(kBoxWidth, '*');
  std::string text = "\n";
  text += stars + "\n";
  text += BoxLine("sstrxk - Export Velorium RXK nach Portavis") + "\n";
  text += BoxLine("Projekt     : Portavis") + "\n";
  text += BoxLine("Tool        : von RXK") + "\n";
  text += BoxLine("Beschreibung: Fuellt Schnittstellendatei xxxxxx.imp") + "\n";
  text += BoxLine("              mit Daten aus Velorium RXK") + "\n";
  text += stars + "\n";
  text += "\n";
  for (const char* line : kUsageLines) {
    text += line;
    text += "\n";
  }
  return text;
}
