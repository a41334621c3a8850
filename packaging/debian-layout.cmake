# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# Run by CPack on the staged Debian package: Debian keeps the games of section
# "games" in /usr/games, which no per-user install has, so the program moves
# there and the desktop entry names it by its full path.
set(usr "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
file(MAKE_DIRECTORY "${usr}/games")
file(RENAME "${usr}/bin/marvolt" "${usr}/games/marvolt")
file(REMOVE_RECURSE "${usr}/bin")
# CPack strips without options; Debian also drops the compiler's notes.
execute_process(COMMAND strip --remove-section=.comment --remove-section=.note "${usr}/games/marvolt"
                RESULT_VARIABLE stripped)
if(NOT stripped EQUAL 0)
  message(FATAL_ERROR "strip failed on the staged program")
endif()
set(entry "${usr}/share/applications/io.github.marvolt.Marvolt.desktop")
file(READ "${entry}" text)
string(REPLACE "\nExec=marvolt\n" "\nExec=${CPACK_PACKAGING_INSTALL_PREFIX}/games/marvolt\n" text "${text}")
file(WRITE "${entry}" "${text}")
