# Installing the control for other programs, and the Debian packages.
#
#   cmake --install build --prefix P   libraries, headers, the CMake package
#                                      CandyButton and candybutton.pc, the
#                                      tools and the launcher under P
#   cd build && cpack                  candybutton (launcher, desktop entry,
#                                      icon), candybutton-dev, candybutton-tools
#
# The libraries are static and position dependent (the generated window
# procedures need every code address below 2 GiB), so the installed targets
# and the .pc file hand -fno-pie and -no-pie on to the programs that use them.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(candy_installed_libraries candybutton subclass platform_forms platform_display platform_win)
foreach(lib IN LISTS candy_installed_libraries)
  if(NOT lib STREQUAL "candybutton")
    # Installed beside other libraries, so under the control's name.
    set_target_properties(${lib} PROPERTIES OUTPUT_NAME candybutton_${lib})
  endif()
endforeach()
target_include_directories(platform_win INTERFACE $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)
target_compile_features(platform_win INTERFACE cxx_std_20)
target_compile_options(platform_win INTERFACE $<INSTALL_INTERFACE:-fno-pie>)
target_link_options(platform_win INTERFACE $<INSTALL_INTERFACE:-no-pie>)
# A program of one's own also needs a presenter to show its windows.
target_link_libraries(candybutton INTERFACE $<INSTALL_INTERFACE:CandyButton::platform_display>)

install(TARGETS ${candy_installed_libraries} EXPORT CandyButtonTargets
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT dev)

# Every header of the installed libraries, in its folder, so that each
# include of <candybutton/candybutton.h> resolves in the installed tree.
foreach(dir candybutton candybutton/painters subclass platform/forms platform/display
            platform/win/kernel platform/win/gdi platform/win/user platform/win/ole)
  file(GLOB headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/${dir}/*.h)
  install(FILES ${headers} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/${dir} COMPONENT dev)
endforeach()

set(candy_cmake_dir ${CMAKE_INSTALL_LIBDIR}/cmake/CandyButton)
install(EXPORT CandyButtonTargets NAMESPACE CandyButton:: DESTINATION ${candy_cmake_dir} COMPONENT dev)
configure_package_config_file(${CMAKE_SOURCE_DIR}/cmake/CandyButtonConfig.cmake.in
  ${CMAKE_BINARY_DIR}/CandyButtonConfig.cmake INSTALL_DESTINATION ${candy_cmake_dir})
write_basic_package_version_file(${CMAKE_BINARY_DIR}/CandyButtonConfigVersion.cmake
  VERSION ${PROJECT_VERSION} COMPATIBILITY SameMajorVersion)
install(FILES ${CMAKE_BINARY_DIR}/CandyButtonConfig.cmake ${CMAKE_BINARY_DIR}/CandyButtonConfigVersion.cmake
  DESTINATION ${candy_cmake_dir} COMPONENT dev)

set(candy_pc_dir ${CMAKE_INSTALL_LIBDIR}/pkgconfig)
file(RELATIVE_PATH CANDY_PC_TO_PREFIX /${candy_pc_dir} /)
string(REGEX REPLACE "/$" "" CANDY_PC_TO_PREFIX "${CANDY_PC_TO_PREFIX}")
configure_file(${CMAKE_SOURCE_DIR}/cmake/candybutton.pc.in ${CMAKE_BINARY_DIR}/candybutton.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/candybutton.pc DESTINATION ${candy_pc_dir} COMPONENT dev)

install(TARGETS candybutton-render RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT tools)
install(TARGETS brindlecovemediacenter RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT runtime)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/brindlecovemediacenter.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT runtime)
foreach(size 16 32)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/icons/brindlecovemediacenter-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME brindlecovemediacenter.png COMPONENT runtime)
endforeach()

# Debian packages: one per component, each with its copyright and changelog.
set(candy_deb_runtime candybutton)
set(candy_deb_dev candybutton-dev)
set(candy_deb_tools candybutton-tools)
set(candy_changelog ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(OUTPUT ${candy_changelog}
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
  COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/packaging/changelog > ${candy_changelog}
  DEPENDS ${CMAKE_SOURCE_DIR}/packaging/changelog VERBATIM)
add_custom_target(candy_changelog ALL DEPENDS ${candy_changelog})
foreach(component runtime dev tools)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${candy_changelog}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${candy_deb_${component}} COMPONENT ${component})
endforeach()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME candybutton)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Brindle Cove")
set(CPACK_PACKAGE_CONTACT "Brindle Cove team <team@brindlecove.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL runtime dev tools)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/brindlecovemediacenter")
set(CPACK_DEBIAN_RUNTIME_PACKAGE_NAME ${candy_deb_runtime})
set(CPACK_DEBIAN_RUNTIME_PACKAGE_SECTION video)
set(CPACK_COMPONENT_RUNTIME_DESCRIPTION "media-center launcher built on the CandyButton control
The front screen of a media-center launcher: a borderless window where a
logo and a box emblem slide in and out, revealing six category buttons
drawn by the CandyButton control. Comes with its desktop entry and icon.")
set(CPACK_DEBIAN_DEV_PACKAGE_NAME ${candy_deb_dev})
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS
  "libpng-dev, libfreetype-dev, libfontconfig-dev, libx11-dev, libxtst-dev, pkg-config | pkgconf")
set(CPACK_COMPONENT_DEV_DESCRIPTION "CandyButton owner-drawn button control (development files)
The CandyButton control with its message interception and the small
Windows-style platform it runs on, as static libraries, with headers, a
CMake package (find_package(CandyButton)) and a pkg-config module
(candybutton), including the window-free rendering API.")
set(CPACK_DEBIAN_TOOLS_PACKAGE_NAME ${candy_deb_tools})
set(CPACK_DEBIAN_TOOLS_PACKAGE_SECTION graphics)
set(CPACK_COMPONENT_TOOLS_DESCRIPTION "CandyButton tools: candybutton-render
candybutton-render draws one CandyButton in any style, state, size, colour
scheme, caption and picture to a PNG or PPM file, with its window region
as a PBM mask.")
# The Qt widget's packages, when it is built.
if(TARGET candybutton_qt)
  include(${CMAKE_SOURCE_DIR}/candybutton/qt/install.cmake)
endif()
include(CPack)
