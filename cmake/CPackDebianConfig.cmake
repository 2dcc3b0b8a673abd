# Read by cpack for each generator. A Debian package's synopsis is the first
# line of its own description, not the project's summary, which CPack would
# put before it.
if(CPACK_GENERATOR STREQUAL "DEB")
  unset(CPACK_PACKAGE_DESCRIPTION_SUMMARY)
endif()
