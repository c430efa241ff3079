#include "DialogTemplate.h"

namespace {

constexpr uint16_t kExtendedSignature = 0xFFFF;
constexpr uint32_t kSetFont = 0x40;

class Reader {
public:
    explicit Reader(const ByteVector& bytes) : bytes_(bytes) {}

    uint16_t u16() {
        need(2);
        const uint16_t v = uint16_t(bytes_[at_] | bytes_[at_ + 1] << 8);
        at_ += 2;
        return v;
    }
    uint32_t u32() { return u16() | uint32_t(u16()) << 16; }
    int16_t i16() { return int16_t(u16()); }
    void skip(size_t n) {
        need(n);
        at_ += n;
    }
    void alignTo4() { skip((4 - at_ % 4) % 4); }

    // A zero-terminated UTF-16 string; only ASCII is expected here.
    std::string text() {
        std::string s;
        for (uint16_t c = u16(); c != 0; c = u16()) s += c < 0x80 ? char(c) : '?';
        return s;
    }
    // A string, or 0xFFFF and an ordinal given as "#n".
    std::string nameOrOrdinal() {
        need(2);
        if (bytes_[at_] == 0xFF && bytes_[at_ + 1] == 0xFF) {
            u16();
            return "#" + std::to_string(u16());
        }
        return text();
    }

private:
    void need(size_t n) const {
        if (at_ + n > bytes_.size()) throw PeError("dialog template ends early");
    }

    const ByteVector& bytes_;
    size_t at_ = 0;
};

DialogControl ReadControl(Reader& r) {
    r.alignTo4();
    DialogControl c{};
    r.u32();  // help identifier
    r.u32();  // extended style
    c.style = r.u32();
    c.x = r.i16();
    c.y = r.i16();
    c.cx = r.i16();
    c.cy = r.i16();
    c.id = r.u32();
    c.windowClass = r.nameOrOrdinal();
    r.nameOrOrdinal();  // title
    r.skip(r.u16());    // creation data
    return c;
}

}  // namespace

DialogTemplate ParseDialogTemplate(const ByteVector& bytes) {
    Reader r(bytes);
    DialogTemplate d{};
    if (r.u16() != 1 || r.u16() != kExtendedSignature) throw PeError("not an extended dialog template");
    r.u32();  // help identifier
    r.u32();  // extended style
    d.style = r.u32();
    const uint16_t count = r.u16();
    d.x = r.i16();
    d.y = r.i16();
    d.cx = r.i16();
    d.cy = r.i16();
    r.nameOrOrdinal();  // menu
    r.nameOrOrdinal();  // window class
    d.caption = r.text();
    if (d.style & kSetFont) {
        d.pointSize = r.u16();
        r.u16();   // weight
        r.skip(2);  // italic, character set
        d.font = r.text();
    }
    for (uint16_t i = 0; i < count; ++i) d.controls.push_back(ReadControl(r));
    return d;
}
