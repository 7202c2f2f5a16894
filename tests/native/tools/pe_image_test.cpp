// The PE reader on executables laid out here byte by byte: what it reads, and
// that damaged files end in a problem rather than a read past their end.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "tools/pe_image.h"
#include "tools/version_resource.h"

namespace {

using tlw::PeProblem;

struct Layout {
    bool pe32Plus = false;
    std::uint16_t osMajor = 4, osMinor = 0, subsystemMajor = 4, subsystemMinor = 0;
    // Per DLL, its functions in order; "#N" imports ordinal N.
    std::vector<std::pair<std::string, std::vector<std::string>>> imports;
    std::uint32_t resourceBytes = 0;  // a second section, ".rsrc", of this many bytes
    std::vector<unsigned char> resourceData;  // what it begins with
    bool delayLoad = false;
};

constexpr std::uint32_t kPeOffset = 0x40;
constexpr std::uint32_t kImportsRva = 0x1000, kImportsRaw = 0x400, kImportsSize = 0x400;
constexpr std::uint32_t kResourcesRva = 0x2000, kResourcesRaw = 0x800;

void Put16(std::vector<unsigned char>& b, std::size_t at, std::uint32_t v) {
    b[at] = static_cast<unsigned char>(v);
    b[at + 1] = static_cast<unsigned char>(v >> 8);
}
void Put32(std::vector<unsigned char>& b, std::size_t at, std::uint32_t v) {
    Put16(b, at, v & 0xFFFF);
    Put16(b, at + 2, v >> 16);
}
void Put64(std::vector<unsigned char>& b, std::size_t at, std::uint64_t v) {
    Put32(b, at, static_cast<std::uint32_t>(v));
    Put32(b, at + 4, static_cast<std::uint32_t>(v >> 32));
}

std::size_t OptionalHeaderAt() { return kPeOffset + 4 + 20; }
std::size_t DirectoriesAt(const Layout& layout) { return OptionalHeaderAt() + (layout.pe32Plus ? 112 : 96); }

// The import section: descriptors, then per DLL its lookup table and names.
void PutImports(const Layout& layout, std::vector<unsigned char>& b) {
    const std::size_t thunk = layout.pe32Plus ? 8 : 4;
    std::size_t next = 20 * (layout.imports.size() + 1);  // after the descriptors and their zero end
    for (std::size_t d = 0; d < layout.imports.size(); ++d) {
        const auto& [dll, functions] = layout.imports[d];
        const std::size_t table = next;
        next += thunk * (functions.size() + 1);
        const std::size_t descriptor = kImportsRaw + 20 * d;
        Put32(b, descriptor, kImportsRva + static_cast<std::uint32_t>(table));
        Put32(b, descriptor + 12, kImportsRva + static_cast<std::uint32_t>(next));
        Put32(b, descriptor + 16, kImportsRva + static_cast<std::uint32_t>(table));
        std::memcpy(&b[kImportsRaw + next], dll.c_str(), dll.size() + 1);
        next += dll.size() + 1;
        for (std::size_t f = 0; f < functions.size(); ++f) {
            std::uint64_t entry = 0;
            if (functions[f][0] == '#') {
                entry = std::stoul(functions[f].substr(1)) | (layout.pe32Plus ? 1ULL << 63 : 1ULL << 31);
            } else {
                entry = kImportsRva + next;
                Put16(b, kImportsRaw + next, 7);  // the hint
                std::memcpy(&b[kImportsRaw + next + 2], functions[f].c_str(), functions[f].size() + 1);
                next += 2 + functions[f].size() + 1;
            }
            const std::size_t at = kImportsRaw + table + thunk * f;
            layout.pe32Plus ? Put64(b, at, entry) : Put32(b, at, static_cast<std::uint32_t>(entry));
        }
    }
    EXPECT_LE(next, kImportsSize) << "the test's imports outgrow their section";
}

std::vector<unsigned char> Build(const Layout& layout) {
    std::vector<unsigned char> b(kResourcesRaw + layout.resourceBytes);
    b[0] = 'M';
    b[1] = 'Z';
    Put32(b, 0x3C, kPeOffset);
    std::memcpy(&b[kPeOffset], "PE\0\0", 4);
    const std::size_t file = kPeOffset + 4, optional = OptionalHeaderAt();
    const std::uint16_t sections = layout.resourceBytes ? 2 : 1;
    const std::size_t optionalSize = (layout.pe32Plus ? 112 : 96) + 16 * 8;
    Put16(b, file, layout.pe32Plus ? 0x8664 : 0x14C);
    Put16(b, file + 2, sections);
    Put16(b, file + 16, static_cast<std::uint32_t>(optionalSize));
    Put16(b, optional, layout.pe32Plus ? 0x20B : 0x10B);
    Put16(b, optional + 40, layout.osMajor);
    Put16(b, optional + 42, layout.osMinor);
    Put16(b, optional + 48, layout.subsystemMajor);
    Put16(b, optional + 50, layout.subsystemMinor);
    Put16(b, optional + 68, 2);  // Windows GUI
    const std::size_t directories = DirectoriesAt(layout);
    Put32(b, directories - 4, 16);
    Put32(b, directories + 8 * 1, kImportsRva);
    Put32(b, directories + 8 * 1 + 4, 20 * static_cast<std::uint32_t>(layout.imports.size() + 1));
    if (layout.resourceBytes) {
        Put32(b, directories + 8 * 2, kResourcesRva);
        Put32(b, directories + 8 * 2 + 4, layout.resourceBytes);
    }
    if (layout.delayLoad) {
        Put32(b, directories + 8 * 13, kImportsRva + kImportsSize - 32);
        Put32(b, directories + 8 * 13 + 4, 32);
    }
    auto section = [&](std::size_t index, const char* name, std::uint32_t rva, std::uint32_t raw,
                       std::uint32_t size) {
        const std::size_t at = optional + optionalSize + 40 * index;
        std::memcpy(&b[at], name, std::strlen(name));
        Put32(b, at + 8, size);
        Put32(b, at + 12, rva);
        Put32(b, at + 16, size);
        Put32(b, at + 20, raw);
    };
    section(0, ".idata", kImportsRva, kImportsRaw, kImportsSize);
    if (layout.resourceBytes) section(1, ".rsrc", kResourcesRva, kResourcesRaw, layout.resourceBytes);
    PutImports(layout, b);
    std::copy(layout.resourceData.begin(), layout.resourceData.end(), b.begin() + kResourcesRaw);
    return b;
}

tlw::PeImage Read(const std::vector<unsigned char>& bytes) { return tlw::ReadPeImage(bytes.data(), bytes.size()); }

Layout TwoDlls(bool pe32Plus) {
    Layout layout;
    layout.pe32Plus = pe32Plus;
    layout.subsystemMajor = 5;
    layout.osMajor = 5;
    layout.osMinor = 1;
    layout.imports = {{"KERNEL32.dll", {"CreateFileA", "#17", "Sleep"}}, {"msvcrt.dll", {"malloc"}}};
    layout.resourceBytes = 0x300;
    return layout;
}

TEST(PeImage, ReadsVersionsSectionsResourcesAndImportsInFileOrder) {
    for (const bool pe32Plus : {false, true}) {
        const tlw::PeImage image = Read(Build(TwoDlls(pe32Plus)));
        ASSERT_EQ(image.problem, PeProblem::None) << "PE32+: " << pe32Plus;
        EXPECT_EQ(image.pe32Plus, pe32Plus);
        EXPECT_EQ(image.majorSubsystemVersion, 5);
        EXPECT_EQ(image.minorSubsystemVersion, 0);
        EXPECT_EQ(image.majorOsVersion, 5);
        EXPECT_EQ(image.minorOsVersion, 1);
        EXPECT_EQ(image.subsystem, 2);
        ASSERT_EQ(image.sections.size(), 2u);
        EXPECT_EQ(image.sections[1].name, ".rsrc");
        EXPECT_EQ(image.resourceBytes, 0x300u);
        EXPECT_EQ(image.fileSize, kResourcesRaw + 0x300u);
        std::vector<std::string> imports;
        for (const tlw::PeImport& i : image.imports) {
            imports.push_back(i.dll + "!" + (i.function.empty() ? "#" + std::to_string(i.ordinal) : i.function));
        }
        EXPECT_EQ(imports, (std::vector<std::string>{"KERNEL32.dll!CreateFileA", "KERNEL32.dll!#17",
                                                     "KERNEL32.dll!Sleep", "msvcrt.dll!malloc"}));
    }
}

TEST(PeImage, EveryShorterFileEndsInAProblem) {
    for (const bool pe32Plus : {false, true}) {
        const std::vector<unsigned char> whole = Build(TwoDlls(pe32Plus));
        for (std::size_t size = 0; size < whole.size(); ++size) {
            // A buffer of exactly `size` bytes, so that a read past it is a read past the allocation.
            const std::vector<unsigned char> cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(size));
            EXPECT_NE(tlw::ReadPeImage(cut.data(), cut.size()).problem, PeProblem::None) << "size " << size;
        }
    }
}

