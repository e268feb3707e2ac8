# vantro_add_man_page(PROGRAM): the section 1 man page of PROGRAM, written by hand in roff as
# packaging/PROGRAM.1.in, with the project's version and release date filled in; gzipped at
# build time and installed. The page describes more than the program's --help: the details that
# a help text would drown in (locking, FIFOs, signals, tidy's safety rules, the files).
find_program(GZIP gzip REQUIRED)

function(vantro_add_man_page program)
    set(page ${CMAKE_CURRENT_BINARY_DIR}/${program}.1)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/${program}.1.in ${page} @ONLY)
    add_custom_command(OUTPUT ${page}.gz
        COMMAND ${GZIP} -9n -c ${page} > ${page}.gz
        DEPENDS ${page}
        COMMENT "Compressing the man page ${program}(1)")
    add_custom_target(${program}-man ALL DEPENDS ${page}.gz)
    install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
