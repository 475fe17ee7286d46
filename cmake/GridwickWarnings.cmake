# The warnings our code is held to. Qt's, GoogleTest's and the other
# libraries' headers come from imported targets, so the compiler treats them
# as system headers and never warns in them. moc's output is not ours: each
# target's mocs_compilation.cpp is compiled with -Wall -Wextra only (call
# gridwick_relax_generated_code() once, after every folder is added).
# GRIDWICK_WERROR (on in CI) makes every warning an error.
set(GRIDWICK_STRICT_WARNINGS -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast -Wpedantic)
if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_compile_options(-Wall -Wextra ${GRIDWICK_STRICT_WARNINGS})
  if(GRIDWICK_WERROR)
    add_compile_options(-Werror)
  endif()
endif()

function(gridwick_relax_generated_code)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
    return()
  endif()
  set(relaxed)
  foreach(flag IN LISTS GRIDWICK_STRICT_WARNINGS)
    string(REPLACE "-W" "-Wno-" flag ${flag})
    list(APPEND relaxed ${flag})
  endforeach()
  set(folders ${CMAKE_SOURCE_DIR})
  while(folders)
    list(POP_FRONT folders folder)
    get_property(subfolders DIRECTORY ${folder} PROPERTY SUBDIRECTORIES)
    list(APPEND folders ${subfolders})
    get_property(targets DIRECTORY ${folder} PROPERTY BUILDSYSTEM_TARGETS)
    foreach(target IN LISTS targets)
      get_target_property(automoc ${target} AUTOMOC)
      if(automoc)
        get_target_property(binary_dir ${target} BINARY_DIR)
        set_source_files_properties(${binary_dir}/${target}_autogen/mocs_compilation.cpp TARGET_DIRECTORY ${target}
                                    PROPERTIES COMPILE_OPTIONS "${relaxed}")
      endif()
    endforeach()
  endwhile()
endfunction()
