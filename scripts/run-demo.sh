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

# Every wait here is bounded: the driver's own waits, `timeout` around each
# driver call, and the end of the demo, which is killed when it does not end
# from its tray menu in time. Only the demo kept for the user (with a
# display) runs until the user ends it.
driver_limit=90 # seconds for one driver call, beyond its own timeouts

# Waits up to $2 seconds for process $1 to end.
ends_within() {
    local pid="$1" tenths=$(($2 * 10))
    while kill -0 "$pid" 2>/dev/null; do
        [ "$tenths" -gt 0 ] || return 1
        tenths=$((tenths - 1))
        sleep 0.1
    done
}

# Ends the demo from its tray menu; kills it when that does not work in time.
end_demo() {
    local pid="$1"
    timeout "$driver_limit" wine "$driver" end 10000 ||
        echo "run-demo: the demo did not end from its tray menu" >&2
    if ! ends_within "$pid" 10; then
        echo "run-demo: stopping the demo (process $pid)" >&2
        kill "$pid" 2>/dev/null || true
        ends_within "$pid" 5 || kill -9 "$pid" 2>/dev/null || true
    fi
    wait "$pid" 2>/dev/null # the demo's exit code: 0 when it ended from its menu
}

demo() {
    # Runs inside the Wine environment: start, show from the tray, screenshot.
    local keep="$1"
    wine "$run/Corvane1.0.exe" &
    local pid=$!
    if ! timeout "$driver_limit" wine "$driver" show-and-screenshot "Z:$shot" 60000; then
        echo "run-demo: the demo window did not show" >&2
        end_demo "$pid"
        return 1
    fi
    echo "run-demo: screenshot of the window opened from the tray: $shot"
    if [ "$keep" = 1 ]; then
        echo "run-demo: the demo runs; end it with the tray menu's Exit or the window's Close button"
        wait "$pid"
    else
        end_demo "$pid"
    fi
}
export -f demo end_demo ends_within
export run shot driver driver_limit

if [ -n "${DISPLAY:-}" ]; then
    scripts/wine-env.sh --use-display -- bash -c 'demo 1'
else
    scripts/wine-env.sh -- bash -c 'demo 0'
fi
