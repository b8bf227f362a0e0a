# The Windows packages of kelvaro.exe for one architecture (KELVARO_WINDOWS_ARCH, x64 or x86): a
# portable zip (cpack -G ZIP) and an installer, kelvaro-<version>-<arch>.msi; and the checks that
# the program loads on Windows 7 SP1 and later, which need no Windows to run.
# Packaging builds only what it packs, not the tests.
set(CMAKE_SKIP_INSTALL_ALL_DEPENDENCY ON)
set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME kelvaro)
set(CPACK_PACKAGE_VENDOR "The Kelvaro developers")
set(CPACK_PACKAGE_FILE_NAME kelvaro-${PROJECT_VERSION}-windows-${KELVARO_WINDOWS_ARCH})
include(CPack)

enable_testing()
# Every import is one that Windows 7 SP1 has; the header says Windows GUI, 7 or older.
add_test(NAME Windows7.kelvaro.exe
         COMMAND bash ${PROJECT_SOURCE_DIR}/tests/packaging/check_pe.sh $<TARGET_FILE:kelvaro>
                 ${KELVARO_WINDOWS_ARCH} ${PROJECT_SOURCE_DIR}/views/win32/windows7-imports.txt)

find_program(WIXL wixl)
find_program(MSIBUILD msibuild)
if(NOT WIXL OR NOT MSIBUILD)
  message(STATUS "wixl or msibuild not found: the msi is left out (Debian packages wixl, msitools)")
  return()
endif()
# wixl takes its files by paths relative to the .wxs, so they are staged beside it.
set(stage ${PROJECT_BINARY_DIR}/msi)
set(icon ${PROJECT_SOURCE_DIR}/data/icons/${KELVARO_APP_ID}.ico)
set(wxs ${PROJECT_SOURCE_DIR}/views/win32/kelvaro.wxs)
set(KELVARO_MSI ${PROJECT_BINARY_DIR}/kelvaro-${PROJECT_VERSION}-${KELVARO_WINDOWS_ARCH}.msi)
add_custom_command(
  OUTPUT ${KELVARO_MSI}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:kelvaro> ${stage}/kelvaro.exe
  COMMAND ${CMAKE_COMMAND} -E copy ${icon} ${stage}/kelvaro.ico
  COMMAND ${CMAKE_COMMAND} -E copy ${wxs} ${stage}/kelvaro.wxs
  COMMAND bash ${PROJECT_SOURCE_DIR}/scripts/make-msi.sh ${stage} ${PROJECT_VERSION}
          ${KELVARO_WINDOWS_ARCH} ${KELVARO_MSI}
  DEPENDS kelvaro ${wxs} ${icon} ${PROJECT_SOURCE_DIR}/scripts/make-msi.sh
          ${PROJECT_SOURCE_DIR}/cmake/KelvaroMsiCodes.cmake
  COMMENT "Building the installer kelvaro-${PROJECT_VERSION}-${KELVARO_WINDOWS_ARCH}.msi")
add_custom_target(msi ALL DEPENDS ${KELVARO_MSI})

# Signing, as scripts/package.sh does it, with a throwaway certificate.
find_program(OSSLSIGNCODE osslsigncode)
if(OSSLSIGNCODE)
  add_test(NAME Sign.exe-and-msi
           COMMAND bash ${PROJECT_SOURCE_DIR}/tests/packaging/check_signing.sh ${PROJECT_SOURCE_DIR}
                   $<TARGET_FILE:kelvaro> ${KELVARO_MSI})
else()
  message(STATUS "osslsigncode not found: the signing test is left out (Debian package osslsigncode)")
endif()

# Nothing here can run a 32-bit program, but Wine installs its msi, into Program Files (x86).
if(KELVARO_WINDOWS_ARCH STREQUAL x86)
  add_test(NAME Install.msi
           COMMAND bash ${PROJECT_SOURCE_DIR}/tests/packaging/check_msi.sh ${PROJECT_SOURCE_DIR}
                   ${PROJECT_BINARY_DIR} ${KELVARO_MSI} ${PROJECT_VERSION} x86 -)
endif()
