#!/usr/bin/env bash
# The plug-in's own costs, measured by the host stand-in under 64-bit Wine:
#   activate_first_ms  from the first pi_activate until the measure window is shown;
#   calculate_ms       from a click on "Calculate" until the result label holds the result;
#   calculate_handler_ms  the same from the button's notification on, without the system's own
#                      press and release of the button (reported, not a target).
# Usage: plugin_costs.sh <measure-host.exe> <measure.dll> <output.json> [runs]
#
# The host stand-in measures these in its timing mode: started with --timing (and a scene with
# an image and two marked points), it activates the plug-in, clicks "Calculate", and prints one
# line per figure on its standard output, "activate_first_ms=<milliseconds>" and
# "calculate_ms=<milliseconds>", then exits. A first activation happens once per process, so
# the host is started `runs` times (default 5) and the median of each figure is taken.
#
# When the host stand-in has no timing mode (its --help does not list --timing), or a run fails
# or prints no figure, the figures are null and "status" says why: nothing is ever estimated.
# Needs the Wine prefix and a display: sources scripts/common.sh and starts its own.
set -euo pipefail
source "$(dirname "$0")/../scripts/common.sh"

host_exe=$1
plugin_dll=$2
output=$3
runs=${4:-5}

write_result() {  # <status> [activate values] [calculate values] [handler values]
  python3 - "$output" "$1" "${2:-}" "${3:-}" "${4:-}" <<'PY'
import json, statistics, sys
out, status, activate, calculate, handler = sys.argv[1:6]
def median(values):
    numbers = [float(v) for v in values.split()]
    return statistics.median(numbers) if numbers else None
json.dump({"status": status, "activate_first_ms": median(activate),
           "calculate_ms": median(calculate), "calculate_handler_ms": median(handler)},
          open(out, "w"), indent=2)
PY
}

if [[ ! -f $host_exe || ! -f $plugin_dll ]]; then
  write_result "not available: the host stand-in or the x86_64 DLL was not built"
  exit 0
fi

ensure_wine_prefix
start_display_and_wine

# Wine's helper processes outlive the program and keep its output open, so the output goes to a
# file rather than a pipe; a run that does not end within two minutes counts as failed.
printed_file=$(mktemp)
trap 'rm -f "$printed_file"; stop_display_and_wine' EXIT
run_host() {
  timeout 120 "$MEASURE_WINE" "$host_exe" "$@" >"$printed_file" 2>&1 </dev/null
}

run_host --help || true
if ! grep -q -- '--timing' "$printed_file"; then
  write_result "not available: the host stand-in has no timing mode (--timing) yet"
  exit 0
fi

activate=()
calculate=()
handler=()
for ((run = 1; run <= runs; ++run)); do
  ok=1
  run_host --plugin "$plugin_dll" --timing --point 100,100 --point 400,500 || ok=0
  printed=$(cat "$printed_file")
  if ((!ok)); then
    write_result "not available: run $run of the host stand-in's timing mode failed: ${printed//$'\n'/ }"
    exit 0
  fi
  a=$(sed -n 's/^activate_first_ms=\([0-9.eE+-]*\)\r\{0,1\}$/\1/p' <<<"$printed" | head -1)
  c=$(sed -n 's/^calculate_ms=\([0-9.eE+-]*\)\r\{0,1\}$/\1/p' <<<"$printed" | head -1)
  if [[ -z $a || -z $c ]]; then
    write_result "not available: the timing mode printed no activate_first_ms/calculate_ms line"
    exit 0
  fi
  h=$(sed -n 's/^calculate_handler_ms=\([0-9.eE+-]*\)\r\{0,1\}$/\1/p' <<<"$printed" | head -1)
  activate+=("$a")
  calculate+=("$c")
  if [[ -n $h ]]; then
    handler+=("$h")
  fi
done
write_result "measured: median of $runs runs under Wine (x86_64 build)" "${activate[*]}" \
  "${calculate[*]}" "${handler[*]}"
