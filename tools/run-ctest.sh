#!/usr/bin/env bash
# Runs CTest in a build folder, prints one line per test program and the number
# of GoogleTest cases that passed; on a failure, prints the failing programs'
# whole output.
#   tools/run-ctest.sh BUILD_DIR LABEL [ctest args...]
set -uo pipefail
dir=$1 label=$2
shift 2
cd "$dir" || exit 1
log=ctest-verbose.log
ctest -V -j "$(nproc)" "$@" >"$log" 2>&1
rc=$?
grep -E '^ *[0-9]+/[0-9]+ Test +#' "$log"
cases=$(grep -Eo '\[  PASSED  \] [0-9]+ test' "$log" | awk '{ n += $4 } END { print n + 0 }')
summary=$(grep -E 'tests passed, [0-9]+ tests? failed' "$log" || echo "no tests")
echo "$label: $cases test cases passed; $summary"
if [ $rc -ne 0 ]; then
  ctest --rerun-failed --output-on-failure "$@"
fi
exit $rc
