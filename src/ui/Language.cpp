// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/Language.h"

#include "export/CalendarTexts.h"
#include "settings/ObserverSettings.h"
#include "ui/main/Startup.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QTranslator>

#include <iterator>
#include <memory>

// Outside any namespace: the resource's initialiser is a global function.
static void InitialiseTranslationResources() {
#ifdef CRESSELLE_TRANSLATIONS
    Q_INIT_RESOURCE(translations);
#endif
}

namespace language {
namespace {

bool Speaks(const QString& code) {
    for (const char* c : ProgramLanguages)
        if (code == QLatin1String(c)) return true;
    return false;
}

QString& Installed() {
    static QString code = QStringLiteral("en");
    return code;
}

struct Translators {
    std::unique_ptr<QTranslator> Program;
    std::unique_ptr<QTranslator> Toolkit;
};

Translators& Loaded() {
    static Translators translators;
    return translators;
}

std::string CalendarTranslation(const char* context, const char* english) {
    return QCoreApplication::translate(context, english).toStdString();
}

} // namespace

QString Effective(const QString& setting, const QLocale& system) {
    if (setting != QLatin1String("System") && Speaks(setting)) return setting;
    const QString own = QLocale::languageToCode(system.language());
    return Speaks(own) ? own : QStringLiteral("en");
}

QLocale LocaleOf(const QString& setting, const QLocale& system) {
    const QLocale chosen(Effective(setting, system));
    if (system.language() == chosen.language()) return system;
    // No locale at all speaks plain English.
    if (system.language() == QLocale::C && chosen.language() == QLocale::English) return system;
    // The language in the system's country when there is such a locale ("en_IE"), else its own.
    const QLocale local(chosen.language(), system.territory());
    return local.language() == chosen.language() && local.territory() == system.territory()
               ? local
               : chosen;
}

void Install(QCoreApplication& app, const QString& setting) {
    InitialiseTranslationResources();
    Translators& t = Loaded();
    for (auto* old : {t.Program.get(), t.Toolkit.get()})
        if (old) QCoreApplication::removeTranslator(old);
    t.Program.reset();
    t.Toolkit.reset();
    ics::SetTextTranslator(nullptr);

    const QString code = Effective(setting);
    QLocale::setDefault(LocaleOf(setting));
    Installed() = code;
    if (code != QLatin1String("en")) {
        auto program = std::make_unique<QTranslator>();
        if (program->load(QStringLiteral(":/translations/cresselle_%1.qm").arg(code))) {
            app.installTranslator(program.get());
            t.Program = std::move(program);
            ics::SetTextTranslator(&CalendarTranslation);
        }
        auto toolkit = std::make_unique<QTranslator>();
        if (toolkit->load(QStringLiteral("qtbase_%1").arg(code),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            app.installTranslator(toolkit.get());
            t.Toolkit = std::move(toolkit);
        }
    }
    startup::InstallMonthNames(QLocale());
}

QString Current() {
    return Installed();
}

QString HelpPage(const QString& folder) {
    QString translated = QStringLiteral("docs/cresselle_%1.htm").arg(Current());
    if (Current() != QLatin1String("en") && QFileInfo::exists(QDir(folder).filePath(translated)))
        return translated;
    return QStringLiteral("docs/cresselle.htm");
}

QString ChoiceName(const QString& setting) {
    if (setting == QLatin1String("en")) return QStringLiteral("English");
    if (setting == QLatin1String("fr")) return QStringLiteral("Fran\u00E7ais");
    if (setting == QLatin1String("de")) return QStringLiteral("Deutsch");
    if (setting == QLatin1String("es")) return QStringLiteral("Espa\u00F1ol");
    return QCoreApplication::translate("TConfiguration", "System");
}

} // namespace language
