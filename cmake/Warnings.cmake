# Warnings and sanitizers for every target of the project, in one place.
option(TINTARO_WERROR "Treat warnings as errors" ON)
option(TINTARO_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

add_compile_options(-Wall -Wextra)
if(TINTARO_WERROR)
  add_compile_options(-Werror)
endif()

if(TINTARO_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
