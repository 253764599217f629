# Two builds of the same commit in different folders give the same bytes: no
# link time stamp in the PE headers, no DLL image base hashed from the output
# path, and no build folder in the paths that the compiler embeds (__FILE__ in
# assertions and in the standard library).
add_link_options(-Wl,--no-insert-timestamp -Wl,--disable-auto-image-base)
add_compile_options(
  $<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.>
  $<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_BINARY_DIR}=build>)
