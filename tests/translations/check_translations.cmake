# Fails when a committed translation is out of date with the sources or has
# a message without its translation: lupdate runs, with the build's options,
# into a copy of each file, which must come out as committed and hold no
# unfinished, vanished or empty translation.
#   cmake -DLUPDATE=... -DSOURCES_FILE=... -DOPTIONS=... -DTS_FILES=... -DWORK_DIR=... -P check_translations.cmake
foreach(ts_file IN LISTS TS_FILES)
  get_filename_component(name "${ts_file}" NAME)
  set(copy "${WORK_DIR}/${name}")
  file(MAKE_DIRECTORY "${WORK_DIR}")
  configure_file("${ts_file}" "${copy}" COPYONLY)
  execute_process(COMMAND "${LUPDATE}" ${OPTIONS} "@${SOURCES_FILE}" -ts "${copy}"
                  RESULT_VARIABLE status OUTPUT_VARIABLE output ERROR_VARIABLE output)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed on ${name}:\n${output}")
  endif()
  file(READ "${ts_file}" committed)
  file(READ "${copy}" updated)
  if(NOT committed STREQUAL updated)
    message(FATAL_ERROR "${ts_file} is not up to date with the sources: build the target "
                        "update_translations, translate what it marks unfinished and commit it.\n${output}")
  endif()
  foreach(mark "type=\"unfinished\"" "type=\"vanished\"" "type=\"obsolete\"" "<translation></translation>"
               "<translation/>")
    string(FIND "${updated}" "${mark}" at)
    if(NOT at EQUAL -1)
      message(FATAL_ERROR "${ts_file} has a message without its translation (${mark}).")
    endif()
  endforeach()
  message(STATUS "${name}: up to date and complete")
endforeach()
