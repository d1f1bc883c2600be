// The program file's resources, read from the built corvane-checklist.exe the
// way the shell and the loader read them: what the file holds, the icon group
// and its images, the version record and the manifest.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

#include "support/child_process.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr WORD kEnglishUs = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);  // 1033
constexpr WORD kNeutral = MAKELANGID(LANG_NEUTRAL, SUBLANG_NEUTRAL);        // 0

std::wstring ProgramPath() { return testing_app::ProgramFilePath(); }

// Loaded once as data, the way the shell reads it; kept until the tests end.
HMODULE Program() {
    static const HMODULE module =
        LoadLibraryExW(ProgramPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    return module;
}

Bytes Resource(WORD type, WORD id, WORD language) {
    HRSRC found = Program() ? FindResourceExW(Program(), MAKEINTRESOURCEW(type), MAKEINTRESOURCEW(id), language)
                            : nullptr;  // not the test's own file
    const auto* data = found ? static_cast<const std::uint8_t*>(LockResource(LoadResource(Program(), found))) : nullptr;
    return data ? Bytes(data, data + SizeofResource(Program(), found)) : Bytes{};
}

// ---- What the file holds: types, IDs and languages, and nothing else.

using Inventory = std::map<int, std::map<int, std::vector<int>>>;  // type -> id -> languages

int Number(LPCWSTR name) { return IS_INTRESOURCE(name) ? static_cast<int>(reinterpret_cast<ULONG_PTR>(name)) : -1; }

BOOL CALLBACK AddLanguage(HMODULE, LPCWSTR type, LPCWSTR name, WORD language, LONG_PTR inventory) {
    (*reinterpret_cast<Inventory*>(inventory))[Number(type)][Number(name)].push_back(language);
    return TRUE;
}
BOOL CALLBACK AddName(HMODULE module, LPCWSTR type, LPWSTR name, LONG_PTR inventory) {
    return EnumResourceLanguagesW(module, type, name, AddLanguage, inventory), TRUE;
}
BOOL CALLBACK AddType(HMODULE module, LPWSTR type, LONG_PTR inventory) {
    return EnumResourceNamesW(module, type, AddName, inventory), TRUE;
}

TEST(ProgramFile, HoldsTheIconTheVersionRecordAndTheManifestOnly) {
    Inventory found, expected{{14, {{1, {kNeutral}}}}, {16, {{1, {kEnglishUs}}}}, {24, {{1, {kEnglishUs}}}}};
    for (int id = 30001; id <= 30007; ++id) expected[3][id] = {kNeutral};  // RT_ICON
    ASSERT_NE(Program(), nullptr) << "cannot load the program file";
    EnumResourceTypesW(Program(), AddType, reinterpret_cast<LONG_PTR>(&found));
    EXPECT_EQ(found, expected);
}

// ---- The icon.

struct IconEntry {
    std::uint8_t size, bits;  // size 0: 256
    std::uint32_t bytes;      // 0: a PNG, whatever it compresses to
};
constexpr IconEntry kIcon[] = {{32, 8, 2216},   {16, 8, 1384},  {0, 32, 0},     {128, 32, 67624},
                               {64, 32, 16936}, {32, 32, 4264}, {16, 32, 1128}};

TEST(ProgramFile, IconGroupListsTheSevenImagesAndOnlyTheLargeOneIsPng) {
    const Bytes group = Resource(14, 1, kNeutral);
    ASSERT_EQ(group.size(), 6u + 7 * 14);
    EXPECT_EQ(Bytes(group.begin(), group.begin() + 6), (Bytes{0, 0, 1, 0, 7, 0})) << "seven icons, not cursors";
    for (std::size_t i = 0; i < 7; ++i) {
        const IconEntry& want = kIcon[i];
        const WORD id = static_cast<WORD>(30001 + i);
        SCOPED_TRACE(id);
        const Bytes image = Resource(3, id, kNeutral);
        EXPECT_TRUE(want.bytes == 0 || image.size() == want.bytes) << image.size() << " bytes";
        // Width, height, colour count, reserved, planes, bits per pixel, the image's own byte count, its ID.
        const std::uint32_t n = static_cast<std::uint32_t>(image.size());
        EXPECT_EQ(Bytes(group.begin() + 6 + 14 * i, group.begin() + 20 + 14 * i),
                  (Bytes{want.size, want.size, 0, 0, 1, 0, want.bits, 0, std::uint8_t(n), std::uint8_t(n >> 8),
                         std::uint8_t(n >> 16), std::uint8_t(n >> 24), std::uint8_t(id), std::uint8_t(id >> 8)}));
        // Only the 256 image is a PNG: signature, then IHDR with 256 x 256, 8 bits per channel, RGBA.
        const Bytes png{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R',
                        0,    0,   1,   0,   0,    0,    1,    0,    8, 6};
        EXPECT_EQ(Bytes(image.begin(), image.begin() + std::min(image.size(), png.size())) == png, want.size == 0);
    }
}

// ---- The version record.

// One node of VS_VERSIONINFO: wLength, wValueLength, wType (1: text, counted
// in characters), key, value, children; each part on a 4-byte boundary.
struct Node {
    std::wstring key, text;
    std::vector<Node> children;
};

Node Parse(const Bytes& record, std::size_t at) {
    const auto word = [&](std::size_t o) { return o + 1 < record.size() ? record[o] | record[o + 1] << 8 : 0; };
    const auto align = [](std::size_t o) { return (o + 3) & ~std::size_t{3}; };
    const std::size_t end = at + word(at), valueBytes = word(at + 2) * (word(at + 4) == 1 ? 2 : 1);
    Node node;
    std::size_t p = at + 6;
    for (; word(p) != 0; p += 2) node.key += static_cast<wchar_t>(word(p));
    for (std::size_t v = align(p + 2); word(at + 4) == 1 && word(v) != 0; v += 2) node.text += wchar_t(word(v));
    for (p = align(align(p + 2) + valueBytes); p + 6 <= end && word(p) != 0; p = align(p + word(p)))
        node.children.push_back(Parse(record, p));
    return node;
}

std::vector<std::wstring> Keys(const Node& node) {
    std::vector<std::wstring> keys;
    for (const Node& child : node.children) keys.push_back(child.key);
    return keys;
}

TEST(ProgramFile, VersionRecordHoldsVersion1010AndSixStringsInOrder) {
    // The numbers through the version API, as the shell reads them; the string table's order from the record.
    const std::wstring path = ProgramPath();
    Bytes info(GetFileVersionInfoSizeW(path.c_str(), nullptr));
    ASSERT_TRUE(!info.empty() && GetFileVersionInfoW(path.c_str(), 0, static_cast<DWORD>(info.size()), info.data()));
    VS_FIXEDFILEINFO* fixed = nullptr;
    WORD* translation = nullptr;
    UINT fixedBytes = 0, translationBytes = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &fixedBytes));
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation),
                               &translationBytes));
    ASSERT_EQ(fixedBytes, sizeof(VS_FIXEDFILEINFO));
    const std::vector<DWORD> words(&fixed->dwSignature, &fixed->dwSignature + 13);
    // Signature, structure version, file and product version 1.0.1.0, flags mask, flags, OS, type, subtype, date.
    EXPECT_EQ(words, (std::vector<DWORD>{0xFEEF04BD, 0x10000, 0x10000, 0x10000, 0x10000, 0x10000, 0x3F, 0,
                                         VOS__WINDOWS32, VFT_APP, 0, 0, 0}));
    EXPECT_EQ(std::vector<WORD>(translation, translation + translationBytes / 2), (std::vector<WORD>{0x0409, 0x04B0}));

    const Node root = Parse(Resource(16, 1, kEnglishUs), 0);
    EXPECT_EQ(root.key, L"VS_VERSION_INFO");
    ASSERT_EQ(Keys(root), (std::vector<std::wstring>{L"StringFileInfo", L"VarFileInfo"}));
    ASSERT_EQ(Keys(root.children[0]), std::vector<std::wstring>{L"040904B0"});
    const Node& table = root.children[0].children[0];
    ASSERT_EQ(Keys(table), (std::vector<std::wstring>{L"CompanyName", L"ProductName", L"FileVersion",
                                                      L"ProductVersion", L"InternalName", L"OriginalFilename"}));
    std::vector<std::wstring> texts;
    for (const Node& string : table.children) texts.push_back(string.text);
    EXPECT_EQ((std::vector<std::wstring>{texts[2], texts[3], texts[5]}),
              (std::vector<std::wstring>{L"1.01", L"1.01", L"corvane-checklist.exe"}));
    EXPECT_EQ(texts[1], texts[4]) << "product and internal name are one name";
    EXPECT_FALSE(texts[0].empty() || texts[1].empty());
}

