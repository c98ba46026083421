# Installation: the DLL in bin/, its import library in lib/, the header in
# include/ and a CMake package in lib/cmake/QelBox. The two architectures
# are built in two build trees and can be installed into one prefix: their
# files have different names (qelbox32/qelbox64), each tree installs the
# imported target of its architecture in its own file, and the shared
# package configuration includes the file that matches the consumer.
include(GNUInstallDirs)
include(CMakePackageConfigHelpers)

set(QELBOX_CMAKE_DIR ${CMAKE_INSTALL_LIBDIR}/cmake/QelBox)

install(TARGETS qelbox EXPORT QelBoxTargets${QELBOX_BITS}
        RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR}
        LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}
        ARCHIVE DESTINATION ${CMAKE_INSTALL_LIBDIR})
install(FILES ${PROJECT_SOURCE_DIR}/include/qelbox.h DESTINATION ${CMAKE_INSTALL_INCLUDEDIR})
install(EXPORT QelBoxTargets${QELBOX_BITS} NAMESPACE QelBox::
        DESTINATION ${QELBOX_CMAKE_DIR})

configure_package_config_file(${PROJECT_SOURCE_DIR}/cmake/QelBoxConfig.cmake.in
                              ${PROJECT_BINARY_DIR}/QelBoxConfig.cmake
                              INSTALL_DESTINATION ${QELBOX_CMAKE_DIR})
# The version file does not compare pointer sizes: the configuration itself
# picks the architecture and says when the consumer's is not installed.
write_basic_package_version_file(${PROJECT_BINARY_DIR}/QelBoxConfigVersion.cmake
                                 VERSION ${PROJECT_VERSION}
                                 COMPATIBILITY SameMajorVersion ARCH_INDEPENDENT)
install(FILES ${PROJECT_BINARY_DIR}/QelBoxConfig.cmake
              ${PROJECT_BINARY_DIR}/QelBoxConfigVersion.cmake
        DESTINATION ${QELBOX_CMAKE_DIR})
