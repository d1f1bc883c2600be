// Build-time tool: draws the program icon and writes it out for the resource
// compiler (icon-1.bin .. icon-7.bin and icon-group.bin).
//   icon-generator OUTPUT_DIRECTORY
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "icon_files.h"
#include "png_writer.h"

namespace {

constexpr int kFirstIconId = 30001;

bool WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file) std::fprintf(stderr, "icon-generator: cannot write %s\n", path.string().c_str());
    return static_cast<bool>(file);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: icon-generator OUTPUT_DIRECTORY\n");
        return 2;
    }
    const std::filesystem::path dir = argv[1];
    std::error_code error;
    std::filesystem::create_directories(dir, error);

    using icon::DrawPicture;
    const icon::Image p256 = DrawPicture(256), p128 = DrawPicture(128), p64 = DrawPicture(64),
                      p32 = DrawPicture(32), p16 = DrawPicture(16);
    // The order the shell and the resource IDs expect: the palette images first.
    const std::vector<icon::IconImage> images{
        {32, 8, icon::EncodeBitmap8(p32)},    {16, 8, icon::EncodeBitmap8(p16)},
        {256, 32, icon::EncodePng(p256)},     {128, 32, icon::EncodeBitmap32(p128)},
        {64, 32, icon::EncodeBitmap32(p64)},  {32, 32, icon::EncodeBitmap32(p32)},
        {16, 32, icon::EncodeBitmap32(p16)},
    };

    bool ok = true;
    for (std::size_t i = 0; i < images.size(); ++i)
        ok &= WriteFile(dir / ("icon-" + std::to_string(i + 1) + ".bin"), images[i].bytes);
    ok &= WriteFile(dir / "icon-group.bin", icon::GroupDirectory(images, kFirstIconId));
    return ok ? 0 : 1;
}
