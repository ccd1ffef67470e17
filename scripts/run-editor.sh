#!/usr/bin/env bash
# Builds Morvane and starts the designer application, MorvaneEditor. Arguments
# are passed on to it (a form file to open).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

build="$root/build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug
cmake --build "$build" -j "$(nproc)"

editor="$build/apps/MorvaneEditor/MorvaneEditor"
if [[ -x "$editor" ]]; then
  exec "$editor" "$@"
fi

# The designer application is not part of the tree yet; start what exists:
# the gallery, a form with every control the platform has so far.
echo "MorvaneEditor is not built yet: the tree has the platform layer so far."
echo "Starting the control gallery instead (build/tools/gallery/gallery)."
exec "$build/tools/gallery/gallery" "$@"