TEST(PeImage, ForeignOrDamagedFilesAreRefusedWithTheirFault) {
    std::vector<unsigned char> bytes = Build(TwoDlls(false));
    bytes[0] = 'X';
    EXPECT_EQ(Read(bytes).problem, PeProblem::NotAnExecutable);

    bytes = Build(TwoDlls(false));
    Put32(bytes, 0x3C, 0xFFFFFFF0);  // the signature's offset beyond the file
    EXPECT_EQ(Read(bytes).problem, PeProblem::NotAnExecutable);

    bytes = Build(TwoDlls(false));
    Put16(bytes, OptionalHeaderAt(), 0x107);  // a ROM image's header
    EXPECT_EQ(Read(bytes).problem, PeProblem::UnknownOptionalHeader);

    bytes = Build(TwoDlls(false));
    Put32(bytes, kImportsRaw + 12, 0x9000);  // the first DLL's name lies in no section
    EXPECT_EQ(Read(bytes).problem, PeProblem::BadImportTable);

    bytes = Build(TwoDlls(false));
    // The last name runs on to the end of its section and of the file's bytes for it: unterminated.
    const std::size_t nameEnd = std::string(reinterpret_cast<const char*>(bytes.data()), kImportsRaw + kImportsSize)
                                    .rfind("malloc") + 6;
    std::fill(bytes.begin() + static_cast<std::ptrdiff_t>(nameEnd), bytes.end(), 'x');
    EXPECT_EQ(Read(bytes).problem, PeProblem::BadImportTable);
}

