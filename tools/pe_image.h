// Reading what a Windows executable asks of the system that loads it: the
// versions in its PE header, its sections and the functions it imports by
// name from each DLL. Portable, and never reads outside the bytes handed in:
// the build's checks run it on the cross-built tlw.exe.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace tlw {

// The first fault found; the fields read before it stay filled in.
enum class PeProblem {
    None,
    NotAnExecutable,       // no "MZ" header or no "PE\0\0" signature where it points
    Truncated,             // a header or the section table runs past the end
    UnknownOptionalHeader, // neither PE32 (0x10B) nor PE32+ (0x20B)
    BadImportTable,        // an import entry points outside every section, or a name runs past the end
    DelayLoadImports,      // imports this reader does not list: they would escape the check
};

struct PeSection {
    std::string name;
    std::uint32_t virtualAddress = 0;
    std::uint32_t virtualSize = 0;
    std::uint32_t rawOffset = 0;
    std::uint32_t rawSize = 0;
};

struct PeImport {
    std::string dll;
    std::string function;      // empty when imported by ordinal
    std::uint16_t ordinal = 0; // only when imported by ordinal
};

struct PeImage {
    PeProblem problem = PeProblem::None;
    bool pe32Plus = false;
    std::uint16_t majorOsVersion = 0, minorOsVersion = 0;
    std::uint16_t majorSubsystemVersion = 0, minorSubsystemVersion = 0;
    std::uint16_t subsystem = 0;
    std::size_t fileSize = 0;
    std::vector<PeSection> sections;
    std::vector<PeImport> imports;
    // Bytes in the file of the section that holds the resource directory; 0 without resources.
    std::size_t resourceBytes = 0;
    std::uint32_t resourceRva = 0;  // where the resource directory lies in memory; 0 without one
};

PeImage ReadPeImage(const unsigned char* data, std::size_t size);

// The file offset of the memory address `rva`, when a section's bytes in the file hold it.
bool FileOffsetOf(const PeImage& image, std::uint32_t rva, std::size_t& offset);

// Functions by DLL, the DLL's name in lower case.
using FunctionList = std::map<std::string, std::set<std::string>>;

// Reads a list of lines "[dll name]" followed by one function name a line;
// '#' starts a comment. Returns false, with the line number in `badLine`, for a
// function named before any DLL or a line with more than one word.
bool ParseFunctionList(const std::string& text, FunctionList& list, int& badLine);

// The imports not in `allowed`, as "dll!function", in file order. An import by
// ordinal ("dll!#ordinal") is never in the list: the list names functions.
std::vector<std::string> UnlistedImports(const PeImage& image, const FunctionList& allowed);

// Why Windows 2000 (5.0) would not load `image`, one sentence per fault: an
// import not in `allowed`, or a subsystem or operating system version above 5.0.
std::vector<std::string> Windows2000Faults(const PeImage& image, const FunctionList& allowed);

}  // namespace tlw
