# Installing the control for other programs, and the Debian packages.
#
#   cmake --install build --prefix P   libraries, headers, the CMake package
#                                      CandyButton and candybutton.pc, the
#                                      tools and the launcher under P
#   cd build && cpack                  the Debian packages, by Debian's names:
#                                      brindlecovemediacenter (launcher, desktop
#                                      entry, icons, man page), libcandybutton-dev,
#                                      candybutton-tools, libcandybutton1,
#                                      libcandybutton-qt1 and -dev when the Qt
#                                      widget is built, each with a -dbgsym
#                                      package of its debug symbols
#
# The library is position independent: programs that use it build with
# their toolchain's own defaults (PIE on Debian).
#
# Libraries go to the multiarch folder (lib/x86_64-linux-gnu) on Debian, for
# an install under any prefix, as the packages need; a build folder made
# before, holding GNUInstallDirs' plain "lib", moves over too.
if(CMAKE_LIBRARY_ARCHITECTURE AND (NOT DEFINED CMAKE_INSTALL_LIBDIR OR CMAKE_INSTALL_LIBDIR STREQUAL "lib"))
  set(CMAKE_INSTALL_LIBDIR lib/${CMAKE_LIBRARY_ARCHITECTURE} CACHE PATH "Object code libraries" FORCE)
endif()
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

# Installing and packaging take what was built (.ci/package.sh builds just the
# installed targets) instead of first building every test and benchmark.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)

# One library, libcandybutton (api/), with everything it needs bundled, and
# the public headers of include/candybutton/ only. The shared library's
# soname link and headers go with the development files; the library itself
# runs programs.
if(CANDYBUTTON_SHARED)
  install(TARGETS candybutton_public EXPORT CandyButtonTargets
    LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT lib NAMELINK_COMPONENT dev)
else()
  install(TARGETS candybutton_public EXPORT CandyButtonTargets
    ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT dev)
