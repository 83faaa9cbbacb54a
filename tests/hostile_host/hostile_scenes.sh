#!/usr/bin/env bash
# Runs the host stand-in with hostile answers (widths of 0, negative or never written, counts of
# garbage, coordinates at the ends of the 32-bit range, points answered but never written, an
# image that only command 16 knows) against the built plug-in under Wine, one host process per
# scene, each typing the two fields and clicking Calculate once. Every scene must end either in
# exactly one error box with the expected text, the result label left as it was, or in the
# expected result label and no box; the host must be asked exactly the expected number of
# questions; and nothing may show INF, NAN or a negative length, or end the host abnormally.
# Usage: hostile_scenes.sh <wine-run> <measure-host.exe> <measure.dll>
set -euo pipefail

wine_run=$1
host=$2
dll=$3

folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
# Copies, so that a rebuild while the scenes run does not change what is tested.
cp "$host" "$folder/measure-host.exe"
cp "$dll" "$folder/measure.dll"
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

min=-2147483648
max=2147483647
no_image='No images opened inside Velicore'
no_width='The image has no width'
not_two='Select two points over the image'
not_delivered='Please select two points over the image'
corners="--width 1 --point $min,$min --point $max,$max"

# name | distance and field of view typed | host options | box or result | its text | host calls
scenes=(
  "zero width|15.5 45.5|--width 0|box|$no_width|2"
  "negative width|15.5 45.5|--width -1|box|$no_width|2"
  "most negative width|15.5 45.5|--width $min|box|$no_width|2"
  "width never written|15.5 45.5|--unwritten-width|box|$no_width|2"
  "widest image|15.5 45.5|--width $max --point 0,0 --point $max,0|result|L = 12.999|5"
  "opposite corners, width 1|15.5 45.5|$corners|result|L = 7.8958E010|5"
  "longest length there is|10000 120|$corners|result|L = 2.1041E014|5"
  "whole row of coordinates|15.5 45.5|--point $min,0 --point $max,0|result|L = 5.5832E007|5"
  "crossed extremes|15.5 45.5|--point $min,$max --point $max,$min|result|L = 7.8958E007|5"
  "opposite corners, distance 0|0 45.5|$corners|result|L = 0|5"
  "same extreme point twice|15.5 45.5|--width $max --point $min,$max --point $min,$max|\
result|L = 0|5"
  "count -1|15.5 45.5|--point-count -1|box|$not_two|3"
  "count 0 with two marked|15.5 45.5|--point-count 0|box|$not_two|3"
  "count 3 with two marked|15.5 45.5|--point-count 3|box|$not_two|3"
  "count of the marker 65537|15.5 45.5|--point-count 65537|box|$not_two|3"
  "count largest|15.5 45.5|--point-count $max|box|$not_two|3"
  "count most negative|15.5 45.5|--point-count $min|box|$not_two|3"
  "count never written|15.5 45.5|--unwritten-count|box|$not_two|3"
  "count 2, none marked|15.5 45.5|--point-count 2 --no-points|box|$not_delivered|4"
  "count 2, one marked|15.5 45.5|--point-count 2 --point 5,5|box|$not_delivered|5"
  "count 2, three marked|15.5 45.5|--point-count 2 --point 100,300 --point 200,300 --point 7,7|\
result|L = 1.2999|5"
  "point 0 answered, never written|15.5 45.5|--unwritten-point 0|box|$not_delivered|4"
  "point 1 answered, never written|15.5 45.5|--unwritten-point 1|box|$not_delivered|5"
  "unknown image 5|15.5 45.5|--image-id 5|box|$no_width|2"
  "unknown image -1|15.5 45.5|--image-id -1|box|$no_width|2"
  "unknown image largest|15.5 45.5|--image-id $max|box|$no_width|2"
  "image 0 announced|15.5 45.5|--image-id 0|box|$no_image|1"
)

for scene in "${scenes[@]}"; do
  IFS='|' read -r name fields options kind text calls <<<"$scene"
  read -r distance fov <<<"$fields"
  printf '%s\n' load initialize activate "type distance $distance" "type fov $fov" click \
    finalize pump unload >"$folder/scene.txt"
  status=0
  # Into files, not a pipe: Wine's helper processes may keep a pipe open after the host is done.
  # shellcheck disable=SC2086  # the options are words
  (cd "$folder" && "$wine_run" ./measure-host.exe --plugin measure.dll --script scene.txt \
    $options </dev/null >"$folder/out.txt" 2>"$folder/err.txt") || status=$?
  output=$(tr -d '\r' <"$folder/out.txt")
  before=$failures
  ((status == 0)) || fail "$name: the host exited with $status: $(cat "$folder/err.txt")"
  grep -qxF "plug-in unloaded" <<<"$output" || fail "$name: the session did not reach unloading"
  boxes=$(grep -c '^message box ' <<<"$output" || true)
  result=$(grep '^result: ' <<<"$output" | tail -n 1)
  if [[ $kind == box ]]; then
    ((boxes == 1)) || fail "$name: $boxes message boxes"
    grep -qxF "message box \"Error\": \"$text\"" <<<"$output" || fail "$name: no box \"$text\""
    [[ $result == 'result: "L = 00.000"' ]] || fail "$name: the result label changed: $result"
  else
    ((boxes == 0)) || fail "$name: a message box appeared"
    [[ $result == "result: \"$text\"" ]] || fail "$name: $result, not \"$text\""
  fi
  asked=$(grep -c '^host: command ' <<<"$output" || true)
  ((asked == calls)) || fail "$name: the host was asked $asked times, not $calls"
  if grep -qiE 'inf|nan|L = -' <<<"$(grep -E '^(result|message box)' <<<"$output")"; then
    fail "$name: $(grep -E '^(result|message box)' <<<"$output")"
  fi
  if ((failures > before)); then
    echo "--- $name: measure-host.exe $options"
    echo "$output"
  else
    echo "ok: $name -> $kind \"$text\""
  fi
done

# The host takes integers only within 32 bits: one beyond is refused, not wrapped.
status=0
(cd "$folder" && "$wine_run" ./measure-host.exe --plugin measure.dll --width 2147483648 \
  </dev/null >"$folder/out.txt" 2>"$folder/err.txt") || status=$?
((status == 2)) || fail "--width 2147483648: exit status $status, not 2"
grep -qF -- "--width needs an integer, not 2147483648" "$folder/err.txt" ||
  fail "--width 2147483648: $(cat "$folder/err.txt")"

if ((failures)); then
  echo "$failures failures"
  exit 1
fi
