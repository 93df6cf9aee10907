# The simulated IDE's objects and program parts are linked in; the end-to-end tests run
# vbide-sim.exe from bin/, with a small add-in of their own (ProbeAddin.dll) and with Velmora.dll.
target_link_libraries(${target} PRIVATE vbide_app)
if(TARGET vbide-sim)
  add_dependencies(${target} vbide-sim)
endif()

file(GLOB probe_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/probe_addin/*.cpp)
add_library(ProbeAddin MODULE ${probe_sources} ${CMAKE_CURRENT_LIST_DIR}/probe_addin/probe_addin.def)
set_target_properties(ProbeAddin PROPERTIES PREFIX "" OUTPUT_NAME ProbeAddin SUFFIX .dll
                                            LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
target_compile_definitions(ProbeAddin PRIVATE UNICODE _UNICODE NOMINMAX)
target_compile_options(ProbeAddin PRIVATE -Wno-non-virtual-dtor)
target_link_options(ProbeAddin PRIVATE -Wl,--enable-stdcall-fixup)
target_link_libraries(ProbeAddin PRIVATE user32 ole32 oleaut32 uuid)
add_dependencies(${target} ProbeAddin)
target_compile_definitions(${target} PRIVATE VELMORA_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
# Hand-written event sinks, as the host program's tests make them.
target_sources(${target} PRIVATE ${CMAKE_CURRENT_LIST_DIR}/../host/fake_dispatch.cpp)
