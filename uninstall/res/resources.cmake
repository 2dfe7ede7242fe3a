# The program's resources (dialogs, strings, icons, manifest, version) linked
# into a target: the program itself and the tests that create its dialogs.
function(zk_add_uninstall_resources target)
  if(CMAKE_SYSTEM_PROCESSOR STREQUAL "x86")
    set(ZK_MANIFEST_ARCH x86)
  else()
    set(ZK_MANIFEST_ARCH amd64)
  endif()
  set(out ${CMAKE_BINARY_DIR}/uninstall/res)
  configure_file(${CMAKE_SOURCE_DIR}/uninstall/res/uninstall.manifest.in ${out}/uninstall.manifest @ONLY)
  target_sources(${target} PRIVATE ${CMAKE_SOURCE_DIR}/uninstall/res/uninstall.rc)
  # windres looks for the manifest and the icons along the include path.
  target_include_directories(${target} PRIVATE ${out} ${CMAKE_SOURCE_DIR}/uninstall/res)
  set_property(SOURCE ${CMAKE_SOURCE_DIR}/uninstall/res/uninstall.rc APPEND PROPERTY OBJECT_DEPENDS
               ${out}/uninstall.manifest ${CMAKE_SOURCE_DIR}/uninstall/res/delete.ico
               ${CMAKE_SOURCE_DIR}/uninstall/res/zelkova.ico)
endfunction()
