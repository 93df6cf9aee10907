# The services program: Wine's Japanese locale (ANSI code page 932) for the codec's round trips,
# and a version resource of its own for the library information.
set_tests_properties(${target} PROPERTIES ENVIRONMENT LC_ALL=ja_JP.UTF-8)
velmora_add_resources(${target} ${CMAKE_CURRENT_LIST_DIR}/services_test.rc)
