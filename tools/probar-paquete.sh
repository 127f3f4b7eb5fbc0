#!/usr/bin/env bash
# The Debian package as a new machine gets it: built with CPack from the build folder, unpacked
# into a fresh root (dpkg-deb -x) and run from there, with a clean environment and from "/", so
# nothing of the build or source tree can be reached by a relative path or a variable.
#   tools/probar-paquete.sh CARPETA_DE_COMPILACION
# Checks the package's dependencies and files, a sample quote and a sample tariff with their
# PDFs from the installed command line, that the installed programs read their own folder (a
# copy without the product database or the stationery fails, naming the copy's files), the
# desktop application started offscreen up to its login window with the installed ODBC
# configuration, the manual page, and the manual PDF with its chapters and screenshots.
set -euo pipefail
COMPILACION="$(cd "${1:?uso: $0 CARPETA_DE_COMPILACION}" && pwd)"
T=$(mktemp -d /tmp/cv-paquete.XXXXXX)
trap 'rm -rf "$T"' EXIT

fallar() { echo "probar-paquete: $*" >&2; exit 1; }
contiene() {  # ARCHIVO TEXTO...
  local a=$1; shift
  for t in "$@"; do grep -qF -- "$t" "$a" || { cat "$a" >&2; fallar "$a no dice: $t"; }; done
}

prefijo=$(sed -n 's/^CMAKE_INSTALL_PREFIX:PATH=//p' "$COMPILACION/CMakeCache.txt")
[ "$prefijo" = /usr ] || fallar "el paquete se instala en /usr: configure con -DCMAKE_INSTALL_PREFIX=/usr (ahora $prefijo)"

echo "== paquete"
cpack --config "$COMPILACION/CPackConfig.cmake" -B "$T/paquete" >"$T/cpack.log" 2>&1 || { cat "$T/cpack.log" >&2; fallar "cpack falló"; }
debs=("$T"/paquete/cotizador-vida_*_amd64.deb)
DEB=${debs[0]}
[ -f "$DEB" ] || fallar "cpack no escribió cotizador-vida_<versión>_amd64.deb"
dpkg-deb -I "$DEB" >"$T/control"
contiene "$T/control" "Package: cotizador-vida" "Architecture: amd64" "qt6-qpa-plugins" "libqt6widgets6" \
  "libqt6svg6" "libodbc2" "unixodbc" "libsqliteodbc" "fonts-liberation2" "conffiles"
# Runtime packages only: no headers, no build tools.
if grep '^ Depends:' "$T/control" | grep -qE -- '-dev\b|cmake|ninja|sqlcipher'; then fallar "depende de paquetes de compilación"; fi
dpkg-deb --ctrl-tarfile "$DEB" | tar -xO ./conffiles >"$T/conffiles"
contiene "$T/conffiles" /etc/cotizador-vida/odbc.ini /etc/cotizador-vida/odbcinst.ini

R="$T/raiz"
mkdir "$R"
dpkg-deb -x "$DEB" "$R"
A="$R/usr/lib/cotizador-vida"
for f in usr/bin/cotizador usr/bin/cotizador-cli usr/lib/cotizador-vida/031208.svi \
         usr/lib/cotizador-vida/papeleria/piccaratula.svg usr/lib/cotizador-vida/manual/manual.pdf \
         usr/share/doc/cotizador-vida/manual.pdf usr/share/applications/cotizador-vida.desktop \
         usr/share/icons/hicolor/scalable/apps/cotizador-vida.svg usr/share/man/man1/cotizador-cli.1.gz \
         etc/cotizador-vida/odbcinst.ini etc/cotizador-vida/odbc.ini var/lib/cotizador-vida/agentes.db; do
  [ -e "$R/$f" ] || fallar "el paquete no trae /$f"
done
contiene "$R/usr/share/applications/cotizador-vida.desktop" "Name=Cotizador de Vida" "Exec=cotizador" "Icon=cotizador-vida"
contiene "$R/etc/cotizador-vida/odbc.ini" "[OSTRIK167]" "Database=/var/lib/cotizador-vida/agentes.db"
contiene "$R/etc/cotizador-vida/odbcinst.ini" "[SQLite3]" "Driver=/"
[ "$(stat -c %a "$R/var/lib/cotizador-vida")" = 777 ] || fallar "la carpeta del sistema de agentes de muestra no es de escritura"
# The sample data source through the installed drivers, on the unpacked database.
sed "s|^Database=.*|Database=$R/var/lib/cotizador-vida/agentes.db|" "$R/etc/cotizador-vida/odbc.ini" >"$T/odbc.ini"
echo "SELECT nombre, perfil FROM iusuarios WHERE nombre = 'rgarcia';" |
  ODBCSYSINI="$R/etc/cotizador-vida" ODBCINI="$T/odbc.ini" isql -b -d'|' OSTRIK167 >"$T/isql.txt" 2>&1 ||
  { cat "$T/isql.txt" >&2; fallar "el origen de datos de muestra no abre"; }
contiene "$T/isql.txt" "rgarcia|Oficina"

# A clean environment, run from "/": what a menu entry or a new terminal gives.
limpio() { (cd / && env -i PATH=/usr/bin:/bin HOME="$T/casa" LANG=C.UTF-8 "$@"); }
mkdir -p "$T/casa"

echo "== cotización y tarifa de muestra con el programa instalado"
limpio "$R/usr/bin/cotizador-cli" cotizar --nombre "Ana López Ruiz" --edad 35 --sexo F --fuma no --moneda Pesos \
  --forma-pago Mensual --suma-asegurada 1,500,000.00 --numero-agente 1207 --agente "Carlos Pérez" \
  --linea "producto=15,pago=20,beneficios=BIT+MA" --fecha 15/06/2025 \
  --descripcion-beneficios --pdf "$T/propuesta.pdf" >"$T/cotizacion.txt"
