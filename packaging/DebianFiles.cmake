# What Debian expects beside the program: the copyright file, the changelog and
# manual pages (both compressed as dh_compress does: gzip -9n, so the archive
# has no name or time stamp in it), lintian's overrides, and the executable
# stripped of the compiler's notes as dh_strip strips it.
set(docdir ${CMAKE_INSTALL_DATADIR}/doc/marelto)

file(STRINGS debian/changelog latest_entry LIMIT_COUNT 1)
string(FIND "${latest_entry}" "marelto (${PROJECT_VERSION}) " version_at)
if(NOT version_at EQUAL 0)
  message(FATAL_ERROR "packaging/debian/changelog has no entry for ${PROJECT_VERSION} on top")
endif()

find_program(MARELTO_GZIP gzip REQUIRED)
set(unpacked ${CMAKE_CURRENT_BINARY_DIR}/unpacked)
configure_file(debian/changelog ${unpacked}/changelog COPYONLY)
configure_file(man/marelto.1.in ${unpacked}/man/marelto.1 @ONLY)
configure_file(man/de/marelto.1.in ${unpacked}/man/de/marelto.1 @ONLY)
set(compressed)
foreach(file IN ITEMS changelog man/marelto.1 man/de/marelto.1)
  add_custom_command(OUTPUT ${unpacked}/${file}.gz
    COMMAND ${MARELTO_GZIP} -9nkf ${unpacked}/${file}
    DEPENDS ${unpacked}/${file}
    VERBATIM)
  list(APPEND compressed ${unpacked}/${file}.gz)
endforeach()
add_custom_target(marelto_debian_files ALL DEPENDS ${compressed})

install(FILES debian/copyright ${unpacked}/changelog.gz DESTINATION ${docdir})
install(FILES ${unpacked}/man/marelto.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${unpacked}/man/de/marelto.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/de/man1)
install(FILES debian/lintian-overrides DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides
        RENAME marelto)

# CPack strips (CPACK_STRIP_FILES) but leaves the .comment and .note sections.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(
      COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
              \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/$<TARGET_FILE_NAME:marelto>\"
      COMMAND_ERROR_IS_FATAL ANY)
  endif()")
