#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
# The editor alone: the tests and benchmarks are the test command's to build.
"$root/tools/build.sh" tq62edit
# Lets the logged-in user open the processor's USB HID node without root.
rules=/etc/udev/rules.d/60-tq62.rules
if ! cmp -s "$root/tools/60-tq62.rules" "$rules" 2>/dev/null; then
  sudo=""; [ "$(id -u)" -eq 0 ] || sudo="sudo"
  if $sudo install -D -m 644 "$root/tools/60-tq62.rules" "$rules"; then
    $sudo udevadm control --reload-rules 2>/dev/null && $sudo udevadm trigger --subsystem-match=hidraw 2>/dev/null || true
  fi
fi
exe="${BUILD_DIR:-$root/build}/app/tq62edit"
# A menu entry and icon for the user who builds it (the desktop finds them there).
apps=${XDG_DATA_HOME:-$HOME/.local/share}
if mkdir -p "$apps/applications" "$apps/icons/hicolor/scalable/apps" 2>/dev/null; then
  install -m 644 "$root/tools/desktop/tq62edit.svg" "$apps/icons/hicolor/scalable/apps/tq62edit.svg"
  sed "s|@EXEC@|$exe|" "$root/tools/desktop/tq62edit.desktop.in" > "$apps/applications/tq62edit.desktop"
fi
exec "$exe" "$@"
