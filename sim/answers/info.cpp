// The system-information calls: the machine's configuration as the BIOS
// reports it, and the operating system's own facts of the same machine (read
// by sim/simulated_machine_facts, never asked of the BIOS).
#include <cstdio>
#include <string>
#include <vector>

#include "bios/call_rows.h"
#include "bios/info_calls.h"
#include "sim/answers/area.h"

namespace tlw::sim {
namespace {

// Puts `low` into bits 0-7 and `high` into bits 8-15 of `reg`, the rest kept.
void PutBytes(std::uint32_t& reg, std::uint8_t low, std::uint8_t high) {
    reg = (reg & 0xFFFF0000u) | std::uint32_t{high} << 8 | low;
}
void PutWord(std::uint32_t& reg, std::uint16_t word) { reg = (reg & 0xFFFF0000u) | word; }

void CpuInfo(Request& r) {
    const InfoState::Cpu& c = r.state.info.cpu;
    PutBytes(r.out().ecx, c.vendor, c.type);
    PutBytes(r.out().edx, c.bus, c.multiplier);
    PutWord(r.out().ebx, c.speed);
}

void SystemRam(Request& r) {
    // A BIOS of the early revision does not know the call.
    if (IsEarlyMemoryRevision(r.state.shell.revision)) return r.Refuse(kAhUnsupported);
    PutWord(r.out().ecx, r.state.info.systemRamMb);
}

void VideoRam(Request& r) { PutWord(r.out().eax, r.state.info.videoRamBlocks); }

void IdeType(Request& r) {
    const std::uint32_t drive = r.in.edx;
    if (drive < kFirstHardDisk || drive >= kFirstHardDisk + kIdeDriveCount) return r.Refuse(kAhBadArgument);
    const std::uint8_t* answer = r.state.info.ide[drive - kFirstHardDisk];
    r.out().eax = (r.out().eax & 0xFFFF0000u) | std::uint32_t{answer[1]} << 8 | answer[0];
}

void PortAnswer(Request& r, const InfoState::Port& port, std::uint8_t dh) {
    PutBytes(r.out().eax, port.flags, 0);
    PutWord(r.out().ecx, port.base);
    PutBytes(r.out().edx, port.irq, dh);
}

// The notebook has one serial port: any other index answers "no such port".
void SerialPort(Request& r) {
    InfoState::Port port = r.state.info.serial;
    if (r.bh() != 0) port = {kNoSuchDevice, 0, 0, 0, 0};
    PortAnswer(r, port, port.mode);
}

void ParallelPort(Request& r) {
    const InfoState::Port& port = r.state.info.parallel;
    if (IsEarlyParallelRevision(r.state.shell.revision)) {
        PortAnswer(r, port, port.mode);
        r.out().ebx = (r.out().ebx & 0xFFFF00FFu) | std::uint32_t{port.dma} << 8;
    } else {
        PortAnswer(r, port, static_cast<std::uint8_t>((port.mode & 0x3F) | (port.dma & 0x03) << 6));
    }
}

void CacheAnswer(Request& r, const InfoState::Cache& cache) {
    PutBytes(r.out().eax, cache.flags, 0);
    r.out().ecx = (r.out().ecx & 0xFFFFFF00u) | cache.sizeCode;
}
void InternalCache(Request& r) { CacheAnswer(r, r.state.info.internalCache); }
void ExternalCache(Request& r) { CacheAnswer(r, r.state.info.externalCache); }

void TouchPad(Request& r) { PutBytes(r.out().eax, r.state.info.touchPad, 0); }

const Answer kAnswers[] = {
    {&row::GetCpuInfo, CpuInfo},
    {&row::GetSystemRam, SystemRam},
    {&row::GetVideoRam, VideoRam},
    {&row::GetIdeType, IdeType},
    {&row::GetSerialPort, SerialPort},
    {&row::GetParellelPort, ParallelPort},
    {&row::GetInternalCacheStatus, InternalCache},
    {&row::GetExtCacheStatus, ExternalCache},
    {&row::GetTouchPad, TouchPad},
};

// ---- The keys of several numbers.

std::string HexWord(std::uint16_t value) {
    char text[8];
    std::snprintf(text, sizeof text, "0x%x", static_cast<unsigned>(value));
    return text;
}

// Exactly `count` numbers, each read in decimal or 0x hex up to its `most`.
bool ParseNumbers(const std::string& text, const std::uint64_t* most, std::size_t count, std::uint64_t* values) {
    const std::vector<std::string> words = StateKeys::Words(text);
    if (words.size() != count) return false;
    for (std::size_t i = 0; i < count; ++i) {
        if (!StateKeys::ParseWide(words[i], most[i], values[i])) return false;
    }
    return true;
}

void PortKey(StateKeys& keys, const char* name, InfoState::Port& port, bool withDma, const char* help) {
    std::string text = std::to_string(port.flags) + " " + HexWord(port.base) + " " + std::to_string(port.irq) + " " +
                       std::to_string(port.mode);
    if (withDma) text += " " + std::to_string(port.dma);
    // The parallel port's mode and channel as narrow as the later BIOSes pack them into DH.
    const std::uint64_t most[5] = {0xFF, 0xFFFF, 0xFF, withDma ? 0x3Fu : 0xFFu, 0x03};
    keys.Form(name, text,
              withDma ? "flags, base, interrupt, mode (up to 63) and DMA channel (up to 3), e.g. 0 0x378 7 3 3"
                      : "flags, base, interrupt and mode, e.g. 0 0x3f8 4 0",
              [&port, withDma, most](const std::string& value) {
                  std::uint64_t v[5] = {};
                  if (!ParseNumbers(value, most, withDma ? 5 : 4, v)) return false;
                  port = {static_cast<std::uint8_t>(v[0]), static_cast<std::uint16_t>(v[1]),
                          static_cast<std::uint8_t>(v[2]), static_cast<std::uint8_t>(v[3]),
                          static_cast<std::uint8_t>(v[4])};
                  return true;
              },
              help);
}

void CacheKey(StateKeys& keys, const char* name, InfoState::Cache& cache, const char* help) {
    const std::uint64_t most[2] = {0xFF, 0xFF};
    keys.Form(name, std::to_string(cache.flags) + " " + std::to_string(cache.sizeCode), "flags and size code, e.g. 0 4",
              [&cache, most](const std::string& value) {
                  std::uint64_t v[2] = {};
                  if (!ParseNumbers(value, most, 2, v)) return false;
                  cache = {static_cast<std::uint8_t>(v[0]), static_cast<std::uint8_t>(v[1])};
                  return true;
              },
              help);
}

constexpr std::uint32_t kMostVideoRamKb = 0xFFFFu * 64;

void CpuKey(StateKeys& keys, InfoState::Cpu& c) {
    const std::uint64_t most[5] = {0xFF, 0xFF, 0xFF, 0xFF, 0xFFFF};
    keys.Form("cpu",
              std::to_string(c.vendor) + " " + std::to_string(c.type) + " " + std::to_string(c.bus) + " " +
                  std::to_string(c.multiplier) + " " + std::to_string(c.speed),
              "five numbers: vendor, type, bus clock and multiplier codes (bytes), speed in MHz (up to 65535)",
              [&c, most](const std::string& value) {
                  std::uint64_t v[5] = {};
                  if (!ParseNumbers(value, most, 5, v)) return false;
                  c = {static_cast<std::uint8_t>(v[0]), static_cast<std::uint8_t>(v[1]),
                       static_cast<std::uint8_t>(v[2]), static_cast<std::uint8_t>(v[3]),
                       static_cast<std::uint16_t>(v[4])};
                  return true;
              },
              "the processor as codes: vendor (0 Intel, 1 Cyrix, 2 AMD, 3 IBM, 4 UMC, 5 TI, 6 SGS), type (Intel: "
              "8 Celeron, 10 Pentium III, ...), bus clock code (0-13), multiplier code (0-23), and the speed in MHz "
              "that the program shows when bus and multiplier codes are both 255");
}

void VideoRamKey(StateKeys& keys, std::uint16_t& blocks) {
    keys.Form("video_ram_kb", std::to_string(std::uint32_t{blocks} * 64),
              "a multiple of 64 up to " + std::to_string(kMostVideoRamKb) + " (the BIOS counts 64 KB blocks)",
              [&blocks](const std::string& value) {
                  std::uint64_t kb = 0;
                  if (!StateKeys::ParseWide(value, kMostVideoRamKb, kb) || kb % 64 != 0) return false;
                  blocks = static_cast<std::uint16_t>(kb / 64);
                  return true;
              },
              "video memory in KB, a multiple of 64 up to 4194240 (the BIOS answers in 64 KB blocks; another "
              "figure is not read, the file is refused)");
}

// ---- The operating system's facts: an empty value, like a missing key, is a
// fact the operating system cannot give.

void MemoryKey(StateKeys& keys, InfoState::OsFacts& os) {
    keys.Form("physical_memory", os.memoryKnown ? std::to_string(os.physicalMemory) : "",
              "a byte count, or nothing",
              [&os](const std::string& value) {
                  if (value.empty()) return os.memoryKnown = false, true;
                  std::uint64_t bytes = 0;
                  if (!StateKeys::ParseWide(value, ~std::uint64_t{0}, bytes)) return false;
                  os.memoryKnown = true;
                  os.physicalMemory = bytes;
                  return true;
              },
              "the total physical memory in bytes as the operating system reports it (the program asks it when "
              "the BIOS's revision is too early to tell); empty: the operating system cannot tell");
}

bool ParseCylinders(const std::string& word, std::int64_t& cylinders) {
    const bool negative = !word.empty() && word[0] == '-';
    const std::uint64_t most = negative ? std::uint64_t{1} << 63 : (std::uint64_t{1} << 63) - 1;
    std::uint64_t magnitude = 0;
    if (!StateKeys::ParseWide(word.substr(negative ? 1 : 0), most, magnitude)) return false;
    cylinders = negative ? static_cast<std::int64_t>(0 - magnitude) : static_cast<std::int64_t>(magnitude);
    return true;
}

void GeometryKey(StateKeys& keys, const char* name, InfoState::Geometry& g, const char* help) {
    const std::string text = g.known ? std::to_string(g.cylinders) + " " + std::to_string(g.tracksPerCylinder) + " " +
                                           std::to_string(g.sectorsPerTrack) + " " + std::to_string(g.bytesPerSector)
                                     : "";
    keys.Form(name, text,
              "cylinders (signed 64 bits), tracks per cylinder, sectors per track and bytes per sector (32 bits "
              "each), or nothing",
              [&g](const std::string& value) {
                  if (value.empty()) return g.known = false, true;
                  const std::vector<std::string> words = StateKeys::Words(value);
                  std::int64_t cylinders = 0;
                  std::uint64_t v[3] = {};
                  const std::uint64_t most[3] = {0xFFFFFFFFu, 0xFFFFFFFFu, 0xFFFFFFFFu};
                  if (words.size() != 4 || !ParseCylinders(words[0], cylinders) ||
                      !ParseNumbers(value.substr(value.find(words[0]) + words[0].size()), most, 3, v)) {
                      return false;
                  }
                  g = {true, cylinders, static_cast<std::uint32_t>(v[0]), static_cast<std::uint32_t>(v[1]),
                       static_cast<std::uint32_t>(v[2])};
                  return true;
              },
              help);
}

void PortDevicesKey(StateKeys& keys, std::vector<InfoState::PortDevice>& devices) {
    std::string text;
    for (const InfoState::PortDevice& d : devices) {
        text += (text.empty() ? "" : " ") + d.instanceId + ":" + std::to_string(d.problem);
    }
    keys.Form("port_devices", text, "<instance id>:<problem number> words, or nothing",
              [&devices](const std::string& value) {
                  std::vector<InfoState::PortDevice> read;
                  for (const std::string& word : StateKeys::Words(value)) {
                      const std::size_t colon = word.rfind(':');
                      std::uint64_t problem = 0;
                      if (colon == std::string::npos || colon == 0 ||
                          !StateKeys::ParseWide(word.substr(colon + 1), 0xFFFFFFFFu, problem)) {
                          return false;
                      }
                      read.push_back({word.substr(0, colon), static_cast<std::uint32_t>(problem)});
                  }
                  devices = read;
                  return true;
              },
              "the port devices the device manager lists, as <instance id>:<problem number> (0 no problem, 22 "
              "disabled), blank-separated; empty: none");
}

void Keys(StateKeys& keys, NotebookState& state) {
    InfoState& s = state.info;
    keys.HexBytes("ide_type_80", s.ide[0], 2,
                  "IDE drive 0x80 as the BIOS reports it, two hex bytes: the type (00 none, 01 hard disk, 02 CD-ROM, "
                  "03 LS120, 04 MO, 05 ZIP, 06 DVD ROM, 07 HiFD, 08 CD-RW, 09 DVD and CD-RW) and a second byte, "
                  "non-zero for a hard disk the program may size");
    keys.HexBytes("ide_type_81", s.ide[1], 2, "IDE drive 0x81, as ide_type_80");
    keys.HexBytes("ide_type_82", s.ide[2], 2, "IDE drive 0x82, as ide_type_80");
    keys.HexBytes("ide_type_83", s.ide[3], 2, "IDE drive 0x83, as ide_type_80");
    CpuKey(keys, s.cpu);
    keys.Number("system_ram_mb", s.systemRamMb, "total memory in MB as the BIOS reports it");
    VideoRamKey(keys, s.videoRamBlocks);
    PortKey(keys, "serial_port", s.serial, false,
            "the first serial port: flags (bit 0 no such port, bit 1 disabled), I/O base, interrupt, mode (0 "
            "standard, 1 IrDA, 2 ASK infrared); the BIOS knows no second port");
    PortKey(keys, "parallel_port", s.parallel, true,
            "the parallel port: flags (bit 0 no such port, bit 1 disabled), I/O base, interrupt, mode (0 standard, "
            "1 bi-directional, 2 EPP, 3 ECP, 4 external FDD as A, 5 as B) and DMA channel");
    CacheKey(keys, "internal_cache", s.internalCache,
             "the internal cache: flags (bit 0 no cache, bit 1 switched off) and size code (8 KB times 2 to its "
             "power)");
    CacheKey(keys, "external_cache", s.externalCache,
             "the external cache: flags as internal_cache and size code (16 KB times 2 to its power)");
    keys.Byte("touch_pad", s.touchPad, "the touch pad: 0 disabled, 1 enabled");
    MemoryKey(keys, s.os);
    GeometryKey(keys, "hard_disk_geometry", s.os.disk[0],
                "physical drive 0's geometry as the disk driver reports it: cylinders, tracks per cylinder, sectors "
                "per track, bytes per sector; empty: the drive cannot be opened or asked");
    GeometryKey(keys, "hard_disk_geometry_1", s.os.disk[1], "physical drive 1's geometry, as hard_disk_geometry");
    PortDevicesKey(keys, s.os.portDevices);
}

// The configuration is the machine's, not a setup setting.
void LoadDefaults(NotebookState&) {}

}  // namespace

InfoState::OsFacts NewNotebookOsFacts() {
    InfoState::OsFacts os;
    os.memoryKnown = true;
    os.physicalMemory = 128ull << 20;
    os.disk[0] = {true, 38760, 16, 63, 512};  // 20,003,880,960 bytes
    os.portDevices = {{"ACPI\\PNP0501\\1", 0}, {"ACPI\\PNP0401\\0", 0}};
    return os;
}

extern const Area kInfoArea = MakeArea(kAnswers, Keys, LoadDefaults);

}  // namespace tlw::sim
