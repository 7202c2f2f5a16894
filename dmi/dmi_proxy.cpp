// The process-wide choice of DMI proxy and the one read through it.
#include "dmi/dmi_proxy.h"

#include <utility>

namespace tlw {
namespace {

std::unique_ptr<DmiProxy>& ProxyInUse() {
    static std::unique_ptr<DmiProxy> proxy;
    return proxy;
}

}  // namespace

void UseDmiProxy(std::unique_ptr<DmiProxy> proxy) { ProxyInUse() = std::move(proxy); }

bool ReadDmiTable(DmiTable& table, std::size_t& count) {
    count = 0;
    DmiProxy* proxy = ProxyInUse().get();
    std::size_t reported = 0;
    if (!proxy || !proxy->Read(table, reported)) return false;
    count = reported < table.size() ? reported : table.size();
    return true;
}

}  // namespace tlw
