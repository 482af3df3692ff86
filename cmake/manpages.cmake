# Manual pages written from the programs' own --help by help2man, gzipped
# as Debian keeps them.
find_program(HELP2MAN help2man)
if(HELP2MAN)
  foreach(program IN LISTS ANGLEWISE_PROGRAMS)
    set(page ${CMAKE_BINARY_DIR}/man/${program}.1)
    set(description "solve plane triangles exactly")
    if(program STREQUAL "anglewise-cli")
      set(description "solve plane triangles on the command line")
    endif()
    add_custom_command(
      OUTPUT ${page}.gz
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
      COMMAND ${HELP2MAN} --no-info --no-discard-stderr --name=${description}
              --version-string=${PROJECT_VERSION} --output=${page} $<TARGET_FILE:${program}>
      COMMAND gzip -9nf ${page}
      DEPENDS ${program}
      VERBATIM)
    list(APPEND ANGLEWISE_MANPAGES ${page}.gz)
  endforeach()
  add_custom_target(manpages ALL DEPENDS ${ANGLEWISE_MANPAGES})
  install(FILES ${ANGLEWISE_MANPAGES} DESTINATION share/man/man1)
endif()
