#!/usr/bin/env bash
# The launcher's Windows executable as shipped: it needs no DLL beside it (it
# names only DLLs every Windows system has), it loads at start only those the
# first frame needs, and, stripped, it is at most 1.5 MB.
#   tests/windows/exe_check.sh EXE
set -uo pipefail
exe=${1:?usage: exe_check.sh EXE}
limit=$((3 * 512 * 1024))
# Windows' own DLLs, as the import table writes them (case varies).
system_dlls=(advapi32 comctl32 comdlg32 gdi32 gdiplus kernel32 msvcrt ole32 oleacc oleaut32 shell32
  shlwapi urlmon user32 uxtheme version)
# Those loaded with the program; each of the others costs start-up time
# under Wine, and loads at its first call instead.
start_dlls=(advapi32 gdi32 kernel32 msvcrt user32 version)
failures=0
fail() {
  echo "FAIL: $*" >&2
  failures=$((failures + 1))
}

[ -f "$exe" ] || { echo "FAIL: no $exe" >&2; exit 1; }
stripped=$(mktemp)
trap 'rm -f "$stripped"' EXIT
x86_64-w64-mingw32-strip -o "$stripped" "$exe" || fail "cannot strip $exe"
size=$(stat -c %s "$stripped")
[ "$size" -le "$limit" ] || fail "$size bytes stripped, more than $limit"

dlls=$(x86_64-w64-mingw32-objdump -p "$exe" | sed -nE 's/^\s*DLL Name: (.*)$/\1/p')
[ -n "$dlls" ] || fail "no import table read from $exe"
for dll in $dlls; do
  lower=$(printf '%s' "$dll" | tr '[:upper:]' '[:lower:]')
  [[ " ${start_dlls[*]} " == *" ${lower%.dll} "* ]] || fail "loads $dll at start"
done
# The DLLs loaded late are named in delay-import tables that objdump does not
# list; every DLL name in the file is checked instead.
named=$(grep -a -o -i -E '[a-z0-9_]+\.dll' "$exe" | sort -fu)
for dll in $named; do
  lower=$(printf '%s' "$dll" | tr '[:upper:]' '[:lower:]')
  [[ " ${system_dlls[*]} " == *" ${lower%.dll} "* ]] || fail "names $dll, which is no system DLL"
done

echo "$(basename "$exe"): $size bytes stripped; loads $(echo $dlls | tr ' ' ',') at start," \
  "names $(echo $named | tr ' ' ',')"
[ "$failures" -eq 0 ]
