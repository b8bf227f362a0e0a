include(GoogleTest)

# kelvaro_add_test(<name> SOURCES <files...> LIBRARIES <targets...> [GUI] [RESOURCE_LOCK <lock>])
# A GoogleTest executable whose cases CTest discovers one by one. GUI tests run on Qt's offscreen
# platform so that no display is needed. Cases that hold RESOURCE_LOCK run one at a time.
function(kelvaro_add_test name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "GUI" "RESOURCE_LOCK" "SOURCES;LIBRARIES")
  add_executable(${name} ${arg_SOURCES})
  target_link_libraries(${name} PRIVATE ${arg_LIBRARIES} GTest::gtest kelvaro_options)
  set(environment "")
  if(arg_GUI)
    list(APPEND environment QT_QPA_PLATFORM=offscreen)
  else()
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
  endif()
  set(properties "") # an empty value would be dropped, and the next property taken for it
  if(environment)
    list(APPEND properties ENVIRONMENT "${environment}")
  endif()
  if(arg_RESOURCE_LOCK)
    list(APPEND properties RESOURCE_LOCK ${arg_RESOURCE_LOCK})
  endif()
  gtest_discover_tests(${name} NO_PRETTY_VALUES DISCOVERY_TIMEOUT 60 PROPERTIES ${properties})
endfunction()
