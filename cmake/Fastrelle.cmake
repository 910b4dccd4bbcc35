# Helpers shared by the build files: system libraries, modules and resource scripts.

# fastrelle_system_library(NAME DEPS...)
# A subsystem folder becomes one static library of every .cpp in it. Its symbols stay
# hidden, so each module that links it keeps its own private copy, as a DLL would.
function(fastrelle_system_library name)
  file(GLOB_RECURSE srcs CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  add_library(${name} STATIC ${srcs})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  set_target_properties(${name} PROPERTIES CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  # No unique symbols: they would keep a module mapped after the host unloads it (a GCC
  # flag; clang, which builds the fuzz targets, makes none).
  target_compile_options(${name} PRIVATE $<$<CXX_COMPILER_ID:GNU>:-fno-gnu-unique>)
  target_link_libraries(${name} PUBLIC ${ARGN})
endfunction()

# fastrelle_resources(TARGET RCFILE)
# Compiles a resource script into a C++ table linked into TARGET; the module registers it
# on the extension-module chain when it attaches.
function(fastrelle_resources target rcfile)
  get_filename_component(base ${rcfile} NAME_WE)
  set(out ${CMAKE_CURRENT_BINARY_DIR}/${base}_rc.cpp)
  add_custom_command(OUTPUT ${out}
    COMMAND zrc ${rcfile} ${out}
    DEPENDS zrc ${rcfile}
    COMMENT "Compiling resources ${base}.rc")
  target_sources(${target} PRIVATE ${out})
endfunction()

# fastrelle_module(NAME FILE_NAME SOURCES... LIBS ...)
# A deliverable: a shared object named as the host asks for it (FILE_NAME.zrx), laid into
# the install tree. Only its entry points are exported.
function(fastrelle_module name file_name)
  cmake_parse_arguments(M "" "" "SOURCES;LIBS" ${ARGN})
  add_library(${name} MODULE ${M_SOURCES})
  set_target_properties(${name} PROPERTIES
    PREFIX "" SUFFIX ".zrx" OUTPUT_NAME ${file_name}
    LIBRARY_OUTPUT_DIRECTORY ${FASTRELLE_INSTALL_DIR}
    CXX_VISIBILITY_PRESET hidden VISIBILITY_INLINES_HIDDEN ON)
  target_compile_options(${name} PRIVATE $<$<CXX_COMPILER_ID:GNU>:-fno-gnu-unique>)
  target_link_libraries(${name} PRIVATE ${M_LIBS} platform)
  target_link_options(${name} PRIVATE -Wl,--no-undefined -Wl,--exclude-libs,ALL)
  add_dependencies(fastrelle_install_data ${name})
endfunction()
