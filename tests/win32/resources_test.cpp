// The program file's resources, read from the built corvane-checklist.exe the
// way the shell and the loader read them: resource enumeration, the icon
// group and its images, the version record and the manifest.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr WORD kEnglishUs = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);
constexpr WORD kNeutral = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);

// The tests live in tests/ of the build tree, the program one level up.
std::wstring ProgramPath() {
    wchar_t self[MAX_PATH];
    const DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path(self, length);
    path.resize(path.find_last_of(L"\\/"));
    path.resize(path.find_last_of(L"\\/") + 1);
    return path + L"corvane-checklist.exe";
}

class ProgramFile : public ::testing::Test {
protected:
    void SetUp() override {
        module_ = LoadLibraryExW(ProgramPath().c_str(), nullptr,
                                 LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
        ASSERT_NE(module_, nullptr) << "cannot load the program file, error " << GetLastError();
    }
    void TearDown() override {
        if (module_) FreeLibrary(module_);
    }

    Bytes Resource(WORD type, WORD id, WORD language) const {
        HRSRC found = FindResourceExW(module_, MAKEINTRESOURCEW(type), MAKEINTRESOURCEW(id), language);
        if (!found) return {};
        const auto* data = static_cast<const std::uint8_t*>(LockResource(LoadResource(module_, found)));
        return data ? Bytes(data, data + SizeofResource(module_, found)) : Bytes{};
    }

    HMODULE module_ = nullptr;
};

// ---- What the file holds: types, IDs and languages, and nothing else.

using Inventory = std::map<int, std::map<int, std::vector<int>>>;  // type -> id -> languages

BOOL CALLBACK AddLanguage(HMODULE, LPCWSTR type, LPCWSTR name, WORD language, LONG_PTR param) {
    auto& inventory = *reinterpret_cast<Inventory*>(param);
    const int t = IS_INTRESOURCE(type) ? static_cast<int>(reinterpret_cast<ULONG_PTR>(type)) : -1;
    const int n = IS_INTRESOURCE(name) ? static_cast<int>(reinterpret_cast<ULONG_PTR>(name)) : -1;  // -1: named
    inventory[t][n].push_back(language);
    return TRUE;
}

BOOL CALLBACK AddName(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR param) {
    EnumResourceLanguagesW(module, type, name, AddLanguage, param);
    return TRUE;
}

BOOL CALLBACK AddType(HMODULE module, LPWSTR type, LONG_PTR param) {
    if (!IS_INTRESOURCE(type)) {
        (*reinterpret_cast<Inventory*>(param))[-1];  // a named type: record it as such
        return TRUE;
    }
    EnumResourceNamesW(module, type, AddName, param);
    return TRUE;
}

TEST_F(ProgramFile, HoldsTheIconTheVersionRecordAndTheManifestOnly) {
    Inventory found;
    EnumResourceTypesW(module_, AddType, reinterpret_cast<LONG_PTR>(&found));
    const Inventory expected{
        {3, {{30001, {kNeutral}}, {30002, {kNeutral}}, {30003, {kNeutral}}, {30004, {kNeutral}},
             {30005, {kNeutral}}, {30006, {kNeutral}}, {30007, {kNeutral}}}},  // RT_ICON
        {14, {{1, {kNeutral}}}},                                              // RT_GROUP_ICON
        {16, {{1, {kEnglishUs}}}},                                            // RT_VERSION
        {24, {{1, {kEnglishUs}}}},                                            // RT_MANIFEST
    };
    EXPECT_EQ(found, expected);
}

// ---- The icon.

std::uint32_t Little32(const Bytes& b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (std::uint32_t{b[at + 3]} << 24);
}
std::uint16_t Little16(const Bytes& b, std::size_t at) { return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8)); }
std::uint32_t Big32(const Bytes& b, std::size_t at) {
    return (std::uint32_t{b[at]} << 24) | (b[at + 1] << 16) | (b[at + 2] << 8) | b[at + 3];
}

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int k = 0; k < 8; ++k) crc = (crc & 1) ? 0xEDB88320u ^ (crc >> 1) : crc >> 1;
    }
    return crc ^ 0xFFFFFFFFu;
}

