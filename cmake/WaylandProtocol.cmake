# yorvane_wayland_protocol(TARGET XML): a static library of a Wayland
# protocol's client code, as wayland-scanner writes it from the protocol's XML,
# whose users include "<name>-client-protocol.h" (name: the XML file's).
# Needs the C language enabled.
function(yorvane_wayland_protocol target xml)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(WAYLAND_CLIENT REQUIRED IMPORTED_TARGET wayland-client)
  pkg_get_variable(wayland_scanner wayland-scanner wayland_scanner)
  cmake_path(GET xml STEM name)
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/${target})
  add_custom_command(OUTPUT ${dir}/${name}-client-protocol.h ${dir}/${name}-protocol.c
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${wayland_scanner} client-header ${xml} ${dir}/${name}-client-protocol.h
    COMMAND ${wayland_scanner} private-code ${xml} ${dir}/${name}-protocol.c
    DEPENDS ${xml})
  add_library(${target} STATIC ${dir}/${name}-protocol.c ${dir}/${name}-client-protocol.h)
  target_include_directories(${target} PUBLIC ${dir})
  target_link_libraries(${target} PUBLIC PkgConfig::WAYLAND_CLIENT)
endfunction()
