# Warnings are errors in our own code, never in dependencies.
function(snapwright_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
  # GCC 12 reports -Wrestrict inside libstdc++'s own std::string copies at -O3 (GCC bug 105329):
  # a false alarm about the standard library, not about our code.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
endfunction()

# Windows programs are fully static: no DLLs beside the executable.
function(snapwright_static_windows target)
  target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++)
endfunction()

# The program itself: a GUI program with the Unicode entry point wWinMain.
function(snapwright_windows_executable target)
  snapwright_static_windows(${target})
  target_link_options(${target} PRIVATE -municode)
endfunction()