struct IconEntry {
    int size, bitCount;
    std::uint32_t bytes;  // 0: a PNG, whatever it compresses to
    int id;
};

constexpr IconEntry kIcon[] = {
    {32, 8, 2216, 30001}, {16, 8, 1384, 30002},   {256, 32, 0, 30003},   {128, 32, 67624, 30004},
    {64, 32, 16936, 30005}, {32, 32, 4264, 30006}, {16, 32, 1128, 30007},
};

const Bytes kPngSignature{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

TEST_F(ProgramFile, IconGroupListsTheSevenImagesInOrder) {
    const Bytes group = Resource(14, 1, kNeutral);
    ASSERT_EQ(group.size(), 6u + 7 * 14);
    EXPECT_EQ(Little16(group, 0), 0);  // reserved
    EXPECT_EQ(Little16(group, 2), 1);  // icons, not cursors
    EXPECT_EQ(Little16(group, 4), 7);
    for (int i = 0; i < 7; ++i) {
        SCOPED_TRACE("entry " + std::to_string(i + 1));
        const std::size_t e = 6 + 14 * i;
        const IconEntry& want = kIcon[i];
        EXPECT_EQ(group[e], want.size == 256 ? 0 : want.size);      // width
        EXPECT_EQ(group[e + 1], want.size == 256 ? 0 : want.size);  // height
        EXPECT_EQ(group[e + 2], 0);                                 // colour count
        EXPECT_EQ(group[e + 3], 0);                                 // reserved
        EXPECT_EQ(Little16(group, e + 4), 1);                       // planes
        EXPECT_EQ(Little16(group, e + 6), want.bitCount);
        EXPECT_EQ(Little16(group, e + 12), want.id);
        const Bytes image = Resource(3, static_cast<WORD>(want.id), kNeutral);
        EXPECT_EQ(Little32(group, e + 8), image.size()) << "byte count against the image itself";
        if (want.bytes != 0) {
            EXPECT_EQ(image.size(), want.bytes);
        }
    }
}

TEST_F(ProgramFile, BitmapImagesHaveTheIconLayout) {
    for (const IconEntry& want : kIcon) {
        if (want.size == 256) continue;
        SCOPED_TRACE(want.id);
        const Bytes image = Resource(3, static_cast<WORD>(want.id), kNeutral);
        ASSERT_GE(image.size(), 40u);
        EXPECT_NE(Bytes(image.begin(), image.begin() + 8), kPngSignature);
        EXPECT_EQ(Little32(image, 0), 40u);                                  // biSize
        EXPECT_EQ(Little32(image, 4), static_cast<std::uint32_t>(want.size));
        EXPECT_EQ(Little32(image, 8), static_cast<std::uint32_t>(2 * want.size)) << "colour rows plus mask rows";
        EXPECT_EQ(Little16(image, 12), 1);
        EXPECT_EQ(Little16(image, 14), want.bitCount);
        EXPECT_EQ(Little32(image, 16), static_cast<std::uint32_t>(BI_RGB));
        const std::size_t palette = want.bitCount == 8 ? 256 * 4 : 0;
        const std::size_t colours = static_cast<std::size_t>(want.size) * want.size * want.bitCount / 8;
        const std::size_t mask = static_cast<std::size_t>((want.size + 31) / 32 * 4) * want.size;
        EXPECT_EQ(image.size(), 40 + palette + colours + mask);
    }
}

TEST_F(ProgramFile, LargeImageIsTheOnlyPngAndItsChunksAreSound) {
    const Bytes png = Resource(3, 30003, kNeutral);
    ASSERT_GT(png.size(), 8u + 25 + 12);
    ASSERT_EQ(Bytes(png.begin(), png.begin() + 8), kPngSignature);
    EXPECT_EQ(std::string(png.begin() + 12, png.begin() + 16), "IHDR");
    EXPECT_EQ(Big32(png, 16), 256u);  // width
    EXPECT_EQ(Big32(png, 20), 256u);  // height
    EXPECT_EQ(png[24], 8);            // bits per channel
    EXPECT_EQ(png[25], 6);            // RGBA
    std::vector<std::string> types;
    std::size_t at = 8;
    while (at + 12 <= png.size()) {
        const std::uint32_t length = Big32(png, at);
        ASSERT_LE(at + 12 + length, png.size());
        types.emplace_back(png.begin() + at + 4, png.begin() + at + 8);
        EXPECT_EQ(Big32(png, at + 8 + length), Crc32(png.data() + at + 4, 4 + length)) << types.back();
        at += 12 + length;
    }
    EXPECT_EQ(at, png.size());
    ASSERT_FALSE(types.empty());
    EXPECT_EQ(types.back(), "IEND");
}

TEST_F(ProgramFile, ShellPicksTheImageOfEachSizeFromTheGroup) {
    Bytes group = Resource(14, 1, kNeutral);
    ASSERT_FALSE(group.empty());
    // Only one image per size at 256, 128 and 64; at 32 and 16 the screen's depth decides.
    const struct { int size; std::vector<int> ids; } picks[] = {
        {256, {30003}}, {128, {30004}}, {64, {30005}}, {32, {30001, 30006}}, {16, {30002, 30007}}};
    for (const auto& pick : picks) {
        const int id = LookupIconIdFromDirectoryEx(group.data(), TRUE, pick.size, pick.size, LR_DEFAULTCOLOR);
        EXPECT_NE(std::find(pick.ids.begin(), pick.ids.end(), id), pick.ids.end()) << pick.size << " gave " << id;
    }
    for (int size : {16, 32, 48, 256}) {
        SCOPED_TRACE(size);
        HICON icon = static_cast<HICON>(LoadImageW(module_, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0));
        ASSERT_NE(icon, nullptr);
        ICONINFO info{};
        ASSERT_TRUE(GetIconInfo(icon, &info));
        BITMAP bitmap{};
        GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
        EXPECT_EQ(bitmap.bmWidth, size);
        if (info.hbmColor) DeleteObject(info.hbmColor);
        if (info.hbmMask) DeleteObject(info.hbmMask);
        DestroyIcon(icon);
    }
}

// ---- The version record.

struct Block {
    std::wstring key;
    const std::uint8_t* value = nullptr;
    std::size_t valueBytes = 0;
    std::vector<Block> children;
};

std::size_t Align4(std::size_t n) { return (n + 3) & ~std::size_t{3}; }

// One node of VS_VERSIONINFO: wLength, wValueLength, wType, key, padding,
// value, padding, children; text values count their length in characters.
Block ParseBlock(const std::uint8_t* base, std::size_t at, std::size_t end) {
    Block block;
    const auto word = [&](std::size_t o) { return static_cast<std::size_t>(base[o] | (base[o + 1] << 8)); };
    const std::size_t length = word(at), valueLength = word(at + 2), type = word(at + 4);
    const std::size_t blockEnd = at + length;
    EXPECT_LE(blockEnd, end);
    std::size_t p = at + 6;
    while (p + 1 < blockEnd && word(p) != 0) block.key += static_cast<wchar_t>(word(p)), p += 2;
    p = Align4(p + 2);
    block.value = base + p;
    block.valueBytes = type == 1 ? valueLength * 2 : valueLength;
    p = Align4(p + block.valueBytes);
    while (p + 6 <= blockEnd && word(p) != 0) {
        block.children.push_back(ParseBlock(base, p, blockEnd));
        p = Align4(p + word(p));
    }
    return block;
}

std::wstring Text(const Block& b) {
    std::wstring text(reinterpret_cast<const wchar_t*>(b.value), b.valueBytes / 2);
    while (!text.empty() && text.back() == L'\0') text.pop_back();
    return text;
}

std::vector<std::wstring> Keys(const Block& b) {
    std::vector<std::wstring> keys;
    for (const Block& c : b.children) keys.push_back(c.key);
    return keys;
}

TEST_F(ProgramFile, VersionRecordHoldsOneStringTableOfSixStringsInOrder) {
    const Bytes record = Resource(16, 1, kEnglishUs);
    ASSERT_GT(record.size(), 6u);
    const Block root = ParseBlock(record.data(), 0, record.size());
    EXPECT_EQ(root.key, L"VS_VERSION_INFO");
    EXPECT_EQ(root.valueBytes, sizeof(VS_FIXEDFILEINFO));
    ASSERT_EQ(Keys(root), (std::vector<std::wstring>{L"StringFileInfo", L"VarFileInfo"}));
    ASSERT_EQ(Keys(root.children[0]), std::vector<std::wstring>{L"040904B0"});
    const Block& table = root.children[0].children[0];
    ASSERT_EQ(Keys(table), (std::vector<std::wstring>{L"CompanyName", L"ProductName", L"FileVersion",
                                                      L"ProductVersion", L"InternalName", L"OriginalFilename"}));
    EXPECT_EQ(Text(table.children[2]), L"1.01");
    EXPECT_EQ(Text(table.children[3]), L"1.01");
    EXPECT_EQ(Text(table.children[1]), Text(table.children[4])) << "product and internal name are one name";
    EXPECT_FALSE(Text(table.children[0]).empty());
    EXPECT_FALSE(Text(table.children[1]).empty());
    EXPECT_EQ(Text(table.children[5]), L"corvane-checklist.exe");
    ASSERT_EQ(Keys(root.children[1]), std::vector<std::wstring>{L"Translation"});
}

// The version API, taken from version.dll at run time so that this test needs
// no import library beyond those every test links.
struct VersionApi {
    HMODULE dll = LoadLibraryW(L"version.dll");
    template <typename F>
    F Get(const char* name) const {
        return reinterpret_cast<F>(reinterpret_cast<void (*)()>(GetProcAddress(dll, name)));
    }
    decltype(&GetFileVersionInfoSizeW) infoSize = Get<decltype(&GetFileVersionInfoSizeW)>("GetFileVersionInfoSizeW");
    decltype(&GetFileVersionInfoW) info = Get<decltype(&GetFileVersionInfoW)>("GetFileVersionInfoW");
    decltype(&VerQueryValueW) query = Get<decltype(&VerQueryValueW)>("VerQueryValueW");
    ~VersionApi() { FreeLibrary(dll); }
};

TEST_F(ProgramFile, VersionApiReadsVersion1010AndText101) {
    const VersionApi api;
    ASSERT_TRUE(api.infoSize && api.info && api.query);
    const auto VerQueryValueW = api.query;
    const std::wstring path = ProgramPath();
    DWORD handle = 0;
    const DWORD size = api.infoSize(path.c_str(), &handle);
    ASSERT_GT(size, 0u);
    Bytes info(size);
    ASSERT_TRUE(api.info(path.c_str(), 0, size, info.data()));

    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwStrucVersion, 0x00010000u);
    EXPECT_EQ(fixed->dwFileVersionMS, 0x00010000u);  // 1.0
    EXPECT_EQ(fixed->dwFileVersionLS, 0x00010000u);  // .1.0
    EXPECT_EQ(fixed->dwProductVersionMS, 0x00010000u);
    EXPECT_EQ(fixed->dwProductVersionLS, 0x00010000u);
    EXPECT_EQ(fixed->dwFileFlagsMask, 0x3Fu);
    EXPECT_EQ(fixed->dwFileFlags, 0u);
    EXPECT_EQ(fixed->dwFileOS, static_cast<DWORD>(VOS__WINDOWS32));
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileSubtype, 0u);
    EXPECT_EQ(fixed->dwFileDateMS, 0u);
    EXPECT_EQ(fixed->dwFileDateLS, 0u);

    WORD* translation = nullptr;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                               &length));
    ASSERT_EQ(length, 4u);
    EXPECT_EQ(translation[0], 0x0409);
    EXPECT_EQ(translation[1], 0x04B0);

    for (const wchar_t* key : {L"FileVersion", L"ProductVersion"}) {
        wchar_t* text = nullptr;
        ASSERT_TRUE(VerQueryValueW(info.data(), (std::wstring(L"\\StringFileInfo\\040904B0\\") + key).c_str(),
                                   reinterpret_cast<void**>(&text), &length));
        EXPECT_EQ(std::wstring(text), L"1.01") << key;
    }
}

