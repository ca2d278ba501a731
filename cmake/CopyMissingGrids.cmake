# Puts the shipped grids into the Grids folder beside the program. A grid that
# is already there is left alone, so a player's own grids, and his own copies
# of ours, are never overwritten, and nothing there is ever deleted. The one
# exception is a grid that is byte for byte a version we shipped before and
# have since redrawn: superseded.sha256 lists those, and such a file is
# replaced, or a player who built once would keep an old grid for good.
# Called with -DSOURCE=<folder of shipped grids> -DDEST=<Grids folder>.
cmake_minimum_required(VERSION 3.25)

# Lines of "<sha256>  <file name>", as sha256sum writes them; # starts a note.
set(superseded)
if(EXISTS "${SOURCE}/superseded.sha256")
    file(STRINGS "${SOURCE}/superseded.sha256" lines)
    foreach(line IN LISTS lines)
        if(line STREQUAL "" OR line MATCHES "^#")
            continue()
        endif()
        if(NOT line MATCHES "^[0-9a-f]+  .+$")
            message(FATAL_ERROR "${SOURCE}/superseded.sha256: not a hash and a file name: ${line}")
        endif()
        list(APPEND superseded "${line}")
    endforeach()
endif()

file(MAKE_DIRECTORY "${DEST}")
file(GLOB shipped "${SOURCE}/*.txt")
foreach(grid IN LISTS shipped)
    get_filename_component(name "${grid}" NAME)
    set(placed "${DEST}/${name}")
    if(IS_DIRECTORY "${placed}")
        continue()
    elseif(EXISTS "${placed}")
        file(SHA256 "${placed}" hash)
        if(NOT "${hash}  ${name}" IN_LIST superseded)
            continue()
        endif()
    endif()
    # Written beside and renamed over, so that an interrupted build leaves
    # either the old grid or the new one, never half of one. The new file is
    # named as the game names its own saves, so that the game removes one that
    # an interruption left behind.
    set(temporary "${DEST}/.${name}.build.tibbly-save")
    file(COPY_FILE "${grid}" "${temporary}")
    file(RENAME "${temporary}" "${placed}")
endforeach()
