// Working arrays whose storage comes from the host's buffer suite, so that the
// host can account for the memory. Storage is released on resize, on Release
// and when the array goes out of scope, so every exit path gives it back.
#pragma once

#include <cstddef>

#include "HostInterface.h"

struct HostBuffer {
    BufferID id = nullptr;
    void* data = nullptr;
    int32 count = 0;

    HostBuffer() = default;
    HostBuffer(const HostBuffer&) = delete;
    HostBuffer& operator=(const HostBuffer&) = delete;
    ~HostBuffer() { Release(); }

    // Replaces the storage by n zeroed elements of elementSize bytes. When the
    // host cannot supply it the array stays empty, the result becomes
    // memFullErr (-108) and false is returned.
    bool Resize(int32 n, int32 elementSize);
    void Release();

    template <typename T>
    bool Resize(int32 n) {
        return Resize(n, int32(sizeof(T)));
    }
    template <typename T>
    T* Items() const {
        return static_cast<T*>(data);
    }
};

// A HostBuffer seen as rows: cell (r, c) is element r * stride + c.
struct HostGrid {
    HostBuffer buffer;
    int32 stride = 0;
    int32 rows = 0;

    // columns by rowCount zeroed cells; false (result -108) when not supplied.
    bool Resize(int32 columns, int32 rowCount, int32 elementSize);
    void Release();

    template <typename T>
    bool Resize(int32 columns, int32 rowCount) {
        return Resize(columns, rowCount, int32(sizeof(T)));
    }
    template <typename T>
    T* Row(int32 r) const {
        return buffer.Items<T>() + size_t(r) * size_t(stride);
    }
    template <typename T>
    T& At(int32 r, int32 c) const {
        return Row<T>(r)[c];
    }
};
