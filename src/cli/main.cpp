// SPDX-License-Identifier: GPL-3.0-or-later
// cresselle-cli: the engine's results as text or JSON, for scripts and checks.
#include "cli/CliArgs.h"
#include "cli/CliCommands.h"

#include <QCoreApplication>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Cresselle"));
    std::vector<std::string> args(argv + 1, argv + argc);
    try {
        const cli::Options options = cli::ParseOptions(args);
        int status = 0;
        if (options.help)
            std::fputs(cli::UsageText().c_str(), stdout);
        else if (options.version)
            std::fputs("cresselle-cli " CRESSELLE_VERSION "\n", stdout);
        else
            status = cli::Run(options);
        // A full disk or a closed pipe shows only here, when the buffered output is flushed.
        if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
            std::fprintf(stderr, "cresselle-cli: cannot write the output: %s\n",
                         std::strerror(errno));
            return 1;
        }
        return status;
    } catch (const cli::UsageError& e) {
        std::fprintf(stderr, "cresselle-cli: %s\n", e.message.c_str());
        return 2;
    }
}
