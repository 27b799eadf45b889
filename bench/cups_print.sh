#!/usr/bin/env bash
# Test forms per second through CUPS, each form a job of its own, counted until the printer has every
# job: a scheduler of the benchmark's own (tools/private-cups) whose printer keeps the jobs as files,
# and print_bench's PrintFormsThroughCups printing to it.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${BUILD_DIR:-build-bench}
if ! command -v cupsd >/dev/null 2>&1 && [ ! -x /usr/sbin/cupsd ]; then
    echo "cups_print: skipped, cupsd is not installed (Debian package cups-daemon)"
    exit 0
fi
folder=$(mktemp -d)
tools/private-cups/private-cups "$folder" >"$folder/cupsd.log" 2>&1 &
cupsd=$!
trap 'kill "$cupsd" 2>/dev/null; wait "$cupsd" 2>/dev/null; rm -rf "$folder"' EXIT
# cupsd loads its printer before it listens.
for _ in $(seq 100); do
    grep -qs "Listening to" "$folder/log/error_log" && break
    sleep 0.1
done
if ! grep -qs "Listening to" "$folder/log/error_log"; then
    echo "cups_print: cupsd did not start:" >&2
    cat "$folder/cupsd.log" >&2
    exit 1
fi
CUPS_SERVER="$folder/cups.sock" TERRAKO_CUPS_OUT="$folder/out" QT_QPA_PLATFORM=offscreen \
    "$build/bench/print_bench" --benchmark_filter=ThroughCups
