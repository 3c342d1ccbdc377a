# What `cmake --install` and the package put where: the two programs and the menu's launcher,
# the bundled games, the desktop entry, the icon at the sizes desktops look up and a manual
# page for each program. The launcher finds the window application and the games relative to
# itself, so an install under any prefix works.
include(GNUInstallDirs)

set(kragmoor_packaging ${PROJECT_SOURCE_DIR}/packaging)
set(kragmoor_games_destination ${CMAKE_INSTALL_DATADIR}/kragmoor/games)

install(TARGETS kragmoor-sim RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/games/ReelSetup.ini DESTINATION ${kragmoor_games_destination})
install(FILES ${PROJECT_SOURCE_DIR}/games/cinderbrae/ReelSetup.ini
        DESTINATION ${kragmoor_games_destination}/cinderbrae)

set(kragmoor_man_pages kragmoor-sim)
if(KRAGMOOR_BUILD_UI)
    install(TARGETS kragmoor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(PROGRAMS ${kragmoor_packaging}/kragmoor-desktop DESTINATION ${CMAKE_INSTALL_BINDIR})
    install(FILES ${kragmoor_packaging}/kragmoor.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
    foreach(size 16 24 32 48 64 128 256)
        install(FILES ${kragmoor_packaging}/icons/kragmoor-${size}.png
                DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
                RENAME kragmoor.png)
    endforeach()
    install(FILES ${kragmoor_packaging}/icons/kragmoor.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
    list(APPEND kragmoor_man_pages kragmoor kragmoor-desktop)
endif()

# Manual pages carry the project's version. They and the package's changelog are compressed as
# Debian's policy wants: gzip -9 without the name and time stamp, so that two builds give the
# same bytes.
set(kragmoor_generated ${PROJECT_BINARY_DIR}/packaging)
function(kragmoor_gzip source output)
    add_custom_command(
        OUTPUT ${kragmoor_generated}/${output}
        COMMAND gzip -9n -c ${source} > ${output}
        DEPENDS ${source}
        WORKING_DIRECTORY ${kragmoor_generated}
        VERBATIM)
endfunction()

set(kragmoor_man_outputs)
foreach(page ${kragmoor_man_pages})
    configure_file(${kragmoor_packaging}/man/${page}.1 ${kragmoor_generated}/${page}.1 @ONLY)
    kragmoor_gzip(${kragmoor_generated}/${page}.1 ${page}.1.gz)
    list(APPEND kragmoor_man_outputs ${kragmoor_generated}/${page}.1.gz)
endforeach()
kragmoor_gzip(${kragmoor_packaging}/changelog.Debian changelog.Debian.gz)
add_custom_target(kragmoor_packaging ALL
                  DEPENDS ${kragmoor_man_outputs} ${kragmoor_generated}/changelog.Debian.gz)
install(FILES ${kragmoor_man_outputs} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${kragmoor_generated}/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/kragmoor)
