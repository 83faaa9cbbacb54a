#!/usr/bin/env bash
# Checks a built measure.dll with objdump:
#   - the export table holds exactly pi_initialize, pi_activate and pi_finalize, with the
#     ordinals 1, 2 and 3;
#   - every imported DLL is a system DLL of the allow-list below (never the compiler's runtime
#     DLLs: the libraries are linked in statically);
#   - in a 32-bit build, each export returns with the stdcall removal of its arguments:
#     ret $0x10, ret $0x8 and ret $0x4.
# Usage: check_dll.sh <objdump> <measure.dll> <i686|x86_64>
set -euo pipefail

objdump=$1
dll=$2
arch=$3
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

[[ -f $dll ]] || { echo "FAIL: $dll does not exist"; exit 1; }
headers=$("$objdump" -p "$dll")

# --- exports -------------------------------------------------------------------------------
base=$(awk '/^Ordinal Base/ {print $3; exit}' <<<"$headers")
# "[Ordinal/Name Pointer] Table" lines: "[   i] name", with i = ordinal - base.
exports=$(awk -v base="${base:-0}" '
  /^\[Ordinal\/Name Pointer\] Table/ {on = 1; next}
  on && /^[[:space:]]*$/ {exit}
  on && match($0, /\[ *[0-9]+\]/) {
    index_ = substr($0, RSTART + 1, RLENGTH - 2) + 0
    name = substr($0, RSTART + RLENGTH); gsub(/^[[:space:]]+|[[:space:]]+$/, "", name)
    print index_ + base, name
  }' <<<"$headers" | sort -n)
expected_exports=$'1 pi_initialize\n2 pi_activate\n3 pi_finalize'
if [[ $exports != "$expected_exports" ]]; then
  fail "export table (ordinal name) is"$'\n'"$exports"$'\n'"expected"$'\n'"$expected_exports"
else
  echo "ok: exports $(tr '\n' ' ' <<<"$exports")"
fi
count=$(awk '/\[Name Pointer\/Ordinal\] Table/ {print $NF; exit}' <<<"$headers")
if [[ $((16#${count:-0})) -ne 3 ]]; then
  fail "the export table counts ${count:-no} names, expected 3"
fi

# --- imports -------------------------------------------------------------------------------
allowed="kernel32.dll user32.dll gdi32.dll msvcrt.dll"
imports=$(awk '/DLL Name:/ {print $3}' <<<"$headers")
[[ -n $imports ]] || fail "no imports found"
for dll_name in $imports; do
  lower=${dll_name,,}
  if [[ " $allowed " != *" $lower "* ]]; then
    fail "imports $dll_name, which is not one of the system DLLs: $allowed"
  fi
done
echo "imports: $(tr '\n' ' ' <<<"$imports")"

# --- return instructions (32-bit) ------------------------------------------------------------
if [[ $arch == i686 ]]; then
  image_base=$(awk '/^ImageBase/ {print $2; exit}' <<<"$headers")
  # Export Address Table lines: "[   i] +base[   o] rva Export RVA".
  mapfile -t rvas < <(awk '
    /^Export Address Table --/ {on = 1; next}
    on && /^[[:space:]]*$/ {exit}
    on && /Export RVA/ {print $(NF - 2)}' <<<"$headers")
  expected_rets=('$0x10' '$0x8' '$0x4')
  names=(pi_initialize pi_activate pi_finalize)
  if [[ ${#rvas[@]} -ne 3 ]]; then
    fail "found ${#rvas[@]} export addresses, expected 3"
  else
    for i in 0 1 2; do
      start=$((16#$image_base + 16#${rvas[$i]}))
      # The body runs from the export's address to its first ret, within its own symbol.
      disassembly=$("$objdump" -d --no-show-raw-insn --start-address=$start \
        --stop-address=$((start + 1024)) "$dll")
      ret=$(awk '
          /^[0-9a-f]+ <.*>:$/ {labels++; if (labels > 1) exit; next}
          labels == 1 && $2 ~ /^ret/ {print ($3 == "" ? $2 : $2 " " $3); exit}' <<<"$disassembly")
      want="ret ${expected_rets[$i]}"
      if [[ $ret != "$want" ]]; then
        fail "${names[$i]} (ordinal $((i + 1))) returns with '${ret:-no ret in its body}', expected '$want'"
      else
        echo "ok: ${names[$i]} returns with $ret"
      fi
    done
  fi
fi

if ((failures)); then
  echo "$failures check(s) failed for $dll"
  exit 1
fi
echo "all checks passed for $dll"
