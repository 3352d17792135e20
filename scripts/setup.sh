#!/usr/bin/env bash
# Sets up a Debian 12 machine for Veltrax, builds it, then starts the program
# ("start") or runs every test ("test"). Safe to run again: it installs only
# what is missing and rebuilds only what changed.
set -euo pipefail

mode=${1:-start}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"

packages=(
    build-essential cmake ninja-build git
    qt6-base-dev qt6-base-dev-tools qt6-serialport-dev libxkbcommon-dev libgl-dev
    qt6-qpa-plugins fonts-wqy-microhei
    xvfb xauth xdg-utils poppler-utils fp-utils
)

# A viewer for the compiled help, for the dealer who starts the program.
[ "$mode" = start ] && packages+=(xchm)

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if ((${#missing[@]})); then
    sudo=""
    [ "$(id -u)" -eq 0 ] || sudo="sudo"
    echo "Installing: ${missing[*]}"
    $sudo apt-get update
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake --preset default
cmake --build --preset default

case "$mode" in
start)
    exec build/bin/veltrax
    ;;
test)
    QT_QPA_PLATFORM=offscreen ctest --preset default
    ;;
*)
    echo "usage: $0 start|test" >&2
    exit 2
    ;;
esac
