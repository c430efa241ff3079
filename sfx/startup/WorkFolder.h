// The per-run work folder under the system temp folder: "_BRSFX" and a
// number from the system's random source, open to the user alone.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

// Names drawn before the start-up gives up: with 64 random bits a second
// name already taken means somebody is making them on purpose.
constexpr int kMaxWorkFolderDraws = 16;

// The temp path with a "\" added when it lacks one, "_BRSFX", the number in
// sixteen hexadecimal digits and "\".
std::string WorkFolderCandidate(const std::string& tempPath, uint64_t number);

enum class FolderCreation { kCreated, kExists, kFailed };

// Creates a folder that did not exist before under tempPath, drawing another
// name while the drawn one exists, and returns its name. Throws PayloadError
// when a creation fails otherwise or kMaxWorkFolderDraws names all exist.
std::string CreateFreshWorkFolder(const std::string& tempPath, const std::function<uint64_t()>& draw,
                                  const std::function<FolderCreation(const std::string&)>& create);

// The folder's security descriptor in the system's descriptor language,
// nothing inherited from the temp folder: full control for the user whose
// SID is given; when the program runs elevated, for Administrators and
// SYSTEM instead, since every unelevated process of the same user carries
// that SID too.
std::wstring WorkFolderDescriptor(const std::wstring& userSid, bool elevated);
