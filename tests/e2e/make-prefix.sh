#!/bin/sh
# make-prefix.sh DIR - makes the Wine prefix that every scenario starts from
# (a copy or overlay of it), unless DIR already holds one made by this Wine
# with these settings.  wineboot is slow (~15 s); scenarios never run it.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

dir=${1:?usage: make-prefix.sh DIR}
case "$dir" in /*) ;; *) dir="$(pwd)/$dir" ;; esac  # Wine wants an absolute path
stamp="$(wine --version) $(cksum <"$here/prefix.reg")"

mkdir -p "$(dirname "$dir")"
# Two hand-started scenarios may both find the template missing.
exec 9>"$dir.lock"
flock 9

if [ -f "$dir/.quorvan-template" ] && [ "$(cat "$dir/.quorvan-template")" = "$stamp" ]; then
    exit 0
fi

rm -rf "$dir" "$dir.new"
# wineboot starts services of its own: keep them off the network too, and
# away from any display (no window is wanted).
unshare --net --pid --fork --kill-child --mount-proc env -u DISPLAY \
    WINEPREFIX="$dir.new" WINEARCH=win32 WINEDLLOVERRIDES="$E2E_BOOT_OVERRIDES" \
    WINEDEBUG=-all LC_ALL="$E2E_LOCALE" LOCPATH="$E2E_LOCPATH" \
    sh -c '
        set -e
        ip link set lo up
        wineboot -i
        wine regedit /S "$(winepath -w "$1")"
        wineserver -w
    ' sh "$here/prefix.reg"
grep -q '"Managed"="N"' "$dir.new/user.reg" 2>/dev/null ||
    { echo "make-prefix: no prefix with the settings of prefix.reg was made" >&2; exit 1; }
printf '%s\n' "$stamp" >"$dir.new/.quorvan-template"
mv "$dir.new" "$dir"
