# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Windows build of the same sources: a GUI-subsystem executable (Qt 6 links
# its own WinMain entry point) with the program icon and version information,
# and the `windows-dist` target that lays out the folder a user gets, zips it
# and wraps it in an installer.
configure_file(${CMAKE_CURRENT_LIST_DIR}/pallastro.rc.in
               ${CMAKE_CURRENT_BINARY_DIR}/pallastro.rc @ONLY)
target_sources(pallastro PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/pallastro.rc)
set_target_properties(pallastro PROPERTIES WIN32_EXECUTABLE ON)

find_program(PALLASTRO_MINGW_STRIP NAMES x86_64-w64-mingw32-strip)
find_program(PALLASTRO_MAKENSIS NAMES makensis)
find_program(PALLASTRO_ZIP NAMES zip)
set(win64_dir ${CMAKE_CURRENT_LIST_DIR})

# Only what the program loads: Network for the local socket through which a
# second copy hands a file over (no TLS plugin: nothing leaves the computer),
# the Windows platform, the JPEG and GIF readers, the C++ runtime. The style
# is Fusion, built into Qt6Widgets, and in Qt 6 the Windows printers, their
# dialog and print engine are in Qt6PrintSupport itself (the PDF writer is
# Qt6Gui's), so no style or print support plugin goes along.
set(dist_files "pallastro.exe=$<TARGET_FILE:pallastro>")
foreach(module Core Gui Widgets Network PrintSupport)
    list(APPEND dist_files "Qt6${module}.dll=$<TARGET_FILE:Qt6::${module}>")
endforeach()
list(APPEND dist_files
    "platforms/qwindows.dll=$<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>"
    "imageformats/qjpeg.dll=$<TARGET_FILE:Qt6::QJpegPlugin>"
    "imageformats/qgif.dll=$<TARGET_FILE:Qt6::QGifPlugin>")
foreach(dll IN LISTS PALLASTRO_MINGW_RUNTIME_DLLS)
    get_filename_component(name "${dll}" NAME)
    list(APPEND dist_files "${name}=${dll}")
endforeach()

# The licence texts of everything the folder bundles, from the sources
# themselves, and the Qt source as one archive to ship beside the packages.
set(licences_dir "${CMAKE_BINARY_DIR}/licences")
add_custom_command(
    OUTPUT ${licences_dir}/components.json ${PALLASTRO_QT_SOURCE_ARCHIVE}
    COMMAND ${PALLASTRO_DEBIAN_PYTHON} ${win64_dir}/licences.py gather
            --dsc ${PALLASTRO_QT_DSC}
            --build-qt ${win64_dir}/build-qt.sh
            --own-licences ${PROJECT_SOURCE_DIR}/LICENSES
            --runtime ${PALLASTRO_MINGW_RUNTIME_DLLS}
            --out ${licences_dir}
            --archive ${PALLASTRO_QT_SOURCE_ARCHIVE}
    DEPENDS ${win64_dir}/licences.py ${win64_dir}/notices ${win64_dir}/build-qt.sh ${PALLASTRO_QT_DSC}
            ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt
            ${PROJECT_SOURCE_DIR}/LICENSES/CC-BY-SA-4.0.txt
    COMMENT "Gathering the licences of what the Windows folder bundles"
    VERBATIM)

# The notice names the commit, and every date is the release's
# (packaging/Release.cmake): two builds of one commit give the same bytes,
# and a new commit lays the folder out again.
execute_process(COMMAND git -C ${PROJECT_SOURCE_DIR} describe --always --abbrev=40 --exclude=*
                        "--dirty= with local changes"
                OUTPUT_VARIABLE source_commit OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(NOT source_commit)
    set(source_commit "unknown")
endif()

add_custom_command(
    OUTPUT ${PALLASTRO_DIST_ZIP} ${PALLASTRO_SETUP}
    COMMAND ${CMAKE_COMMAND} -E env
            FOLDER=${PALLASTRO_DIST_DIR} ZIP_FILE=${PALLASTRO_DIST_ZIP} SETUP=${PALLASTRO_SETUP}
            PRODUCT=${PALLASTRO_NAME} VERSION=${PROJECT_VERSION} COMMIT=${source_commit}
            ICON=${PALLASTRO_ICON_DIR}/pallastro.ico SCRIPT=${win64_dir}/pallastro.nsi
            LICENCES=${licences_dir} SOURCE_DATE_EPOCH=${PALLASTRO_SOURCE_DATE_EPOCH}
            STRIP=${PALLASTRO_MINGW_STRIP} MAKENSIS=${PALLASTRO_MAKENSIS} ZIP_PROGRAM=${PALLASTRO_ZIP}
            PYTHON=${PALLASTRO_DEBIAN_PYTHON}
            sh ${win64_dir}/dist.sh ${dist_files}
    DEPENDS pallastro ${win64_dir}/dist.sh ${win64_dir}/licences.py ${win64_dir}/notices ${win64_dir}/pallastro.nsi
            ${PALLASTRO_ICON_DIR}/pallastro.ico ${licences_dir}/components.json
    COMMENT "Laying out ${PALLASTRO_DIST_NAME}, its zip and its installer"
    VERBATIM)
add_custom_target(windows-dist
                  DEPENDS ${PALLASTRO_DIST_ZIP} ${PALLASTRO_SETUP} ${PALLASTRO_QT_SOURCE_ARCHIVE})

# What `make windows` writes SHA256SUMS for.
file(CONFIGURE OUTPUT ${CMAKE_BINARY_DIR}/packages.txt
     CONTENT "${PALLASTRO_DIST_ZIP}\n${PALLASTRO_SETUP}\n${PALLASTRO_QT_SOURCE_ARCHIVE}\n")
