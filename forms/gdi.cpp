#include "forms/gdi.h"

namespace forms {

GdiObject& GdiObject::operator=(GdiObject&& other) noexcept {
    if (this != &other) {
        Reset();
        handle_ = other.handle_;
        other.handle_ = nullptr;
    }
    return *this;
}

void GdiObject::Reset() {
    if (!handle_) return;
    DeleteObject(handle_);
    handle_ = nullptr;
}

MemoryDc::MemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {}

MemoryDc::~MemoryDc() {
    if (dc_) DeleteDC(dc_);
}

}  // namespace forms