endif()
file(GLOB candy_public_headers CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/include/candybutton/*.h)
install(FILES ${candy_public_headers} DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/candybutton COMPONENT dev)

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
install(TARGETS brindlecovemediacenter RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR} COMPONENT launcher)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/brindlecovemediacenter.desktop
  DESTINATION ${CMAKE_INSTALL_DATADIR}/applications COMPONENT launcher)
foreach(size 16 32)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/icons/brindlecovemediacenter-${size}.png
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
    RENAME brindlecovemediacenter.png COMPONENT launcher)
endforeach()
install(FILES ${CMAKE_SOURCE_DIR}/packaging/icons/brindlecovemediacenter.svg
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps COMPONENT launcher)

# Debian packages: one per component, each with its copyright and changelog,
# and the man pages of the programs in them; all gzipped as Debian keeps them.
set(candy_deb_launcher brindlecovemediacenter)
set(candy_deb_dev libcandybutton-dev)
set(candy_deb_tools candybutton-tools)
set(candy_deb_lib libcandybutton1)
set(candy_components launcher dev tools)
if(CANDYBUTTON_SHARED)
  list(APPEND candy_components lib)
endif()
set(candy_gzipped)
foreach(file changelog man/brindlecovemediacenter.1 man/candybutton-render.1)
  set(out ${CMAKE_BINARY_DIR}/packaging/${file}.gz)
  get_filename_component(out_dir ${out} DIRECTORY)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${out_dir}
    COMMAND gzip -9n -c ${CMAKE_SOURCE_DIR}/packaging/${file} > ${out}
    DEPENDS ${CMAKE_SOURCE_DIR}/packaging/${file} VERBATIM)
  list(APPEND candy_gzipped ${out})
endforeach()
add_custom_target(candy_changelog ALL DEPENDS ${candy_gzipped})
set(candy_changelog ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
foreach(component IN LISTS candy_components)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${candy_changelog}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${candy_deb_${component}} COMPONENT ${component})
endforeach()
install(FILES ${CMAKE_BINARY_DIR}/packaging/man/brindlecovemediacenter.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT launcher)
install(FILES ${CMAKE_BINARY_DIR}/packaging/man/candybutton-render.1.gz
  DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT tools)
# lintian's overrides, each with its reason beside it.
if(CANDYBUTTON_SHARED)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/lintian/${candy_deb_lib}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides COMPONENT lib)
endif()

# The package of a shared library (component, library name as in its soname,
# package name): its shlibs entry, and the ldconfig trigger rather than
# maintainer scripts.
macro(candy_deb_shared_library component library package)
  string(TOUPPER ${component} candy_upper)
  set(candy_control ${CMAKE_BINARY_DIR}/packaging/${component})
  file(WRITE ${candy_control}/shlibs "${library} ${PROJECT_VERSION_MAJOR} ${package} (>= ${PROJECT_VERSION})\n")
  file(WRITE ${candy_control}/triggers "activate-noawait ldconfig\n")
  set(CPACK_DEBIAN_${candy_upper}_PACKAGE_CONTROL_EXTRA ${candy_control}/shlibs ${candy_control}/triggers)
  set(CPACK_DEBIAN_${candy_upper}_PACKAGE_CONTROL_STRICT_PERMISSION ON)
  set(CPACK_DEBIAN_${candy_upper}_PACKAGE_NAME ${package})
  set(CPACK_DEBIAN_${candy_upper}_PACKAGE_SECTION libs)
endmacro()

# The Qt widget's library and packages, when it is built.
if(TARGET candybutton_qt)
  include(${CMAKE_SOURCE_DIR}/cmake/packaging_qt.cmake)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME brindlecovemediacenter)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Brindle Cove")
set(CPACK_PACKAGE_CONTACT "Brindle Cove team <team@brindlecove.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Binaries stripped, their debug symbols in brindlecovemediacenter-dbgsym and
# the like (the build must carry them: RelWithDebInfo or Debug); CPack's own
# stripping would leave no symbols for those. Static libraries keep no debug
# sections.
set(CPACK_STRIP_FILES OFF)
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/strip_static_libraries.cmake)
set(CPACK_DEB_COMPONENT_INSTALL ON)
set(CPACK_COMPONENTS_ALL ${candy_components})
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
candy_deb_shared_library(lib libcandybutton ${candy_deb_lib})
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://example.org/brindlecovemediacenter")
set(CPACK_DEBIAN_LAUNCHER_PACKAGE_NAME ${candy_deb_launcher})
set(CPACK_DEBIAN_LAUNCHER_PACKAGE_SECTION video)
set(CPACK_COMPONENT_LAUNCHER_DESCRIPTION "media-center launcher built on the CandyButton control
The front screen of a media-center launcher: a borderless window where a
logo and a box emblem slide in and out, revealing six category buttons
drawn by the CandyButton control. Comes with its desktop entry and icons.")
set(CPACK_COMPONENT_LIB_DESCRIPTION "CandyButton owner-drawn button control (shared library)
The CandyButton control with its message interception and the small
Windows-style platform it runs on, as one shared library that exports only
the control's C++17 interface.")
set(CPACK_DEBIAN_DEV_PACKAGE_NAME ${candy_deb_dev})
set(CPACK_DEBIAN_DEV_PACKAGE_SECTION libdevel)
set(CPACK_DEBIAN_DEV_PACKAGE_DEPENDS
  "libpng-dev, libfreetype-dev, libfontconfig-dev, libx11-dev, libxtst-dev, pkg-config | pkgconf")
if(CANDYBUTTON_SHARED)
  string(APPEND CPACK_DEBIAN_DEV_PACKAGE_DEPENDS ", ${candy_deb_lib} (= ${PROJECT_VERSION})")
endif()
set(CPACK_COMPONENT_DEV_DESCRIPTION "CandyButton owner-drawn button control (development files)
The CandyButton control's C++17 interface: windows with CandyButtons and
labels, pictures, and the window-free rendering API, with the headers, a
CMake package (find_package(CandyButton)) and a pkg-config module
(candybutton) for libcandybutton.")
set(CPACK_DEBIAN_TOOLS_PACKAGE_NAME ${candy_deb_tools})
set(CPACK_DEBIAN_TOOLS_PACKAGE_SECTION graphics)
set(CPACK_COMPONENT_TOOLS_DESCRIPTION "CandyButton tools: candybutton-render
candybutton-render draws one CandyButton in any style, state, size, colour
scheme, caption and picture to a PNG or PPM file, with its window region
as a PBM mask.")
include(CPack)
