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

# window_test_folder NAME: a fresh folder in $work, removed on exit together with the Xvfb and
# the program whose process number the caller keeps in child_pid.
window_test_folder() {
  work=$(mktemp -d "/tmp/$1.XXXXXX")
  xvfb_pid=
  child_pid=
  trap window_test_cleanup EXIT
}
window_test_cleanup() {
  [ -n "$child_pid" ] && kill -KILL "$child_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
