// Tables for the DMI tests: small ones written structure by structure, and the
// real machines' tables with what their identity is known to be.
#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace tlw::dmi::test {

// One structure: type, a formatted area of 4 + fields.size() bytes (handle 0),
// then its strings, ended by the double NUL.
inline std::string Structure(std::uint8_t type, std::vector<std::uint8_t> fields,
                             const std::vector<std::string>& strings = {}) {
    std::string bytes{static_cast<char>(type), static_cast<char>(4 + fields.size()), 0, 0};
    bytes.append(fields.begin(), fields.end());
    for (const std::string& s : strings) bytes += s + '\0';
    bytes += strings.empty() ? std::string(2, '\0') : std::string(1, '\0');
    return bytes;
}

// A system information structure: manufacturer, product and serial are
// strings 1, 2 and 3 (0 when given empty), and the UUID's 16 bytes.
inline std::string System(const std::string& manufacturer, const std::string& product, const std::string& serial,
                          const std::vector<std::uint8_t>& uuid = std::vector<std::uint8_t>(16, 0)) {
    std::vector<std::uint8_t> fields(23, 0);  // offsets 4 to 26
    std::vector<std::string> strings;
    const auto add = [&](std::size_t offset, const std::string& text) {
        if (text.empty()) return;
        strings.push_back(text);
        fields[offset - 4] = static_cast<std::uint8_t>(strings.size());
    };
    add(4, manufacturer);
    add(5, product);
    add(7, serial);
    for (std::size_t i = 0; i < 16 && i < uuid.size(); ++i) fields[8 - 4 + i] = uuid[i];
    return Structure(1, fields, strings);
}

// A system enclosure whose asset tag is string 1 (no string when empty).
inline std::string Enclosure(const std::string& assetTag) {
    if (assetTag.empty()) return Structure(3, {0, 0x0A, 0, 0, 0});
    return Structure(3, {0, 0x0A, 0, 0, 1}, {assetTag});
}

inline std::string Bios() { return Structure(0, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}); }
inline std::string Board() { return Structure(2, {0, 0, 0, 0}); }
inline std::string EndOfTable() { return Structure(127, {}); }
// Another type the walk does not read (a processor).
inline std::string Processor() { return Structure(4, std::vector<std::uint8_t>(22, 0), {"CPU 1"}); }

inline const std::uint8_t* Bytes(const std::string& table) {
    return reinterpret_cast<const std::uint8_t*>(table.data());
}

inline std::string ReadBinary(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// True when the build's folder of real tables (TALLOWIN_SMBIOS_TABLES) is there:
// a clone without the shared test data beside it skips the real-table cases,
// saying so, rather than failing on a missing file.
inline bool RealTablesPresent() {
    return std::filesystem::exists(std::filesystem::path(TALLOWIN_SMBIOS_TABLES) / "expected.tsv");
}
#define TLW_SKIP_WITHOUT_REAL_TABLES()                                                                  \
    if (!::tlw::dmi::test::RealTablesPresent())                                                         \
    GTEST_SKIP() << "the real SMBIOS tables are not in " << TALLOWIN_SMBIOS_TABLES

// A real machine's table and its identity as read from the whole table.
struct RealTable {
    std::string name;
    std::string bytes;
    std::string manufacturer, product, serial, uuidDigits, assetTag;
};

// Every table the folder's expected.tsv lists (the folder is the build's
// TALLOWIN_SMBIOS_TABLES). An asset tag that names no string reads as empty.
inline std::vector<RealTable> RealTables() {
    const std::filesystem::path folder = TALLOWIN_SMBIOS_TABLES;
    std::vector<RealTable> tables;
    std::istringstream lines(ReadBinary(folder / "expected.tsv"));
    std::string line;
    std::getline(lines, line);  // the column names
    while (std::getline(lines, line)) {
        std::vector<std::string> columns;
        std::size_t from = 0;
        for (std::size_t tab; (tab = line.find('\t', from)) != std::string::npos; from = tab + 1) {
            columns.push_back(line.substr(from, tab - from));
        }
        columns.push_back(line.substr(from));
        if (columns.size() != 8) continue;
        RealTable t{columns[0], ReadBinary(folder / columns[0]), columns[2], columns[3], columns[4], columns[6],
                    columns[7]};
        if (t.assetTag == "<BAD INDEX>") t.assetTag.clear();
        tables.push_back(t);
    }
    return tables;
}

}  // namespace tlw::dmi::test
