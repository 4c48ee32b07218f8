# Faults and hostile input against the real dialog and the real program.
tagrin_wine_test(robustness_changing_files_test RESOURCES ${CMAKE_CURRENT_LIST_DIR}/changing_files_test.cpp)

# The link tree is made with Unix symbolic links (Wine shows them as linked folders on drive Z:); beside it, a
# folder of names only Linux makes (a backslash, a colon, a double quote, a final dot or blank).
set(ROBUSTNESS_LINK_ROOT ${CMAKE_CURRENT_BINARY_DIR}/link-loop)
tagrin_wine_test(robustness_link_loop_test ${CMAKE_CURRENT_LIST_DIR}/link_loop_test.cpp)
target_compile_definitions(robustness_link_loop_test PRIVATE TAGRIN_LINK_LOOP_TREE="${ROBUSTNESS_LINK_ROOT}/tree"
                           TAGRIN_LINUX_NAMES="${ROBUSTNESS_LINK_ROOT}/names")
add_test(NAME ${TAGRIN_ARCH}/robustness_link_loop_setup COMMAND sh -c
    "rm -rf '${ROBUSTNESS_LINK_ROOT}' && mkdir -p '${ROBUSTNESS_LINK_ROOT}/tree/sub' '${ROBUSTNESS_LINK_ROOT}/outside' \
     && touch '${ROBUSTNESS_LINK_ROOT}/tree/top.txt' '${ROBUSTNESS_LINK_ROOT}/tree/sub/f.txt' \
              '${ROBUSTNESS_LINK_ROOT}/outside/outside.txt' \
     && ln -s .. '${ROBUSTNESS_LINK_ROOT}/tree/sub/up' && ln -s ../ '${ROBUSTNESS_LINK_ROOT}/tree/sub/up2' \
     && ln -s '${ROBUSTNESS_LINK_ROOT}/tree/sub' '${ROBUSTNESS_LINK_ROOT}/tree/sub/self' \
     && ln -s ../nowhere '${ROBUSTNESS_LINK_ROOT}/tree/gone' && ln -s ../outside '${ROBUSTNESS_LINK_ROOT}/tree/beside' \
     && mkdir -p '${ROBUSTNESS_LINK_ROOT}/names/album.' '${ROBUSTNESS_LINK_ROOT}/names/album' && cd '${ROBUSTNESS_LINK_ROOT}/names' \
     && touch abc. abc 'def ' def 'x\\..\\..\\victim.txt' a:b.txt 'q\"uote.txt' album./in.txt album/in.txt ../victim.txt")
add_test(NAME ${TAGRIN_ARCH}/robustness_link_loop_cleanup COMMAND rm -rf ${ROBUSTNESS_LINK_ROOT})
set_tests_properties(${TAGRIN_ARCH}/robustness_link_loop_setup PROPERTIES FIXTURES_SETUP link_loop_${TAGRIN_ARCH})
set_tests_properties(${TAGRIN_ARCH}/robustness_link_loop_cleanup PROPERTIES FIXTURES_CLEANUP link_loop_${TAGRIN_ARCH})
set_tests_properties(${TAGRIN_ARCH}/robustness_link_loop_test PROPERTIES FIXTURES_REQUIRED link_loop_${TAGRIN_ARCH})

tagrin_wine_test(robustness_hostile_store_test RESOURCES ${CMAKE_CURRENT_LIST_DIR}/hostile_store_test.cpp)
add_dependencies(robustness_hostile_store_test Tagrin)

tagrin_wine_test(robustness_command_line_test RESOURCES ${CMAKE_CURRENT_LIST_DIR}/command_line_test.cpp)

tagrin_wine_test(robustness_two_instances_test ${CMAKE_CURRENT_LIST_DIR}/two_instances_test.cpp)
add_dependencies(robustness_two_instances_test Tagrin)

tagrin_wine_test(robustness_read_only_store_test ${CMAKE_CURRENT_LIST_DIR}/read_only_store_test.cpp)
add_dependencies(robustness_read_only_store_test Tagrin)
