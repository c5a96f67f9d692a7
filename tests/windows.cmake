# The tests as Windows programs, run by Wine (CMAKE_CROSSCOMPILING_EMULATOR).
# Wine finds libraries by one search path: Qt's and MinGW-w64's runtime are
# linked into one folder of this build for it. Qt's plugins are where Qt
# for Windows was installed, and the faces Windows lacks where its font
# database looks.
set(runtime ${CMAKE_CURRENT_BINARY_DIR}/windows-runtime)
set(fonts ${CMAKE_CURRENT_BINARY_DIR}/windows-fonts)
file(REMOVE_RECURSE ${runtime} ${fonts})
file(MAKE_DIRECTORY ${runtime} ${fonts})
foreach(module ${VANDREL_WINDOWS_QT_MODULES} Test)
  get_target_property(library Qt6::${module} IMPORTED_LOCATION_RELEASE)
  get_filename_component(name ${library} NAME)
  file(CREATE_LINK ${library} ${runtime}/${name} SYMBOLIC)
endforeach()
foreach(library ${VANDREL_MINGW_RUNTIME})
  get_filename_component(name ${library} NAME)
  file(CREATE_LINK ${library} ${runtime}/${name} SYMBOLIC)
endforeach()
foreach(face ${VANDREL_WINDOWS_FACES})
  get_filename_component(name ${face} NAME)
  file(CREATE_LINK ${face} ${fonts}/${name} SYMBOLIC)
endforeach()
get_target_property(plugin Qt6::QWindowsIntegrationPlugin IMPORTED_LOCATION_RELEASE)
get_filename_component(plugins ${plugin} DIRECTORY)
get_filename_component(plugins ${plugins} DIRECTORY)
# Qt Test writes to the debugger unless told that standard error is a console.
# Wine hides the machine's QT_ variables from Windows programs, and passes
# WINEQT_ ones on as QT_ (vandrel_test_environment renames the tests' own).
set(VANDREL_WINE_ENVIRONMENT WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=-all
  WINEPATH=${runtime} WINEQT_PLUGIN_PATH=${plugins} WINEQT_QPA_FONTDIR=${fonts}
  WINEQT_FORCE_STDERR_LOGGING=1)

# The same for the scripts that run this build's programs under Wine
# (scripts/bench --windows): source build-windows/wine-environment.sh.
set(environment ${VANDREL_WINE_ENVIRONMENT})
list(TRANSFORM environment REPLACE "^([^=]*)=(.*)$" "export \\1='\\2'\n")
file(WRITE ${CMAKE_BINARY_DIR}/wine-environment.sh ${environment})
