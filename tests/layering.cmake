cmake_minimum_required(VERSION 3.20)
# The folders depend one way: app -> ui/results, ui/input, ui/survey -> ui/shell -> model -> engine.
# Reads the #include lines of every source below each folder and fails on one that reaches up or
# across. Run as: cmake -DSOURCE_DIR=<repository> -P layering.cmake
#
# Each rule: a folder (with "!sub" a subfolder it leaves to a rule of its own), then the include
# prefixes it must not use ("<Q" is any Qt header). The model's domain files (the physics, the
# records, the evaluation) never reach into model/presentation, which shows them.
set(rules
  "engine|model/,ui/,app/,cli/,<Q"
  "model!presentation|presentation/,model/presentation/,ui/,app/,cli/,<Q"
  "model/presentation|ui/,app/,cli/,<Q"
  "ui/shell|ui/input/,ui/results/,ui/survey/,app/,cli/"
  "ui/input|ui/results/,ui/survey/,app/,cli/"
  "ui/results|ui/input/,ui/survey/,app/,cli/"
  "ui/survey|ui/input/,ui/results/,app/,cli/"
  "cli|ui/,app/,<Q")

set(faults "")
foreach(rule IN LISTS rules)
  string(REPLACE "|" ";" parts "${rule}")
  string(REPLACE "," ";" parts "${parts}")
  list(GET parts 0 folder)
  list(SUBLIST parts 1 -1 forbidden)
  set(excluded "")
  if(folder MATCHES "^(.*)!(.*)$")
    set(folder "${CMAKE_MATCH_1}")
    set(excluded "${SOURCE_DIR}/${CMAKE_MATCH_1}/${CMAKE_MATCH_2}/")
  endif()
  file(GLOB_RECURSE sources "${SOURCE_DIR}/${folder}/*.h" "${SOURCE_DIR}/${folder}/*.cpp")
  if(excluded)
    list(FILTER sources EXCLUDE REGEX "^${excluded}")
  endif()
  if(NOT sources)
    string(APPEND faults "\n  ${folder}: no sources found")
  endif()
  foreach(source IN LISTS sources)
    file(STRINGS "${source}" includes REGEX "^[ \t]*#[ \t]*include")
    foreach(line IN LISTS includes)
      string(REGEX REPLACE "^[ \t]*#[ \t]*include[ \t]*[\"<]?([^\">]*)[\">].*$" "\\1" target "${line}")
      if(line MATCHES "include[ \t]*<")
        set(target "<${target}")
      endif()
      foreach(prefix IN LISTS forbidden)
        string(FIND "${target}" "${prefix}" at)
        if(at EQUAL 0)
          file(RELATIVE_PATH shown "${SOURCE_DIR}" "${source}")
          string(APPEND faults "\n  ${shown} includes ${target}")
        endif()
      endforeach()
    endforeach()
  endforeach()
endforeach()

if(faults)
  message(FATAL_ERROR "Includes against the one-way dependencies:${faults}")
endif()
