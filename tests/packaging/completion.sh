#!/usr/bin/env bash
# completion.sh COMPLETION_FILE NERKA_CLI: the bash completion offers every
# command that `nerka-cli --help` lists, each command's options, the
# subcommands of dmrdb, and the choices of an option written `--opt a|b`.
set -euo pipefail
completion=$1
cli=$2
PATH="$(dirname "$cli"):$PATH"
# shellcheck source=/dev/null
source "$completion"

failures=0
complete_line() {
    COMP_WORDS=("$@")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _nerka_cli
    echo "${COMPREPLY[*]}"
}
expect() { # expect "WANTED WORDS" -- WORDS OF THE LINE
    local wanted=$1
    shift 2
    local got
    got=" $(complete_line "$@") "
    for word in $wanted; do
        if [[ $got != *" $word "* ]]; then
            echo "FAIL: '$*' completes to '$got', without '$word'"
            failures=$((failures + 1))
        fi
    done
}

commands=$(nerka-cli --help | sed -n '/^Commands:/,/^$/s/^  \([a-z][a-z-]*\) .*/\1/p')
[[ -n $commands ]] || { echo "FAIL: no commands in nerka-cli --help"; exit 1; }
expect "$commands --help --version" -- nerka-cli ""
expect "ports" -- nerka-cli po
expect "--all --doctor --port --help" -- nerka-cli ports --
expect "import encode write read count" -- nerka-cli dmrdb ""
expect "--family --format --text-length --name-format --area1 --area2" -- nerka-cli dmrdb encode --
expect "gd77 uv380" -- nerka-cli dmrdb encode --family ""
expect "compressed uncompressed" -- nerka-cli dmrdb write --format ""
expect "--json" -- nerka-cli dump x --j
# Every option in every usage line is offered for its command.
for command in $commands; do
    usage=$(nerka-cli "$command" --help | sed -n 's/^usage: //p')
    for option in $(grep -o -- '--[a-z][a-z0-9-]*' <<<"$usage" | sort -u); do
        expect "$option" -- nerka-cli "$command" --
    done
done
if ((failures > 0)); then
    exit 1
fi
echo "completion: all commands and options offered"
