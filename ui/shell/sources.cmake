# Sources of ui/shell, added to kalvora_ui. Nothing here includes ui/input or ui/results.
target_sources(kalvora_ui PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/app_state.cpp
  ${CMAKE_CURRENT_LIST_DIR}/exit_confirmation.cpp
  ${CMAKE_CURRENT_LIST_DIR}/start_screen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/credits_splash.cpp
  ${CMAKE_CURRENT_LIST_DIR}/help_pages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/help_viewer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/input_captions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/link_cursor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/links.cpp
  ${CMAKE_CURRENT_LIST_DIR}/messages.cpp
  ${CMAKE_CURRENT_LIST_DIR}/number_format.cpp
  ${CMAKE_CURRENT_LIST_DIR}/picture_button.cpp
  ${CMAKE_CURRENT_LIST_DIR}/placement.cpp
  ${CMAKE_CURRENT_LIST_DIR}/qt_translations.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rating_light.cpp
  ${CMAKE_CURRENT_LIST_DIR}/scale_marker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shell_windows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/twips.cpp
  ${CMAKE_CURRENT_LIST_DIR}/value_area.cpp
  ${CMAKE_CURRENT_LIST_DIR}/view_picture_row.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_printing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/windows.cpp
)
