# The tests as Windows programs, run by Wine (CMAKE_CROSSCOMPILING_EMULATOR).
# Wine finds libraries by one search path: Qt's and MinGW-w64's runtime are
# linked into one folder of this build for it. Qt's plugins are where Qt
# for Windows was installed, and the faces Windows lacks where its font
# database looks.
set(runtime ${CMAKE_CURRENT_BINARY_DIR}/windows-runtime)
set(fonts ${CMAKE_CURRENT_BINARY_DIR}/windows-fonts)
file(REMOVE_RECURSE ${runtime} ${fonts})
file(MAKE_DIRECTORY ${runtime} ${fonts})
foreach(module Core Gui Widgets Network Multimedia Test)
  get_target_property(library Qt6::${module} IMPORTED_LOCATION_RELEASE)
  get_filename_component(name ${library} NAME)
  file(CREATE_LINK ${library} ${runtime}/${name} SYMBOLIC)
endforeach()
foreach(name libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll libssp-0.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${name}
    OUTPUT_VARIABLE library OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT IS_ABSOLUTE "${library}")
    set(library /usr/x86_64-w64-mingw32/lib/${name})
  endif()
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
set(VANDREL_WINE_ENVIRONMENT WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=-all WINEPATH=${runtime} QT_PLUGIN_PATH=${plugins}
  QT_QPA_FONTDIR=${fonts} QT_FORCE_STDERR_LOGGING=1)

# Wine hides the machine's QT_ variables from Windows programs, and passes
# WINEQT_ ones on as QT_.
function(vandrel_wine_environment variable)
  set(environment ${${variable}})
  list(TRANSFORM environment REPLACE "^QT_" "WINEQT_")
  set(${variable} ${environment} PARENT_SCOPE)
endfunction()

# The same for the scripts that run this build's programs under Wine
# (scripts/bench --windows): source build-windows/wine-environment.sh.
set(environment ${VANDREL_WINE_ENVIRONMENT})
vandrel_wine_environment(environment)
list(TRANSFORM environment REPLACE "^([^=]*)=(.*)$" "export \\1='\\2'\n")
file(WRITE ${CMAKE_BINARY_DIR}/wine-environment.sh ${environment})
