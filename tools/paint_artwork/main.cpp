// SPDX-License-Identifier: GPL-3.0-or-later
// Paints Cresselle's skins, Moon photographs and icons, and writes them with the resource list
// (resources.qrc), its README and the application icon file.
//
// Usage: tool_paint_artwork <resources dir> <runtime dir> <moon albedo map>
// The map is an equirectangular albedo picture: longitude -180 at the left edge, latitude +90 at
// the top. Every picture is painted from code, so running the tool again gives the same files.
#include "Artwork.h"

#include <QGuiApplication>

#include <cstdio>

using namespace artwork;

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s <resources dir> <runtime dir> <moon albedo map>\n",
                     argv[0]);
        return 2;
    }
    const QString resources = QString::fromLocal8Bit(argv[1]);
    const QString runtime = QString::fromLocal8Bit(argv[2]);
    const MoonMap map{QImage(QString::fromLocal8Bit(argv[3]))};
    if (map.isNull()) {
        std::fprintf(stderr, "cannot read the Moon map %s\n", argv[3]);
        return 1;
    }
    QDir().mkpath(resources);
    QDir().mkpath(runtime);

    Catalogue out(resources);
    Painter(out, map).all();

    std::vector<QImage> iconSizes;
    for (int size : {16, 32, 48, 128, 256}) {
        const QImage icon = appIcon(map, size);
        if (size == 48 || size == 128 || size == 256)
            out.save(icon, QString("icons/cresselle-%1.png").arg(size), "Application icon",
                     "built-in icon", "crescent Moon on a midnight tile");
        if (size != 128) iconSizes.push_back(icon);
    }
    if (!writeIco(runtime + "/Cresselle.ico", iconSizes)) out.fail();

    // The same pictures for displays scaled to 200 % (and more): "<name>@2x.<ext>".
    setPixelRatio(2);
    Painter(out, map).all();
    setPixelRatio(1);

    if (!writeText(resources + "/resources.qrc", qrcText(out.entries(), out.scaledFiles())))
        out.fail();
    if (!writeText(resources + "/README.md", readmeText(out.entries()))) out.fail();
    std::printf("%zu pictures and %lld at 2x written to %s\n", out.entries().size(),
                static_cast<long long>(out.scaledFiles().size()), qPrintable(resources));
    return out.failed() ? 1 : 0;
}
