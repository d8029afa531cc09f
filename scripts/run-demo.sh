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
#
# scripts/run-demo.sh --linux does the same with the Linux window: it builds
# corvane natively (the native-release preset) and runs `corvane --simulate`
# with its settings and the simulated mouse's memory in build/demo-linux/
# (XDG_CONFIG_HOME points there). With a display it runs there until you
# close it; without one it runs on a private Xvfb, saves
# build/demo-linux/screenshot.png and is closed with its Close button.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."

if [ "${1:-}" = "--linux" ]; then
    scripts/install-deps.sh
    cmake --preset native-release >/dev/null
    cmake --build --preset native-release --target corvane
    run="$PWD/build/demo-linux"
    rm -rf "$run"
    mkdir -p "$run/config" "$run/runtime"
    chmod 700 "$run/runtime"
    export XDG_CONFIG_HOME="$run/config" XDG_RUNTIME_DIR="$run/runtime"
    program=(build/native-release/bin/corvane "--simulate=$run/simulated-mouse.bin")
    if [ -n "${DISPLAY:-}" ]; then
        echo "run-demo: corvane --simulate runs on $DISPLAY; its settings are in $run/config/corvane"
        echo "run-demo: pull the mouse out and plug it in with" \
            "echo unplug (or plug) > $run/config/corvane/simulated-mouse.plug"
        exec "${program[@]}"
    fi

    xvfb_pid="" demo_pid=""
    cleanup() {
        [ -z "$demo_pid" ] || kill "$demo_pid" 2>/dev/null || true
        [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    }
    trap cleanup EXIT
    for n in $(seq 100 199); do
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
        xvfb_pid=$!
        for _ in $(seq 1 100); do
            [ -e "/tmp/.X11-unix/X$n" ] && break
            sleep 0.05
        done
        [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; break; }
        kill "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=""
    done
    [ -n "${DISPLAY:-}" ] || { echo "run-demo: no Xvfb display could be started" >&2; exit 1; }
    DBUS_SESSION_BUS_ADDRESS=disabled: "${program[@]}" &
    demo_pid=$!
    window=""
    for _ in $(seq 1 300); do # the window within 30 s
        window=$(xdotool search --onlyvisible --class corvane 2>/dev/null | head -n 1 || true)
        [ -n "$window" ] && break
        sleep 0.1
    done
    [ -n "$window" ] || { echo "run-demo: the window did not show" >&2; exit 1; }
    xdotool mousemove 1270 1020
    for _ in $(seq 1 100); do # until the window shows its page (it is black before)
        /usr/bin/import -window "$window" "$run/screenshot.png"
        mean=$(/usr/bin/convert "$run/screenshot.png" -format '%[fx:mean>0.05]' info:)
        [ "$mean" = 1 ] && break
        sleep 0.1
    done
    echo "run-demo: screenshot of the window: $run/screenshot.png"
    xdotool mousemove --window "$window" 736 20 click 1
    for _ in $(seq 1 100); do
        kill -0 "$demo_pid" 2>/dev/null || break
        sleep 0.1
    done
    status=0
    wait "$demo_pid" || status=$?
    demo_pid=""
    echo "run-demo: corvane ended with code $status"
    exit "$status"
fi

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
