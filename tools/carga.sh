#!/usr/bin/env bash
# Load runs of the command line: a batch of N one-line quotes with riders (default 100 000)
# through `cotizador-cli lote`, with its time and peak memory, and the same at N/100 to show that
# memory stays flat. Uses the release build (build-rel/), building it when missing.
#   tools/carga.sh [N] [--memoria]
# With --memoria each batch runs again under valgrind's massif, which gives the peak of the heap
# and the heap at the end of the run (minutes for 100 000 rows).
set -euo pipefail
cd "$(dirname "$0")/.."
n=100000
memoria=0
for a in "$@"; do
  case "$a" in
    --memoria) memoria=1 ;;
    *[!0-9]* | "") echo "uso: tools/carga.sh [N] [--memoria]" >&2; exit 2 ;;
    *) n=$a ;;
  esac
done
cmake -S . -B build-rel -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build-rel -j2 --target cotizador-cli >/dev/null
carpeta=$(mktemp -d)
trap 'rm -rf "$carpeta"' EXIT
lote() {
  awk -v n="$1" 'BEGIN {
    print "id,nombre,edad,sexo,fuma,numero_agente,suma_asegurada,forma_pago,producto,plazo_pago,beneficios"
    split("1 15 11 1", p, " "); split("20 20 20 10", t, " "); split("BIT+MA BPAI+DI MA+EG TI", b, " ")
    split("Anual Semestral Trimestral Mensual", f, " ")
    for (i = 0; i < n; i++) {
      k = i % 4 + 1
      printf "%d,Prospecto %d,%d,%s,%s,7,%d,%s,%s,%s,%s\r\n", i, i, 20 + i % 35, (i % 2 ? "F" : "M"), (i % 3 ? "no" : "si"),
             250000 + 5000 * (i % 97), f[k], p[k], t[k], b[k]
    }
  }' > "$2"
}
medir() {
  if [ -x /usr/bin/time ]; then
    /usr/bin/time -f "%e s, memoria máxima %M kB" build-rel/bin/cotizador-cli lote "$1" --salida "$2"
  else
    time build-rel/bin/cotizador-cli lote "$1" --salida "$2"
  fi
}
for filas in $((n / 100)) "$n"; do
  lote "$filas" "$carpeta/lote.csv"
  echo "== $filas cotizaciones"
  medir "$carpeta/lote.csv" "$carpeta/resultado.csv"
  correctas=$(grep -c ',ok,' "$carpeta/resultado.csv" || true)
  echo "   $correctas correctas de $filas"
  [ "$correctas" = "$filas" ] || { echo "hay renglones rechazados"; exit 1; }
  if [ $memoria = 1 ]; then
    rm -f "$carpeta/massif.out" "$carpeta/resultado.csv"
    valgrind --tool=massif --massif-out-file="$carpeta/massif.out" \
      build-rel/bin/cotizador-cli lote "$carpeta/lote.csv" --salida "$carpeta/resultado.csv" 2>/dev/null
    [ "$(grep -c ',ok,' "$carpeta/resultado.csv")" = "$filas" ] || { echo "massif: el lote no terminó"; exit 1; }
    # Each snapshot: mem_heap_B (useful bytes) and mem_heap_extra_B (the allocator's overhead).
    awk -F= '/^mem_heap_B/ { u = $2 } /^mem_heap_extra_B/ { t = u + $2; if (t > pico) pico = t; ultimo = t }
      END { printf "   montículo: pico %.2f MB, al terminar %.2f MB (massif)\n", pico / 1e6, ultimo / 1e6 }' "$carpeta/massif.out"
  fi
done
