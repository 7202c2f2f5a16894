// The probes of the information page's rows before the identity rows. Each
// asks the BIOS (or the machine's facts) afresh and adds zero, one or two rows.
#include "pages/info/info_probes.h"

#include <climits>
#include <cstdio>

#include "bios/info_calls.h"
#include "pages/info/cpu_names.h"
#include "res/resource.h"

namespace tlw {
namespace {

constexpr const char* kSerialDeviceId = "PNP05";    // serial ports' instance IDs hold it
constexpr const char* kParallelDeviceId = "PNP04";  // parallel ports' likewise

class Rows {
public:
    Rows(const TextSource& texts, MachineFacts* facts, bool windows2000)
        : texts(texts), facts(facts), windows2000(windows2000) {}

    void Add(unsigned label, const std::string& value) { Add(label ? texts.Text(label) : std::string(), value); }
    void Add(const std::string& label, const std::string& value) { rows.push_back({label, value}); }
    std::string Text(unsigned id) const { return texts.Text(id); }

    const TextSource& texts;
    MachineFacts* const facts;
    const bool windows2000;
    InfoRows rows;
};

// The first "%d" of a text from the string table, filled with `number`; the
// text itself is never used as a format.
std::string FillNumber(const std::string& pattern, long number) {
    const std::size_t at = pattern.find("%d");
    if (at == std::string::npos) return pattern;
    return pattern.substr(0, at) + std::to_string(number) + pattern.substr(at + 2);
}

// "<state> <detail>", as the operation mode and cache lines read.
std::string Pair(const std::string& first, const std::string& second) {
    char text[128];
    std::snprintf(text, sizeof text, "%s %s", first.c_str(), second.c_str());
    return text;
}

void AddCpuItems(Rows& r) {
    std::uint8_t vendorCode = 0, typeCode = 0, busCode = 0, multiplierCode = 0;
    std::uint16_t speed = 0;
    std::string vendor, type, speedText;
    if (GetCpuInfo(vendorCode, typeCode, busCode, multiplierCode, speed)) {
        GetCpuVendor(r.texts, vendorCode, vendor, typeCode, type);
        speedText = FormatCpuSpeed(r.texts, busCode, multiplierCode, speed);
    } else {
        // No codes came back: every text is the tables' own unknown.
        vendor = r.Text(IDS_UNKNOWN_BRAND);
        type = r.Text(IDS_UNKNOWN_TYPE);
        speedText = r.Text(IDS_UNKNOWN_SPEED);
    }
    r.Add(IDS_CPU, vendor);
    r.Add(0u, type);
    r.Add(0u, speedText);
}

void AddMemoryItem(Rows& r) {
    std::uint32_t size = 0;
    std::uint8_t unit = kMemoryKB;
    GetSystemRam(size, unit);  // a failure leaves the unit at KB, which reads Unknown
    unsigned unitText = 0;
    if (unit == kMemoryMB) unitText = IDS_UNIT_MB;
    if (unit == kMemoryGB) unitText = IDS_UNIT_GB;
    if (!unitText) return r.Add(IDS_TOTAL_MEMORY, r.Text(IDS_UNKNOWN));
    char text[64];
    std::snprintf(text, sizeof text, "%lu %s", static_cast<unsigned long>(size), r.Text(unitText).c_str());
    r.Add(IDS_TOTAL_MEMORY, text);
}

void AddVideoRamItem(Rows& r) {
    const float mb = static_cast<float>(GetVideoRam()) / 1024.0f;
    char text[64];
    std::snprintf(text, sizeof text, "%.1f %s", mb, r.Text(IDS_UNIT_MB).c_str());
    r.Add(IDS_VIDEO_RAM, text);
}

void AddIdeDriveItem(Rows& r, unsigned index) {
    std::uint8_t type = 0, second = 0;
    if (!GetIdeType(static_cast<std::uint8_t>(kFirstHardDisk + index), type, second)) return;
    if (second != 0 && type == kIdeHardDisk) {
        const unsigned physical = index == 2 ? 1 : index;
        DiskGeometry g;
        if (!r.facts || !r.facts->HardDiskGeometry(physical, g)) return;
        std::uint64_t megabytes = 0;
        if (!DiskMegabytes(g, megabytes) || megabytes > INT_MAX) return;
        char text[64];
        std::snprintf(text, sizeof text, "%d %s", static_cast<int>(megabytes), r.Text(IDS_UNIT_MB).c_str());
        return r.Add(IDS_HARD_DISK, text);
    }
    static const unsigned kKinds[] = {IDS_DRIVE_CD_ROM, IDS_DRIVE_LS120,  IDS_DRIVE_MO,   IDS_DRIVE_ZIP,
                                      IDS_DRIVE_DVD_ROM, IDS_DRIVE_HIFD, IDS_DRIVE_CD_RW, IDS_DRIVE_DVD_CD_RW};
    if (type < 2 || type - 2u >= sizeof kKinds / sizeof kKinds[0]) return;
    r.Add(kKinds[type - 2], r.Text(IDS_DETECTED));
}

// "Enabled" or "Disabled" as the device manager sees the port; no row when it
// does not list one.
void AddPortDevice(Rows& r, const std::string& label, const char* idText) {
    std::uint32_t problem = 0;
    if (!r.facts || !r.facts->FindPortDevice(idText, problem)) return;
    r.Add(label, r.Text(problem == 0 ? IDS_ENABLED : IDS_DISABLED));
}

// The port's rows under the BIOS's view; false when it adds no mode row.
bool AddPortState(Rows& r, const std::string& label, bool answered, std::uint8_t flags, std::uint16_t base,
                  std::uint8_t irq) {
    if (!answered) return r.Add(label, r.Text(IDS_UNKNOWN)), false;
    if (flags & kNoSuchDevice) return r.Add(label, r.Text(IDS_NONE)), false;
    if (flags & kDeviceDisabled) return r.Add(label, r.Text(IDS_DISABLED)), false;
    char text[64];
    std::snprintf(text, sizeof text, "%xh (%s %d) ", static_cast<unsigned>(base), r.Text(IDS_IRQ).c_str(),
                  static_cast<int>(irq));
    r.Add(label, text);
    return true;
}

void AddSerialPortItem(Rows& r, unsigned index) {
    if (index > 1) return;
    if (r.windows2000) {
        if (index == 0) AddPortDevice(r, r.Text(IDS_SERIAL_PORT), kSerialDeviceId);
        return;
    }
    const std::string label = FillNumber(r.Text(IDS_SERIAL_PORT_N), static_cast<long>(index) + 1);
    std::uint8_t flags = 0, irq = 0, mode = 0;
    std::uint16_t base = 0;
    const bool answered = GetSerialPort(static_cast<std::uint8_t>(index), flags, base, irq, mode);
    if (!AddPortState(r, label, answered, flags, base, irq)) return;
    static const unsigned kModes[] = {IDS_MODE_STANDARD, IDS_MODE_IRDA, IDS_MODE_ASK_IR};
    const unsigned modeText = mode < sizeof kModes / sizeof kModes[0] ? kModes[mode] : IDS_MODE_UNDEFINED;
    r.Add(0u, Pair(r.Text(IDS_OPERATION_MODE), r.Text(modeText)));
}

void AddParallelPortItem(Rows& r) {
    const std::string label = r.Text(IDS_PARALLEL_PORT);
    if (r.windows2000) return AddPortDevice(r, label, kParallelDeviceId);
    std::uint8_t flags = 0, irq = 0, mode = 0, dma = 0;
    std::uint16_t base = 0;
    const bool answered = GetParellelPort(flags, base, irq, mode, dma);
    if (!AddPortState(r, label, answered, flags, base, irq)) return;
    static const unsigned kModes[] = {IDS_MODE_STANDARD, IDS_MODE_BIDIRECTIONAL, IDS_MODE_EPP, IDS_MODE_ECP_DMA,
                                      IDS_MODE_EXTERNAL_FDD_A, IDS_MODE_EXTERNAL_FDD_B};
    const unsigned modeId = mode < sizeof kModes / sizeof kModes[0] ? kModes[mode] : IDS_MODE_UNDEFINED;
    const std::string modeText = modeId == IDS_MODE_ECP_DMA ? FillNumber(r.Text(modeId), dma) : r.Text(modeId);
    r.Add(0u, Pair(r.Text(IDS_OPERATION_MODE), modeText));
}

void AddCacheItem(Rows& r, bool (*call)(std::uint8_t&, std::uint8_t&), unsigned label, unsigned baseKbPower) {
    std::uint8_t flags = 0, sizeCode = 0;
    if (!call(flags, sizeCode)) return r.Add(label, r.Text(IDS_UNKNOWN));
    if (flags & kNoSuchDevice) return r.Add(label, r.Text(IDS_NONE));
    const std::string state = r.Text(flags & kDeviceDisabled ? IDS_CACHE_OFF : IDS_CACHE_ON);
    const CacheSize size = ScaleCacheSize(sizeCode, baseKbPower);
    std::string sizeText = r.Text(IDS_UNKNOWN);
    if (size.unit != CacheSize::kUnknown) {
        static const unsigned kUnits[] = {IDS_UNIT_KB, IDS_UNIT_MB, IDS_UNIT_GB};
        char text[64];
        std::snprintf(text, sizeof text, "(%d %s)", static_cast<int>(size.figure), r.Text(kUnits[size.unit]).c_str());
        sizeText = text;
    }
    r.Add(label, Pair(state, sizeText));
}

void AddInternalCacheItem(Rows& r) { AddCacheItem(r, GetInternalCacheStatus, IDS_INTERNAL_CACHE, 3); }  // 8 KB up
void AddExternalCacheItem(Rows& r) { AddCacheItem(r, GetExtCacheStatus, IDS_EXTERNAL_CACHE, 4); }  // 16 KB up

void AddTouchPadItem(Rows& r) {
    std::uint8_t state = 0;
    if (!GetTouchPad(state) || state > 1) return;
    r.Add(IDS_TOUCHPAD, r.Text(state == 1 ? IDS_ENABLED : IDS_DISABLED));
}

}  // namespace

bool DiskMegabytes(const DiskGeometry& g, std::uint64_t& megabytes) {
    if (g.cylinders < 0) return false;
    const std::uint64_t factors[] = {static_cast<std::uint64_t>(g.cylinders), g.tracksPerCylinder, g.sectorsPerTrack,
                                     g.bytesPerSector};
    std::uint64_t bytes = 1;
    for (std::uint64_t f : factors) {
        if (f != 0 && bytes > UINT64_MAX / f) return false;
        bytes *= f;
    }
    // Decimal megabytes, a half rounding up; the sum cannot wrap below 2^64 - 500000.
    megabytes = bytes / 1000000 + (bytes % 1000000 >= 500000);
    return true;
}

CacheSize ScaleCacheSize(std::uint8_t sizeCode, unsigned baseKbPower) {
    // Sizes are powers of two: worked as exponents of KB, nothing overflows.
    const unsigned kbPower = sizeCode + baseKbPower;
    if (sizeCode < 7) return {static_cast<std::uint16_t>(1u << kbPower), CacheSize::kKB};
    for (unsigned unit = CacheSize::kMB; unit <= CacheSize::kGB; ++unit) {
        const unsigned unitPower = 10 * unit;  // 2^10 KB = 1 MB, 2^20 KB = 1 GB
        if (kbPower >= unitPower && kbPower - unitPower <= 15) {
            return {static_cast<std::uint16_t>(1u << (kbPower - unitPower)), static_cast<CacheSize::Unit>(unit)};
        }
    }
    return {0, CacheSize::kUnknown};
}

InfoRows MachineRows(const TextSource& texts, MachineFacts* facts, bool windows2000) {
    Rows r(texts, facts, windows2000);
    AddCpuItems(r);
    AddMemoryItem(r);
    AddVideoRamItem(r);
    AddIdeDriveItem(r, 0);
    AddSerialPortItem(r, 0);
    AddParallelPortItem(r);
    AddInternalCacheItem(r);
    AddExternalCacheItem(r);
    AddTouchPadItem(r);
    return std::move(r.rows);
}

}  // namespace tlw
