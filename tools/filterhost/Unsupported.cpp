#include "Unsupported.h"

namespace {

// Every unimplemented slot returns OSErr, and cdecl lets the caller clean up
// whatever arguments it pushed.
OSErr PI_CDECL NotSupported() { return errPlugInHostInsufficient; }

}  // namespace

GenericProc UnsupportedProc() { return reinterpret_cast<GenericProc>(NotSupported); }
