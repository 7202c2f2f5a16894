// The four steps every BIOS call shares: build the frame from the call's row,
// send it through the channel, judge the answer by the call's success rule,
// decode the registers into out-parameters. A call is then one line:
//
//     return BiosCall(row::CMOSChecksum).Bh(mode).Early(ah, reg::AH).Run();
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "bios/buffer_lease.h"
#include "bios/register_frame.h"

namespace tlw {

enum class SuccessRule : std::uint8_t {
    Status,   // fails when the returned status is 0xFFFFFFFF
    Ah,       // succeeds only when the returned AH is 0; status not looked at
    Channel,  // succeeds whenever the driver request succeeded
};

// What a call does to the notebook's settings.
enum class Access : std::uint8_t {
    Read,          // only asks the BIOS
    Write,         // may change what the BIOS keeps
    CheckOrStore,  // BH 3 checks a password against the stored one; any other BH stores or removes one
};

// A call's fixed values: its name as the channel sees it, the function group,
// EBX (BL = sub-function; BH = a fixed argument, or 0 when the caller gives one),
// the success rule and what it does to the settings.
struct CallRow {
    const char* name;
    std::uint32_t eax;
    std::uint16_t ebx;
    SuccessRule rule;
    Access access = Access::Write;
};

// True when a request of `row` with input `in` only asks the BIOS.
bool OnlyReads(const CallRow& row, const RegisterFrame& in);

// Reads one value out of a returned frame.
using Field = std::uint32_t (*)(const RegisterFrame&);

namespace reg {
inline std::uint32_t AL(const RegisterFrame& f) { return f.al(); }
inline std::uint32_t AH(const RegisterFrame& f) { return f.ah(); }
inline std::uint32_t AX(const RegisterFrame& f) { return f.ax(); }
inline std::uint32_t BL(const RegisterFrame& f) { return f.bl(); }
inline std::uint32_t BH(const RegisterFrame& f) { return f.bh(); }
inline std::uint32_t BX(const RegisterFrame& f) { return f.bx(); }
inline std::uint32_t CL(const RegisterFrame& f) { return f.cl(); }
inline std::uint32_t CH(const RegisterFrame& f) { return f.ch(); }
inline std::uint32_t CX(const RegisterFrame& f) { return f.cx(); }
inline std::uint32_t DL(const RegisterFrame& f) { return f.dl(); }
inline std::uint32_t DH(const RegisterFrame& f) { return f.dh(); }
inline std::uint32_t DX(const RegisterFrame& f) { return f.dx(); }
}  // namespace reg

class BiosCall {
public:
    explicit BiosCall(const CallRow& row);

    BiosCall& Bh(std::uint8_t argument);  // the argument byte over the row's BL
    BiosCall& Ebx(std::uint16_t value);   // a whole EBX chosen by the caller
    BiosCall& Ecx(std::uint32_t value);
    BiosCall& Edx(std::uint32_t value);
    BiosCall& Esi(std::uint32_t value);
    // Lends `size` bytes at `data` to the driver and puts their address in ESI.
    BiosCall& Buffer(void* data, std::size_t size);

    // Out-parameters. Early ones are stored as soon as the driver answered,
    // before the success test; the others only when the call succeeds.
    BiosCall& Early(std::uint8_t& out, Field field) { return Bind(&out, 1, field, true); }
    BiosCall& Early(std::uint16_t& out, Field field) { return Bind(&out, 2, field, true); }
    BiosCall& Out(std::uint8_t& out, Field field) { return Bind(&out, 1, field, false); }
    BiosCall& Out(std::uint16_t& out, Field field) { return Bind(&out, 2, field, false); }
    BiosCall& Out(std::uint32_t& out, Field field) { return Bind(&out, 4, field, false); }

    // Sends the request once; true when the row's success rule is met.
    bool Run();

    // The returned frame, for callers that decode more than single fields;
    // empty until a request succeeded in the channel.
    const std::optional<RegisterFrame>& answer() const { return answer_; }

private:
    struct Binding {
        void* target;
        int width;
        Field field;
        bool early;
    };
    static constexpr int kMaxBindings = 6;

    BiosCall& Bind(void* target, int width, Field field, bool early);
    void Store(bool early) const;

    const CallRow& row_;
    RegisterFrame in_;
    std::optional<BufferLease> lease_;
    Binding bindings_[kMaxBindings] = {};
    int bindingCount_ = 0;
    std::optional<RegisterFrame> answer_;
};

// True when `answer` meets `rule`.
bool MeetsRule(SuccessRule rule, const RegisterFrame& answer);

}  // namespace tlw
