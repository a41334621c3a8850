# SPDX-License-Identifier: MIT
# SPDX-FileCopyrightText: 2026 The Marvolt developers
# Puts the licence header back under the XML declaration of a Qt Linguist
# file, which lupdate drops whenever it rewrites the file.
#   cmake -DTS_FILE=translations/marvolt_en.ts -P tools/ts_header.cmake
set(header "<!-- SPDX-License-Identifier: MIT -->
<!-- SPDX-FileCopyrightText: 2026 The Marvolt developers -->
")
file(READ "${TS_FILE}" text)
string(FIND "${text}" "${header}" found)
if(found EQUAL -1)
  string(FIND "${text}" "\n" declaration_end)
  math(EXPR body_start "${declaration_end} + 1")
  string(SUBSTRING "${text}" 0 ${body_start} declaration)
  string(SUBSTRING "${text}" ${body_start} -1 body)
  file(WRITE "${TS_FILE}" "${declaration}${header}${body}")
endif()
