# The host program also runs the add-in's session itself (its library-wide part and the COM
# server's object count) over hand-written host objects.
target_sources(${target} PRIVATE ${PROJECT_SOURCE_DIR}/win32/addin/server_module.cpp
                                 ${PROJECT_SOURCE_DIR}/win32/addin/session/addin_library.cpp
                                 ${PROJECT_SOURCE_DIR}/win32/addin/session/connection_session.cpp)
# The simulated IDE's automation objects, for the tests against a whole IDE.
target_link_libraries(${target} PRIVATE vbide_objects)
# Velmora.dll itself, found and registered as the COM server's tests do.
target_sources(${target} PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../com/com_test_support.cpp)
