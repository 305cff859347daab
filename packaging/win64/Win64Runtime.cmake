# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What the Windows build of pallastro.exe needs beside it at run time: Qt's
# DLLs and the MinGW C++ runtime. The deploy folder is laid out from these,
# and the tests run under Wine with these folders on the DLL search path.

# What `windows-dist` makes (packaging/win64/Win64.cmake); the Wine
# scenarios test these very files.
set(PALLASTRO_DIST_NAME "${PALLASTRO_NAME}-${PROJECT_VERSION}-win64")
set(PALLASTRO_DIST_DIR "${CMAKE_BINARY_DIR}/dist/${PALLASTRO_NAME}")
set(PALLASTRO_DIST_ZIP "${CMAKE_BINARY_DIR}/${PALLASTRO_DIST_NAME}.zip")
set(PALLASTRO_SETUP "${CMAKE_BINARY_DIR}/${PALLASTRO_NAME}-${PROJECT_VERSION}-setup.exe")

# The source package the Qt DLLs were built from, which goes beside the
# packages as one archive (build-qt.sh keeps it, or fetches it again).
set(PALLASTRO_QT_SOURCE "" CACHE PATH
    "Folder holding the Qt source package (.dsc and tarballs); build-qt.sh --source when empty")
set(qt_source "${PALLASTRO_QT_SOURCE}")
if(NOT qt_source)
    execute_process(COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/build-qt.sh --source
                    OUTPUT_VARIABLE qt_source OUTPUT_STRIP_TRAILING_WHITESPACE
                    COMMAND_ERROR_IS_FATAL ANY)
endif()
file(GLOB PALLASTRO_QT_DSC "${qt_source}/*.dsc")
list(LENGTH PALLASTRO_QT_DSC qt_dsc_count)
if(NOT qt_dsc_count EQUAL 1)
    message(FATAL_ERROR "Expected one .dsc in ${qt_source}, found: ${PALLASTRO_QT_DSC}")
endif()
get_filename_component(qt_source_name "${PALLASTRO_QT_DSC}" NAME_WLE)
set(PALLASTRO_QT_SOURCE_ARCHIVE "${CMAKE_BINARY_DIR}/${qt_source_name}-source.tar")

# The compiler knows where its own runtime lives; no path is written down.
set(PALLASTRO_MINGW_RUNTIME_DLLS)
set(runtime_dirs)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${found}" OR NOT EXISTS "${found}")
        message(FATAL_ERROR "${CMAKE_CXX_COMPILER} does not know where ${dll} is")
    endif()
    get_filename_component(found "${found}" REALPATH)
    get_filename_component(folder "${found}" DIRECTORY)
    list(APPEND PALLASTRO_MINGW_RUNTIME_DLLS "${found}")
    list(APPEND runtime_dirs "${folder}")
endforeach()
list(REMOVE_DUPLICATES runtime_dirs)

# Test executables run through the emulator (tests/wine/wine-run.sh when
# cross-building here); it is told, before the program, where the DLLs are.
# Colons, not semicolons: the list is one argument.
if(CMAKE_CROSSCOMPILING AND CMAKE_CROSSCOMPILING_EMULATOR)
    list(JOIN runtime_dirs ":" runtime_dirs)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CROSSCOMPILING_EMULATOR}
        --dlls "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}:${runtime_dirs}" --)
endif()

# Nothing of where or when it was built goes into what is shipped: the file
# names the compiler writes into the code lose the build's folders, and the
# linker leaves the PE time stamp at zero (strip then writes the release's
# date; see dist.sh).
add_compile_options(
    "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}/=>"
    "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${PROJECT_BINARY_DIR}/=>")
add_link_options(-Wl,--no-insert-timestamp)
