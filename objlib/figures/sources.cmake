# KVObj sources: Figure boxes and figure documents.
target_include_directories(KVObj PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_sources(KVObj PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/KVDocFig.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVDocFigPrint.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVObjFBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVObjFBoxDraw.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVObjFBoxEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVObjFBoxPaste.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVObjFBoxStream.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoKind.cpp
)
