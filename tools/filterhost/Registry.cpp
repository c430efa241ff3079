#include "Registry.h"

#include <system_error>

#include "ByteIo.h"
#include "FileIo.h"
#include "HostError.h"
#include "Platform.h"
#include "SealedFile.h"

namespace fs = std::filesystem;

namespace {

constexpr char kMagic[9] = "FHREG001";
constexpr size_t kMaxFileSize = 64 << 20;
constexpr size_t kMaxKeyBytes = 4096;

std::string BytesToString(const Bytes& b) { return std::string(b.begin(), b.end()); }

}  // namespace

Registry::Registry(fs::path file) : file_(std::move(file)) {
    std::error_code ec;
    if (file_.empty() || !fs::exists(file_, ec)) return;
    std::string what = "registry file '" + platform::PathToUtf8(file_) + "'";
    Bytes payload = Unseal(kMagic, ReadFile(file_, kMaxFileSize), what);
    ByteReader r(payload, what);
    for (uint32_t count = r.u32(); count > 0; --count) {
        std::string key = BytesToString(r.blob(kMaxKeyBytes));
        entries_[key] = {Descriptor::Parse(r.blob(kMaxFileSize)), true};
    }
    if (r.remaining() != 0) r.fail("unexpected bytes after the entries");
}

bool Registry::put(const std::string& key, const Descriptor& descriptor, bool persistent) {
    auto it = entries_.find(key);
    bool touchesFile = persistent || (it != entries_.end() && it->second.persistent);
    entries_[key] = {descriptor, persistent};
    return touchesFile ? save() : true;
}

bool Registry::erase(const std::string& key) {
    auto it = entries_.find(key);
    if (it == entries_.end()) return true;
    bool touchesFile = it->second.persistent;
    entries_.erase(it);
    return touchesFile ? save() : true;
}

std::optional<Descriptor> Registry::get(const std::string& key) const {
    auto it = entries_.find(key);
    if (it == entries_.end()) return std::nullopt;
    return it->second.descriptor;
}

bool Registry::isPersistent(const std::string& key) const {
    auto it = entries_.find(key);
    return it != entries_.end() && it->second.persistent;
}

bool Registry::save() {
    if (file_.empty()) return true;
    ByteWriter w;
    uint32_t count = 0;
    for (const auto& [key, entry] : entries_) count += entry.persistent ? 1 : 0;
    w.u32(count);
    for (const auto& [key, entry] : entries_) {
        if (!entry.persistent) continue;
        w.blob(Bytes(key.begin(), key.end()));
        w.blob(entry.descriptor.serialize());
    }
    try {
        WriteFileAtomically(file_, Seal(kMagic, w.bytes()));
        saveError_.clear();
        return true;
    } catch (const HostError& e) {
        saveError_ = e.what();
        return false;
    }
}
