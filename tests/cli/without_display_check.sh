#!/usr/bin/env bash
# The program's command line as a script would use it, with no display at
# all: exit codes, messages and the files it leaves. Usage: without_display_check.sh QUORVANE
set -uo pipefail
quorvane=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME=$work/home XDG_CONFIG_HOME=$work/home/.config TEMP=$work/temp
mkdir -p "$TEMP" "$XDG_CONFIG_HOME" "$work/out"
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

# expect STATUS NAME COMMAND...: runs it, keeps its standard error in $work/err
expect() {
  local status=$1 name=$2; shift 2
  "$@" >"$work/stdout" 2>"$work/err"
  local got=$?
  [[ $got -eq $status ]] || fail "$name: exit $got, not $status: $(cat "$work/err")"
}
saying() { grep -qF -- "$2" "$work/err" || fail "$1: no \"$2\" in: $(cat "$work/err")"; }

cat >"$work/acme.json" <<'JSON'
{"Name": "Acme Widgets", "Sales Price": "12.5", "Sales Volume": "1000", "Direct Material": "2.5",
 "Commission": "2", "Shipping": "1.1", "Supplies": "0.8", "Other Variable": "1.2",
 "Administrative Cost": "1200", "Insurance": "500", "Property Tax": "150", "Rent": "800",
 "Other Fixed Cost": "750"}
JSON

# The command everyone runs loads no GUI library; the desktop program beside it does the windows.
ldd "$quorvane" | grep -q 'libQt6\(Gui\|Widgets\)' && fail "the command-line program loads a GUI library"
[[ -x "$(dirname "$quorvane")/quorvane-desktop" ]] || fail "no desktop program beside $quorvane"
# Pictures are the picture program's, which loads the GUI library but not the window library.
[[ -x "$(dirname "$quorvane")/quorvane-picture" ]] || fail "no picture program beside $quorvane"
ldd "$(dirname "$quorvane")/quorvane-picture" | grep -q 'libQt6Widgets' && fail "the picture program loads the window library"
# Neither loads the .xlsx writer's libraries before an .xlsx is saved: the writer is the module beside them.
for program in "$quorvane" "$(dirname "$quorvane")"/quorvane-{desktop,picture}; do
  ldd "$program" | grep -q 'libxlsxwriter\|libcrypto' && fail "$(basename "$program") loads the .xlsx writer's libraries at start"
done

expect 0 version "$quorvane" --version
grep -qE '^quorvane [0-9]+\.[0-9]+\.[0-9]+$' "$work/stdout" || fail "version: $(cat "$work/stdout")"

expect 0 generate "$quorvane" generate --figures "$work/acme.json" --output "$work/out/acme.xls" --picture "$work/out/acme.png"
[[ -s $work/err ]] && fail "generate printed: $(cat "$work/err")"
[[ $(head -c 8 "$work/out/acme.xls" | od -An -tx1 | tr -d ' \n') == d0cf11e0a1b11ae1 ]] || fail "generate: no compound file"
[[ $(head -c 8 "$work/out/acme.png" | od -An -tx1 | tr -d ' \n') == 89504e470d0a1a0a ]] || fail "generate: no PNG"
[[ -z $(ls -A "$TEMP") ]] || fail "generate left in TEMP: $(ls -A "$TEMP")"

expect 0 "generate an .xlsx" "$quorvane" generate --figures "$work/acme.json" --output "$work/out/acme.xlsx"
[[ -s $work/err ]] && fail "generate an .xlsx printed: $(cat "$work/err")"
[[ $(head -c 4 "$work/out/acme.xlsx" | od -An -tx1 | tr -d ' \n') == 504b0304 ]] || fail "generate an .xlsx: no zip package"

expect 2 "a typo in a key" "$quorvane" generate --figures "$work/acme.json" --set "Sales price=3" --output "$work/out/typo.xls"
saying "a typo in a key" 'unknown key "Sales price" (did you mean "Sales Price"?)'
saying "a typo in a key" "Usage: quorvane generate"
[[ -e $work/out/typo.xls ]] && fail "a typo in a key wrote a file"

printf '{"Name": "x",\n "Rent": 800,}' >"$work/broken.json"
expect 2 "broken JSON" "$quorvane" generate --figures "$work/broken.json" --output "$work/out/broken.xls"
saying "broken JSON" "not valid JSON at line 2"

# A file-size limit: every write that outgrows it is reported, nothing is
# left behind, and the program is not killed by SIGXFSZ.
cp "$work/out/acme.xls" "$work/out/kept.xls"
expect 1 "a file-size limit" bash -c 'ulimit -f 12; exec "$0" generate --figures "$1" --output "$2"' \
  "$quorvane" "$work/acme.json" "$work/out/kept.xls"
saying "a file-size limit" "File too large"
saying "a file-size limit" "at line 156"
cmp -s "$work/out/acme.xls" "$work/out/kept.xls" || fail "a file-size limit changed the existing workbook"
[[ -z $(ls -A "$TEMP") ]] || fail "a file-size limit left in TEMP: $(ls -A "$TEMP")"

[[ $failures -eq 0 ]] && echo "all passed"
exit $((failures > 0))
