// Reading the texts of an executable's version resource ("ProductVersion",
// "CompanyName", ...), as Windows shows them in a file's properties. The
// package script takes the package's version from the shipped tlw.exe this way,
// so that the version is written in one place only, the resource script.
#pragma once

#include <cstddef>
#include <map>
#include <string>

#include "tools/pe_image.h"

namespace tlw {

// The texts of the first string table of the first version resource in `data`
// (the file `image` was read from), by name; characters outside ASCII become
// '?'. Empty when the file has no version resource, or a damaged one: nothing
// outside the `size` bytes is ever read.
std::map<std::string, std::string> VersionTexts(const unsigned char* data, std::size_t size, const PeImage& image);

}  // namespace tlw
