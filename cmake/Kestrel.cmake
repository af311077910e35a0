# Build helpers shared by every folder.

if(KESTREL_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
  # Tests that sample thousands of cases take a smaller sample where every step costs more.
  add_compile_definitions(KESTREL_SANITIZED_BUILD)
endif()

if(KESTREL_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "The fuzz targets need clang (CXX=clang++)")
  endif()
  # Coverage for libFuzzer in every library; the fuzz executables link the fuzzer itself.
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_compile_options(-Wall -Wextra -Wpedantic)
endif()

# kestrel_add_library(NAME SOURCES... [LINKS targets...])
# A static library whose headers are included as "folder/header.h" from the repository root.
function(kestrel_add_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_LINKS})
  target_compile_definitions(${name} PRIVATE QT_NO_KEYWORDS)
endfunction()

# kestrel_add_test(NAME SOURCES... [LINKS targets...])
# One QTest executable per unit, run headless by CTest.
function(kestrel_add_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LINKS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  target_link_libraries(${name} PRIVATE kestrel_testsupport Qt6::Test ${ARG_LINKS})
  target_compile_definitions(${name} PRIVATE QT_NO_KEYWORDS)
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;KESTREL_APP_DIR=${KESTREL_APP_DIR}"
    TIMEOUT 300)
  # Tests read the application folder that the build lays out.
  add_dependencies(${name} kestrel_appfolder)
endfunction()

# kestrel_add_templates(FILES...)
# Report templates (.rpt) copied into the application folder.
function(kestrel_add_templates)
  foreach(file ${ARGN})
    get_filename_component(abs ${file} ABSOLUTE)
    get_filename_component(fname ${file} NAME)
    set_property(GLOBAL APPEND PROPERTY KESTREL_TEMPLATE_SOURCES ${abs})
  endforeach()
endfunction()

# kestrel_add_appfolder_targets(TARGETS...)
# Custom targets that produce other files of the application folder (databases, the
# background picture, the manual); the aggregate target kestrel_appfolder depends on them.
function(kestrel_add_appfolder_targets)
  set_property(GLOBAL APPEND PROPERTY KESTREL_APPFOLDER_TARGETS ${ARGN})
endfunction()

function(kestrel_finish_appfolder)
  get_property(templates GLOBAL PROPERTY KESTREL_TEMPLATE_SOURCES)
  set(copied "")
  foreach(src ${templates})
    get_filename_component(fname ${src} NAME)
    set(dst ${KESTREL_APP_DIR}/${fname})
    add_custom_command(OUTPUT ${dst}
      COMMAND ${CMAKE_COMMAND} -E copy_if_different ${src} ${dst}
      DEPENDS ${src} COMMENT "Report template ${fname}" VERBATIM)
    list(APPEND copied ${dst})
  endforeach()
  add_custom_target(kestrel_appfolder ALL DEPENDS ${copied})
  get_property(targets GLOBAL PROPERTY KESTREL_APPFOLDER_TARGETS)
  if(targets)
    add_dependencies(kestrel_appfolder ${targets})
  endif()
endfunction()
