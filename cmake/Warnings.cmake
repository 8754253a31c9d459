# Warnings are errors in our own code, never in dependencies.
function(snapwright_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()

# Windows programs: Unicode entry point, fully static (no DLLs beside the executable).
function(snapwright_windows_executable target)
  target_link_options(${target} PRIVATE -municode -static -static-libgcc -static-libstdc++)
endfunction()
