#!/usr/bin/env bash
# Runs a command on a private Xvfb display (and, with --wm, under openbox), so
# window tests meet a real X server: transparency, window flags, focus and
# stacking as a user's desktop has them. Each call gets its own display.
set -u
wm=0
if [ "${1:-}" = "--wm" ]; then wm=1; shift; fi
# Listing the cases needs no display.
for a in "$@"; do
  case "$a" in --gtest_list_tests) QT_QPA_PLATFORM=offscreen exec "$@" ;; esac
done
fifo=$(mktemp -u); mkfifo "$fifo"
Xvfb -displayfd 9 -screen 0 1600x1200x24 -nolisten tcp -noreset 9>"$fifo" >/dev/null 2>&1 &
xpid=$!
read -r -t 20 num < "$fifo"
rm -f "$fifo"
if [ -z "${num:-}" ]; then
  echo "under-x: Xvfb did not start" >&2
  kill "$xpid" 2>/dev/null
  exit 1
fi
export DISPLAY=":$num" QT_QPA_PLATFORM=xcb
unset WAYLAND_DISPLAY
wpid=""
if [ $wm -eq 1 ]; then
  openbox --sm-disable >/dev/null 2>&1 &
  wpid=$!
  # The manager owns the screen once it has set its check window.
  for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.05
  done
fi
"$@"
rc=$?
[ -n "$wpid" ] && kill "$wpid" 2>/dev/null
kill "$xpid" 2>/dev/null
wait 2>/dev/null
exit $rc
