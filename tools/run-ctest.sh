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
# GoogleTest's "[  PASSED  ] N tests" and, for Python's unittest, "Ran N tests"
# of a program that ends with "OK".
passed_cases() {
  awk '/^[0-9]+: \[  PASSED  \] [0-9]+ test/ { sub(/:$/, "", $1); passed[$1] += $5 }
       /^[0-9]+: Ran [0-9]+ tests? in/ { sub(/:$/, "", $1); ran[$1] = $3 }
       /^[0-9]+: OK( |$)/ { sub(/:$/, "", $1); if ($1 in ran) passed[$1] += ran[$1] }
       END { for (n in passed) print n, passed[n] }' "$log"
}
cases=$(passed_cases | awk '{ n += $2 } END { print n + 0 }')
summary=$(grep -E 'tests passed, [0-9]+ tests? failed' "$log" || echo "no tests")
echo "$label: $cases test cases passed; $summary"
{ passed_cases; cat "$log"; } | awk '
     NF == 2 && $1 ~ /^[0-9]+$/ { passed[$1] = $2; next }
     /^ *[0-9]+\/[0-9]+ Test +#[0-9]+: / {
       sub(/.*#/, ""); number = $1; sub(/:$/, "", number); world[number] = "zh"
       if (split($2, part, ".") == 2) { world[number] = part[2]; worlds = 1 }
     }
     END {
       if (!worlds) exit
       for (n in passed) per[world[n]] += passed[n]
       for (w in per) printf "  world %-10s %4d test cases passed\n", w, per[w]
     }' | sort
if [ $rc -ne 0 ]; then
  ctest --rerun-failed --output-on-failure "$@"
fi
exit $rc
