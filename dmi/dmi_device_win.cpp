// The DMI proxy's device: "\\.\dmiproxy", I/O control 0x222000 (device type
// 0x22, function 0x800, buffered, any access), no input, the table out.
#include "dmi/dmi_proxy.h"

#include <windows.h>

namespace tlw {
namespace {

constexpr DWORD kDmiRequest = 0x222000;

class DmiDeviceProxy final : public DmiProxy {
public:
    // The device is held only for the length of one read.
    bool Read(DmiTable& table, std::size_t& count) override {
        HANDLE device =
            ::CreateFileA("\\\\.\\dmiproxy", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (device == INVALID_HANDLE_VALUE) return false;
        DWORD written = 0;
        const bool read = ::DeviceIoControl(device, kDmiRequest, nullptr, 0, table.data(),
                                            static_cast<DWORD>(table.size()), &written, nullptr) != FALSE;
        ::CloseHandle(device);
        if (read) count = written;
        return read;
    }
};

}  // namespace

std::unique_ptr<DmiProxy> DmiDevice() { return std::make_unique<DmiDeviceProxy>(); }

}  // namespace tlw
