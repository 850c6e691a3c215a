# Sources of ui/results, added to kalvora_ui.
target_sources(kalvora_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/hub.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hub.h
  ${CMAKE_CURRENT_LIST_DIR}/hub_captions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hub_captions.h
  ${CMAKE_CURRENT_LIST_DIR}/input_summary.cpp
  ${CMAKE_CURRENT_LIST_DIR}/input_summary.h
  ${CMAKE_CURRENT_LIST_DIR}/register.cpp
  ${CMAKE_CURRENT_LIST_DIR}/register.h
  ${CMAKE_CURRENT_LIST_DIR}/report_captions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/report_captions.h
  ${CMAKE_CURRENT_LIST_DIR}/report_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/report_window.h
  ${CMAKE_CURRENT_LIST_DIR}/sweep_captions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sweep_captions.h
  ${CMAKE_CURRENT_LIST_DIR}/sweep_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sweep_window.h
)
