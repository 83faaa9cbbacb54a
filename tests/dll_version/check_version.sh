#!/usr/bin/env bash
# Checks the version resource of a built measure.dll: the resource directory holds a version
# resource (type 16), and its string table gives the file description "Measure plugin (feet)",
# a file version, a product name and a product version (the strings are UTF-16, read with
# strings -el; each value follows its key).
# Usage: check_version.sh <objdump> <measure.dll>
set -euo pipefail

objdump=$1
dll=$2
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

[[ -f $dll ]] || { echo "FAIL: $dll does not exist"; exit 1; }
resources=$("$objdump" -p "$dll" | sed -n '/^The .rsrc Resource Directory section:/,$p')
grep -q 'Type Table' <<<"$resources" || fail "no resource directory"
# The first level of the directory names the resource types; 16 (0x10) is RT_VERSION.
grep -qE '^0[0-9a-f]+ +Entry: ID: 0x0*10,' <<<"$resources" || fail "no version resource (type 16)"

text=$(strings -el "$dll")
value_of() {  # <key>: the string after the key
  awk -v key="$1" 'found {print; exit} $0 == key {found = 1}' <<<"$text"
}
[[ $(value_of FileDescription) == "Measure plugin (feet)" ]] ||
  fail "FileDescription is '$(value_of FileDescription)'"
[[ $(value_of FileVersion) =~ ^[0-9]+\.[0-9]+\.[0-9]+\.[0-9]+$ ]] || fail "FileVersion is '$(value_of FileVersion)'"
[[ -n $(value_of ProductName) ]] || fail "no ProductName"
[[ $(value_of ProductVersion) == "$(value_of FileVersion)" ]] || fail "ProductVersion differs from FileVersion"
[[ $(value_of OriginalFilename) == measure.dll ]] || fail "OriginalFilename is '$(value_of OriginalFilename)'"

if ((failures)); then
  exit 1
fi
echo "ok: version resource: $(value_of FileDescription), version $(value_of FileVersion), product $(value_of ProductName)"
