# Registers the short fuzzing run with the game's tests (included from tests/CMakeLists.txt
# with VIRDO_FULL_TESTS).
# It builds its own clang tree, fuzz-clang, in the build folder; a first build takes about a
# minute, then each target fuzzes for 20 seconds, both at once.
add_test(NAME fuzz_short_run
    COMMAND bash "${PROJECT_SOURCE_DIR}/tests/fuzz-short-run" 20 "${CMAKE_BINARY_DIR}/fuzz-clang")
set_tests_properties(fuzz_short_run PROPERTIES
    LABELS fuzz
    TIMEOUT 300
    SKIP_RETURN_CODE 77
    # It takes both cores: timings measured by other tests would suffer beside it.
    RUN_SERIAL TRUE)
