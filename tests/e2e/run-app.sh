#!/bin/sh
# run-app.sh - starts quorvan.exe under Wine (code page 936) in a private
# network namespace (loopback only, no name resolves), so whatever it probes
# or repairs never reaches a real network.  Builds nothing.
#
# With a reachable X display ($DISPLAY, a socket in /tmp/.X11-unix) the
# window appears there and stays until the user closes it.  Without one it
# runs on a private Xvfb, saves build/quorvan.png and closes the program.
# Either way build/quorvan.png shows the window once it is up.
#
# The prefix build/wineprefix persists between runs (made on first use).
set -eu

here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

if [ "${1:-}" != --inside ]; then
    for exe in quorvan.exe qdriver.exe; do
        [ -f "$QUORVAN_WIN32_DIR/$exe" ] || { echo "run-app: $QUORVAN_WIN32_DIR/$exe is missing" >&2; exit 1; }
    done
    # Made once; later runs keep whatever the user changed in it.
    [ -f "$E2E_ROOT/build/wineprefix/.quorvan-template" ] ||
        sh "$here/make-prefix.sh" "$E2E_ROOT/build/wineprefix"
    exec unshare --net --mount --pid --fork --kill-child --mount-proc sh "$0" --inside
fi

trap e2e_cleanup EXIT
trap 'exit 130' INT TERM
e2e_loopback_only
work="$E2E_ROOT/build/run-app"
rm -rf "$work"
mkdir -p "$work"
e2e_resolution offline "$work"

display_socket=/tmp/.X11-unix/X$(printf '%s' "${DISPLAY:-}" | sed -n 's/^:\([0-9]*\)\(\.[0-9]*\)\{0,1\}$/\1/p')
if [ -n "${DISPLAY:-}" ] && [ -S "$display_socket" ]; then
    own_display=no
    managed=Y  # the user's window manager frames and moves the window
else
    e2e_start_xvfb "$work"
    own_display=yes
    managed=N  # no window manager here: Wine draws the frame itself
fi
e2e_wine_env "$E2E_ROOT/build/wineprefix"
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d "$managed" /f >/dev/null 2>&1

wine "$QUORVAN_WIN32_DIR/quorvan.exe" &
app=$!
shot="$E2E_ROOT/build/quorvan.png"
if wine "$QUORVAN_WIN32_DIR/qdriver.exe" --screenshot "$(winepath -w "$work/quorvan.bmp")" &&
        python3 "$E2E_DIR/bmp2png.py" "$work/quorvan.bmp" "$shot"; then
    echo "run-app: screenshot of the window: $shot"
else
    echo "run-app: the window did not appear" >&2
fi
if [ "$own_display" = yes ]; then
    exit 0  # e2e_cleanup ends the program with the prefix's wineserver
fi
echo "run-app: close the Quorvan window to finish"
wait "$app"
