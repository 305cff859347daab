# Windows build of the same sources: a GUI-subsystem executable (Qt 6 links
# its own WinMain entry point) with the program icon and version information.
configure_file(${CMAKE_CURRENT_LIST_DIR}/pallastro.rc.in
               ${CMAKE_CURRENT_BINARY_DIR}/pallastro.rc @ONLY)
target_sources(pallastro PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/pallastro.rc)
set_target_properties(pallastro PROPERTIES WIN32_EXECUTABLE ON)
