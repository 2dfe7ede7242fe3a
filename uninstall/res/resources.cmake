# The program's resources (dialogs, strings, icons, manifest, version) linked
# into a target: the program itself and the tests that create its dialogs.
function(zk_add_uninstall_resources target)
  set(rc ${CMAKE_SOURCE_DIR}/uninstall/res/uninstall.rc)
  target_sources(${target} PRIVATE ${rc})
  # Every mode writes or removes machine-wide entries, or is started by one
  # that does: current Windows must start it with administrator rights.
  zk_manifest(${target} RC ${rc} FILE uninstall.manifest NAME Zelkova.Uninstall
              LEVEL requireAdministrator DESCRIPTION "Zelkova setup and uninstall")
  # windres looks for the icons along the include path.
  target_include_directories(${target} PRIVATE ${CMAKE_SOURCE_DIR}/uninstall/res)
  set_property(SOURCE ${rc} APPEND PROPERTY OBJECT_DEPENDS
               ${CMAKE_SOURCE_DIR}/uninstall/res/delete.ico ${CMAKE_SOURCE_DIR}/uninstall/res/zelkova.ico)
endfunction()
