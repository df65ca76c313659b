# GoogleTest compiled from its sources with the same toolchain as the code under test: the
# distribution's source package in a cross build, or any GoogleTest source tree given as
# VELMORA_GOOGLETEST_SOURCE (a Windows machine without GoogleTest installed). Its own build
# defines the GTest:: names that find_package(GTest) gives.
set(VELMORA_GOOGLETEST_SOURCE "/usr/src/googletest" CACHE PATH "GoogleTest's source tree")
if(NOT EXISTS "${VELMORA_GOOGLETEST_SOURCE}/CMakeLists.txt")
    message(FATAL_ERROR "No GoogleTest sources at ${VELMORA_GOOGLETEST_SOURCE} (Debian package googletest)")
endif()
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory("${VELMORA_GOOGLETEST_SOURCE}" "${PROJECT_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL SYSTEM)
