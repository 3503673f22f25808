# The platform layer's plain C++ parts, without Qt: the raw view's model
# (and so the fuzz targets) needs them also when the windows are not built.
# Writing files so that a failure leaves no damaged file behind, through the
# file services a command is handed; plain C++, shared with the raw view's
# model.
add_library(safe_write STATIC ${CMAKE_CURRENT_LIST_DIR}/safe_write.cpp ${CMAKE_CURRENT_LIST_DIR}/file_services.cpp)
target_include_directories(safe_write PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(safe_write PUBLIC dbf_engine write_all file_checks)

# Integer text read from and written into cells, edit boxes and messages;
# plain C++, shared with the raw view's model.
add_library(int_text STATIC ${CMAKE_CURRENT_LIST_DIR}/int_text.cpp)
target_include_directories(int_text PUBLIC ${CMAKE_CURRENT_LIST_DIR})

# Writing a whole block to a file descriptor; plain C++, shared with the raw
# view's model.
add_library(write_all STATIC ${CMAKE_CURRENT_LIST_DIR}/write_all.cpp)
target_include_directories(write_all PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(write_all PUBLIC dbf_engine)

# A file's identity, size and modification time, to tell whether it is the
# file it was and unchanged; plain C++, shared with the raw view's model.
add_library(file_identity STATIC ${CMAKE_CURRENT_LIST_DIR}/file_identity.cpp)
target_include_directories(file_identity PUBLIC ${CMAKE_CURRENT_LIST_DIR})

# The tables as they were before the program changed them, for undoing the
# last change; plain C++.
add_library(table_versions STATIC ${CMAKE_CURRENT_LIST_DIR}/table_versions.cpp)
target_include_directories(table_versions PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(table_versions PUBLIC safe_write write_all file_identity file_checks)

# The characters of the single-byte code pages tables are written in; plain
# C++, shared with the office files.
add_library(code_points STATIC ${CMAKE_CURRENT_LIST_DIR}/code_points.cpp)
target_include_directories(code_points PUBLIC ${CMAKE_CURRENT_LIST_DIR})

# What a file must be before the program trusts it: its own folders (this
# user's alone), files read as tables or CSV (regular files only), and the
# names outputs are written under (no links); plain C++.
add_library(file_checks STATIC
  ${CMAKE_CURRENT_LIST_DIR}/output_name.cpp
  ${CMAKE_CURRENT_LIST_DIR}/own_folder.cpp
  ${CMAKE_CURRENT_LIST_DIR}/regular_file.cpp
)
target_include_directories(file_checks PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(file_checks PUBLIC dbf_engine)
