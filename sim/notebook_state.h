// What the simulated notebook remembers, one part per area of its BIOS (each
// answered by sim/answers/<area>.cpp), and the calls it has been told to refuse.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "sim/state_file.h"

namespace tlw::sim {

enum class RefusalMode {
    Status,   // the BIOS answers status 0xFFFFFFFF
    Ah,       // the BIOS answers status 0 with a non-zero AH
    Channel,  // the driver request itself fails
};

struct Refusal {
    std::string call;  // the call name the program passes with the request
    RefusalMode mode = RefusalMode::Status;
    std::uint8_t ah = 0;
};

enum PowerButton : std::uint8_t { kLidButton = 0, kPowerButton = 1, kSleepButton = 2, kButtonCount = 3 };

// The shell-side calls: platform check, hotkey button, checksum, setup
// defaults, setup password, power-button actions.
struct ShellState {
    // What loading the setup defaults restores.
    struct Settings {
        std::uint8_t buttonAction[kButtonCount] = {1, 3, 1};  // 0 none, 1 standby, 2 hibernate, 3 shutdown
    } settings;
    std::uint16_t revision = 0x0108;          // BH = major, BL = minor
    std::vector<std::uint8_t> setupPassword;  // keyboard scan codes; empty: none
    bool hotkeyButtonOn = true;
};

constexpr std::size_t kIdeDriveCount = 4;  // BIOS drive numbers 0x80 to 0x83

// The machine's configuration as the information calls report it.
struct InfoState {
    // Per drive what the IDE query answers: [0] = AL, the type code (0 no
    // device, 1 hard disk, 2 and up removable and optical kinds); [1] = AH, a
    // second byte that must be non-zero before a hard disk is sized.
    std::uint8_t ide[kIdeDriveCount][2] = {{1, 1}, {0, 0}, {2, 0}, {0, 0}};

    // The processor as codes: a Pentium III at 100 MHz times 7.
    struct Cpu {
        std::uint8_t vendor = 0, type = 10, bus = 9, multiplier = 12;
        std::uint16_t speed = 700;  // MHz; counts when bus and multiplier are both 0xFF
    } cpu;
    std::uint16_t systemRamMb = 128;
    std::uint16_t videoRamBlocks = 128;  // 64 KB blocks, as AX carries them: 8 MB
    // A port's flags (bit 0 no such port, bit 1 disabled), I/O base,
    // interrupt, mode (and the parallel port's DMA channel).
    struct Port {
        std::uint8_t flags = 0;
        std::uint16_t base = 0;
        std::uint8_t irq = 0, mode = 0, dma = 0;
    };
    Port serial{0, 0x3F8, 4, 0, 0};    // COM1, standard
    Port parallel{0, 0x378, 7, 3, 3};  // LPT1, ECP on DMA 3
    // A cache's flags (bit 0 no cache, bit 1 switched off) and size code.
    struct Cache {
        std::uint8_t flags = 0, sizeCode = 0;
    };
    Cache internalCache{0, 2};  // 32 KB
    Cache externalCache{0, 4};  // 256 KB
    std::uint8_t touchPad = 1;  // 0 disabled, 1 enabled

    // What the operating system knows of the machine, apart from the BIOS;
    // each fact absent until the state file gives it.
    struct Geometry {
        bool known = false;
        std::int64_t cylinders = 0;
        std::uint32_t tracksPerCylinder = 0, sectorsPerTrack = 0, bytesPerSector = 0;
    };
    struct PortDevice {
        std::string instanceId;
        std::uint32_t problem = 0;
    };
    struct OsFacts {
        bool memoryKnown = false;
        std::uint64_t physicalMemory = 0;  // bytes
        Geometry disk[2];                  // physical drives 0 and 1
        std::vector<PortDevice> portDevices;
    } os;
};

// The operating system's facts a new state file gives: 128 MB, a 20 GB disk
// as drive 0, and the first serial and the parallel port device.
InfoState::OsFacts NewNotebookOsFacts();

// The display: the boot display (a setup setting), the display in use, the
// external monitor's plug, and the LCD panel with its levels.
struct DisplayState {
    // What loading the setup defaults restores.
    struct Settings {
        std::uint8_t bootDisplay = 3;  // 2 both, 3 auto detect
    } settings;
    std::uint8_t displayDevice = 1;  // 0 external monitor only, 1 LCD panel only, 2 both
    bool monitorConnected = false;
    std::uint8_t panelType = 1;      // 0: no contrast control
    std::uint8_t brightness = 5;
    std::uint8_t brightnessMin = 0, brightnessMax = 7;
    std::uint8_t contrast = 8;
    std::uint8_t contrastMin = 0, contrastMax = 15;
};

// The power-on password (the setup password is the shell's).
struct PasswordState {
    std::vector<std::uint8_t> powerOnPassword;  // keyboard scan codes; empty: none
};

// The machine's identity in its DMI table: built from these fields, or read
// from a real table's file when `dmiTable` names one.
struct IdentityState {
    std::string manufacturer = "Simulated Notebooks";
    std::string productName = "SN-100";
    std::string serialNumber = "SN100-0001";
    std::uint8_t uuid[16] = {0x5E, 0x1D, 0x7A, 0x10, 0x0B, 0x43, 0x4C, 0x2E,
                             0x9A, 0x61, 0x30, 0x0F, 0x52, 0xC8, 0x11, 0x47};
    std::string assetTag;  // what SetAssetTag last wrote; empty: none
    std::string dmiTable;  // the path of a real table; empty: the table is built
};

// The boot order, the first hard disk, the boot options byte and the fan:
// all setup settings, restored by loading the setup defaults.
struct BootState {
    struct Settings {
        // As the BIOS stores it: bit 0 the simple boot flag, bit 1 fast POST.
        std::uint8_t options = 0x00;
        bool fanAlwaysOn = false;
        // Device codes in boot order, at most 16; the list read back ends with 0xFF.
        std::vector<std::uint8_t> sequence = {0x00, 0x01, 0x02, 0x08};
        std::uint8_t hddBoot = 0;  // 0 primary, 2 secondary
    } settings;
};

// The `chaos` key: off, or the seed of a notebook that answers at random (sim/chaos.h).
struct ChaosState {
    bool on = false;
    std::uint32_t seed = 0;
};

struct NotebookState {
    ShellState shell;
    InfoState info;
    DisplayState display;
    PasswordState password;
    IdentityState identity;
    std::string path;  // the state file's own (not a key): SetAssetTag keeps a table copy beside it
    BootState boot;
    std::vector<Refusal> refusals;
    ChaosState chaos;

    const Refusal* RefusalFor(const std::string& call) const;
};

// Reads every key of `file` into `state` (keys the file leaves out keep the
// values `state` already has). False, with `error` naming the line, on an
// unknown key, a value that does not parse, or a key given twice (then both
// lines are named); `refuse` lines repeat, one per call.
bool ReadState(const StateFile& file, NotebookState& state, std::string& error);

// Splits `text`, a state file's whole text, into `file` and reads it into
// `state` as Parse and ReadState do. False, with `error`, also when it is
// empty: the notebook never leaves its file empty, so an empty one was
// damaged (cut short by a full disk or a program that failed while saving).
bool ReadStateText(const std::string& text, StateFile& file, NotebookState& state, std::string& error);

// Writes every key of `state` into `file`; refusals are never rewritten.
void WriteState(const NotebookState& state, StateFile& file);

// The text of a new state file for the default notebook, every key explained.
std::string DefaultStateText();

}  // namespace tlw::sim