TEST(PeImage, DelayLoadedImportsAreRefusedRatherThanLeftUnchecked) {
    Layout layout = TwoDlls(false);
    layout.delayLoad = true;
    EXPECT_EQ(Read(Build(layout)).problem, PeProblem::DelayLoadImports);
}

TEST(FunctionList, NamesOutsideTheListAreReportedPerDllIgnoringTheDllNamesCase) {
    tlw::FunctionList list;
    int badLine = 0;
    ASSERT_TRUE(tlw::ParseFunctionList("# Windows 2000\n[kernel32.DLL]\nCreateFileA   # checked\n\n"
                                       "[MSVCRT.dll]\nmalloc\n",
                                       list, badLine));
    const tlw::PeImage image = Read(Build(TwoDlls(false)));
    EXPECT_EQ(tlw::UnlistedImports(image, list),
              (std::vector<std::string>{"KERNEL32.dll!#17", "KERNEL32.dll!Sleep"}));
    list["kernel32.dll"].insert("Sleep");
    EXPECT_EQ(tlw::UnlistedImports(image, list), (std::vector<std::string>{"KERNEL32.dll!#17"}))
        << "an ordinal is never listed";
    // A function of one DLL does not cover the same name in another.
    list.erase("msvcrt.dll");
    list["user32.dll"].insert("malloc");
    EXPECT_EQ(tlw::UnlistedImports(image, list),
              (std::vector<std::string>{"KERNEL32.dll!#17", "msvcrt.dll!malloc"}));
}

