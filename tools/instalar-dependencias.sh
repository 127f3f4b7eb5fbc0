#!/usr/bin/env bash
# Installs the Debian packages the tool and its tests need; does nothing when all are present.
set -euo pipefail

PAQUETES=(
  build-essential cmake ninja-build pkg-config
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  libsqlcipher-dev sqlcipher libssl-dev sqlite3
  qt6-base-dev libqt6opengl6-dev qt6-svg-dev qt6-charts-dev qt6-tools-dev qt6-l10n-tools
  libqt6sql6-sqlite libqt6sql6-odbc
  unixodbc unixodbc-dev libsqliteodbc odbc-postgresql postgresql
  poppler-utils fonts-liberation2 fonts-crosextra-carlito fonts-crosextra-caladea
  dpkg-dev groff-base
  clang libclang-rt-14-dev valgrind
)

faltan=()
for p in "${PAQUETES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || faltan+=("$p")
done
[ ${#faltan[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
echo "Instalando: ${faltan[*]}"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${faltan[@]}"
