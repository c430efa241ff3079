# The 7-Zip extraction module (7z.dll) that the self-extractor carries in its
# payload: 7-Zip's extract-only 7z bundle, compiled from Debian's 7zip source
# package (scripts/setup.sh fetches it outside the tree), plus the Deflate64
# decoder, which that bundle leaves out although 7z archives may use it.
# The file list is ours, taken from the bundle's makefile, so that the build
# does not depend on 7-Zip's own build system. The module is linked like the
# stub, without library objects that were a quarter of it: the
# Windows-threads run-time; our own terminate handler for the library's
# demangling one, whose demangler also brings printf's formatter; and our own
# IID_IUnknown for libuuid's object that holds it among a few hundred others.

include(${CMAKE_CURRENT_LIST_DIR}/WindowsThreadsRuntime.cmake)

if(DEFINED ENV{XDG_CACHE_HOME} AND NOT "$ENV{XDG_CACHE_HOME}" STREQUAL "")
  set(_sevenzip_cache "$ENV{XDG_CACHE_HOME}")
else()
  set(_sevenzip_cache "$ENV{HOME}/.cache")
endif()
set(SEVENZIP_SOURCE_DIR "${_sevenzip_cache}/br7zsfx/7zip" CACHE PATH
  "Unpacked source of Debian's 7zip package (scripts/setup.sh fetches it)")
if(NOT EXISTS "${SEVENZIP_SOURCE_DIR}/CPP/7zip/Bundles/Format7zExtract/makefile")
  message(FATAL_ERROR "No 7-Zip source in SEVENZIP_SOURCE_DIR (${SEVENZIP_SOURCE_DIR}); run scripts/setup.sh")
endif()

set(_sz ${SEVENZIP_SOURCE_DIR})
set(_sz_bundle ${_sz}/CPP/7zip/Bundles/Format7zExtract)

# _sevenzip_sources(OUT FOLDER EXT name...) appends FOLDER/name.EXT to OUT.
function(_sevenzip_sources out folder ext)
  set(files ${${out}})
  foreach(name ${ARGN})
    list(APPEND files ${_sz}/${folder}/${name}.${ext})
  endforeach()
  set(${out} ${files} PARENT_SCOPE)
endfunction()

set(_sz_sources)
_sevenzip_sources(_sz_sources CPP/Common cpp
  CRC CrcReg IntToString MyString MyVector NewHandler Sha256Prepare Sha256Reg
  StringConvert StringToInt Wildcard)
_sevenzip_sources(_sz_sources CPP/Windows cpp
  PropVariant Synchronization System)
_sevenzip_sources(_sz_sources CPP/7zip/Common cpp
  CreateCoder CWrappers FilterCoder InBuffer LimitedStreams MethodId MethodProps
  OutBuffer ProgressUtils PropId StreamBinder StreamObjects StreamUtils VirtThread)
_sevenzip_sources(_sz_sources CPP/7zip/Archive cpp
  ArchiveExports DllExports2)
_sevenzip_sources(_sz_sources CPP/7zip/Archive/Common cpp
  CoderMixer2 HandlerOut ItemNameUtils OutStreamWithCRC ParseProperties)
_sevenzip_sources(_sz_sources CPP/7zip/Archive/7z cpp
  7zCompressionMode 7zDecode 7zExtract 7zHandler 7zHeader 7zIn 7zProperties 7zRegister)
_sevenzip_sources(_sz_sources CPP/7zip/Compress cpp
  CodecExports Bcj2Coder Bcj2Register BcjCoder BcjRegister BitlDecoder BranchMisc
  BranchRegister ByteSwap BZip2Crc BZip2Decoder BZip2Register CopyCoder CopyRegister
  DeflateDecoder DeflateRegister Deflate64Register DeltaFilter Lzma2Decoder
  Lzma2Register LzmaDecoder LzmaRegister LzOutWindow PpmdDecoder PpmdRegister)
_sevenzip_sources(_sz_sources CPP/7zip/Crypto cpp
  7zAes 7zAesRegister MyAes MyAesReg)
# The C versions of the optimised AES, CRC and SHA-256 code: no assembler.
_sevenzip_sources(_sz_sources C c
  7zStream Alloc Bcj2 Bra Bra86 BraIA64 CpuArch Delta Lzma2Dec Lzma2DecMt LzmaDec
  MtDec Ppmd7 Ppmd7Dec SwapBytes Threads Aes AesOpt 7zCrc 7zCrcOpt Sha256 Sha256Opt)

add_library(sevenzip_module MODULE
  ${_sz_sources}
  ${CMAKE_SOURCE_DIR}/sfx/archive/module/UnknownIid.cpp
  ${CMAKE_SOURCE_DIR}/sfx/startup/win32/Terminate.cpp
  ${_sz_bundle}/resource.rc
  ${_sz}/CPP/7zip/Archive/Archive2.def)
target_compile_definitions(sevenzip_module PRIVATE Z7_EXTRACT_ONLY NDEBUG _REENTRANT)
target_compile_options(sevenzip_module PRIVATE $<$<NOT:$<COMPILE_LANGUAGE:RC>>:-Os>)
# The resource script includes files relative to the bundle and to CPP/7zip.
target_include_directories(sevenzip_module PRIVATE ${_sz_bundle} ${_sz}/CPP/7zip)
# The .def file exports the undecorated names; stripped and without a time
# stamp, two builds give the same bytes.
target_link_options(sevenzip_module PRIVATE
  -s -Wl,--no-insert-timestamp -Wl,--enable-stdcall-fixup)
target_link_libraries(sevenzip_module PRIVATE oleaut32)
# 7-Zip's threads and locks are Windows' own, none the run-time's.
use_windows_threads_runtime(sevenzip_module)
set_target_properties(sevenzip_module PROPERTIES
  OUTPUT_NAME 7z${SFX_BITNESS_SUFFIX}
  PREFIX ""
  SUFFIX ".dll"
  LIBRARY_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/sfx
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/sfx)
