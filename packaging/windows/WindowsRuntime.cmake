# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What the Windows build of pallastro.exe needs beside it at run time: Qt's
# DLLs and the MinGW C++ runtime. The deploy folder is laid out from these,
# and the tests run under Wine with these folders on the DLL search path.

# What `windows-dist` makes (packaging/windows/Windows.cmake); the Wine
# scenarios test these very files.
set(PALLASTRO_DIST_NAME "${PALLASTRO_NAME}-${PROJECT_VERSION}-win64")
set(PALLASTRO_DIST_DIR "${CMAKE_BINARY_DIR}/dist/${PALLASTRO_NAME}")
set(PALLASTRO_DIST_ZIP "${CMAKE_BINARY_DIR}/${PALLASTRO_DIST_NAME}.zip")
set(PALLASTRO_SETUP "${CMAKE_BINARY_DIR}/${PALLASTRO_NAME}-${PROJECT_VERSION}-setup.exe")

set(PALLASTRO_QT_BIN_DIR "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")

# The compiler knows where its own runtime lives; no path is written down.
set(PALLASTRO_MINGW_RUNTIME_DLLS)
set(PALLASTRO_MINGW_RUNTIME_DIRS)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} is")
    endif()
    get_filename_component(found "${found}" REALPATH)
    get_filename_component(folder "${found}" DIRECTORY)
    list(APPEND PALLASTRO_MINGW_RUNTIME_DLLS "${found}")
    list(APPEND PALLASTRO_MINGW_RUNTIME_DIRS "${folder}")
endforeach()
list(REMOVE_DUPLICATES PALLASTRO_MINGW_RUNTIME_DIRS)

# Test executables run through the emulator (tests/wine/wine-run.sh when
# cross-building here); it is told, before the program, where the DLLs are.
# Colons, not semicolons: the list is one argument.
if(CMAKE_CROSSCOMPILING AND CMAKE_CROSSCOMPILING_EMULATOR)
    list(JOIN PALLASTRO_MINGW_RUNTIME_DIRS ":" runtime_dirs)
    set(CMAKE_CROSSCOMPILING_EMULATOR
        ${CMAKE_CROSSCOMPILING_EMULATOR} --dlls "${PALLASTRO_QT_BIN_DIR}:${runtime_dirs}" --)
endif()
