// The descriptor registry suite (version 1) over the host's Registry and its
// action descriptors: Register copies the descriptor in, Get hands out a new
// one that the caller frees.
#pragma once

#include "ActionDescriptors.h"
#include "Registry.h"

class RegistrySuite {
public:
    RegistrySuite(Registry& registry, ActionDescriptors& descriptors);
    RegistrySuite(const RegistrySuite&) = delete;
    RegistrySuite& operator=(const RegistrySuite&) = delete;

    const PSDescriptorRegistryProcs* procs() const { return &procs_; }

    OSErr registerDescriptor(const char* key, PIActionDescriptor descriptor, bool persistent);
    OSErr erase(const char* key);
    OSErr get(const char* key, PIActionDescriptor* descriptor);

private:
    PSDescriptorRegistryProcs procs_;
    Registry& registry_;
    ActionDescriptors& descriptors_;
};
