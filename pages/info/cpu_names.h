// The processor's codes as the BIOS reports them, turned into the vendor,
// type and speed texts of the information page's first three rows.
#pragma once

#include <cstdint>
#include <string>

#include "pages/info/info_probes.h"

namespace tlw {

constexpr std::uint8_t kCpuLastBusCode = 13;
constexpr std::uint8_t kCpuLastMultiplierCode = 23;
// Both clock codes at this value: the BIOS reports the speed in MHz itself.
constexpr std::uint8_t kCpuSpeedReported = 0xFF;

// The vendor's text and, through its type table, the type's text; "Unknown
// Brand" and "Unknown Type" for codes outside the tables.
void GetCpuVendor(const TextSource& texts, std::uint8_t vendorCode, std::string& vendor, std::uint8_t typeCode,
                  std::string& type);

// One type table each.
std::string GetIntelType(const TextSource& texts, std::uint8_t typeCode);
std::string GetCyrixType(const TextSource& texts, std::uint8_t typeCode);
std::string GetAmdType(const TextSource& texts, std::uint8_t typeCode);

// "<n> MHz": the reported speed, the product of bus clock and multiplier for
// the four slowest buses, else the speed table's entry; "Unknown Speed" for
// codes outside the tables.
std::string FormatCpuSpeed(const TextSource& texts, std::uint8_t busCode, std::uint8_t multiplierCode,
                           std::uint16_t speed);

}  // namespace tlw
