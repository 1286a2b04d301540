# KVObj sources: The property dialogs of links, pictures and documents, and their resources.
target_include_directories(KVObj PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_sources(KVObj PRIVATE
)
