# The Debian package, made by "cpack -G DEB" in the build directory:
# vantro-filter-tool_<version>_<arch>.deb, installing under /usr.

# The copyright file and the changelog that every Debian package carries in its doc directory.
set(docdir ${CMAKE_INSTALL_DATADIR}/doc/vantro-filter-tool)
file(READ ${PROJECT_SOURCE_DIR}/LICENSE licence)
# The licence text as a paragraph of the machine-readable copyright format: every line indented,
# empty lines as " .".
string(STRIP "${licence}" licence)
string(REPLACE "\n" "\n " licence " ${licence}")
string(REPLACE "\n \n" "\n .\n" VANTRO_LICENSE_PARAGRAPH "${licence}")
configure_file(${PROJECT_SOURCE_DIR}/packaging/copyright.in copyright @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/copyright DESTINATION ${docdir})

execute_process(COMMAND date -u -R -d ${VANTRO_RELEASE_DATE}
                OUTPUT_VARIABLE VANTRO_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
configure_file(${PROJECT_SOURCE_DIR}/packaging/changelog.in changelog @ONLY)
add_custom_command(OUTPUT changelog.gz
    COMMAND ${GZIP} -9n -c ${PROJECT_BINARY_DIR}/changelog > changelog.gz
    DEPENDS ${PROJECT_BINARY_DIR}/changelog)
add_custom_target(package-changelog ALL DEPENDS changelog.gz)
install(FILES ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${docdir})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantro-filter-tool)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Vantro Bad Word Filter Tool developers")
set(CPACK_PACKAGE_CONTACT "${VANTRO_MAINTAINER}")
set(CPACK_PACKAGE_HOMEPAGE_URL "${VANTRO_HOMEPAGE}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "same-length chat word filter builder for game servers")
# Debian's long description: lines of fewer than 80 characters, paragraphs apart.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "The Vantro Bad Word Filter Tool builds the chat word filter of a multiplayer"
    "game server: entries of its localization file that replace offensive words with"
    "harmless text of exactly the same length, since a longer replacement can crash"
    "the server. It keeps a word list, the built-in one plus the administrator's own"
    "words, expands every word into its case and punctuation variants, and appends"
    "one filter entry per variant."
    ""
    "The package holds the window program vantro-filter-tool and the command-line"
    "program vantro-filter, which builds the same filter on servers without a"
    "desktop and checks localization files for entries that can crash the server.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON) # the libraries the programs link
# The window loads its platform plugin at run time, which the libraries' list cannot show.
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# The completion of vantro-filter's commands and options is loaded by bash-completion only; Qt's
# own translations give its dialogs' buttons and command-line errors in the system's language.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "bash-completion, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
