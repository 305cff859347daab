# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The release of this version, as the AppStream file, the Debian changelog
# and the manual page state it: the version is the project's, the date is
# SOURCE_DATE_EPOCH when the build is given one, else the time of the last
# commit, so that two builds of one commit say the same. A tree without its
# history (an unpacked source archive) falls back to the time of configuring.
#
# Sets PALLASTRO_SOURCE_DATE_EPOCH, PALLASTRO_RELEASE_DATE (2026-12-07) and
# PALLASTRO_RELEASE_DATE_RFC2822 (Mon, 07 Dec 2026 10:00:00 +0000).

# What changed in this release, for the changelog and the AppStream file.
set(PALLASTRO_RELEASE_NOTE "First release.")

if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(PALLASTRO_SOURCE_DATE_EPOCH "$ENV{SOURCE_DATE_EPOCH}")
else()
    execute_process(COMMAND git log -1 --format=%ct
                    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE PALLASTRO_SOURCE_DATE_EPOCH
                    OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE git_failed
                    ERROR_QUIET)
    if(git_failed OR PALLASTRO_SOURCE_DATE_EPOCH STREQUAL "")
        string(TIMESTAMP PALLASTRO_SOURCE_DATE_EPOCH "%s" UTC)
        message(STATUS "No commit to date the release by; dated now")
    endif()
endif()
if(NOT PALLASTRO_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
    message(FATAL_ERROR "SOURCE_DATE_EPOCH is not a number of seconds: ${PALLASTRO_SOURCE_DATE_EPOCH}")
endif()

# string(TIMESTAMP) formats the time SOURCE_DATE_EPOCH names, so it is set
# for these two calls and put back as it was.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
    set(outer_epoch "$ENV{SOURCE_DATE_EPOCH}")
endif()
set(ENV{SOURCE_DATE_EPOCH} "${PALLASTRO_SOURCE_DATE_EPOCH}")
string(TIMESTAMP PALLASTRO_RELEASE_DATE "%Y-%m-%d" UTC)
string(TIMESTAMP PALLASTRO_RELEASE_DATE_RFC2822 "%a, %d %b %Y %H:%M:%S +0000" UTC)
if(DEFINED outer_epoch)
    set(ENV{SOURCE_DATE_EPOCH} "${outer_epoch}")
else()
    unset(ENV{SOURCE_DATE_EPOCH})
endif()
