#!/usr/bin/env bash
# Runs the host stand-in on the built plug-in under Wine, from a folder of its own (the settings
# file lives beside the host's program):
#  - the default scene, twice, checking what it prints: the name and description, the window
#    with its first values, "L = 1.2999" after the click, the window hidden by closing and back
#    after the next activation, gone after the release, the settings file's four lines; and that
#    a screenshot of the window was saved;
#  - a host that ends its process with the window alive, without unloading the plug-in: the
#    fields are saved all the same, and the process ends normally.
# Usage: host_scenes.sh <wine-run> <measure-host.exe> <measure.dll>
set -euo pipefail

wine_run=$1
host=$2
dll=$3

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cp "$host" "$folder/measure-host.exe"
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

for run in 1 2; do
  status=0
  # Into files, not a pipe: Wine's helper processes may keep a pipe open after the host is done.
  (cd "$folder" && "$wine_run" ./measure-host.exe --plugin "$dll" --screenshot shot.bmp \
    </dev/null >"$folder/out.txt" 2>"$folder/err.txt") || status=$?
  output=$(tr -d '\r' <"$folder/out.txt")
  if ((status != 0)); then
    fail "run $run: the host exited with $status"
    cat "$folder/err.txt"
  fi
  expect_line() {
    grep -qxF -- "$1" <<<"$output" || fail "run $run: no line '$1'"
  }
  expect_line "plugin name: Measure"
  expect_line "plugin description: Measure plugin (feet)"
  expect_line '  "Distance" field: "15.5"'
  expect_line '  "Field of view (°)" field: "45.5"'
  expect_line 'result: "L = 1.2999"'
  expect_line "window: none"
  expect_line "settings file measure.ini:"
  grep -q '^window: "Measure plug-in", hidden, .* client 191 x 88$' <<<"$output" ||
    fail "run $run: the window was not hidden by closing"
  [[ $(grep -c '^window: "Measure plug-in", visible, .* client 191 x 88$' <<<"$output") -eq 2 ]] ||
    fail "run $run: the window was not shown twice"
  settings=$(sed -n '/^settings file measure.ini:$/,$p' <<<"$output" | tail -n +2)
  [[ $settings == $'  1001->15.5\n  1002->45.5\n  9990->0\n  9991->' ]] ||
    fail "run $run: settings lines are"$'\n'"$settings"
  [[ $(tr -d '\r' <"$folder/measure.ini") == $'1001->15.5\n1002->45.5\n9990->0\n9991->' ]] ||
    fail "run $run: measure.ini beside the host holds something else"
  [[ $(head -c 2 "$folder/shot.bmp") == BM ]] || fail "run $run: no screenshot"
  if grep -q "message box" <<<"$output"; then
    fail "run $run: a message box appeared"
  fi
done

echo "$output"

printf '%s\n' load initialize activate 'type distance 77' exit >"$folder/exit.txt"
status=0
(cd "$folder" && "$wine_run" ./measure-host.exe --plugin "$dll" --script exit.txt \
  </dev/null >"$folder/out.txt" 2>"$folder/err.txt") || status=$?
((status == 0)) || fail "ending the process with the window alive: exit status $status"
[[ $(tr -d '\r' <"$folder/measure.ini") == $'1001->77\n1002->45.5\n9990->0\n9991->' ]] ||
  fail "ending the process with the window alive did not save the fields: $(cat "$folder/measure.ini")"

if ((failures)); then
  tr -d '\r' <"$folder/out.txt"
  exit 1
fi
