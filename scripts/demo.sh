#!/usr/bin/env bash
# Builds sstrxk, builds the sample embedded database from the SQL text in
# sample/, lays out an installation tree in demo/ and writes interface files
# there, showing each file and the run log.
#
#   demo/Files/Velorium.Ini        enciphered alias, login, password
#   demo/Velorium_php/log/         run log sstrxk.log
#   demo/db/                       the embedded database (one file per schema)
#   demo/work/run/                 working directory, two levels down
#   demo/transfer/                 the interface files
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build >/dev/null
cmake --build build -j"$(nproc 2>/dev/null || echo 2)" >/dev/null

demo=demo
rm -rf "$demo"
mkdir -p "$demo/Files" "$demo/Velorium_php/log" "$demo/work/run" "$demo/transfer"
build/tools/sampledb/sstrxk-sampledb sample "$demo/db"
ini="$demo/Files/Velorium.Ini"
build/tools/ini/sstrxk-ini set "$ini" NET8 "sqlite:../../db"
build/tools/ini/sstrxk-ini set "$ini" LOGIN demo
build/tools/ini/sstrxk-ini set "$ini" PASS geheim
echo "== $ini (as the exporter reads it)"
build/tools/ini/sstrxk-ini list "$ini"

# The sample data is built around this day.
export SSTRXK_FIXED_DATE="2024-06-17 09:00:00"
sstrxk="$PWD/build/sstrxk"
run() {  # run <file> <type>
  local status=0
  (cd "$demo/work/run" && "$sstrxk" "../../transfer/$1" "$2") || status=$?
  echo "== sstrxk ../../transfer/$1 $2: exit code $status"
  if [ -f "$demo/transfer/$1" ]; then
    # Windows-1252 bytes shown as UTF-8, CR LF line ends shown as "|".
    iconv -f WINDOWS-1252 -t UTF-8 "$demo/transfer/$1" | sed 's/\r$/|/'
  fi
}
# The balance export reads its mapping file from the working directory and,
# for the premium site, the premium file from the transfer directory.
mkdir -p "$demo/transfer/KWPL"
[ -f sample/files/SaldoRXK.ini ] && cp sample/files/SaldoRXK.ini "$demo/work/run/"
[ -f sample/files/PraemienKWPL.txt ] && cp sample/files/PraemienKWPL.txt "$demo/transfer/KWPL/"

run mndstamm.imp MND
run idstamm.imp IDN
run kostenst.imp KST
run feiertage.imp FTG
run mitarbeiterstatus.imp MST
run mitarbeiterdetail.imp MDT
run funktionscodes.imp FCD
run mgsst20p.imp 20P
run mgsst35p.imp 35P
run mgsst41p.imp 41P
run aswbkl.imp BKL
run saldo.imp SLD

# The selective export: the badges queued under a download key, into five
# update files in the directory given as file name.
key=DEMOKEY0000001
status=0
(cd "$demo/work/run" && "$sstrxk" ../../transfer "$key") || status=$?
echo "== sstrxk ../../transfer $key: exit code $status"
for f in idstamm_upd.imp aswbkl_upd.imp mgsst20p_upd.imp mgsst35p_upd.imp mgsst41p_upd.imp; do
  if [ -f "$demo/transfer/$f" ]; then
    echo "-- $f"
    iconv -f WINDOWS-1252 -t UTF-8 "$demo/transfer/$f" | sed 's/\r$/|/'
  fi
done
echo "== $demo/Velorium_php/log/sstrxk.log"
cat "$demo/Velorium_php/log/sstrxk.log"
