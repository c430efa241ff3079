// Our declarations of the filter plug-in host interface: the records, callback
// suites and constants that pass between a host and a filter. Layouts follow the
// host's Windows packing: FilterRecord and BigDocumentStruct are packed to 4,
// everything else has natural alignment. The static_asserts pin the offsets we
// depend on for i686 and x64 (the two DLLs; the native tests have the x64 layout).
#pragma once

#include <cstddef>
#include <cstdint>

#if defined(_WIN32) && !defined(_WIN64)
#define PI_CDECL __cdecl
#else
#define PI_CDECL
#endif

using int8 = int8_t;
using int16 = int16_t;
using int32 = int32_t;
using int64 = int64_t;
using uint8 = uint8_t;
using uint16 = uint16_t;
using uint32 = uint32_t;

using Boolean = unsigned char;  // one byte, not the Windows BOOL
using Fixed = int32;            // 16.16
using OSType = uint32;
using OSErr = int16;
using SPErr = int32;
using Ptr = char*;
using Handle = char**;
using BufferID = struct PSBuffer*;
using DescriptorKeyID = uint32;
using DescriptorTypeID = uint32;
using PIDescriptorHandle = Handle;
using PIReadDescriptor = struct PIOpaqueReadDescriptor*;
using PIWriteDescriptor = struct PIOpaqueWriteDescriptor*;
using PIActionDescriptor = struct PIOpaqueActionDescriptor*;

// A four-character code as the host reads it: the first letter in the high byte.
constexpr uint32 FourCC(const char (&s)[5]) {
    return (uint32(uint8(s[0])) << 24) | (uint32(uint8(s[1])) << 16) | (uint32(uint8(s[2])) << 8) |
           uint32(uint8(s[3]));
}

struct Point16 {
    int16 v, h;
};
struct Rect16 {
    int16 top, left, bottom, right;
};
struct VPoint {
    int32 v, h;
};
struct VRect {
    int32 top, left, bottom, right;
};
struct PSRGBColor {
    uint16 red, green, blue;
};
struct PlugInMonitor {
    Fixed gamma, redX, redY, greenX, greenY, blueX, blueY, whiteX, whiteY, ambient;
};
struct PlatformData {
    intptr_t hwnd;
};

// ---- callback types -------------------------------------------------------
using TestAbortProc = Boolean(PI_CDECL*)();
using ProgressProc = void(PI_CDECL*)(int32 done, int32 total);
using HostProc = void(PI_CDECL*)(int16 selector, intptr_t* data);
using ProcessEventProc = void(PI_CDECL*)(void* event);
struct PSPixelMap;
using DisplayPixelsProc = OSErr(PI_CDECL*)(const PSPixelMap* source, const VRect* srcRect, int32 dstRow,
                                           int32 dstCol, void* platformContext);
using AdvanceStateProc = OSErr(PI_CDECL*)();
using GenericProc = void(PI_CDECL*)();  // a slot we never call

using NewPIHandleProc = Handle(PI_CDECL*)(int32 size);
using DisposePIHandleProc = void(PI_CDECL*)(Handle h);
using GetPIHandleSizeProc = int32(PI_CDECL*)(Handle h);
using SetPIHandleSizeProc = OSErr(PI_CDECL*)(Handle h, int32 newSize);
using LockPIHandleProc = Ptr(PI_CDECL*)(Handle h, Boolean moveHigh);
using UnlockPIHandleProc = void(PI_CDECL*)(Handle h);
using RecoverSpaceProc = void(PI_CDECL*)(int32 size);
using DisposeRegularHandlePIHandleProc = void(PI_CDECL*)(Handle h);

using AllocateBufferProc = OSErr(PI_CDECL*)(int32 size, BufferID* bufferID);
using LockBufferProc = Ptr(PI_CDECL*)(BufferID bufferID, Boolean moveHigh);
using UnlockBufferProc = void(PI_CDECL*)(BufferID bufferID);
using FreeBufferProc = void(PI_CDECL*)(BufferID bufferID);
using BufferSpaceProc = int32(PI_CDECL*)();
using ReserveSpaceProc = OSErr(PI_CDECL*)(int32 size);
using AllocateBufferProc64 = OSErr(PI_CDECL*)(int64 size, BufferID* bufferID);
using BufferSpaceProc64 = int64(PI_CDECL*)();

