# The installed layout and the Debian package.
#
#   <prefix>/lib/cotizador-vida/        the application folder: cotizador, cotizador-cli, 031208.svi,
#                                       papeleria/, manual/manual.pdf (everything the programs look
#                                       for beside themselves)
#   <prefix>/bin/cotizador, cotizador-cli   links into the application folder
#   <sysconfdir>/cotizador-vida/        odbcinst.ini (drivers by absolute path) and odbc.ini
#                                       (OSTRIK167 on the sample agent system), for IT to edit
#   <localstatedir>/lib/cotizador-vida/agentes.db   the sample agent system, writable by everyone
#                                       (every login writes the usage log)
#   <prefix>/share/applications, icons, man/man1, doc/cotizador-vida
#
# With the prefix /usr (the default here and the package's) the configuration goes to /etc and
# the sample agent system to /var/lib. The programs find all of it from their own folder (the
# ODBC configuration through a path relative to it, fixed at configure time), so an install
# under DESTDIR or a package unpacked with dpkg -x works where it lands.
# Named after the package, not the CMake project.
set(CMAKE_INSTALL_DOCDIR share/doc/cotizador-vida)
include(GNUInstallDirs)

set(CV_APLICACION lib/cotizador-vida)
set(CV_APLICACION_COMPLETA ${CMAKE_INSTALL_PREFIX}/${CV_APLICACION})
set(CV_ODBC_COMPLETA ${CMAKE_INSTALL_FULL_SYSCONFDIR}/cotizador-vida)
set(CV_AGENTES_COMPLETA ${CMAKE_INSTALL_FULL_LOCALSTATEDIR}/lib/cotizador-vida)
file(RELATIVE_PATH CV_ODBC_INSTALADA ${CV_APLICACION_COMPLETA} ${CV_ODBC_COMPLETA})
target_compile_definitions(cotizador PRIVATE CV_ODBC_INSTALADA="${CV_ODBC_INSTALADA}")

install(TARGETS cotizador cotizador-cli RUNTIME DESTINATION ${CV_APLICACION})
install(FILES ${BASE_DATOS} DESTINATION ${CV_APLICACION})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/resources/papeleria/ DESTINATION ${CV_APLICACION}/papeleria
        FILES_MATCHING PATTERN "*.svg")
if(CV_MANUAL_PDF)
  install(FILES ${CV_MANUAL_PDF} DESTINATION ${CV_APLICACION}/manual)
endif()
file(MAKE_DIRECTORY ${CMAKE_BINARY_DIR}/instalacion)
foreach(programa cotizador cotizador-cli)
  file(CREATE_LINK ../${CV_APLICACION}/${programa} ${CMAKE_BINARY_DIR}/instalacion/${programa} SYMBOLIC)
  install(FILES ${CMAKE_BINARY_DIR}/instalacion/${programa} DESTINATION ${CMAKE_INSTALL_BINDIR})
endforeach()

# The installed ODBC configuration: the drivers this build found, the sample data source at its
# installed place.
set(BASE ${CV_AGENTES_COMPLETA}/agentes.db)
configure_file(${PROJECT_SOURCE_DIR}/agentes/odbc-agentes.ini.in ${CMAKE_BINARY_DIR}/instalacion/odbc.ini @ONLY)
install(FILES ${CARPETA_ODBC}/odbcinst.ini ${CMAKE_BINARY_DIR}/instalacion/odbc.ini DESTINATION ${CV_ODBC_COMPLETA})
install(FILES ${CARPETA_ODBC}/agentes/agentes.db DESTINATION ${CV_AGENTES_COMPLETA}
        PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ GROUP_WRITE WORLD_READ WORLD_WRITE)
# SQLite writes its journal beside the database.
install(DIRECTORY DESTINATION ${CV_AGENTES_COMPLETA}
        DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_WRITE GROUP_EXECUTE
                              WORLD_READ WORLD_WRITE WORLD_EXECUTE)

# The desktop: menu entry, icon, manual page, documentation.
install(FILES ${PROJECT_SOURCE_DIR}/resources/escritorio/cotizador-vida.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/resources/escritorio/cotizador-vida.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
find_program(GZIP gzip REQUIRED)
set(CV_MAN ${CMAKE_BINARY_DIR}/instalacion/cotizador-cli.1.gz)
add_custom_command(
  OUTPUT ${CV_MAN}
  COMMAND ${GZIP} -9nc ${PROJECT_SOURCE_DIR}/manual/cotizador-cli.1 > ${CV_MAN}
  DEPENDS ${PROJECT_SOURCE_DIR}/manual/cotizador-cli.1
  VERBATIM)
add_custom_target(pagina_manual ALL DEPENDS ${CV_MAN})
install(FILES ${CV_MAN} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
file(CREATE_LINK ../../../${CV_APLICACION}/manual/manual.pdf ${CMAKE_BINARY_DIR}/instalacion/manual.pdf SYMBOLIC)
install(FILES ${CMAKE_BINARY_DIR}/instalacion/manual.pdf ${PROJECT_SOURCE_DIR}/README.md
        DESTINATION ${CMAKE_INSTALL_DOCDIR})

# cotizador-vida_<version>_amd64.deb
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME cotizador-vida)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_SET_DESTDIR ON)
set(CPACK_PACKAGE_CONTACT "Cotizador de Vida <sistemas@veralta.example.mx>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Cotizador de seguros de vida individual")
set(CPACK_PACKAGE_DESCRIPTION "Cotizaciones de planes temporales, dotales y vitalicios con beneficios
adicionales, aportaciones, ilustración año por año, propuesta impresa y
hojas de tarifas. Programa de escritorio (cotizador) y de línea de
órdenes (cotizador-cli), con la base de productos y un sistema de agentes
de muestra.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
# Besides the libraries the programs link (found by dpkg-shlibdeps; SQLCipher is linked in): the
# window system plug-ins, the ODBC tools and the driver of the sample agent system, and the fonts
# the printouts name.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, unixodbc, libsqliteodbc, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "odbc-postgresql")
file(WRITE ${CMAKE_BINARY_DIR}/instalacion/conffiles
     "${CV_ODBC_COMPLETA}/odbcinst.ini\n${CV_ODBC_COMPLETA}/odbc.ini\n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${CMAKE_BINARY_DIR}/instalacion/conffiles)
include(CPack)

# The package built, unpacked into a fresh root and run from there (tools/probar-paquete.sh);
# instrumented builds have no manual and are not packaged.
if(CV_MANUAL_PDF)
  add_test(NAME paquete.instalado COMMAND ${PROJECT_SOURCE_DIR}/tools/probar-paquete.sh ${CMAKE_BINARY_DIR})
  set_tests_properties(paquete.instalado PROPERTIES TIMEOUT 600)
endif()
