# `make install` and `make package`: the programs in bin/, what they read in
# share/px4800-cps/ (language files, default codeplug, manual), a desktop entry and an
# icon. An installed program finds its data folder from its own place (../share) and
# keeps what it writes in the user's configuration folder.
set(PX_DATA_DIR ${CMAKE_INSTALL_DATADIR}/px4800-cps)

foreach(program px4800-cps px4800 px4800-sim)
  if(TARGET ${program})
    install(TARGETS ${program} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()

install(FILES lang/english.ini lang/chinese.ini data/mysetup.ini DESTINATION ${PX_DATA_DIR}/language)
install(DIRECTORY manual/ DESTINATION ${PX_DATA_DIR}/manual)
install(FILES data/px4800-cps.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/px4800-cps.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
# AppStream wants the file named after the component id.
install(FILES data/px4800-cps.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo
        RENAME invalid.px4800_cps.px4800_cps.metainfo.xml)
install(FILES data/px4800.bash-completion DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions
        RENAME px4800)

# The package's documents, compressed as Debian keeps them (no name or time stamp, so
# that two builds give the same bytes).
set(PX_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/px4800-cps)
configure_file(packaging/changelog.in ${CMAKE_BINARY_DIR}/packaging/changelog @ONLY)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/packaging/changelog.gz
  COMMAND gzip -9nf -k ${CMAKE_BINARY_DIR}/packaging/changelog
  DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog)
add_custom_target(package_docs ALL DEPENDS ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
install(FILES packaging/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.gz DESTINATION ${PX_DOC_DIR})

# The manual pages, written from the programs' own --help at build time.
if(TARGET px4800 AND TARGET px4800-sim AND TARGET px4800-cps)
  set(PX_MAN_PAGES)
  foreach(program px4800 px4800-sim px4800-cps)
    list(APPEND PX_MAN_PAGES ${CMAKE_BINARY_DIR}/man/${program}.1.gz)
  endforeach()
  file(GLOB PX_MAN_EXTRAS CONFIGURE_DEPENDS packaging/man/*.extra)
  add_custom_command(OUTPUT ${PX_MAN_PAGES}
    COMMAND ${CMAKE_SOURCE_DIR}/tools/make-manpages $<TARGET_FILE_DIR:px4800> ${CMAKE_BINARY_DIR}/man
            ${PROJECT_VERSION}
    COMMAND gzip -9nf ${CMAKE_BINARY_DIR}/man/px4800.1 ${CMAKE_BINARY_DIR}/man/px4800-sim.1
            ${CMAKE_BINARY_DIR}/man/px4800-cps.1
    DEPENDS px4800 px4800-sim px4800-cps ${CMAKE_SOURCE_DIR}/tools/make-manpages ${PX_MAN_EXTRAS}
    COMMENT "Writing the manual pages from --help")
  add_custom_target(man_pages ALL DEPENDS ${PX_MAN_PAGES})
  install(FILES ${PX_MAN_PAGES} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()

# The default codeplug is the one the program itself makes, so it always matches the
# records of this build.
if(TARGET px4800)
  install(CODE "
    set(init \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${PX_DATA_DIR}/Init\")
    file(MAKE_DIRECTORY \"\${init}\")
    execute_process(COMMAND \"$<TARGET_FILE:px4800>\" new -o \"\${init}/PX-4800.dat\" --yes
                    RESULT_VARIABLE made OUTPUT_QUIET)
    if(NOT made EQUAL 0)
      message(FATAL_ERROR \"could not make the default codeplug in \${init}\")
    endif()")
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME px4800-cps)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "px4800-cps developers <px4800-cps@users.noreply.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "programming application for the PX-4800 hand-held FM radio")
file(READ packaging/description.txt CPACK_PACKAGE_DESCRIPTION)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The window icon is an SVG; the Chinese texts need a CJK font, but the program runs
# without one (91 MB), so that is only recommended; so are Qt's own translations.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, libqt6svg6")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk, poppler-utils, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
    GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_STRIP_FILES ON)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/StripComment.cmake)
include(CPack)
