# Sources compiled a few at a time, each batch one translation unit: every
# test file includes the same GoogleTest, GoogleMock and standard headers,
# which cost the compiler far more than most tests themselves.
#
# A batch is a generated file that includes its sources by paths relative to
# itself (CMake's own unity build writes absolute ones), so it is the same
# bytes in every clone and the compiler cache shares it. A batch shares one
# unnamed namespace and its using-directives: names must not clash across the
# files of a folder. -DBRENLO_BATCH_SOURCES=OFF compiles each file on its own.
option(BRENLO_BATCH_SOURCES "Compile the test sources in batches" ON)

# Sets out_var to the batch files for the given sources, at most `size` each.
# A batch never spans two folders, so a clash stays between neighbours.
function(brenlo_batch_sources out_var name size)
  if(NOT BRENLO_BATCH_SOURCES)
    set(${out_var} ${ARGN} PARENT_SCOPE)
    return()
  endif()
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/batches)
  set(batches)
  set(content "")
  set(count 0)
  set(folder "")
  foreach(source IN LISTS ARGN ITEMS "")
    get_filename_component(source_folder "${source}" DIRECTORY)
    if(count GREATER 0 AND (count EQUAL size OR NOT source_folder STREQUAL folder))
      list(LENGTH batches index)
      set(batch ${dir}/${name}-${index}.cpp)
      file(CONFIGURE OUTPUT ${batch} CONTENT "${content}" @ONLY)
      list(APPEND batches ${batch})
      set(content "")
      set(count 0)
    endif()
    if(source STREQUAL "")
      break()
    endif()
    file(RELATIVE_PATH relative ${dir} ${source})
    string(APPEND content "#include \"${relative}\"\n")
    math(EXPR count "${count} + 1")
    set(folder "${source_folder}")
  endforeach()
  set(${out_var} ${batches} PARENT_SCOPE)
endfunction()
