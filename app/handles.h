#pragma once
// Small owners of what the window holds: each releases its resource once, when it goes.
#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

#include <utility>

class FontHandle {
public:
    FontHandle() = default;
    explicit FontHandle(HFONT font) : font_(font) {}
    ~FontHandle() { reset(); }
    FontHandle(FontHandle&& other) noexcept : font_(std::exchange(other.font_, nullptr)) {}
    FontHandle& operator=(FontHandle&& other) noexcept {
        if (this != &other) {
            reset();
            font_ = std::exchange(other.font_, nullptr);
        }
        return *this;
    }
    HFONT get() const { return font_; }

private:
    void reset() {
        if (font_) DeleteObject(font_);
        font_ = nullptr;
    }
    HFONT font_ = nullptr;
};

class ImageListHandle {
public:
    ImageListHandle() = default;
    ~ImageListHandle() { reset(nullptr); }
    ImageListHandle(const ImageListHandle&) = delete;
    ImageListHandle& operator=(const ImageListHandle&) = delete;
    void reset(HIMAGELIST images) {
        if (images_) ImageList_Destroy(images_);
        images_ = images;
    }
    HIMAGELIST get() const { return images_; }

private:
    HIMAGELIST images_ = nullptr;
};

// One reference to a COM object.
template <class T>
class ComRef {
public:
    ComRef() = default;
    ~ComRef() { reset(nullptr); }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    // Takes over a reference the caller owns.
    void reset(T* object) {
        if (object_) object_->Release();
        object_ = object;
    }
    T* get() const { return object_; }
    explicit operator bool() const { return object_ != nullptr; }

private:
    T* object_ = nullptr;
};

// OLE on this thread for as long as it lives: drag and drop and the picture need it.
class OleSession {
public:
    OleSession() : started_(SUCCEEDED(OleInitialize(nullptr))) {}
    ~OleSession() {
        if (started_) OleUninitialize();
    }
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;
    bool started() const { return started_; }

private:
    bool started_;
};
