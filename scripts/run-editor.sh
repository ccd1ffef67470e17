#!/usr/bin/env bash
# Builds Morvane and starts the designer application, MorvaneEditor. Arguments
# are passed on to it (a form file to open, or to create on the first Save).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

build="$root/build"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug
cmake --build "$build" -j "$(nproc)"

exec "$build/apps/MorvaneEditor/MorvaneEditor" "$@"
