# Builds one default map with SKMAP and fails the build when SKMAP reports an error: exit
# status 1 and an "ERROR: ..." line. SKMAP replaces the map file only on success, so nothing
# is removed beforehand; its warnings (standard error) are shown but do not fail the build.
#   cmake -DSKMAP=<program> -DDESCRIPTION=<ini> -DWORKDIR=<folder> -DOUTPUT=<map> -P BuildMap.cmake
# A cross build passes -DEMULATOR=<qemu-user> to run the target's SKMAP.
execute_process(COMMAND ${EMULATOR} ${SKMAP} ${DESCRIPTION} WORKING_DIRECTORY ${WORKDIR}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out MATCHES "SUCCESS:" OR NOT EXISTS ${OUTPUT})
  message(FATAL_ERROR "SKMAP could not build ${DESCRIPTION}:\n${out}${err}")
endif()
if(err)
  message(WARNING "SKMAP built ${DESCRIPTION} with warnings:\n${err}")
endif()
