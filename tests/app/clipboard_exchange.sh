#!/usr/bin/env bash
# Text exchanged with other programs through the X clipboard, with the real
# program on a virtual display (run it under xvfb-run): lines with LF ends
# that xclip offers paste as lines, the caret after them, and what the
# program copies reads back with LF line ends.
#
#   clipboard_exchange.sh VELK
set -euo pipefail
velk=$1
for tool in xclip xdotool; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/install-deps.sh"; exit 1; }
done

home=$(mktemp -d)
pid=
finish() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null || true
  rm -rf "$home"
}
trap finish EXIT
# Closing the changed document is answered "do not save".
export QT_QPA_PLATFORM=xcb VELK_HOME="$home" XDG_RUNTIME_DIR="$home" VELK_REPORT_READY=1 VELK_DIALOG_ANSWERS=no
unset QT_IM_MODULE XMODIFIERS

# Waits up to 60 s for a command to succeed.
wait_for() {
  for _ in $(seq 600); do "$@" && return 0; sleep 0.1; done
  return 1
}
clipboard_is() { [ "$(xclip -selection clipboard -o 2>/dev/null | od -An -c)" = "$(printf '%s' "$1" | od -An -c)" ]; }

# Lines copied in another program before the program starts.
lines=$'one\ntwo\nthree'
printf '%s' "$lines" | xclip -selection clipboard -i
wait_for clipboard_is "$lines"

"$velk" >"$home/out" 2>"$home/err" &
pid=$!
wait_for grep -q '^velk: ready' "$home/out" || { echo "velk did not start"; cat "$home/err"; exit 1; }
window=$(xdotool search --sync --onlyvisible --pid "$pid" | head -1)

# A click in the page editor, the top of the page, the paste and a letter
# typed after it; then the whole page copied.
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove --window "$window" $((WIDTH * 3 / 5)) $((HEIGHT / 2)) click 1
xdotool key --window "$window" ctrl+Home ctrl+v
xdotool type --window "$window" X
xdotool key --window "$window" ctrl+Home shift+ctrl+End ctrl+c

expected=$'one\ntwo\nthreeX'
if ! wait_for clipboard_is "$expected"; then
  echo "copied back:"; xclip -selection clipboard -o | od -c
  exit 1
fi

kill -TERM "$pid"
ended() { ! kill -0 "$pid" 2>/dev/null; }
wait_for ended || { echo "velk did not end"; exit 1; }
status=0
wait "$pid" || status=$?
pid=
[ "$status" -eq 0 ] || { echo "velk ended with $status"; cat "$home/err"; exit 1; }
echo "clipboard exchange: ok"