// ---- The manifest.

// The attributes of the first start tag `<name ...>` at or after `from`, in order.
std::vector<std::pair<std::string, std::string>> Attributes(std::string_view xml, std::string_view name,
                                                            std::size_t& from) {
    std::vector<std::pair<std::string, std::string>> attributes;
    const std::size_t start = xml.find("<" + std::string(name), from);
    if (start == std::string_view::npos) {
        from = start;
        return attributes;
    }
    const std::size_t end = xml.find('>', start);
    std::string_view tag = xml.substr(start + 1 + name.size(), end - start - 1 - name.size());
    while (true) {
        const std::size_t eq = tag.find("=\"");
        if (eq == std::string_view::npos) break;
        const std::size_t close = tag.find('"', eq + 2);
        std::string_view key = tag.substr(0, eq);
        key.remove_prefix(std::min(key.find_first_not_of(' '), key.size()));
        attributes.emplace_back(std::string(key), std::string(tag.substr(eq + 2, close - eq - 2)));
        tag.remove_prefix(close + 1);
    }
    from = end + 1;
    return attributes;
}

using AttributeMap = std::map<std::string, std::string>;
AttributeMap AsMap(const std::vector<std::pair<std::string, std::string>>& list) { return {list.begin(), list.end()}; }

TEST_F(ProgramFile, ManifestIsOneLineOfXmlWithItsPartsInOrder) {
    const Bytes bytes = Resource(24, 1, kEnglishUs);
    ASSERT_FALSE(bytes.empty());
    const std::string xml(bytes.begin(), bytes.end());
    EXPECT_NE(xml.substr(0, 3), "\xEF\xBB\xBF") << "no byte-order mark";
    EXPECT_EQ(xml.find_first_of("\r\n"), std::string::npos) << "one line";
    EXPECT_EQ(xml.find('\0'), std::string::npos);

    std::size_t at = 0;
    EXPECT_EQ(Attributes(xml, "?xml", at),
              (std::vector<std::pair<std::string, std::string>>{{"version", "1.0"}, {"encoding", "UTF-8"},
                                                                 {"standalone", "yes"}}));
    EXPECT_EQ(xml.find("<?xml"), 0u);
    EXPECT_EQ(AsMap(Attributes(xml, "assembly ", at)),
              (AttributeMap{{"xmlns", "urn:schemas-microsoft-com:asm.v1"}, {"manifestVersion", "1.0"}}));
    const AttributeMap own = AsMap(Attributes(xml, "assemblyIdentity", at));
    EXPECT_EQ(own.at("version"), "1.0.0.0");
    EXPECT_EQ(own.at("processorArchitecture"), "X86");
    EXPECT_EQ(own.at("type"), "win32");
    EXPECT_FALSE(own.at("name").empty());
    at = xml.find("<description>", at);
    ASSERT_NE(at, std::string::npos) << "the description after the program's identity";
    at = xml.find("<dependency><dependentAssembly><assemblyIdentity ", at);
    ASSERT_NE(at, std::string::npos) << "the dependency after the description";
    EXPECT_EQ(AsMap(Attributes(xml, "assemblyIdentity", at)),
              (AttributeMap{{"type", "win32"}, {"name", "Microsoft.Windows.Common-Controls"}, {"version", "6.0.0.0"},
                            {"processorArchitecture", "X86"}, {"publicKeyToken", "6595b64144ccf1df"},
                            {"language", "*"}}));
    EXPECT_EQ(AsMap(Attributes(xml, "trustInfo", at)), (AttributeMap{{"xmlns", "urn:schemas-microsoft-com:asm.v3"}}));
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(xml.find("<security><requestedPrivileges><requestedExecutionLevel ", at), at);
    EXPECT_EQ(AsMap(Attributes(xml, "requestedExecutionLevel", at)),
              (AttributeMap{{"level", "asInvoker"}, {"uiAccess", "false"}}));
    ASSERT_GE(xml.size(), 11u);
    EXPECT_EQ(xml.substr(xml.size() - 11), "</assembly>");
}

}  // namespace
