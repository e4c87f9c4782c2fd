# Compiler warnings, Qt strictness macros and sanitizers, set once for every target.
add_library(trevalia_common INTERFACE)
target_compile_options(trevalia_common INTERFACE
    -Wall -Wextra -Wpedantic -Wundef -Wformat=2 -Wnon-virtual-dtor
    -Woverloaded-virtual -Wold-style-cast -Wshadow -Werror=return-type)
target_compile_definitions(trevalia_common INTERFACE
    QT_NO_CAST_FROM_ASCII
    QT_NO_CAST_TO_ASCII
    QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_URL_CAST_FROM_STRING
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT
    QT_NO_KEYWORDS
    QT_DISABLE_DEPRECATED_UP_TO=0x060400)
target_include_directories(trevalia_common INTERFACE ${PROJECT_SOURCE_DIR})

if(TREVALIA_WERROR)
    target_compile_options(trevalia_common INTERFACE -Werror)
endif()

if(TREVALIA_SANITIZE)
    target_compile_options(trevalia_common INTERFACE
        -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
    target_link_options(trevalia_common INTERFACE -fsanitize=address,undefined)
endif()
