// The settings' names and values: words and codes read, every value written
// in words that read back to the same value, and what no value may be; every
// setting the models publish checked as its model keeps it.
#include <gtest/gtest.h>

#include <memory>

#include "ctl/machine_settings.h"
#include "ctl/setting_names.h"
#include "dmi/dmi_proxy.h"
#include "pages/page_table.h"
#include "res/resource.h"
#include "sim/simulated_dmi_proxy.h"
#include "tests/native/ctl/rc_texts.h"
#include "tests/native/sim/notebook_fixture.h"

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
    EXPECT_EQ(FindSetting("Boot_Sequence"), FindSetting("boot_order")) << "the state file's name for it";
    EXPECT_EQ(FindSetting("Fast_Boot"), FindSetting("fast_boot")) << "values take any case, and names too";
    EXPECT_EQ(FindSetting("BRIGHTNESS")->name, std::string("brightness"));
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

// Every setting the models publish, on notebooks that offer and refuse
// different things: each value reads back from its words, and the console's
// check lets through exactly what the setting's model keeps: a value it
// passes is written and reads back as written, a value it refuses, handed to
// the model all the same, is not what the BIOS then holds.
class PublishedSettings : public sim::SimulatedNotebook {
protected:
    // The notebook anew on `state`, as a new tlwctl process finds it.
    void Reset(const char* state) {
        CloseBiosChannel();
        ASSERT_TRUE(Open(state));
        UseDmiProxy(std::make_unique<sim::SimulatedDmiProxy>(this->state().string(), log().string()));
    }
    // The values worth trying for `setting` on a notebook whose boot order is `order`.
    static std::vector<Value> Candidates(const SettingInfo& setting, const std::vector<std::uint8_t>& order) {
        std::vector<Value> values;
        switch (setting.kind) {
            case ValueKind::OnOff: values = {NumberValue(0), NumberValue(1)}; break;
            case ValueKind::Choice:
                for (const ChoiceWord& choice : setting.choices) values.push_back(NumberValue(choice.code));
                break;
            case ValueKind::Level:
                for (int level = 0; level <= 17; ++level) values.push_back(NumberValue(level));
                break;
            case ValueKind::List: {
                Value list;
                list.codes.assign(order.rbegin(), order.rend());
                values.push_back(list);                     // every device, another order
                list.codes.pop_back();
                values.push_back(list);                     // one device missing
                list.codes.push_back(list.codes.front());
                values.push_back(list);                     // one twice
                list.codes.back() = 5;
                values.push_back(list);                     // one not listed
                break;
            }
            case ValueKind::Text: {
                Value tag;
                tag.text = "FLEET-7";
                values.push_back(tag);
                break;
            }
        }
        return values;
    }
    RcTexts texts;
};

TEST_F(PublishedSettings, EveryValueReadsBackFromItsWordsAndIsCheckedAsItsModelKeepsIt) {
    const char* notebooks[] = {
        // Everything offered: a monitor, both levels, an unread tag.
        "boot_options = 0x00\nfan_always_on = off\nboot_sequence = 00 01 02 08\nboot_display = 3\n"
        "display_device = 1\nmonitor_connected = on\nbrightness = 5\nbrightness_range = 0 7\ncontrast = 8\n"
        "contrast_range = 0 15\npanel_type = 1\nasset_tag = \"\"\n",
        // No monitor, a panel without contrast, a narrow brightness range, the
        // hard disk choice offered (and the CD-ROM left out of the list).
        "boot_options = 0x01\nfan_always_on = on\nboot_sequence = 00 01 02 08\nboot_display = 2\n"
        "display_device = 1\nmonitor_connected = off\nbrightness = 3\nbrightness_range = 2 5\ncontrast = 8\n"
        "contrast_range = 0 15\npanel_type = 0\nide_type_82 = 01 01\nhdd_boot = 2\nasset_tag = \"\"\n",
    };
    for (const char* notebook : notebooks) {
        Reset(notebook);
        MachineSettings listed;
        listed.Read();
        const std::vector<std::uint8_t> order = listed.Current(FindSetting("boot_order")->id).value.codes;
        ASSERT_GE(order.size(), 3u) << notebook;
        for (const SettingInfo& setting : Settings()) {
            for (const Value& value : Candidates(setting, order)) {
                const std::string words = FormatValue(setting, value, texts);
                Value parsed;
                std::string error;
                EXPECT_TRUE(ParseValue(setting, words, texts, parsed, error) && parsed == value)
                    << setting.name << " written as \"" << words << "\" " << error;
                if (!setting.readable) continue;

                Reset(notebook);
                MachineSettings before;
                before.Read();
                const std::string why = before.Check(setting.id, value);
                WriteChanges({Change{setting.id, value}});
                MachineSettings after;
                after.Read();
                const Reading& read = after.Current(setting.id);
                const bool kept = read.known && read.value == value;
                EXPECT_EQ(why.empty(), kept) << setting.name << " = " << words << ": checked \"" << why
                                             << "\", reads back " << (read.known ? FormatValue(setting, read.value, texts) : "unknown")
                                             << "\non " << notebook;
            }
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
