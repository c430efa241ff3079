# use_windows_threads_runtime(TARGET): TARGET links the compiler's own
# run-time libraries from its build for Windows threads, searched first. The
# unwinder and the exception pool of the POSIX build lock through a whole
# POSIX threads library, whose start-up also registers a vectored exception
# handler; the Windows-threads build locks through Windows' own primitives,
# so it stays safe on many threads. The two builds are one compiler version
# with one exception model, and code that calls no threads function of the
# run-time links to either alike.

include_guard(GLOBAL)

set(_windows_threads_gcc ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32-gcc-win32)
execute_process(COMMAND ${_windows_threads_gcc} -print-libgcc-file-name
  OUTPUT_VARIABLE _windows_threads_libgcc OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE _status)
if(NOT _status EQUAL 0)
  message(FATAL_ERROR "${_windows_threads_gcc} is missing: run scripts/setup.sh")
endif()
get_filename_component(WINDOWS_THREADS_RUNTIME_DIR "${_windows_threads_libgcc}" DIRECTORY)

function(use_windows_threads_runtime target)
  target_link_directories(${target} PRIVATE "${WINDOWS_THREADS_RUNTIME_DIR}")
endfunction()
