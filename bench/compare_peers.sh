#!/usr/bin/env bash
# Times the command-line generation side by side with the two peer programs
# that write the same break-even workbook (a C program on libxlsxwriter, and
# Perl), in one run: hyperfine's medians (warm-up runs first, then RUNS runs
# each, the same output folder), the ratios against the peers, and each
# program's peak memory. Usage: bench/compare_peers.sh [RUNS]   (default 30)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-30}
peers_source=${QUORVANE_PEERS:-../shared/peers}

scripts/lib/install-packages.sh bench
work=build/compare-peers
rm -rf "$work"
mkdir -p "$work/out" "$work/temp"

# The peers' folder is read-only where this runs: they are built from a copy.
cp -r "$peers_source" "$work/peers"
chmod -R u+w "$work/peers"
make -s -C "$work/peers" >/dev/null

cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUORVANE_TESTS=OFF >/dev/null
cmake --build build/bench --target quorvane >/dev/null
quorvane=$PWD/build/bench/bin/quorvane

# The peers write the program's sample figures; so does this.
cat >"$work/sample.json" <<'JSON'
{"Name": "Smith & Sons, Inc.", "Sales Price": "12.5", "Sales Volume": "1000", "Direct Material": "2.5",
 "Commission": "2", "Shipping": "1.1", "Supplies": "0.8", "Other Variable": "1.2",
 "Administrative Cost": "1200", "Insurance": "500", "Property Tax": "150", "Rent": "800",
 "Other Fixed Cost": "750"}
JSON

export TEMP=$PWD/$work/temp
peer_c="$work/peers/xlsxwriter_breakeven $work/out/peer.xlsx"
peer_perl="perl $work/peers/writeexcel_breakeven.pl $work/out/peer.xls"
ours_xls="$quorvane generate --figures $work/sample.json --output $work/out/ours.xls"
ours_picture="$quorvane generate --figures $work/sample.json --output $work/out/ours.xls --picture $work/out/ours.png"
ours_xlsx="$quorvane generate --figures $work/sample.json --output $work/out/ours.xlsx"

echo "Machine: $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"
hyperfine --shell=none --warmup 5 --runs "$runs" --style basic --export-json "$work/times.json" \
  -n libxlsxwriter "$peer_c" -n perl "$peer_perl" -n "quorvane .xls" "$ours_xls" \
  -n "quorvane .xls + picture" "$ours_picture" -n "quorvane .xlsx" "$ours_xlsx" >/dev/null

peak_rss() {  # peak_rss COMMAND...: the largest resident set in KiB, of five runs
  local best=0 kib
  for _ in 1 2 3 4 5; do
    /usr/bin/time -f %M -o "$work/rss.one" "$@" >/dev/null 2>&1
    kib=$(tail -1 "$work/rss.one")
    ((kib > best)) && best=$kib
  done
  echo "$best"
}
{
  echo "libxlsxwriter $(peak_rss $peer_c)"
  echo "perl $(peak_rss $peer_perl)"
  echo "quorvane .xls $(peak_rss $ours_xls)"
  echo "quorvane .xls + picture $(peak_rss $ours_picture)"
  echo "quorvane .xlsx $(peak_rss $ours_xlsx)"
} >"$work/rss.txt"

python3 - "$work/times.json" "$work/rss.txt" <<'PY'
import json, sys
results = {r["command"]: r for r in json.load(open(sys.argv[1]))["results"]}
rss = {}
for line in open(sys.argv[2]):
    name, kib = line.rsplit(" ", 1)
    rss[name] = int(kib)
c, perl = results["libxlsxwriter"]["median"], results["perl"]["median"]
print(f"{'':26} {'median':>9} {'user+sys':>9} {'peak RSS':>9} {'× libxlsxwriter':>16} {'× perl':>8}")
for name, r in results.items():
    cpu = (r["user"] + r["system"]) * 1e3
    print(f"{name:26} {r['median'] * 1e3:7.1f}ms {cpu:7.1f}ms {rss[name] / 1024:7.1f}MiB "
          f"{r['median'] / c:16.2f} {r['median'] / perl:8.3f}")
PY
