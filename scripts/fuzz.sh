#!/usr/bin/env bash
# Builds the libFuzzer targets into ./build-fuzz and runs each for a while on a throw-away copy of
# its seed corpus. Usage: scripts/fuzz.sh [seconds per target, default 20]
# Exits non-zero when any target finds a crash, a hang or a sanitizer error; the input that did
# it is kept under fuzz/findings/.
set -uo pipefail
cd "$(dirname "$0")/.."
root=$PWD
seconds=${1:-20}
targets=(fuzz_lay fuzz_shp fuzz_import fuzz_ini fuzz_hall fuzz_save fuzz_jpeg fuzz_png fuzz_rtf fuzz_bitmap fuzz_midi)

# libFuzzer comes with clang, not gcc; check before a long configure fails obscurely.
if ! command -v clang++ >/dev/null || ! command -v clang >/dev/null; then
  echo "fuzz: clang is missing; install it with: sudo apt-get install clang libclang-rt-14-dev" >&2
  exit 2
fi
probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
printf '#include <cstdint>\n#include <cstddef>\nextern "C" int LLVMFuzzerTestOneInput(const uint8_t*, size_t) { return 0; }\n' >"$probe/p.cpp"
if ! clang++ -fsanitize=fuzzer,address,undefined "$probe/p.cpp" -o "$probe/p" 2>"$probe/err"; then
  echo "fuzz: clang++ cannot link libFuzzer; install it with: sudo apt-get install libclang-rt-14-dev" >&2
  echo "      (the package matching your clang version: clang++ --version)" >&2
  exit 2
fi

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DVELMOR_FUZZ=ON -DVELMOR_BUILD_TESTS=OFF -DVELMOR_BUILD_BENCH=OFF >/dev/null || exit 2
cmake --build build-fuzz -j2 --target "${targets[@]}" || exit 2

# The bitmap target goes through Qt's image readers, which are far slower than our own readers,
# so its inputs stay small.
max_len() {
  case $1 in
    fuzz_bitmap) echo 2048 ;;
    fuzz_rtf) echo 16384 ;;
    *) echo 8192 ;;
  esac
}

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
failed=0
summary=()
for t in "${targets[@]}"; do
  work="$probe/$t"
  mkdir -p "$work/corpus" "$work/art"
  cp fuzz/corpus/"$t"/* "$work/corpus/" 2>/dev/null
  log="$work/log"
  (cd "$work" && "$root/build-fuzz/bin/$t" "$work/corpus" -max_total_time="$seconds" -timeout=5 \
    -rss_limit_mb=2048 -max_len="$(max_len "$t")" -artifact_prefix="$work/art/" -print_final_stats=1 \
    >"$log" 2>&1)
  rc=$?
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  if [ $rc -eq 0 ] && [ -z "$(ls -A "$work/art")" ]; then
    summary+=("$t: ${runs:-?} runs, no crash")
  else
    failed=1
    mkdir -p fuzz/findings
    kept=()
    for f in "$work"/art/*; do
      [ -e "$f" ] || continue
      cp "$f" "fuzz/findings/$t-$(basename "$f")"
      kept+=("fuzz/findings/$t-$(basename "$f")")
    done
    cp "$log" "fuzz/findings/$t.log"
    what=$(grep -m1 -E '^(==[0-9]+==ERROR|.*runtime error|==[0-9]+== ERROR: libFuzzer)' "$log" | sed 's/^==[0-9]*== *//')
    summary+=("$t: FAILED after ${runs:-?} runs (exit $rc): ${what:-see log}; input ${kept[*]:-none}, log fuzz/findings/$t.log")
  fi
done

printf '%s\n' "${summary[@]}"
exit $failed
