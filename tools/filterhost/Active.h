// The plug-in's callbacks carry no context argument, so each host object that
// serves callbacks is made "active" for the duration of a plug-in call. The
// trampolines find it here and never let an exception reach the plug-in.
#pragma once

#include <utility>

template <class T>
class Active {
public:
    static T* get() { return current_; }

    class Scope {
    public:
        explicit Scope(T& object) : previous_(current_) { current_ = &object; }
        ~Scope() { current_ = previous_; }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        T* previous_;
    };

private:
    static inline T* current_ = nullptr;
};

// Runs f on the active T; returns fallback when none is active or f throws.
template <class T, class R, class F>
R OnActive(R fallback, F&& f) noexcept {
    T* active = Active<T>::get();
    if (!active) return fallback;
    try {
        return std::forward<F>(f)(*active);
    } catch (...) {
        return fallback;
    }
}

template <class T, class F>
void OnActiveVoid(F&& f) noexcept {
    T* active = Active<T>::get();
    if (!active) return;
    try {
        std::forward<F>(f)(*active);
    } catch (...) {
    }
}
