#include "commonfiles/filetypegroups.h"

namespace harbex {

const std::array<FileTypeGroup, 16>& FileTypeGroups() {
    // The database group's "mbd" is what the program has always searched for.
    static const std::array<FileTypeGroup, 16> groups = {{
        {"Email Files", {"eml", "dbx", "pst", ""}},
        {"Document Files", {"doc", "", "", ""}},
        {"Database Files", {"dbf", "mbd", "csv", ""}},
        {"Graphics Files", {"bmp", "jpg", "gif", "tif"}},
        {"Text Files", {"txt", "rtf", "", ""}},
        {"Compressed Files", {"zip", "", "", ""}},
        {"Portable document Files", {"pdf", "", "", ""}},
        {"Web Files", {"htm", "html", "", ""}},
        {"Sound Files ", {"wav", "mid", "mp3", ""}},
        {"Media Files ", {"avi", "mpe", "", ""}},
        {"Program Files ", {"pas", "c", "bas", "sql"}},
        {"Dunlow Files", {"dat", "veh", "", ""}},
        {"Binary Files", {"bin", "", "", ""}},
        {"Help system Files  ", {"hlp", "cnt", "chm", ""}},
        {"Harbex Files ", {"brw", "dlf", "nwf", "lst"}},
        {"Harbex  BUS Files", {"bus", "", "", ""}},
    }};
    return groups;
}

const std::array<const char*, 16>& FileTypeCheckBoxNames() {
    static const std::array<const char*, 16> names = {
        "getemails1", "GetDocs1",   "CheckBox12", "CheckBox14", "CheckBox15", "CheckBox16",
        "CheckBox17", "CheckBox2",  "CheckBox10", "CheckBox1",  "CheckBox13", "CheckBox11",
        "CheckBox18", "CheckBox19", "CheckBox20", "CheckBox21"};
    return names;
}

QString FileTypeCaption(const FileTypeGroup& group) {
    QString caption = QStringLiteral("Include ") + QString::fromLatin1(group.formCaption) + u'[';
    for (const char* extension : group.extensions)
        if (*extension) caption += u' ' + QString::fromLatin1(extension) + u',';
    // The last comma gives way to the closing bracket (a group without extensions would lose
    // its "[" instead; the table has none).
    caption.chop(1);
    return caption + u']';
}

QStringList CheckedExtensions(const std::array<bool, 16>& checked) {
    QStringList extensions;
    const auto& groups = FileTypeGroups();
    for (size_t g = 0; g < groups.size(); ++g) {
        if (!checked[g]) continue;
        for (const char* extension : groups[g].extensions)
            if (*extension) extensions << QString::fromLatin1(extension);
    }
    return extensions;
}

}  // namespace harbex
