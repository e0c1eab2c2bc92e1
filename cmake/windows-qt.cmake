# The Windows build: the static Qt for Windows that scripts/windows.sh builds once, chained to the
# MinGW-w64 toolchain. Qt's folder comes from the cache variable ZT_WINDOWS_QT or, failing that,
# from the environment variable of the same name.
if(NOT ZT_WINDOWS_QT AND DEFINED ENV{ZT_WINDOWS_QT})
    set(ZT_WINDOWS_QT $ENV{ZT_WINDOWS_QT})
endif()
if(NOT ZT_WINDOWS_QT OR NOT EXISTS "${ZT_WINDOWS_QT}/lib/cmake/Qt6/qt.toolchain.cmake")
    message(FATAL_ERROR "No Qt for Windows at '${ZT_WINDOWS_QT}': set ZT_WINDOWS_QT to the folder "
        "scripts/windows.sh builds (it prints it), or run that script once")
endif()
# CMake reads a toolchain file again for each compiler check, where only the environment reaches.
set(ENV{ZT_WINDOWS_QT} ${ZT_WINDOWS_QT})
set(ZT_WINDOWS_QT ${ZT_WINDOWS_QT} CACHE PATH "Qt for Windows, built by scripts/windows.sh")
set(QT_CHAINLOAD_TOOLCHAIN_FILE ${CMAKE_CURRENT_LIST_DIR}/mingw-w64-x86_64.cmake)
include(${ZT_WINDOWS_QT}/lib/cmake/Qt6/qt.toolchain.cmake)
