#!/usr/bin/env bash
# A throw-away PostgreSQL server on loopback holding the agent system's two tables, for the tests.
#
#   tools/postgres-prueba.sh iniciar  CARPETA   new cluster, server started, tables created,
#                                               CARPETA/odbc.ini naming the data source OSTRIK167
#   tools/postgres-prueba.sh detener  CARPETA   server stopped, cluster kept (a server that goes down)
#   tools/postgres-prueba.sh reanudar CARPETA   the same cluster started again on the same port
#   tools/postgres-prueba.sh terminar CARPETA   server stopped and cluster removed
#
# The cluster lives in a folder of its own under /tmp (initdb refuses root, so as root the server
# runs as the user "postgres", which must be able to write it). CARPETA/estado records where it is.
# Local socket connections are trusted; TCP connections need the password, so that a data source
# with a wrong one is refused as a real server would refuse it.
set -euo pipefail

ORDEN=${1:?"uso: $0 iniciar|detener|reanudar|terminar CARPETA"}
CARPETA=${2:?"uso: $0 iniciar|detener|reanudar|terminar CARPETA"}
RAIZ="$(cd "$(dirname "$0")/.." && pwd)"
USUARIO=agente
CLAVE=clave167
BASE=agentes

BIN=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
[ -n "$BIN" ] || { echo "postgres-prueba: PostgreSQL no está instalado (tools/instalar-dependencias.sh)" >&2; exit 1; }

como_servidor() {
  if [ "$(id -u)" -eq 0 ]; then
    runuser -u postgres -- "$@"
  else
    "$@"
  fi
}

leer_estado() {
  [ -f "$CARPETA/estado" ] || return 1
  # shellcheck disable=SC1091
  . "$CARPETA/estado"
}

arrancar() {
  como_servidor "$BIN/pg_ctl" -D "$DATOS" -l "$DATOS/servidor.log" -w -t 30 \
    -o "-c listen_addresses=127.0.0.1 -p $PUERTO -c unix_socket_directories=$DATOS" start >/dev/null
}

parar() {
  if [ -f "$DATOS/postmaster.pid" ]; then
    como_servidor "$BIN/pg_ctl" -D "$DATOS" -m fast -w stop >/dev/null || true
  fi
}

terminar() {
  if leer_estado; then
    parar
    rm -rf "$DATOS"
  fi
  rm -f "$CARPETA/estado" "$CARPETA/odbc.ini"
}

puerto_libre() {
  # Nothing answering on the port; bash's /dev/tcp connects or fails at once on loopback.
  ! (exec 3<>"/dev/tcp/127.0.0.1/$1") 2>/dev/null
}

case "$ORDEN" in
  iniciar)
    mkdir -p "$CARPETA"
    CARPETA="$(cd "$CARPETA" && pwd)"
    terminar  # what a run that was killed left behind
    DATOS=$(mktemp -d /tmp/cv-postgres.XXXXXX)
    chmod 700 "$DATOS"
    [ "$(id -u)" -eq 0 ] && chown postgres: "$DATOS"
    printf '%s\n' "$CLAVE" >"$DATOS.clave"
    chmod 644 "$DATOS.clave"
    como_servidor "$BIN/initdb" -D "$DATOS" -U "$USUARIO" --pwfile="$DATOS.clave" \
      --auth-local=trust --auth-host=scram-sha-256 -E UTF8 --locale=C.UTF-8 >/dev/null
    rm -f "$DATOS.clave"
    # Other people's servers may hold a port: take the first one that starts.
    PUERTO=""
    for p in $(seq 55432 55471); do
      puerto_libre "$p" || continue
      PUERTO=$p
      if arrancar; then break; fi
      PUERTO=""
    done
    if [ -z "$PUERTO" ]; then
      echo "postgres-prueba: el servidor no arrancó; registro:" >&2
      cat "$DATOS/servidor.log" >&2 || true
      exit 1
    fi
    printf 'DATOS=%q\nPUERTO=%q\n' "$DATOS" "$PUERTO" >"$CARPETA/estado"
    "$BIN/createdb" -h "$DATOS" -p "$PUERTO" -U "$USUARIO" "$BASE"
    cat "$RAIZ/agentes/esquema.sql" "$RAIZ/agentes/muestra.sql" |
      "$BIN/psql" -q -X -v ON_ERROR_STOP=1 -h "$DATOS" -p "$PUERTO" -U "$USUARIO" -d "$BASE" >/dev/null
    cat >"$CARPETA/odbc.ini" <<EOF
[OSTRIK167]
Description=Sistema de agentes de prueba (PostgreSQL en 127.0.0.1:$PUERTO)
Driver=PostgreSQL Unicode
Servername=127.0.0.1
Port=$PUERTO
Database=$BASE
Username=$USUARIO
Password=$CLAVE
EOF
    echo "PostgreSQL de prueba en 127.0.0.1:$PUERTO ($DATOS)"
    ;;
  detener)
    leer_estado || { echo "postgres-prueba: no hay servidor en $CARPETA" >&2; exit 1; }
    parar
    ;;
  reanudar)
    leer_estado || { echo "postgres-prueba: no hay servidor en $CARPETA" >&2; exit 1; }
    arrancar
    ;;
  terminar)
    terminar
    ;;
  *)
    echo "uso: $0 iniciar|detener|reanudar|terminar CARPETA" >&2
    exit 2
    ;;
esac
