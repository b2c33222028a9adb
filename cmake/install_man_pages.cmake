# Run at install time (install(CODE) sets the QORVIX_MAN_* variables):
# fills each page in with the prefix it is installed under and writes it
# compressed into each of QORVIX_MAN_FOLDERS.
set(QORVIX_INSTALL_FULL_DIR "${CMAKE_INSTALL_PREFIX}/${QORVIX_INSTALL_DIR}")
find_program(gzip_program gzip REQUIRED)
foreach(folder ${QORVIX_MAN_FOLDERS})
  set(target "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}/${folder}")
  file(MAKE_DIRECTORY "${target}")
  foreach(page ${QORVIX_MAN_PAGES})
    message(STATUS "Installing: ${target}/${page}.1.gz")
    configure_file("${QORVIX_MAN_SOURCE_DIR}/${page}.1.in" "${target}/${page}.1" @ONLY)
    execute_process(COMMAND "${gzip_program}" -9nf "${target}/${page}.1" RESULT_VARIABLE failed)
    if(failed)
      message(FATAL_ERROR "gzip ${target}/${page}.1 failed: ${failed}")
    endif()
  endforeach()
endforeach()
