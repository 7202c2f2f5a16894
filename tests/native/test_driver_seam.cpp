// The native tests open their drivers themselves: no default driver.
#include "bios/bios_driver.h"

std::unique_ptr<tlw::BiosDriver> tlw::CreateBiosDriver() { return nullptr; }
