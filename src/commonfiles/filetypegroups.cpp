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

}  // namespace harbex
