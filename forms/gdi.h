#pragma once
// Owners of the GDI objects the runtime creates, counted so that a long run
// can show it holds no more at the end than at the start (Wine does not
// report a process's GDI objects).
#include <windows.h>

namespace forms {

int LiveGdiObjects();

class GdiObject {
public:
    explicit GdiObject(HGDIOBJ handle = nullptr);
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
