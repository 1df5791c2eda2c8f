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
set(CPACK_PACKAGE_CONTACT "px4800-cps developers <px4800-cps@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Programming application for the PX-4800 hand-held FM radio")
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "poppler-utils, qt6-translations-l10n")
set(CPACK_STRIP_FILES ON)
include(CPack)
