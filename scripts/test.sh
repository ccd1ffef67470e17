#!/usr/bin/env bash
# Builds everything and runs every test.
#   scripts/test.sh            normal build in build/
#   scripts/test.sh --sanitize AddressSanitizer + UBSan build in build-asan/
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

build="$root/build"
extra=()
if [[ "${1:-}" == "--sanitize" ]]; then
  build="$root/build-asan"
  extra=(-DMORVANE_SANITIZE=ON)
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0:${ASAN_OPTIONS:-}"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1:${UBSAN_OPTIONS:-}"
  export LSAN_OPTIONS="suppressions=$root/tests/lsan.supp:${LSAN_OPTIONS:-}"
fi

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug "${extra[@]}"
cmake --build "$build" -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
