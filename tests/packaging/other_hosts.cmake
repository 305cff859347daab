# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A build configured with other hosts: every address in the generated header
# the program takes its addresses from, and in the installed metadata, names
# those hosts, and none names the default ones.
#   cmake -DSOURCE=<source tree> -DWORK=<scratch folder> -P other_hosts.cmake
set(PALLASTRO_NAME "Pallastro")
set(PALLASTRO_TITLE "Pallastro v1.0")
set(PROJECT_VERSION "1.0.0")
set(PALLASTRO_RELEASE_DATE "2026-12-07")
set(PALLASTRO_RELEASE_NOTE "First release.")
set(PALLASTRO_APP_ID "org.test.Other")
set(PALLASTRO_EXECUTABLE "pallastro")
set(PALLASTRO_MAIN_HOST "main.other.test")
set(PALLASTRO_PROGRAM_HOST "program.other.test")
set(PALLASTRO_HELP_HOST "help.other.test")
set(PALLASTRO_READING_TYPE "application/x-pallastro-reading")
set(PALLASTRO_READING_ICON "application-x-pallastro-reading")

file(REMOVE_RECURSE "${WORK}")
configure_file("${SOURCE}/core/Identity.h.in" "${WORK}/Identity.h" @ONLY)
configure_file("${SOURCE}/packaging/pallastro.desktop.in" "${WORK}/app.desktop" @ONLY)
configure_file("${SOURCE}/packaging/pallastro.metainfo.xml.in" "${WORK}/app.metainfo.xml" @ONLY)
configure_file("${SOURCE}/packaging/pallastro.mime.xml.in" "${WORK}/app.xml" @ONLY)

foreach(name Identity.h app.desktop app.metainfo.xml app.xml)
    file(READ "${WORK}/${name}" text)
    if(text MATCHES "pallastro\\.example")
        message(FATAL_ERROR "${name} still names a default host")
    endif()
    if(text MATCHES "@[A-Z_]+@")
        message(FATAL_ERROR "${name} has an unreplaced placeholder: ${CMAKE_MATCH_0}")
    endif()
endforeach()

file(READ "${WORK}/Identity.h" header)
foreach(host main.other.test program.other.test help.other.test)
    string(FIND "${header}" "\"${host}\"" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "Identity.h does not name ${host}")
    endif()
endforeach()
file(READ "${WORK}/app.metainfo.xml" metainfo)
foreach(address "https://main.other.test/" "https://program.other.test/pallastro-help.html"
                "https://main.other.test/screenshots/main.png")
    string(FIND "${metainfo}" "${address}" at)
    if(at EQUAL -1)
        message(FATAL_ERROR "the metainfo does not name ${address}")
    endif()
endforeach()
file(READ "${WORK}/app.desktop" desktop)
if(NOT desktop MATCHES "\nIcon=org.test.Other\n")
    message(FATAL_ERROR "the desktop entry's icon is not the application id")
endif()
