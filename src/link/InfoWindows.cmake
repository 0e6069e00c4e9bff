target_sources(zlgui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/InfoMsg.cpp ${CMAKE_CURRENT_LIST_DIR}/PassWord.cpp)
