#!/usr/bin/env bash
# Builds the Windows program and starts its demo build (the same program
# with a simulated mouse) under Wine.
# - With a display ($DISPLAY set): the demo runs on it. The window is opened
#   from the tray once; afterwards click the tray icon to show it again.
#   The demo keeps running until you choose "Exit" in the tray icon's menu
#   (right click) or press the window's Close button.
# - Without one: on a private Xvfb; the window is opened from the tray, a
#   screenshot is saved and the demo is ended.
# The demo runs in build/demo-run/, a writable copy of the demo folder:
# config.bin, str.ini and the simulated mouse's memory and wire log live
# there.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

scripts/install-deps.sh
cmake --preset windows >/dev/null
cmake --build --preset windows --target corvane_demo corvane_driver

run="$PWD/build/demo-run"
rm -rf "$run"
mkdir -p "$run"
cp -r build/windows/dist/CorvaneDemo/. "$run/"
shot="$run/screenshot.png"
driver="$PWD/build/windows/bin/corvane_driver.exe"

demo() {
    # Runs inside the Wine environment: start, show from the tray, screenshot.
    local keep="$1"
    wine "$run/Corvane1.0.exe" &
    local pid=$!
    if wine "$driver" show-and-screenshot "Z:$shot" 60000; then
        echo "run-demo: screenshot of the window opened from the tray: $shot"
    else
        echo "run-demo: the demo window did not show" >&2
    fi
    if [ "$keep" = 1 ]; then
        echo "run-demo: the demo runs; end it with the tray menu's Exit or the window's Close button"
    else
        wine "$driver" end 10000 || true
    fi
    wait "$pid"
}
export -f demo
export run shot driver

if [ -n "${DISPLAY:-}" ]; then
    scripts/wine-env.sh --use-display -- bash -c 'demo 1'
else
    scripts/wine-env.sh -- bash -c 'demo 0'
fi
