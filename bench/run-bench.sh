#!/bin/sh
# run-bench.sh - measures Quorvan under Wine, in a private network namespace
# (loopback only; no name resolves, as in the e2e harness's offline mode),
# with the e2e tool substitutes in place of sc, netsh and ipconfig:
#
#   1. the time from start to the visible window, next to a minimal Win32
#      window program started the same way (goal: within 1.2 times);
#   2. the processor time Quorvan uses while the command runner waits for a
#      command that runs 3 s and writes nothing, next to the wall time
#      (goal: under 5 % of one core).
#
# A benchmark, not a test: it reports figures and fails only when it cannot
# measure. Builds bench_driver.exe and minimal_window.exe into build/bench.
#
# QUORVAN_WIN32_DIR  where quorvan.exe and tool_substitute.exe are (default build/win32)
set -eu

here=$(cd "$(dirname "$0")" && pwd)
E2E_ROOT=$(cd "$here/.." && pwd)
. "$E2E_ROOT/tests/e2e/lib.sh"
bench_dir="$E2E_ROOT/build/bench"
APP_DIR_WIN='C:\Program Files\Quorvan'

if [ "${1:-}" != --inside ]; then
    for exe in quorvan.exe tool_substitute.exe; do
        [ -f "$QUORVAN_WIN32_DIR/$exe" ] || { echo "bench: $QUORVAN_WIN32_DIR/$exe is missing" >&2; exit 1; }
    done
    mkdir -p "$bench_dir"
    # Built like quorvan.exe: statically, for the GUI subsystem, stripped.
    flags="-std=c++17 -O2 -Wall -Wextra -finput-charset=UTF-8 -fexec-charset=GBK -I$E2E_ROOT -static -s"
    # shellcheck disable=SC2086
    i686-w64-mingw32-g++ $flags -o "$bench_dir/bench_driver.exe" "$here/bench_driver.cpp" \
        "$E2E_ROOT/tests/e2e/driver/ui.cpp"
    # shellcheck disable=SC2086
    i686-w64-mingw32-g++ $flags -mwindows -o "$bench_dir/minimal_window.exe" "$here/minimal_window.cpp"
    template=${QUORVAN_E2E_TEMPLATE:-$E2E_ROOT/build/host/e2e/prefix-template}
    [ -f "$template/.quorvan-template" ] || sh "$E2E_ROOT/tests/e2e/make-prefix.sh" "$template"
    mkdir -p "$E2E_ROOT/build/e2e-runs"
    work=$(mktemp -d "$E2E_ROOT/build/e2e-runs/bench.XXXXXX")
    trap 'rm -rf "$work"' EXIT
    trap 'exit 130' INT TERM
    set +e
    unshare --net --mount --pid --fork --kill-child --mount-proc sh "$0" --inside "$template" "$work"
    exit $?
fi

# Inside the namespaces: the same setting as an e2e scenario in offline mode.
template=$2 work=$3
trap e2e_cleanup EXIT
trap 'exit 130' INT TERM
e2e_loopback_only
mount -t tmpfs tmpfs /tmp
e2e_resolution offline "$work"

e2e_scenario_prefix "$template" "$work"
cp "$bench_dir/minimal_window.exe" "$E2E_PREFIX/drive_c/Program Files/Quorvan/"

e2e_start_xvfb "$work"
e2e_wine_env "$E2E_PREFIX"
e2e_substitutes_win
# A first program brings up the prefix's own services, so neither measured
# program pays for that.
wine cmd.exe /c exit >/dev/null 2>&1 || true
timeout -k 5 300 wine "$bench_dir/bench_driver.exe" "$APP_DIR_WIN\\quorvan.exe" "$APP_DIR_WIN\\minimal_window.exe"
