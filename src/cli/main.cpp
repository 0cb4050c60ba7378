// cresselle-cli: the engine's results as text or JSON, for scripts and checks.
#include "cli/CliArgs.h"
#include "cli/CliCommands.h"

#include <QCoreApplication>

#include <cstdio>
#include <string>
#include <vector>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Cresselle"));
    QCoreApplication::setApplicationName(QStringLiteral("Cresselle"));
    std::vector<std::string> args(argv + 1, argv + argc);
    try {
        const cli::Options options = cli::ParseOptions(args);
        if (options.help) {
            std::fputs(cli::UsageText().c_str(), stdout);
            return 0;
        }
        return cli::Run(options);
    } catch (const cli::UsageError& e) {
        std::fprintf(stderr, "cresselle-cli: %s\n", e.message.c_str());
        return 2;
    }
}
