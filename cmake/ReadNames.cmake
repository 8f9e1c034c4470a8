# qpa_read_names(FILE): sets a variable for each NAME=value line of FILE (the names files that
# C++, JavaScript and shell share), and reconfigures when the file changes.
function(qpa_read_names file)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${file})
    file(STRINGS ${file} lines REGEX "^[A-Z_]+=")
    foreach(line ${lines})
        string(REGEX MATCH "^([A-Z_]+)=(.*)$" _ "${line}")
        set(${CMAKE_MATCH_1} "${CMAKE_MATCH_2}" PARENT_SCOPE)
    endforeach()
endfunction()
