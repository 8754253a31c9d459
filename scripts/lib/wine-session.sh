# Sourced by scripts/test and scripts/run: a private Wine prefix and, when asked, a private Xvfb
# display, both in one temporary folder that wine_session_stop removes again.

wine_session_env() {
  export WINEDEBUG="${WINEDEBUG:--all}"
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  export WINEARCH=win64
}

# wine_session_start [--xvfb WIDTHxHEIGHT]: sets SNAPWRIGHT_SESSION, HOME, WINEPREFIX, DISPLAY.
wine_session_start() {
  local geometry=""
  if [ "${1:-}" = "--xvfb" ]; then geometry="$2"; fi
  SNAPWRIGHT_SESSION=$(mktemp -d /tmp/snapwright-wine.XXXXXX)
  export SNAPWRIGHT_SESSION
  export HOME="$SNAPWRIGHT_SESSION/home"
  export WINEPREFIX="$SNAPWRIGHT_SESSION/prefix"
  mkdir -p "$HOME"
  wine_session_env

  if [ -n "$geometry" ]; then
    local n
    for n in $(seq 90 140); do
      [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] || break
    done
    Xvfb ":$n" -screen 0 "${geometry}x24" -nolisten tcp >"$SNAPWRIGHT_SESSION/xvfb.log" 2>&1 &
    echo $! >"$SNAPWRIGHT_SESSION/xvfb.pid"
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 100); do
      xdpyinfo >/dev/null 2>&1 && break
      sleep 0.1
    done
  fi

  local log="$SNAPWRIGHT_SESSION/wineboot.log"
  wineboot -i >"$log" 2>&1
  # wineboot returns with the services it started still running. A second after the last program
  # has ended, Wine's server stops them and closes its socket, and it ends seconds later: a command
  # that meets it then waits for it, up to the five seconds or so that Wine's client tries (5.7 s
  # were seen on a busy machine). So each command here waits for the server before it to end, and
  # the tests get one server that does not end.
  wineserver -w
  # Without a window manager, destroying a managed top-level window stalls for seconds and its
  # frame stays over the screen meanwhile. Wine's desktop reads this when it starts, below.
  if ! wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >>"$log" 2>&1; then
    echo "wine-session: the Wine prefix would not take its settings; see $log" >&2
    return 1
  fi
  wineserver -w
  # Wine's server and services run until the session ends: they must keep no caller's output open
  # (a caller that captures it would wait for them), so they write to the log and read nothing.
  wineserver -p </dev/null >>"$log" 2>&1
  wine wineboot </dev/null >>"$log" 2>&1

  # Everything a later command needs to join this session.
  {
    echo "export SNAPWRIGHT_SESSION='$SNAPWRIGHT_SESSION'"
    echo "export HOME='$HOME'"
    echo "export WINEPREFIX='$WINEPREFIX'"
    echo "export WINEDEBUG='$WINEDEBUG'"
    echo "export WINEDLLOVERRIDES='$WINEDLLOVERRIDES'"
    echo "export WINEARCH='$WINEARCH'"
    [ -n "${DISPLAY:-}" ] && echo "export DISPLAY='$DISPLAY'"
  } >"$SNAPWRIGHT_SESSION/env"
  export SNAPWRIGHT_WINE_ENV="$SNAPWRIGHT_SESSION/env"
}

wine_session_stop() {
  [ -n "${SNAPWRIGHT_SESSION:-}" ] || return 0
  wineserver -k >/dev/null 2>&1 || true
  if [ -f "$SNAPWRIGHT_SESSION/xvfb.pid" ]; then
    kill "$(cat "$SNAPWRIGHT_SESSION/xvfb.pid")" >/dev/null 2>&1 || true
  fi
  rm -rf "$SNAPWRIGHT_SESSION"
  unset SNAPWRIGHT_SESSION
}
