# What installing quillmere needs before any target is declared: the program's id on the
# desktop, the release it is, and how manual pages and the changelog are installed.

# Games go to games/ (/usr/games, /usr/local/games: both on Debian's PATH); for a prefix whose
# games/ is not on the PATH, such as ~/.local, choose bin.
set(QUILLMERE_INSTALL_GAMEDIR games CACHE STRING "Folder under the prefix for the game's program")

# The game's home as the package and software centres give it: the hosted board the build
# names, else the project's own host.
set(QUILLMERE_HOME "${QUILLMERE_WEBSITE}")
if(NOT QUILLMERE_HOME)
  set(QUILLMERE_HOME "https://www.quillmere.example")
endif()

# The software centre's id is the home's host turned around (www. dropped), then the
# program's name: https://www.quillmere.example gives example.quillmere.quillmere.
string(REGEX REPLACE "^[a-z]+://(www\\.)?([^/:]+).*$" "\\2" _host "${QUILLMERE_HOME}")
string(REPLACE "." ";" _labels "${_host}")
list(REVERSE _labels)
list(JOIN _labels "." _reversed)
if(NOT _host MATCHES "^[a-z0-9-]+(\\.[a-z0-9-]+)+$" OR _host MATCHES "^[0-9.]+$")
  set(_reversed "example.quillmere")  # a bare address (a local board) names no owner
endif()
set(QUILLMERE_APP_ID "${_reversed}.quillmere")

# The newest entry of the changelog is the release: its version must be the project's, and
# its date is the one the manual page and the software centre show.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/changelog _entries REGEX "^(quillmere \\(| -- )")
list(GET _entries 0 _newest)
if(NOT _newest MATCHES "^quillmere \\(${PROJECT_VERSION}\\)")
  message(FATAL_ERROR "packaging/changelog starts with '${_newest}', not version ${PROJECT_VERSION}")
endif()
list(GET _entries 1 _signed)
string(REGEX MATCH ", ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) " _ "${_signed}")
set(_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(FIND _months "${CMAKE_MATCH_2}" _month)
math(EXPR _month "${_month} + 1" OUTPUT_FORMAT DECIMAL)
if(_month LESS 10)
  set(_month "0${_month}")
endif()
set(QUILLMERE_RELEASE_DATE "${CMAKE_MATCH_3}-${_month}-${CMAKE_MATCH_1}")

# Installs a file gzip-compressed, as Debian wants manual pages and changelogs, without a
# timestamp inside so that a rebuild gives the same bytes.
function(quillmere_install_compressed file destination)
  get_filename_component(name ${file} NAME)
  set(packed ${CMAKE_CURRENT_BINARY_DIR}/${name}.gz)
  add_custom_command(OUTPUT ${packed}
    COMMAND sh -c "gzip -9n < \"$1\" > \"$2\"" sh ${file} ${packed}
    DEPENDS ${file} VERBATIM)
  add_custom_target(compress_${name} ALL DEPENDS ${packed})
  install(FILES ${packed} DESTINATION ${destination})
endfunction()

# quillmere_install_manpage(<page> <section>)
function(quillmere_install_manpage page section)
  quillmere_install_compressed(${page} ${CMAKE_INSTALL_MANDIR}/man${section})
endfunction()
