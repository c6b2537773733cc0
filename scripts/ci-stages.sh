#!/usr/bin/env bash
# The checks ./test.sh runs, in the order it runs them: the cheap ones first so
# that a careless change fails within seconds. Each stage says when it starts
# and how it ended; the first failing stage ends the run.
#
# Usage: scripts/ci-stages.sh [stage ...]      (no stage: all of them)
#   format    clang-format --dry-run --Werror over every tracked *.cpp / *.h
#   release   the release build, warnings being errors (SEEP_WERROR)
#   package   the Debian package builds, unpacks and its seepbatch runs
#   tests     the release build's tests
#   fuzz      every fuzz target for FUZZ_SECONDS (20) each on its corpus
#   debug     the debug build's tests under AddressSanitizer + UBSan
# The stages install nothing: scripts/install-deps.sh --fuzz does that.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$PWD"
jobs="$(nproc)"

stage_format() {
  local cf
  cf="$(command -v clang-format-14 || command -v clang-format)" || {
    echo "clang-format-14 is missing (scripts/install-deps.sh)"
    return 1
  }
  # NUL-separated so that no file name can split; the repo's .clang-format applies.
  git ls-files -z -- '*.cpp' '*.h' | xargs -0 -n 50 "$cf" --dry-run --Werror
}

stage_release() {
  # Always configured with the option: a tree left by an earlier run without it
  # would otherwise let warnings through.
  cmake --preset release -DSEEP_WERROR=ON >/dev/null
  cmake --build --preset release
}

# Scratch files of the tests stay in the build tree, so that two checkouts
# testing at once never share a folder.
scratch_for() {
  export TMPDIR="$root/build/$1/test-tmp" TEST_TMPDIR="$root/build/$1/test-tmp"
  rm -rf "$TMPDIR" && mkdir -p "$TMPDIR"
}

stage_tests() {
  scratch_for release
  ctest --preset release -j"$jobs"
}

stage_package() {
  scripts/package-check.sh build/release
}

# One fuzz target for $2 seconds. Its log, the new inputs it finds and any crash
# input stay in build/fuzz/run/<target>/; the kept corpus is only read (libFuzzer
# writes into the first folder it is given).
fuzz_one() {
  local t="$1" seconds="$2" name work rc
  name="$(basename "$t")"
  work="$root/build/fuzz/run/$name"
  rm -rf "$work" && mkdir -p "$work/new"
  "$t" -max_total_time="$seconds" -timeout=25 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$work/" "$work/new" "$root/fuzz/corpus/$name" >"$work/log" 2>&1 && rc=0 || rc=$?
  echo "$rc" >"$work/rc"
}

stage_fuzz() {
  local seconds="${FUZZ_SECONDS:-20}" dir="$root/build/fuzz"
  [ -f "$dir/CMakeCache.txt" ] || cmake --preset fuzz >/dev/null
  cmake --build --preset fuzz --target fuzzers
  local targets=() t name work failed=0
  mapfile -t targets < <(find "$dir/fuzz" -type f -perm -u+x -name 'fuzz_*' | sort)
  [ ${#targets[@]} -gt 0 ] || { echo "no fuzz target was built"; return 1; }
  for t in "${targets[@]}"; do
    name="$(basename "$t")"
    [ -d "fuzz/corpus/$name" ] || { echo "$name: no corpus in fuzz/corpus/$name"; return 1; }
  done
  # As many at once as there are cores: each run is limited by time, not by count.
  for t in "${targets[@]}"; do
    while [ "$(jobs -rp | wc -l)" -ge "$jobs" ]; do wait -n || true; done
    fuzz_one "$t" "$seconds" &
  done
  wait
  for t in "${targets[@]}"; do
    name="$(basename "$t")"
    work="$dir/run/$name"
    if [ "$(cat "$work/rc" 2>/dev/null)" = 0 ]; then
      echo "$name: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$work/log" |
        grep -o '[0-9]*$') runs in ${seconds} s, no crash"
    else
      tail -n 60 "$work/log"
      echo "$name: FAILED (log and input: $work/)"
      failed=1
    fi
  done
  return $failed
}

stage_debug() {
  # Gmsh's quad recombination leaks a few KB inside libgmsh; the suppressions
  # name third-party libraries only, never our code.
  export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:print_stacktrace=1"
  export LSAN_OPTIONS="suppressions=$root/scripts/lsan.supp:print_suppressions=0"
  export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
  # The build runs the test programs to list their cases, under the same options.
  [ -f build/debug/CMakeCache.txt ] || cmake --preset debug >/dev/null
  cmake --build --preset debug
  scratch_for debug
  ctest --preset debug -j"$jobs"
}

describe() {
  case "$1" in
  format) echo "format check (clang-format)" ;;
  release) echo "release build (-Werror)" ;;
  tests) echo "release tests" ;;
  package) echo "package check" ;;
  fuzz) echo "fuzz targets (${FUZZ_SECONDS:-20} s each)" ;;
  debug) echo "debug tests (ASan+UBSan)" ;;
  *) return 1 ;;
  esac
}

all=(format release package tests fuzz debug)
[ $# -gt 0 ] || set -- "${all[@]}"
for s in "$@"; do
  describe "$s" >/dev/null || { echo "unknown stage: $s (stages: ${all[*]})"; exit 2; }
done

summary=()
for s in "$@"; do
  what="$(describe "$s")"
  echo "== stage: $what ..."
  start=$SECONDS
  # A subshell, so that one stage's exports stay its own; not under "if", where
  # bash would ignore set -e inside it.
  set +e
  (
    set -e
    "stage_$s"
  )
  rc=$?
  set -e
  if [ $rc -eq 0 ]; then result=passed; else result=FAILED; fi
  line="== stage: $what ... $result in $((SECONDS - start)) s"
  echo "$line"
  summary+=("$line")
  if [ "$result" = FAILED ]; then
    [ $# -eq 1 ] || printf '%s\n' "${summary[@]}"
    exit 1
  fi
done
# The stages' times together at the end, where a long log leaves them easy to find.
[ $# -eq 1 ] || printf '%s\n' "${summary[@]}"
