# The hand-written host objects of the host program stand in for the IDE's objects here too, and
# the simulated IDE tests' automation client calls the connect object by name.
target_sources(${target} PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../host/fake_dispatch.cpp
                                 ${CMAKE_CURRENT_LIST_DIR}/../vbide/automation_client.cpp)
