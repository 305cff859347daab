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

# Only what the program loads: Core, Gui and Widgets, the Windows platform,
# the JPEG and GIF readers, the C++ runtime. The style is Fusion, built into
# Qt6Widgets, so no style plugin goes along.
set(dist_files
    "pallastro.exe=$<TARGET_FILE:pallastro>"
    "Qt6Core.dll=$<TARGET_FILE:Qt6::Core>"
    "Qt6Gui.dll=$<TARGET_FILE:Qt6::Gui>"
    "Qt6Widgets.dll=$<TARGET_FILE:Qt6::Widgets>"
    "platforms/qwindows.dll=$<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>"
    "imageformats/qjpeg.dll=$<TARGET_FILE:Qt6::QJpegPlugin>"
    "imageformats/qgif.dll=$<TARGET_FILE:Qt6::QGifPlugin>"
)
foreach(dll IN LISTS PALLASTRO_MINGW_RUNTIME_DLLS)
    get_filename_component(name "${dll}" NAME)
    list(APPEND dist_files "${name}=${dll}")
endforeach()

add_custom_command(
    OUTPUT ${PALLASTRO_DIST_ZIP} ${PALLASTRO_SETUP}
    COMMAND ${CMAKE_COMMAND} -E env
            STRIP=${PALLASTRO_MINGW_STRIP} MAKENSIS=${PALLASTRO_MAKENSIS} ZIP_PROGRAM=${PALLASTRO_ZIP}
            sh ${CMAKE_CURRENT_LIST_DIR}/dist.sh
            --folder ${PALLASTRO_DIST_DIR}
            --zip ${PALLASTRO_DIST_ZIP}
            --setup ${PALLASTRO_SETUP}
            --product ${PALLASTRO_NAME}
            --version ${PROJECT_VERSION}
            --icon ${PALLASTRO_ICON_DIR}/pallastro.ico
            --script ${CMAKE_CURRENT_LIST_DIR}/pallastro.nsi
            -- ${dist_files}
    DEPENDS pallastro
            ${CMAKE_CURRENT_LIST_DIR}/dist.sh
            ${CMAKE_CURRENT_LIST_DIR}/pallastro.nsi
            ${PALLASTRO_ICON_DIR}/pallastro.ico
    COMMENT "Laying out ${PALLASTRO_DIST_NAME}, its zip and its installer"
    VERBATIM)
add_custom_target(windows-dist DEPENDS ${PALLASTRO_DIST_ZIP} ${PALLASTRO_SETUP})
