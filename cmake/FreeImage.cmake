# snapwright::FreeImage, the image codec library.
#
# Windows: the static FreeImage that scripts/deps cross-builds with its codec libraries
# (zlib, libpng, libjpeg-turbo, libtiff), found under SNAPWRIGHT_DEPS_PREFIX, which defaults
# to the script's stable link for the target: <cache>/<triplet>/current.
# Linux host: Debian's libfreeimage-dev.

if(TARGET snapwright::FreeImage)
  return()
endif()

if(WIN32)
  if(NOT SNAPWRIGHT_TRIPLET)
    message(FATAL_ERROR "SNAPWRIGHT_TRIPLET is not set: configure with one of the toolchain files in cmake/")
  endif()
  if(DEFINED ENV{SNAPWRIGHT_DEPS_CACHE} AND NOT "$ENV{SNAPWRIGHT_DEPS_CACHE}" STREQUAL "")
    set(_snapwright_deps_cache "$ENV{SNAPWRIGHT_DEPS_CACHE}")
  else()
    set(_snapwright_deps_cache "$ENV{HOME}/.cache/snapwright-deps")
  endif()
  set(SNAPWRIGHT_DEPS_PREFIX "${_snapwright_deps_cache}/${SNAPWRIGHT_TRIPLET}/current"
    CACHE PATH "Prefix of FreeImage and its codec libraries cross-built by scripts/deps")
  unset(_snapwright_deps_cache)

  # In link order: each library before the ones it calls.
  set(_snapwright_freeimage_libs freeimage tiff png16 jpeg z)
  set(_snapwright_missing "")
  foreach(_lib IN LISTS _snapwright_freeimage_libs)
    if(NOT EXISTS "${SNAPWRIGHT_DEPS_PREFIX}/lib/lib${_lib}.a")
      list(APPEND _snapwright_missing "lib/lib${_lib}.a")
    endif()
  endforeach()
  if(NOT EXISTS "${SNAPWRIGHT_DEPS_PREFIX}/include/FreeImage.h")
    list(APPEND _snapwright_missing "include/FreeImage.h")
  endif()
  if(_snapwright_missing)
    message(FATAL_ERROR
      "FreeImage for ${SNAPWRIGHT_TRIPLET} is not built (missing under ${SNAPWRIGHT_DEPS_PREFIX}: "
      "${_snapwright_missing}). Run: scripts/deps ${SNAPWRIGHT_TRIPLET}")
  endif()

  foreach(_lib IN LISTS _snapwright_freeimage_libs)
    add_library(snapwright::deps::${_lib} STATIC IMPORTED)
    set_target_properties(snapwright::deps::${_lib} PROPERTIES
      IMPORTED_LOCATION "${SNAPWRIGHT_DEPS_PREFIX}/lib/lib${_lib}.a")
  endforeach()
  set_target_properties(snapwright::deps::freeimage PROPERTIES IMPORTED_LINK_INTERFACE_LANGUAGES CXX)
  target_link_libraries(snapwright::deps::freeimage INTERFACE snapwright::deps::tiff snapwright::deps::png16
    snapwright::deps::jpeg snapwright::deps::z)
  target_link_libraries(snapwright::deps::tiff INTERFACE snapwright::deps::jpeg snapwright::deps::z)
  target_link_libraries(snapwright::deps::png16 INTERFACE snapwright::deps::z)

  add_library(snapwright::FreeImage INTERFACE IMPORTED)
  # FREEIMAGE_LIB: the static library's declarations (no dllimport, no __stdcall).
  # FreeImage.h defines BYTE, WORD, DWORD ... itself unless windows.h came first
  # (which defines _WINDOWS_): include windows.h before FreeImage.h.
  # SYSTEM: its header is not ours to keep free of warnings.
  set_target_properties(snapwright::FreeImage PROPERTIES
    INTERFACE_COMPILE_DEFINITIONS FREEIMAGE_LIB
    INTERFACE_INCLUDE_DIRECTORIES "${SNAPWRIGHT_DEPS_PREFIX}/include"
    INTERFACE_SYSTEM_INCLUDE_DIRECTORIES "${SNAPWRIGHT_DEPS_PREFIX}/include"
    INTERFACE_LINK_LIBRARIES snapwright::deps::freeimage)
  unset(_lib)
  unset(_snapwright_missing)
  unset(_snapwright_freeimage_libs)
else()
  find_path(SNAPWRIGHT_FREEIMAGE_INCLUDE_DIR FreeImage.h)
  find_library(SNAPWRIGHT_FREEIMAGE_LIBRARY NAMES freeimage)
  if(NOT SNAPWRIGHT_FREEIMAGE_INCLUDE_DIR OR NOT SNAPWRIGHT_FREEIMAGE_LIBRARY)
    message(FATAL_ERROR "FreeImage not found: install Debian's libfreeimage-dev")
  endif()
  add_library(snapwright::FreeImage UNKNOWN IMPORTED)
  set_target_properties(snapwright::FreeImage PROPERTIES
    IMPORTED_LOCATION "${SNAPWRIGHT_FREEIMAGE_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${SNAPWRIGHT_FREEIMAGE_INCLUDE_DIR}"
    INTERFACE_SYSTEM_INCLUDE_DIRECTORIES "${SNAPWRIGHT_FREEIMAGE_INCLUDE_DIR}")
endif()
