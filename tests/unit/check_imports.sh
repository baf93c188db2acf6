#!/bin/sh
# The program must start on a bare Windows XP SP3 to 11: a 32-bit GUI program
# for subsystem 5.01 that imports nothing but the system's own DLLs (no
# MinGW runtime DLL, no api-ms-win-* sets of newer systems).
set -eu
exe="$1"
allowed="kernel32.dll user32.dll gdi32.dll shell32.dll advapi32.dll comctl32.dll ole32.dll
ws2_32.dll wsock32.dll msvcrt.dll"

[ -f "$exe" ] || { echo "missing $exe (build the win32 preset first)"; exit 1; }
headers=$(i686-w64-mingw32-objdump -p "$exe")
failed=0

imports=$(printf '%s\n' "$headers" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
[ -n "$imports" ] || { echo "no imports found"; failed=1; }
for dll in $imports; do
    case " $(echo $allowed) " in
        *" $dll "*) echo "ok: imports $dll" ;;
        *) echo "FAIL: imports $dll, which is not a system DLL"; failed=1 ;;
    esac
done

expect() { # expect FIELD VALUE
    if printf '%s\n' "$headers" | grep -Eq "^$1[[:space:]]+$2\b"; then
        echo "ok: $1 $2"
    else
        echo "FAIL: $1 is not $2"; failed=1
    fi
}
expect MajorSubsystemVersion 5
expect MinorSubsystemVersion 1
expect Subsystem "0*2"
printf '%s\n' "$headers" | grep -q "file format pei-i386" || { echo "FAIL: not a 32-bit x86 program"; failed=1; }

[ "$failed" -eq 0 ] && echo "1 passed, 0 failed" || echo "0 passed, 1 failed"
exit "$failed"
