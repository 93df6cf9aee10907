# The other program of the tests that hold Velmora.ini open while OK writes it.
add_executable(file-holder ${CMAKE_CURRENT_LIST_DIR}/file_holder/file_holder.cpp)
add_dependencies(${target} file-holder)
