#pragma once
// Owners of the GDI objects the runtime creates: each is deleted with its owner.
#include <windows.h>

namespace forms {

class GdiObject {
public:
    explicit GdiObject(HGDIOBJ handle = nullptr) : handle_(handle) {}
    GdiObject(GdiObject&& other) noexcept : handle_(other.handle_) { other.handle_ = nullptr; }
    GdiObject& operator=(GdiObject&& other) noexcept;
    ~GdiObject() { Reset(); }
    HGDIOBJ Get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void Reset();

private:
    HGDIOBJ handle_;
};

// A memory device context compatible with another one.
class MemoryDc {
public:
    explicit MemoryDc(HDC compatibleWith);
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    ~MemoryDc();
    HDC Get() const { return dc_; }

private:
    HDC dc_;
};

}  // namespace forms
