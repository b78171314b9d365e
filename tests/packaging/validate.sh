#!/usr/bin/env bash
# validate.sh TOOL ARGS...: runs a validator; skips (77) when it is not installed.
if ! command -v "$1" >/dev/null 2>&1; then
    echo "skipped: $1 is not installed (scripts/setup installs it)"
    exit 77
fi
exec "$@"
