# add_quillory_test(<name> SOURCES a.cpp ... LIBS lib ...)
# One executable and one CTest entry per test file group. Widget tests run offscreen;
# every test gets its own HOME, XDG and temporary folders so it never touches the user's
# settings or another test's files.
function(add_quillory_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  quillory_target_defaults(${name})
  set(home ${CMAKE_BINARY_DIR}/test-home/${name})
  # Own runtime and temporary folders: running-instance sockets and temporary files of one
  # test never meet those of another test running in parallel.
  file(MAKE_DIRECTORY ${home} ${home}/run ${home}/tmp)
  file(CHMOD ${home}/run DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;HOME=${home};XDG_CONFIG_HOME=${home}/.config;XDG_RUNTIME_DIR=${home}/run;TMPDIR=${home}/tmp;QUILLORY_SOURCE_DIR=${PROJECT_SOURCE_DIR};${T_ENV}"
    TIMEOUT 600)
endfunction()
