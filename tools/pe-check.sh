#!/usr/bin/env bash
# Checks the shipped i686 programs: machine i386, GUI subsystem 4.0, imports
# from system DLLs only, each of them exported by Windows 95 and NT 4.0 as
# tools/pe-imports.table lists it (tools/pe-imports.py), and the manifest: each program asks for its execution
# level (see level_of), the language library carries none.
#   tools/pe-check.sh file.exe|file.dll ...
set -euo pipefail
allowed=" kernel32.dll user32.dll gdi32.dll advapi32.dll shell32.dll ole32.dll comctl32.dll msvcrt.dll "
status=0
here=$(dirname "$0")
# uninstall.exe writes and removes machine-wide entries; the others do not.
level_of() {
  case "$(basename "$1")" in
    uninstall.exe) echo requireAdministrator ;;
    *.exe) echo asInvoker ;;
    *) echo none ;;
  esac
}
[ $# -gt 0 ] || { echo "usage: pe-check.sh file.exe|file.dll ..." >&2; exit 2; }
for file in "$@"; do
  [ -f "$file" ] || { echo "pe-check: $file: missing" >&2; status=1; continue; }
  headers=$(i686-w64-mingw32-objdump -p "$file")
  fail() { echo "pe-check: $file: $1" >&2; status=1; }
  grep -q '^architecture: i386' <<<"$(i686-w64-mingw32-objdump -f "$file")" || fail "not an i386 file"
  grep -Eq '^MajorSubsystemVersion[[:space:]]+4$' <<<"$headers" || fail "subsystem major version is not 4"
  grep -Eq '^MinorSubsystemVersion[[:space:]]+0$' <<<"$headers" || fail "subsystem minor version is not 0"
  case "$file" in
    *.exe) grep -Eq '^Subsystem[[:space:]]+00000002' <<<"$headers" || fail "not a GUI program" ;;
  esac
  imports=" $(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers" | tr 'A-Z\n' 'a-z ')"
  for dll in $imports; do
    [[ "$allowed" == *" $dll "* ]] || fail "imports $dll"
  done
  "$here/pe-imports.py" check "$file" || fail "imports a function the table does not allow"
  level=$(level_of "$file")
  "$here/pe-manifest.py" check "$file" "$level" || fail "manifest is not the one for level $level"
  # The manifest's common-controls 6.0 must be loaded with the program.
  if [ "$level" != none ] && [[ "$imports" != *" comctl32.dll "* ]]; then
    fail "does not import comctl32.dll"
  fi
  [ $status -ne 0 ] || printf 'pe-check: %-16s ok, %6d bytes\n' "$(basename "$file")" "$(stat -c %s "$file")"
done
exit $status
