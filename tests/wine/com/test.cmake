# The hand-written host objects of the host program stand in for the IDE's objects here too.
target_sources(${target} PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../host/fake_dispatch.cpp)
