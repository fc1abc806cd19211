# Installing libcandybutton-qt beside the control: the component qt of the
# CMake package CandyButton (CandyButton::qt), the pkg-config module
# candybutton-qt, and the Debian packages libcandybutton-qt1 (the shared
# library) and libcandybutton-qt-dev. Included from cmake/packaging.cmake,
# which defines candy_cmake_dir, candy_pc_dir, CANDY_PC_TO_PREFIX, the
# changelog and the control's own package names.
# The installed library finds libcandybutton.so.1 beside itself: a program
# built against a prefix names both in its own search path, but the loader
# looks for a library's dependencies with the library's.
set_target_properties(candybutton_qt PROPERTIES EXPORT_NAME qt INSTALL_RPATH "$ORIGIN")

get_target_property(candy_qt_type candybutton_qt TYPE)
set(candy_deb_qt_lib libcandybutton-qt${PROJECT_VERSION_MAJOR})
set(candy_deb_qt_dev libcandybutton-qt-dev)

install(TARGETS candybutton_qt EXPORT CandyButtonQtTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT qt_lib NAMELINK_COMPONENT qt_dev
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT qt_dev
  PUBLIC_HEADER DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/candybutton/qt COMPONENT qt_dev)
install(EXPORT CandyButtonQtTargets NAMESPACE CandyButton:: DESTINATION ${candy_cmake_dir} COMPONENT qt_dev)

# The widget's header needs only Qt's; the control comes in at link time
# (and with its own dependencies when everything is static).
if(candy_qt_type STREQUAL "SHARED_LIBRARY")
  set(CANDY_QT_PC_REQUIRES "Qt6Widgets")
  set(CANDY_QT_PC_REQUIRES_PRIVATE "candybutton")
else()
  set(CANDY_QT_PC_REQUIRES "Qt6Widgets candybutton")
  set(CANDY_QT_PC_REQUIRES_PRIVATE "")
endif()
configure_file(${CMAKE_SOURCE_DIR}/cmake/candybutton-qt.pc.in ${CMAKE_BINARY_DIR}/candybutton-qt.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/candybutton-qt.pc DESTINATION ${candy_pc_dir} COMPONENT qt_dev)

set(candy_qt_components qt_dev)
if(candy_qt_type STREQUAL "SHARED_LIBRARY")
  list(APPEND candy_qt_components qt_lib)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/lintian/${candy_deb_qt_lib}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides COMPONENT qt_lib)
endif()
foreach(component IN LISTS candy_qt_components)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${candy_changelog}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${candy_deb_${component}} COMPONENT ${component})
endforeach()
list(APPEND candy_components ${candy_qt_components})

candy_deb_shared_library(qt_lib libcandybutton-qt ${candy_deb_qt_lib})
# libcandybutton.so.1 is built beside it, not installed: dpkg-shlibdeps reads
# it from the build, and the dependency on its package is named here.
get_target_property(candy_lib_dir candybutton_public BINARY_DIR)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS_PRIVATE_DIRS ${candy_lib_dir})
set(CPACK_DEBIAN_QT_LIB_PACKAGE_DEPENDS "${candy_deb_lib} (>= ${PROJECT_VERSION})")
set(CPACK_COMPONENT_QT_LIB_DESCRIPTION "CandyButton owner-drawn button control for Qt 6
candy::QCandyButton, a QAbstractButton painted by the CandyButton
control's own painters in its eight styles, with hover, press, focus and
checked looks and a window mask for the rounded styles.")
set(CPACK_DEBIAN_QT_DEV_PACKAGE_NAME ${candy_deb_qt_dev})
set(CPACK_DEBIAN_QT_DEV_PACKAGE_SECTION libdevel)
set(candy_qt_dev_depends "${candy_deb_dev} (= ${PROJECT_VERSION}), qt6-base-dev")
if(candy_qt_type STREQUAL "SHARED_LIBRARY")
  string(PREPEND candy_qt_dev_depends "${candy_deb_qt_lib} (= ${PROJECT_VERSION}), ")
endif()
set(CPACK_DEBIAN_QT_DEV_PACKAGE_DEPENDS "${candy_qt_dev_depends}")
set(CPACK_COMPONENT_QT_DEV_DESCRIPTION "CandyButton owner-drawn button control for Qt 6 (development files)
candy::QCandyButton, a QAbstractButton painted by the CandyButton
control's own painters, with its header <candybutton/qt/qcandybutton.h>,
the component qt of the CMake package CandyButton and the pkg-config
module candybutton-qt.")
