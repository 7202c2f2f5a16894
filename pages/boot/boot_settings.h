// What the boot sequence page reads, holds and writes: the boot order with its
// device codes, and the hard disk that boots first, offered only while drive
// 0x82 is a hard disk. Every write takes effect at the next boot.
#pragma once

#include <cstdint>

#include "pages/boot/boot_order.h"
#include "pages/pending_setting.h"
#include "pages/settings_model.h"

namespace tlw {

template <typename Model>
struct SettingTable;

// The drive whose being a hard disk offers the hard disk choice and leaves
// the CD-ROM out of the list.
constexpr std::uint8_t kSecondIdeMaster = 0x82;

class BootSettings : public SettingsModel {
public:
    BootSettings();

    void Load() override;
    ApplyResult Apply() override;
    void RestorePrevious() override;

    // The listed order; the page's drag list moves its entries by Drop.
    BootOrder& order() { return order_; }
    const BootOrder& order() const { return order_; }
    // The user pressed or moved an entry: the listed order, changed or not,
    // is written at the next Apply.
    void ChangeOrder() { orderChanged_ = true; }

    // True when the page offers the hard disk choice.
    bool OffersHardDisk() const { return hardDiskRead_ != kUnsetByte; }
    // The choice's entry for the byte read (0 primary, 1 secondary); -1 for
    // none, also for a byte of 4 or more.
    int HardDiskChoice() const;
    // The user chose entry `choice`; written at the next Apply as its byte.
    void ChooseHardDisk(int choice);

    // boot_order and hdd_boot, for the console tool.
    static const SettingTable<BootSettings>& Described();

private:
    BootOrder order_;
    bool orderChanged_ = false;
    PendingBytes<kBootListSize> sequence_;
    PendingByte hardDisk_;
    std::uint8_t hardDiskRead_ = kUnsetByte;
};

}  // namespace tlw
