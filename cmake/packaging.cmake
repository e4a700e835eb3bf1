# Installation into the standard places under the prefix, and the Debian package built from it
# with `cpack -G DEB` in the build folder.

include(GNUInstallDirs)

# Names the desktop entry and the AppStream metadata (reverse-DNS, as AppStream wants it); the icon
# and the program keep the plain name.
set(VELSARINO_APP_ID org.example.velsarino)
set(VELSARINO_ICON_SIZES 16 22 24 32 48 64 128 256)
set(velsarino_packaging ${PROJECT_SOURCE_DIR}/packaging)

# Debian's hardening for the program that ships: fortified libc calls, a read-only GOT. Not for
# sanitizer builds, nor without optimisation, where fortification does not work.
if(NOT VELSARINO_SANITIZE)
  set(optimised $<NOT:$<CONFIG:Debug>>)
  target_compile_options(velsarino_core PRIVATE $<${optimised}:-D_FORTIFY_SOURCE=2>)
  target_compile_options(velsarino PRIVATE $<${optimised}:-D_FORTIFY_SOURCE=2>)
  target_link_options(velsarino PRIVATE $<${optimised}:LINKER:-z,relro,-z,now>)
endif()

install(TARGETS velsarino RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped install (cmake --install --strip, and the package) also drops the compiler's notes,
# as Debian's own tools do.
install(CODE "
  if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                    \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/velsarino\"
                    COMMAND_ERROR_IS_FATAL ANY)
  endif()")
install(FILES ${velsarino_packaging}/${VELSARINO_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${velsarino_packaging}/${VELSARINO_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icon: the SVG itself, which is also the window icon, and the PNG sizes of the hicolor theme
# rendered from it by a small tool, so that the pictures never drift apart.
add_executable(velsarino-render-icon ${velsarino_packaging}/render-icon.cpp)
target_link_libraries(velsarino-render-icon PRIVATE Qt6::Gui Qt6::Svg)
set(velsarino_icon_svg ${PROJECT_SOURCE_DIR}/assets/velsarino.svg)
set(velsarino_icon_dir ${PROJECT_BINARY_DIR}/icons/hicolor)
set(velsarino_icon_pngs)
foreach(size IN LISTS VELSARINO_ICON_SIZES)
  list(APPEND velsarino_icon_pngs ${velsarino_icon_dir}/${size}x${size}/apps/velsarino.png)
endforeach()
add_custom_command(OUTPUT ${velsarino_icon_pngs}
  COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
          $<TARGET_FILE:velsarino-render-icon> ${velsarino_icon_svg} ${velsarino_icon_dir}
          ${VELSARINO_ICON_SIZES}
  DEPENDS velsarino-render-icon ${velsarino_icon_svg}
  COMMENT "Rendering the icon in the hicolor sizes" VERBATIM)
install(FILES ${velsarino_icon_svg} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size IN LISTS VELSARINO_ICON_SIZES)
  install(FILES ${velsarino_icon_dir}/${size}x${size}/apps/velsarino.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
endforeach()

# Manual pages (stamped with the version) and the Debian changelog go in compressed, without name or
# time stamp, as Debian wants them.
find_program(GZIP_EXECUTABLE gzip REQUIRED)
set(velsarino_gzipped)
function(velsarino_gzip source output)
  get_filename_component(dir ${output} DIRECTORY)
  string(REGEX REPLACE "\\.gz$" "" plain ${output})
  add_custom_command(OUTPUT ${output}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
    COMMAND ${CMAKE_COMMAND} -E copy ${source} ${plain}
    COMMAND ${GZIP_EXECUTABLE} -9nf ${plain}
    DEPENDS ${source} VERBATIM)
  set(velsarino_gzipped ${velsarino_gzipped} ${output} PARENT_SCOPE)
endfunction()
set(velsarino_doc ${PROJECT_BINARY_DIR}/doc)
configure_file(${velsarino_packaging}/velsarino.1.in ${velsarino_doc}/velsarino.1 @ONLY)
configure_file(${velsarino_packaging}/it/velsarino.1.in ${velsarino_doc}/it/velsarino.1 @ONLY)
velsarino_gzip(${velsarino_doc}/velsarino.1 ${velsarino_doc}/man/velsarino.1.gz)
velsarino_gzip(${velsarino_doc}/it/velsarino.1 ${velsarino_doc}/man/it/velsarino.1.gz)
velsarino_gzip(${velsarino_packaging}/changelog ${velsarino_doc}/changelog.gz)
add_custom_target(velsarino-data ALL DEPENDS ${velsarino_icon_pngs} ${velsarino_gzipped})

install(FILES ${velsarino_doc}/man/velsarino.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES ${velsarino_doc}/man/it/velsarino.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/it/man1)
install(FILES ${velsarino_packaging}/copyright ${velsarino_doc}/changelog.gz
        DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${velsarino_packaging}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME velsarino)

# The Debian package. Its dependencies on libraries are computed by dpkg-shlibdeps from the
# program; what the program loads at run time without linking to it is named here: Qt's Italian
# texts for its own buttons and the font the windows were laid out for. (The SVG image and icon
# plugins belong to libqt6svg6, which the program links to.)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velsarino)
set(CPACK_PACKAGE_VENDOR "VELSARINO developers")
set(CPACK_PACKAGE_CONTACT "VELSARINO developers <velsarino@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "electronics and amateur-radio calculators")
set(CPACK_PACKAGE_DESCRIPTION
  "VELSARINO is a desktop workbench for radio amateurs and electronics hobbyists:\n"
  "some 150 small calculators and reference tables behind one menu, with an\n"
  "Italian interface. Ohm's law, decibels, resonance, coils and toroids,\n"
  "impedance, filters, antennas, transmission lines, capacitors, resistive pads,\n"
  "transistors and regulators, valve transformers, the grid locator and unit\n"
  "conversions.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
include(CPack)
