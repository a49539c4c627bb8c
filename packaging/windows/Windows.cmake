# What the Windows build needs before the program's own folders are read: the
# tools that draw its pictures on the build machine, the window pictures for
# the pixel ratios Windows offers, and how the cross-built tests run (under
# Wine, through a wrapper that finds Qt and the compiler's runtime).

find_program(TRAINER_RSVG rsvg-convert REQUIRED)
find_program(TRAINER_CONVERT convert REQUIRED)
mark_as_advanced(TRAINER_RSVG TRAINER_CONVERT)

# The scales Windows 10 and 11 offer for a screen, in per cent.
set(TRAINER_WINDOWS_SCALES 125 150 175 200)

# trainer_add_windows_pictures(TARGET SVG WIDTH HEIGHT PREFIX)
# Draws SVG for every scale as the Linux build draws it at run time (one SVG
# unit to a pixel, on white, the top-left WIDTH x HEIGHT pixels of it scaled)
# and adds the pictures to TARGET's resources as PREFIX/NAME-PERCENT.png.
function(trainer_add_windows_pictures target svg width height prefix)
  get_filename_component(name ${svg} NAME_WE)
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/pictures)
  file(MAKE_DIRECTORY ${dir})
  set(files)
  foreach(percent IN LISTS TRAINER_WINDOWS_SCALES)
    math(EXPR w "(${width} * ${percent} + 99) / 100")
    math(EXPR h "(${height} * ${percent} + 99) / 100")
    math(EXPR whole "${percent} / 100")
    math(EXPR part "${percent} % 100")
    if(part LESS 10)
      set(part 0${part})
    endif()
    set(png ${dir}/${name}-${percent}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${TRAINER_RSVG} --zoom ${whole}.${part} --background-color white
              ${svg} -o ${png}.full.png
      COMMAND ${TRAINER_CONVERT} ${png}.full.png -crop ${w}x${h}+0+0 +repage -alpha off
              -strip -define png:exclude-chunks=date,time PNG24:${png}
      COMMAND ${CMAKE_COMMAND} -E rm ${png}.full.png
      DEPENDS ${svg} VERBATIM)
    list(APPEND files ${png})
  endforeach()
  # Already compressed: stored as they are.
  qt_add_resources(${target} ${name}_scaled PREFIX ${prefix} BASE ${dir} FILES ${files}
    OPTIONS -no-compress)
endfunction()

# Tests and checks run the Windows programs under Wine in a prefix of the
# build's own, never the user's.
set(TRAINER_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine)
foreach(dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
  execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
    OUTPUT_VARIABLE path OUTPUT_STRIP_TRAILING_WHITESPACE)
  get_filename_component(path ${path} REALPATH)
  list(APPEND TRAINER_MINGW_RUNTIME ${path})
endforeach()
# Wine sees the build machine's files on drive Z:.
set(dirs "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS}")
foreach(path IN LISTS TRAINER_MINGW_RUNTIME)
  get_filename_component(dir ${path} DIRECTORY)
  list(APPEND dirs ${dir})
endforeach()
list(REMOVE_DUPLICATES dirs)
list(TRANSFORM dirs PREPEND "Z:")
set(TRAINER_WINE_PATH "${dirs}")
set(TRAINER_WINE_PLUGINS "Z:${QT6_INSTALL_PREFIX}/${QT6_INSTALL_PLUGINS}")
set(TRAINER_WINE_FONTS "Z:${CMAKE_BINARY_DIR}/wine-fonts")
# The tests find Qt's plugins in the Windows Qt and its translations where
# Debian keeps them.
file(WRITE ${CMAKE_BINARY_DIR}/tests/qt.conf
  "[Paths]\nPrefix = Z:${QT6_INSTALL_PREFIX}\nTranslations = Z:/usr/share/qt6/translations\n")
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run @ONLY)
if(NOT CMAKE_CROSSCOMPILING_EMULATOR)
  set(CMAKE_CROSSCOMPILING_EMULATOR sh ${CMAKE_BINARY_DIR}/wine-run)
endif()
