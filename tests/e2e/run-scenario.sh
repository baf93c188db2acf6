#!/bin/sh
# run-scenario.sh SCENARIO MODE - runs one driver scenario against
# quorvan.exe, isolated: private network (loopback only), mount and PID
# namespaces, its own Xvfb, its own Wine prefix layered over the template.
# Exits with the driver's exit code.
#
# QUORVAN_WIN32_DIR    where quorvan.exe, qdriver.exe, tool_substitute.exe are
#                      (default build/win32)
# QUORVAN_E2E_TEMPLATE the prefix template (default build/host/e2e/prefix-template,
#                      made if missing)
set -eu

here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

# The driver gives up well before the test runner's own time limit, so
# clean-up always runs.
E2E_DRIVER_TIMEOUT=${E2E_DRIVER_TIMEOUT:-240}
APP_DIR_WIN='C:\Program Files\Quorvan'

if [ "${1:-}" != --inside ]; then
    scenario=${1:?usage: run-scenario.sh SCENARIO MODE}
    mode=${2:?usage: run-scenario.sh SCENARIO MODE}
    for exe in quorvan.exe qdriver.exe tool_substitute.exe; do
        [ -f "$QUORVAN_WIN32_DIR/$exe" ] || { echo "e2e: $QUORVAN_WIN32_DIR/$exe is missing" >&2; exit 1; }
    done
    template=${QUORVAN_E2E_TEMPLATE:-$E2E_ROOT/build/host/e2e/prefix-template}
    [ -f "$template/.quorvan-template" ] || sh "$here/make-prefix.sh" "$template"
    mkdir -p "$E2E_ROOT/build/e2e-runs"
    work=$(mktemp -d "$E2E_ROOT/build/e2e-runs/$scenario.XXXXXX")
    trap 'rm -rf "$work"' EXIT
    trap 'exit 130' INT TERM
    # A PID namespace: if this script is killed outright, the kernel ends
    # every process of the scenario with it.
    set +e
    unshare --net --mount --pid --fork --kill-child --mount-proc \
        sh "$0" --inside "$scenario" "$mode" "$template" "$work"
    rc=$?
    exit $rc
fi

# Inside the namespaces.
scenario=$2 mode=$3 template=$4 work=$5
trap e2e_cleanup EXIT
trap 'exit 130' INT TERM

e2e_loopback_only
e2e_resolution "$mode" "$work"

e2e_scenario_prefix "$template" "$work"

e2e_start_xvfb "$work"
e2e_wine_env "$E2E_PREFIX"
e2e_substitutes_win

set +e
timeout -k 5 "$E2E_DRIVER_TIMEOUT" wine "$QUORVAN_WIN32_DIR/qdriver.exe" "$scenario" \
    "$APP_DIR_WIN\\quorvan.exe"
rc=$?
[ $rc -eq 124 ] && echo "e2e: driver timed out after ${E2E_DRIVER_TIMEOUT}s" >&2
e2e_keep_artefacts "$scenario" || { echo "e2e: could not keep the pictures" >&2; [ $rc -ne 0 ] || rc=1; }
exit $rc
