# KVObj sources: The object model: objects, characters, object lists, documents, the memo stream.
target_include_directories(KVObj PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_sources(KVObj PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/KVObjChar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVObjDoc.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVObjDocView.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVObjList.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVObjPage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVObject.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVPaintPass.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVWaitCursor.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ObjectFactory.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SegReader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SegWriter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StreamHead.cpp
)
