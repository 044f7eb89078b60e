#pragma once

#include <QString>
#include <QStringList>

namespace harbex {

// The plain list files the program keeps beside a set and for the zip utility (archive names,
// network drives, browser picks, found files, the utility's "@list"): one entry a line.
// Reading keeps the lines in order and leaves out blank ones, which name nothing (an editor
// often leaves one at the end).
QStringList ListFileEntries(const QStringList& lines);
// The text of a list file: every entry followed by CR LF; no entry gives an empty file.
QString ListFileText(const QStringList& entries);

}  // namespace harbex
