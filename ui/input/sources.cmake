# Sources of ui/input, added to kalvora_ui.
target_sources(kalvora_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/input_captions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/input_captions.h
  ${CMAKE_CURRENT_LIST_DIR}/input_form.cpp
  ${CMAKE_CURRENT_LIST_DIR}/input_form.h
  ${CMAKE_CURRENT_LIST_DIR}/loading.cpp
  ${CMAKE_CURRENT_LIST_DIR}/loading.h
  ${CMAKE_CURRENT_LIST_DIR}/register.cpp
  ${CMAKE_CURRENT_LIST_DIR}/register.h
)
