#pragma once

#include <QString>
#include <QStringList>
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

// The object names of the sixteen check boxes, in the same order.
const std::array<const char*, 16>& FileTypeCheckBoxNames();

// The caption a group's check box shows once the program has started: "Include " + the form
// caption + "[ ext1, ext2]". The form caption's own blanks are kept.
QString FileTypeCaption(const FileTypeGroup& group);

// The extensions (without the dot) the search looks for, in the order it looks for them: the
// checked groups in table order, each group's slots in order.
QStringList CheckedExtensions(const std::array<bool, 16>& checked);

}  // namespace harbex
