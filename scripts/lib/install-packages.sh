#!/usr/bin/env bash
# Installs the Debian packages Quorvane needs that this machine lacks.
#   install-packages.sh run    what building and running the program needs
#   install-packages.sh test   that, plus what the test suite needs
set -euo pipefail

packages=(g++ cmake ninja-build qt6-base-dev fonts-liberation)
if [[ "${1:-run}" == "test" ]]; then
  packages+=(googletest libgtest-dev libgmock-dev libbenchmark-dev python3-olefile python3-xlrd python3-uno
             libreoffice-calc-nogui gnumeric)
fi

missing=()
for package in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing Debian packages: ${missing[*]}"
sudo_cmd=()
[[ $(id -u) -eq 0 ]] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
