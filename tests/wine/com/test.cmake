# The host program's hand-written host objects stand in for the IDE's objects here too; the
# simulated IDE's automation objects are the whole IDE that Velmora.dll connects to.
target_sources(${target} PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../host/fake_dispatch.cpp)
target_link_libraries(${target} PRIVATE vbide_objects)
