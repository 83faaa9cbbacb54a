#!/usr/bin/env bash
# Runs the host stand-in on the built plug-in under Wine and checks that it prints the name and
# the description the plug-in hands over at initialisation, each exactly, on a line of its own.
# Usage: host_loads_plugin.sh <wine-run> <measure-host.exe> <measure.dll>
set -euo pipefail

wine_run=$1
host=$2
dll=$3

# Into files, not a pipe: Wine's helper processes may keep a pipe open after the host is done.
out=$(mktemp)
err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
status=0
"$wine_run" "$host" --plugin "$dll" </dev/null >"$out" 2>"$err" || status=$?
if ((status != 0)); then
  echo "FAIL: the host exited with $status"
  cat "$out" "$err"
  exit 1
fi
output=$(tr -d '\r' <"$out" | grep '^plugin ' || true)
expected=$'plugin name: Measure\nplugin description: Measure plugin (feet)'
if [[ $output != "$expected" ]]; then
  echo "FAIL: the host printed"
  echo "$output"
  echo "expected"
  echo "$expected"
  exit 1
fi
echo "$output"
