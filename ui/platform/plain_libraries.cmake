# The platform layer's plain C++ parts, without Qt: the raw view's model
# (and so the fuzz targets) needs them also when the windows are not built.
# Rewriting a file through a new file that takes its place; plain C++, shared
# with the raw view's model.
add_library(file_replace STATIC ${CMAKE_CURRENT_LIST_DIR}/file_replace.cpp)
target_include_directories(file_replace PUBLIC ${CMAKE_CURRENT_LIST_DIR})

# Integer text read from and written into cells, edit boxes and messages;
# plain C++, shared with the raw view's model.
add_library(int_text STATIC ${CMAKE_CURRENT_LIST_DIR}/int_text.cpp)
target_include_directories(int_text PUBLIC ${CMAKE_CURRENT_LIST_DIR})

# Writing a whole block to a file descriptor; plain C++, shared with the raw
# view's model.
add_library(write_all STATIC ${CMAKE_CURRENT_LIST_DIR}/write_all.cpp)
target_include_directories(write_all PUBLIC ${CMAKE_CURRENT_LIST_DIR})
