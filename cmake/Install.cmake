# The files the program opens from its own folder, and the installed layout.
# The readme and the end-of-series chime are put beside the built binary, so
# the build tree works as an application folder; `cmake --install` lays out
# bin/, share/yorvane/, the desktop entry with its icons and the AppStream file.
if(NOT TARGET yorvane)
  return()
endif()
include(GNUInstallDirs)

set(YORVANE_CHIME_NAME "録画が、終りました.wav")
get_target_property(yorvane_program_dir yorvane RUNTIME_OUTPUT_DIRECTORY)
if(NOT yorvane_program_dir)
  get_target_property(yorvane_program_dir yorvane BINARY_DIR)
endif()
set(yorvane_readme ${yorvane_program_dir}/Yorvane.txt)
set(yorvane_chime ${yorvane_program_dir}/${YORVANE_CHIME_NAME})

# The chime is made by the project itself: two sine tones with a bell envelope.
add_executable(yorvane_make_chime ${CMAKE_SOURCE_DIR}/data/make_chime.cpp)
yorvane_set_warnings(yorvane_make_chime)
add_custom_command(OUTPUT ${yorvane_chime}
  COMMAND yorvane_make_chime ${yorvane_chime}
  DEPENDS yorvane_make_chime
  COMMENT "Generating the end-of-series chime")
add_custom_command(OUTPUT ${yorvane_readme}
  COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/data/Yorvane.txt ${yorvane_readme}
  DEPENDS ${CMAKE_SOURCE_DIR}/data/Yorvane.txt
  COMMENT "Copying the readme beside the program")

# The windows' layout as shell variables beside the program, for the scripts
# that click its controls by name (tests/e2e/lib.sh, scripts/run.sh).
set(yorvane_layout_sh ${yorvane_program_dir}/layout.sh)
add_executable(yorvane_write_layout ${CMAKE_SOURCE_DIR}/data/write_layout.cpp)
target_link_libraries(yorvane_write_layout PRIVATE yorvane_app)
yorvane_set_warnings(yorvane_write_layout)
add_custom_command(OUTPUT ${yorvane_layout_sh}
  COMMAND yorvane_write_layout ${yorvane_layout_sh}
  DEPENDS yorvane_write_layout
  COMMENT "Writing the windows' layout for the scripts")

# The PNG icons are rendered from the SVG by the build, so they never drift from it.
find_program(YORVANE_RSVG_CONVERT rsvg-convert REQUIRED)
set(yorvane_icon_svg ${CMAKE_SOURCE_DIR}/data/yorvane.svg)
set(yorvane_icons_dir ${CMAKE_BINARY_DIR}/icons)
set(yorvane_icons)
foreach(size 32 48 64 128 256)
  set(dir ${yorvane_icons_dir}/${size}x${size}/apps)
  add_custom_command(OUTPUT ${dir}/yorvane.png
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${YORVANE_RSVG_CONVERT} -w ${size} -h ${size} -o ${dir}/yorvane.png ${yorvane_icon_svg}
    DEPENDS ${yorvane_icon_svg}
    COMMENT "Rendering the ${size} px icon")
  list(APPEND yorvane_icons ${dir}/yorvane.png)
endforeach()
add_custom_target(yorvane_assets
  DEPENDS ${yorvane_chime} ${yorvane_readme} ${yorvane_icons} ${yorvane_layout_sh})
add_dependencies(yorvane yorvane_assets)

# Scripts find the built program here without knowing the build layout.
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/yorvane-path.txt CONTENT "$<TARGET_FILE:yorvane>\n")

install(TARGETS yorvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(TARGETS yorvane_program LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/yorvane)
install(FILES ${yorvane_readme} ${yorvane_chime} DESTINATION ${CMAKE_INSTALL_DATADIR}/yorvane)
# The desktop entry names the program by its full path, which KWin requires
# before it lets the program use its own screenshot interface; the path is
# known when installing only (cmake --install --prefix).
install(CODE "
  set(bindir \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
  configure_file(\"${CMAKE_SOURCE_DIR}/data/yorvane.desktop.in\"
                 \"${CMAKE_BINARY_DIR}/install/yorvane.desktop\" @ONLY)")
install(FILES ${CMAKE_BINARY_DIR}/install/yorvane.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(DIRECTORY ${yorvane_icons_dir}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES ${yorvane_icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${CMAKE_SOURCE_DIR}/data/io.github.yorvane.Yorvane.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# The MIT licence, where Debian keeps a package's terms.
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/yorvane
        RENAME copyright)