TEST(FunctionList, AFunctionBeforeAnyDllOrTwoWordsOnALineIsRefusedWithItsLine) {
    tlw::FunctionList list;
    int badLine = 0;
    EXPECT_FALSE(tlw::ParseFunctionList("# header\nCreateFileA\n", list, badLine));
    EXPECT_EQ(badLine, 2);
    EXPECT_FALSE(tlw::ParseFunctionList("[kernel32.dll]\nCreateFileA\nGetTickCount64 Sleep\n", list, badLine));
    EXPECT_EQ(badLine, 3);
}

TEST(Windows2000Faults, VersionsAbove5Point0AndUnlistedImportsAreEachAFault) {
    tlw::FunctionList list;
    int badLine = 0;
    ASSERT_TRUE(tlw::ParseFunctionList("[kernel32.dll]\nCreateFileA\nSleep\n[msvcrt.dll]\nmalloc\n", list, badLine));
    Layout layout = TwoDlls(false);
    layout.imports[0].second = {"CreateFileA", "Sleep"};
    layout.osMinor = 0;  // 5.0 and 5.0: what Windows 2000 loads
    EXPECT_TRUE(tlw::Windows2000Faults(Read(Build(layout)), list).empty());
    layout.subsystemMinor = 1;  // Windows XP
    layout.osMajor = 6;         // Windows Vista
    list["kernel32.dll"].erase("Sleep");
    const std::vector<std::string> faults = tlw::Windows2000Faults(Read(Build(layout)), list);
    ASSERT_EQ(faults.size(), 3u);
    EXPECT_NE(faults[0].find("KERNEL32.dll!Sleep"), std::string::npos) << faults[0];
    EXPECT_NE(faults[1].find("subsystem version 5.1"), std::string::npos) << faults[1];
    EXPECT_NE(faults[2].find("operating system version 6.0"), std::string::npos) << faults[2];
}

// A version resource's block: a key, a value (text, or bytes), children.
struct VersionBlock {
    std::string key;
    std::string text;
    std::vector<unsigned char> bytes;
    std::vector<VersionBlock> children;
};

void PutUtf16(std::vector<unsigned char>& out, const std::string& text) {
    for (const char c : text + '\0') {
        out.push_back(static_cast<unsigned char>(c));
        out.push_back(0);
    }
}

void PadTo32Bits(std::vector<unsigned char>& out) { out.resize((out.size() + 3) & ~std::size_t{3}); }

void PutBlock(std::vector<unsigned char>& out, const VersionBlock& block) {
    const std::size_t start = out.size();
    out.resize(start + 6);
    const bool isText = !block.text.empty();
    Put16(out, start + 2, static_cast<std::uint32_t>(isText ? block.text.size() + 1 : block.bytes.size()));
    Put16(out, start + 4, isText ? 1 : 0);
    PutUtf16(out, block.key);
    PadTo32Bits(out);
    if (isText) PutUtf16(out, block.text);
    out.insert(out.end(), block.bytes.begin(), block.bytes.end());
    for (const VersionBlock& child : block.children) {
        PadTo32Bits(out);
        PutBlock(out, child);
    }
    Put16(out, start, static_cast<std::uint32_t>(out.size() - start));
}

// A resource section holding one version resource (type 16, name 1, U.S. English) made of `root`.
std::vector<unsigned char> VersionResourceSection(const VersionBlock& root, std::uint32_t type = 16) {
    std::vector<unsigned char> section(88);
    for (const std::size_t directory : {0u, 24u, 48u}) Put16(section, directory + 14, 1);  // one numbered entry
    Put32(section, 16, type);
    Put32(section, 20, 0x80000000u | 24);
    Put32(section, 40, 1);
    Put32(section, 44, 0x80000000u | 48);
    Put32(section, 64, 0x409);
    Put32(section, 68, 72);  // the data's entry
    PutBlock(section, root);
    Put32(section, 72, kResourcesRva + 88);
    Put32(section, 76, static_cast<std::uint32_t>(section.size() - 88));
    return section;
}

