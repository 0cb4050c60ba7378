// SPDX-License-Identifier: GPL-3.0-or-later
// Entry point of every Qt test program: one QApplication under the offscreen platform, with
// the user's configuration and data folders moved to a temporary folder so that no test reads
// or changes the real settings.
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir userFolders;
    if (userFolders.isValid()) {
        qputenv("XDG_CONFIG_HOME", userFolders.filePath(QStringLiteral("config")).toLocal8Bit());
        qputenv("XDG_DATA_HOME", userFolders.filePath(QStringLiteral("data")).toLocal8Bit());
    }
    QApplication app(argc, argv);
    Q_INIT_RESOURCE(resources);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
