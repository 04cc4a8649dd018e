# Sourced by the window tests: start_xvfb WORK starts a private Xvfb (it picks a free display
# itself and tells its number through WORK/display), sets xvfb_pid for the caller's cleanup
# and exports DISPLAY.
start_xvfb() {
  local work=$1
  exec 3> "$work/display"
  Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
  xvfb_pid=$!
  exec 3>&-
  for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
  [ -s "$work/display" ] || { echo "Xvfb did not start"; exit 1; }
  export DISPLAY=":$(cat "$work/display")"
}
