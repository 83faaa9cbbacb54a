# Shared by the project's scripts: machine set-up, the Wine environment and the builds.
# Sourced, not run.

MEASURE_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
MEASURE_PACKAGES="g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix mingw-w64-i686-dev
  mingw-w64-x86-64-dev wine64 xvfb xauth imagemagick cmake g++ googletest libgtest-dev libbenchmark-dev valgrind
  clang libclang-rt-14-dev"

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEPREFIX="${MEASURE_WINEPREFIX:-$HOME/.cache/measure-wine64}"
export WINESERVER=/usr/lib/wine/wineserver64
MEASURE_WINE=/usr/lib/wine/wine64

log() { printf '== %s\n' "$*" >&2; }

# Installs the Debian packages that are missing; does nothing when all are present.
ensure_packages() {
  local missing=()
  for p in $MEASURE_PACKAGES; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
  done
  if ((${#missing[@]})); then
    log "installing ${missing[*]}"
    local sudo=""
    [[ $(id -u) -eq 0 ]] || sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
}

# Creates the 64-bit Wine prefix once, outside the repository.
# Windows are left unmanaged: with no window manager under Xvfb, managed windows take about two
# seconds to appear and go (a message box each time).
ensure_wine_prefix() {
  if [[ -f "$WINEPREFIX/.measure-ready" ]]; then
    return
  fi
  if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
    log "creating the Wine prefix $WINEPREFIX (once)"
    mkdir -p "$(dirname "$WINEPREFIX")"
  fi
  xvfb-run -a sh -c "$MEASURE_WINE wineboot -i >/dev/null 2>&1;
    $MEASURE_WINE reg add 'HKCU\\Software\\Wine\\X11 Driver' /v Managed /d N /f >/dev/null 2>&1;
    $WINESERVER -w" </dev/null
  touch "$WINEPREFIX/.measure-ready"
}

# Starts an X server for Wine when there is no display, and a persistent wine server whose
# output does not hold our pipes open. Both are ended by stop_display_and_wine.
MEASURE_XVFB_PID=""
start_display_and_wine() {
  if [[ -z "${DISPLAY:-}" ]]; then
    local n
    for n in $(seq 90 140); do
      [[ -e /tmp/.X11-unix/X$n || -e /tmp/.X$n-lock ]] && continue
      Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 </dev/null &
      MEASURE_XVFB_PID=$!
      export DISPLAY=":$n"
      break
    done
    for _ in $(seq 50); do
      [[ -e /tmp/.X11-unix/X${DISPLAY#:} ]] && break
      sleep 0.1
    done
  fi
  "$WINESERVER" -p >/dev/null 2>&1 </dev/null || true
  # The first program of a session starts Wine's background services, which would otherwise
  # inherit (and hold open) the output pipe of whichever test comes first.
  "$MEASURE_WINE" cmd /c exit >/dev/null 2>&1 </dev/null || true
}

stop_display_and_wine() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  if [[ -n "$MEASURE_XVFB_PID" ]]; then
    kill "$MEASURE_XVFB_PID" 2>/dev/null || true
    wait "$MEASURE_XVFB_PID" 2>/dev/null || true
  fi
}

# configure_and_build <build-dir> <cmake args...>
configure_and_build() {
  local dir=$1
  shift
  cmake -S "$MEASURE_ROOT" -B "$dir" -DCMAKE_BUILD_TYPE=Release "$@" >/dev/null
  cmake --build "$dir" -j "$(nproc)"
}

build_dlls() {
  configure_and_build "$MEASURE_ROOT/build/i686" \
    -DCMAKE_TOOLCHAIN_FILE="$MEASURE_ROOT/cmake/toolchain-i686-mingw.cmake" "$@"
  configure_and_build "$MEASURE_ROOT/build/x86_64" \
    -DCMAKE_TOOLCHAIN_FILE="$MEASURE_ROOT/cmake/toolchain-x86_64-mingw.cmake" "$@"
}
