# SPDX-FileCopyrightText: 2026 The Pallastro authors
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Gives every executable of a sanitizer build the leak suppressions of
# LeakSuppressions.cpp. The runtime only takes the function from the program
# itself, and a static library's object would never be linked (nothing calls
# it), so the source goes into each executable, wherever it is defined.
# Included at the end of the top-level list, once every target exists.

function(pallastro_executables_below folder result)
    get_property(targets DIRECTORY "${folder}" PROPERTY BUILDSYSTEM_TARGETS)
    set(found "")
    foreach(target IN LISTS targets)
        get_target_property(type ${target} TYPE)
        if(type STREQUAL "EXECUTABLE")
            list(APPEND found ${target})
        endif()
    endforeach()
    get_property(children DIRECTORY "${folder}" PROPERTY SUBDIRECTORIES)
    foreach(child IN LISTS children)
        pallastro_executables_below("${child}" below)
        list(APPEND found ${below})
    endforeach()
    set(${result} ${found} PARENT_SCOPE)
endfunction()

pallastro_executables_below("${PROJECT_SOURCE_DIR}" pallastro_executables)
foreach(target IN LISTS pallastro_executables)
    target_sources(${target} PRIVATE "${CMAKE_CURRENT_LIST_DIR}/LeakSuppressions.cpp")
endforeach()
