# Sources of ui/results, added to kalvora_ui.
target_sources(kalvora_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/balance_panel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/balance_panel.h
  ${CMAKE_CURRENT_LIST_DIR}/hub.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hub.h
  ${CMAKE_CURRENT_LIST_DIR}/hub_captions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/hub_captions.h
  ${CMAKE_CURRENT_LIST_DIR}/input_summary.cpp
  ${CMAKE_CURRENT_LIST_DIR}/input_summary.h
  ${CMAKE_CURRENT_LIST_DIR}/method_views.h
  ${CMAKE_CURRENT_LIST_DIR}/register.cpp
  ${CMAKE_CURRENT_LIST_DIR}/register.h
  ${CMAKE_CURRENT_LIST_DIR}/summary.cpp
  ${CMAKE_CURRENT_LIST_DIR}/summary.h
  ${CMAKE_CURRENT_LIST_DIR}/summary_captions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/summary_captions.h
  ${CMAKE_CURRENT_LIST_DIR}/summary_lines.cpp
  ${CMAKE_CURRENT_LIST_DIR}/summary_lines.h
  ${CMAKE_CURRENT_LIST_DIR}/summary_rows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/summary_rows.h
)
