# Installs the build into ${STAGE} with the prefix /opt/kalvenar and checks
# what landed there.
set(prefix /opt/kalvenar)
set(root ${STAGE}${prefix})
file(REMOVE_RECURSE ${STAGE})

execute_process(COMMAND ${CMAKE_COMMAND} -E env DESTDIR=${STAGE}
    ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
  RESULT_VARIABLE status OUTPUT_QUIET)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "cmake --install failed: ${status}")
endif()

set(expected
  bin/Kalvenar bin/Kalvenor bin/kalvenar-cli
  share/man/man1/kalvenar-cli.1
  share/applications/org.kalvenar.Kalvenar.desktop
  share/applications/org.kalvenar.Kalvenor.desktop
  share/metainfo/org.kalvenar.Kalvenar.metainfo.xml
  share/metainfo/org.kalvenar.Kalvenor.metainfo.xml
  share/icons/hicolor/scalable/apps/kalvenar.svg
  share/icons/hicolor/scalable/apps/kalvenor.svg)
foreach(size 16 22 24 32 48 64 128 256)
  list(APPEND expected share/icons/hicolor/${size}x${size}/apps/kalvenar.png
    share/icons/hicolor/${size}x${size}/apps/kalvenor.png)
endforeach()
foreach(file ${expected})
  if(NOT EXISTS ${root}/${file})
    message(FATAL_ERROR "not installed: ${prefix}/${file}")
  endif()
endforeach()
file(GLOB voices ${root}/share/kalvenar/Voices/*.wav)
list(LENGTH voices voiceCount)
if(voiceCount EQUAL 0)
  message(FATAL_ERROR "no voices in ${prefix}/share/kalvenar/Voices")
endif()

# The validators a desktop's software centre runs.
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate REQUIRED)
find_program(APPSTREAMCLI appstreamcli REQUIRED)
file(GLOB entries ${root}/share/applications/*.desktop)
execute_process(COMMAND ${DESKTOP_FILE_VALIDATE} ${entries}
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0 OR NOT out STREQUAL "")
  message(FATAL_ERROR "desktop-file-validate: ${out}")
endif()
file(GLOB metainfo ${root}/share/metainfo/*.xml)
execute_process(COMMAND ${APPSTREAMCLI} validate --no-net ${metainfo}
  RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "appstreamcli validate: ${out}")
endif()

# The installed program runs from any directory.
file(MAKE_DIRECTORY ${STAGE}/elsewhere ${STAGE}/config)
execute_process(COMMAND ${CMAKE_COMMAND} -E env XDG_CONFIG_HOME=${STAGE}/config QT_QPA_PLATFORM=offscreen
    ${root}/bin/Kalvenar --screenshot ${STAGE}/elsewhere/shot.png --seed 1
  WORKING_DIRECTORY ${STAGE}/elsewhere RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT EXISTS ${STAGE}/elsewhere/shot.png)
  message(FATAL_ERROR "the installed Kalvenar did not run: ${status} ${err}")
endif()