VersionBlock ProgramVersion() {
    VersionBlock english{"040904E4", "", {}, {{"CompanyName", "Tallowin", {}, {}}, {"ProductVersion", "1.03", {}, {}},
                                              {"Comments", "caf\xE9", {}, {}}}};
    VersionBlock german{"040704E4", "", {}, {{"ProductVersion", "9.99", {}, {}}}};
    VersionBlock translations{"VarFileInfo", "", {}, {{"Translation", "", {0x09, 0x04, 0xE4, 0x04}, {}}}};
    return {"VS_VERSION_INFO", "", std::vector<unsigned char>(52, 0xBD),
            {translations, {"StringFileInfo", "", {}, {english, german}}}};
}

std::map<std::string, std::string> TextsOf(const std::vector<unsigned char>& resources) {
    Layout layout = TwoDlls(false);
    layout.resourceData = resources;
    const std::vector<unsigned char> bytes = Build(layout);
    return tlw::VersionTexts(bytes.data(), bytes.size(), Read(bytes));
}

TEST(VersionTexts, AreTheFirstStringTablesWhereverItLies) {
    const std::map<std::string, std::string> expected{
        {"Comments", "caf?"}, {"CompanyName", "Tallowin"}, {"ProductVersion", "1.03"}};
    EXPECT_EQ(TextsOf(VersionResourceSection(ProgramVersion())), expected);
    EXPECT_EQ(TextsOf({}), (std::map<std::string, std::string>{})) << "no resources";
    EXPECT_EQ(TextsOf(VersionResourceSection(ProgramVersion(), 3)), (std::map<std::string, std::string>{}))
        << "only an icon";
}

// Where the block keyed `key` starts in a version resource section.
std::size_t BlockOf(const std::vector<unsigned char>& section, const std::string& key) {
    std::vector<unsigned char> wide;
    PutUtf16(wide, key);
    return static_cast<std::size_t>(std::search(section.begin(), section.end(), wide.begin(), wide.end()) -
                                    section.begin()) - 6;
}

TEST(VersionTexts, ADamagedResourceGivesNothingRatherThanAReadOutsideIt) {
    const std::vector<unsigned char> whole = VersionResourceSection(ProgramVersion());
    const std::size_t table = BlockOf(whole, "040904E4"), comments = BlockOf(whole, "Comments");
    ASSERT_LT(table, whole.size());
    struct Damage {
        const char* what;
        std::size_t at;
        std::uint32_t value;
        bool wide;
    };
    for (const Damage& d : {Damage{"the root runs past the resource", 88, 0xFFFF, false},
                            Damage{"the data's entry lies outside the file", 72, 0x7FFFFFF0, true},
                            Damage{"the data runs past the section", 76, 0x10000, true},
                            Damage{"a table runs past its parent", table, 0xFFF0, false},
                            Damage{"a block shorter than its own header", comments, 4, false},
                            Damage{"the type's entry leads to data, not a directory", 20, 24, true}}) {
        std::vector<unsigned char> damaged = whole;
        d.wide ? Put32(damaged, d.at, d.value) : Put16(damaged, d.at, d.value);
        EXPECT_EQ(TextsOf(damaged), (std::map<std::string, std::string>{})) << d.what;
    }
    // A key without its end: the table is damaged, and nothing is taken from it.
    std::vector<unsigned char> unterminated = whole;
    std::fill(unterminated.begin() + static_cast<std::ptrdiff_t>(comments + 6),
              unterminated.begin() + static_cast<std::ptrdiff_t>(comments + whole[comments]), 'x');
    EXPECT_EQ(TextsOf(unterminated), (std::map<std::string, std::string>{}));
}

}  // namespace
