// The container of the host's own files (session, registry): an 8-byte magic,
// the payload length, the payload and a checksum, so that a truncated or
// damaged file is refused rather than half-read.
#pragma once

#include <string>

#include "HostConstants.h"

Bytes Seal(const char (&magic)[9], const Bytes& payload);

// Throws HostError("<what>: ...") when the magic, length or checksum is wrong.
Bytes Unseal(const char (&magic)[9], const Bytes& file, const std::string& what);
