// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped help pages, English and translated: every internal link lands on an anchor, every
// picture a page shows is beside it and readable (a translated page's in its own language), and
// none needs anything from the network.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

QString DocsFolder() {
    return qEnvironmentVariable("CRESSELLE_SOURCE_DIR") + QStringLiteral("/runtime/docs");
}

// The page of each language: "" for English, else the language's code.
const char* const kLanguages[] = {"", "fr", "de", "es"};

QString PageName(const char* language) {
    return *language ? QStringLiteral("cresselle_%1.htm").arg(QLatin1String(language))
                     : QStringLiteral("cresselle.htm");
}

QString ReadPage(const char* language) {
    QFile page(DocsFolder() + QLatin1Char('/') + PageName(language));
    if (!page.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(page.readAll());
}

// The values of `attribute` on every `tag` element ("*" for any element), quoted either way.
QStringList AttributeValues(const QString& html, const QString& tag, const QString& attribute) {
    const QString element =
        tag == QLatin1String("*") ? QStringLiteral("[a-zA-Z][a-zA-Z0-9]*") : tag;
    const QRegularExpression re(
        QStringLiteral("<%1\\b[^>]*?\\s%2\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)')")
            .arg(element, attribute),
        QRegularExpression::CaseInsensitiveOption);
    QStringList values;
    for (auto it = re.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        values << (m.captured(1).isNull() ? m.captured(2) : m.captured(1));
    }
    return values;
}

bool IsRemote(const QString& reference) {
    const QString scheme = QUrl(reference).scheme().toLower();
    return !scheme.isEmpty() && scheme != QLatin1String("file");
}

// Comments may show markup as an example; they are not part of the page.
QString WithoutComments(QString html) {
    static const QRegularExpression comment(QStringLiteral("<!--.*?-->"),
                                            QRegularExpression::DotMatchesEverythingOption);
    return html.remove(comment);
}

} // namespace

TEST(HelpPage, InternalLinksLandOnUniqueAnchors) {
    for (const char* language : kLanguages) {
        SCOPED_TRACE(PageName(language).toStdString());
        const QString html = WithoutComments(ReadPage(language));
        ASSERT_FALSE(html.isEmpty()) << "the page is missing or empty";

        QSet<QString> anchors;
        for (const QString& id : AttributeValues(html, QStringLiteral("*"), QStringLiteral("id"))) {
            EXPECT_FALSE(anchors.contains(id)) << "duplicate id " << id.toStdString();
            anchors.insert(id);
        }
        for (const QString& name :
             AttributeValues(html, QStringLiteral("a"), QStringLiteral("name")))
            anchors.insert(name);

        int internalLinks = 0;
        for (const QString& href :
             AttributeValues(html, QStringLiteral("a"), QStringLiteral("href"))) {
            if (IsRemote(href)) continue;
            const int hash = href.indexOf(QLatin1Char('#'));
            const QString file = hash < 0 ? href : href.left(hash);
            const QString fragment =
                hash < 0 ? QString() : QUrl::fromPercentEncoding(href.mid(hash + 1).toUtf8());
            if (!file.isEmpty()) {
                EXPECT_TRUE(QFileInfo::exists(QDir(DocsFolder()).filePath(file)))
                    << "link to a missing file: " << href.toStdString();
                continue;
            }
            ++internalLinks;
            EXPECT_TRUE(anchors.contains(fragment)) << "no anchor for link " << href.toStdString();
        }
        // A table of contents with a link per section at the least.
        EXPECT_GE(internalLinks, 10);
    }
}

TEST(HelpPage, PicturesAreBesideThePageAndReadable) {
    for (const char* language : kLanguages) {
        SCOPED_TRACE(PageName(language).toStdString());
        const QString html = WithoutComments(ReadPage(language));
        ASSERT_FALSE(html.isEmpty());
        const QStringList pictures =
            AttributeValues(html, QStringLiteral("img"), QStringLiteral("src"));
        EXPECT_GE(pictures.size(), 3) << "the main window and two reports are shown";
        // A translated page shows the windows in its own language, not the English pictures.
        const QString own = QStringLiteral("_%1.png").arg(QLatin1String(language));
        for (const QString& src : pictures) {
            ASSERT_FALSE(IsRemote(src)) << "picture from the network: " << src.toStdString();
            if (*language) {
                EXPECT_TRUE(src.endsWith(own))
                    << "not in the page's language: " << src.toStdString();
            }
            const QString path =
                QDir(DocsFolder()).filePath(QUrl::fromPercentEncoding(src.toUtf8()));
            QImageReader reader(path);
            EXPECT_TRUE(reader.canRead()) << "missing or unreadable picture " << src.toStdString();
            const QSize size = reader.size();
            EXPECT_TRUE(size.width() > 0 && size.height() > 0) << src.toStdString();
        }
    }
}

TEST(HelpPage, NeedsNothingFromTheNetwork) {
    for (const char* language : kLanguages) {
        SCOPED_TRACE(PageName(language).toStdString());
        const QString html = WithoutComments(ReadPage(language));
        ASSERT_FALSE(html.isEmpty());
        // Style sheets, scripts, frames and pictures must come with the page; plain links to
        // web sites are fine, they are only followed when clicked.
        for (const QString& tag :
             {QStringLiteral("link"), QStringLiteral("script"), QStringLiteral("iframe"),
              QStringLiteral("img"), QStringLiteral("source"), QStringLiteral("video")})
            for (const QString& attribute : {QStringLiteral("src"), QStringLiteral("href")})
                for (const QString& value : AttributeValues(html, tag, attribute))
                    EXPECT_FALSE(IsRemote(value))
                        << "<" << tag.toStdString() << "> loads " << value.toStdString();
        static const QRegularExpression cssImport(QStringLiteral("@import|url\\(\\s*['\"]?https?:"),
                                                  QRegularExpression::CaseInsensitiveOption);
        EXPECT_FALSE(cssImport.match(html).hasMatch()) << "style sheet fetches from the network";
    }
}
