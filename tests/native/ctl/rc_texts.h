// The program's string table as the shipped program has it, read from
// res/tlw.rc and res/resource.h, so that the tests see the pages' own words.
#pragma once

#include <fstream>
#include <map>
#include <regex>
#include <sstream>
#include <string>

#include "pages/info/info_probes.h"

namespace tlw::ctl {

class RcTexts : public TextSource {
public:
    RcTexts() {
        std::map<std::string, unsigned> ids;
        std::ifstream header(std::string(TALLOWIN_SOURCE_DIR) + "/res/resource.h");
        const std::regex define(R"(^\s*#define\s+(IDS_\w+)\s+(\d+))");
        for (std::string line; std::getline(header, line);) {
            std::smatch m;
            if (std::regex_search(line, m, define)) ids[m[1]] = static_cast<unsigned>(std::stoul(m[2]));
        }
        std::ifstream script(std::string(TALLOWIN_SOURCE_DIR) + "/res/tlw.rc");
        const std::regex entry(R"(^\s*(IDS_\w+)\s+\"(.*)\"\s*$)");
        for (std::string line; std::getline(script, line);) {
            std::smatch m;
            if (!std::regex_search(line, m, entry) || !ids.count(m[1])) continue;
            std::string text = m[2];
            for (std::size_t at; (at = text.find("\\n")) != std::string::npos;) text.replace(at, 2, "\n");
            for (std::size_t at; (at = text.find("\"\"")) != std::string::npos;) text.replace(at, 2, "\"");
            texts_[ids[m[1]]] = text;
        }
    }
    std::string Text(unsigned id) const override {
        const auto found = texts_.find(id);
        return found == texts_.end() ? std::string() : found->second;
    }
    std::size_t size() const { return texts_.size(); }

private:
    std::map<unsigned, std::string> texts_;
};

}  // namespace tlw::ctl
