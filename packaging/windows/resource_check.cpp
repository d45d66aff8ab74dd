// Checks what Windows shows of an executable built with the calculator's resources: it starts as a GUI
// program without a console window, Explorer finds its icon with 16 and 32 pixel images, and its
// Properties page names the product and the project's version.
// Usage: kolvex_resource_check <path to the .exe>

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

constexpr const wchar_t* kProductName = L"Kolvex DVR Record time calculator";
constexpr const char* kExpectedVersion = KOLVEX_EXPECTED_VERSION; // "major.minor" from the project
constexpr WORD kIconGroupId = 1;

int g_failures = 0;

void check(bool ok, const char* what) {
    std::printf("%s: %s\n", ok ? "ok  " : "FAIL", what);
    if (!ok) {
        ++g_failures;
    }
}

std::wstring widen(const char* text) {
    std::wstring out;
    for (const char* p = text; *p != '\0'; ++p) {
        out.push_back(static_cast<wchar_t>(static_cast<unsigned char>(*p)));
    }
    return out;
}

// The project version as the four numbers of a VERSIONINFO block, packed as Windows packs them.
struct PackedVersion {
    DWORD ms = 0;
    DWORD ls = 0;
};

PackedVersion packVersion(const char* text) {
    DWORD parts[4] = {0, 0, 0, 0};
    int index = 0;
    for (const char* p = text; *p != '\0' && index < 4; ++p) {
        if (*p == '.') {
            ++index;
        } else {
            parts[index] = parts[index] * 10 + static_cast<DWORD>(*p - '0');
        }
    }
    return {(parts[0] << 16) | parts[1], (parts[2] << 16) | parts[3]};
}

WORD peSubsystem(const std::wstring& path) {
    std::ifstream file(path.c_str(), std::ios::binary);
    std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    IMAGE_DOS_HEADER dos{};
    if (bytes.size() < sizeof dos) {
        return IMAGE_SUBSYSTEM_UNKNOWN;
    }
    std::memcpy(&dos, bytes.data(), sizeof dos);
    const auto offset = static_cast<std::size_t>(dos.e_lfanew);
    IMAGE_NT_HEADERS nt{};
    if (dos.e_magic != IMAGE_DOS_SIGNATURE || bytes.size() < offset + sizeof nt) {
        return IMAGE_SUBSYSTEM_UNKNOWN;
    }
    std::memcpy(&nt, bytes.data() + offset, sizeof nt);
    return nt.Signature == IMAGE_NT_SIGNATURE ? nt.OptionalHeader.Subsystem : WORD{IMAGE_SUBSYSTEM_UNKNOWN};
}

#pragma pack(push, 2)
struct GroupIconHeader {
    WORD reserved;
    WORD type; // 1 = icon
    WORD count;
};
struct GroupIconEntry {
    BYTE width; // 0 = 256
    BYTE height;
    BYTE colorCount;
    BYTE reserved;
    WORD planes;
    WORD bitCount;
    DWORD bytesInRes;
    WORD id;
};
#pragma pack(pop)

void checkIcon(const std::wstring& path) {
    HMODULE module = LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    check(module != nullptr, "the executable opens as a resource module");
    if (module == nullptr) {
        return;
    }
    HRSRC group = FindResourceW(module, MAKEINTRESOURCEW(kIconGroupId), RT_GROUP_ICON);
    check(group != nullptr, "icon group 1 is present");
    if (group != nullptr) {
        const auto* header = static_cast<const GroupIconHeader*>(LockResource(LoadResource(module, group)));
        bool has16 = false;
        bool has32 = false;
        bool imagesPresent = header != nullptr && header->type == 1 && header->count > 0;
        if (header != nullptr) {
            const auto* entries = reinterpret_cast<const GroupIconEntry*>(header + 1);
            for (WORD i = 0; i < header->count; ++i) {
                const GroupIconEntry& e = entries[i];
                has16 = has16 || (e.width == 16 && e.height == 16);
                has32 = has32 || (e.width == 32 && e.height == 32);
                imagesPresent = imagesPresent && FindResourceW(module, MAKEINTRESOURCEW(e.id), RT_ICON) != nullptr;
            }
        }
        check(imagesPresent, "every image the icon group lists is present");
        check(has16, "the icon has a 16 x 16 image");
        check(has32, "the icon has a 32 x 32 image");
    }
    FreeLibrary(module);
}

std::wstring versionString(std::vector<BYTE>& info, const wchar_t* name) {
    const std::wstring key = std::wstring(L"\\StringFileInfo\\040904B0\\") + name;
    void* value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(info.data(), key.c_str(), &value, &length) || value == nullptr || length == 0) {
        return {};
    }
    return std::wstring(static_cast<const wchar_t*>(value));
}

void checkVersion(const std::wstring& path) {
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(path.c_str(), &ignored);
    check(size > 0, "the executable carries version information");
    if (size == 0) {
        return;
    }
    std::vector<BYTE> info(size);
    if (!GetFileVersionInfoW(path.c_str(), 0, size, info.data())) {
        check(false, "the version information can be read");
        return;
    }
    void* value = nullptr;
    UINT length = 0;
    const bool hasFixed = VerQueryValueW(info.data(), L"\\", &value, &length) && length >= sizeof(VS_FIXEDFILEINFO);
    check(hasFixed, "the fixed version block is present");
    if (hasFixed) {
        const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
        const PackedVersion expected = packVersion(kExpectedVersion);
        check(fixed->dwFileVersionMS == expected.ms && fixed->dwFileVersionLS == expected.ls,
              "the file version numbers are the project version");
        check(fixed->dwProductVersionMS == expected.ms && fixed->dwProductVersionLS == expected.ls,
              "the product version numbers are the project version");
        check(fixed->dwFileType == VFT_APP, "the file type is an application");
    }
    const std::wstring version = widen(kExpectedVersion);
    check(versionString(info, L"ProductName") == kProductName, "ProductName names the calculator");
    check(versionString(info, L"FileDescription") == kProductName, "FileDescription names the calculator");
    check(versionString(info, L"ProductVersion") == version, "ProductVersion is the project version");
    check(versionString(info, L"FileVersion") == version, "FileVersion is the project version");
    check(versionString(info, L"OriginalFilename") == L"kolvex-calculator.exe",
          "OriginalFilename is the executable's name");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::printf("usage: kolvex_resource_check <executable>\n");
        return 2;
    }
    const int length = MultiByteToWideChar(CP_ACP, 0, argv[1], -1, nullptr, 0);
    std::wstring path(static_cast<std::size_t>(length > 0 ? length : 1), L'\0');
    MultiByteToWideChar(CP_ACP, 0, argv[1], -1, path.data(), length);
    path.resize(path.size() - 1); // drop the terminating zero
    check(peSubsystem(path) == IMAGE_SUBSYSTEM_WINDOWS_GUI, "the executable is a GUI program (no console window)");
    checkIcon(path);
    checkVersion(path);
    std::printf("%d failed\n", g_failures);
    return g_failures == 0 ? 0 : 1;
}
