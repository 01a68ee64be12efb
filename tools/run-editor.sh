#!/usr/bin/env bash
# Installs what is missing, builds the editor and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/tools/install-deps.sh"
"$root/tools/build.sh"
exec "${BUILD_DIR:-$root/build}/app/tq62edit" "$@"
