// The driver behind the BIOS channel: the device in the Windows build, or the
// simulated notebook. One request carries one 44-byte frame each way.
#pragma once

#include <cstddef>
#include <memory>

#include "bios/register_frame.h"

namespace tlw {

class BiosDriver {
public:
    virtual ~BiosDriver() = default;
    BiosDriver() = default;
    BiosDriver(const BiosDriver&) = delete;
    BiosDriver& operator=(const BiosDriver&) = delete;

    // Sends `in` and fills `out`. Returns false when the request itself failed;
    // otherwise `returned` holds the byte count the driver reports writing.
    virtual bool Request(const FrameBytes& in, FrameBytes& out, std::size_t& returned,
                         const char* callName) = 0;

    // Releases what the driver holds of the system; the platform's answer. A
    // driver that holds nothing (the simulated notebook) closes successfully.
    // No request follows; the destructor releases whatever Close did not.
    virtual bool Close() { return true; }
};


}  // namespace tlw
