# The installer's codes, derived from the version and the architecture so that one version has
# one ProductCode and one package code: msiexec installs a version once, and takes a rebuilt
# package of it for the same package. `cmake -DVERSION=1.2.3 -DARCH=x64 -P
# cmake/KelvaroMsiCodes.cmake` prints "<ProductCode> <PackageCode> <ComponentGuid>".

# A namespace of Kelvaro's own for the name-based (SHA-1) UUIDs.
set(KELVARO_MSI_NAMESPACE 5c1f0b2e-7a43-4d0e-9b8f-2f61c3a9d7e4)

function(kelvaro_msi_codes version arch product_out package_out component_out)
  string(UUID product NAMESPACE ${KELVARO_MSI_NAMESPACE} NAME "product ${version} ${arch}"
         TYPE SHA1 UPPER)
  string(UUID package NAMESPACE ${KELVARO_MSI_NAMESPACE} NAME "package ${version} ${arch}"
         TYPE SHA1 UPPER)
  # The component is the same in every version of one architecture, as the installer wants.
  string(UUID component NAMESPACE ${KELVARO_MSI_NAMESPACE} NAME "kelvaro.exe ${arch}" TYPE SHA1
         UPPER)
  set(${product_out} ${product} PARENT_SCOPE)
  set(${package_out} ${package} PARENT_SCOPE)
  set(${component_out} ${component} PARENT_SCOPE)
endfunction()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  kelvaro_msi_codes(${VERSION} ${ARCH} product package component)
  execute_process(COMMAND ${CMAKE_COMMAND} -E echo "${product} ${package} ${component}")
endif()
