# Formats a manual page with groff and fails on any warning:
#   cmake -DGROFF=groff -DPAGE=pstool.1 -P CheckManPage.cmake
execute_process(COMMAND ${GROFF} -man -Tutf8 -ww -z ${PAGE}
  RESULT_VARIABLE status ERROR_VARIABLE warnings)
if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
  message(FATAL_ERROR "groff on ${PAGE} (status ${status}):\n${warnings}")
endif()
