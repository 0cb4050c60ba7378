// SPDX-License-Identifier: GPL-3.0-or-later
#include "data/Folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

namespace folders {

// Named here rather than by the application's names, so that every program of the package
// (whatever organisation name it sets) finds the same folder.
QString DataFolder() {
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
#ifdef Q_OS_WIN
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
#else
    return base.isEmpty() ? QString() : base + QStringLiteral("/Cresselle");
#endif
}

QString ShippedRuntimeFolder() {
    const QString programFolder = QCoreApplication::applicationDirPath();
    const QStringList candidates{
        programFolder + QStringLiteral("/../share/cresselle/runtime"),
        programFolder + QStringLiteral("/runtime"),
#ifdef CRESSELLE_SOURCE_RUNTIME_DIR
        QStringLiteral(CRESSELLE_SOURCE_RUNTIME_DIR),
#endif
    };
    for (const QString& folder : candidates)
        if (QFileInfo(folder).isDir()) return QDir(folder).absolutePath();
    return {};
}

namespace {
QString& Problem() {
    static QString problem;
    return problem;
}
} // namespace

QString WorkingFolderProblem() {
    return Problem();
}

void SetWorkingFolderProblem(const QString& problem) {
    Problem() = problem;
}

} // namespace folders
