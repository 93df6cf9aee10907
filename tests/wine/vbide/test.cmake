# The simulated IDE's objects are linked in; the end-to-end tests run vbide-sim.exe from bin/.
target_link_libraries(${target} PRIVATE vbide_app)
if(TARGET vbide-sim)
  add_dependencies(${target} vbide-sim)
endif()
