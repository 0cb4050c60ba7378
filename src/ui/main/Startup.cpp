// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/Startup.h"

#include "astro/fGlobals.h"
#include "data/Folders.h"
#include "settings/ObserverSettings.h"
#include "ui/Language.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QProxyStyle>
#include <QSaveFile>
#include <QStandardPaths>
#include <QVersionNumber>
#include <QWidget>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <utility>

namespace startup {
namespace {

// The application style with the hint pause of the program.
class HintPauseStyle : public QProxyStyle {
  public:
    explicit HintPauseStyle(int milliseconds) : milliseconds_(milliseconds) {}
    void setPause(int milliseconds) { milliseconds_ = milliseconds; }

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == QStyle::SH_ToolTip_WakeUpDelay) return milliseconds_;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

  private:
    int milliseconds_;
};

// Watches the main window: once it has closed, the program ends even when other windows
// are still showing.
class QuitOnClose : public QObject {
  public:
    explicit QuitOnClose(QWidget* main) : QObject(main), main_(main) {
        main->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // The close may still be refused by the window; decide once it has been handled.
        if (watched == main_ && event->type() == QEvent::Close)
            QMetaObject::invokeMethod(
                this,
                [this] {
                    if (!main_->isVisible()) QCoreApplication::quit();
                },
                Qt::QueuedConnection);
        return false;
    }

  private:
    QWidget* main_;
};

// Copies through a temporary file, so that an interrupted copy (a full disk) never leaves a
// half file that later starts would take for the user's own. False with the reason.
bool CopyFile(const QString& from, const QString& to, QString* why = nullptr) {
    const auto fail = [why](const QString& reason) {
        if (why) *why = reason;
        return false;
    };
    errno = 0;
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly)) return fail(settingsstore::FileReason(in));
    if (!QDir().mkpath(QFileInfo(to).absolutePath()))
        return fail(QString::fromLocal8Bit(std::strerror(errno ? errno : EACCES)));
    QSaveFile out(to);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(settingsstore::FileReason(out));
    const qint64 chunk = 1 << 16;
    const qint64 chunks = in.size() / chunk + 1;
    qint64 copied = 0;
    for (qint64 i = 0; i <= chunks && !in.atEnd(); ++i) {
        const QByteArray bytes = in.read(chunk);
        if (out.write(bytes) != bytes.size()) {
            const QString reason = settingsstore::FileReason(out);
            out.cancelWriting();
            return fail(reason);
        }
        copied += bytes.size();
    }
    if (!in.atEnd() || copied != in.size()) {
        out.cancelWriting();
        return fail(
            QCoreApplication::translate("Startup", "the shipped file could not be read whole"));
    }
    if (!out.commit()) return fail(settingsstore::FileReason(out));
    return true;
}

// The help pages carry a version stamp beside them; an older stamp (or none, from a release
// before stamps) means the shipped pages are newer than the working folder's copies.
const QString kHelpStamp = QStringLiteral("docs/help-version");

// What the start could not copy, and why, told once over the main window.
QString& StartNotice() {
    static QString notice;
    return notice;
}

// Copies the shipped files the working folder lacks: what the program needs first (the
// features database and the icon), then the rest; the help stamp only once every help file is
// there, so that a later start completes a copy cut short. Returns "name (reason)" of each file
// that could not be copied.
QStringList SeedFrom(const QString& runtimeFolder, const QDir& data) {
    const QDir runtime(runtimeFolder);
    QStringList order{QStringLiteral("data.dat"), QStringLiteral("Cresselle.ico")};
    QDirIterator files(runtimeFolder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    for (int i = 0; i < 100000 && files.hasNext(); ++i) {
        const QString relative = runtime.relativeFilePath(files.next());
        if (!order.contains(relative) && relative != kHelpStamp) order.append(relative);
    }
    QStringList failed;
    bool docsComplete = true;
    for (const QString& relative : order) {
        const QString source = runtime.filePath(relative);
        const QString target = data.filePath(relative);
        const QFileInfo targetInfo(target);
        if (targetInfo.exists() || targetInfo.isSymLink() || !QFileInfo::exists(source)) continue;
        QString why;
        if (CopyFile(source, target, &why)) continue;
        failed.append(QStringLiteral("%1 (%2)").arg(relative, why));
        if (relative.startsWith(QLatin1String("docs/"))) docsComplete = false;
    }
    const QString stamp = data.filePath(kHelpStamp);
    if (docsComplete && QFileInfo::exists(runtime.filePath(kHelpStamp)) &&
        !QFileInfo::exists(stamp)) {
        QString why;
        if (!CopyFile(runtime.filePath(kHelpStamp), stamp, &why))
            failed.append(QStringLiteral("%1 (%2)").arg(kHelpStamp, why));
    }
    return failed;
}

QVersionNumber ReadStamp(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QVersionNumber::fromString(QString::fromUtf8(file.read(64)).trimmed());
}

// Replaces the working folder's help pages and pictures with the shipped ones when the shipped
// stamp is newer; every other file of the working folder is left alone.
void RefreshHelpPages(const QString& runtimeFolder, const QDir& data) {
    const QDir runtime(runtimeFolder);
    const QVersionNumber shipped = ReadStamp(runtime.filePath(kHelpStamp));
    if (shipped.isNull() || ReadStamp(data.filePath(kHelpStamp)) >= shipped) return;
    const QString docs = runtime.filePath(QStringLiteral("docs"));
    QDirIterator files(docs, QDir::Files, QDirIterator::Subdirectories);
    bool complete = true;
    while (files.hasNext()) {
        const QString source = files.next();
        const QString relative = runtime.relativeFilePath(source);
        if (relative == kHelpStamp) continue;
        const QString target = data.filePath(relative);
        complete = CopyFile(source, target) && complete;
    }
    // The stamp goes last, so that a refresh cut short is tried again at the next start.
    if (complete) CopyFile(runtime.filePath(kHelpStamp), data.filePath(kHelpStamp));
}

// A crescent on a dark disc, for when even the resources have no icon.
QPixmap DrawnIcon(int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF disc(1, 1, size - 2, size - 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 24, 48));
    painter.drawEllipse(disc);
    QPainterPath lit;
    lit.addEllipse(disc.adjusted(size * 0.1, size * 0.1, -size * 0.1, -size * 0.1));
    QPainterPath shadow;
    shadow.addEllipse(disc.adjusted(-size * 0.05, size * 0.05, -size * 0.3, -size * 0.05));
    painter.setBrush(QColor(255, 255, 176));
    painter.drawPath(lit.subtracted(shadow));
    return pixmap;
}

} // namespace

