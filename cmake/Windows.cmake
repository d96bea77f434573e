# Where the Windows build differs from the Linux one; included by the top-level
# CMakeLists.txt when cross-compiling for Windows (scripts/build-windows). The
# sources are the same: SimSun is the face "宋体" names on a Chinese Windows
# (the substitution list in ui/AppSetup.cpp is for the systems without it), and
# Qt's windows plugin gives a fixed-size window no maximise box by itself.
#
# - Every program links the MinGW runtime statically (libstdc++, libgcc,
#   winpthreads), so one exe needs only Windows' own DLLs, and the build-time
#   tool (embed_icon) runs through Wine, CMake's cross-compiling emulator.
# - Unused functions and data are dropped (the sections come from the
#   toolchain file's -ffunction-sections -fdata-sections).
add_link_options(-static -Wl,--gc-sections)

# The engine tests' GoogleTest: Debian ships its sources, which build here for
# Windows; find_package(GTest) in tests/engine takes them without a download.
include(FetchContent)
FetchContent_Declare(GTest SOURCE_DIR /usr/src/googletest OVERRIDE_FIND_PACKAGE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)

find_program(ZORVANE_ICOTOOL icotool REQUIRED)

# zorvane.exe: a GUI program (no console), with the icon Explorer and the
# shortcuts show and a version resource; the packages take a stripped copy
# (windows/zorvane.exe) whose debug symbols lie in zorvane.exe.debug beside it
# (tied by a debug link).
function(zorvane_windows_program target)
  set(icons ${CMAKE_BINARY_DIR}/windows/icons)
  zorvane_render_icons(pictures ${icons} 16 20 24 32 40 48 64 128 256)
  # 32-bit pictures with alpha; the 256 px one stays PNG-compressed inside
  # the .ico, as Windows expects.
  list(POP_BACK pictures largest)
  add_custom_command(
    OUTPUT ${icons}/zorvane.ico
    COMMAND ${ZORVANE_ICOTOOL} --create --bit-depth=32 --output=${icons}/zorvane.ico ${pictures} --raw=${largest}
    DEPENDS ${pictures} ${largest}
    VERBATIM)
  add_custom_target(${target}_icon DEPENDS ${icons}/zorvane.ico)
  add_dependencies(${target} ${target}_icon)

  set(ZORVANE_ICO ${icons}/zorvane.ico)
  configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/zorvane.rc.in
                 ${CMAKE_BINARY_DIR}/windows/zorvane.rc @ONLY)
  set_source_files_properties(${CMAKE_BINARY_DIR}/windows/zorvane.rc TARGET_DIRECTORY ${target}
                              PROPERTIES OBJECT_DEPENDS ${icons}/zorvane.ico)
  target_sources(${target} PRIVATE ${CMAKE_BINARY_DIR}/windows/zorvane.rc)
  set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
  # The window draws its icon from compiled-in pixels and pins the Fusion
  # style: no image-format or style plugin is needed.
  qt_import_plugins(${target} EXCLUDE_BY_TYPE imageformats styles)
  # What the packages ship: the exe stripped, beside it its debug symbols.
  set(shipped ${CMAKE_BINARY_DIR}/windows/${target}.exe)
  add_custom_command(
    OUTPUT ${shipped} ${shipped}.debug
    COMMAND ${CMAKE_OBJCOPY} --only-keep-debug $<TARGET_FILE:${target}> ${shipped}.debug
    COMMAND ${CMAKE_OBJCOPY} --strip-all $<TARGET_FILE:${target}> ${shipped}
    COMMAND ${CMAKE_OBJCOPY} --add-gnu-debuglink=${target}.exe.debug ${shipped}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}/windows
    DEPENDS ${target}
    VERBATIM)
  add_custom_target(${target}_shipped ALL DEPENDS ${shipped} ${shipped}.debug)
endfunction()

# Runs once every folder is read, when the program and the tests exist.
function(zorvane_windows_finish)
  zorvane_windows_program(zorvane)
  # The window tests run on Qt's offscreen platform, which a static Qt links
  # only when asked.
  if(BUILD_TESTING)
    get_property(window_tests DIRECTORY ${CMAKE_SOURCE_DIR}/tests/ui PROPERTY BUILDSYSTEM_TARGETS)
    foreach(test IN LISTS window_tests)
      qt_import_plugins(${test} INCLUDE Qt6::QOffscreenIntegrationPlugin)
    endforeach()
  endif()
endfunction()
cmake_language(DEFER CALL zorvane_windows_finish)

# The start-up baseline of scripts/bench-startup, built by the same toolchain:
# a static Qt window of the calculator's size with one Chinese label.
add_executable(empty_window EXCLUDE_FROM_ALL ${CMAKE_SOURCE_DIR}/bench/startup/empty_window.cpp)
target_link_libraries(empty_window PRIVATE Qt6::Widgets)
set_target_properties(empty_window PROPERTIES WIN32_EXECUTABLE ON)

# What UI Automation, the interface of Windows screen readers, sees of the
# window and what its actions do: a probe for the checks under Wine.
if(BUILD_TESTING)
  add_executable(uia_probe ${CMAKE_SOURCE_DIR}/tests/e2e/uia_probe.cpp)
  target_link_libraries(uia_probe PRIVATE ole32 oleaut32 uuid)
endif()
