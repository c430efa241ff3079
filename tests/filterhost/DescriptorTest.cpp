// Scripting descriptors, the basic suite, the action descriptor and registry
// suites, and the registry's persistence across host restarts.
#include <gtest/gtest.h>

#include "FileIo.h"
#include "HostError.h"
#include "ParamBlocks.h"
#include "TestSupport.h"

namespace {

constexpr DescriptorKeyID kForeign = FourCC("fore");
constexpr DescriptorTypeID kTypeFloat = FourCC("doub");

Descriptor WidthAndForeign(int32_t width) {
    Descriptor d;
    d.putInteger(keyWireAreaWidth, width);
    d.put(kForeign, kTypeFloat, Bytes(8, 0x3F));
    return d;
}

TEST(Descriptor, RoundTripsKeysInOrderAndRefusesDamage) {
    Descriptor d = WidthAndForeign(80);
    d.putInteger(keyWireAreaWidth, 81);  // replaces in place
    Descriptor back = Descriptor::Parse(d.serialize());
    EXPECT_EQ(back, d);
    ASSERT_EQ(back.entries().size(), 2u);
    EXPECT_EQ(back.entries()[0].key, keyWireAreaWidth);
    EXPECT_EQ(back.integer(keyWireAreaWidth), 81);
    EXPECT_FALSE(back.integer(kForeign).has_value()) << "not an integer";

    Bytes bytes = d.serialize();
    for (size_t cut = 0; cut < bytes.size(); ++cut)
        EXPECT_THROW(Descriptor::Parse(Bytes(bytes.begin(), bytes.begin() + long(cut))), HostError);
    bytes.push_back(0);
    EXPECT_THROW(Descriptor::Parse(bytes), HostError);
}

TEST(DescriptorProcs, ReadsEveryKeyAndKeepsTheFirstError) {
    Host host(PatternImage(4, 4, 3));
    host.setScript(WidthAndForeign(80), plugInDialogDontDisplay);
    InsidePluginCall(host, [](FilterRecord& rec) {
        PIDescriptorParameters* dp = rec.descriptorParameters;
        ASSERT_NE(dp, nullptr);
        EXPECT_EQ(dp->playInfo, plugInDialogDontDisplay);
        ReadDescriptorProcs* r = dp->readDescriptorProcs;
        DescriptorKeyID keys[] = {kForeign, keyWireAreaWidth, 0};
        PIReadDescriptor token = r->openReadDescriptorProc(dp->descriptor, keys);
        ASSERT_NE(token, nullptr);
        DescriptorKeyID key = 0;
        DescriptorTypeID type = 0;
        int32 flags = -1, value = 0;
        ASSERT_TRUE(r->getKeyProc(token, &key, &type, &flags));
        EXPECT_EQ(key, keyWireAreaWidth);
        EXPECT_EQ(type, typeInteger);
        EXPECT_EQ(r->getIntegerProc(token, &value), noErr);
        EXPECT_EQ(value, 80);
        EXPECT_EQ(keys[1], 0u) << "a returned key is cleared in the plug-in's list";
        ASSERT_TRUE(r->getKeyProc(token, &key, &type, &flags));
        EXPECT_EQ(key, kForeign);
        EXPECT_EQ(keys[0], 0u) << "found although an earlier slot was cleared";
        EXPECT_EQ(r->getIntegerProc(token, &value), paramErr);
        EXPECT_FALSE(r->getKeyProc(token, &key, &type, &flags));
        EXPECT_EQ(r->closeReadDescriptorProc(token), paramErr);
        EXPECT_EQ(r->closeReadDescriptorProc(token), paramErr) << "a closed token is unknown";
        auto getFloat = reinterpret_cast<OSErr(PI_CDECL*)(PIReadDescriptor, double*)>(r->others[0]);
        double f = 0;
        EXPECT_EQ(getFloat(token, &f), errPlugInHostInsufficient);
        EXPECT_EQ(r->openReadDescriptorProc(nullptr, nullptr), nullptr);
    });
    EXPECT_EQ(host.descriptorProcs().openTokens(), 0u);
}

TEST(DescriptorProcs, WrittenDescriptorIsWhatTheHostRecords) {
    Host host(PatternImage(4, 4, 1));
    InsidePluginCall(host, [](FilterRecord& rec) {
        PIDescriptorParameters* dp = rec.descriptorParameters;
        WriteDescriptorProcs* w = dp->writeDescriptorProcs;
        PIWriteDescriptor token = w->openWriteDescriptorProc();
        EXPECT_EQ(w->putIntegerProc(token, keyWireAreaWidth, 120), noErr);
        EXPECT_EQ(w->putIntegerProc(token, kForeign, 7), noErr);
        rec.handleProcs->disposeProc(dp->descriptor);
        EXPECT_EQ(w->closeWriteDescriptorProc(token, &dp->descriptor), noErr);
        dp->recordInfo = plugInDialogNone;
        EXPECT_EQ(w->putIntegerProc(token, kForeign, 1), paramErr) << "closed";
    });
    std::optional<Descriptor> recorded = host.recordedDescriptor();
    ASSERT_TRUE(recorded.has_value());
    EXPECT_EQ(recorded->integer(keyWireAreaWidth), 120);
    EXPECT_EQ(recorded->integer(kForeign), 7);
    EXPECT_EQ(host.recordInfo(), plugInDialogNone);
}

TEST(HostOptions, LeaveOutWhatAHostMayNotOffer) {
    HostOptions options;
    options.bigDocument = options.basicSuite = options.descriptorProcs = false;
    options.hostSig = FourCC("8BIM");
    Host bare(PatternImage(4, 4, 1), options);
    EXPECT_EQ(bare.record().bigDocumentData, nullptr);
    EXPECT_EQ(bare.record().sSPBasic, nullptr);
    ASSERT_NE(bare.record().descriptorParameters, nullptr);
    EXPECT_EQ(bare.record().descriptorParameters->readDescriptorProcs, nullptr);
    EXPECT_EQ(bare.record().hostSig, FourCC("8BIM"));
    EXPECT_EQ(bare.record().imageMode, plugInModeGrayScale);
    options.descriptorParameters = false;
    EXPECT_EQ(Host(PatternImage(4, 4, 1), options).record().descriptorParameters, nullptr);
    EXPECT_THROW(Host(PatternImage(40000, 1, 1), options), HostError) << "too wide for 16-bit rectangles";
}

TEST(BasicSuite, AcquiresKnownSuitesByNameAndVersionOnly) {
    Host host(PatternImage(4, 4, 1));
    InsidePluginCall(host, [](FilterRecord& rec) {
        SPBasicSuite* sp = rec.sSPBasic;
        const void* suite = nullptr;
        EXPECT_EQ(sp->AcquireSuite(kPSDescriptorRegistrySuite, 1, &suite), kSPNoError);
        EXPECT_NE(suite, nullptr);
        EXPECT_EQ(sp->AcquireSuite(kPSActionDescriptorSuite, 2, &suite), kSPNoError);
        EXPECT_EQ(sp->AcquireSuite(kPSActionDescriptorSuite, 3, &suite), kSPSuiteNotFoundError);
        EXPECT_EQ(sp->AcquireSuite(kPSGetFileListSuite, 3, &suite), kSPSuiteNotFoundError);
        EXPECT_EQ(sp->AcquireSuite(kPSGetFileListSuite, kPSGetFileListSuiteVersion, &suite), kSPNoError);
        EXPECT_EQ(sp->ReleaseSuite(kPSGetFileListSuite, kPSGetFileListSuiteVersion), kSPNoError);
        EXPECT_EQ(sp->ReleaseSuite(kPSDescriptorRegistrySuite, 1), kSPNoError);
        EXPECT_EQ(sp->ReleaseSuite(kPSActionDescriptorSuite, 2), kSPNoError);
        EXPECT_EQ(sp->ReleaseSuite("no such suite", 1), kSPSuiteNotFoundError);
        void* block = nullptr;
        EXPECT_EQ(sp->AllocateBlock(10, &block), kSPNoError);
        EXPECT_EQ(sp->ReallocateBlock(block, 100, &block), kSPNoError);
        EXPECT_EQ(sp->FreeBlock(block), kSPNoError);
        EXPECT_EQ(sp->FreeBlock(block), kSPBadParameterError);
        EXPECT_TRUE(sp->IsEqual("a", "a"));
        EXPECT_FALSE(sp->IsEqual("a", nullptr));
    });
    EXPECT_EQ(host.basicSuite().outstanding(), 0);
}

// Acquires both suites for the body, as a plug-in does.
void WithSuites(FilterRecord& rec,
                const std::function<void(const PSDescriptorRegistryProcs&, const PSActionDescriptorProcs&)>& body) {
    const void *reg = nullptr, *desc = nullptr;
    ASSERT_EQ(rec.sSPBasic->AcquireSuite(kPSDescriptorRegistrySuite, 1, &reg), kSPNoError);
    ASSERT_EQ(rec.sSPBasic->AcquireSuite(kPSActionDescriptorSuite, 2, &desc), kSPNoError);
    body(*static_cast<const PSDescriptorRegistryProcs*>(reg), *static_cast<const PSActionDescriptorProcs*>(desc));
    rec.sSPBasic->ReleaseSuite(kPSDescriptorRegistrySuite, 1);
    rec.sSPBasic->ReleaseSuite(kPSActionDescriptorSuite, 2);
}

TEST(ActionDescriptors, MakePutGetFreeAndErrorsForTheRest) {
    Host host(PatternImage(4, 4, 1));
    InsidePluginCall(host, [](FilterRecord& rec) {
        WithSuites(rec, [](const PSDescriptorRegistryProcs&, const PSActionDescriptorProcs& a) {
            PIActionDescriptor d = nullptr;
            ASSERT_EQ(a.Make(&d), noErr);
            int32 value = 0;
            EXPECT_EQ(a.GetInteger(d, keyWireAreaWidth, &value), errMissingParameter);
            EXPECT_EQ(a.PutInteger(d, keyWireAreaWidth, 77), noErr);
            EXPECT_EQ(a.GetInteger(d, keyWireAreaWidth, &value), noErr);
            EXPECT_EQ(value, 77);
            auto getCount = reinterpret_cast<OSErr(PI_CDECL*)(PIActionDescriptor, uint32*)>(a.slots2to8[3]);
            uint32 count = 0;
            EXPECT_EQ(getCount(d, &count), errPlugInHostInsufficient);
            EXPECT_EQ(a.Free(d), noErr);
            EXPECT_EQ(a.Free(d), paramErr);
            EXPECT_EQ(a.PutInteger(d, keyWireAreaWidth, 1), paramErr);
        });
    });
    EXPECT_EQ(host.actionDescriptors().liveCount(), 0u);
}

// Registers width under the plug-in's key (persistent) and under "session"
// (not persistent).
void RegisterBoth(Host& host, int32_t width) {
    InsidePluginCall(host, [&](FilterRecord& rec) {
        WithSuites(rec, [&](const PSDescriptorRegistryProcs& r, const PSActionDescriptorProcs& a) {
            PIActionDescriptor d = nullptr;
            ASSERT_EQ(a.Make(&d), noErr);
            a.PutInteger(d, keyWireAreaWidth, width);
            EXPECT_EQ(r.Register(kPluginUniqueString, d, true), noErr);
            EXPECT_EQ(r.Register("session", d, false), noErr);
            a.Free(d);
        });
    });
}

// The width stored under key, or nothing when Get gives no descriptor.
std::optional<int32_t> Lookup(Host& host, const char* key) {
    std::optional<int32_t> width;
    InsidePluginCall(host, [&](FilterRecord& rec) {
        WithSuites(rec, [&](const PSDescriptorRegistryProcs& r, const PSActionDescriptorProcs& a) {
            PIActionDescriptor d = nullptr;
            ASSERT_EQ(r.Get(key, &d), noErr);
            int32 value = 0;
            if (d && a.GetInteger(d, keyWireAreaWidth, &value) == noErr) width = value;
            if (d) a.Free(d);
        });
    });
    return width;
}

TEST(Registry, PersistentEntriesSurviveAHostRestartOthersDoNot) {
    TempDir dir;
    HostOptions options;
    options.registryFile = dir / "registry";
    {
        Host first(PatternImage(4, 4, 1), options);
        RegisterBoth(first, 80);
        EXPECT_EQ(Lookup(first, "session"), 80);
        EXPECT_EQ(first.actionDescriptors().liveCount(), 0u) << "Get hands out a copy the caller freed";
    }
    Host second(PatternImage(4, 4, 1), options);
    EXPECT_EQ(Lookup(second, kPluginUniqueString), 80);
    EXPECT_FALSE(Lookup(second, "session").has_value());
    InsidePluginCall(second, [](FilterRecord& rec) {
        WithSuites(rec, [](const PSDescriptorRegistryProcs& r, const PSActionDescriptorProcs&) {
            EXPECT_EQ(r.Erase(kPluginUniqueString), noErr);
            EXPECT_EQ(r.Register(nullptr, nullptr, true), paramErr);
        });
    });
    Host third(PatternImage(4, 4, 1), options);
    EXPECT_FALSE(Lookup(third, kPluginUniqueString).has_value());
}

TEST(Registry, DamagedFileIsRefusedAndNotOverwritten) {
    TempDir dir;
    HostOptions options;
    options.registryFile = dir / "registry";
    {
        Host host(PatternImage(4, 4, 1), options);
        RegisterBoth(host, 80);
    }
    FlipByte(options.registryFile, 20);
    Bytes before = ReadFile(options.registryFile, 1 << 20);
    EXPECT_THROW(Host(PatternImage(4, 4, 1), options), HostError);
    EXPECT_EQ(ReadFile(options.registryFile, 1 << 20), before);
}

}  // namespace
