# qpa_wayland_protocols(VARIABLE XML...): generates each protocol's client header and glue code
# into the calling folder's build folder and puts their paths into VARIABLE, for a desktop's
# library to compile and include.
find_package(PkgConfig REQUIRED)
pkg_check_modules(WAYLAND_CLIENT REQUIRED IMPORTED_TARGET wayland-client)
pkg_get_variable(WAYLAND_SCANNER wayland-scanner wayland_scanner)
pkg_get_variable(WAYLAND_PROTOCOLS wayland-protocols pkgdatadir)
if(NOT WAYLAND_SCANNER OR NOT WAYLAND_PROTOCOLS)
    message(FATAL_ERROR "wayland-scanner and wayland-protocols are needed (scripts/setup)")
endif()

function(qpa_wayland_protocols variable)
    set(generated ${CMAKE_CURRENT_BINARY_DIR}/protocols)
    file(MAKE_DIRECTORY ${generated})
    set(sources)
    foreach(xml ${ARGN})
        get_filename_component(name ${xml} NAME_WE)
        add_custom_command(
            OUTPUT ${generated}/${name}-client-protocol.h ${generated}/${name}-protocol.c
            COMMAND ${WAYLAND_SCANNER} client-header ${xml} ${generated}/${name}-client-protocol.h
            COMMAND ${WAYLAND_SCANNER} private-code ${xml} ${generated}/${name}-protocol.c
            DEPENDS ${xml}
            VERBATIM)
        list(APPEND sources ${generated}/${name}-client-protocol.h ${generated}/${name}-protocol.c)
    endforeach()
    set(${variable} ${sources} PARENT_SCOPE)
endfunction()
