# The simulated IDE's automation objects, for the tests against a whole IDE.
target_link_libraries(${target} PRIVATE vbide_objects)
# Velmora.dll itself, found and registered as the COM server's tests do, and called by name as
# the simulated IDE's tests call its objects.
target_sources(${target} PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../com/com_test_support.cpp
                                 ${CMAKE_CURRENT_LIST_DIR}/../vbide/automation_client.cpp)
