#pragma once

#include <QString>
#include <array>

namespace harbex {

// One group of common file types: the caption its check box has on the form and up to four
// extensions without the dot (an empty slot is unused).
struct FileTypeGroup {
    const char* formCaption;
    std::array<const char*, 4> extensions;
};

// The sixteen groups, in the order of their check boxes (tags 0 to 15).
const std::array<FileTypeGroup, 16>& FileTypeGroups();

}  // namespace harbex
