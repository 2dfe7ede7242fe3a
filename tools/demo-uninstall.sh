#!/usr/bin/env bash
# make demo, second half: removes the installation that tools/demo.sh set up
# and reports what is left.
#
#   tools/demo-uninstall.sh PREFIX INSTALL_FOLDER
#
# Runs INSTALL_FOLDER\uninstall.exe in PREFIX as Add/Remove Programs would,
# answers its confirmation (tests/e2e_uninstall/answer_uninstall.exe), waits
# for the batch run, checks that the folder, the links and the program groups
# are gone, and compares the registry keys that setup writes with a fresh
# prefix prepared the same way but never set up (tools/demo/setup.bat without
# "silent"), using reg.exe export.
#
#   tools/demo-uninstall.sh PREFIX INSTALL_FOLDER STAGED_PREFIX
#
# then also runs an unattended round trip in STAGED_PREFIX, where Zelkova is
# staged in the same folder but not set up: "uninstall.exe /setup /s" and
# "uninstall.exe /uninstall /s", each with its exit code and time, and the
# time until the batch run has removed the folder.
#   DEMO_BUILD=DIR  the win64 build folder (default build/win64)
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=${DEMO_BUILD:-$root/build/win64}
[ $# -eq 2 ] || [ $# -eq 3 ] ||
  { echo "usage: demo-uninstall.sh PREFIX INSTALL_FOLDER [STAGED_PREFIX]" >&2; exit 2; }
prefix=$(cd "$1" && pwd)
install_folder=$2
round_trip=""
[ $# -eq 3 ] && round_trip=$(cd "$3" && pwd)
answer=$build/tests/e2e_uninstall/answer_uninstall.exe
template=${ZK_WINE_CACHE:-$HOME/.cache/zelkova-wine}/template
[ -f "$answer" ] || { echo "demo-uninstall: missing $answer (build win64 first)" >&2; exit 1; }
[ -f "$template/system.reg" ] || { echo "demo-uninstall: no booted template prefix at $template" >&2; exit 1; }

wine=/usr/lib/wine/wine64
server=/usr/lib/wine/wineserver
export WINELOADER=$wine WINEDEBUG=-all LC_ALL=zh_CN.UTF-8
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
winpath() { local p=$1; echo "Z:${p//\//\\}"; }
unix_folder="$prefix/drive_c/${install_folder#C:\\}"
unix_folder=${unix_folder//\\//}

work=$(mktemp -d "${TMPDIR:-/tmp}/zk-demo-uninstall.XXXXXX")
baseline=$work/baseline
xvfb_pid=""
cleanup() {
  WINEPREFIX=$prefix "$server" -k >/dev/null 2>&1 || true
  [ -d "$baseline" ] && { WINEPREFIX=$baseline "$server" -k >/dev/null 2>&1 || true; }
  [ -n "$round_trip" ] && { WINEPREFIX=$round_trip "$server" -k >/dev/null 2>&1 || true; }
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT

# The confirmation is a message box: it needs a display of its own.
Xvfb -displayfd 5 -screen 0 1024x768x24 -nolisten tcp 5>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
export DISPLAY=:$(cat "$work/display")

keys=('HKEY_CLASSES_ROOT' 'HKEY_CURRENT_USER\Software\Zelkova'
      'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\App Paths'
      'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Uninstall'
      'HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\Shell Extensions')

# export_keys PREFIX DIR: each key as UTF-8 text without CRs (empty when missing).
export_keys() {
  local pfx=$1 out=$2 i=0 key
  mkdir -p "$out"
  for key in "${keys[@]}"; do
    rm -f "$out/$i.reg"
    WINEPREFIX=$pfx "$wine" 'C:\windows\system32\reg.exe' export "$key" "$(winpath "$out/$i.reg")" /y \
      >/dev/null 2>&1 </dev/null || true
    if [ -f "$out/$i.reg" ]; then iconv -f UTF-16LE -t UTF-8 "$out/$i.reg" | tr -d '\r' >"$out/$i.txt"
    else : >"$out/$i.txt"; fi
    i=$((i + 1))
  done
}

echo "Uninstall ($install_folder)"
WINEPREFIX=$prefix "$server" -p
WINEPREFIX=$prefix "$wine" wineboot >/dev/null 2>&1 </dev/null || true
status=0
WINEPREFIX=$prefix "$wine" "$answer" "$install_folder\\uninstall.exe" </dev/null 2>/dev/null \
  | grep -av '^C:\\\|^\s*$' | sed 's/^/  /' || status=1
if [ -e "$unix_folder" ]; then
  echo "  LEFT: $install_folder (entries of Uninstall.lst are relative to it; absolute ones are skipped)"
  ls -A "$unix_folder" | sed 's/^/    /'
  status=1
fi
links=$(cd "$prefix/drive_c" && find users ProgramData -iname '*zelkova*' 2>/dev/null || true)
if [ -n "$links" ]; then echo "  LEFT: links and groups:"; echo "$links" | sed 's/^/    C:\//'; status=1
else echo "  links and program groups: gone"; fi
export_keys "$prefix" "$work/after"
WINEPREFIX=$prefix "$server" -k >/dev/null 2>&1 || true

# The same machine without setup: the template prefix with the demo's own
# registry preparation.
cp -a "$template" "$baseline"
mkdir -p "$work/empty"
WINEPREFIX=$baseline "$server" -p
WINEPREFIX=$baseline "$wine" wineboot >/dev/null 2>&1 </dev/null || true
WINEPREFIX=$baseline "$wine" cmd.exe /c "$(winpath "$root/tools/demo/setup.bat")" \
  "$(winpath "$work/empty")" prepare "$(winpath "$work/times.txt")" >/dev/null 2>&1 </dev/null || true
export_keys "$baseline" "$work/before"

echo
echo "Registry after setup and uninstall, compared with the same machine never set up:"
i=0
any=0
for key in "${keys[@]}"; do
  # reg.exe export lists keys in a stable order: a plain diff shows the change.
  d=$(diff "$work/before/$i.txt" "$work/after/$i.txt" | grep -a '^[<>] .' || true)
  if [ -n "$d" ]; then
    any=1
    echo "  $key:"
    echo "$d" | sed -e 's/^< /    removed: /' -e 's/^> /    left:    /'
  fi
  i=$((i + 1))
done
[ "$any" = 0 ] && echo "  no difference"
cat <<'NOTE'

Left on purpose: the handler keys of all files, folders, drives and
directories ("*", Folder, Drive, Directory \shellex\...\Zelkova) stay, empty,
because other programs' handlers may share their parents; the parents of the
removed exefile handler key stay; an extension whose former owner had no
"New" menu entry keeps an empty ShellNew key.
NOTE

[ -n "$round_trip" ] || exit $status
# milliseconds since the epoch
now() { echo $(($(date +%s%N) / 1000000)); }
seconds() { printf '%d.%02d s' $(($1 / 1000)) $((($1 % 1000) / 10)); }
echo
echo "Unattended round trip ($install_folder, a second prefix)"
(
  export WINEPREFIX=$round_trip
  folder_unix="$round_trip/drive_c/${install_folder#C:\\}"
  folder_unix=${folder_unix//\\//}
  "$server" -p
  "$wine" wineboot >/dev/null 2>&1 </dev/null || true
  # Setup takes the folder it is started in (Wine passes on the Linux one)
  # as the installation folder.
  start=$(now)
  code=0
  (cd "$folder_unix" && "$wine" uninstall.exe /setup /s >/dev/null 2>&1 </dev/null) || code=$?
  echo "  uninstall.exe /setup /s      exit code $code after $(seconds $(($(now) - start)))"
  "$wine" 'C:\windows\system32\reg.exe' query \
    'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zelkova archiver' </dev/null 2>/dev/null |
    tr -d '\r' | grep -aE 'QuietUninstallString|EstimatedSize' | sed 's/^ */    /' || true
  # The program group's folder window holds the folder as its current
  # directory under Wine: end it, as logging off would.
  "$server" -k >/dev/null 2>&1 || true
  "$server" -p
  "$wine" wineboot >/dev/null 2>&1 </dev/null || true
  start=$(now)
  code=0
  (cd "$round_trip/drive_c" && "$wine" "$install_folder\\uninstall.exe" /uninstall /s >/dev/null 2>&1 </dev/null) ||
    code=$?
  echo "  uninstall.exe /uninstall /s  exit code $code after $(seconds $(($(now) - start)))"
  for _ in $(seq 300); do [ -e "$folder_unix" ] || break; sleep 0.1; done
  if [ -e "$folder_unix" ]; then
    echo "  LEFT: $install_folder"
    exit 1
  fi
  echo "  folder gone $(seconds $(($(now) - start))) after the start of the uninstall"
  if "$wine" 'C:\windows\system32\reg.exe' query \
    'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zelkova archiver' >/dev/null 2>&1 </dev/null; then
    echo "  LEFT: the uninstall entry"
    exit 1
  fi
  echo "  uninstall entry gone"
) || status=1
exit $status
