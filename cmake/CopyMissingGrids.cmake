# Puts the shipped grids into the Grids folder beside the program. A grid that
# is already there is left alone, so a player's own grids, and his own copies
# of ours, are never overwritten, and nothing there is ever deleted.
# Called with -DSOURCE=<folder of shipped grids> -DDEST=<Grids folder>.
file(MAKE_DIRECTORY "${DEST}")
file(GLOB shipped "${SOURCE}/*.txt")
foreach(grid IN LISTS shipped)
    get_filename_component(name "${grid}" NAME)
    if(NOT EXISTS "${DEST}/${name}")
        file(COPY "${grid}" DESTINATION "${DEST}")
    endif()
endforeach()
