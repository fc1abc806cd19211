# Installing libcandybutton-qt beside the control: the component "qt" of the
# CMake package CandyButton, the pkg-config module candybutton-qt, and the
# Debian packages libcandybutton-qt1 (the shared library, when the control's
# libraries are shared) and libcandybutton-qt-dev. Included from
# cmake/packaging.cmake, which defines candy_cmake_dir, candy_pc_dir and the
# changelog.
set_target_properties(candybutton_qt PROPERTIES EXPORT_NAME qt)
target_include_directories(candybutton_qt INTERFACE $<INSTALL_INTERFACE:${CMAKE_INSTALL_INCLUDEDIR}>)

get_target_property(candy_qt_type candybutton_qt TYPE)
set(candy_deb_qt_runtime libcandybutton-qt${PROJECT_VERSION_MAJOR})
set(candy_deb_qt_dev libcandybutton-qt-dev)

install(TARGETS candybutton_qt EXPORT CandyButtonQtTargets
  LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT qt_runtime NAMELINK_COMPONENT qt_dev
  ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR} COMPONENT qt_dev
  PUBLIC_HEADER DESTINATION ${CMAKE_INSTALL_INCLUDEDIR}/candybutton/qt COMPONENT qt_dev)
install(EXPORT CandyButtonQtTargets NAMESPACE CandyButton:: DESTINATION ${candy_cmake_dir} COMPONENT qt_dev)

# The .pc file names the control's libraries itself rather than requiring
# candybutton, whose -fno-pie would undo the -fPIC that Qt asks of every
# program (Qt's own .pc files leave that flag to the program, as this one
# does).
if(candy_qt_type STREQUAL "SHARED_LIBRARY")
  set(CANDY_QT_PC_REQUIRES "Qt6Widgets")
  set(CANDY_QT_PC_REQUIRES_PRIVATE "candybutton")
  set(CANDY_QT_PC_LIBS "-L\${libdir} -lcandybutton-qt")
else()
  set(CANDY_QT_PC_REQUIRES "Qt6Widgets libpng freetype2 fontconfig x11 xtst")
  set(CANDY_QT_PC_REQUIRES_PRIVATE "")
  set(CANDY_QT_PC_LIBS "-no-pie -L\${libdir} -lcandybutton-qt")
  foreach(lib IN LISTS candy_installed_libraries)
    get_target_property(name ${lib} OUTPUT_NAME)
    if(NOT name)
      set(name ${lib})
    endif()
    string(APPEND CANDY_QT_PC_LIBS " -l${name}")
  endforeach()
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/candybutton-qt.pc.in ${CMAKE_BINARY_DIR}/candybutton-qt.pc @ONLY)
install(FILES ${CMAKE_BINARY_DIR}/candybutton-qt.pc DESTINATION ${candy_pc_dir} COMPONENT qt_dev)

set(candy_qt_components qt_dev)
if(candy_qt_type STREQUAL "SHARED_LIBRARY")
  list(APPEND candy_qt_components qt_runtime)
endif()
foreach(component IN LISTS candy_qt_components)
  install(FILES ${CMAKE_SOURCE_DIR}/packaging/copyright ${candy_changelog}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/${candy_deb_${component}} COMPONENT ${component})
endforeach()
list(APPEND CPACK_COMPONENTS_ALL ${candy_qt_components})

set(CPACK_DEBIAN_QT_RUNTIME_PACKAGE_NAME ${candy_deb_qt_runtime})
set(CPACK_DEBIAN_QT_RUNTIME_PACKAGE_SECTION libs)
set(CPACK_COMPONENT_QT_RUNTIME_DESCRIPTION "CandyButton owner-drawn button control for Qt 6
candy::QCandyButton, a QAbstractButton painted by the CandyButton
control's own painters in its eight styles, with hover, press, focus and
checked looks and a window mask for the rounded styles.")
set(CPACK_DEBIAN_QT_DEV_PACKAGE_NAME ${candy_deb_qt_dev})
set(CPACK_DEBIAN_QT_DEV_PACKAGE_SECTION libdevel)
set(candy_qt_dev_depends "${candy_deb_dev}, qt6-base-dev")
if(candy_qt_type STREQUAL "SHARED_LIBRARY")
  string(PREPEND candy_qt_dev_depends "${candy_deb_qt_runtime} (= ${PROJECT_VERSION}), ")
endif()
set(CPACK_DEBIAN_QT_DEV_PACKAGE_DEPENDS "${candy_qt_dev_depends}")
set(CPACK_COMPONENT_QT_DEV_DESCRIPTION "CandyButton owner-drawn button control for Qt 6 (development files)
candy::QCandyButton, a QAbstractButton painted by the CandyButton
control's own painters, with its header <candybutton/qt/qcandybutton.h>,
the component qt of the CMake package CandyButton and the pkg-config
module candybutton-qt.")
