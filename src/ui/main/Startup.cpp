// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/main/Startup.h"

#include "astro/fGlobals.h"
#include "data/Folders.h"

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

// Copies through a temporary file, so that an interrupted copy never leaves a half file that
// later starts would take for the user's own.
bool CopyFile(const QString& from, const QString& to) {
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly)) return false;
    QSaveFile out(to);
    if (!out.open(QIODevice::WriteOnly)) return false;
    const qint64 chunk = 1 << 16;
    const qint64 chunks = in.size() / chunk + 1;
    for (qint64 i = 0; i <= chunks && !in.atEnd(); ++i)
        if (out.write(in.read(chunk)) < 0) return false;
    return in.atEnd() && out.commit();
}

void SeedFrom(const QString& runtimeFolder, const QDir& data) {
    const QDir runtime(runtimeFolder);
    QDirIterator files(runtimeFolder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = data.filePath(runtime.relativeFilePath(source));
        const QFileInfo targetInfo(target);
        if (targetInfo.exists() || targetInfo.isSymLink()) continue;
        QDir().mkpath(targetInfo.absolutePath());
        CopyFile(source, target);
    }
}

// The help pages carry a version stamp beside them; an older stamp (or none, from a release
// before stamps) means the shipped pages are newer than the working folder's copies.
const QString kHelpStamp = QStringLiteral("docs/help-version");

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
        QDir().mkpath(QFileInfo(target).absolutePath());
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
    EnterWorkingFolder(DataFolder(), ShippedRuntimeFolder());
    SetHintPause(2000);
    QApplication::setWindowIcon(ApplicationIcon());
    InstallMonthNames(QLocale::system());
}

QString ShippedRuntimeFolder() {
    return folders::ShippedRuntimeFolder();
}

QString DataFolder() {
    return folders::DataFolder();
}

bool EnterWorkingFolder(const QString& dataFolder, const QString& runtimeFolder) {
    if (dataFolder.isEmpty() || !QDir().mkpath(dataFolder)) return false;
    const QDir data(dataFolder);
    if (!runtimeFolder.isEmpty() && QDir(runtimeFolder) != data) {
        RefreshHelpPages(runtimeFolder, data);
        SeedFrom(runtimeFolder, data);
    }
    return QDir::setCurrent(data.absolutePath());
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
