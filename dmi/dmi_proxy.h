// The DMI proxy: the driver that hands the program the machine's SMBIOS
// structure table in one request, behind an interface so that the program can
// read the device or the simulated notebook. Reads are synchronous and one at
// a time, on the user-interface thread.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace tlw {

// The request's output buffer: the most of the table one read can hold.
constexpr std::size_t kDmiTableCapacity = 2048;
using DmiTable = std::array<std::uint8_t, kDmiTableCapacity>;

class DmiProxy {
public:
    virtual ~DmiProxy() = default;
    DmiProxy() = default;
    DmiProxy(const DmiProxy&) = delete;
    DmiProxy& operator=(const DmiProxy&) = delete;

    // One request: the driver writes the table into `table` from its start and
    // reports the byte count in `count`. False when the request failed.
    virtual bool Read(DmiTable& table, std::size_t& count) = 0;
};

// The proxy that reads go to from now on (the program's choice, see
// app/driver_selection.h, or a test's); null for none.
void UseDmiProxy(std::unique_ptr<DmiProxy> proxy);

// Reads the table through the proxy in use. `count` is 0 unless the read
// succeeded, and never above the buffer's size whatever the driver reports.
// False when there is no proxy or the request failed.
bool ReadDmiTable(DmiTable& table, std::size_t& count);

// The device "\\.\dmiproxy", opened for each read and closed after it
// (Windows only: dmi/dmi_device_win.cpp).
std::unique_ptr<DmiProxy> DmiDevice();

}  // namespace tlw
