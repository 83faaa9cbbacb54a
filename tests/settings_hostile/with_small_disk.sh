#!/usr/bin/env bash
# Runs a command with a 64 KiB file system (tmpfs) mounted on a fresh folder, named to it in
# MEASURE_SMALL_DISK (Wine hands the variable on to Windows programs, and reaches the folder as
# Z:). Mounting needs root; without it, or when the mount is refused, the command runs without
# the variable and its disk-full cases skip themselves.
# Usage: with_small_disk.sh <command> [arguments...]
set -uo pipefail
disk=$(mktemp -d /tmp/measure-small-disk.XXXXXX)
cleanup() {
  mountpoint -q "$disk" && umount "$disk"
  rmdir "$disk" 2>/dev/null || true
}
trap cleanup EXIT
if [[ $(id -u) -eq 0 ]] && mount -t tmpfs -o size=64k,nosuid,nodev tmpfs "$disk" 2>/dev/null; then
  export MEASURE_SMALL_DISK=$disk
fi
"$@"
