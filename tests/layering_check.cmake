cmake_minimum_required(VERSION 3.20)
# Checks layering.cmake itself on a small tree: a tree that keeps the rules passes; a domain file
# of the model that includes a presentation header is refused, by name, whichever way the include
# is written. Run as: cmake -DLAYERING=<layering.cmake> -DWORK_DIR=<scratch folder> -P this file

set(tree "${WORK_DIR}/layering_tree")

function(check_tree expect_refusal expected_message)
  execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${tree} -P ${LAYERING}
    RESULT_VARIABLE status ERROR_VARIABLE message)
  if(expect_refusal AND status EQUAL 0)
    message(FATAL_ERROR "layering passed a tree in which ${expected_message}")
  endif()
  if(expect_refusal AND NOT message MATCHES "${expected_message}")
    message(FATAL_ERROR "layering refused without naming '${expected_message}':\n${message}")
  endif()
  if(NOT expect_refusal AND NOT status EQUAL 0)
    message(FATAL_ERROR "layering refused a tree that keeps its rules:\n${message}")
  endif()
endfunction()

file(REMOVE_RECURSE "${tree}")
foreach(folder engine model model/presentation ui/shell ui/input ui/results ui/survey cli)
  file(WRITE "${tree}/${folder}/part.h" "#pragma once\n")
endforeach()
# Presentation reads the domain, and the front ends read both.
file(WRITE "${tree}/model/presentation/words.h" "#include \"model/part.h\"\n")
file(WRITE "${tree}/cli/writer.cpp" "#include \"model/presentation/words.h\"\n")
check_tree(FALSE "")

foreach(include "presentation/words.h" "model/presentation/words.h")
  file(WRITE "${tree}/model/physics.cpp" "#include \"part.h\"\n#include \"${include}\"\n")
  check_tree(TRUE "model/physics.cpp includes ${include}")
endforeach()
file(REMOVE_RECURSE "${tree}")
