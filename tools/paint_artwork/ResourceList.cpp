// SPDX-License-Identifier: GPL-3.0-or-later
// The resource list (resources.qrc) and the README of the pictures.
#include "Artwork.h"

namespace artwork {

// ---- resource list and README ---------------------------------------------------------------

bool writeText(const QString& path, const QString& text) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
    file.write(text.toUtf8());
    return file.commit();
}

QString qrcText(const std::vector<Entry>& entries, const QStringList& scaledFiles) {
    QString s = "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/\">\n";
    for (const Entry& e : entries)
        s += "    <file>" + e.file + "</file>\n";
    for (const QString& file : scaledFiles)
        s += "    <file>" + file + "</file>\n";
    s += "</qresource>\n</RCC>\n";
    return s;
}

QString readmeText(const std::vector<Entry>& entries) {
    QString s;
    QTextStream t(&s);
    t << "# Cresselle artwork\n\n"
      << "Every picture here is painted by `tools/paint_artwork/` (configure with\n"
      << "`-DCRESSELLE_TOOLS=ON`, build `tool_paint_artwork`, then run\n"
      << "`tool_paint_artwork resources runtime ../shared/assets/moon-albedo-1024x512.png` from "
         "the\n"
      << "repository root). The tool also writes this README, `resources.qrc` and\n"
      << "`runtime/Cresselle.ico`; edit the tool, not the pictures.\n\n"
      << "`resources.qrc` embeds every file with prefix \"/\": `QPixmap(\":/main.jpg\")` loads\n"
      << "`resources/main.jpg`. The resources live in the static library `cresselle_ui`, so a\n"
      << "program calls `Q_INIT_RESOURCE(resources)` once before loading them.\n\n"
      << "Window backgrounds and Moon photographs are JPEG; buttons, icons, rows and markers PNG\n"
      << "(the arrows and radio buttons with transparent corners). Rectangles are (x, y, w, h) in\n"
      << "window pixels; a transparent label laid over a painted button's rectangle covers it.\n"
      << "Where a control has no position in the design, the rectangle given here is the one to\n"
      << "use. Windows that the design builds from pieces (`Image1` … `Image6`) get both the\n"
      << "pieces and the whole window (`<name>.jpg`); the pieces are cut from the whole.\n\n"
      << "Every window picture also comes at twice the resolution, `<name>@2x.<ext>` (the icons\n"
      << "excepted): the same drawing painted at two device pixels per window pixel, not an\n"
      << "enlarged copy. On a display scaled above 100 % the program loads these, with their\n"
      << "device pixel ratio set to 2 (`mainstyle::SkinPicture`); the tables below give sizes\n"
      << "in window pixels.\n\n"
      << "Look: midnight-blue frame with a faint star field, black panels, silver plates for\n"
      << "titles and headings in dark text (navy title texts, the calendar heading, the clock\n"
      << "strip), midnight-blue button faces with light symbols; aqua labels, RGB(255, 255, 176)\n"
      << "values, rows banded black and RGB(70, 70, 70).\n\n"
      << "Note on the two quarter icons: the design's `imgFirstQuarter` holds the picture lit on\n"
      << "its LEFT (shown for a last quarter) and `imgLastQuarter` the one lit on its RIGHT "
         "(shown\n"
      << "for a first quarter). The files are named by what they show: `phase_first_quarter.png`\n"
      << "is lit on the right, `phase_last_quarter.png` on the left.\n\n";
    QStringList windows; // in the order they first appear
    for (const Entry& e : entries)
        if (!windows.contains(e.window)) windows << e.window;
    for (const QString& window : windows) {
        t << "\n## " << window << "\n\n"
          << "| file | size | control | painted parts, placement |\n"
          << "| --- | --- | --- | --- |\n";
        for (const Entry& e : entries) {
            if (e.window != window) continue;
            QString notes = e.notes;
            notes.replace("|", "\\|");
            t << "| " << e.file << " | " << e.size.width() << " × " << e.size.height() << " | "
              << e.control << " | " << notes << " |\n";
        }
    }
    t << "\n## Icon file\n\n"
      << "`runtime/Cresselle.ico` (16, 32 and 48 as 32-bit bitmaps, 256 as PNG) is the icon the\n"
      << "program reads from its working folder; `icons/cresselle-*.png` are the same picture for\n"
      << "the built-in fallback and for desktop files.\n";
    return s;
}

} // namespace artwork
