// The system-information BIOS calls: each is its catalogue row plus its arguments.
#include "bios/info_calls.h"

#include "bios/call_rows.h"
#include "bios/machine_facts.h"
#include "bios/shell_calls.h"

namespace tlw {
namespace {

std::uint8_t Major(std::uint16_t revision) { return static_cast<std::uint8_t>(revision >> 8); }
std::uint8_t Minor(std::uint16_t revision) { return static_cast<std::uint8_t>(revision & 0xFF); }

std::uint64_t DivideUp(std::uint64_t value) { return value / 1024 + (value % 1024 != 0); }

bool CacheStatus(const CallRow& row, std::uint8_t& flags, std::uint8_t& sizeCode) {
    return BiosCall(row).Early(flags, reg::AH).Out(flags, reg::AL).Out(sizeCode, reg::CL).Run();
}

}  // namespace

bool IsEarlyMemoryRevision(std::uint16_t revision) { return Major(revision) <= 1 && Minor(revision) < 8; }
bool IsEarlyParallelRevision(std::uint16_t revision) { return Major(revision) <= 1 && Minor(revision) < 5; }

ScaledMemory ScaleMemory(std::uint64_t bytes) {
    std::uint64_t value = DivideUp(bytes);
    std::uint8_t unit = kMemoryKB;
    while (value >= 2048 && unit < kMemoryGB) {
        value = DivideUp(value);
        ++unit;
    }
    if (value > 0xFFFFFFFFu) value = 0xFFFFFFFFu;
    return {static_cast<std::uint32_t>(value), unit};
}

bool GetCpuInfo(std::uint8_t& vendor, std::uint8_t& type, std::uint8_t& bus, std::uint8_t& multiplier,
                std::uint16_t& speed) {
    return BiosCall(row::GetCpuInfo)
        .Out(vendor, reg::CL)
        .Out(type, reg::CH)
        .Out(bus, reg::DL)
        .Out(multiplier, reg::DH)
        .Out(speed, reg::BX)
        .Run();
}

bool GetSystemRam(std::uint32_t& size, std::uint8_t& unit) {
    std::uint8_t ah = 0;
    std::uint16_t revision = 0;
    if (!ZEFACheck(ah, revision)) return false;
    if (IsEarlyMemoryRevision(revision)) {
        // This BIOS cannot tell: the operating system's figure stands in.
        MachineFacts* facts = MachineFactsInUse();
        std::uint64_t bytes = 0;
        if (!facts || !facts->PhysicalMemory(bytes)) return false;
        const ScaledMemory scaled = ScaleMemory(bytes);
        size = scaled.size;
        unit = scaled.unit;
        return true;
    }
    if (!BiosCall(row::GetSystemRam).Out(size, reg::CX).Run()) return false;
    unit = kMemoryMB;
    return true;
}

std::uint32_t GetVideoRam() {
    std::uint16_t blocks = 0;  // AX counts 64 KB blocks
    if (!BiosCall(row::GetVideoRam).Out(blocks, reg::AX).Run()) return 0;
    return std::uint32_t{blocks} * 64;
}

bool GetIdeType(std::uint8_t drive, std::uint8_t& type, std::uint8_t& second) {
    return BiosCall(row::GetIdeType).Edx(drive).Out(type, reg::AL).Out(second, reg::AH).Run();
}

bool GetSerialPort(std::uint8_t index, std::uint8_t& flags, std::uint16_t& base, std::uint8_t& irq,
                   std::uint8_t& mode) {
    return BiosCall(row::GetSerialPort)
        .Bh(index)
        .Early(flags, reg::AH)
        .Out(flags, reg::AL)
        .Out(base, reg::CX)
        .Out(irq, reg::DL)
        .Out(mode, reg::DH)
        .Run();
}

bool GetParellelPort(std::uint8_t& flags, std::uint16_t& base, std::uint8_t& irq, std::uint8_t& mode,
                     std::uint8_t& dma) {
    // When the driver itself fails the check has no AH to hand on: `flags`
    // then keeps what it held.
    std::uint8_t ah = flags;
    std::uint16_t revision = 0;
    if (!ZEFACheck(ah, revision)) {
        flags = ah;
        return false;
    }
    BiosCall call(row::GetParellelPort);
    call.Early(flags, reg::AH).Out(flags, reg::AL).Out(base, reg::CX).Out(irq, reg::DL);
    if (!call.Run()) return false;
    const RegisterFrame& answer = *call.answer();
    if (IsEarlyParallelRevision(revision)) {
        mode = answer.dh();
        dma = answer.bh();
    } else {
        // Later BIOSes pack both into DH: the mode below, the channel in bits 6-7.
        mode = answer.dh() & 0x3F;
        dma = static_cast<std::uint8_t>(answer.dh() >> 6);
    }
    return true;
}

bool GetInternalCacheStatus(std::uint8_t& flags, std::uint8_t& sizeCode) {
    return CacheStatus(row::GetInternalCacheStatus, flags, sizeCode);
}

bool GetExtCacheStatus(std::uint8_t& flags, std::uint8_t& sizeCode) {
    return CacheStatus(row::GetExtCacheStatus, flags, sizeCode);
}

bool GetTouchPad(std::uint8_t& state) { return BiosCall(row::GetTouchPad).Out(state, reg::AL).Run(); }

}  // namespace tlw
