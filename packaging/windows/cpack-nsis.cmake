# The installer and the ZIP: what Windows lists under installed programs and
# in the Start menu.
set(CPACK_PACKAGE_VENDOR "${MARELTO_COMPANY}")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Marelto)
set(CPACK_NSIS_PACKAGE_NAME Marelto)
set(CPACK_NSIS_DISPLAY_NAME Marelto)
set(CPACK_NSIS_PUBLISHER "${MARELTO_COMPANY}")
set(CPACK_NSIS_MUI_ICON ${MARELTO_WINDOWS_ICON})
set(CPACK_NSIS_MUI_UNIICON ${MARELTO_WINDOWS_ICON})
set(CPACK_NSIS_INSTALLED_ICON_NAME marelto.exe)
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_NSIS_URL_INFO_ABOUT "http://muster.example")
# A 64-bit installer: the program is 64-bit, and Debian's 64-bit Wine runs
# it, which could not run the 32-bit stub NSIS uses by default.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
set(CPACK_NSIS_MANIFEST_DPI_AWARE ON)
set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_FILE_NAME "Marelto-${PROJECT_VERSION}-win64")
# The installer remembers its folder under the company's key; the uninstaller
# of CPack's template removes the program's subkey only, which would leave an
# empty company key behind.
# Single quotes: CPack hands the text on without escaping double ones.
string(CONCAT CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS
  "DeleteRegKey SHCTX 'Software\\\\${MARELTO_COMPANY}\\\\Marelto'\n"
  "  DeleteRegKey /ifempty SHCTX 'Software\\\\${MARELTO_COMPANY}'")
