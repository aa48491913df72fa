# Warnings for our own targets; PST_WERROR makes them errors (the test command
# sets it, so no warning lands).
function(pst_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow)
  if(PST_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()
