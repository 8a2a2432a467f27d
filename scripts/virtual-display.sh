# Sourced by the run and test scripts: starts Xvfb on a free display,
# exports DISPLAY for it and leaves its process id in xvfb_pid. The server
# picks the display itself (-displayfd), so sessions started at the same
# moment, as CTest starts the end-to-end entries, never pick the same one.
display_file="$(mktemp)"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$display_file" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$display_file" ] && break
  sleep 0.1
done
display="$(tr -d '\n' <"$display_file")"
rm -f "$display_file"
if [ -z "$display" ]; then
  echo "Xvfb did not start" >&2
  exit 1
fi
export DISPLAY=":$display"
