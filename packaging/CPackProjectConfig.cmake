# Read by cpack once per generator. Only the Debian package carries the
# Debian changelog.
if(CPACK_GENERATOR STREQUAL "DEB")
  list(APPEND CPACK_INSTALL_CMAKE_PROJECTS ${CPACK_TRAINER_DEBIAN_ONLY})
endif()
