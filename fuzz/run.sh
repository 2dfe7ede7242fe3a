#!/usr/bin/env bash
# Runs fuzz targets one after another and prints, per target, the executions,
# executions per second and coverage (edges and features) of the run.
#   fuzz/run.sh BUILD_DIR [SECONDS [TARGET...]]
# New inputs go to BUILD_DIR/fuzz-work/corpus/TARGET, findings to
# BUILD_DIR/fuzz-work/findings; the committed corpus in fuzz/corpus is only read.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
seconds=${2:-300}
shift $(( $# >= 2 ? 2 : 1 ))
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(translation_file list_file command_line batch_text text_routines)

work=$build/fuzz-work
mkdir -p "$work/findings"
failed=0
printf '%-17s %13s %9s %6s %9s  %s\n' target executions "execs/s" edges features result
for target in "${targets[@]}"; do
  if [ ! -x "$build/fuzz/fuzz_$target" ]; then
    echo "$build/fuzz/fuzz_$target is not built (make fuzz builds it)" >&2
    exit 2
  fi
  mkdir -p "$work/corpus/$target"
  log=$work/$target.log
  "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$work/findings/$target-" "$work/corpus/$target" "$here/corpus/$target" \
    >"$log" 2>&1
  rc=$?
  execs=$(awk '/stat::number_of_executed_units/ { print $2 }' "$log")
  rate=$(awk '/stat::average_exec_per_sec/ { print $2 }' "$log")
  coverage=$(grep -Eo 'cov: [0-9]+ ft: [0-9]+' "$log" | tail -1 | awk '{ print $2, $4 }')
  result=ok
  if [ $rc -ne 0 ]; then
    result="FOUND (see $log)"
    failed=1
  fi
  printf '%-17s %13s %9s %6s %9s  %s\n' "$target" "${execs:-?}" "${rate:-?}" \
    ${coverage:-? ?} "$result"
done
if [ $failed -ne 0 ]; then
  echo "findings are in $work/findings; add each to fuzz/corpus/TARGET once it is mended"
fi
exit $failed
