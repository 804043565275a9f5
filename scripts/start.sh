#!/usr/bin/env bash
# Builds the utility and starts it. With the mouse plugged in, the real
# program (k7config) runs; without it, the demo build talks to the emulated
# mouse (k7config-demo). Set K7_PROGRAM=k7config or k7config-demo to choose.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DK7_BUILD_TESTS=OFF
cmake --build build/release

mouse_present() {
    # The mouse answers as vendor 04D9, product A1EE on a hidraw node.
    grep -qis "HID_ID=.*:000004D9:0000A1EE" /sys/class/hidraw/*/device/uevent 2>/dev/null
}

program=${K7_PROGRAM:-}
if [[ -z "$program" ]]; then
    if mouse_present; then program=k7config; else program=k7config-demo; fi
fi
echo "Starting $program"
exec "build/release/bin/$program"
