#pragma once

#include <QString>

namespace harbex::test {

// Long texts of the program that several tests expect, exactly as the program shows them.
inline const QString kRecursionWarning = QStringLiteral(
    "******************  IMPORTANT WARNING ************************\r\nYou have selected the "
    "option to recurse sub folders at source level and \r\nthen to compress the files.\r\nWhen "
    "creating copmpressed archives, the recommended option is to \r\nallow the compression "
    "engine to handle files in sub folders.\r\nPlease select OK to reset the options to "
    "compressed level recurse ");

// The source column of a report's copy line: the path and blanks up to 40 characters.
inline QString Col(const QString& source) {
    return source.leftJustified(40, u' ');
}

}  // namespace harbex::test
