# The other program of the tests that hold Velmora.ini open while OK writes it.
add_executable(file-holder ${CMAKE_CURRENT_LIST_DIR}/file_holder/file_holder.cpp)
target_compile_definitions(file-holder PRIVATE UNICODE _UNICODE)
target_link_options(file-holder PRIVATE -municode)
add_dependencies(${target} file-holder)
