# kolvex_add_test(<name> SOURCES <files...> LIBS <libraries...> [ENV <VAR=value...>])
# One executable per test file group, linked against the library under test, never its sources.
include(GoogleTest)
function(kolvex_add_test name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS;ENV;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main kolvex_options)
    target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
    gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60 PROPERTIES ENVIRONMENT "${ARG_ENV}" LABELS "${ARG_LABELS}")
endfunction()

# The regional settings a test runs under again, each with the decimal separator it has; C and one
# that is not installed among them. scripts/install-deps.sh generates the installed ones.
set(KOLVEX_TEST_LOCALES "en_US.UTF-8|." "de_DE.UTF-8|," "fr_FR.UTF-8|," "zh_TW.UTF-8|." "C|." "xx_XX.UTF-8|.")

# kolvex_add_locale_tests(<name prefix> COMMAND <command...> [ENV <VAR=value...>] [LABELS <labels...>])
# One test per regional setting, named <prefix><locale>, with LC_ALL, LANG and
# KOLVEX_EXPECT_DECIMAL_POINT set for it.
function(kolvex_add_locale_tests prefix)
    cmake_parse_arguments(ARG "" "" "COMMAND;ENV;LABELS" ${ARGN})
    foreach(setting IN LISTS KOLVEX_TEST_LOCALES)
        string(REPLACE "|" ";" parts "${setting}")
        list(GET parts 0 locale)
        list(GET parts 1 point)
        set(env ${ARG_ENV} LC_ALL=${locale} LANG=${locale} KOLVEX_EXPECT_DECIMAL_POINT=${point})
        add_test(NAME ${prefix}${locale} COMMAND ${ARG_COMMAND})
        set_tests_properties(${prefix}${locale} PROPERTIES LABELS "${ARG_LABELS}" ENVIRONMENT "${env}")
    endforeach()
endfunction()
