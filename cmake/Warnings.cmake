# Compiler warnings and sanitizers for every target of the project.
add_compile_options(-Wall -Wextra -Wpedantic -Wnon-virtual-dtor -Wcast-align -Wunused)
if(TERRAKO_WERROR)
    add_compile_options(-Werror)
endif()
if(TERRAKO_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()
