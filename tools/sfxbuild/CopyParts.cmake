# Copies the stubs and modules found in FROM to TO, each only when it exists.
#   cmake -DFROM=dir -DTO=dir -P CopyParts.cmake
foreach(name br7zsfx.exe 7z.dll br7zsfx64.exe 7z64.dll)
  if(EXISTS "${FROM}/${name}")
    file(COPY_FILE "${FROM}/${name}" "${TO}/${name}" ONLY_IF_DIFFERENT)
  endif()
endforeach()
