// The settings' names and values: words and codes read, every value written
// in words that read back to the same value, and what no value may be.
#include <gtest/gtest.h>

#include "ctl/setting_names.h"
#include "pages/page_table.h"
#include "res/resource.h"
#include "tests/native/ctl/rc_texts.h"

namespace tlw::ctl {
namespace {

class SettingNames : public ::testing::Test {
protected:
    Value Parse(const char* name, const std::string& text) {
        Value value;
        std::string error;
        EXPECT_TRUE(ParseValue(*FindSetting(name), text, texts, value, error)) << name << " = " << text << ": " << error;
        return value;
    }
    std::string Refusal(const char* name, const std::string& text) {
        Value value;
        std::string error;
        EXPECT_FALSE(ParseValue(*FindSetting(name), text, texts, value, error)) << name << " = " << text;
        return error;
    }
    RcTexts texts;
};

TEST_F(SettingNames, EveryNameIsFoundInAnyCaseAndOnlyWhole) {
    ASSERT_GT(texts.size(), 100u) << "the string table was not read";
    int lastPage = 0;
    for (const SettingInfo& setting : Settings()) {
        ASSERT_NE(FindSetting(setting.name), nullptr) << setting.name;
        EXPECT_EQ(&InfoOf(setting.id), FindSetting(setting.name));
        EXPECT_FALSE(LabelOf(setting, texts).empty()) << setting.name << " has no label";
        // The list is the write order: its pages' in the table's order, then those of no page.
        const int page = setting.page ? PageIndexOf(setting.page) : static_cast<int>(PageCount());
        EXPECT_GE(page, lastPage) << setting.name << " is out of the page table's order";
        lastPage = page;
    }
    EXPECT_EQ(FindSetting("Boot_Sequence"), &InfoOf(SettingId::BootOrder)) << "the state file's name for it";
    EXPECT_EQ(FindSetting("Fast_Boot"), &InfoOf(SettingId::FastBoot)) << "values take any case, and names too";
    EXPECT_EQ(FindSetting("BRIGHTNESS"), &InfoOf(SettingId::Brightness));
    EXPECT_EQ(FindSetting("fast_boot "), nullptr);
    EXPECT_EQ(FindSetting("fast_boo"), nullptr);
    EXPECT_EQ(FindSetting("setup_password"), nullptr) << "passwords are no setting of the tool";
}

TEST_F(SettingNames, ChoicesTakeThePagesWordsInAnyCaseOrTheirCodes) {
    EXPECT_EQ(Parse("display_device", texts.Text(IDS_LCD_PANEL_ONLY)).number, 1);
    EXPECT_EQ(Parse("display_device", "  external MONITOR ").number, 0);
    EXPECT_EQ(Parse("display_device", "2").number, 2);
    EXPECT_EQ(Parse("boot_display", "auto").number, 3);
    EXPECT_EQ(Parse("boot_display", "0x02").number, 2);
    EXPECT_EQ(Parse("hdd_boot", "Secondary HDD").number, 2);
    EXPECT_EQ(Parse("lid_button_action", "hibernate").number, 2);
    EXPECT_EQ(Parse("fast_boot", "ON").number, 1);
    EXPECT_EQ(Parse("fan_always_on", texts.Text(IDS_DISABLED)).number, 0);

    // A code the page does not list, and a word of another setting.
    EXPECT_NE(Refusal("boot_display", "1").find("\"Auto\" (3)"), std::string::npos);
    Refusal("hdd_boot", "1");
    Refusal("display_device", "Auto");
    Refusal("power_button_action", "4");
    Refusal("fast_boot", "yes please");
    Refusal("fast_boot", "");
    Refusal("brightness", "-1");
    Refusal("brightness", "256");
}

TEST_F(SettingNames, EveryValueWrittenInWordsReadsBackTheSame) {
    for (const SettingInfo& setting : Settings()) {
        std::vector<Value> values;
        if (setting.kind == ValueKind::OnOff) values = {NumberValue(0), NumberValue(1)};
        for (const ChoiceWord& choice : setting.choices) values.push_back(NumberValue(choice.code));
        if (setting.kind == ValueKind::Level) values = {NumberValue(0), NumberValue(15), NumberValue(255)};
        if (setting.kind == ValueKind::List) {
            Value list;
            for (unsigned code = 0; code < 16; ++code) list.codes.push_back(static_cast<std::uint8_t>(code * 3));
            values.push_back(list);
        }
        for (const Value& value : values) {
            const std::string words = FormatValue(setting, value, texts);
            EXPECT_EQ(Parse(setting.name, words), value) << setting.name << " written as \"" << words << "\"";
        }
    }
}

TEST_F(SettingNames, BootOrderTakesWordsAndCodesAndNoEmptyOrOverlongList) {
    const Value order = Parse("boot_order", "cd-rom/dvd-rom/cd-rw, 0,Hard Disk , 4");
    EXPECT_EQ(order.codes, (std::vector<std::uint8_t>{2, 0, 1, 4}));
    EXPECT_EQ(FormatValue(*FindSetting("boot_order"), order, texts),
              texts.Text(IDS_BOOT_CD_DVD) + ", " + texts.Text(IDS_BOOT_FLOPPY) + ", " +
                  texts.Text(IDS_BOOT_HARD_DISK) + ", 4")
        << "a device the page shows without a word is written as its code";
    EXPECT_NE(Refusal("boot_order", "Floppy Disk, Tape").find("\"Tape\""), std::string::npos);
    Refusal("boot_order", "");
    Refusal("boot_order", "0,,1");
    Refusal("boot_order", "255");  // the list's end marker is no device
    Refusal("boot_order", "0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16");
}

TEST_F(SettingNames, TheAssetTagKeepsItsBlanks) {
    EXPECT_EQ(Parse("asset_tag", " A 1 ").text, " A 1 ");
}

}  // namespace
}  // namespace tlw::ctl
