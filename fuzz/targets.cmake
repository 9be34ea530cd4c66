# The fuzz targets and what each needs, shared by the fuzz build (fuzz/CMakeLists.txt) and the
# replay of their corpora in the native tests (tests/fuzz_replay).
set(KRUGOLET_FUZZ_DIR ${CMAKE_CURRENT_LIST_DIR})
set(KRUGOLET_FUZZ_TARGETS fuzz_library fuzz_fields fuzz_format fuzz_print fuzz_calendar)

set(KRUGOLET_FUZZ_LIBS_fuzz_library krugolet_knowledge krugolet_calendar)
set(KRUGOLET_FUZZ_LIBS_fuzz_fields krugolet_checks krugolet_fuzz_support)
set(KRUGOLET_FUZZ_LIBS_fuzz_format krugolet_runtime)
set(KRUGOLET_FUZZ_LIBS_fuzz_print krugolet_print_recording)
set(KRUGOLET_FUZZ_LIBS_fuzz_calendar krugolet_checks krugolet_fuzz_support)

if(NOT TARGET krugolet_fuzz_support)
  # The tables with the shipped library file loaded, read from the source tree.
  add_library(krugolet_fuzz_support STATIC ${KRUGOLET_FUZZ_DIR}/shipped_library.cpp)
  target_link_libraries(krugolet_fuzz_support PUBLIC krugolet_knowledge)
  target_compile_definitions(krugolet_fuzz_support
    PRIVATE KRUGOLET_LIBRARY_FILE="${PROJECT_SOURCE_DIR}/data/библиотека.txt")
endif()
