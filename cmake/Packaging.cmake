# Installation and the Debian package.
#
#   cmake --install build --prefix /usr/local
#   cpack --config build/CPackConfig.cmake      (a .deb in the build folder)
#
# Installed layout: the two programs in bin/, the application folder (templates, picture,
# manual, delivered databases, read-only) in share/kestrel2019/, the desktop entry, the icon
# and the man page of kestrel-calc where the desktop and man look for them. The program
# copies the databases into each user's data folder on first start.

include(GNUInstallDirs)

install(TARGETS kestrel2019 kestrel-calc RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(DIRECTORY ${KESTREL_APP_DIR}/
  DESTINATION ${CMAKE_INSTALL_DATADIR}/kestrel2019
  FILE_PERMISSIONS OWNER_READ GROUP_READ WORLD_READ
  FILES_MATCHING PATTERN "*.rpt" PATTERN "*.mdb" PATTERN "Kest.jpg" PATTERN "KS2019Help.pdf")
install(FILES packaging/kestrel2019.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${CMAKE_BINARY_DIR}/packaging/kestrel2019.png
  DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
install(FILES packaging/kestrel-calc.1 DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kestrel2019)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Kestrel 2019 developers")
set(CPACK_PACKAGE_CONTACT "Kestrel 2019 developers <support@kestrel2019.co.za>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "South African salary, PAYE, salary package, vehicle and loan calculators (2018/19)")
set(CPACK_PACKAGE_DESCRIPTION
    "Kestrel 2019 works out employees' tax, medical tax credits, UIF and skills levy of a pay,\n"
    "designs salary packages backward from a net salary or forward from a package amount,\n"
    "values company-car fringe benefits and travel-allowance claims, and runs loan, loan\n"
    "buster, loan comparison, daily balance and inflation calculations, all for the tax year\n"
    "1 March 2018 to 28 February 2019, with printable reports. kestrel-calc runs the same\n"
    "calculators without windows.")
set(CPACK_PACKAGE_INSTALL_DIRECTORY kestrel2019)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Plugins and data that the libraries do not pull in: the SQLite driver behind the two
# databases and the fonts the windows and printouts use.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, fonts-dejavu-core")
include(CPack)
