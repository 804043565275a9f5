#!/usr/bin/env bash
# Installs the Debian packages that building (and, with "test", testing) needs.
# As root the missing ones are installed with apt-get; otherwise the exact
# apt-get line is printed and the script fails.
set -euo pipefail

packages=(build-essential cmake ninja-build pkg-config
          qt6-base-dev qt6-declarative-dev
          qml6-module-qtquick qml6-module-qtquick-window qml6-module-qtqml-workerscript
          libhidapi-dev libudev-dev libglib2.0-dev libgl-dev libx11-dev libxi-dev
          fonts-wqy-microhei)
if [[ "${1:-}" == "test" ]]; then
    packages+=(qml6-module-qttest xvfb xauth xdotool x11-utils g++-mingw-w64-x86-64
               clang libclang-rt-14-dev desktop-file-utils appstream dbus-daemon)
fi

missing=()
for p in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null || true)
    [[ "$status" == "install ok installed" ]] || missing+=("$p")
done

if ((${#missing[@]} == 0)); then
    exit 0
fi

line="apt-get install -y --no-install-recommends ${missing[*]}"
if [[ $(id -u) -ne 0 ]]; then
    echo "Missing packages. Install them with:" >&2
    echo "  sudo apt-get update && sudo $line" >&2
    exit 1
fi
echo "Installing: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
$line
