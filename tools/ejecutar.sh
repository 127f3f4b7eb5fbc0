#!/usr/bin/env bash
# Installs what is missing, builds, and runs the tool: the desktop application where there is a
# display, otherwise a sample quote and a sample tariff from the command line, with their printed
# proposal and tariff sheet as PDF files in build/muestra/.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/instalar-dependencias.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2
# The agent system: the build's own ODBC configuration (the sample SQLite data source
# OSTRIK167), unless the caller points these at another one.
export ODBCSYSINI="${ODBCSYSINI:-$PWD/build/odbc}"
export ODBCINI="${ODBCINI:-$PWD/build/odbc/agentes/odbc.ini}"
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -x build/bin/cotizador ]; then
  exec build/bin/cotizador "$@"
fi
cli=build/bin/cotizador-cli
mkdir -p build/muestra
echo "== Cotización de muestra =="
"$cli" cotizar --nombre "Ana López Ruiz" --edad 35 --sexo F --fuma no --moneda Pesos \
  --forma-pago Mensual --suma-asegurada 1,500,000.00 --numero-agente 1207 --agente "Carlos Pérez" \
  --linea "producto=15,pago=20,beneficios=BIT+MA" \
  --descripcion-beneficios --valores-garantizados --pdf build/muestra/propuesta.pdf "$@"
echo
echo "== Tarifa de muestra =="
"$cli" tarifa --nombre "Tarifa Temporal" --edad 40 --fuma no --moneda Pesos --suma-asegurada 1,000,000.00 \
  --numero-agente 1207 --agente "Carlos Pérez" --linea "producto=1,pago=20,beneficios=MA" \
  --edad-inicial 25 --edad-final 60 --pdf build/muestra/tarifa.pdf
echo
echo "Propuesta impresa: build/muestra/propuesta.pdf; hoja de tarifas: build/muestra/tarifa.pdf"
