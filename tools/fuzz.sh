#!/usr/bin/env bash
# Fuzzing with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer (clang).
#   tools/fuzz.sh [SECONDS] [TARGET...]   fuzz each target for SECONDS (60) from its corpus
#   tools/fuzz.sh --regresion             run every committed input once (what CI does), then 10 s each
# Targets: archivo_cotizacion numeros fechas catalogo. Committed seeds and regression inputs are in
# fuzz/corpus/<target>/; what a run finds new goes to build-fuzz/corpus/<target>/, crashes to
# build-fuzz/hallazgos/ (add each, once fixed, to fuzz/corpus/<target>/).
set -euo pipefail
cd "$(dirname "$0")/.."
todos=(archivo_cotizacion numeros fechas catalogo)
segundos=60
regresion=0
if [ "${1:-}" = "--regresion" ]; then regresion=1; segundos=10; shift; fi
if [[ "${1:-}" =~ ^[0-9]+$ ]]; then segundos=$1; shift; fi
objetivos=("$@")
[ ${#objetivos[@]} -gt 0 ] || objetivos=("${todos[@]}")

CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCV_FUZZ=ON >/dev/null
ninja -C build-fuzz -j2 $(printf 'fuzz_%s ' "${objetivos[@]}")
mkdir -p build-fuzz/hallazgos
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
for o in "${objetivos[@]}"; do
  programa=build-fuzz/bin/fuzz_$o
  mkdir -p "build-fuzz/corpus/$o"
  if [ $regresion = 1 ]; then
    echo "== $o: entradas guardadas"
    find "fuzz/corpus/$o" -type f -print0 | xargs -0 "$programa" -runs=1 >/dev/null 2>"build-fuzz/$o.regresion.log" ||
      { cat "build-fuzz/$o.regresion.log"; exit 1; }
  fi
  echo "== $o: $segundos s"
  "$programa" -max_total_time="$segundos" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="build-fuzz/hallazgos/$o-" "build-fuzz/corpus/$o" "fuzz/corpus/$o" 2>&1 |
    grep -E "stat::number_of_executed_units|stat::peak_rss|ERROR|SUMMARY|Test unit written" || true
  if ls build-fuzz/hallazgos/"$o"-* >/dev/null 2>&1; then
    echo "$o: hallazgos en build-fuzz/hallazgos/"; exit 1
  fi
done
