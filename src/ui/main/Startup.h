// SPDX-License-Identifier: GPL-3.0-or-later
// What the program sets up before its windows are created: application names, the hint
// pause, the icon, the month names of the user's locale, and the working folder.
#pragma once

#include <QIcon>
#include <QLocale>
#include <QString>

class QApplication;
class QWidget;

namespace startup {

// The whole start-up before CreateWindows(): names, working folder, hint pause, icon and
// month names. The resources must already be initialised.
void InitialiseApplication(QApplication& app);

// The shipped runtime/ folder: <install>/share/cresselle/runtime beside the program, or the
// source tree's runtime/ when running from a build folder. Empty when neither exists.
QString ShippedRuntimeFolder();
// The per-user data folder (~/.local/share/Cresselle on Linux).
QString DataFolder();
// Makes `dataFolder` the current folder, creating it and copying every file of
// `runtimeFolder` that it lacks. A file already there is never replaced, except the help pages
// under docs/ when the shipped docs/help-version stamp is newer than the working folder's (the
// user's data.dat and icon are never replaced). False when the folder could not be made current
// (the program then runs in the folder it was started in).
// A folder that cannot be made or entered is noted (folders::WorkingFolderProblem), and so is
// every file that could not be copied, each with the system's reason (TakeStartNotice).
bool EnterWorkingFolder(const QString& dataFolder, const QString& runtimeFolder);
// What the start could not do, for the user, emptied by the call.
QString TakeStartNotice();

// The hint pause of the application, in milliseconds (installed as a style hint).
void SetHintPause(int milliseconds);
// The icon read from `path` (relative to the working folder); the built-in icon when the file
// is missing or unreadable. Never null.
QIcon ApplicationIcon(const QString& path = QStringLiteral("Cresselle.ico"));
// The built-in icon, from the resources or, failing those, drawn here.
QIcon BuiltInIcon();
// Hands the locale's stand-alone month names, long and short, to the engine.
void InstallMonthNames(const QLocale& locale);
// Ends the program when `main` closes, whatever other windows are still showing.
void QuitWhenClosed(QWidget* main);

} // namespace startup
