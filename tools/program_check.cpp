// Checks the cross-built program, for the tests and the size script:
//   program_check imports <exe> <function list>  every import is listed, and the PE header asks for
//                                                 no system newer than Windows 2000 (5.0)
//   program_check size <exe> [<limit in bytes>]   prints the file's size, its resources' and the rest's;
//                                                 fails when the rest is over the limit
//   program_check version <exe>                    prints the "ProductVersion" of its version resource
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/pe_image.h"
#include "tools/version_resource.h"

namespace {

bool ReadWholeFile(const char* path, std::string& bytes) {
    std::FILE* file = std::fopen(path, "rb");
    if (!file) return false;
    char buffer[65536];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) bytes.append(buffer, n);
    const bool ok = !std::ferror(file);
    std::fclose(file);
    return ok;
}

const char* Describe(tlw::PeProblem problem) {
    switch (problem) {
        case tlw::PeProblem::None: return "no problem";
        case tlw::PeProblem::NotAnExecutable: return "not a Windows executable";
        case tlw::PeProblem::Truncated: return "a header or section runs past the end of the file";
        case tlw::PeProblem::UnknownOptionalHeader: return "neither a PE32 nor a PE32+ header";
        case tlw::PeProblem::BadImportTable: return "the import table points outside the file";
        case tlw::PeProblem::DelayLoadImports: return "delay-loaded imports, which this check does not read";
    }
    return "unknown problem";
}

int CheckImports(const tlw::PeImage& image, const char* exe, const char* listPath) {
    std::string text;
    tlw::FunctionList allowed;
    int badLine = 0;
    if (!ReadWholeFile(listPath, text)) {
        std::fprintf(stderr, "cannot read %s\n", listPath);
        return 2;
    }
    if (!tlw::ParseFunctionList(text, allowed, badLine)) {
        std::fprintf(stderr, "%s:%d: expected \"[dll]\" or one function name\n", listPath, badLine);
        return 2;
    }
    const std::vector<std::string> faults = tlw::Windows2000Faults(image, allowed);
    for (const std::string& fault : faults) std::fprintf(stderr, "%s %s (%s)\n", exe, fault.c_str(), listPath);
    std::printf("%s: %zu imports, subsystem version %u.%u, operating system version %u.%u: %s\n", exe,
                image.imports.size(), image.majorSubsystemVersion, image.minorSubsystemVersion,
                image.majorOsVersion, image.minorOsVersion, faults.empty() ? "loads on Windows 2000" : "FAILED");
    return faults.empty() ? 0 : 1;
}

int PrintSize(const tlw::PeImage& image, const char* exe, const char* limitText) {
    const std::size_t rest = image.fileSize - image.resourceBytes;
    auto kb = [](std::size_t bytes) { return static_cast<double>(bytes) / 1024.0; };
    std::printf("%s\n", exe);
    std::printf("  total                    %9zu bytes  %7.1f KB\n", image.fileSize, kb(image.fileSize));
    std::printf("  resources                %9zu bytes  %7.1f KB\n", image.resourceBytes, kb(image.resourceBytes));
    std::printf("  everything but resources %9zu bytes  %7.1f KB\n", rest, kb(rest));
    for (const tlw::PeSection& s : image.sections) {
        std::printf("    %-8s %9u bytes  %7.1f KB\n", s.name.c_str(), s.rawSize, kb(s.rawSize));
    }
    if (!limitText) return 0;
    const std::size_t limit = std::strtoul(limitText, nullptr, 10);
    if (rest > limit) {
        std::printf("  FAILED: everything but resources is over the limit of %zu bytes (%.1f KB)\n", limit, kb(limit));
        return 1;
    }
    std::printf("  within the limit of %zu bytes (%.1f KB)\n", limit, kb(limit));
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 2 ? argv[1] : "";
    if ((mode != "imports" || argc != 4) && (mode != "size" || argc < 3 || argc > 4) &&
        (mode != "version" || argc != 3)) {
        std::fprintf(stderr, "usage: program_check imports <exe> <function list>\n"
                             "       program_check size <exe> [<limit in bytes>]\n"
                             "       program_check version <exe>\n");
        return 2;
    }
    std::string bytes;
    if (!ReadWholeFile(argv[2], bytes)) {
        std::fprintf(stderr, "cannot read %s\n", argv[2]);
        return 2;
    }
    const tlw::PeImage image = tlw::ReadPeImage(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
    if (image.problem != tlw::PeProblem::None) {
        std::fprintf(stderr, "%s: %s\n", argv[2], Describe(image.problem));
        return 1;
    }
    if (mode == "version") {
        const auto texts = tlw::VersionTexts(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), image);
        const auto version = texts.find("ProductVersion");
        if (version == texts.end() || version->second.empty()) {
            std::fprintf(stderr, "%s: no \"ProductVersion\" in a version resource\n", argv[2]);
            return 1;
        }
        std::printf("%s\n", version->second.c_str());
        return 0;
    }
    return mode == "imports" ? CheckImports(image, argv[2], argv[3]) : PrintSize(image, argv[2], argc == 4 ? argv[3] : nullptr);
}
