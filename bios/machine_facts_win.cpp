// The operating system's facts for the information page. The device installer
// and the configuration manager are loaded from the system directory when a
// port is asked about, so that a run on the simulated notebook, or one that
// never shows the ports, does not load them at start.
#include "bios/machine_facts.h"

#include <windows.h>
#include <setupapi.h>
#include <winioctl.h>

#include <string>

namespace tlw {
namespace {

// The device setup class of serial and parallel ports.
constexpr GUID kPortsClass = {0x4D36E978, 0xE325, 0x11CE, {0xBF, 0xC1, 0x08, 0x00, 0x2B, 0xE1, 0x03, 0x18}};

// A library of the system directory, loaded for the life of the object.
class SystemLibrary {
public:
    explicit SystemLibrary(const char* name) {
        char folder[MAX_PATH] = "";
        const UINT length = ::GetSystemDirectoryA(folder, MAX_PATH);
        if (length == 0 || length >= MAX_PATH) return;
        const std::string path = std::string(folder, length) + "\\" + name;
        if (path.size() < MAX_PATH) module_ = ::LoadLibraryA(path.c_str());
    }
    ~SystemLibrary() {
        if (module_) ::FreeLibrary(module_);
    }
    SystemLibrary(const SystemLibrary&) = delete;
    SystemLibrary& operator=(const SystemLibrary&) = delete;

    template <typename Function>
    Function Find(const char* name) const {
        return module_ ? reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(module_, name))) : nullptr;
    }

private:
    HMODULE module_ = nullptr;
};

using GetClassDevs = HDEVINFO(WINAPI*)(const GUID*, PCSTR, HWND, DWORD);
using EnumDeviceInfo = BOOL(WINAPI*)(HDEVINFO, DWORD, PSP_DEVINFO_DATA);
using GetInstanceId = BOOL(WINAPI*)(HDEVINFO, PSP_DEVINFO_DATA, PSTR, DWORD, PDWORD);
using DestroyList = BOOL(WINAPI*)(HDEVINFO);
using GetDevNodeStatus = DWORD(WINAPI*)(PULONG, PULONG, DWORD, ULONG);

class OperatingSystem final : public MachineFacts {
public:
    bool PhysicalMemory(std::uint64_t& bytes) override {
        MEMORYSTATUS status = {};
        status.dwLength = sizeof status;
        ::GlobalMemoryStatus(&status);
        bytes = status.dwTotalPhys;
        return bytes != 0;
    }

    bool HardDiskGeometry(unsigned number, DiskGeometry& geometry) override {
        if (number > 9) return false;
        char path[] = "\\\\.\\PhysicalDrive0";
        path[sizeof path - 2] = static_cast<char>('0' + number);
        HANDLE drive = ::CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                                     FILE_ATTRIBUTE_NORMAL, nullptr);
        if (drive == INVALID_HANDLE_VALUE) return false;
        DISK_GEOMETRY answer = {};
        DWORD count = 0;
        const BOOL done = ::DeviceIoControl(drive, IOCTL_DISK_GET_DRIVE_GEOMETRY, nullptr, 0, &answer, sizeof answer,
                                            &count, nullptr);
        ::CloseHandle(drive);
        // A driver that hands back less than the whole geometry has not answered.
        if (!done || count < sizeof answer) return false;
        geometry.cylinders = answer.Cylinders.QuadPart;
        geometry.tracksPerCylinder = answer.TracksPerCylinder;
        geometry.sectorsPerTrack = answer.SectorsPerTrack;
        geometry.bytesPerSector = answer.BytesPerSector;
        return true;
    }

    bool FindPortDevice(const std::string& idText, std::uint32_t& problem) override {
        problem = 0;
        if (idText.empty()) return false;
        const SystemLibrary configuration("cfgmgr32.dll");
        const SystemLibrary installer("setupapi.dll");
        const auto nodeStatus = configuration.Find<GetDevNodeStatus>("CM_Get_DevNode_Status");
        const auto classDevs = installer.Find<GetClassDevs>("SetupDiGetClassDevsA");
        const auto enumDevice = installer.Find<EnumDeviceInfo>("SetupDiEnumDeviceInfo");
        const auto instanceId = installer.Find<GetInstanceId>("SetupDiGetDeviceInstanceIdA");
        const auto destroy = installer.Find<DestroyList>("SetupDiDestroyDeviceInfoList");
        // Without the configuration manager no device's state can be told:
        // no match rather than a guess.
        if (!nodeStatus || !classDevs || !enumDevice || !instanceId || !destroy) return false;

        HDEVINFO devices = classDevs(&kPortsClass, nullptr, nullptr, DIGCF_PRESENT);
        if (devices == INVALID_HANDLE_VALUE) return false;
        bool found = false;
        for (DWORD index = 0;; ++index) {
            SP_DEVINFO_DATA device = {};
            device.cbSize = sizeof device;
            if (!enumDevice(devices, index, &device)) break;
            char id[256] = "";
            if (!instanceId(devices, &device, id, sizeof id, nullptr)) continue;
            id[sizeof id - 1] = '\0';
            if (std::string(id).find(idText) == std::string::npos) continue;
            ULONG status = 0;
            ULONG number = 0;
            if (nodeStatus(&status, &number, device.DevInst, 0) == 0) problem = number;
            found = true;
            break;
        }
        destroy(devices);
        return found;
    }
};

}  // namespace

std::unique_ptr<MachineFacts> OperatingSystemFacts() { return std::make_unique<OperatingSystem>(); }

}  // namespace tlw
