# Copies br7zsfx.exe and 7z.dll from FROM to TO, each only when it exists.
#   cmake -DFROM=dir -DTO=dir -P CopyParts.cmake
foreach(name br7zsfx.exe 7z.dll)
  if(EXISTS "${FROM}/${name}")
    file(COPY_FILE "${FROM}/${name}" "${TO}/${name}" ONLY_IF_DIFFERENT)
  else()
    message(STATUS "sfxbuild: ${FROM}/${name} is not built yet")
  endif()
endforeach()
