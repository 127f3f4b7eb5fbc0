#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the suite (build/), the same suite built
# with AddressSanitizer and UndefinedBehaviorSanitizer (build-san/), and every committed fuzzing
# input with a short fuzzing run of each target (build-fuzz/).
#   tools/probar.sh            all three
#   tools/probar.sh --rapido   the suite only
set -euo pipefail
cd "$(dirname "$0")/.."
rapido=0
case "${1:-}" in
  --rapido) rapido=1 ;;
  "") ;;
  *) echo "uso: tools/probar.sh [--rapido]" >&2; exit 2 ;;
esac
tools/instalar-dependencias.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_INSTALL_PREFIX=/usr >/dev/null
cmake --build build -j2
ctest --test-dir build --output-on-failure -j2
[ $rapido = 1 ] && exit 0
echo "== Pruebas con AddressSanitizer y UndefinedBehaviorSanitizer"
tools/probar-sanitizado.sh
echo "== Entradas de fuzzing"
tools/fuzz.sh --regresion
