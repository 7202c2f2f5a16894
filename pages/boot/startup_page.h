// The boot sequence page: the BIOS boot order, reordered by drag and drop or
// from the keyboard, and the hard disk that boots first, offered while drive
// 0x82 is a hard disk.
#pragma once

#include "pages/boot/boot_order_list_box.h"
#include "pages/boot/boot_settings.h"
#include "pages/settings_page.h"
#include "win/combo_box.h"

class CStartupPage : public CSettingsPage {
public:
    explicit CStartupPage(const tlw::PageRow& row) : CSettingsPage(row, m_settings) {}

protected:
    void InitControls() override;
    bool OnCommand(int id, int code, HWND control) override;
    bool OnMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
    void ShowSettings() override;

private:
    void ShowHardDiskChoice();
    // The user pressed or moved an entry of the boot order (dragged, or moved
    // by a key or the list's context menu).
    void OrderChanged();

    CBootOrderListBox m_list;
    win::ComboBox m_hardDisk;
    tlw::BootSettings m_settings;
};
