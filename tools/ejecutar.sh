#!/usr/bin/env bash
# Installs what is missing, builds, and runs the tool's main job.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/instalar-dependencias.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2
# The agent system: the build's own ODBC configuration (the sample SQLite data source
# OSTRIK167), unless the caller points these at another one.
export ODBCSYSINI="${ODBCSYSINI:-$PWD/build/odbc}"
export ODBCINI="${ODBCINI:-$PWD/build/odbc/agentes/odbc.ini}"
exec build/bin/cotizador "$@"
