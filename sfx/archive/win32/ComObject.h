// The one reference-counting base of the objects that we hand to the 7-Zip
// module. A class lists the interfaces it answers; QueryInterface walks that
// list (and each interface's bases), so no class writes its own AddRef or
// Release. Objects start with no reference and free themselves when the last
// one goes. Every method the module calls runs its body through ComGuard, so
// no C++ exception crosses into the module.
#pragma once

#include <windows.h>

#include <atomic>
#include <new>
#include <tuple>
#include <utility>

#include "SevenZipInterfaces.h"

// How many of our interface objects are alive now: 0 when everything handed
// to the module has been given back.
long LiveComObjects();
void CountComObject(long change);

template <class F>
HRESULT ComGuard(F&& body) noexcept {
    try {
        return body();
    } catch (const std::bad_alloc&) {
        return E_OUTOFMEMORY;
    } catch (...) {
        return E_FAIL;
    }
}

// Whether an interface is iid or derives from it.
template <class I>
bool InterfaceAnswers(const GUID& iid) {
    if constexpr (std::is_same_v<I, IUnknown>) {
        return false;
    } else {
        return iid == I::kIid || InterfaceAnswers<typename I::Base>(iid);
    }
}

template <class... Interfaces>
class TComObject : public Interfaces... {
public:
    TComObject() { CountComObject(+1); }
    virtual ~TComObject() { CountComObject(-1); }
    TComObject(const TComObject&) = delete;
    TComObject& operator=(const TComObject&) = delete;

    HRESULT __stdcall QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        *out = Find(iid);
        if (*out == nullptr) return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    ULONG __stdcall AddRef() override { return ULONG(++FRefCount); }
    ULONG __stdcall Release() override {
        const long left = --FRefCount;
        if (left == 0) delete this;
        return ULONG(left);
    }

private:
    void* Find(REFIID iid) {
        using First = std::tuple_element_t<0, std::tuple<Interfaces...>>;
        if (iid == kIidIUnknown) return static_cast<First*>(this);
        void* found = nullptr;
        ((found == nullptr && InterfaceAnswers<Interfaces>(iid) ? found = static_cast<Interfaces*>(this) : nullptr), ...);
        return found;
    }

    std::atomic<long> FRefCount{0};
};

// An owning reference to one of our objects or to one of the module's.
template <class T>
class TComPtr {
public:
    TComPtr() = default;
    explicit TComPtr(T* object) : FObject(object) {
        if (FObject) FObject->AddRef();
    }
    TComPtr(const TComPtr& other) : TComPtr(other.FObject) {}
    TComPtr& operator=(TComPtr other) {
        std::swap(FObject, other.FObject);
        return *this;
    }
    ~TComPtr() { Reset(); }
    void Reset() {
        if (FObject) std::exchange(FObject, nullptr)->Release();
    }
    T* Get() const { return FObject; }
    T* operator->() const { return FObject; }
    explicit operator bool() const { return FObject != nullptr; }

private:
    T* FObject = nullptr;
};
