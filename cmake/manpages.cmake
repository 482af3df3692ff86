# Manual pages, gzipped as Debian keeps them. anglewise-cli's is written by
# hand (its commands, options, CSV columns and exit statuses need more than
# --help says); the window's is made by help2man from its --help.
set(ANGLEWISE_MAN_DIR ${CMAKE_BINARY_DIR}/man)
set(ANGLEWISE_CLI_MANPAGE ${ANGLEWISE_MAN_DIR}/anglewise-cli.1)
configure_file(cli/anglewise-cli.1.in ${ANGLEWISE_CLI_MANPAGE} @ONLY)
add_custom_command(
  OUTPUT ${ANGLEWISE_CLI_MANPAGE}.gz
  COMMAND gzip -9nkf ${ANGLEWISE_CLI_MANPAGE}
  DEPENDS ${ANGLEWISE_CLI_MANPAGE}
  VERBATIM)
set(ANGLEWISE_MANPAGES ${ANGLEWISE_CLI_MANPAGE}.gz)

find_program(HELP2MAN help2man)
if(HELP2MAN AND ANGLEWISE_GUI)
  set(page ${ANGLEWISE_MAN_DIR}/anglewise.1)
  set(description "solve plane triangles exactly")
  add_custom_command(
    OUTPUT ${page}.gz
    COMMAND ${HELP2MAN} --no-info --no-discard-stderr --name=${description}
            --version-string=${PROJECT_VERSION} --output=${page} $<TARGET_FILE:anglewise>
    COMMAND gzip -9nf ${page}
    DEPENDS anglewise
    VERBATIM)
  list(APPEND ANGLEWISE_MANPAGES ${page}.gz)
endif()
add_custom_target(manpages ALL DEPENDS ${ANGLEWISE_MANPAGES})
install(FILES ${ANGLEWISE_MANPAGES} DESTINATION share/man/man1)
