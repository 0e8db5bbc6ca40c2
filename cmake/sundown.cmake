# sundown, the Markdown parser and HTML renderer, compiled from the pinned sources that make deps fetched
# (patched at fetch time; see deps/patches).
set(PW_SUNDOWN_DIR ${PW_DEPS_DIR}/sundown)
if(NOT EXISTS ${PW_SUNDOWN_DIR}/markdown.c)
  message(FATAL_ERROR "sundown sources are missing in ${PW_SUNDOWN_DIR}: run 'make deps' first")
endif()
add_library(sundown STATIC
  ${PW_SUNDOWN_DIR}/markdown.c ${PW_SUNDOWN_DIR}/buffer.c ${PW_SUNDOWN_DIR}/stack.c
  ${PW_SUNDOWN_DIR}/autolink.c ${PW_SUNDOWN_DIR}/html.c
  ${PW_SUNDOWN_DIR}/houdini_html_e.c ${PW_SUNDOWN_DIR}/houdini_href_e.c)
set_target_properties(sundown PROPERTIES C_STANDARD 99 C_EXTENSIONS ON)
target_compile_options(sundown PRIVATE -w)
target_include_directories(sundown SYSTEM PUBLIC ${PW_SUNDOWN_DIR})
