// The 832-byte settings block that follows the language blocks in the payload.
// It is read in one piece and used in place; the command line changes it before
// any window exists. Strings are length-prefixed (one length byte, then that
// many ANSI characters); a field's capacity is its size minus one.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#pragma pack(push, 1)
struct SfxSettings {
    uint8_t signature[4];       // 0x03 "BSZ"
    uint8_t archiveLabel[256];  // the builder's label; not read by the program
    uint8_t destinationMode;    // 0 destination or current dir, 1 temp, 2 program files
    uint8_t destination[256];
    uint8_t overwriteMode;  // 0 overwrite, 1 skip, 2 ask
    uint8_t title[101];
    uint8_t runCommand[101];
    uint8_t hideOverwriteChoice;
    uint8_t testFirst;  // 1 = the selected items are tested before any is written
    uint8_t reserved[101];
    uint8_t autoExtract;
    uint32_t showDoneMessage;
    uint32_t hideFileList;
};
#pragma pack(pop)

static_assert(sizeof(SfxSettings) == 832);
static_assert(offsetof(SfxSettings, archiveLabel) == 4);
static_assert(offsetof(SfxSettings, destinationMode) == 260);
static_assert(offsetof(SfxSettings, destination) == 261);
static_assert(offsetof(SfxSettings, overwriteMode) == 517);
static_assert(offsetof(SfxSettings, title) == 518);
static_assert(offsetof(SfxSettings, runCommand) == 619);
static_assert(offsetof(SfxSettings, hideOverwriteChoice) == 720);
static_assert(offsetof(SfxSettings, testFirst) == 721);
static_assert(offsetof(SfxSettings, reserved) == 722);
static_assert(offsetof(SfxSettings, autoExtract) == 823);
static_assert(offsetof(SfxSettings, showDoneMessage) == 824);
static_assert(offsetof(SfxSettings, hideFileList) == 828);

constexpr uint8_t kSettingsSignature[4] = {0x03, 'B', 'S', 'Z'};
constexpr char kDefaultTitle[] = "Brindlepacker SFX";
constexpr wchar_t kDefaultCaption[] = L"Brindlepacker SFX";  // the same, for the wide boxes

enum OverwriteMode : uint8_t { kOverwriteAll = 0, kSkipExisting = 1, kAskEach = 2 };

// A stored string; a length byte beyond the capacity (a damaged block) reads
// only up to the capacity.
template <size_t N>
std::string ReadSetting(const uint8_t (&field)[N]) {
    const size_t length = field[0] < N - 1 ? field[0] : N - 1;
    return std::string(reinterpret_cast<const char*>(field + 1), length);
}

// Stores text cut to the capacity; the bytes after it become zero.
template <size_t N>
void WriteSetting(uint8_t (&field)[N], std::string_view text) {
    const size_t length = text.size() < N - 1 ? text.size() : N - 1;
    field[0] = uint8_t(length);
    for (size_t i = 1; i < N; ++i) field[i] = i <= length ? uint8_t(text[i - 1]) : 0;
}

template <size_t N>
constexpr size_t SettingCapacity(const uint8_t (&)[N]) {
    return N - 1;
}

bool HasSettingsSignature(const SfxSettings& settings);
// Step 10 of the start-up: an empty title becomes "Brindlepacker SFX".
void ApplyDefaultTitle(SfxSettings& settings);
