# GoogleTest: the host build uses Debian's packaged libraries; the Windows build compiles
# the sources Debian installs under /usr/src/googletest with the cross compiler.
if(WIN32)
  set(GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
  if(NOT EXISTS ${GOOGLETEST_SOURCE_DIR}/CMakeLists.txt)
    message(FATAL_ERROR "GoogleTest sources not found in ${GOOGLETEST_SOURCE_DIR}; run tools/setup")
  endif()
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  add_subdirectory(${GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
  # The win32 thread model of the cross compiler (the one that imports nothing newer than the
  # oldest Windows the program starts on) has no std::mutex, on which GoogleTest builds the
  # Notification of its threading helpers; the project gives that class in its stead.
  target_compile_definitions(gtest PUBLIC GTEST_HAS_NOTIFICATION_=1)
  target_compile_options(gtest PUBLIC
    "SHELL:-include ${PROJECT_SOURCE_DIR}/tests/support/gtest_notification.h")
else()
  find_package(GTest REQUIRED)
endif()
include(GoogleTest)
