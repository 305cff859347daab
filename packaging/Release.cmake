# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The release of this version: the project's version, dated by
# SOURCE_DATE_EPOCH when the build is given one, else by the last commit, so
# that two builds of one commit say the same (a tree without its history is
# dated by the time of configuring). Sets PALLASTRO_SOURCE_DATE_EPOCH,
# PALLASTRO_RELEASE_DATE (2026-12-07) and PALLASTRO_RELEASE_DATE_RFC2822
# (Mon, 07 Dec 2026 10:00:00 +0000), and writes the epoch into the build
# folder's source-date-epoch for the tools the Makefiles run (rcc, strip).

# What changed in this release, for the changelog and the AppStream file.
set(PALLASTRO_RELEASE_NOTE "First release.")

set(PALLASTRO_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
if(PALLASTRO_SOURCE_DATE_EPOCH STREQUAL "")
    execute_process(COMMAND git log -1 --format=%ct
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE PALLASTRO_SOURCE_DATE_EPOCH
                    OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
if(PALLASTRO_SOURCE_DATE_EPOCH STREQUAL "")
    string(TIMESTAMP PALLASTRO_SOURCE_DATE_EPOCH "%s" UTC)
    message(STATUS "No commit to date the release by; dated now")
endif()
if(NOT PALLASTRO_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH is not a number of seconds: ${PALLASTRO_SOURCE_DATE_EPOCH}")
endif()

# string(TIMESTAMP) formats the time SOURCE_DATE_EPOCH names; the rest of the
# configuring sees the release's date too.
set(ENV{SOURCE_DATE_EPOCH} "${PALLASTRO_SOURCE_DATE_EPOCH}")
string(TIMESTAMP PALLASTRO_RELEASE_DATE "%Y-%m-%d" UTC)
string(TIMESTAMP PALLASTRO_RELEASE_DATE_RFC2822 "%a, %d %b %Y %H:%M:%S +0000" UTC)
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/source-date-epoch CONTENT "${PALLASTRO_SOURCE_DATE_EPOCH}\n")
