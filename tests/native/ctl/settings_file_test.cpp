// The settings file's lines and JSON's strings: what is read, what is
// refused with its line named, and texts that survive the trip.
#include <gtest/gtest.h>

#include "ctl/json_text.h"
#include "ctl/settings_file.h"
#include "tests/native/ctl/rc_texts.h"

namespace tlw::ctl {
namespace {

class SettingsFile : public ::testing::Test {
protected:
    std::string Refused(const std::string& text) {
        ChangeSet values;
        std::string error;
        EXPECT_FALSE(ParseSettingsText(text, texts, values, error)) << text;
        return error;
    }
    RcTexts texts;
};

TEST_F(SettingsFile, ReadsEveryNamedValueInTheSheetsOrderWithCommentsAndBlankLines) {
    ChangeSet values;
    std::string error;
    // As an editor saves it: a UTF-8 byte order mark first, and a name as a person types it.
    ASSERT_TRUE(ParseSettingsText("\xEF\xBB\xBF"
                                  "Contrast = 3\n# mine\n\nfast_boot = on   # at the next boot\n"
                                  "asset_tag = \"A\\x23 1 \"\nBOOT_ORDER = Hard Disk, Floppy Disk\n",
                                  texts, values, error))
        << error;
    ASSERT_EQ(values.size(), 4u);
    EXPECT_EQ(values[0].id, FindSetting("asset_tag")->id);
    EXPECT_EQ(values[0].value.text, "A# 1 ");
    EXPECT_EQ(values[1].id, FindSetting("fast_boot")->id);
    EXPECT_EQ(values[1].value.number, 1);
    EXPECT_EQ(values[2].id, FindSetting("boot_order")->id);
    EXPECT_EQ(values[2].value.codes, (std::vector<std::uint8_t>{1, 0}));
    EXPECT_EQ(values[3].id, FindSetting("contrast")->id);
    EXPECT_EQ(values[3].value.number, 3);
}

TEST_F(SettingsFile, RefusesTheWholeFileNamingTheLine) {
    EXPECT_NE(Refused("fast_boot = on\nturbo = on\n").find("line 2"), std::string::npos);
    EXPECT_NE(Refused("fast_boot = on\n\nfast_boot = off\n").find("line 3: fast_boot is given again"),
              std::string::npos);
    EXPECT_NE(Refused("fast_boot = on\nFast_Boot = off\n").find("line 2: Fast_Boot is given again"),
              std::string::npos);
    EXPECT_NE(Refused("boot_order = 0, 1\nboot_sequence = 1, 0\n").find("line 2: boot_sequence is given again"),
              std::string::npos)
        << "two names of one setting";
    EXPECT_NE(Refused("fast_boot = on\n\xEF\xBB\xBF").find("line 2"), std::string::npos) << "a mark only leads";
    EXPECT_NE(Refused("brightness = bright\n").find("line 1: brightness"), std::string::npos);
    EXPECT_NE(Refused("fast_boot on\n").find("1"), std::string::npos);
    Refused("asset_tag = \"open\n");
    Refused("asset_tag = \"a\"b\"\n");
    Refused("asset_tag = \"a\\x00\"\n");
    Refused("setup_password = 1E 30\n");
}

TEST_F(SettingsFile, TagsWithAnyByteSurviveQuotingAndPlainTagsReadAsTheyStand) {
    const std::string tags[] = {"", " lead and trail ", "#hash", "q\"uote", "back\\x41slash", "\xE9t\xE9", "a\tb"};
    for (const std::string& tag : tags) {
        const std::string quoted = QuotedTag(tag);
        EXPECT_EQ(quoted.find('#'), std::string::npos) << "a # would start a comment: " << quoted;
        std::string back;
        ASSERT_TRUE(UnquotedTag(quoted, back)) << quoted;
        EXPECT_EQ(back, tag);
    }
    std::string plain;
    ASSERT_TRUE(UnquotedTag("TAG-7", plain));
    EXPECT_EQ(plain, "TAG-7");
}

// Decodes what JsonString makes, as a JSON reader would; false on anything
// a reader would refuse.
bool DecodeJsonString(const std::string& json, std::string& text) {
    if (json.size() < 2 || json.front() != '"' || json.back() != '"') return false;
    text.clear();
    for (std::size_t i = 1; i + 1 < json.size(); ++i) {
        const auto c = static_cast<unsigned char>(json[i]);
        if (c < 0x20 || c > 0x7E || c == '"') return false;
        if (c != '\\') {
            text += static_cast<char>(c);
            continue;
        }
        if (++i + 1 >= json.size()) return false;
        switch (json[i]) {
            case '"': text += '"'; break;
            case '\\': text += '\\'; break;
            case 'n': text += '\n'; break;
            case 'r': text += '\r'; break;
            case 't': text += '\t'; break;
            case 'u': {
                if (i + 4 >= json.size() - 1) return false;
                const unsigned long code = std::stoul(json.substr(i + 1, 4), nullptr, 16);
                if (code > 0xFF) return false;
                text += static_cast<char>(code);
                i += 4;
                break;
            }
            default: return false;
        }
    }
    return true;
}

TEST(JsonText, EveryByteMakesAPlainAsciiStringThatDecodesToIt) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
    for (const std::string& text : {std::string(), std::string("plain"), std::string("\"q\" \\ /"), all,
                                    std::string("LANDesk(R) Service Agent\r\n")}) {
        const std::string json = JsonString(text);
        std::string back;
        ASSERT_TRUE(DecodeJsonString(json, back)) << json;
        EXPECT_EQ(back, text);
    }
}

}  // namespace
}  // namespace tlw::ctl
