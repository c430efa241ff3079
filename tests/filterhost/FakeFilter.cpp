#include "FakeFilter.h"

#include <algorithm>

#include "ParamBlocks.h"

namespace {

FilterRecord* gRecord;
int16* gResult;

bool CreateBlocks(intptr_t* data) {
    HandleProcs* h = gRecord->handleProcs;
    if (!gRecord->parameters) gRecord->parameters = h->newProc(sizeof(Parameters));
    if (!*data) *data = reinterpret_cast<intptr_t>(h->newProc(sizeof(PluginData)));
    if (!gRecord->parameters || !*data) {
        *gResult = memFullErr;
        return false;
    }
    reinterpret_cast<Parameters*>(*gRecord->parameters)->wireAreaWidth = kDefaultWireAreaWidth;
    auto* d = reinterpret_cast<PluginData*>(*reinterpret_cast<Handle>(*data));
    d->pointCount = 0;
    return true;
}

void ReadRegistry(Parameters* params) {
    SPBasicSuite* basic = gRecord->sSPBasic;
    const void *reg = nullptr, *desc = nullptr;
    if (!basic || basic->AcquireSuite(kPSDescriptorRegistrySuite, 1, &reg) ||
        basic->AcquireSuite(kPSActionDescriptorSuite, 2, &desc))
        return;
    auto* r = static_cast<const PSDescriptorRegistryProcs*>(reg);
    auto* a = static_cast<const PSActionDescriptorProcs*>(desc);
    PIActionDescriptor stored = nullptr;
    if (r->Get(kPluginUniqueString, &stored) == noErr && stored) {
        a->GetInteger(stored, keyWireAreaWidth, &params->wireAreaWidth);
        a->Free(stored);
    }
    basic->ReleaseSuite(kPSDescriptorRegistrySuite, 1);
    basic->ReleaseSuite(kPSActionDescriptorSuite, 2);
}

void ReadScript(Parameters* params) {
    PIDescriptorParameters* dp = gRecord->descriptorParameters;
    if (!dp || !dp->readDescriptorProcs || !dp->descriptor) return;
    DescriptorKeyID keys[] = {keyWireAreaWidth, 0};
    PIReadDescriptor token = dp->readDescriptorProcs->openReadDescriptorProc(dp->descriptor, keys);
    DescriptorKeyID key;
    DescriptorTypeID type;
    int32 flags;
    while (token && dp->readDescriptorProcs->getKeyProc(token, &key, &type, &flags))
        if (key == keyWireAreaWidth) dp->readDescriptorProcs->getIntegerProc(token, &params->wireAreaWidth);
    if (token) dp->readDescriptorProcs->closeReadDescriptorProc(token);
    gRecord->handleProcs->disposeProc(dp->descriptor);
    dp->descriptor = nullptr;
}

void SetRects(const VRect& r) {
    BigDocumentStruct* big = gRecord->bigDocumentData;
    if (big) big->inRect32 = big->outRect32 = big->maskRect32 = r;
    gRecord->inRect = gRecord->outRect = gRecord->maskRect = {int16(r.top), int16(r.left), int16(r.bottom), int16(r.right)};
}

void Filter(const Parameters& params, const PluginData& d) {
    BufferID scratch = nullptr;
    if (gRecord->bufferProcs->allocateProc(1024, &scratch)) return void(*gResult = memFullErr);
    int32 w = gRecord->imageSize.h, h = gRecord->imageSize.v;
    for (int16 p = 0; p < gRecord->planes && *gResult == noErr; ++p) {
        gRecord->inLoPlane = gRecord->inHiPlane = gRecord->outLoPlane = gRecord->outHiPlane = p;
        SetRects({0, 0, h, w});
        if ((*gResult = gRecord->advanceState()) != noErr) break;
        auto* in = static_cast<uint8*>(gRecord->inData);
        auto* out = static_cast<uint8*>(gRecord->outData);
        for (int32 x = std::min(d.startH, d.endH); x <= std::max(d.startH, d.endH) && x < w; ++x)
            out[d.startV * gRecord->outRowBytes + x] = uint8(255 - in[d.startV * gRecord->inRowBytes + x]);
        if (p == 0) out[0] = uint8(params.wireAreaWidth);
        gRecord->progressProc(p + 1, gRecord->planes);
        if (gRecord->abortProc()) *gResult = userCanceledErr;
    }
    gRecord->bufferProcs->freeProc(scratch);
}

void Start(intptr_t* data) {
    auto* params = reinterpret_cast<Parameters*>(gRecord->handleProcs->lockProc(gRecord->parameters, true));
    auto* d = reinterpret_cast<PluginData*>(gRecord->handleProcs->lockProc(reinterpret_cast<Handle>(*data), true));
    if (!params || !d) return void(*gResult = filterBadParameters);
    ReadRegistry(params);
    ReadScript(params);
    if (params->wireAreaWidth == kFakeFailingWidth) *gResult = filterBadParameters;
    else if (d->pointCount != 2) *gResult = 2;
    else Filter(*params, *d);
}

void WriteRegistry(int32 width) {
    SPBasicSuite* basic = gRecord->sSPBasic;
    const void *reg = nullptr, *desc = nullptr;
    if (!basic || basic->AcquireSuite(kPSDescriptorRegistrySuite, 1, &reg) ||
        basic->AcquireSuite(kPSActionDescriptorSuite, 2, &desc))
        return;
    auto* a = static_cast<const PSActionDescriptorProcs*>(desc);
    PIActionDescriptor d = nullptr;
    if (a->Make(&d) == noErr) {
        a->PutInteger(d, keyWireAreaWidth, width);
        static_cast<const PSDescriptorRegistryProcs*>(reg)->Register(kPluginUniqueString, d, true);
        a->Free(d);
    }
    basic->ReleaseSuite(kPSDescriptorRegistrySuite, 1);
    basic->ReleaseSuite(kPSActionDescriptorSuite, 2);
}

void Finish() {
    int32 width = reinterpret_cast<Parameters*>(*gRecord->parameters)->wireAreaWidth;
    PIDescriptorParameters* dp = gRecord->descriptorParameters;
    if (dp && dp->writeDescriptorProcs) {
        PIWriteDescriptor token = dp->writeDescriptorProcs->openWriteDescriptorProc();
        dp->writeDescriptorProcs->putIntegerProc(token, keyWireAreaWidth, width);
        gRecord->handleProcs->disposeProc(dp->descriptor);
        dp->writeDescriptorProcs->closeWriteDescriptorProc(token, &dp->descriptor);
        dp->recordInfo = plugInDialogOptional;
    }
    WriteRegistry(width);
}

}  // namespace

extern "C" void PluginMain(int16 selector, void* record, intptr_t* data, int16* result) {
    if (selector == filterSelectorAbout) return;
    gRecord = static_cast<FilterRecord*>(record);
    gResult = result;
    switch (selector) {
        case filterSelectorParameters: CreateBlocks(data); break;
        case filterSelectorPrepare:
            if (!gRecord->parameters || !*data) CreateBlocks(data);
            break;
        case filterSelectorStart: Start(data); break;
        case filterSelectorContinue: SetRects({0, 0, 0, 0}); break;
        case filterSelectorFinish: Finish(); break;
        default: break;
    }
}
