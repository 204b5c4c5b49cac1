#pragma once
// Where a test leaves the pictures it takes of its windows: its own
// temporary folder, so that two runs on one machine never write the same
// file. A developer who wants to look at them names a folder of their own in
// ZEVA_BILDER_ORDNER.
#include "support/TestEnvironment.h"

#include <QByteArray>
#include <QDir>
#include <QString>

namespace zeva::test {

inline QString Ausgabedatei(const QString& name)
{
    const QByteArray ordner = qgetenv("ZEVA_BILDER_ORDNER");
    const QString basis =
        ordner.isEmpty() ? QString::fromStdString(ProcessTempDir().string()) : QString::fromLocal8Bit(ordner);
    return QDir(basis).filePath(name);
}

} // namespace zeva::test
