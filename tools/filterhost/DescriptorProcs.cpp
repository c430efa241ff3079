#include "DescriptorProcs.h"

#include <algorithm>

#include "Active.h"
#include "ByteIo.h"
#include "HostError.h"
#include "Unsupported.h"

namespace {

// A key list longer than this is taken as unterminated.
constexpr size_t kMaxKeyList = 1024;

PIReadDescriptor PI_CDECL OpenReadProc(PIDescriptorHandle h, DescriptorKeyID* keys) {
    return OnActive<DescriptorProcs>(PIReadDescriptor(nullptr), [&](DescriptorProcs& d) { return d.openRead(h, keys); });
}
OSErr PI_CDECL CloseReadProc(PIReadDescriptor token) {
    return OnActive<DescriptorProcs>(OSErr(paramErr), [&](DescriptorProcs& d) { return d.closeRead(token); });
}
Boolean PI_CDECL GetKeyProcImpl(PIReadDescriptor token, DescriptorKeyID* key, DescriptorTypeID* type, int32* flags) {
    return OnActive<DescriptorProcs>(Boolean(0),
                                     [&](DescriptorProcs& d) { return Boolean(d.nextKey(token, key, type, flags)); });
}
OSErr PI_CDECL GetIntegerProcImpl(PIReadDescriptor token, int32* value) {
    return OnActive<DescriptorProcs>(OSErr(paramErr), [&](DescriptorProcs& d) { return d.readInteger(token, value); });
}
PIWriteDescriptor PI_CDECL OpenWriteProc() {
    return OnActive<DescriptorProcs>(PIWriteDescriptor(nullptr), [](DescriptorProcs& d) { return d.openWrite(); });
}
OSErr PI_CDECL CloseWriteProc(PIWriteDescriptor token, PIDescriptorHandle* h) {
    return OnActive<DescriptorProcs>(OSErr(paramErr), [&](DescriptorProcs& d) { return d.closeWrite(token, h); });
}
OSErr PI_CDECL PutIntegerProcImpl(PIWriteDescriptor token, DescriptorKeyID key, int32 value) {
    return OnActive<DescriptorProcs>(OSErr(paramErr), [&](DescriptorProcs& d) { return d.putInteger(token, key, value); });
}

size_t KeyListLength(const DescriptorKeyID* keys) {
    size_t n = 0;
    while (keys && n < kMaxKeyList && keys[n] != 0) ++n;
    return n;
}

// Zeroes key in the plug-in's list, so it can tell which keys never came.
// The list's length is taken at opening, since zeroed slots end it early.
void MarkReturned(DescriptorKeyID* keys, size_t count, DescriptorKeyID key) {
    for (size_t i = 0; i < count; ++i) {
        if (keys[i] == key) {
            keys[i] = 0;
            return;
        }
    }
}

}  // namespace

DescriptorProcs::DescriptorProcs(HandleSuite& handles) : handles_(handles), read_{}, write_{} {
    read_.readDescriptorProcsVersion = 0;
    read_.numReadDescriptorProcs = 18;
    read_.openReadDescriptorProc = OpenReadProc;
    read_.closeReadDescriptorProc = CloseReadProc;
    read_.getKeyProc = GetKeyProcImpl;
    read_.getIntegerProc = GetIntegerProcImpl;
    std::fill(std::begin(read_.others), std::end(read_.others), UnsupportedProc());

    write_.writeDescriptorProcsVersion = 0;
    write_.numWriteDescriptorProcs = 16;
    write_.openWriteDescriptorProc = OpenWriteProc;
    write_.closeWriteDescriptorProc = CloseWriteProc;
    write_.putIntegerProc = PutIntegerProcImpl;
    std::fill(std::begin(write_.others), std::end(write_.others), UnsupportedProc());
}

PIReadDescriptor DescriptorProcs::openRead(PIDescriptorHandle descriptor, DescriptorKeyID* keys) {
    if (!handles_.owns(descriptor)) return nullptr;
    auto reader = std::make_unique<Reader>();
    try {
        reader->descriptor = Descriptor::Parse(handles_.contents(descriptor));
    } catch (const HostError&) {
        return nullptr;
    }
    reader->keys = keys;
    reader->keyCount = KeyListLength(keys);
    auto token = reinterpret_cast<PIReadDescriptor>(reader.get());
    readers_.emplace(token, std::move(reader));
    return token;
}

bool DescriptorProcs::nextKey(PIReadDescriptor token, DescriptorKeyID* key, DescriptorTypeID* type, int32* flags) {
    Reader* r = reader(token);
    if (!r || !key || !type || !flags || r->next >= r->descriptor.entries().size()) return false;
    const DescriptorEntry& e = r->descriptor.entries()[r->next++];
    *key = e.key;
    *type = e.type;
    *flags = 0;
    MarkReturned(r->keys, r->keyCount, e.key);
    return true;
}

OSErr DescriptorProcs::readInteger(PIReadDescriptor token, int32* value) {
    Reader* r = reader(token);
    if (!r) return paramErr;
    const auto& entries = r->descriptor.entries();
    OSErr err = noErr;
    if (!value || r->next == 0 || entries[r->next - 1].type != typeInteger) err = paramErr;
    else *value = ByteReader(entries[r->next - 1].value, "integer").i32();
    if (err && !r->error) r->error = err;
    return err;
}

OSErr DescriptorProcs::closeRead(PIReadDescriptor token) {
    Reader* r = reader(token);
    if (!r) return paramErr;
    OSErr err = r->error;
    readers_.erase(token);
    return err;
}

PIWriteDescriptor DescriptorProcs::openWrite() {
    auto descriptor = std::make_unique<Descriptor>();
    auto token = reinterpret_cast<PIWriteDescriptor>(descriptor.get());
    writers_.emplace(token, std::move(descriptor));
    return token;
}

OSErr DescriptorProcs::putInteger(PIWriteDescriptor token, DescriptorKeyID key, int32 value) {
    Descriptor* d = writer(token);
    if (!d) return paramErr;
    d->putInteger(key, value);
    return noErr;
}

OSErr DescriptorProcs::closeWrite(PIWriteDescriptor token, PIDescriptorHandle* descriptor) {
    Descriptor* d = writer(token);
    if (!d || !descriptor) return paramErr;
    Handle h = handles_.createWith(d->serialize());
    writers_.erase(token);
    *descriptor = h;
    return h ? noErr : memFullErr;
}

DescriptorProcs::Reader* DescriptorProcs::reader(PIReadDescriptor token) {
    auto it = readers_.find(token);
    return it == readers_.end() ? nullptr : it->second.get();
}

Descriptor* DescriptorProcs::writer(PIWriteDescriptor token) {
    auto it = writers_.find(token);
    return it == writers_.end() ? nullptr : it->second.get();
}
