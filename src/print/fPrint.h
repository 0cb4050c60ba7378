// SPDX-License-Identifier: GPL-3.0-or-later
// The frame of every printed page: a white frame, the month title, the observer's place line
// and the footer. The caller begins the document (see PrintJob), calls PrintPageHeader before
// drawing its own content below HeaderBottom, PrintPageFooter after it, and ends the document.
#pragma once

#include <QString>
#include <cstdint>

class QPainter;
struct TObserverSettings;

// Where the page below the header begins, in printer device pixels. Set by PrintPageHeader;
// a caller may move it down (the calendar does, by its weekday row). Lives from print to print.
extern std::uint16_t HeaderBottom;
// Height of the footer band at the bottom of the page, device pixels; set by PrintPageHeader.
extern std::uint16_t FooterHeight;
// The footer line, at most 100 characters; set by PrintPageHeader.
extern QString FooterText;

// The program and its version as the footer names them.
inline constexpr const char* ProgramAndVersion = "Cresselle V2.50";

// Title of a month's page: the long month name and the year, at most 20 characters.
QString PageTitle(int month, int year);
// The observer's place and coordinates: Location, latitude and longitude as stored, with the
// degree sign, trimmed; never cut.
QString PlaceLine(const TObserverSettings& settings);
// The footer wording, at most 100 characters.
QString FooterLine();

// Draws the page frame, the title and the place line on the begun document's canvas and sets
// FooterHeight and HeaderBottom. The page is the canvas device's printable area.
// `sideClear` device pixels at each side of the frame are kept free for what the page prints
// beside its title (the calendar's phase legend).
void PrintPageHeader(QPainter& canvas, int month, int year, int sideClear = 0);
// Draws the place line centred at `y` on a page `pw` wide, clear of `sideClear` pixels at each
// side: 14 points bold, smaller when it does not fit, on two lines (the place, then its
// coordinates and zone) or three (the zone apart) when it fits at no size.
void PrintPlaceLine(QPainter& canvas, int pw, int y, int sideClear = 0);
// Draws the footer line centred at the bottom of the page.
void PrintPageFooter(QPainter& canvas);
