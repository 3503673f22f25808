# The main window's plain C++ parts, without Qt: the fuzz targets link them
# also when the windows are not built.
# The header repair and the raw descriptor reading it shares with the rename
# panel and the delete-field dialog.
add_library(header_repair STATIC ${CMAKE_CURRENT_LIST_DIR}/header_fields.cpp ${CMAKE_CURRENT_LIST_DIR}/header_repair.cpp)
target_include_directories(header_repair PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(header_repair PUBLIC dbf_engine)

# Grid cell texts read as the values a save stores.
add_library(cell_values STATIC ${CMAKE_CURRENT_LIST_DIR}/cell_values.cpp)
target_include_directories(cell_values PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(cell_values PUBLIC dbf_engine)
