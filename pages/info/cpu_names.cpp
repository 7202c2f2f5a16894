// The processor tables. The speeds for the faster buses are the figures the
// BIOS vendor lists (the 66 and 133 MHz columns round 66 2/3 and 133 1/3 entry
// by entry), so they are kept as data rather than multiplied out.
#include "pages/info/cpu_names.h"

#include <cstdio>

#include "res/resource.h"

namespace tlw {
namespace {

constexpr std::size_t kTypeCodes = 11;

const char* const kIntelTypes[kTypeCodes] = {"386",           "486",         "Pentium",    "Pentium", "Pentium(ODP/MMX)",
                                             "MMX(R) Pentium", "Pentium Pro", "Pentium II", "Celeron", nullptr,
                                             "Pentium III"};
const char* const kCyrixTypes[kTypeCodes] = {"386", "486", nullptr, "6x86", "6x86L", "6x86MX",
                                             nullptr, nullptr, nullptr, nullptr, nullptr};
const char* const kAmdTypes[kTypeCodes] = {"386", "486",  nullptr,     "K5",    nullptr, "K6",
                                           "K6-2", "K6-3", "K6-2(8~F)", nullptr, nullptr};

const char* const kVendors[] = {"Intel", "Cyrix", "AMD", "IBM", "UMC", "TI", "SGS"};
enum Vendor : std::uint8_t { kIntel = 0, kCyrix = 1, kAmd = 2 };

// The four slowest buses, multiplied out.
const float kBusClock[4] = {20.0f, 25.0f, 33.0f, 40.0f};
constexpr std::uint8_t kFirstTableBus = 4;

float Multiplier(std::uint8_t code) { return code == 23 ? 1.75f : 1.0f + 0.5f * code; }

// MHz by multiplier code (row) and bus code 4 to 13 (column): 50, 60, 66, 75,
// 83, 100, 95, 90, 133 and 200 MHz buses.
const std::uint16_t kSpeeds[kCpuLastMultiplierCode + 1][kCpuLastBusCode + 1 - kFirstTableBus] = {
    {50, 60, 66, 75, 83, 100, 95, 90, 133, 200},
    {75, 90, 100, 112, 124, 150, 143, 135, 200, 300},
    {100, 120, 133, 150, 166, 200, 190, 180, 266, 400},
    {125, 150, 166, 187, 207, 250, 238, 225, 333, 500},
    {150, 180, 200, 225, 249, 300, 285, 270, 400, 600},
    {175, 210, 233, 262, 290, 350, 333, 315, 466, 700},
    {200, 240, 266, 300, 332, 400, 380, 360, 533, 800},
    {225, 270, 300, 337, 373, 450, 428, 405, 600, 900},
    {250, 300, 333, 375, 415, 500, 475, 450, 666, 1000},
    {275, 330, 366, 412, 456, 550, 523, 495, 733, 1100},
    {300, 360, 400, 450, 498, 600, 570, 540, 800, 1200},
    {325, 390, 433, 487, 539, 650, 618, 585, 866, 1300},
    {350, 420, 466, 525, 581, 700, 665, 630, 933, 1400},
    {375, 450, 500, 562, 622, 750, 713, 675, 1000, 1500},
    {400, 480, 533, 600, 664, 800, 760, 720, 1066, 1600},
    {425, 510, 566, 637, 705, 850, 808, 765, 1133, 1700},
    {450, 540, 600, 675, 747, 900, 855, 810, 1200, 1800},
    {475, 570, 633, 712, 788, 950, 903, 855, 1266, 1900},
    {500, 600, 666, 750, 830, 1000, 950, 900, 1333, 2000},
    {525, 630, 700, 787, 871, 1050, 998, 945, 1400, 2100},
    {550, 660, 733, 825, 913, 1100, 1045, 990, 1466, 2200},
    {575, 690, 766, 862, 954, 1150, 1093, 1035, 1533, 2300},
    {600, 720, 800, 900, 996, 1200, 1140, 1080, 1600, 2400},
    {87, 105, 116, 131, 145, 175, 166, 158, 233, 350},
};

std::string TypeFrom(const TextSource& texts, const char* const (&table)[kTypeCodes], std::uint8_t code) {
    if (code < kTypeCodes && table[code]) return table[code];
    return texts.Text(IDS_UNKNOWN_TYPE);
}

std::string Mhz(long mhz) {
    char text[20];
    std::snprintf(text, sizeof text, "%ld MHz", mhz);
    return text;
}

}  // namespace

std::string GetIntelType(const TextSource& texts, std::uint8_t typeCode) { return TypeFrom(texts, kIntelTypes, typeCode); }
std::string GetCyrixType(const TextSource& texts, std::uint8_t typeCode) { return TypeFrom(texts, kCyrixTypes, typeCode); }
std::string GetAmdType(const TextSource& texts, std::uint8_t typeCode) { return TypeFrom(texts, kAmdTypes, typeCode); }

void GetCpuVendor(const TextSource& texts, std::uint8_t vendorCode, std::string& vendor, std::uint8_t typeCode,
                  std::string& type) {
    type = texts.Text(IDS_UNKNOWN_TYPE);
    if (vendorCode >= sizeof kVendors / sizeof kVendors[0]) {
        vendor = texts.Text(IDS_UNKNOWN_BRAND);
        return;
    }
    vendor = kVendors[vendorCode];
    switch (vendorCode) {
        case kIntel: type = GetIntelType(texts, typeCode); break;
        case kCyrix: type = GetCyrixType(texts, typeCode); break;
        case kAmd: type = GetAmdType(texts, typeCode); break;
        default: break;  // no type table: the type stays unknown
    }
}

std::string FormatCpuSpeed(const TextSource& texts, std::uint8_t busCode, std::uint8_t multiplierCode,
                           std::uint16_t speed) {
    if (busCode == kCpuSpeedReported && multiplierCode == kCpuSpeedReported) return Mhz(speed);
    if (busCode > kCpuLastBusCode || multiplierCode > kCpuLastMultiplierCode) return texts.Text(IDS_UNKNOWN_SPEED);
    if (busCode < kFirstTableBus) return Mhz(static_cast<long>(kBusClock[busCode] * Multiplier(multiplierCode)));
    return Mhz(kSpeeds[multiplierCode][busCode - kFirstTableBus]);
}

}  // namespace tlw
