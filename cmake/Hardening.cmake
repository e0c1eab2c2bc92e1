# The hardening Debian asks of a packaged program: what dpkg-buildflags gives with
# hardening=+all (fortified calls, a strong stack protector, format checks, a position-independent
# program, read-only relocations bound at start), with the stack-clash and control-flow protection
# that Debian 12's dpkg does not add yet. It lives here rather than in a script so that a plain
# build, an IDE's build and the package are the same program. Debug and sanitizer builds leave it
# out: it hides nothing from a debugger, but fortification needs optimisation, and the sanitizers
# check the same faults better.
if(CMAKE_BUILD_TYPE STREQUAL "Debug" OR ZT_SANITIZE OR ZT_FUZZ)
    set(hardening_default OFF)
else()
    set(hardening_default ON)
endif()
option(ZT_HARDENING "Build with the hardening flags of a Debian package (Linux)"
    ${hardening_default})

if(ZT_HARDENING AND CMAKE_SYSTEM_NAME STREQUAL "Linux")
    include(CheckCXXCompilerFlag)
    include(CheckPIESupported)
    check_pie_supported(LANGUAGES CXX)
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)

    # Fortification warns, and with -Werror fails, where nothing is optimised.
    add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
    add_compile_options(-fstack-protector-strong -Wformat -Werror=format-security -Wdate-time)
    foreach(flag IN ITEMS -fstack-clash-protection -fcf-protection)
        string(MAKE_C_IDENTIFIER "ZT_HAS${flag}" supported)
        check_cxx_compiler_flag(${flag} ${supported})
        if(${supported})
            add_compile_options(${flag})
        endif()
    endforeach()
    add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
