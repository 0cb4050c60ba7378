// SPDX-License-Identifier: GPL-3.0-or-later
// Set-up shared by the fuzz targets that need Qt: one application under the offscreen
// platform, the user's folders and the working folder in a temporary folder, the resources,
// and platform services that never block (no message box, no dialog, no printer).
#pragma once

#include "platform/Platform.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <cstdio>

namespace fuzzqt {

// The temporary folder of the run (working folder and settings).
inline QTemporaryDir& Folder() {
    static QTemporaryDir folder;
    return folder;
}

inline void Start(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("XDG_CONFIG_HOME", Folder().filePath(QStringLiteral("config")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", Folder().filePath(QStringLiteral("data")).toLocal8Bit());
    // Never destroyed: at exit the windows of the run still exist, and Qt's own statics go
    // in an order that does not suit an application object torn down after them.
    static QApplication* app = new QApplication(*argc, *argv);
    (void)app;
    QDir::setCurrent(Folder().path());
    platform::Services().message = [](QWidget*, const QString&, const QString&) {};
    platform::Services().beep = [] {};
    platform::Services().openUrl = [](const QUrl&) { return false; };
    platform::Services().saveFileName = [](QWidget*, const QString&, const QString&,
                                           const QString&) { return QString(); };
    platform::Services().printer = [](QWidget*, const QString&) {
        return std::unique_ptr<QPrinter>();
    };
}

// The fuzzer reports on stderr; what the program prints on stdout is of no interest.
inline void SilenceStdout() {
    if (!std::freopen("/dev/null", "w", stdout)) std::fclose(stdout);
}

} // namespace fuzzqt

// fontconfig keeps what it allocates for a font until the process ends; that is not a leak of
// the program's. (Each fuzz target is one source file, so this is defined once per program.)
extern "C" const char* __lsan_default_suppressions() {
    return "leak:libfontconfig\n";
}

// Outside any namespace: the resource initialiser is a global function.
inline void FuzzInitResources() {
    Q_INIT_RESOURCE(resources);
}