struct HandleProcs {
    int16 handleProcsVersion;
    int16 numHandleProcs;
    NewPIHandleProc newProc;
    DisposePIHandleProc disposeProc;
    GetPIHandleSizeProc getSizeProc;
    SetPIHandleSizeProc setSizeProc;
    LockPIHandleProc lockProc;
    UnlockPIHandleProc unlockProc;
    RecoverSpaceProc recoverSpaceProc;
    DisposeRegularHandlePIHandleProc disposeRegularHandleProc;
};

struct BufferProcs {
    int16 bufferProcsVersion;
    int16 numBufferProcs;
    AllocateBufferProc allocateProc;
    LockBufferProc lockProc;
    UnlockBufferProc unlockProc;
    FreeBufferProc freeProc;
    BufferSpaceProc spaceProc;
    ReserveSpaceProc reserveProc;
    AllocateBufferProc64 allocateProc64;
    BufferSpaceProc64 spaceProc64;
};

// ---- scripting descriptor procedures --------------------------------------
using OpenWriteDescriptorProc = PIWriteDescriptor(PI_CDECL*)();
using CloseWriteDescriptorProc = OSErr(PI_CDECL*)(PIWriteDescriptor, PIDescriptorHandle*);
using PutIntegerProc = OSErr(PI_CDECL*)(PIWriteDescriptor, DescriptorKeyID, int32);

struct WriteDescriptorProcs {
    int16 writeDescriptorProcsVersion;
    int16 numWriteDescriptorProcs;
    OpenWriteDescriptorProc openWriteDescriptorProc;
    CloseWriteDescriptorProc closeWriteDescriptorProc;
    PutIntegerProc putIntegerProc;
    GenericProc others[13];  // putFloat .. putScopedObject
};

using OpenReadDescriptorProc = PIReadDescriptor(PI_CDECL*)(PIDescriptorHandle, DescriptorKeyID* keys);
using CloseReadDescriptorProc = OSErr(PI_CDECL*)(PIReadDescriptor);
using GetKeyProc = Boolean(PI_CDECL*)(PIReadDescriptor, DescriptorKeyID* key, DescriptorTypeID* type,
                                      int32* flags);
using GetIntegerProc = OSErr(PI_CDECL*)(PIReadDescriptor, int32*);

struct ReadDescriptorProcs {
    int16 readDescriptorProcsVersion;
    int16 numReadDescriptorProcs;
    OpenReadDescriptorProc openReadDescriptorProc;
    CloseReadDescriptorProc closeReadDescriptorProc;
    GetKeyProc getKeyProc;
    GetIntegerProc getIntegerProc;
    GenericProc others[14];  // getFloat .. getPinnedUnitFloat
};

struct PIDescriptorParameters {
    int16 descriptorParametersVersion;
    int16 playInfo;    // int16 here although the option enums are 32-bit
    int16 recordInfo;
    PIDescriptorHandle descriptor;
    WriteDescriptorProcs* writeDescriptorProcs;
    ReadDescriptorProcs* readDescriptorProcs;
};

enum : int16 { plugInDialogDontDisplay = 0, plugInDialogDisplay = 1, plugInDialogSilent = 2 };
enum : int16 { plugInDialogOptional = 0, plugInDialogRequired = 1, plugInDialogNone = 2 };

// ---- PICA basic suite and the suites reached through it -------------------
struct SPBasicSuite {
    SPErr(PI_CDECL* AcquireSuite)(const char* name, int32 version, const void** suite);
    SPErr(PI_CDECL* ReleaseSuite)(const char* name, int32 version);
    int32(PI_CDECL* IsEqual)(const char* token1, const char* token2);
    SPErr(PI_CDECL* AllocateBlock)(size_t size, void** block);
    SPErr(PI_CDECL* FreeBlock)(void* block);
    SPErr(PI_CDECL* ReallocateBlock)(void* block, size_t newSize, void** newBlock);
    SPErr(PI_CDECL* Undefined)();
};

constexpr const char* kPSDescriptorRegistrySuite = "61e608b0-40fd-11d1-8da3-00c04fd5f7ee";
constexpr int32 kPSDescriptorRegistrySuiteVersion = 1;
constexpr const char* kPSActionDescriptorSuite = "df135115-c769-11d0-8079-00c04fd7ec47";
constexpr int32 kPSActionDescriptorSuiteVersion2 = 2;
constexpr const char* kPSGetFileListSuite = "Photoshop GetFileList Suite for Plug-ins";
constexpr int32 kPSGetFileListSuiteVersion = 4;

struct PSDescriptorRegistryProcs {
    OSErr(PI_CDECL* Register)(const char* key, PIActionDescriptor descriptor, Boolean isPersistent);
    OSErr(PI_CDECL* Erase)(const char* key);
    OSErr(PI_CDECL* Get)(const char* key, PIActionDescriptor* descriptor);
};

