#pragma once

#include <QDateTime>
#include <QMap>
#include <QString>

// Every file and folder below a folder with its size and modification time,
// to show that a run changed nothing on disk.
QMap<QString, QString> diskSnapshot(const QString &root);
