#!/usr/bin/env bash
# A channel list sent through a real spreadsheet: quelmar-cli exports the lists of a
# database whose names a spreadsheet likes to change ("=1+2", "0044", "+49", "-5",
# "@A1", "123", "1e5", "12:30", "1/2", "(5)", "Jan 5", "false"), LibreOffice Calc opens the CSV and saves it as CSV again, and applying
# the result with --take-names must leave the database exactly as it was.
#   calc_round_trip.sh QUELMAR_CLI
# Exits 77 (skipped) when LibreOffice is not installed.
set -euo pipefail
cli=$1
soffice=$(command -v soffice || command -v libreoffice || true)
if [ -z "$soffice" ]; then
  echo "soffice not found (Debian libreoffice-calc-nogui); skipped"
  exit 77
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work"

"$cli" sample demo.qdb >/dev/null
"$cli" export --format json demo.qdb -o demo.json
python3 - <<'PY'
import json
with open("demo.json", encoding="utf-8") as f:
    d = json.load(f)
names = ["=1+2", "0044", "+49 TV", "-5", "@A1", "123", "007", "Say \"hi\"", "1e5", "12:30", "1/2", "(5)",
         "Jan 5", "false", "1,500", "50%", "3 PM", "$5", "1:2:3"]
tv = d["tvList"]["entries"]
for slot, name in zip(tv, names):
    p = d["programs"][slot]
    p.pop("nameTail", None)
    p["name"] = name
with open("tricky.json", "w", encoding="utf-8") as f:
    json.dump(d, f)
PY
"$cli" import --format json tricky.json -o tricky.qdb
"$cli" export --format csv tricky.qdb -o lists.csv

# Open and save as a person would: comma separated, UTF-8 (76), quoted text.
mkdir calc
HOME="$work" "$soffice" --headless --norestore --infilter="CSV:44,34,76,1" \
  --convert-to 'csv:Text - txt - csv (StarCalc):44,34,76,1' --outdir calc lists.csv >/dev/null 2>&1
test -s calc/lists.csv

"$cli" import --format csv --take-names calc/lists.csv tricky.qdb -o back.qdb
if ! "$cli" diff tricky.qdb back.qdb; then
  echo "the spreadsheet's copy changed the database:"
  grep -n . calc/lists.csv | head -12
  exit 1
fi
echo "the names came back unchanged through $("$soffice" --version 2>/dev/null | head -1)"