// Version 2 of the action descriptor suite: 46 entries, of which we name the
// ones we call. The rest are slots in the table.
struct PSActionDescriptorProcs {
    OSErr(PI_CDECL* Make)(PIActionDescriptor* descriptor);
    OSErr(PI_CDECL* Free)(PIActionDescriptor descriptor);
    GenericProc slots2to8[7];
    OSErr(PI_CDECL* PutInteger)(PIActionDescriptor descriptor, DescriptorKeyID key, int32 value);
    GenericProc slots10to21[12];
    OSErr(PI_CDECL* GetInteger)(PIActionDescriptor descriptor, DescriptorKeyID key, int32* value);
    GenericProc slots23to45[23];
};

struct PSGetFileListSuite4 {
    GenericProc GetFileHandleList;
    GenericProc GetBrowserNameList;
    GenericProc BrowseUrlWithIndexBrowser;
    SPErr(PI_CDECL* BrowseUrl)(const char* url);
    GenericProc rest[5];
};

// ---- pixel map for displayPixels ------------------------------------------
struct PSPixelMask {
    PSPixelMask* next;
    void* maskData;
    int32 rowBytes;
    int32 colBytes;
    int32 maskDescription;
};

struct PSPixelMap {
    int32 version;
    VRect bounds;
    int32 imageMode;
    int32 rowBytes;
    int32 colBytes;
    int32 planeBytes;
    void* baseAddr;
    PSPixelMask* mat;
    PSPixelMask* masks;
    int32 maskPhaseRow;
    int32 maskPhaseCol;
};

// ---- parameter blocks -----------------------------------------------------
#pragma pack(push, 4)
struct BigDocumentStruct {
    int32 PluginUsing32BitCoordinates;
    VPoint imageSize32;
    VRect filterRect32;
    VRect inRect32;
    VRect outRect32;
    VRect maskRect32;
    VPoint floatCoord32;
    VPoint wholeSize32;
};

struct FilterRecord {
    int32 serialNumber;
    TestAbortProc abortProc;
    ProgressProc progressProc;
    Handle parameters;
    Point16 imageSize;
    int16 planes;
    Rect16 filterRect;
    PSRGBColor background;
    PSRGBColor foreground;
    int32 maxSpace;
    int32 bufferSpace;
    Rect16 inRect;
    int16 inLoPlane;
    int16 inHiPlane;
    Rect16 outRect;
    int16 outLoPlane;
    int16 outHiPlane;
    void* inData;
    int32 inRowBytes;
    void* outData;
    int32 outRowBytes;
    Boolean isFloating;
    Boolean haveMask;
    Boolean autoMask;
    Rect16 maskRect;
    void* maskData;
    int32 maskRowBytes;
    uint8 backColor[4];
    uint8 foreColor[4];
    OSType hostSig;
    HostProc hostProc;
    int16 imageMode;
    Fixed imageHRes;
    Fixed imageVRes;
    Point16 floatCoord;
    Point16 wholeSize;
    PlugInMonitor monitor;
    void* platformData;
    BufferProcs* bufferProcs;
    void* resourceProcs;
    ProcessEventProc processEvent;
    DisplayPixelsProc displayPixels;
    HandleProcs* handleProcs;
    Boolean supportsDummyChannels;
    Boolean supportsAlternateLayouts;
    int16 wantLayout;
    int16 filterCase;
    int16 dummyPlaneValue;
    void* premiereHook;
    AdvanceStateProc advanceState;
    Boolean supportsAbsolute;
    Boolean wantsAbsolute;
    GenericProc getPropertyObsolete;
    Boolean cannotUndo;
    Boolean supportsPadding;
    int16 inputPadding;
    int16 outputPadding;
    int16 maskPadding;
    char samplingSupport;
    char reservedByte;
    Fixed inputRate;
    Fixed maskRate;
    GenericProc colorServices;
    int16 inLayerPlanes;
    int16 inTransparencyMask;
    int16 inLayerMasks;
    int16 inInvertedLayerMasks;
    int16 inNonLayerPlanes;
    int16 outLayerPlanes;
    int16 outTransparencyMask;
    int16 outLayerMasks;
    int16 outInvertedLayerMasks;
    int16 outNonLayerPlanes;
    int16 absLayerPlanes;
    int16 absTransparencyMask;
    int16 absLayerMasks;
    int16 absInvertedLayerMasks;
    int16 absNonLayerPlanes;
    int16 inPreDummyPlanes;
    int16 inPostDummyPlanes;
    int16 outPreDummyPlanes;
    int16 outPostDummyPlanes;
    int32 inColumnBytes;
    int32 inPlaneBytes;
    int32 outColumnBytes;
    int32 outPlaneBytes;
    void* imageServicesProcs;
    void* propertyProcs;
    int16 inTileHeight;
    int16 inTileWidth;
    Point16 inTileOrigin;
    int16 absTileHeight;
    int16 absTileWidth;
    Point16 absTileOrigin;
    int16 outTileHeight;
    int16 outTileWidth;
    Point16 outTileOrigin;
    int16 maskTileHeight;
    int16 maskTileWidth;
    Point16 maskTileOrigin;
    PIDescriptorParameters* descriptorParameters;
    void* errorString;
    void* channelPortProcs;
    void* documentInfo;
    SPBasicSuite* sSPBasic;
    void* plugInRef;
    int32 depth;
    Handle iCCprofileData;
    int32 iCCprofileSize;
    int32 canUseICCProfiles;
    int32 hasImageScrap;
    BigDocumentStruct* bigDocumentData;
    PIDescriptorParameters* input3DScene;
    PIDescriptorParameters* output3DScene;
    Boolean createNewLayer;
    Handle iCCWorkingProfileData;
    int32 iCCWorkingProfileSize;
    int64 bufferSpace64;
    int64 maxSpace64;
    Boolean allowOverrangeColors;
    char reserved[45];
};
#pragma pack(pop)

