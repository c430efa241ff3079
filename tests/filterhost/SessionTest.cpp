#include <gtest/gtest.h>

#include "FileIo.h"
#include "HostError.h"
#include "Session.h"
#include "TestSupport.h"

namespace {

Session Sample(bool withDescriptor) {
    Session s{{50, 0, 0, 0}, Bytes(80, 7), std::nullopt};
    if (withDescriptor) {
        s.descriptor = Descriptor{};
        s.descriptor->putInteger(FourCC("wawi"), 90);
    }
    return s;
}

TEST(Session, RoundTripsWithAndWithoutARecordedDescriptor) {
    TempDir dir;
    for (bool withDescriptor : {true, false}) {
        SaveSession(dir / "s", Sample(withDescriptor));
        EXPECT_EQ(LoadSession(dir / "s"), Sample(withDescriptor));
    }
}

TEST(Session, RefusesTruncatedDamagedAndForeignFiles) {
    TempDir dir;
    SaveSession(dir / "s", Sample(true));
    Bytes good = ReadFile(dir / "s", 1 << 20);
    for (size_t cut = 0; cut < good.size(); ++cut) {
        WriteFileAtomically(dir / "cut", Bytes(good.begin(), good.begin() + long(cut)));
        EXPECT_THROW(LoadSession(dir / "cut"), HostError) << "cut at " << cut;
    }
    for (size_t at : {size_t(0), size_t(12), good.size() - 1}) {
        WriteFileAtomically(dir / "bad", good);
        FlipByte(dir / "bad", at);
        EXPECT_THROW(LoadSession(dir / "bad"), HostError) << "byte " << at;
    }
    Bytes longer = good;
    longer.push_back(0);
    WriteFileAtomically(dir / "long", longer);
    EXPECT_THROW(LoadSession(dir / "long"), HostError);
    EXPECT_THROW(LoadSession(dir / "missing"), HostError);
}

TEST(Session, MessageNamesTheFile) {
    TempDir dir;
    WriteFileAtomically(dir / "junk", Bytes(40, 'x'));
    try {
        LoadSession(dir / "junk");
        FAIL();
    } catch (const HostError& e) {
        EXPECT_NE(std::string(e.what()).find("junk"), std::string::npos) << e.what();
    }
}

}  // namespace
