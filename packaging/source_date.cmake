# Read by cpack before it builds the package (CPACK_PROJECT_CONFIG_FILE).
# CPack's DEB generator gives every file, folder and archive member the time
# SOURCE_DATE_EPOCH names, so the same tree packaged twice is the same bytes
# whenever its files were built or touched. The time is the last commit's; a
# tree without its git history takes the newest changelog entry's, and a time
# given from outside (a distribution's build) is kept.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  return()
endif()
execute_process(COMMAND git -C "${CPACK_PECUNOR_SOURCE_DIR}" log -1 --format=%ct
                OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(NOT epoch MATCHES "^[0-9]+$")
  file(STRINGS "${CPACK_PECUNOR_SOURCE_DIR}/packaging/changelog.Debian" trailer REGEX "^ -- " LIMIT_COUNT 1)
  string(REGEX REPLACE "^ -- .*>  " "" changelog_date "${trailer}")
  execute_process(COMMAND date -d "${changelog_date}" +%s
                  OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endif()
set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
