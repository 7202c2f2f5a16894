// The information rows' strings as the program's string table holds them.
#pragma once

#include <map>
#include <string>

#include "pages/info/info_probes.h"
#include "res/resource.h"

namespace tlw::test {

class InfoTexts : public TextSource {
public:
    std::string Text(unsigned id) const override {
        static const std::map<unsigned, std::string> kTexts = {
            {IDS_CPU, "CPU"},
            {IDS_UNKNOWN_BRAND, "Unknown Brand"},
            {IDS_UNKNOWN_TYPE, "Unknown Type"},
            {IDS_UNKNOWN_SPEED, "Unknown Speed"},
            {IDS_TOTAL_MEMORY, "Total Memory"},
            {IDS_VIDEO_RAM, "Video RAM"},
            {IDS_UNKNOWN, "Unknown"},
            {IDS_NONE, "None"},
            {IDS_UNIT_KB, "KB"},
            {IDS_UNIT_MB, "MB"},
            {IDS_UNIT_GB, "GB"},
            {IDS_HARD_DISK, "Hard Disk"},
            {IDS_DETECTED, "Detected"},
            {IDS_DRIVE_CD_ROM, "CD-ROM"},
            {IDS_DRIVE_LS120, "LS120"},
            {IDS_DRIVE_MO, "MO"},
            {IDS_DRIVE_ZIP, "ZIP"},
            {IDS_DRIVE_DVD_ROM, "DVD ROM"},
            {IDS_DRIVE_HIFD, "HiFD"},
            {IDS_DRIVE_CD_RW, "CD-RW"},
            {IDS_DRIVE_DVD_CD_RW, "DVD & CD-RW "},
            {IDS_SERIAL_PORT_N, "Serial Port %d"},
            {IDS_SERIAL_PORT, "Serial Port"},
            {IDS_PARALLEL_PORT, "Parallel Port"},
            {IDS_ENABLED, "Enabled"},
            {IDS_DISABLED, "Disabled"},
            {IDS_IRQ, "IRQ"},
            {IDS_OPERATION_MODE, "Operation Mode:"},
            {IDS_MODE_STANDARD, "Standard"},
            {IDS_MODE_IRDA, "IrDA"},
            {IDS_MODE_ASK_IR, "ASK_IR"},
            {IDS_MODE_UNDEFINED, "Undefined"},
            {IDS_MODE_BIDIRECTIONAL, "Bi-direction"},
            {IDS_MODE_EPP, "EPP"},
            {IDS_MODE_ECP_DMA, "ECP (DMA %d )"},
            {IDS_MODE_EXTERNAL_FDD_A, "External FDD as A"},
            {IDS_MODE_EXTERNAL_FDD_B, "External FDD as B"},
            {IDS_INTERNAL_CACHE, "Internal Cache"},
            {IDS_EXTERNAL_CACHE, "External Cache"},
            {IDS_CACHE_ON, "Cache ON"},
            {IDS_CACHE_OFF, "Cache OFF"},
            {IDS_TOUCHPAD, "TouchPad"},
        };
        const auto found = kTexts.find(id);
        // An id the table lacks shows itself, so that a wrong id fails loudly.
        return found == kTexts.end() ? "<" + std::to_string(id) + ">" : found->second;
    }
};

}  // namespace tlw::test
