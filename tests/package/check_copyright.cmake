# cmake -DBUILD_DIR=... -DWORK_DIR=... -P check_copyright.cmake: installs the
# build into WORK_DIR (as the package does, with DESTDIR) and checks that
# the package's copyright file is there in Debian's machine-readable format.
file(REMOVE_RECURSE ${WORK_DIR})
execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${WORK_DIR}
                        ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr
                RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "the install failed: ${status}")
endif()
set(copyright ${WORK_DIR}/usr/share/doc/qorvix/copyright)
if(NOT EXISTS ${copyright})
  message(FATAL_ERROR "no /usr/share/doc/qorvix/copyright")
endif()
file(READ ${copyright} text)
file(REMOVE_RECURSE ${WORK_DIR})
foreach(field
        "^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n"
        "\nUpstream-Name: qorvix\n" "\n\nFiles: \\*\n" "\nCopyright: [^\n]+\n" "\nLicense: [^\n]+\n")
  if(NOT text MATCHES "${field}")
    message(FATAL_ERROR "the copyright file lacks ${field}:\n${text}")
  endif()
endforeach()
