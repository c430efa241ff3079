#include "VersionInfo.h"

namespace {

constexpr size_t kNodeHeader = 6;  // wLength, wValueLength, wType

size_t Align4(size_t offset) { return (offset + 3) & ~size_t(3); }

class Parser {
public:
    explicit Parser(const ByteVector& block) : block_(block) {}

    // The node at start, which must end by end; next is where the node ends.
    VersionNode node(size_t start, size_t end, size_t& next) const {
        const size_t length = u16(start, end);
        if (length < kNodeHeader || start + length > end) throw PeError("version node length out of bounds");
        const size_t nodeEnd = start + length;
        const uint16_t valueLength = u16(start + 2, nodeEnd);
        VersionNode result;
        result.text = u16(start + 4, nodeEnd) == 1;
        size_t p = start + kNodeHeader;
        for (uint16_t c; (c = u16(p, nodeEnd)) != 0; p += 2) result.key += char(c);
        p = Align4(p + 2);
        const size_t valueBytes = result.text ? size_t(valueLength) * 2 : valueLength;
        if (p + valueBytes > nodeEnd) throw PeError("version value runs past its node");
        result.value.assign(block_.begin() + p, block_.begin() + p + valueBytes);
        for (p = Align4(p + valueBytes); p < nodeEnd; p = Align4(p)) result.children.push_back(node(p, nodeEnd, p));
        next = nodeEnd;
        return result;
    }

private:
    uint16_t u16(size_t offset, size_t end) const {
        if (offset + 2 > end || offset + 2 > block_.size()) throw PeError("version block cut short");
        return uint16_t(block_[offset] | block_[offset + 1] << 8);
    }

    const ByteVector& block_;
};

uint32_t U32(const ByteVector& v, size_t offset) {
    return uint32_t(v[offset]) | uint32_t(v[offset + 1]) << 8 | uint32_t(v[offset + 2]) << 16 |
           uint32_t(v[offset + 3]) << 24;
}

}  // namespace

const VersionNode* VersionNode::child(const std::string& name) const {
    for (const VersionNode& c : children)
        if (c.key == name) return &c;
    return nullptr;
}

std::string VersionNode::textValue() const {
    std::string s;
    for (size_t i = 0; i + 1 < value.size(); i += 2) {
        const uint16_t c = uint16_t(value[i] | value[i + 1] << 8);
        if (c == 0) break;
        s += char(c);
    }
    return s;
}

VersionNode ParseVersionInfo(const ByteVector& block) {
    size_t end = 0;
    return Parser(block).node(0, block.size(), end);
}

FixedFileInfo ParseFixedFileInfo(const ByteVector& value) {
    if (value.size() < 52) throw PeError("fixed file information cut short");
    return {U32(value, 0), U32(value, 8), U32(value, 12), U32(value, 36)};
}