struct AboutRecord {
    void* platformData;
    SPBasicSuite* sSPBasic;
    void* plugInRef;
    char reserved[244];
};

// ---- constants ------------------------------------------------------------
enum : int16 {
    filterSelectorAbout = 0,
    filterSelectorParameters = 1,
    filterSelectorPrepare = 2,
    filterSelectorStart = 3,
    filterSelectorContinue = 4,
    filterSelectorFinish = 5,
};

enum : int16 {
    noErr = 0,
    coercedParamErr = 2,
    readErr = -19,
    paramErr = -50,
    memFullErr = -108,
    userCanceledErr = -128,
    errMissingParameter = -1715,
    filterBadParameters = -30100,
    errPlugInHostInsufficient = -30900,
};

constexpr SPErr kSPNoError = 0;
constexpr SPErr kSPSuiteNotFoundError = 0x53214664;  // 'S!Fd'
constexpr SPErr kSPBadParameterError = 0x5061726D;   // 'Parm'

// Image modes of FilterRecord.imageMode and PSPixelMap.imageMode.
enum : int16 {
    plugInModeBitmap = 0,
    plugInModeGrayScale = 1,
    plugInModeIndexedColor = 2,
    plugInModeRGBColor = 3,
    plugInModeCMYKColor = 4,
    plugInModeHSLColor = 5,
    plugInModeHSBColor = 6,
    plugInModeMultichannel = 7,
    plugInModeDuotone = 8,
    plugInModeLabColor = 9,
    plugInModeGray16 = 10,
    plugInModeRGB48 = 11,
    plugInModeLab48 = 12,
    plugInModeCMYK64 = 13,
    plugInModeDeepMultichannel = 14,
    plugInModeDuotone16 = 15,
    plugInModeRGB96 = 16,
    plugInModeGray32 = 17,
};
enum : char { hostDoesNotSupportSampling = 0, hostSupportsIntegralSampling = 1 };

constexpr DescriptorTypeID typeInteger = FourCC("long");

// The entry point every filter exports.
using PluginMainProc = void(PI_CDECL*)(int16 selector, void* record, intptr_t* data, int16* result);

// ---- layout checks --------------------------------------------------------
// Each offset and size we rely on, for i686 and for x64. The 64-bit native
// build has the x64 layout too: no member is a long, the one type whose size
// differs between 64-bit Windows and Linux.
constexpr size_t PerTarget(size_t x86, size_t x64) { return sizeof(void*) == 4 ? x86 : x64; }

