// The action descriptor suite (version 2): Make, Free, PutInteger and
// GetInteger; every other slot answers with an error. Descriptors live here
// and are known to the plug-in only by token.
#pragma once

#include <map>
#include <memory>

#include "Descriptor.h"

class ActionDescriptors {
public:
    ActionDescriptors();
    ActionDescriptors(const ActionDescriptors&) = delete;
    ActionDescriptors& operator=(const ActionDescriptors&) = delete;

    const PSActionDescriptorProcs* procs() const { return &procs_; }

    PIActionDescriptor make(Descriptor content = {});
    bool free(PIActionDescriptor token);
    Descriptor* find(PIActionDescriptor token);
    size_t liveCount() const { return live_.size(); }

private:
    PSActionDescriptorProcs procs_;
    std::map<PIActionDescriptor, std::unique_ptr<Descriptor>> live_;
};
