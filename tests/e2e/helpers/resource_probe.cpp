// Test helper: reads an executable's version block, icons and manifest
// through the Windows API and prints them one fact a line, so the
// end-to-end test can compare them with what they must be.
#include <stdio.h>
#include <windows.h>

#include <string>

namespace {

std::string Narrow(const WCHAR* text) {
    std::string out;
    for (; *text; ++text) out += *text < 128 ? static_cast<char>(*text) : '?';
    return out;
}

// One node of the raw version block: length, value length, type, key, then
// the value and the children, each aligned to four bytes.
struct Node {
    const BYTE* start;
    WORD length;
    WORD valueLength;
    std::string key;
    const BYTE* value;
    const BYTE* children;
};

const BYTE* Align(const BYTE* base, const BYTE* p) { return base + ((p - base + 3) & ~3); }

Node ReadNode(const BYTE* block, const BYTE* p) {
    Node node;
    node.start = p;
    node.length = *reinterpret_cast<const WORD*>(p);
    node.valueLength = *reinterpret_cast<const WORD*>(p + 2);
    const WORD type = *reinterpret_cast<const WORD*>(p + 4);
    const WCHAR* key = reinterpret_cast<const WCHAR*>(p + 6);
    node.key = Narrow(key);
    node.value = Align(block, reinterpret_cast<const BYTE*>(key + node.key.size() + 1));
    const int valueBytes = type == 1 ? node.valueLength * 2 : node.valueLength;
    node.children = Align(block, node.value + valueBytes);
    return node;
}

// Prints the keys of a string table in their stored order, with values.
void PrintStrings(const BYTE* block, const Node& table) {
    int index = 0;
    for (const BYTE* p = table.children; p < table.start + table.length;) {
        Node entry = ReadNode(block, p);
        printf("string.%d=%s=%s\n", index++, entry.key.c_str(),
               Narrow(reinterpret_cast<const WCHAR*>(entry.value)).c_str());
        p = Align(block, p + entry.length);
    }
}

void PrintVersion(const char* path) {
    DWORD ignored;
    const DWORD size = GetFileVersionInfoSizeA(path, &ignored);
    static BYTE block[65536];
    if (size == 0 || size > sizeof block || !GetFileVersionInfoA(path, 0, size, block)) {
        printf("version=missing\n");
        return;
    }
    VS_FIXEDFILEINFO* fixed;
    UINT length;
    if (VerQueryValueA(block, "\\", reinterpret_cast<void**>(&fixed), &length)) {
        printf("fixed.FileVersion=%u.%u.%u.%u\n", HIWORD(fixed->dwFileVersionMS), LOWORD(fixed->dwFileVersionMS),
               HIWORD(fixed->dwFileVersionLS), LOWORD(fixed->dwFileVersionLS));
        printf("fixed.ProductVersion=%u.%u.%u.%u\n", HIWORD(fixed->dwProductVersionMS),
               LOWORD(fixed->dwProductVersionMS), HIWORD(fixed->dwProductVersionLS), LOWORD(fixed->dwProductVersionLS));
        printf("fixed.FileFlagsMask=0x%lx\n", fixed->dwFileFlagsMask);
        printf("fixed.FileFlags=0x%lx\n", fixed->dwFileFlags);
        printf("fixed.FileOS=0x%lx\n", fixed->dwFileOS);
        printf("fixed.FileType=%lu\n", fixed->dwFileType);
        printf("fixed.FileSubtype=%lu\n", fixed->dwFileSubtype);
        printf("fixed.FileDate=%lu.%lu\n", fixed->dwFileDateMS, fixed->dwFileDateLS);
    }
    WORD* translation;
    if (VerQueryValueA(block, "\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length))
        for (UINT i = 0; i + 1 < length / sizeof(WORD); i += 2)
            printf("translation=%04x%04x\n", translation[i], translation[i + 1]);

    const Node root = ReadNode(block, block);
    for (const BYTE* p = root.children; p < block + root.length;) {
        const Node child = ReadNode(block, p);
        if (child.key == "StringFileInfo") {
            for (const BYTE* q = child.children; q < child.start + child.length;) {
                const Node table = ReadNode(block, q);
                printf("stringtable=%s\n", table.key.c_str());
                PrintStrings(block, table);
                q = Align(block, q + table.length);
            }
        }
        p = Align(block, p + child.length);
    }
}

#pragma pack(push, 2)
struct GroupEntry {
    BYTE width, height, colours, reserved;
    WORD planes, bitCount;
    DWORD bytes;
    WORD id;
};
struct GroupHeader {
    WORD reserved, type, count;
    GroupEntry entries[1];
};
#pragma pack(pop)

const WORD English = MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US);

const void* Load(HMODULE module, LPCSTR type, LPCSTR name, DWORD* size) {
    HRSRC found = FindResourceExA(module, type, name, English);
    if (found == nullptr) return nullptr;
    *size = SizeofResource(module, found);
    return LockResource(LoadResource(module, found));
}

void PrintResources(const char* path) {
    HMODULE module = LoadLibraryExA(path, nullptr, LOAD_LIBRARY_AS_DATAFILE);
    if (module == nullptr) {
        printf("load=failed %lu\n", GetLastError());
        return;
    }
    DWORD size = 0;
    const GroupHeader* group =
        static_cast<const GroupHeader*>(Load(module, RT_GROUP_ICON, MAKEINTRESOURCEA(103), &size));
    if (group == nullptr) {
        printf("icongroup=missing\n");
    } else {
        printf("icongroup=103 count %u\n", group->count);
        for (int i = 0; i < group->count; ++i) {
            const GroupEntry& entry = group->entries[i];
            DWORD imageSize = 0;
            const BITMAPINFOHEADER* image =
                static_cast<const BITMAPINFOHEADER*>(Load(module, RT_ICON, MAKEINTRESOURCEA(entry.id), &imageSize));
            if (image == nullptr) {
                printf("icon.%d=id %u missing\n", i, entry.id);
                continue;
            }
            printf("icon.%d=id %u %ldx%ld %ubpp compression %lu\n", i, entry.id, image->biWidth, image->biHeight / 2,
                   image->biBitCount, image->biCompression);
        }
    }
    const char* manifest = static_cast<const char*>(Load(module, MAKEINTRESOURCEA(24), MAKEINTRESOURCEA(1), &size));
    if (manifest != nullptr) {
        printf("manifest=");
        for (DWORD i = 0; i < size; ++i) printf("%02x", static_cast<unsigned char>(manifest[i]));
        printf("\n");
    }
    FreeLibrary(module);
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        fprintf(stderr, "usage: resource_probe FILE.exe\n");
        return 2;
    }
    PrintVersion(argv[1]);
    PrintResources(argv[1]);
    return 0;
}