static_assert(sizeof(void*) == PerTarget(4, 8));
static_assert(offsetof(FilterRecord, abortProc) == PerTarget(4, 4));
static_assert(offsetof(FilterRecord, parameters) == PerTarget(12, 20));
static_assert(offsetof(FilterRecord, planes) == PerTarget(20, 32));
static_assert(offsetof(FilterRecord, filterRect) == PerTarget(22, 34));
static_assert(offsetof(FilterRecord, inRect) == PerTarget(52, 64));
static_assert(offsetof(FilterRecord, inLoPlane) == PerTarget(60, 72));
static_assert(offsetof(FilterRecord, outRect) == PerTarget(64, 76));
static_assert(offsetof(FilterRecord, inData) == PerTarget(76, 88));
static_assert(offsetof(FilterRecord, outRowBytes) == PerTarget(88, 108));
static_assert(offsetof(FilterRecord, maskRect) == PerTarget(96, 116));
static_assert(offsetof(FilterRecord, maskRowBytes) == PerTarget(108, 132));
static_assert(offsetof(FilterRecord, imageMode) == PerTarget(128, 156));
static_assert(offsetof(FilterRecord, platformData) == PerTarget(188, 216));
static_assert(offsetof(FilterRecord, bufferProcs) == PerTarget(192, 224));
static_assert(offsetof(FilterRecord, displayPixels) == PerTarget(204, 248));
static_assert(offsetof(FilterRecord, handleProcs) == PerTarget(208, 256));
static_assert(offsetof(FilterRecord, advanceState) == PerTarget(224, 280));
static_assert(offsetof(FilterRecord, inputPadding) == PerTarget(238, 302));
static_assert(offsetof(FilterRecord, maskPadding) == PerTarget(242, 306));
static_assert(offsetof(FilterRecord, samplingSupport) == PerTarget(244, 308));
static_assert(offsetof(FilterRecord, inputRate) == PerTarget(248, 312));
static_assert(offsetof(FilterRecord, maskRate) == PerTarget(252, 316));
static_assert(offsetof(FilterRecord, inLayerPlanes) == PerTarget(260, 328));
static_assert(offsetof(FilterRecord, inTransparencyMask) == PerTarget(262, 330));
static_assert(offsetof(FilterRecord, descriptorParameters) == PerTarget(356, 432));
static_assert(offsetof(FilterRecord, sSPBasic) == PerTarget(372, 464));
static_assert(offsetof(FilterRecord, depth) == PerTarget(380, 480));
static_assert(offsetof(FilterRecord, bigDocumentData) == PerTarget(400, 504));
static_assert(offsetof(FilterRecord, bufferSpace64) == PerTarget(424, 544));
static_assert(sizeof(FilterRecord) == PerTarget(488, 608));
static_assert(offsetof(BigDocumentStruct, filterRect32) == 12 && offsetof(BigDocumentStruct, maskRect32) == 60);
static_assert(sizeof(BigDocumentStruct) == 92);
static_assert(sizeof(PlatformData) == PerTarget(4, 8));
static_assert(offsetof(AboutRecord, sSPBasic) == PerTarget(4, 8) && sizeof(AboutRecord) == PerTarget(256, 272));
static_assert(offsetof(HandleProcs, newProc) == PerTarget(4, 8) &&
              offsetof(HandleProcs, lockProc) == PerTarget(20, 40) && sizeof(HandleProcs) == PerTarget(36, 72));
static_assert(offsetof(BufferProcs, allocateProc) == PerTarget(4, 8) &&
              offsetof(BufferProcs, freeProc) == PerTarget(16, 32) && sizeof(BufferProcs) == PerTarget(36, 72));
static_assert(offsetof(PIDescriptorParameters, descriptor) == 8 &&
              offsetof(PIDescriptorParameters, readDescriptorProcs) == PerTarget(16, 24));
static_assert(sizeof(WriteDescriptorProcs) == PerTarget(68, 136) && sizeof(ReadDescriptorProcs) == PerTarget(76, 152));
static_assert(offsetof(WriteDescriptorProcs, putIntegerProc) == PerTarget(12, 24));
static_assert(offsetof(ReadDescriptorProcs, getIntegerProc) == PerTarget(16, 32));
static_assert(offsetof(PSPixelMap, baseAddr) == PerTarget(36, 40) &&
              offsetof(PSPixelMap, maskPhaseCol) == PerTarget(52, 68));
static_assert(sizeof(SPBasicSuite) == PerTarget(28, 56));
static_assert(offsetof(PSDescriptorRegistryProcs, Get) == PerTarget(8, 16));
static_assert(offsetof(PSActionDescriptorProcs, PutInteger) == PerTarget(36, 72) &&
              offsetof(PSActionDescriptorProcs, GetInteger) == PerTarget(88, 176) &&
              sizeof(PSActionDescriptorProcs) == PerTarget(184, 368));
static_assert(offsetof(PSGetFileListSuite4, BrowseUrl) == PerTarget(12, 24));
