# The Debian package: `cpack -G DEB` in a build configured for /usr gives
# quorvane_<version>_<arch>.deb. Its Depends are what dpkg-shlibdeps finds
# the program linked against, plus the fonts the sheet is measured and
# painted with.

set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Wrenfield)
set(CPACK_PACKAGE_CONTACT "Wrenfield <support@wrenfield.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "turn prices and costs into a finished break-even workbook")
set(CPACK_PACKAGE_DESCRIPTION
  "Quorvane turns thirteen business figures (a name, the sales price and volume,
five variable costs per unit and five fixed costs per period) into a finished
break-even workbook: an Excel 97-2003 file with live formulas, formatting, two
pie charts, a line-chart sheet and a one-page print setup. Its input window
keeps every figure as it is typed; its preview shows the sheet with zoom and
scrolling before it is saved. The command quorvane generate makes the same
workbook without any window or display.")
set(CPACK_STRIP_FILES ON)

set(CPACK_GENERATOR DEB)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://wrenfield.example/quorvane)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS fonts-liberation)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
