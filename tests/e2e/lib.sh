# Shared by the e2e shell scripts: where things are, and the steps that set
# up a private network namespace, a display and a Wine environment.
# shellcheck shell=sh

E2E_ROOT=${E2E_ROOT:-$(cd "$(dirname "$0")/../.." && pwd)}
E2E_DIR="$E2E_ROOT/tests/e2e"
# Code page 936 needs a real zh_CN locale; tools/ensure-deps.sh makes it here.
E2E_LOCPATH="$E2E_ROOT/build/locale"
E2E_LOCALE=zh_CN.UTF-8
E2E_BOOT_OVERRIDES="mscoree,mshtml=;winemenubuilder.exe="
QUORVAN_WIN32_DIR=${QUORVAN_WIN32_DIR:-$E2E_ROOT/build/win32}

# Refuses to go on unless loopback is the only interface: nothing started
# after this can reach another machine.
e2e_loopback_only() {
    ip link set lo up
    links=$(ip -o link show | awk -F': ' '{print $2}')
    if [ "$links" != "lo" ]; then
        echo "e2e: interfaces besides lo in the namespace: $links" >&2
        exit 97
    fi
}

# e2e_resolution MODE DIR - offline: no name resolves (a resolver address
# where nothing listens, so look-ups fail at once); online and silent: every
# name resolves to 127.0.0.1 through resolver.py.  Bind mounts keep the
# host's files untouched; they vanish with the mount namespace.
e2e_resolution() {
    printf 'nameserver 127.0.0.1\noptions timeout:1 attempts:1\n' >"$2/resolv.conf"
    printf '127.0.0.1 localhost\n' >"$2/hosts"
    mount --bind "$2/resolv.conf" /etc/resolv.conf
    mount --bind "$2/hosts" /etc/hosts
    case "$1" in
        offline) ;;
        online | silent)
            rm -f "$2/resolver.ready"
            python3 "$E2E_DIR/resolver.py" "$2/resolver.ready" &
            E2E_RESOLVER_PID=$!
            e2e_wait_for_file "$2/resolver.ready" "$E2E_RESOLVER_PID" || { echo "e2e: resolver did not start" >&2; exit 97; }
            ;;
        *) echo "e2e: unknown mode $1" >&2; exit 2 ;;
    esac
    if [ "$1" = silent ]; then
        echo 1 >/proc/sys/net/ipv4/icmp_echo_ignore_all
    fi
}

# e2e_wait_for_file FILE PID - polls up to ten seconds for a non-empty file
# that process PID writes; gives up at once if the process has died.
e2e_wait_for_file() {
    i=0
    while [ ! -s "$1" ]; do
        i=$((i + 1))
        [ "$i" -le 200 ] && kill -0 "$2" 2>/dev/null || return 1
        sleep 0.05
    done
}

# e2e_start_xvfb DIR - a private display; -displayfd picks a free number and
# reports it once the server accepts connections.  It listens only on an
# abstract socket, which belongs to the network namespace: displays of
# parallel scenarios never meet even when their numbers are the same.
e2e_start_xvfb() {
    rm -f "$1/display"
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -nolisten unix \
        3>"$1/display" >"$1/xvfb.log" 2>&1 &
    E2E_XVFB_PID=$!
    e2e_wait_for_file "$1/display" "$E2E_XVFB_PID" || { echo "e2e: Xvfb did not start" >&2; cat "$1/xvfb.log" >&2; exit 97; }
    DISPLAY=:$(cat "$1/display")
    export DISPLAY
}

e2e_wine_env() { # e2e_wine_env PREFIX
    WINEPREFIX=$1
    WINEDEBUG=${E2E_WINEDEBUG:--all}  # E2E_WINEDEBUG=+msg etc. when debugging
    LC_ALL=$E2E_LOCALE
    LOCPATH=$E2E_LOCPATH
    export WINEPREFIX WINEDEBUG LC_ALL LOCPATH
}

# Stops what this script started, by PID, and the prefix's wineserver.
e2e_cleanup() {
    [ -n "${WINEPREFIX:-}" ] && wineserver -k 2>/dev/null
    for pid in ${E2E_XVFB_PID:-} ${E2E_RESOLVER_PID:-}; do
        kill "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    return 0
}

# e2e_scenario_prefix TEMPLATE WORK - a prefix of its own for one run, laid
# over the template (copied where overlayfs is missing), with the tool
# substitutes in system32 and quorvan.exe in C:\Program Files\Quorvan.
# Sets E2E_PREFIX; the substitutes only win with WINEDLLOVERRIDES from
# e2e_substitutes_win.
e2e_scenario_prefix() {
    E2E_PREFIX="$2/prefix"
    mkdir -p "$E2E_PREFIX" "$2/upper" "$2/overlay-work"
    if ! mount -t overlay overlay -o "lowerdir=$1,upperdir=$2/upper,workdir=$2/overlay-work" \
            "$E2E_PREFIX" 2>/dev/null; then
        cp -a "$1/." "$E2E_PREFIX/"
    fi
    system32="$E2E_PREFIX/drive_c/windows/system32"
    for tool in sc netsh ipconfig; do
        cp "$QUORVAN_WIN32_DIR/tool_substitute.exe" "$system32/$tool.exe"
    done
    # cmd.exe runs "ipconfig/all" as the relative path ipconfig\all.exe.
    mkdir -p "$system32/ipconfig" "$E2E_PREFIX/drive_c/e2e" "$E2E_PREFIX/drive_c/Program Files/Quorvan"
    cp "$QUORVAN_WIN32_DIR/tool_substitute.exe" "$system32/ipconfig/all.exe"
    cp "$QUORVAN_WIN32_DIR/quorvan.exe" "$E2E_PREFIX/drive_c/Program Files/Quorvan/quorvan.exe"
}

# e2e_keep_artefacts SCENARIO - the pictures the driver saved in
# C:\e2e\artefacts, as PNG files in build/e2e-artefacts/SCENARIO; kept
# only for scenarios that save some.
e2e_keep_artefacts() {
    from="$E2E_PREFIX/drive_c/e2e/artefacts"
    [ -d "$from" ] || return 0
    to="$E2E_ROOT/build/e2e-artefacts/$1"
    rm -rf "$to"
    mkdir -p "$to"
    for bmp in "$from"/*.bmp; do
        [ -f "$bmp" ] || continue
        name=$(basename "$bmp" .bmp)
        python3 "$E2E_DIR/bmp2png.py" "$bmp" "$to/$name.png" || return 1
    done
}

# The substitutes must win over Wine's own sc, netsh and ipconfig.
e2e_substitutes_win() {
    export WINEDLLOVERRIDES="sc.exe,netsh.exe,ipconfig.exe=n"
}
