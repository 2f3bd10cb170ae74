# Fills the run folder's data/: tavl.ogg always (when changed), data.iso only when it is missing.
file(MAKE_DIRECTORY ${TARGET})
file(COPY_FILE ${SOURCE}/tavl.ogg ${TARGET}/tavl.ogg ONLY_IF_DIFFERENT)
if(NOT EXISTS ${TARGET}/data.iso)
  file(COPY_FILE ${SOURCE}/data.iso ${TARGET}/data.iso)
endif()
