#include "forms/gdi.h"

namespace forms {
namespace {

int g_live = 0;

}  // namespace

int LiveGdiObjects() { return g_live; }

GdiObject::GdiObject(HGDIOBJ handle) : handle_(handle) {
    if (handle_) ++g_live;
}

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
    --g_live;
}

MemoryDc::MemoryDc(HDC compatibleWith) : dc_(CreateCompatibleDC(compatibleWith)) {
    if (dc_) ++g_live;
}

MemoryDc::~MemoryDc() {
    if (!dc_) return;
    DeleteDC(dc_);
    --g_live;
}

}  // namespace forms
