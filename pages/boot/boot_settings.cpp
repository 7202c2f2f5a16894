// The boot sequence page's model over the boot list and hard disk byte calls.
#include "pages/boot/boot_settings.h"

#include "bios/info_calls.h"

namespace tlw {
namespace {

constexpr int kHardDiskChoices = 2;  // primary (byte 0), secondary (byte 2)

}  // namespace

BootSettings::BootSettings()
    : sequence_([](const BootList& list) { SetBootSeq(list); }, Effect::AfterRestart),
      hardDisk_([](std::uint8_t value) { SetHddBootSeq(value); }, Effect::AfterRestart) {}

void BootSettings::Load() {
    std::uint8_t type = 0, second = 0;
    const bool hardDisk = GetIdeType(kSecondIdeMaster, type, second) && type == kIdeHardDisk;
    std::uint8_t value = kUnsetByte;
    hardDiskRead_ = hardDisk && GetHddBootSeq(value) ? value : kUnsetByte;

    // A BIOS that writes nothing leaves an empty list.
    BootList list;
    list.fill(kBootListEnd);
    GetBootSeq(list);
    order_.Load(list, hardDisk ? kCdRomDevice : kBootListEnd);

    orderChanged_ = false;
    sequence_.Drop();
    hardDisk_.Drop();
}

ApplyResult BootSettings::Apply() {
    ApplyResult result = ApplyResult::Nothing;
    if (orderChanged_) {
        sequence_.Choose(order_.sequence());
        orderChanged_ = false;
        result |= sequence_.Apply();
    }
    result |= hardDisk_.Apply();
    return result;
}

void BootSettings::RestorePrevious() {
    orderChanged_ = false;
    sequence_.Restore();
    hardDisk_.Restore();
}

int BootSettings::HardDiskChoice() const {
    if (!OffersHardDisk()) return -1;
    const int choice = hardDiskRead_ >> 1;
    return choice < kHardDiskChoices ? choice : -1;
}

void BootSettings::ChooseHardDisk(int choice) {
    if (choice >= 0 && choice < kHardDiskChoices) hardDisk_.Choose(static_cast<std::uint8_t>(choice * 2));
}

}  // namespace tlw
