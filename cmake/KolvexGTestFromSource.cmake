# GoogleTest built from the sources Debian ships in /usr/src/googletest, for builds that have no
# binary GoogleTest for their target (the mingw-w64 cross build). Included through
# -DCMAKE_PROJECT_TOP_LEVEL_INCLUDES; it answers find_package(GTest) without any download.
set(KOLVEX_GTEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources to build for the target")

macro(kolvex_provide_gtest method package_name)
    if("${package_name}" STREQUAL "GTest")
        include(FetchContent)
        set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
        set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
        FetchContent_Declare(googletest SOURCE_DIR ${KOLVEX_GTEST_SOURCE_DIR})
        FetchContent_MakeAvailable(googletest)
        set(GTest_FOUND TRUE)
    endif()
endmacro()

cmake_language(SET_DEPENDENCY_PROVIDER kolvex_provide_gtest SUPPORTED_METHODS FIND_PACKAGE)
