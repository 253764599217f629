# The payloads' file times are the commit's date; the date file changes, and
# the archives are packed again, only when that date does.
set(LARKVIEW_SOURCE_DATE "${CMAKE_CURRENT_BINARY_DIR}/source-date-epoch" CACHE INTERNAL "")
add_custom_target(source_date
  COMMAND "${CMAKE_SOURCE_DIR}/tools/source-date.sh" "${CMAKE_SOURCE_DIR}" "${LARKVIEW_SOURCE_DATE}"
  BYPRODUCTS "${LARKVIEW_SOURCE_DATE}"
  VERBATIM)

# larkview_pack_payload(<archive> STAGE <staging folder> FOLDER <folder> [PROGRAMS <file>...] [DEPENDS <item>...])
# Packs a folder into a payload archive with tools/pack-payload.sh; the
# programs, when given, join it at the root. A folder without programs is a
# publisher's build of the player: tools/check-payload.py checks it first, so
# the build stops on a folder the wizard could not install.
function(larkview_pack_payload archive)
  cmake_parse_arguments(P "" "STAGE;FOLDER" "PROGRAMS;DEPENDS" ${ARGN})
  file(GLOB_RECURSE _files LIST_DIRECTORIES true CONFIGURE_DEPENDS "${P_FOLDER}/*")
  set(_check)
  if(NOT P_PROGRAMS)
    set(_check COMMAND "${Python3_EXECUTABLE}" "${CMAKE_SOURCE_DIR}/tools/check-payload.py" --payload "${P_FOLDER}")
  endif()
  add_custom_command(
    OUTPUT "${archive}"
    ${_check}
    COMMAND "${CMAKE_SOURCE_DIR}/tools/pack-payload.sh" "${LARKVIEW_PACKER}" "${LARKVIEW_SOURCE_DATE}"
            "${archive}" "${P_STAGE}" "${P_FOLDER}" ${P_PROGRAMS}
    DEPENDS ${_files} ${P_DEPENDS} source_date "${LARKVIEW_SOURCE_DATE}" "${LARKVIEW_PACKER}"
            "${CMAKE_SOURCE_DIR}/tools/pack-payload.sh"
            "${CMAKE_SOURCE_DIR}/tools/check-payload.py"
    COMMENT "Packing the payload archive ${archive}"
    VERBATIM)
endfunction()

# The artwork the pages bind, in LARKVIEW_ARTWORK: each reference picture, or
# the publisher's one of the same name once tools/check-payload.py has found
# it fit (checked again whenever one of them changes).
find_package(Python3 REQUIRED COMPONENTS Interpreter)
if(LARKVIEW_ARTWORK_DIR)
  get_filename_component(LARKVIEW_ARTWORK_DIR "${LARKVIEW_ARTWORK_DIR}" ABSOLUTE BASE_DIR "${CMAKE_BINARY_DIR}")
  file(GLOB _publisher_artwork CONFIGURE_DEPENDS "${LARKVIEW_ARTWORK_DIR}/*.png")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${_publisher_artwork})
  execute_process(COMMAND "${Python3_EXECUTABLE}" "${CMAKE_SOURCE_DIR}/tools/check-payload.py"
                          --artwork "${LARKVIEW_ARTWORK_DIR}" --reference "${CMAKE_CURRENT_SOURCE_DIR}/artwork"
                  RESULT_VARIABLE _check_result OUTPUT_VARIABLE _check_output)
  if(NOT _check_result EQUAL 0)
    message(FATAL_ERROR "The pictures cannot be built into the wizard:\n${_check_output}")
  endif()
endif()

set(LARKVIEW_ARTWORK "${CMAKE_CURRENT_BINARY_DIR}/artwork")
set(LARKVIEW_ARTWORK_FILES)
file(GLOB _reference_artwork CONFIGURE_DEPENDS "${CMAKE_CURRENT_SOURCE_DIR}/artwork/*.png")
foreach(_picture ${_reference_artwork})
  get_filename_component(_name "${_picture}" NAME)
  if(LARKVIEW_ARTWORK_DIR AND EXISTS "${LARKVIEW_ARTWORK_DIR}/${_name}")
    set(_picture "${LARKVIEW_ARTWORK_DIR}/${_name}")
  endif()
  configure_file("${_picture}" "${LARKVIEW_ARTWORK}/${_name}" COPYONLY)
  list(APPEND LARKVIEW_ARTWORK_FILES "${LARKVIEW_ARTWORK}/${_name}")
endforeach()
