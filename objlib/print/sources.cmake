# KVObj sources: Printing and the clipboard.
target_include_directories(KVObj PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_sources(KVObj PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/ClipboardFormats.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DroppedFiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVDocTextPrint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVObjDocClipboard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVObjDocPrint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PrintSetup.cpp
)
