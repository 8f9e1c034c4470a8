# cmake -DICOTOOL=... -DICO=... -DOUT=... -DNAME=... -DSIZES="32;48;..." -P ThemeIcons.cmake
# Writes OUT/<size>x<size>/NAME.png for each size from the .ico. icotool picks images by size
# unreliably (a 256-pixel image is not matched by --width=256, and that is no error), so every
# image is extracted and each is chosen by the size icotool puts in its name, then checked
# against the size in the PNG's header.
set(work ${OUT}/extracted)
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})
execute_process(COMMAND ${ICOTOOL} --extract --output=${work} ${ICO} COMMAND_ERROR_IS_FATAL ANY)
foreach(size IN LISTS SIZES)
    file(GLOB found ${work}/*_${size}x${size}x*.png)
    list(LENGTH found count)
    if(NOT count EQUAL 1)
        message(FATAL_ERROR "${ICO}: ${count} images of ${size}x${size} pixels, expected 1")
    endif()
    # The PNG header's width and height, 4 bytes each, big-endian, from byte 16. Adding 2^32 and
    # dropping "0x1" gives the size as 8 hex digits with leading zeros.
    file(READ ${found} header OFFSET 16 LIMIT 8 HEX)
    math(EXPR word "0x100000000 + ${size}" OUTPUT_FORMAT HEXADECIMAL)
    string(SUBSTRING ${word} 3 8 word)
    if(NOT header STREQUAL "${word}${word}")
        message(FATAL_ERROR "${found}: not ${size}x${size} pixels")
    endif()
    file(MAKE_DIRECTORY ${OUT}/${size}x${size})
    file(COPY_FILE ${found} ${OUT}/${size}x${size}/${NAME}.png ONLY_IF_DIFFERENT)
endforeach()
file(REMOVE_RECURSE ${work})
