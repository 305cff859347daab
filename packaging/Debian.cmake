# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# `make package`: a Debian package built by CPack from the install rules.
if(NOT CMAKE_SYSTEM_NAME STREQUAL "Linux")
    return()
endif()

set(CPACK_GENERATOR "DEB")
set(CPACK_SOURCE_GENERATOR "TGZ")
# `make package_source` must not sweep up build folders or the repository.
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/")
set(CPACK_PACKAGE_NAME "${PALLASTRO_EXECUTABLE}")
set(CPACK_PACKAGE_VENDOR "${PALLASTRO_NAME}")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_CONTACT "${PALLASTRO_NAME} <pallastro@${PALLASTRO_MAIN_HOST}>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Greek numerology reading from a name and a date of birth")
set(CPACK_PACKAGE_DESCRIPTION
    "Pallastro reduces a name to a Destiny number and a date of birth to a Life Path number and shows, for each, its interpretation and the gods of the Greek pantheon behind it, with portraits and descriptions. Readings are saved to files and opened again.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "misc")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://${PALLASTRO_MAIN_HOST}/")
# Dependencies are read off the shared libraries the binary really links,
# by dpkg-shlibdeps, rather than listed by hand.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

include(CPack)
