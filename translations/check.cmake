# Fails when a translation file has an entry that is unfinished, or one whose
# source text has gone from the program.
#   MODE=complete  TS_FILES=a.ts;b.ts             checks the files as committed
#   MODE=current   TS_FILES=... LUPDATE=... SOURCES=... WORK=dir
#                  first brings copies up to date with the sources, so a text
#                  added to the program without a translation is caught too
if(MODE STREQUAL "current")
  file(REMOVE_RECURSE ${WORK})
  file(MAKE_DIRECTORY ${WORK})
  set(copies)
  foreach(ts IN LISTS TS_FILES)
    get_filename_component(name ${ts} NAME)
    configure_file(${ts} ${WORK}/${name} COPYONLY)
    list(APPEND copies ${WORK}/${name})
  endforeach()
  execute_process(COMMAND ${LUPDATE} -silent -locations none ${SOURCES} -ts ${copies}
    RESULT_VARIABLE status)
  if(NOT status EQUAL 0)
    message(FATAL_ERROR "lupdate failed")
  endif()
  set(TS_FILES ${copies})
endif()

set(faults 0)
foreach(ts IN LISTS TS_FILES)
  file(STRINGS ${ts} lines REGEX "type=\"(unfinished|vanished|obsolete)\"")
  file(STRINGS ${ts} sources REGEX "<source>")
  list(LENGTH lines count)
  list(LENGTH sources total)
  if(count GREATER 0)
    message(SEND_ERROR "${ts}: ${count} of ${total} entries unfinished or vanished")
    math(EXPR faults "${faults} + ${count}")
  elseif(total EQUAL 0)
    message(SEND_ERROR "${ts}: no entries")
    set(faults 1)
  else()
    message(STATUS "${ts}: all ${total} entries finished")
  endif()
endforeach()
if(faults GREATER 0)
  message(FATAL_ERROR "Translations are incomplete")
endif()
