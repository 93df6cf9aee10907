# The Windows programs are built for size: Velmora.dll lives in the IDE's process for the whole
# session. Every function and datum gets a section of its own, so that the linker can leave out
# what nothing reaches; optimised builds optimise for size. Static linking stays (see
# mingw-i686.cmake): the programs import system DLLs only.
add_compile_options(-ffunction-sections -fdata-sections $<$<CONFIG:Release>:-Os>)
add_link_options(-Wl,--gc-sections)
