# KVObj sources: The text box and the text document.
target_include_directories(KVObj PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_sources(KVObj PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/KVDocText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVObjTBox.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVObjTBoxDraw.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVObjTBoxEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVObjTBoxFind.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVObjTBoxLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVObjTBoxLinks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVObjTBoxStream.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TextLines.cpp
)
