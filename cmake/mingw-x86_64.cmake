# 64-bit Windows build, run under Wine for the Windows tests.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(PW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${PW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${PW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${PW_TRIPLET}-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${PW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
# Tests run through a wrapper that picks the project's own quiet Wine prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-run.sh)
set(PW_RUN_TESTS ON)
