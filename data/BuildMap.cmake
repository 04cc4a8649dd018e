# Builds one default map with SKMAP and fails the build when SKMAP reports an error
# (SKMAP itself always exits with status 0).
#   cmake -DSKMAP=<program> -DDESCRIPTION=<ini> -DWORKDIR=<folder> -DOUTPUT=<map> -P BuildMap.cmake
file(REMOVE ${OUTPUT})
execute_process(COMMAND ${SKMAP} ${DESCRIPTION} WORKING_DIRECTORY ${WORKDIR}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out MATCHES "SUCCESS:" OR NOT EXISTS ${OUTPUT})
  message(FATAL_ERROR "SKMAP could not build ${DESCRIPTION}:\n${out}${err}")
endif()