// ---- The manifest.

TEST(ProgramFile, ManifestIsOneLineOfXmlWithItsPartsInOrder) {
    const Bytes bytes = Resource(24, 1, kEnglishUs);
    const std::string xml(bytes.begin(), bytes.end());
    EXPECT_EQ(xml.rfind("<?xml ", 0), 0u) << "starts with the declaration: no byte-order mark";
    EXPECT_EQ(xml.find_first_of(std::string("\r\n\0", 3)), std::string::npos) << "one line";
    EXPECT_TRUE(xml.ends_with("</assembly>"));
    // Each start tag after the one before, with these attributes in any order.
    const struct { const char* tag; std::vector<std::string> attributes; } parts[] = {
        {"<?xml", {R"(version="1.0")", R"(encoding="UTF-8")", R"(standalone="yes")"}},
        {"<assembly ", {R"(xmlns="urn:schemas-microsoft-com:asm.v1")", R"(manifestVersion="1.0")"}},
        {"<assemblyIdentity", {R"(version="1.0.0.0")", R"(processorArchitecture="X86")", R"(type="win32")", "name="}},
        {"<description>", {}},
        {"<dependency><dependentAssembly><assemblyIdentity",
         {R"(type="win32")", R"(name="Microsoft.Windows.Common-Controls")", R"(version="6.0.0.0")",
          R"(processorArchitecture="X86")", R"(publicKeyToken="6595b64144ccf1df")", R"(language="*")"}},
        {"<trustInfo", {R"(xmlns="urn:schemas-microsoft-com:asm.v3")"}},
        {"<security><requestedPrivileges><requestedExecutionLevel", {R"(level="asInvoker")", R"(uiAccess="false")"}},
    };
    std::size_t at = 0;
    for (const auto& part : parts) {
        at = xml.find(part.tag, at);
        ASSERT_NE(at, std::string::npos) << part.tag << " missing or out of order";
        const std::size_t end = xml.find('>', at + std::strlen(part.tag));
        const std::string tag = xml.substr(at, end - at);
        for (const std::string& attribute : part.attributes)
            EXPECT_NE(tag.find(" " + attribute), std::string::npos) << part.tag << " lacks " << attribute;
        at = end;
    }
}

}  // namespace
