# cmake --install: the two programs with their language files and help in one
# folder (default /opt/veltrax), a menu entry, the icon in the usual sizes and
# links on the PATH. The same layout makes the Debian package.
install(TARGETS veltrax veltrax-cli RUNTIME DESTINATION .)
install(FILES ${PROJECT_SOURCE_DIR}/resources/lang/English.Ini
              ${PROJECT_SOURCE_DIR}/resources/lang/Chinese.Ini
        DESTINATION .)
if(CHMCMD)
    install(FILES ${CMAKE_BINARY_DIR}/bin/VX_English.chm ${CMAKE_BINARY_DIR}/bin/VX_Chinese.chm
            DESTINATION .)
endif()
install(FILES ${PROJECT_SOURCE_DIR}/resources/veltrax.desktop DESTINATION /usr/share/applications)
foreach(size 16 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/veltrax-${size}.png
            DESTINATION /usr/share/icons/hicolor/${size}x${size}/apps RENAME veltrax.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/resources/icons/veltrax.svg
        DESTINATION /usr/share/icons/hicolor/scalable/apps)
install(CODE "
    foreach(program veltrax veltrax-cli)
        file(MAKE_DIRECTORY \"\$ENV{DESTDIR}/usr/bin\")
        file(CREATE_LINK \"${CMAKE_INSTALL_PREFIX}/\${program}\" \"\$ENV{DESTDIR}/usr/bin/\${program}\" SYMBOLIC)
    endforeach()
")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME veltrax)
set(CPACK_PACKAGE_VENDOR "Veltrax")
set(CPACK_PACKAGE_CONTACT "Veltrax developers <dev@veltrax.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Programming tool for the Veltrax 5520 and 5510 FM radios")
set(CPACK_PACKAGING_INSTALL_PREFIX ${CMAKE_INSTALL_PREFIX})
set(CPACK_SET_DESTDIR ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-wqy-microhei")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xchm")
include(CPack)
