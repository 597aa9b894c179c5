# Install rules and the Debian package (cpack -G DEB, or the target "package").
# The executable finds its read-only files relative to itself, so an installed tree works
# wherever it is unpacked; nothing of the build folder is needed at run time.
include(GNUInstallDirs)

set(PRAVENT_DATADIR ${CMAKE_INSTALL_DATADIR}/pravent)
file(RELATIVE_PATH PRAVENT_SHARE_FROM_BIN /${CMAKE_INSTALL_BINDIR} /${PRAVENT_DATADIR})
target_compile_definitions(pravent_base PRIVATE PRAVENT_DOSAR_PARTAJAT_RELATIV="${PRAVENT_SHARE_FROM_BIN}")

set(PRAVENT_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)
set(PRAVENT_PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)
set(PRAVENT_DESKTOP_ID ro.brenvolt.pravent)

# Debian wants the manual page and the changelog compressed, without a time stamp.
configure_file(${PRAVENT_PACKAGING_DIR}/pravent.1 ${PRAVENT_PACKAGING_OUT}/pravent.1 @ONLY)
configure_file(${PRAVENT_PACKAGING_DIR}/changelog ${PRAVENT_PACKAGING_OUT}/changelog @ONLY)
configure_file(${PRAVENT_PACKAGING_DIR}/${PRAVENT_DESKTOP_ID}.metainfo.xml
               ${PRAVENT_PACKAGING_OUT}/${PRAVENT_DESKTOP_ID}.metainfo.xml @ONLY)
find_program(GZIP gzip REQUIRED)
set(compressed "")
foreach(name pravent.1 changelog)
  add_custom_command(
    OUTPUT ${PRAVENT_PACKAGING_OUT}/${name}.gz
    COMMAND ${GZIP} -9nf -k ${PRAVENT_PACKAGING_OUT}/${name}
    DEPENDS ${PRAVENT_PACKAGING_OUT}/${name}
    COMMENT "Compressing ${name}")
  list(APPEND compressed ${PRAVENT_PACKAGING_OUT}/${name}.gz)
endforeach()
add_custom_target(pravent_packaging_files ALL DEPENDS ${compressed})

# Immediate binding, as Debian builds its own programs.
target_link_options(pravent PRIVATE -Wl,-z,relro -Wl,-z,now)
install(TARGETS pravent RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${BLANK_FDB} DESTINATION ${PRAVENT_DATADIR})
install(FILES ${PRAVENT_PACKAGING_DIR}/${PRAVENT_DESKTOP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PRAVENT_PACKAGING_OUT}/${PRAVENT_DESKTOP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(size 48 128)
  install(FILES ${PRAVENT_PACKAGING_DIR}/icons/pravent-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME pravent.png)
endforeach()
install(FILES ${PRAVENT_PACKAGING_DIR}/icons/pravent.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PRAVENT_PACKAGING_OUT}/pravent.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${PRAVENT_PACKAGING_DIR}/copyright ${PRAVENT_PACKAGING_OUT}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/pravent)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pravent)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Brenvolt)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "certificates of the grade-8 national tests for a school secretariat")
set(CPACK_PACKAGE_DESCRIPTION "Pravent 2006 keeps a small database of the pupils who finished grade 8, their
marks at the national tests, their school and the examination commission, and
prints each pupil's certificate onto the pre-printed card. Romanian interface.

Every user's database, text-area corrections and settings live in the user's
own folders; installing, upgrading or removing the package never touches them.")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Brenvolt <pachete@brenvolt.example>")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded at run time, so no linker sees them: the embedded Firebird engine plugin with its
# configuration, and the fonts that stand in for "Arial".
set(CPACK_DEBIAN_PACKAGE_DEPENDS "firebird3.0-server-core (>= 3.0), fonts-liberation")
include(CPack)
