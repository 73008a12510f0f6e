#pragma once

#include <QByteArray>
#include <QString>

// Writes a file whole or not at all: a failed or interrupted write leaves
// the old file as it was.
bool writeAtomically(const QString &path, const QByteArray &bytes);
