#include "Pipl.h"

#include <algorithm>

#include "ByteIo.h"

namespace {

constexpr uint32_t kPiplVersion = 0;
constexpr size_t kRecordHeaderSize = 16;

std::string CString(const Bytes& data) {
    auto end = std::find(data.begin(), data.end(), uint8_t(0));
    return std::string(data.begin(), end);
}

}  // namespace

Pipl Pipl::Parse(const uint8_t* data, size_t size) {
    ByteReader r(data, size, "plug-in property list");
    r.u16();  // lead-in word of Windows resources
    if (r.u32() != kPiplVersion) r.fail("unsupported version");
    uint32_t count = r.u32();
    if (count > r.remaining() / kRecordHeaderSize) r.fail("more properties than the list can hold");
    Pipl pipl;
    for (uint32_t i = 0; i < count; ++i) {
        r.u32();  // vendor
        uint32_t key = r.u32();
        r.u32();  // property id
        int32_t length = r.i32();
        if (length < 0 || size_t(length) > r.remaining()) r.fail("property length runs past the end");
        pipl.properties_.emplace(key, r.raw(size_t(length)));
        // Lengths are normally padded to 4 already; some writers leave the padding out.
        r.skip(std::min<size_t>((4 - size_t(length) % 4) % 4, r.remaining()));
    }
    return pipl;
}

std::optional<uint32_t> Pipl::kind() const {
    const Bytes* data = property(FourCC("kind"));
    if (!data || data->size() < 4) return std::nullopt;
    return ByteReader(*data, "kind").u32();
}

std::optional<std::string> Pipl::entryPoint(uint32_t codeKey) const {
    const Bytes* data = property(codeKey);
    if (!data) return std::nullopt;
    std::string name = CString(*data);
    if (name.empty()) return std::nullopt;
    return name;
}

const Bytes* Pipl::property(uint32_t key) const {
    auto it = properties_.find(key);
    return it == properties_.end() ? nullptr : &it->second;
}

uint32_t NativeCodeProperty() {
#if defined(_M_ARM64) || defined(__aarch64__)
    return FourCC("wa64");
#elif defined(_WIN64) || defined(__x86_64__)
    return FourCC("8664");
#else
    return FourCC("wx86");
#endif
}
