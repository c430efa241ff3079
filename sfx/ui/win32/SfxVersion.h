// The self-extractor's version, the one place it is written: the version
// block takes its numbers and its text from here.
#pragma once

#define SFX_VERSION_MAJOR 1
#define SFX_VERSION_MINOR 0
#define SFX_VERSION_PATCH 0

#define SFX_VERSION_STRING_(text) #text
#define SFX_VERSION_STRING(text) SFX_VERSION_STRING_(text)
#define SFX_VERSION_TEXT SFX_VERSION_STRING(SFX_VERSION_MAJOR.SFX_VERSION_MINOR.SFX_VERSION_PATCH)
