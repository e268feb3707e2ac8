# cmake -DPROGRAM=FILE -DOUTPUT=FILE -P CommandHelp.cmake
#
# Writes a help2man include file with a COMMANDS section: the --help of every command that
# "PROGRAM --help" lists under "Commands:", so that the man page gives each command's options.

execute_process(COMMAND ${PROGRAM} --help OUTPUT_VARIABLE help COMMAND_ERROR_IS_FATAL ANY)
string(REGEX MATCH "\nCommands:\n(  [^\n]+\n)+" listed "${help}")
string(REGEX MATCHALL "\n  [a-z]+ " commands "${listed}")
if(NOT commands)
    message(FATAL_ERROR "${PROGRAM} --help lists no commands")
endif()

set(page "[COMMANDS]\n")
foreach(command IN LISTS commands)
    string(STRIP "${command}" command)
    execute_process(COMMAND ${PROGRAM} ${command} --help OUTPUT_VARIABLE text
                    COMMAND_ERROR_IS_FATAL ANY)
    # The usage line names the program as it was started; the page names it plainly.
    get_filename_component(name ${PROGRAM} NAME)
    string(REGEX REPLACE "^Usage: [^ \n]+" "Usage: ${name}" text "${text}")
    # Shown as it is printed: roff's escape character doubled, and no line taken for a request.
    string(REPLACE "\\" "\\e" text "${text}")
    string(REPLACE "-" "\\-" text "${text}")
    string(REGEX REPLACE "(^|\n)([.'])" "\\1\\\\&\\2" text "${text}")
    string(APPEND page ".SS ${command}\n.nf\n${text}.fi\n")
endforeach()
file(WRITE ${OUTPUT} "${page}")
