# pstool.exe, run under Wine, against the Linux pstool: the same runs on the
# sample modules must print the same bytes, end with the same status and
# write the same files. And make_examples.exe must have written the same
# sample modules as the Linux make_examples.
#
#   cmake -DLINUX_PSTOOL=... -DWINDOWS_PSTOOL=... -DWINE=... -DLINUX_SAMPLES=...
#         -DWINDOWS_SAMPLES=... -DWORK=... -P CompareWithLinux.cmake

foreach(name LINUX_PSTOOL WINDOWS_PSTOOL WINE LINUX_SAMPLES WINDOWS_SAMPLES WORK)
  if(NOT ${name})
    message(FATAL_ERROR "${name} is not set")
  endif()
endforeach()

set(failures 0)
macro(fail text)
  message(SEND_ERROR "${text}")
  math(EXPR failures "${failures} + 1")
endmacro()

file(GLOB modules RELATIVE ${LINUX_SAMPLES} ${LINUX_SAMPLES}/*.rpm)
list(LENGTH modules module_count)
if(module_count LESS 13)
  message(FATAL_ERROR "only ${module_count} sample modules in ${LINUX_SAMPLES}")
endif()
foreach(module ${modules})
  file(SHA256 ${LINUX_SAMPLES}/${module} linux_sum)
  if(NOT EXISTS ${WINDOWS_SAMPLES}/${module})
    fail("make_examples.exe did not write ${module}")
    continue()
  endif()
  file(SHA256 ${WINDOWS_SAMPLES}/${module} windows_sum)
  if(NOT linux_sum STREQUAL windows_sum)
    fail("make_examples.exe wrote another ${module} than make_examples")
  endif()
endforeach()

# Each run: one line, its arguments separated by spaces, in a folder holding
# the Linux sample set. Every sample module is loaded, checked, printed,
# saved and exported; then the three generators and an upgrade. (A failure
# of the system, such as a missing file, is told in the system's own words,
# which differ between the two.)
set(runs)
foreach(module ${modules})
  list(APPEND runs "--keep-going --load ${module} --print --check --save out-${module} --export-trex out-${module}.trx --export-ini out-${module}.ini")
endforeach()
list(APPEND runs
  "--load script-royl-28.rpm --clear --module E6=module-E6.rpm --from-e6 --save e6.rpm --print"
  "--load script-royl-28.rpm --clear --module 1100=module-1100.rpm --from-ptm --save ptm.rpm --export-ini ptm.ini"
  "--load script-royl-28.rpm --clear --module 21=module-21.rpm --module 2000=module-2000.rpm --module 2020=module-2020.rpm --module 2030=module-2030.rpm --module 2050=module-2050.rpm --module 20C0=module-20C0.rpm --arco --save arco.rpm --export-trex arco.trx"
  "--load script-legacy32-28.rpm --upgrade --save upgraded.rpm --compare script-legacy32-28.rpm")

set(index 0)
foreach(run ${runs})
  math(EXPR index "${index} + 1")
  separate_arguments(args UNIX_COMMAND "${run}")
  foreach(side linux windows)
    set(folder ${WORK}/${index}/${side})
    file(REMOVE_RECURSE ${folder})
    file(MAKE_DIRECTORY ${folder})
    file(GLOB samples ${LINUX_SAMPLES}/*)
    file(COPY ${samples} DESTINATION ${folder})
    file(GLOB before RELATIVE ${folder} ${folder}/*)
    if(side STREQUAL "linux")
      set(command ${LINUX_PSTOOL})
    else()
      set(command ${WINE} ${WINDOWS_PSTOOL})
    endif()
    execute_process(COMMAND ${command} --catalogs . ${args}
      WORKING_DIRECTORY ${folder}
      RESULT_VARIABLE ${side}_status OUTPUT_VARIABLE ${side}_out ERROR_VARIABLE ${side}_err)
    file(GLOB after RELATIVE ${folder} ${folder}/*)
    list(REMOVE_ITEM after ${before})
    set(${side}_written ${after})
  endforeach()
  if(NOT "${linux_status}" STREQUAL "${windows_status}")
    fail("pstool ${run}: status ${linux_status} on Linux, ${windows_status} on Windows")
  endif()
  if(NOT "${linux_out}" STREQUAL "${windows_out}")
    fail("pstool ${run}: standard output differs (${WORK}/${index})")
  endif()
  if(NOT "${linux_err}" STREQUAL "${windows_err}")
    fail("pstool ${run}: standard error differs:\nLinux:   ${linux_err}\nWindows: ${windows_err}")
  endif()
  if(NOT "${linux_written}" STREQUAL "${windows_written}")
    fail("pstool ${run}: wrote ${linux_written} on Linux, ${windows_written} on Windows")
  endif()
  foreach(file ${linux_written})
    file(SHA256 ${WORK}/${index}/linux/${file} linux_sum)
    file(SHA256 ${WORK}/${index}/windows/${file} windows_sum)
    if(NOT linux_sum STREQUAL windows_sum)
      fail("pstool ${run}: ${file} differs (${WORK}/${index})")
    endif()
  endforeach()
endforeach()

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} differences between pstool.exe and the Linux pstool")
endif()
message(STATUS "${index} runs of pstool.exe agree byte for byte with the Linux pstool")
