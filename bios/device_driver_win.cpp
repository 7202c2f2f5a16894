// Requests to the BIOS driver's device: I/O control 0x222000 (device type
// 0x22, function 0x800, buffered, any access), 44 bytes each way.
#include "bios/device_driver.h"

#include <windows.h>

namespace tlw {
namespace {

constexpr DWORD kBiosRequest = 0x222000;

class DeviceDriver final : public BiosDriver {
public:
    explicit DeviceDriver(HANDLE device) : device_(device) {}
    ~DeviceDriver() override { Close(); }

    bool Request(const FrameBytes& in, FrameBytes& out, std::size_t& returned, const char*) override {
        FrameBytes input = in;
        DWORD count = 0;
        if (!::DeviceIoControl(device_, kBiosRequest, input.data(), static_cast<DWORD>(input.size()), out.data(),
                               static_cast<DWORD>(out.size()), &count, nullptr)) {
            return false;
        }
        returned = count;
        return true;
    }

    bool Close() override {
        if (device_ == INVALID_HANDLE_VALUE) return false;
        const bool closed = ::CloseHandle(device_) != FALSE;
        device_ = INVALID_HANDLE_VALUE;
        return closed;
    }

private:
    HANDLE device_;
};

}  // namespace

std::unique_ptr<BiosDriver> OpenDeviceDriver() {
    // ESI carries a 32-bit address into the caller's memory: only a 32-bit
    // process can hand the driver its buffers. A wider build (made for running
    // the tests) talks to the simulated notebook only.
    if (sizeof(void*) != 4) return nullptr;
    HANDLE device = ::CreateFileA("\\\\.\\tlwkmd", GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (device == INVALID_HANDLE_VALUE) return nullptr;
    return DeviceDriverOn(device);
}

std::unique_ptr<BiosDriver> DeviceDriverOn(void* device) { return std::make_unique<DeviceDriver>(device); }

}  // namespace tlw
