# KVObj sources: Files, paths and links.
target_include_directories(KVObj PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_sources(KVObj PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/DiskFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FileIcons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVFile.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVFileIO.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVFilePaths.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVObjLink.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVObjLinkDraw.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVObjLinkStream.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoChain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MemoHead.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SaveTempFiles.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SameFile.cpp
)
