# The files the program opens from its own folder, and the installed layout.
# The readme and the end-of-series chime are put beside the built binary, so
# the build tree works as an application folder; `cmake --install` lays out
# bin/, share/yorvane/ and the desktop entry with its icons.
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
add_custom_target(yorvane_assets DEPENDS ${yorvane_chime} ${yorvane_readme})
add_dependencies(yorvane yorvane_assets)

# Scripts find the built program here without knowing the build layout.
file(GENERATE OUTPUT ${CMAKE_BINARY_DIR}/yorvane-path.txt CONTENT "$<TARGET_FILE:yorvane>\n")

install(TARGETS yorvane RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${yorvane_readme} ${yorvane_chime} DESTINATION ${CMAKE_INSTALL_DATADIR}/yorvane)
install(FILES ${CMAKE_SOURCE_DIR}/data/yorvane.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_SOURCE_DIR}/data/yorvane.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/32x32/apps)
install(FILES ${CMAKE_SOURCE_DIR}/data/yorvane.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
