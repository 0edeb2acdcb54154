#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz/ and runs one of them
# (or all, one after another) for the given number of seconds, starting from
# its committed seed corpus and dictionary.
#   scripts/fuzz.sh NAME SECONDS   NAME: sample_file, data_file, number_text, arguments, engine_run, ... or all
# New inputs are kept in build-fuzz/corpus/NAME, never in the repository. On a
# crash the reproducer is printed (base64) and kept in build-fuzz/artifacts/NAME/;
# the script then fails. Extra arguments go to the fuzzer (e.g. -runs=N).
set -euo pipefail
cd "$(dirname "$0")/.."

if [ $# -lt 2 ]; then
  echo "usage: scripts/fuzz.sh NAME SECONDS [fuzzer options...]" >&2
  exit 2
fi
name=$1
seconds=$2
shift 2

build=build-fuzz
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DSPLN_FUZZ=ON -DSPLN_BUILD_GUI=OFF -DSPLN_BUILD_TESTS=OFF -DSPLN_BUILD_BENCH=OFF >/dev/null
if [ "$name" = all ]; then
  cmake --build "$build" --target fuzz -j"$(nproc)"
  names=$(cd "$build/fuzz" && ls fuzz_* | sed 's/^fuzz_//')
else
  cmake --build "$build" --target "fuzz_$name" -j"$(nproc)"
  names=$name
fi

status=0
for target in $names; do
  work="$build/corpus/$target"
  artifacts="$build/artifacts/$target/"
  mkdir -p "$work" "$artifacts"
  dict=()
  [ -f "fuzz/dict/$target.dict" ] && dict=(-dict="fuzz/dict/$target.dict")
  echo "== fuzz_$target for ${seconds} s"
  # Leaks are looked for as well; a run slower than 10 s counts as a hang.
  # Standard input is empty, so that a path such as /dev/stdin never waits.
  if ! "$build/fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="$artifacts" "${dict[@]}" "$@" "$work" "fuzz/corpus/$target" </dev/null; then
    status=1
    for crash in "$artifacts"*; do
      [ -f "$crash" ] || continue
      echo "== reproducer $crash (base64):"
      base64 -w 76 "$crash"
    done
  fi
done
exit $status
