#pragma once

#include <QStringList>
#include <optional>

namespace harbex {

// Lets the user pick files one by one for a browser-built set. `picked` is the set's list so
// far. Gives the picked files as full paths in lower case, in order (an empty list when the
// window was closed with OK and nothing picked), or std::nullopt when it was cancelled.
// Until the file browser window is part of the program this is the platform's file dialog in
// multi-select mode, opened in the folder of the first file picked so far; what is picked there
// replaces the list.
std::optional<QStringList> ChooseBrowserFiles(const QStringList& picked);

}  // namespace harbex
