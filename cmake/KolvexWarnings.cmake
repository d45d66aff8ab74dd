# Warnings and sanitizers for every target of the project, through one interface library.
add_library(kolvex_options INTERFACE)
if(MSVC)
    target_compile_options(kolvex_options INTERFACE /W4 /utf-8 $<$<BOOL:${KOLVEX_WERROR}>:/WX>)
else()
    target_compile_options(kolvex_options INTERFACE -Wall -Wextra -Wpedantic -Wconversion -Wshadow
                                                    $<$<BOOL:${KOLVEX_WERROR}>:-Werror>)
endif()
if(KOLVEX_SANITIZE)
    target_compile_options(kolvex_options INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=all
                                                    -fno-omit-frame-pointer)
    target_link_options(kolvex_options INTERFACE -fsanitize=address,undefined)
endif()
