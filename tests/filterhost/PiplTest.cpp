#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include "ByteIo.h"
#include "HostError.h"
#include "Pipl.h"

namespace {

struct Property {
    Property(const char* k, Bytes d, std::optional<int32_t> l = std::nullopt) : key(k), data(std::move(d)), length(l) {}
    const char* key;
    Bytes data;
    std::optional<int32_t> length;  // stored instead of the padded size
};

Bytes Text(const char* s, bool pad = true) {
    Bytes b(s, s + std::strlen(s) + 1);
    while (pad && b.size() % 4) b.push_back(0);
    return b;
}

Bytes Build(const std::vector<Property>& props, uint32_t version = 0) {
    ByteWriter w;
    w.raw(reinterpret_cast<const uint8_t*>("\x01\x00"), 2);
    w.u32(version);
    w.u32(uint32_t(props.size()));
    for (const Property& p : props) {
        w.u32(FourCC("8BIM"));
        w.u32(uint32_t(p.key[0]) << 24 | uint32_t(p.key[1]) << 16 | uint32_t(p.key[2]) << 8 | uint32_t(p.key[3]));
        w.u32(0);
        w.u32(uint32_t(p.length.value_or(int32_t(p.data.size()))));
        w.raw(p.data.data(), p.data.size());
    }
    return w.bytes();
}

Bytes KindFilter() { return {'M', 'F', 'B', '8'}; }

std::vector<Property> FilterProperties() {
    return {{"kind", KindFilter()}, {"name", Text("\x0aLinefix...")}, {"wx86", Text("PluginMain")}};
}

TEST(Pipl, FindsKindAndEntryPointStoredLittleEndian) {
    Pipl pipl = Pipl::Parse(Build(FilterProperties()));
    EXPECT_EQ(pipl.kind(), kFilterKind);
    EXPECT_EQ(pipl.entryPoint(FourCC("wx86")), "PluginMain");
    EXPECT_FALSE(pipl.entryPoint(FourCC("8664")).has_value());
    ASSERT_NE(pipl.property(FourCC("name")), nullptr);
    EXPECT_EQ(pipl.property(FourCC("name"))->at(0), 10);
}

TEST(Pipl, AcceptsLengthsThatLeaveOutThePadding) {
    // "PluginMain\0" is 11 bytes; a writer that does not count the padding
    // stores 11 and still pads the data to 12.
    std::vector<Property> props = {{"wx86", Text("PluginMain"), 11}, {"kind", KindFilter()}};
    Pipl pipl = Pipl::Parse(Build(props));
    EXPECT_EQ(pipl.entryPoint(FourCC("wx86")), "PluginMain");
    EXPECT_EQ(pipl.kind(), kFilterKind);
    // Unpadded and last: the list ends right after the 11 bytes.
    Pipl last = Pipl::Parse(Build({{"kind", KindFilter()}, {"wx86", Text("PluginMain", false)}}));
    EXPECT_EQ(last.entryPoint(FourCC("wx86")), "PluginMain");
}

TEST(Pipl, RefusesEveryTruncation) {
    Bytes good = Build(FilterProperties());
    for (size_t cut = 0; cut < good.size(); ++cut) {
        Bytes part(good.begin(), good.begin() + long(cut));
        EXPECT_THROW(Pipl::Parse(part), HostError) << "cut at " << cut;
    }
}

TEST(Pipl, RefusesLengthsAndCountsThatOverrun) {
    std::vector<Property> tooLong = FilterProperties();
    tooLong[1].length = 1000;
    EXPECT_THROW(Pipl::Parse(Build(tooLong)), HostError);

    std::vector<Property> negative = FilterProperties();
    negative[2].length = -8;
    EXPECT_THROW(Pipl::Parse(Build(negative)), HostError);

    Bytes hugeCount = Build(FilterProperties());
    hugeCount[6] = hugeCount[7] = hugeCount[8] = hugeCount[9] = 0xFF;
    EXPECT_THROW(Pipl::Parse(hugeCount), HostError);

    EXPECT_THROW(Pipl::Parse(Build(FilterProperties(), 1)), HostError);
}

TEST(Pipl, ReportsNoEntryForAnEmptyOrMissingName) {
    Pipl pipl = Pipl::Parse(Build({{"kind", {'X', 'X', 'X', 'X'}}, {"wx86", Bytes(4, 0)}}));
    EXPECT_NE(pipl.kind(), kFilterKind);
    EXPECT_FALSE(pipl.entryPoint(FourCC("wx86")).has_value());
    EXPECT_FALSE(Pipl::Parse(Build({})).kind().has_value());
}

}  // namespace
