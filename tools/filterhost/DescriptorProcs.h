// The scripting descriptor procedures of the filter record: reading a
// descriptor handle key by key and writing a new one. Tokens handed to the
// plug-in are looked up on every call; unknown ones are refused.
#pragma once

#include <map>
#include <memory>

#include "Descriptor.h"
#include "HandleSuite.h"

class DescriptorProcs {
public:
    explicit DescriptorProcs(HandleSuite& handles);
    DescriptorProcs(const DescriptorProcs&) = delete;
    DescriptorProcs& operator=(const DescriptorProcs&) = delete;

    ReadDescriptorProcs* readProcs() { return &read_; }
    WriteDescriptorProcs* writeProcs() { return &write_; }

    // keys: zero-terminated list the plug-in expects; each key is zeroed when returned.
    PIReadDescriptor openRead(PIDescriptorHandle descriptor, DescriptorKeyID* keys);
    bool nextKey(PIReadDescriptor token, DescriptorKeyID* key, DescriptorTypeID* type, int32* flags);
    OSErr readInteger(PIReadDescriptor token, int32* value);
    OSErr closeRead(PIReadDescriptor token);  // the first error seen while reading

    PIWriteDescriptor openWrite();
    OSErr putInteger(PIWriteDescriptor token, DescriptorKeyID key, int32 value);
    OSErr closeWrite(PIWriteDescriptor token, PIDescriptorHandle* descriptor);

    size_t openTokens() const { return readers_.size() + writers_.size(); }

private:
    struct Reader {
        Descriptor descriptor;
        DescriptorKeyID* keys;
        size_t keyCount = 0;
        size_t next = 0;      // entry that nextKey returns next
        OSErr error = noErr;  // sticky
    };

    Reader* reader(PIReadDescriptor token);
    Descriptor* writer(PIWriteDescriptor token);

    HandleSuite& handles_;
    ReadDescriptorProcs read_;
    WriteDescriptorProcs write_;
    std::map<PIReadDescriptor, std::unique_ptr<Reader>> readers_;
    std::map<PIWriteDescriptor, std::unique_ptr<Descriptor>> writers_;
};
