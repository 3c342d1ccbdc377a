# One place for the compiler warnings every target of the project builds with.
option(KRAGMOOR_WERROR "Treat compiler warnings as errors" OFF)

function(kragmoor_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4)
        if(KRAGMOOR_WERROR)
            target_compile_options(${target} PRIVATE /WX)
        endif()
    else()
        target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion)
        # GCC 12 at -O3 reports overlapping copies inside std::string's own operator+ (a known
        # false positive of its -Wrestrict, fixed in GCC 13).
        if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
            target_compile_options(${target} PRIVATE -Wno-restrict)
        endif()
        if(KRAGMOOR_WERROR)
            target_compile_options(${target} PRIVATE -Werror)
        endif()
    endif()
endfunction()
