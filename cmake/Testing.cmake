# GoogleTest in both builds: the system package natively, and built from the sources that
# Debian's googletest package ships for MinGW.
enable_testing()

if(WIN32)
  set(MTP_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources for the cross build")
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
  add_subdirectory(${MTP_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  set(MTP_GTEST_MAIN GTest::gtest_main)
  if(NOT TARGET GTest::gtest_main)
    add_library(GTest::gtest ALIAS gtest)
    add_library(GTest::gtest_main ALIAS gtest_main)
    add_library(GTest::gmock ALIAS gmock)
  endif()
else()
  find_package(GTest REQUIRED)
  include(GoogleTest)
endif()

# mtp_add_test(<name> SOURCES <files...> LIBS <targets...> [LABELS <labels...>] [ENV <VAR=value...>])
# Natively every test case becomes its own ctest entry. Under Wine a whole executable is one
# entry, since starting a Windows process costs far more than a test case.
function(mtp_add_test name)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;LABELS;ENV" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  if(WIN32)
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    set_tests_properties(${name} PROPERTIES LABELS "wine;${T_LABELS}" ENVIRONMENT "${T_ENV}")
  else()
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
      PROPERTIES LABELS "native;${T_LABELS}" ENVIRONMENT "${T_ENV}")
  endif()
endfunction()

# mtp_add_folder_tests(LIBS <targets...> [LABELS ...] [ENV ...]): every *_test.cpp in the folder
# becomes its own test program, named after the file.
function(mtp_add_folder_tests)
  cmake_parse_arguments(F "" "" "LIBS;LABELS;ENV" ${ARGN})
  file(GLOB tests CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  foreach(file IN LISTS tests)
    get_filename_component(name ${file} NAME_WE)
    mtp_add_test(${name} SOURCES ${file} LIBS ${F_LIBS} LABELS ${F_LABELS} ENV ${F_ENV})
  endforeach()
endfunction()
