# KVObj sources: Bitmap objects and the picture documents opened inside links.
target_include_directories(KVObj PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_sources(KVObj PRIVATE
)
