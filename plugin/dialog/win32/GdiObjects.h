// Drawing objects that are released with the scope that made them.
#pragma once

#include <windows.h>

// A pen or brush created for one paint and deleted after it.
class OwnedObject {
public:
    explicit OwnedObject(HGDIOBJ object) : object_(object) {}
    ~OwnedObject() {
        if (object_) DeleteObject(object_);
    }
    OwnedObject(const OwnedObject&) = delete;
    OwnedObject& operator=(const OwnedObject&) = delete;
    HGDIOBJ get() const { return object_; }

private:
    HGDIOBJ object_;
};

// Selects an object into a device context and restores the previous one.
class Selection {
public:
    Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(object ? SelectObject(dc, object) : nullptr) {}
    ~Selection() {
        if (previous_ && previous_ != HGDI_ERROR) SelectObject(dc_, previous_);
    }
    Selection(const Selection&) = delete;
    Selection& operator=(const Selection&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};
