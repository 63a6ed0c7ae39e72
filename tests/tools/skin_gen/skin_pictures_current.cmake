cmake_minimum_required(VERSION 3.25)
# Draws the skin into a scratch folder and compares it, file by file, with the committed
# pictures and icons: a geometry change that was not followed by regenerating the art
# fails here.
#   cmake -DSKIN_GEN=... -DSOURCE_DIR=... -DSCRATCH=... -P skin_pictures_current.cmake
file(REMOVE_RECURSE "${SCRATCH}")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          "${SKIN_GEN}" "${SCRATCH}/image" "${SCRATCH}/icons"
  RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "skin_gen failed (${result})")
endif()

set(stale "")
foreach(pair "image;assets/image" "icons;assets/share/icons")
  list(GET pair 0 drawn_dir)
  list(GET pair 1 committed_dir)
  file(GLOB_RECURSE drawn RELATIVE "${SCRATCH}/${drawn_dir}" "${SCRATCH}/${drawn_dir}/*")
  file(GLOB_RECURSE committed RELATIVE "${SOURCE_DIR}/${committed_dir}" "${SOURCE_DIR}/${committed_dir}/*")
  foreach(name IN LISTS drawn)
    set(committed_file "${SOURCE_DIR}/${committed_dir}/${name}")
    if(NOT EXISTS "${committed_file}")
      list(APPEND stale "${committed_dir}/${name} (missing)")
      continue()
    endif()
    file(SHA256 "${SCRATCH}/${drawn_dir}/${name}" drawn_hash)
    file(SHA256 "${committed_file}" committed_hash)
    if(NOT drawn_hash STREQUAL committed_hash)
      list(APPEND stale "${committed_dir}/${name}")
    endif()
  endforeach()
  foreach(name IN LISTS committed)
    if(NOT name IN_LIST drawn)
      list(APPEND stale "${committed_dir}/${name} (not drawn)")
    endif()
  endforeach()
endforeach()
file(REMOVE_RECURSE "${SCRATCH}")
if(stale)
  list(JOIN stale "\n  " listing)
  message(FATAL_ERROR "The committed skin differs from what skin_gen draws:\n  ${listing}\n"
                      "Redraw it with: cmake --build build --target skin")
endif()
message(STATUS "skin pictures and icons are current")
