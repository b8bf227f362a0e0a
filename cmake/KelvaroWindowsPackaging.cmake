# The Windows packages of kelvaro.exe: a portable zip (cpack -G ZIP) and an installer,
# kelvaro-<version>-x64.msi, that wixl builds with the program.
# Packaging builds only what it packs, not the tests.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME kelvaro)
set(CPACK_PACKAGE_VENDOR "The Kelvaro developers")
set(CPACK_PACKAGE_FILE_NAME kelvaro-${PROJECT_VERSION}-windows-x64)
include(CPack)

find_program(WIXL wixl)
if(NOT WIXL)
  message(STATUS "wixl not found: the msi is left out (Debian package wixl)")
  return()
endif()
# wixl takes its files by paths relative to the .wxs, so they are staged beside it.
set(stage ${PROJECT_BINARY_DIR}/msi)
set(icon ${PROJECT_SOURCE_DIR}/data/icons/${KELVARO_APP_ID}.ico)
configure_file(${PROJECT_SOURCE_DIR}/window/win32/kelvaro.wxs.in ${stage}/kelvaro.wxs @ONLY)
set(KELVARO_MSI ${PROJECT_BINARY_DIR}/kelvaro-${PROJECT_VERSION}-x64.msi)
add_custom_command(
  OUTPUT ${KELVARO_MSI}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:kelvaro> ${stage}/kelvaro.exe
  COMMAND ${CMAKE_COMMAND} -E copy ${icon} ${stage}/kelvaro.ico
  COMMAND ${WIXL} -a x64 -o ${KELVARO_MSI} kelvaro.wxs
  WORKING_DIRECTORY ${stage}
  DEPENDS kelvaro ${stage}/kelvaro.wxs ${icon}
  COMMENT "Building the installer kelvaro-${PROJECT_VERSION}-x64.msi")
add_custom_target(msi ALL DEPENDS ${KELVARO_MSI})
