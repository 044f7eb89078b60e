#!/bin/bash
# Builds the libFuzzer harnesses with clang (AddressSanitizer and UBSan) in a build folder of
# their own and runs each in turn for a number of inputs, then prints per harness the inputs
# run, the coverage reached (libFuzzer's cov and ft counters) and whether it broke. Inputs that
# broke a harness are kept below the work folder (crash-*); copy them to fuzz/found/<harness>/
# so that the test suite replays them.
# Usage: scripts/fuzz-all.sh [-runs=N] [-max_total_time=S] [harness...]
# Defaults: 1000000 inputs, at most 1800 s per harness, every harness. Runs under nice -n 19,
# one harness at a time. Exit status: 0 no harness broke, 1 one did, 2 the build failed.
set -u

here=$(cd "$(dirname "$0")/.." && pwd)
build=${FUZZ_BUILD:-$here/build-fuzz}
work=${FUZZ_WORK:-$build/runs}
runs=1000000
limit=1800
harnesses=()
for arg in "$@"; do
    case $arg in
        -runs=*) runs=${arg#-runs=} ;;
        -max_total_time=*) limit=${arg#-max_total_time=} ;;
        *) harnesses+=("$arg") ;;
    esac
done
[ ${#harnesses[@]} -eq 0 ] &&
    harnesses=(setfile lstfile nwffile brwfile dlffile settings drivemap utilitycmd atlist)

mkdir -p "$build"
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
if ! nice -n 19 cmake -S "$here" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
        -DHARBEX_FUZZ=ON -DHARBEX_TESTS=OFF "${launcher[@]}" >"$build/configure.log" 2>&1 ||
    ! nice -n 19 cmake --build "$build" -j2 --target fuzz_all >"$build/build.log" 2>&1; then
    echo "build failed; see $build/configure.log and $build/build.log"
    exit 2
fi

export ASAN_OPTIONS=detect_leaks=0:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
printf '%-11s %10s %8s %8s %7s  %s\n' harness inputs cov ft seconds result
for harness in "${harnesses[@]}"; do
    out=$work/$harness
    rm -rf "$out"
    mkdir -p "$out/corpus"
    cp "$here/fuzz/corpus/$harness"/* "$out/corpus/" 2>/dev/null
    [ -d "$here/fuzz/found/$harness" ] && cp "$here/fuzz/found/$harness"/* "$out/corpus/" 2>/dev/null
    start=$(date +%s)
    (cd "$out" && nice -n 19 "$build/fuzz/fuzz_$harness" -runs="$runs" -max_total_time="$limit" \
        -max_len=4096 -print_final_stats=1 corpus >"$out/log" 2>&1)
    code=$?
    seconds=$(($(date +%s) - start))
    inputs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/log" | tail -1)
    # The last status line libFuzzer printed holds the coverage reached.
    last=$(grep -E '^#[0-9]+' "$out/log" | tail -1)
    cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")
    ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")
    [ -z "$inputs" ] && inputs=$(sed -n 's/^#\([0-9]*\).*/\1/p' <<<"$last")
    crashes=$(ls "$out"/crash-* "$out"/leak-* "$out"/timeout-* 2>/dev/null)
    if [ $code -eq 0 ] && [ -z "$crashes" ]; then
        result="no crash"
    else
        result="BROKE (exit $code): $(echo $crashes) - see $out/log"
        status=1
    fi
    printf '%-11s %10s %8s %8s %7s  %s\n' "$harness" "${inputs:-?}" "${cov:-?}" "${ft:-?}" \
        "$seconds" "$result"
    grep -m1 'property broken\|ERROR: AddressSanitizer\|runtime error' "$out/log" | cut -c1-300
done
exit $status
