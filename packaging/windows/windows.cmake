# Windows: marelto.exe as a GUI-subsystem program with its icon and version
# resource, installed beside the Qt and MinGW run-time files it loads.
set(MARELTO_COMPANY "Muster Aquaristik GmbH")
set(MARELTO_WINDOWS_DESCRIPTION "Marelto - Salz-, Magnesium- und Calciumrechner")
set(MARELTO_WINDOWS_ICON ${CMAKE_CURRENT_LIST_DIR}/marelto.ico)

set_target_properties(marelto PROPERTIES WIN32_EXECUTABLE ON)
configure_file(${CMAKE_CURRENT_LIST_DIR}/marelto.rc.in ${CMAKE_CURRENT_BINARY_DIR}/marelto.rc @ONLY)
target_sources(marelto PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/marelto.rc)

# Everything lies in the installation folder itself: Windows finds a
# program's DLLs beside it, and Qt its plug-ins in folders beside it.
install(TARGETS marelto RUNTIME DESTINATION .)

if(CMAKE_CROSSCOMPILING)
  find_package(Qt6 REQUIRED COMPONENTS Widgets)
  # Qt's deployment tool does not run on a Linux host: the files are named
  # here. The Qt libraries are LGPL and ship as the DLLs they were built as.
  install(FILES $<TARGET_FILE:Qt6::Core> $<TARGET_FILE:Qt6::Gui> $<TARGET_FILE:Qt6::Widgets>
          DESTINATION .)
  install(FILES $<TARGET_FILE:Qt6::QWindowsIntegrationPlugin> DESTINATION platforms)
  install(FILES $<TARGET_FILE:Qt6::QWindowsVistaStylePlugin> DESTINATION styles)
  # The MinGW run-time libraries that the program and Qt both link.
  foreach(dll IN ITEMS libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
                    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(NOT IS_ABSOLUTE "${path}")
      find_file(path ${dll} PATHS /usr/x86_64-w64-mingw32/lib NO_DEFAULT_PATH NO_CACHE REQUIRED)
    endif()
    install(FILES ${path} DESTINATION .)
  endforeach()
elseif(COMMAND qt_generate_deploy_app_script)
  # Natively on Windows Qt's own deployment copies what the program loads.
  # Qt 6.5 renamed the argument that receives the script's name.
  if(Qt6_VERSION VERSION_LESS 6.5)
    qt_generate_deploy_app_script(TARGET marelto FILENAME_VARIABLE marelto_deploy
                                  NO_UNSUPPORTED_PLATFORM_ERROR)
  else()
    qt_generate_deploy_app_script(TARGET marelto OUTPUT_SCRIPT marelto_deploy
                                  NO_UNSUPPORTED_PLATFORM_ERROR)
  endif()
  install(SCRIPT ${marelto_deploy})
endif()
