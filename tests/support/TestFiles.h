#pragma once

#include <QByteArray>
#include <QString>

// The bytes of a file; empty when it cannot be read.
QByteArray fileContents(const QString &path);

// Writes a file as a test fixture, creating its folder; false when that fails.
bool putFile(const QString &path, const QByteArray &bytes);
