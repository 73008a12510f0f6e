#pragma once

#include <QList>
#include <QString>
#include <optional>

// A window's option file: one decimal integer per line, kept in optDir.
namespace WindowOptionFile {

// The first `count` integers of the file, or nothing when the file is missing,
// short, or holds something other than a number on one of those lines: the
// window then takes its defaults.
std::optional<QList<int>> read(const QString &path, int count);

bool write(const QString &path, const QList<int> &values);

} // namespace WindowOptionFile
