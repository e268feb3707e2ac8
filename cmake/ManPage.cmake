# vantro_add_man_page(TARGET NAME [COMMANDS]): the section 1 man page of the program TARGET, with
# NAME as the text of its NAME section. help2man writes it at build time from the program's own
# --help, so the page cannot drift from the help; a program without --help fails the build. The
# page is named after the program file and gives the project's version, the one the programs
# report (the window program's --version names the product, which help2man would take for the
# program's name). With COMMANDS, the page also gives the --help of every command that the
# program's help lists.
find_program(HELP2MAN help2man REQUIRED)
find_program(GZIP gzip REQUIRED)

function(vantro_add_man_page target name)
    set(page ${CMAKE_CURRENT_BINARY_DIR}/${target}.1)
    set(include)
    if(ARGV2 STREQUAL "COMMANDS")
        set(commands ${CMAKE_CURRENT_BINARY_DIR}/${target}-commands.h2m)
        set(include COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${target}> -DOUTPUT=${commands}
                            -P ${PROJECT_SOURCE_DIR}/cmake/CommandHelp.cmake)
        set(include_option --include=${commands})
    endif()
    # The program is found through PATH, so that its help names it without the build directory.
    # The offscreen platform keeps the window program from needing a display.
    add_custom_command(OUTPUT ${page}.gz
        ${include}
        COMMAND ${CMAKE_COMMAND} -E env "PATH=$<TARGET_FILE_DIR:${target}>:$ENV{PATH}"
                QT_QPA_PLATFORM=offscreen
                ${HELP2MAN} --no-info --no-discard-stderr --section=1 --name=${name}
                "--version-string=${target} ${PROJECT_VERSION}" ${include_option}
                --output=${page} ${target}
        COMMAND ${GZIP} -9nf ${page}
        DEPENDS ${target} ${PROJECT_SOURCE_DIR}/cmake/CommandHelp.cmake
        COMMENT "Writing the man page ${target}(1)"
        VERBATIM)
    add_custom_target(${target}-man ALL DEPENDS ${page}.gz)
    install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endfunction()
