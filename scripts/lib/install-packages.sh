#!/usr/bin/env bash
# Installs the Debian packages Quorvane needs that this machine lacks, and
# says what and how much before it starts.
#   install-packages.sh run      what building and running the program needs
#   install-packages.sh test     that, plus what the test suite needs
#   install-packages.sh fuzz     that, plus clang and libFuzzer for scripts/fuzz
#   install-packages.sh package  that for building, plus what makes and checks the .deb
#   install-packages.sh bench    that for building, plus the peers and hyperfine for bench/compare_peers.sh
set -euo pipefail

mode=${1:-run}
packages=(g++ cmake ninja-build qt6-base-dev fonts-liberation libxlsxwriter-dev zlib1g-dev)
case "$mode" in
  run) ;;
  test | fuzz)
    packages+=(googletest libgtest-dev libgmock-dev libbenchmark-dev python3-olefile python3-xlrd python3-openpyxl python3-uno
               libreoffice-calc-nogui gnumeric)
    [[ "$mode" == fuzz ]] && packages+=(clang libfuzzer-14-dev libclang-rt-14-dev)
    ;;
  package) packages+=(dpkg-dev file lintian appstream desktop-file-utils) ;;
  bench) packages+=(make hyperfine time libspreadsheet-writeexcel-perl) ;;
  *) echo "install-packages.sh: unknown mode $mode (run, test, fuzz, package or bench)" >&2; exit 2 ;;
esac

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

# sudo drops the environment, so the non-interactive front end goes through it by name.
as_root=(env DEBIAN_FRONTEND=noninteractive)
[[ $(id -u) -eq 0 ]] || as_root=(sudo DEBIAN_FRONTEND=noninteractive)
"${as_root[@]}" apt-get update -qq

downloads=$(apt-get --print-uris -qq -y install --no-install-recommends "${missing[@]}" 2>/dev/null | grep "^'" || true)
count=$(grep -c . <<<"$downloads" || true)
megabytes=$(awk '{ bytes += $3 } END { printf "%.0f", bytes / 1e6 }' <<<"$downloads")
echo "Installing ${#missing[@]} Debian packages for '$mode': ${missing[*]}"
echo "(with what they need, $count packages: a download of about $megabytes MB)"
"${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
echo "Installed."
