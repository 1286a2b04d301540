# KVObj sources: Bitmap objects and the picture documents opened inside links.
target_include_directories(KVObj PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_sources(KVObj PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/FaultGuard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVDocBmap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVDocPlugin.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVObjBmap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/KVObjBmapDraw.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OffscreenBitmap.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ViewerRegistry.cpp
)
# Pictures are decoded by the platform's picture loader (OleLoadPicture).
target_link_libraries(KVObj PRIVATE ole32 oleaut32 uuid)
