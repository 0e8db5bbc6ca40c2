# Install, the installer: its own portable core (src/install/*.cpp, tested natively), its Win32 layer
# (src/install/win), minizip's unzip interface from the pinned sources over Debian's MinGW zlib, and its own
# resources. It links nothing of Pagewick.
file(GLOB PW_INSTALL_CORE_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/install/*.cpp)
add_library(install_core STATIC ${PW_INSTALL_CORE_SOURCES})
target_include_directories(install_core PUBLIC ${CMAKE_SOURCE_DIR}/src)
target_compile_options(install_core PRIVATE ${PW_WARNINGS})

if(WIN32)
  set(PW_MINIZIP_DIR ${PW_DEPS_DIR}/minizip)
  if(NOT EXISTS ${PW_MINIZIP_DIR}/unzip.c)
    message(FATAL_ERROR "minizip sources are missing in ${PW_MINIZIP_DIR}: run 'make deps' first")
  endif()
  # Static zlib: the plain -lz would pick zlib1.dll, which Windows does not have.
  find_library(PW_ZLIB_STATIC NAMES libz.a REQUIRED)
  find_path(PW_ZLIB_INCLUDE zlib.h REQUIRED)
  add_library(minizip STATIC ${PW_MINIZIP_DIR}/unzip.c ${PW_MINIZIP_DIR}/ioapi.c)
  set_target_properties(minizip PROPERTIES C_STANDARD 99 C_EXTENSIONS ON)
  # No encrypted archives, and the plain stdio file functions (not the faulty iowin32).
  target_compile_definitions(minizip PUBLIC NOUNCRYPT NOCRYPT)
  target_compile_options(minizip PRIVATE -w)
  target_include_directories(minizip SYSTEM PUBLIC ${PW_MINIZIP_DIR} ${PW_ZLIB_INCLUDE})
  target_link_libraries(minizip PUBLIC ${PW_ZLIB_STATIC})

  file(GLOB PW_INSTALL_WIN_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/install/win/*.cpp)
  list(REMOVE_ITEM PW_INSTALL_WIN_SOURCES ${CMAKE_SOURCE_DIR}/src/install/win/install_main.cpp)
  add_library(install_app STATIC ${PW_INSTALL_WIN_SOURCES})
  target_compile_options(install_app PRIVATE ${PW_WARNINGS})
  target_link_libraries(install_app PUBLIC install_core minizip comctl32 shell32 ole32 uuid advapi32 user32 gdi32)
  set(PW_INSTALL_RESOURCES ${CMAKE_SOURCE_DIR}/src/install/res/install.rc)
  add_executable(Install WIN32 ${CMAKE_SOURCE_DIR}/src/install/win/install_main.cpp ${PW_INSTALL_RESOURCES})
  target_compile_options(Install PRIVATE ${PW_WARNINGS})
  target_link_libraries(Install PRIVATE install_app)
  set_target_properties(Install PROPERTIES OUTPUT_NAME Install)
endif()
