# SPDX-License-Identifier: GPL-3.0-or-later
# Copies the delivered files (sounds, help) from data/ into the program folder.
file(MAKE_DIRECTORY ${DEST})
foreach(item XYL.WAV)
    if(EXISTS ${SRC}/${item})
        file(COPY ${SRC}/${item} DESTINATION ${DEST})
    endif()
endforeach()
foreach(dir sounds help)
    if(IS_DIRECTORY ${SRC}/${dir})
        file(COPY ${SRC}/${dir} DESTINATION ${DEST})
    endif()
endforeach()
