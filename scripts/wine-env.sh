#!/usr/bin/env bash
# Runs one command inside a private Wine environment:
#   scripts/wine-env.sh [--prefix DIR] [--use-display] -- COMMAND [ARGS...]
# - a private Xvfb display (unless --use-display and $DISPLAY is set),
# - a throw-away 64-bit Wine prefix (default build/wineprefix), created
#   unattended on first use with fonts and registry settings,
# - a persistent wineserver for the duration of the command.
# Only what this script started is stopped afterwards. The command's exit
# code is passed through. Runs on one prefix are serialised by a lock.
set -euo pipefail

# The version of the setup a new prefix gets (the fonts and the registry
# settings below). Bump it with every change to that setup: a prefix whose
# ready marker holds another version is deleted and made again, so that the
# change reaches prefixes made before it.
prefix_setup_version=2
# How long a run waits for another run on the same prefix to end.
lock_timeout_s=1800

here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
prefix="${CORVANE_WINEPREFIX:-$here/build/wineprefix}"
use_display=0
while [ $# -gt 0 ]; do
    case "$1" in
        --prefix) prefix="$2"; shift 2 ;;
        --use-display) use_display=1; shift ;;
        --) shift; break ;;
        *) break ;;
    esac
done
[ $# -gt 0 ] || { echo "usage: $0 [--prefix DIR] [--use-display] -- COMMAND..." >&2; exit 2; }

mkdir -p "$prefix"
prefix=$(cd "$prefix" && pwd)
export WINEPREFIX="$prefix"
export WINEARCH=win64
export WINEDEBUG="${WINEDEBUG:--all}"
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

exec 9>"$prefix.lock"
if ! flock -w "$lock_timeout_s" 9; then
    echo "wine-env: $prefix is still in use by another run after ${lock_timeout_s} s" >&2
    exit 1
fi

marker="$prefix/.corvane-ready"
if [ -e "$marker" ] && [ "$(cat "$marker")" != "$prefix_setup_version" ]; then
    echo "wine-env: the prefix in $prefix has an older setup; making it again" >&2
    wineserver -k >/dev/null 2>&1 || true
    timeout 30 wineserver -w >/dev/null 2>&1 || true
    rm -rf -- "$prefix"
    mkdir -p "$prefix"
fi

xvfb_pid=""
server_started=0
cleanup() {
    local rc=$?
    if [ "$server_started" = 1 ]; then
        wineserver -k >/dev/null 2>&1 || true
        wineserver -w >/dev/null 2>&1 || true
    fi
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" >/dev/null 2>&1 || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    exit $rc
}
trap cleanup EXIT INT TERM

start_xvfb() {
    local n
    for n in $(seq 90 190); do
        if [ ! -e "/tmp/.X$n-lock" ] && [ ! -e "/tmp/.X11-unix/X$n" ]; then
            Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
            xvfb_pid=$!
            for _ in $(seq 1 100); do
                [ -e "/tmp/.X11-unix/X$n" ] && { export DISPLAY=":$n"; return 0; }
                kill -0 "$xvfb_pid" 2>/dev/null || break
                sleep 0.05
            done
            kill "$xvfb_pid" >/dev/null 2>&1 || true
            xvfb_pid=""
        fi
    done
    echo "wine-env: no free X display" >&2
    return 1
}

if [ "$use_display" = 1 ] && [ -n "${DISPLAY:-}" ]; then
    :
else
    start_xvfb
fi

wineserver -p
server_started=1

write_registry() {
    # Written as UTF-16LE with a BOM: a UTF-8 .reg mangles the Chinese face names.
    local reg="$prefix/corvane-setup.reg"
    python3 - "$reg" <<'PY'
import sys
faces = ["宋体", "黑体", "SimSun", "SimHei", "新宋体", "NSimSun", "微软雅黑", "Microsoft YaHei",
         "新細明體", "細明體", "PMingLiU", "MingLiU", "微軟正黑體", "Microsoft JhengHei"]
lines = ["Windows Registry Editor Version 5.00", "",
         "[HKEY_CURRENT_USER\\Software\\Wine\\Fonts\\Replacements]"]
lines += ['"%s"="WenQuanYi Micro Hei"' % f for f in faces]
lines += ["", "[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]", '"Managed"="N"', '"Decorated"="N"',
          "", "[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]", '"ShowCrashDialog"=dword:00000000', ""]
with open(sys.argv[1], "wb") as f:
    f.write(b"\xff\xfe" + "\r\n".join(lines).encode("utf-16-le"))
PY
    wine regedit /S "$reg" >/dev/null 2>&1
}

if [ ! -e "$marker" ]; then
    echo "wine-env: creating Wine prefix in $prefix" >&2
    wineboot -i >/dev/null 2>&1
    mkdir -p "$prefix/drive_c/windows/Fonts"
    for f in $(dpkg -L fonts-wine 2>/dev/null | grep -iE '\.(ttf|ttc|fon)$'); do
        cp -n "$f" "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
    done
    write_registry
    echo "$prefix_setup_version" >"$marker"
fi
# Start Wine's services (winedevice.exe and others) here, with no handles of
# ours: started by the command's first wine process they would inherit its
# output pipes, and a caller that reads them (ctest, a pipe) would wait for
# their end until the server stops.
wineboot </dev/null >/dev/null 2>&1 || true
wine cmd /c exit 0 </dev/null >/dev/null 2>&1 || true

set +e
"$@"
rc=$?
set -e
exit $rc
