# Sourced by the scripts in tools/: a virtual X server of the script's own.
# start_xserver sets DISPLAY and XSERVER_PID; stop_xserver ends it.
start_xserver() {
  local fdfile
  fdfile=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fdfile" >/dev/null 2>&1 &
  XSERVER_PID=$!
  local tries=0
  while [ ! -s "$fdfile" ] && [ $tries -lt 100 ]; do sleep 0.1; tries=$((tries + 1)); done
  if [ ! -s "$fdfile" ]; then
    echo "could not start Xvfb" >&2; rm -f "$fdfile"; return 1
  fi
  export DISPLAY=":$(head -n1 "$fdfile")"
  rm -f "$fdfile"
}

stop_xserver() {
  [ -n "${XSERVER_PID:-}" ] && kill "$XSERVER_PID" 2>/dev/null && wait "$XSERVER_PID" 2>/dev/null
  XSERVER_PID=
}
