# Shift-JIS text on disk: the program runs with Wine's Japanese locale (ANSI code page 932).
set_tests_properties(${target} PROPERTIES ENVIRONMENT LC_ALL=ja_JP.UTF-8)
