# Fails when a source breaks the layers: each folder of src includes only
# from its own folder and from lower layers, never from a sibling, and only
# src/ui and src/app include Qt (the logic, the CLI and the report stay
# usable without it). The layers, lowest first:
#   core < backlash, strength, output, design, rating < report < commands < ui, cli < app
# Run as a test:
#   cmake -DSOURCE_DIR=<checkout> -P cmake/check_layers.cmake
set(rank_core 0)
set(rank_backlash 1)
set(rank_strength 1)
set(rank_output 1)
set(rank_design 1)
set(rank_rating 1)
set(rank_report 2)
set(rank_commands 3)
set(rank_ui 4)
set(rank_cli 4)
set(rank_app 5)

file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
     ${SOURCE_DIR}/src/*.h ${SOURCE_DIR}/src/*.cpp ${SOURCE_DIR}/src/*.in)
set(offenders "")
foreach(f IN LISTS sources)
  string(REGEX REPLACE "^src/([^/]+)/.*" "\\1" layer "${f}")
  if(NOT DEFINED rank_${layer})
    list(APPEND offenders "${f}: in a folder that is no layer")
    continue()
  endif()
  if(NOT layer MATCHES "^(ui|app)$")
    file(STRINGS ${SOURCE_DIR}/${f} hits REGEX "^[ \t]*#[ \t]*include[ \t]*<Q[A-Za-z]")
    if(hits)
      list(APPEND offenders "${f}: Qt outside src/ui and src/app: ${hits}")
    endif()
  endif()
  file(STRINGS ${SOURCE_DIR}/${f} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^/\"]+/")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*\"([^/\"]+)/.*" "\\1" used "${line}")
    if(used STREQUAL layer OR NOT DEFINED rank_${used})
      continue()
    endif()
    if(NOT rank_${used} LESS rank_${layer})
      list(APPEND offenders "${f}: ${layer} includes ${used}: ${line}")
    endif()
  endforeach()
endforeach()
if(offenders)
  list(JOIN offenders "\n  " text)
  message(FATAL_ERROR "The layers are broken:\n  ${text}")
endif()
