#!/usr/bin/env bash
# make demo: a throwaway Wine prefix in which ".zip", ".cab" and ".iso" belong
# to other programs, Zelkova staged in C:\Program Files\Zelkova with
# uninstall.exe and the stand-ins, then "uninstall.exe /setup /s" and a report
# of what setup did. Afterwards tools/demo-uninstall.sh, when present, gets the
# prefix and the installation folder.
#
#   DEMO_INTERACTIVE=1  show the setup dialogs on $DISPLAY instead of /s
#   DEMO_BUILD=DIR      the win64 build folder (default build/win64)
#   DEMO_KEEP=1         keep the demo folder (its path is printed)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${DEMO_BUILD:-$root/build/win64}
install_folder='C:\Program Files\Zelkova'
winpath() { local p=$1; echo "Z:${p//\//\\}"; }

program=$(find "$build/uninstall" -name uninstall.exe -print -quit 2>/dev/null || true)
stage_files=("$program" "$build/stubs/zelkova/Zelkova.exe" "$build/stubs/zkvext/zkvext.dll"
             "$build/stubs/files/Zkv.txt" "$build/stubs/files/zelkova.hlp"
             "$build/stubs/files/license.txt")
for file in "${stage_files[@]}"; do
  [ -n "$file" ] && [ -f "$file" ] || { echo "demo: missing $file (build win64 first)" >&2; exit 1; }
done

demo=$(mktemp -d "${TMPDIR:-/tmp}/zk-demo.XXXXXX")
[ "${DEMO_KEEP:-0}" = 1 ] || trap 'rm -rf "$demo"' EXIT
prefix=$demo/prefix
mkdir -p "$demo/stage"
cp "${stage_files[@]}" "$demo/stage/"
# The list of what the uninstall removes, as the installer writes it: names
# relative to the installation folder.
printf '%s\r\n' Zelkova.exe zkvext.dll Zkv.txt zelkova.hlp license.txt \
  zkvnew.dat zipnew.dat Zelkova.log > "$demo/stage/Uninstall.lst"

interactive=${DEMO_INTERACTIVE:-0}
mode=silent
[ "$interactive" = 1 ] && mode=stage
echo "demo: staging $install_folder in a new prefix ($mode)"
"$root/tests/wine-run" --keep "$prefix" cmd.exe /c "$(winpath "$root/tools/demo/setup.bat")" \
  "$(winpath "$demo/stage")" "$mode"

if [ "$interactive" = 1 ]; then
  [ -n "${DISPLAY:-}" ] || { echo "demo: DEMO_INTERACTIVE=1 needs a DISPLAY" >&2; exit 1; }
  # The kept prefix, run on the user's display: the dialogs appear there.
  (
    export WINEPREFIX=$prefix WINELOADER=/usr/lib/wine/wine64 WINEDEBUG=-all LC_ALL=zh_CN.UTF-8
    export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    /usr/lib/wine/wineserver -p
    cd "$prefix/drive_c/Program Files/Zelkova"
    /usr/lib/wine/wine64 uninstall.exe /setup || true
    /usr/lib/wine/wineserver -k || true
  )
fi

echo
echo "What setup did ($install_folder):"
perl "$root/tools/demo/report.pl" "$prefix"
echo
echo "Links and program groups"
(cd "$prefix/drive_c" && find users ProgramData -name '*.lnk' 2>/dev/null | grep -i zelkova | sed 's|/|\\|g; s/^/  C:\\/') || echo "  (none)"
# Removal: tools/demo-uninstall.sh PREFIX INSTALL_FOLDER STAGED_PREFIX, when
# it exists; the last one, staged but not set up, is for a silent round trip.
if [ -x "$root/tools/demo-uninstall.sh" ]; then
  echo
  "$root/tests/wine-run" --keep "$demo/round-trip" cmd.exe /c "$(winpath "$root/tools/demo/setup.bat")" \
    "$(winpath "$demo/stage")" stage
  "$root/tools/demo-uninstall.sh" "$prefix" "$install_folder" "$demo/round-trip"
fi
[ "${DEMO_KEEP:-0}" = 1 ] && echo "demo: kept $demo"
exit 0
