// SPDX-License-Identifier: GPL-3.0-or-later
// Where the program's files are: the per-user working folder and the shipped runtime files.
// Shared by the program and cresselle-cli (Qt Core only).
#pragma once

#include <QString>

namespace folders {

// The per-user data folder, the program's working folder (~/.local/share/Cresselle on Linux).
QString DataFolder();
// The shipped runtime files: <prefix>/share/cresselle/runtime beside the installed program,
// runtime/ beside it, or the source tree's runtime/ when run from a build folder; empty when
// none is there.
QString ShippedRuntimeFolder();

// Why the working folder could not be made or entered at start ("" when it was): the program
// then runs in another folder and writes no database there.
QString WorkingFolderProblem();
void SetWorkingFolderProblem(const QString& problem);

} // namespace folders
