# The end-to-end tests run vbide-sim.exe from bin/ with Velmora.dll on the example project.
if(TARGET vbide-sim)
  add_dependencies(${target} vbide-sim)
endif()
target_compile_definitions(${target} PRIVATE VELMORA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