contiene "$T/cotizacion.txt" "Dotal Veralta" "1er Recibo"
limpio "$R/usr/bin/cotizador-cli" tarifa --nombre "Tarifa Temporal" --edad 40 --fuma no --moneda Pesos \
  --suma-asegurada 1,000,000.00 --numero-agente 1207 --linea "producto=1,pago=20,beneficios=MA" \
  --edad-inicial 25 --edad-final 60 --fecha 15/06/2025 --pdf "$T/tarifa.pdf" --formato csv >"$T/tarifa.csv"
[ "$(grep -c . "$T/tarifa.csv")" = 37 ] || fallar "la tarifa de 25 a 60 no tiene 36 renglones"
pdfinfo "$T/propuesta.pdf" | grep -qE '^Pages: +2$' || fallar "la propuesta no tiene 2 páginas"
pdfinfo "$T/tarifa.pdf" | grep -qE '^Pages: +2$' || fallar "la tarifa de 36 edades no tiene 2 páginas"
pdftotext "$T/propuesta.pdf" - | grep -q "ANA LÓPEZ RUIZ\|Ana López Ruiz" || fallar "la propuesta no nombra al prospecto"
pdffonts "$T/propuesta.pdf" | grep -q "LiberationSerif" || fallar "la propuesta no lleva Liberation Serif"

echo "== los programas leen su propia carpeta"
C="$T/copia"
cp -a "$R" "$C"
rm "$C/usr/lib/cotizador-vida/031208.svi"
if limpio "$C/usr/bin/cotizador-cli" catalogo >"$T/sin-base.txt" 2>&1; then fallar "la copia sin 031208.svi cotizó"; fi
contiene "$T/sin-base.txt" "Asegurese que el Archivo 031208.SVI, se encuentre en el mismo lugar que la aplicación."
cp "$A/031208.svi" "$C/usr/lib/cotizador-vida/"
rm -r "$C/usr/lib/cotizador-vida/papeleria"
if limpio "$C/usr/bin/cotizador-cli" cotizar --nombre Ana --edad 35 --sexo F --fuma no --numero-agente 7 \
     --suma-asegurada 500,000.00 --linea "producto=15,pago=20" --pdf "$T/p2.pdf" >"$T/sin-papeleria.txt" 2>&1; then
  fallar "la copia sin papelería imprimió"
fi
contiene "$T/sin-papeleria.txt" "falta la papelería" "$C/usr/lib/cotizador-vida/papeleria/"

echo "== el programa de escritorio instalado hasta su ventana de acceso"
limpio QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$T/casa" "$R/usr/bin/cotizador" --probar-arranque >"$T/arranque.txt" 2>"$T/arranque.err" ||
  { cat "$T/arranque.err" >&2; fallar "el programa de escritorio no arrancó"; }
contiene "$T/arranque.txt" "programa: $A" "base de datos: $A/031208.svi" "papelería: $A/papeleria" \
  "manual: $A/manual/manual.pdf" "ODBCSYSINI: $R/etc/cotizador-vida" "ODBCINI: $R/etc/cotizador-vida/odbc.ini" \
  "ventana: frmUsuario visible \"¿Cual es tu cuenta del OSTRIK?\""
if grep -q "(no está)" "$T/arranque.txt"; then fallar "al programa instalado le falta algo"; fi
# ODBC pointed elsewhere by the caller is left as it is.
limpio QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$T/casa" ODBCINI=/etc/otro/odbc.ini "$R/usr/bin/cotizador" --probar-arranque \
  >"$T/arranque2.txt" 2>/dev/null
contiene "$T/arranque2.txt" "ODBCINI: /etc/otro/odbc.ini"
grep -qx "ODBCSYSINI: " "$T/arranque2.txt" || fallar "el programa cambió el ODBCSYSINI sin definir de quien lo llamó"

echo "== página de manual"
zcat "$R/usr/share/man/man1/cotizador-cli.1.gz" | groff -k -man -Tutf8 -ww -z 2>"$T/man.err"
[ ! -s "$T/man.err" ] || { cat "$T/man.err" >&2; fallar "groff se queja de cotizador-cli.1"; }
zcat "$R/usr/share/man/man1/cotizador-cli.1.gz" | groff -k -man -Tutf8 -P-cbou 2>/dev/null >"$T/man.txt"
contiene "$T/man.txt" "NOMBRE" "SINOPSIS" "ESTADO DE SALIDA" "cotizador-cli cotizar"

echo "== manual de usuario"
M="$A/manual/manual.pdf"
pdftotext -layout "$M" "$T/manual.txt"
contiene "$T/manual.txt" "Manual de usuario" \
  "1. Inicio y acceso al sistema" "2. Una cotización paso a paso" "3. Beneficios adicionales y sus límites de edad" \
  "4. Cotizaciones de varios planes" "5. Aportaciones adicionales" "6. La ilustración y sus columnas" \
  "7. Impresión y archivos PDF" "8. Hojas de tarifas" "9. Archivos de cotización" \
  "10. La línea de órdenes y los lotes" "11. Mensajes del programa y qué hacer" \
  "No existe ese Login en el Sistema" "Asegurese que el Archivo 031208.SVI"
paginas=$(pdfinfo "$M" | awk '/^Pages:/ {print $2}')
[ "$paginas" -ge 12 ] || fallar "el manual tiene $paginas páginas"
imagenes=$(pdfimages -list "$M" | tail -n +3 | wc -l)
[ "$imagenes" -ge 9 ] || fallar "el manual lleva $imagenes imágenes de las 9 capturas"
echo "paquete $(basename "$DEB"): correcto"
