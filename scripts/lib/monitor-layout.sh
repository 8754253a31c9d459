# shellcheck shell=bash
# Sourced by scripts/bench and run by the multi-monitor end-to-end tests: a Wine session on a display
# of several monitors. An Xvfb screen without RandR as large as the layout, and
# tests/e2e/fakexinerama built as the libXinerama.so.1 that Wine then asks for the monitors.
#
# monitor_layout_start SCREEN LAYOUT: SCREEN is the X screen's WIDTHxHEIGHT, LAYOUT the monitors as
# fakexinerama reads them from FAKE_MONITORS (the first is the primary), for example
#   monitor_layout_start 1824x768 1024x768+0+0,800x600+1024+168
# Starts the Wine session of wine-session.sh on that display; the session's environment file also
# carries the layout. monitor_layout_stop ends both again.

# shellcheck source=wine-session.sh
source "$(dirname "${BASH_SOURCE[0]}")/wine-session.sh"
MONITOR_LAYOUT_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"

monitor_layout_start() {
  local screen="$1" layout="$2"

  SNAPWRIGHT_MONITORS=$(mktemp -d /tmp/snapwright-monitors.XXXXXX)
  export SNAPWRIGHT_MONITORS
  cc -shared -fPIC -O2 -o "$SNAPWRIGHT_MONITORS/libXinerama.so.1" \
    "$MONITOR_LAYOUT_ROOT/tests/e2e/fakexinerama/fakexinerama.c" || return 1

  # A display number of its own, apart from those of the single-monitor sessions. The root window
  # keeps its old weave pattern (-retro): where no monitor is, the X screen is not black.
  local n i
  for n in $(seq 141 190); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
  done
  Xvfb ":$n" -screen 0 "${screen}x24" -extension RANDR -retro -nolisten tcp >"$SNAPWRIGHT_MONITORS/xvfb.log" 2>&1 &
  echo $! >"$SNAPWRIGHT_MONITORS/xvfb.pid"
  export DISPLAY=":$n"
  for i in $(seq 1 100); do
    [ -e "/tmp/.X11-unix/X$n" ] && break
    sleep 0.1
  done

  export LD_LIBRARY_PATH="$SNAPWRIGHT_MONITORS${LD_LIBRARY_PATH:+:$LD_LIBRARY_PATH}"
  export FAKE_MONITORS="$layout"
  wine_session_start
  {
    echo "export LD_LIBRARY_PATH='$LD_LIBRARY_PATH'"
    echo "export FAKE_MONITORS='$FAKE_MONITORS'"
    echo "export SNAPWRIGHT_MONITORS='$SNAPWRIGHT_MONITORS'"
  } >>"$SNAPWRIGHT_WINE_ENV"
}

monitor_layout_stop() {
  wine_session_stop
  [ -n "${SNAPWRIGHT_MONITORS:-}" ] || return 0
  kill "$(cat "$SNAPWRIGHT_MONITORS/xvfb.pid")" >/dev/null 2>&1 || true
  rm -rf "$SNAPWRIGHT_MONITORS"
  unset SNAPWRIGHT_MONITORS
}
