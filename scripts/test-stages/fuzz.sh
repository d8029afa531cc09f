#!/usr/bin/env bash
# Builds the libFuzzer targets of the config.bin loader, the INI reader, the
# report descriptor parser, the device protocol and corvanectl's settings JSON with clang and runs
# each for a bounded number of inputs from small seeds.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/../.."

runs="${CORVANE_FUZZ_RUNS:-20000}"
build=build/fuzz
cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Debug >/dev/null
cmake --build "$build"

seeds="$build/seeds"
rm -rf "$seeds"
mkdir -p "$seeds/config" "$seeds/ini" "$seeds/descriptor" "$seeds/json" "$seeds/protocol"
python3 - "$seeds" <<'PY'
import sys
root = sys.argv[1]
open(f"{root}/config/full", "wb").write(bytes([1]) + bytes(range(179)))
open(f"{root}/config/short", "wb").write(bytes(179))
open(f"{root}/ini/utf16", "wb").write(b"\xff\xfe" + "[Setting-CHS]\r\nItem1=左键\r\nItem13='x'\r\n".encode("utf-16-le"))
open(f"{root}/ini/ascii", "wb").write(b"[Setting-EN]\nItem1=Fire Key-A\n;c\n[s]]\n=v\n")
open(f"{root}/descriptor/mouse", "wb").write(bytes([
    0x05, 0x01, 0x09, 0x02, 0xA1, 0x01, 0x85, 0x02, 0x09, 0x01, 0xA1, 0x00, 0x05, 0x09,
    0x95, 0x05, 0x75, 0x01, 0x81, 0x02, 0xA4, 0x95, 0x01, 0x75, 0x03, 0x81, 0x01, 0xB4,
    0xC0, 0x06, 0x00, 0xFF, 0x09, 0x01, 0x85, 0x03, 0x75, 0x08, 0x96, 0x40, 0x00, 0xB1,
    0x02, 0xC0, 0x0B, 0x06, 0x00, 0x01, 0x00, 0xA1, 0x01, 0xFE, 0x01, 0x10, 0xB1, 0x85,
    0x01, 0x95, 0x07, 0xB1, 0x02, 0xC0]))
# The mouse's answers (tests/device/scripted_mouse.h): 0xFD is a transfer that
# succeeds, 0x41 a signed reply, 0x40 a raw one, below 0x10 a failure.
read = [0xFD, 0x41, 8, 2]
for page in range(1, 6):
    read += [0xFD, 0x41, 0, 0, 0xFD] + [page * 16 + k % 16 for k in range(65)]
write = [0xFD, 0x41, 1, 1, 0xFD] + [0xFD, 0x41, 0, 0, 0xFD] * 5
open(f"{root}/protocol/full", "wb").write(bytes([0, 0xFD] + read + [7] + write))
open(f"{root}/protocol/refused", "wb").write(bytes([1, 0xFD, 0xFD, 0x40] + [0] * 8 + [0xFD] * 4))
open(f"{root}/protocol/lost-page", "wb").write(bytes([0, 0xFD] + read[:200] + [0]))
import json
button = {"buttonFunction": "fire-key", "mediaChoice": "Mute", "windowsChoice": 3,
          "hotKeyChoice": "Copy", "singleKeyCode": "Num 5", "snipeChoice": "250",
          "fireKeyChoice": "A", "fireKeyCode": "A", "fireCount": 3}
config = {"firstRunFlag": 1, "reserved00": [0, 1, 2, 3, 4], "reportRate": "500 Hz",
          "reserved06": 0, "dpiLevel": ["500", "1000", "1750", 200],
          "dpiStageOn": [True, False, 2], "reserved0E": 0,
          "ledColour": ["#000000", "#12ABFF", "#ffffff", "#010203"], "ledMode": "mode1",
          "ledParamA": 5, "ledParamB": 3, "reserved1E": 0, "leftRuleLayer": "shift",
          "fireMakeTime": 5, "fireBreakTime": 5, "snipeDpiCode": 1,
          "buttons": {layer: {str(b): button for b in range(1, 9)} for layer in ("normal", "shift")}}
document = {"format": "corvane-settings", "version": 1, "sensorType": 0, "config": config,
            "strIni": {"Setting-EN": {"Item1": "Left Click", "Item13": None},
                       "Setting-CHS": {"Item1": "左键"}}}
open(f"{root}/json/full", "w", encoding="utf-8").write(json.dumps(document, ensure_ascii=False, indent=1))
document["strIni"] = None
open(f"{root}/json/no-ini", "w", encoding="utf-8").write(json.dumps(document))
PY

# target:corpus:longest input (a whole settings JSON is some 6 KB)
for target in config_loader_fuzz:config:4096 ini_reader_fuzz:ini:4096 \
    report_descriptor_fuzz:descriptor:4096 protocol_fuzz:protocol:4096 \
    settings_json_fuzz:json:16384; do
    IFS=: read -r name corpus max_len <<<"$target"
    echo "fuzz: $name, $runs inputs"
    "$build/$name" -runs="$runs" -artifact_prefix="$build/" -max_len="$max_len" -seed=1 "$seeds/$corpus" 2>&1 | tail -n 2
done
