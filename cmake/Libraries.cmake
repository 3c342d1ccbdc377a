# kragmoor_library(NAME INCLUDE_AS PATH SOURCES ... [LINKS ...])
# A static library whose headers are included as "PATH/header.h" by itself and by the targets
# that link it, and by nothing else. Its include root is a folder of its own in the build tree
# that holds one symbolic link, PATH, to the library's source folder: a target sees exactly the
# headers of the libraries it links, so an include across a forbidden arrow fails to compile
# instead of only failing to link.
# kragmoor_include_root(TARGET PATH [SOURCE_DIR]): the folder linked as PATH is SOURCE_DIR, by
# default the current source folder.
function(kragmoor_include_root target path)
    set(folder ${CMAKE_CURRENT_SOURCE_DIR})
    if(ARGC GREATER 2)
        set(folder ${ARGV2})
    endif()
    set(root ${CMAKE_CURRENT_BINARY_DIR}/include_root)
    get_filename_component(parent ${root}/${path} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(REMOVE ${root}/${path})
    file(CREATE_LINK ${folder} ${root}/${path} SYMBOLIC)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()

function(kragmoor_library name)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "INCLUDE_AS" "SOURCES;LINKS")
    add_library(${name} STATIC ${arg_SOURCES})
    kragmoor_include_root(${name} ${arg_INCLUDE_AS})
    target_link_libraries(${name} PUBLIC ${arg_LINKS})
    kragmoor_warnings(${name})
endfunction()
