# What an installation carries besides the programs, and the Debian package.
#
# The man page is made from the CLI's own --help and --version at build time,
# with each command's help as a COMMANDS section; the bash completion, the
# AppStream metainfo and the desktop entry come from data/.

find_program(HELP2MAN help2man)
set(SPURGEAR_MAN ${CMAKE_BINARY_DIR}/man/spurgear-cli.1)
if(HELP2MAN)
  set(commands_include ${CMAKE_BINARY_DIR}/man/commands.h2m)
  add_custom_command(
    OUTPUT ${SPURGEAR_MAN}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND ${CMAKE_COMMAND} -DCLI=$<TARGET_FILE:spurgear-cli> -DOUT=${commands_include}
            -P ${CMAKE_SOURCE_DIR}/cmake/man_commands.cmake
    # The help holds Japanese: help2man must read it as UTF-8.
    COMMAND ${HELP2MAN} --locale C.UTF-8 --no-info --section 1 --source "spurgear ${PROJECT_VERSION}"
            --name "calculate a pair of spur gears from the command line"
            --include ${commands_include} --output ${SPURGEAR_MAN} $<TARGET_FILE:spurgear-cli>
    DEPENDS spurgear-cli ${CMAKE_SOURCE_DIR}/cmake/man_commands.cmake
    COMMENT "Writing the spurgear-cli man page"
    VERBATIM)
  add_custom_target(spurgear-cli-man ALL DEPENDS ${SPURGEAR_MAN}.gz)
else()
  message(WARNING "help2man not found: no man page (scripts/setup installs it)")
endif()

# Man pages and the changelog are installed compressed, as Debian has them.
find_program(GZIP gzip REQUIRED)
function(spurgear_gzip source output)
  add_custom_command(OUTPUT ${output}
                     COMMAND sh -c "\"$0\" -9n -c \"$1\" > \"$2\"" ${GZIP} ${source} ${output}
                     DEPENDS ${source} VERBATIM)
endfunction()
if(HELP2MAN)
  spurgear_gzip(${SPURGEAR_MAN} ${SPURGEAR_MAN}.gz)
  install(FILES ${SPURGEAR_MAN}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
set(doc_dir ${CMAKE_BINARY_DIR}/doc)
file(MAKE_DIRECTORY ${doc_dir} ${CMAKE_BINARY_DIR}/man)
spurgear_gzip(${CMAKE_SOURCE_DIR}/data/debian/changelog ${doc_dir}/changelog.gz)
set(compressed ${doc_dir}/changelog.gz)
if(SPURGEAR_GUI)
  spurgear_gzip(${CMAKE_SOURCE_DIR}/data/spurgear.1 ${CMAKE_BINARY_DIR}/man/spurgear.1.gz)
  list(APPEND compressed ${CMAKE_BINARY_DIR}/man/spurgear.1.gz)
  install(FILES ${CMAKE_BINARY_DIR}/man/spurgear.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
add_custom_target(spurgear-compressed-docs ALL DEPENDS ${compressed})
install(FILES ${doc_dir}/changelog.gz data/debian/copyright
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/spurgear)

install(FILES data/spurgear-cli.bash DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME spurgear-cli)
if(SPURGEAR_GUI)
  install(FILES data/org.spurgear.spurgear.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
endif()

if(SPURGEAR_TESTS)
  # The desktop entry with no errors and no hints; the metainfo valid as it
  # stands (no network look-ups).
  find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
  find_program(APPSTREAMCLI appstreamcli)
  if(DESKTOP_FILE_VALIDATE)
    add_test(NAME desktop_entry_valid
             COMMAND sh -c "out=$(\"$0\" \"$1\" 2>&1); status=$?; printf '%s' \"$out\"; \
test $status -eq 0 && test -z \"$out\""
                     ${DESKTOP_FILE_VALIDATE} ${CMAKE_SOURCE_DIR}/data/spurgear.desktop)
  endif()
  if(APPSTREAMCLI)
    add_test(NAME metainfo_valid
             COMMAND ${APPSTREAMCLI} validate --no-net --pedantic
                     ${CMAKE_SOURCE_DIR}/data/org.spurgear.spurgear.metainfo.xml)
  endif()
endif()

# The Debian package: scripts/package runs cpack -G DEB on a Release build.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME spurgear)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "spurgear developers")
set(CPACK_PACKAGE_CONTACT "spurgear developers <spurgear@spurgear.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator for a pair of external involute spur gears")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "Calculates one pair of external involute spur gears from the module, the\n\
tooth counts and the profile shift coefficients: working pressure angle,\n\
center distance, diameters, contact ratio, tip thickness and backlash;\n\
draws the gears in mesh, examines the backlash, estimates the strength,\n\
shows the measuring dimensions and exports tooth outlines as DXF and a\n\
calculation sheet as PDF. The desktop program has a Japanese interface;\n\
spurgear-cli runs the same calculations from scripts and prints JSON.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries the binaries link (Qt 6, Cairo and Pango among them) come
# from dpkg-shlibdeps, and only from there, so that none is named twice; the
# rest is what the program needs at run time without linking it: Qt's
# platform plugins and translations, Qt's SVG plugin that draws the window's
# icon, and the Japanese font of the window and the sheets.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "qt6-qpa-plugins, qt6-translations-l10n, libqt6svg6, fonts-ipafont-gothic")
set(CPACK_STRIP_FILES ON)
include(CPack)