void InitialiseApplication(QApplication& app) {
    app.setApplicationName(QStringLiteral("Cresselle"));
    app.setApplicationVersion(QStringLiteral("2.50"));
    // The language comes first: every window and message is made in it.
    TObserverSettings stored;
    language::Install(app,
                      settingsstore::Peek(stored) ? stored.Language : QStringLiteral("System"));
    EnterWorkingFolder(DataFolder(), ShippedRuntimeFolder());
    SetHintPause(2000);
    QApplication::setWindowIcon(ApplicationIcon());
}

QString ShippedRuntimeFolder() {
    return folders::ShippedRuntimeFolder();
}

QString DataFolder() {
    return folders::DataFolder();
}

bool EnterWorkingFolder(const QString& dataFolder, const QString& runtimeFolder) {
    folders::SetWorkingFolderProblem({});
    const QString shown = QDir::toNativeSeparators(dataFolder);
    const auto refuse = [&shown](const QString& reason) {
        folders::SetWorkingFolderProblem(
            QCoreApplication::translate(
                "Startup", "The working folder \"%1\" cannot be used: %2. The lunar features "
                           "database and the help page are not available, and nothing is saved "
                           "in their place.")
                .arg(shown, reason));
        StartNotice() = folders::WorkingFolderProblem();
        return false;
    };
    if (dataFolder.isEmpty())
        return refuse(QCoreApplication::translate("Startup", "the system names no data folder"));
    std::error_code error;
    std::filesystem::create_directories(QFile::encodeName(dataFolder).toStdString(), error);
    if (!QFileInfo(dataFolder).isDir())
        return refuse(error ? QString::fromLocal8Bit(error.message().c_str())
                            : QCoreApplication::translate("Startup", "it is not a folder"));
    const QDir data(dataFolder);
    if (!QDir::setCurrent(data.absolutePath()))
        return refuse(QCoreApplication::translate("Startup", "it cannot be entered"));
    if (!runtimeFolder.isEmpty() && QDir(runtimeFolder) != data) {
        // Help pages already there are refreshed when the shipped ones are newer; a folder
        // without them is seeded, what the program needs first.
        if (QFileInfo::exists(data.filePath(QStringLiteral("docs/cresselle.htm"))))
            RefreshHelpPages(runtimeFolder, data);
        const QStringList failed = SeedFrom(runtimeFolder, data);
        if (!failed.isEmpty())
            StartNotice() =
                QCoreApplication::translate(
                    "Startup", "These shipped files could not be copied into the working folder "
                               "\"%1\":\n%2\nThe next start tries again.")
                    .arg(shown, failed.join(QLatin1Char('\n')));
    }
    return true;
}

QString TakeStartNotice() {
    return std::exchange(StartNotice(), QString());
}

void SetHintPause(int milliseconds) {
    if (auto* style = dynamic_cast<HintPauseStyle*>(QApplication::style())) {
        style->setPause(milliseconds);
        return;
    }
    QApplication::setStyle(new HintPauseStyle(milliseconds));
}

QIcon ApplicationIcon(const QString& path) {
    QImageReader reader(path);
    QIcon icon;
    if (reader.canRead()) {
        // An icon file holds a handful of sizes; the bound only guards against a broken count.
        const int count = qBound(1, reader.imageCount(), 64);
        for (int i = 0; i < count; ++i) {
            const QImage image = reader.read();
            if (image.isNull()) break;
            icon.addPixmap(QPixmap::fromImage(image));
            if (i + 1 < count && !reader.jumpToNextImage()) break;
        }
    }
    return icon.isNull() ? BuiltInIcon() : icon;
}

QIcon BuiltInIcon() {
    QIcon icon;
    for (const char* name :
         {":/icons/cresselle-48.png", ":/icons/cresselle-128.png", ":/icons/cresselle-256.png"}) {
        const QPixmap pixmap(QString::fromLatin1(name));
        if (!pixmap.isNull()) icon.addPixmap(pixmap);
    }
    if (icon.isNull()) icon.addPixmap(DrawnIcon(48));
    return icon;
}

void InstallMonthNames(const QLocale& locale) {
    astro::MonthNameList longNames = astro::LongMonthNames();
    astro::MonthNameList shortNames = astro::ShortMonthNames();
    for (int month = 1; month <= 12; ++month) {
        const auto i = static_cast<std::size_t>(month - 1);
        const QString longName = locale.standaloneMonthName(month, QLocale::LongFormat);
        const QString shortName = locale.standaloneMonthName(month, QLocale::ShortFormat);
        // A locale without names keeps the English ones.
        if (!longName.isEmpty()) longNames[i] = longName.toStdString();
        if (!shortName.isEmpty()) shortNames[i] = shortName.toStdString();
    }
    astro::SetMonthNames(longNames, shortNames);
}

void QuitWhenClosed(QWidget* main) {
    if (main) new QuitOnClose(main);
}

} // namespace startup
