#!/usr/bin/env bash
# tests/dist/corvanectl_completion_test.sh CORVANECTL COMPLETION_FILE
# The bash completion offers what the program accepts: its commands and
# options as its own help lists them, and fixed choices it takes.
set -uo pipefail
ctl=$1
completion=$2

# shellcheck disable=SC1091
source /usr/share/bash-completion/bash_completion
# shellcheck disable=SC1090
source "$completion"

failures=0
passed=0
check() { # check NAME EXPECTED ACTUAL
    if [ "$2" = "$3" ]; then
        passed=$((passed + 1))
    else
        failures=$((failures + 1))
        printf 'FAILED: %s\n  expected: %s\n  offered:  %s\n' "$1" "$2" "$3"
    fi
}

# The sorted candidates for the line as typed (the cursor at its end).
offered() {
    local line=$1
    COMP_LINE=$line
    COMP_POINT=${#line}
    read -ra COMP_WORDS <<<"$line"
    [[ $line == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _corvanectl
    printf '%s\n' "${COMPREPLY[@]}" | sort | xargs
}

# The first word of each entry of a help section ("Subcommands:", "Options:").
help_section() {
    awk -v section="$1" '
        $0 == section { inside = 1; next }
        /^$/ { inside = 0 }
        inside { print $1 }' | sort | xargs
}

long_options() {
    help_section "Options:" | tr ' ' '\n' | sed 's/^-h,//; s/{}$//' | sort -u | xargs
}

check "commands" "$("$ctl" --help | help_section "Subcommands:")" "$(offered "corvanectl ")"
check "set commands" "$("$ctl" set --help | help_section "Subcommands:")" \
    "$(offered "corvanectl set ")"
check "options of every command" "$("$ctl" --help | long_options)" "$(offered "corvanectl info --")"
check "options of set button" \
    "$({ "$ctl" --help; echo; "$ctl" set --help; echo; "$ctl" set button --help; } | long_options)" \
    "$(offered "corvanectl set button normal 4 fire-key A --")"

# The function names as `set button --help` lists them: "a FUNCTION: left-click,
# ..., shift (normal layer only; ...), ..., snipe DPI."
functions=$("$ctl" set button --help | head -n 1 | sed 's/.*a FUNCTION: //; s/\.$//' |
    sed 's/([^)]*)//g; s/\[[^]]*\]//g' | tr ',' '\n' | awk '{ print $1 }' | sort | xargs)
check "button functions" "$functions" "$(offered "corvanectl set button normal 4 ")"
check "an option's value is no command" "$(offered "corvanectl set ")" \
    "$(offered "corvanectl --dir /tmp --sensor 1 set ")"

# Every fixed choice offered is taken by the program.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
accepts() { # accepts LINE: the program runs the completed line without complaint
    if "$ctl" "$@" --dir "$work" >/dev/null 2>"$work/error"; then
        passed=$((passed + 1))
    else
        failures=$((failures + 1))
        printf 'FAILED: corvanectl %s\n' "$*"
        cat "$work/error"
    fi
}
for rate in $(offered "corvanectl set rate "); do accepts set rate "$rate"; done
for stage in $(offered "corvanectl set dpi "); do accepts set dpi "$stage" 1000; done
for sensor in $(offered "corvanectl show --sensor "); do accepts show --sensor "$sensor"; done
# From the last button down: button 1 holds the layer's only left-click,
# which the program keeps until another button has one.
for layer in $(offered "corvanectl set button "); do
    for button in $(offered "corvanectl set button $layer " | tr ' ' '\n' | sort -rn); do
        accepts set button "$layer" "$button" left-click
    done
done
for mode in $(offered "corvanectl set lighting "); do
    parameters=$(offered "corvanectl set lighting $mode ")
    [ -n "$parameters" ] || accepts set lighting "$mode"
    for parameter in $parameters; do accepts set lighting "$mode" "$parameter"; done
done

echo "corvanectl completion: $passed passed, $failures failed"
[ "$failures" -eq 0 ]
