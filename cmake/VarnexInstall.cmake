# Varnex installed as a desktop program: the two executables, the shipped files under
# share/varnex, the desktop entry, the icons, the AppStream metainfo, the man pages and the
# bash completion, each where the desktop and the package tools look for it; and a Debian
# package from CPack (scripts/package.sh).
include(GNUInstallDirs)

set(VARNEX_DATA_INSTALL_DIR ${CMAKE_INSTALL_DATADIR}/varnex)  # ../share/varnex from bin/: see platform/install_layout.h
set(VARNEX_LINUX_DIR ${CMAKE_BINARY_DIR}/linux)

install(TARGETS varnex varnex-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
foreach(file ${VARNEX_SHIPPED_FILES})
    cmake_path(GET file PARENT_PATH folder)
    install(FILES data/${file} DESTINATION ${VARNEX_DATA_INSTALL_DIR}/${folder})
endforeach()
install(FILES ${VARNEX_QM_FILES} DESTINATION ${VARNEX_DATA_INSTALL_DIR}/translations)

# Desktop entry and metainfo, named by the application id.
configure_file(data/linux/varnex.desktop.in ${VARNEX_LINUX_DIR}/${VARNEX_APP_ID}.desktop @ONLY)
configure_file(data/linux/varnex.metainfo.xml.in ${VARNEX_LINUX_DIR}/${VARNEX_APP_ID}.metainfo.xml @ONLY)
install(FILES ${VARNEX_LINUX_DIR}/${VARNEX_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VARNEX_LINUX_DIR}/${VARNEX_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icon: the SVG and the PNG sizes rendered from it (scripts/render-icons.sh).
set(VARNEX_ICON_DIR ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
install(FILES data/icons/varnex.svg DESTINATION ${VARNEX_ICON_DIR}/scalable/apps RENAME ${VARNEX_APP_ID}.svg)
foreach(size ${VARNEX_ICON_SIZES})
    install(FILES data/icons/png/varnex-${size}.png DESTINATION ${VARNEX_ICON_DIR}/${size}x${size}/apps
            RENAME ${VARNEX_APP_ID}.png)
endforeach()

# Man pages and the changelog, compressed as Debian keeps them (gzip -9n: no name or time stamp
# in the header, so the same text gives the same file). varnex(1) is written by hand;
# varnex-cli(1) is made by help2man from the program's own --help and --version, with the
# sections of data/man/varnex-cli.h2m, so the page and the program can't disagree. Without
# help2man the window's page is still made and installed.
set(VARNEX_MAN_DIR ${CMAKE_BINARY_DIR}/man)
find_program(GZIP gzip)
if(GZIP)
    set(VARNEX_MAN_PAGES ${VARNEX_MAN_DIR}/varnex.1.gz)
    add_custom_command(
        OUTPUT ${VARNEX_MAN_DIR}/varnex.1.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${VARNEX_MAN_DIR}
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/data/man/varnex.1 ${VARNEX_MAN_DIR}/varnex.1
        COMMAND ${GZIP} -9nf ${VARNEX_MAN_DIR}/varnex.1
        DEPENDS ${CMAKE_SOURCE_DIR}/data/man/varnex.1
        COMMENT "Compressing the man page varnex.1")
    find_program(HELP2MAN help2man)
    if(HELP2MAN)
        add_custom_command(
            OUTPUT ${VARNEX_MAN_DIR}/varnex-cli.1.gz
            COMMAND ${CMAKE_COMMAND} -E make_directory ${VARNEX_MAN_DIR}
            COMMAND ${CMAKE_COMMAND} -DHELP2MAN=${HELP2MAN} -DPROGRAM=$<TARGET_FILE:varnex-cli>
                    -DINCLUDE=${CMAKE_SOURCE_DIR}/data/man/varnex-cli.h2m -DOUTPUT=${VARNEX_MAN_DIR}/varnex-cli.1
                    -DDATE=${VARNEX_RELEASE_DATE} -P ${CMAKE_SOURCE_DIR}/cmake/help2man.cmake
            COMMAND ${GZIP} -9nf ${VARNEX_MAN_DIR}/varnex-cli.1
            DEPENDS varnex-cli ${CMAKE_SOURCE_DIR}/data/man/varnex-cli.h2m ${CMAKE_SOURCE_DIR}/cmake/help2man.cmake
            COMMENT "Making the man page varnex-cli.1 with help2man")
        list(APPEND VARNEX_MAN_PAGES ${VARNEX_MAN_DIR}/varnex-cli.1.gz)
    else()
        message(WARNING "help2man not found: the man page varnex-cli(1) will not be made or installed")
    endif()
    install(FILES ${VARNEX_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

    # The package's changelog, in the Debian format (a native package keeps it as changelog.gz).
    configure_file(data/linux/changelog.in ${VARNEX_LINUX_DIR}/changelog @ONLY)
    add_custom_command(
        OUTPUT ${VARNEX_LINUX_DIR}/changelog.gz
        COMMAND ${GZIP} -9nkf ${VARNEX_LINUX_DIR}/changelog
        DEPENDS ${VARNEX_LINUX_DIR}/changelog
        COMMENT "Compressing the changelog")
    add_custom_target(varnex_docs ALL DEPENDS ${VARNEX_MAN_PAGES} ${VARNEX_LINUX_DIR}/changelog.gz)
    install(FILES ${VARNEX_LINUX_DIR}/changelog.gz DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/varnex)
else()
    message(WARNING "gzip not found: the man pages and the changelog will not be made or installed")
endif()

# bash-completion loads a command's completion by the command's name.
install(FILES ${VARNEX_COMPLETION} DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

install(FILES data/linux/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/varnex)  # DOCDIR would say Varnex

# ---- the Debian package -------------------------------------------------------------------------
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME varnex)
set(CPACK_PACKAGE_VENDOR Ostrel)
set(CPACK_PACKAGE_CONTACT "${VARNEX_CONTACT}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator of equinoxes, solstices and cross-quarter days")
# The extended description as the package shows it: lines under 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Varnex gives the local date and time of the two equinoxes, the two
solstices and the four cross-quarter days (Imbolc, Beltane, Lughnassad,
Samhain; by the mean sun and by the true sun) for any year from 1 to 3000,
in the Gregorian or the Julian calendar. The window (varnex) takes a time
zone from GMT-12:00 to GMT+12:00; the command-line program for scripts
(varnex-cli) also takes offsets to GMT+14:00 and named zones such as
Europe/London with their summer time, and writes CSV, JSON, iCalendar
and the wheel of the year as SVG.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VARNEX_HOMEPAGE})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries: the fonts the window asks fontconfig for (Arial and Courier New are
# matched by Liberation Sans and Mono, Tahoma by DejaVu Sans); xdg-open for the manual and the
# about page.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, fonts-dejavu-core")
# xdg-open runs the links; something must open HTML behind it (www-browser: any web browser).
# Qt's own translations give the text boxes' context menus in the user's language (German).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, firefox-esr | chromium | www-browser, qt6-translations-l10n")
include(CPack)
