# Fails when a source outside src/ui and src/app includes Qt: the logic, the
# CLI and the report stay usable without it. Run as a test:
#   cmake -DSOURCE_DIR=<checkout> -P cmake/check_qt_includes.cmake
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
     ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.in)
set(offenders "")
foreach(f IN LISTS sources)
  if(f MATCHES "^src/(ui|app)/")
    continue()
  endif()
  file(STRINGS ${SOURCE_DIR}/${f} hits REGEX "^[ \t]*#[ \t]*include[ \t]*<Q[A-Za-z]")
  if(hits)
    list(APPEND offenders "${f}: ${hits}")
  endif()
endforeach()
if(offenders)
  list(JOIN offenders "\n  " text)
  message(FATAL_ERROR "Qt is included outside src/ui and src/app:\n  ${text}")
endif()
