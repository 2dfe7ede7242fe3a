#!/usr/bin/env bash
# Runs CTest in a build folder, prints one line per test program and the number
# of GoogleTest cases that passed, per world where the tests run in worlds
# (a test named name.world; tests/worlds); on a failure, prints the failing
# programs' whole output.
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
awk '/^ *[0-9]+\/[0-9]+ Test +#[0-9]+: / {
       sub(/.*#/, ""); number = $1; sub(/:$/, "", number); world[number] = "zh"
       if (split($2, part, ".") == 2) { world[number] = part[2]; worlds = 1 }
     }
     /^[0-9]+: \[  PASSED  \] [0-9]+ test/ { sub(/:$/, "", $1); passed[$1] += $5 }
     END {
       if (!worlds) exit
       for (n in passed) per[world[n]] += passed[n]
       for (w in per) printf "  world %-10s %4d test cases passed\n", w, per[w]
     }' "$log" | sort
if [ $rc -ne 0 ]; then
  ctest --rerun-failed --output-on-failure "$@"
fi
exit $rc
