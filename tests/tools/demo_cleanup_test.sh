#!/usr/bin/env bash
# ./run demo stops its counter emulator when the application ends.
#   demo_cleanup_test.sh SOURCE_DIR BUILD_DIR
set -euo pipefail
cd "$1"
RUN_FUNCTIONS_ONLY=1 source ./run
BUILD_DIR=$2
export QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
rm -f "$BUILD_DIR/demo/emulator.out"

# The demo in a shell of its own, whose EXIT trap runs when the demo ends.
(demo) >/dev/null 2>&1 &
runner=$!
device="" application="" emulator=""
for _ in $(seq 200); do
    device=$(head -n 1 "$BUILD_DIR/demo/emulator.out" 2>/dev/null || true)
    [ -n "$device" ] && application=$(pgrep -f -- "terrako-diagraph --port $device" || true)
    [ -n "$application" ] && break
    sleep 0.1
done
[ -n "$application" ] || { echo "the demo's application did not start"; exit 1; }
emulator=$(pgrep -P "$runner" -f counter-emulator)

kill "$application"
wait "$runner" || true
for _ in $(seq 50); do
    kill -0 "$emulator" 2>/dev/null || { echo "emulator stopped"; exit 0; }
    sleep 0.1
done
echo "the counter emulator ($emulator) still runs after the application ended"
kill "$emulator"
exit 1
