#!/usr/bin/env bash
# Runs a program under Wine with its output going to a file, then prints the file and exits with
# the program's status. Wine starts its background services from the first program of a session,
# and they inherit that program's standard output: were it the test runner's pipe, the runner
# would wait for them to end.
# Usage: run_to_file.sh <wine-run> <program.exe> [arguments...]
set -euo pipefail
wine_run=$1
shift
out=$(mktemp)
trap 'rm -f "$out"' EXIT
status=0
"$wine_run" "$@" </dev/null >"$out" 2>&1 || status=$?
tr -d '\r' <"$out"
exit "$status"
