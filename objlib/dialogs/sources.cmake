# KVObj sources: The property dialogs of links, pictures and documents, and their resources.
target_include_directories(KVObj PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_sources(KVObj PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/CFilePropDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CImagePropDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CLinkPropDlg.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVDocFigProperty.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVDocTextProperty.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVObjLinkProperty.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVObj.rc
)
# The file-open dialog of the browse button.
target_link_libraries(KVObj PRIVATE comdlg32)
