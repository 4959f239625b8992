# Writes OUTPUT, a source file that names the version and the commit the
# programs are built from, and with RC_OUTPUT the same as a header for the
# Windows resource compiler; run at every build, it rewrites a file only when
# either changed, so an unchanged tree recompiles nothing.
#   cmake -DSOURCE_DIR=... -DOUTPUT=... [-DRC_OUTPUT=...] -DVERSION=1.0.0 [-DCOMMIT=...] -P Version.cmake
# COMMIT, when given, wins (a build from a source archive without git
# history); otherwise git's short hash, with "+changes" when tracked files
# differ from that commit, or "unknown" outside a git checkout.
if(NOT COMMIT)
  find_package(Git QUIET)
  set(COMMIT unknown)
  if(GIT_EXECUTABLE)
    execute_process(COMMAND ${GIT_EXECUTABLE} -C ${SOURCE_DIR} rev-parse --short=12 HEAD
                    OUTPUT_VARIABLE hash OUTPUT_STRIP_TRAILING_WHITESPACE
                    RESULT_VARIABLE status ERROR_QUIET)
    if(status EQUAL 0 AND hash)
      set(COMMIT ${hash})
      execute_process(COMMAND ${GIT_EXECUTABLE} -C ${SOURCE_DIR} status --porcelain --untracked-files=no
                      OUTPUT_VARIABLE changes RESULT_VARIABLE status ERROR_QUIET)
      if(status EQUAL 0 AND changes)
        string(APPEND COMMIT "+changes")
      endif()
    endif()
  endif()
endif()
set(text "// Written at build time by cmake/Version.cmake.
#include \"app/BuildVersion.h\"

const char* buildVersion() { return \"${VERSION}\"; }
const char* buildCommit() { return \"${COMMIT}\"; }
")
function(write_if_changed path text)
  set(old "")
  if(EXISTS ${path})
    file(READ ${path} old)
  endif()
  if(NOT old STREQUAL text)
    file(WRITE ${path} "${text}")
  endif()
endfunction()

write_if_changed(${OUTPUT} "${text}")
if(RC_OUTPUT)
  # The version information's numbers: four, the missing ones 0.
  string(REGEX MATCHALL "[0-9]+" numbers "${VERSION}.0.0.0")
  list(SUBLIST numbers 0 4 numbers)
  list(JOIN numbers "," numbers)
  write_if_changed(${RC_OUTPUT} "// Written at build time by cmake/Version.cmake.
#define BRISEL_VERSION_NUMBERS ${numbers}
#define BRISEL_VERSION_TEXT \"${VERSION}\"
#define BRISEL_COMMIT_TEXT \"${COMMIT}\"
")
endif()
