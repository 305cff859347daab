# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# `make package`: a Debian package built by CPack from the install rules,
# with the changelog and the copyright file Debian's policy asks of every
# package. Its flags and its dates come from packaging/packaging.mk.
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
# Lines of at most 80 characters, as the control file's description wants.
set(CPACK_PACKAGE_DESCRIPTION
    "Pallastro reduces a name to a Destiny number and a date of birth to a Life
Path number and shows, for each, its interpretation and the gods of the
Greek pantheon behind it, with portraits and descriptions. Readings are
saved to files and opened again.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "misc")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://${PALLASTRO_MAIN_HOST}/")
# dpkg-shlibdeps reads the dependencies off the libraries the binary links.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Folders the install makes on the way get one mode, whatever the umask.
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
# CPack dates every member of the package by SOURCE_DATE_EPOCH from its
# environment, and reads this file before it packs.
file(CONFIGURE OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/CPackDate.cmake
     CONTENT "set(ENV{SOURCE_DATE_EPOCH} ${PALLASTRO_SOURCE_DATE_EPOCH})\n")
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_BINARY_DIR}/CPackDate.cmake)

# The program is stripped as Debian strips its own, of the compilers'
# version notes (.comment) too, after the strip of install(TARGETS).
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment
                                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/${PALLASTRO_EXECUTABLE}\"
                        COMMAND_ERROR_IS_FATAL ANY)
    endif()")

set(PALLASTRO_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/${PALLASTRO_EXECUTABLE})
set(deb ${CMAKE_CURRENT_BINARY_DIR}/debian)

# This version's entry, dated like the release. The version has no Debian
# revision, so the file is changelog.gz, not changelog.Debian.gz.
file(CONFIGURE OUTPUT ${deb}/changelog @ONLY CONTENT
"@PALLASTRO_EXECUTABLE@ (@PROJECT_VERSION@) unstable; urgency=medium

  * @PALLASTRO_RELEASE_NOTE@

 -- @CPACK_PACKAGE_CONTACT@  @PALLASTRO_RELEASE_DATE_RFC2822@
")
execute_process(COMMAND gzip -9nkf ${deb}/changelog COMMAND_ERROR_IS_FATAL ANY)
install(FILES ${deb}/changelog.gz DESTINATION ${PALLASTRO_DOC_DIR})

# The copyright file says what the tree's .reuse/dep5 and licence texts
# say, made from them whenever the tree is installed.
install(CODE "
    execute_process(COMMAND \"${PALLASTRO_DEBIAN_PYTHON}\" \"${CMAKE_CURRENT_SOURCE_DIR}/debian/copyright.py\"
                            --root \"${PROJECT_SOURCE_DIR}\" --name \"${PALLASTRO_NAME}\"
                            --contact \"${CPACK_PACKAGE_CONTACT}\" --source \"${CPACK_DEBIAN_PACKAGE_HOMEPAGE}\"
                            \"${deb}/copyright\"
                    COMMAND_ERROR_IS_FATAL ANY)")
install(FILES ${deb}/copyright DESTINATION ${PALLASTRO_DOC_DIR})

include(CPack)
