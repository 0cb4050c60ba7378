<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Calendar</name>
    <message>
        <source>%1 in low sunlight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun %1 over %2 and the Moon %3 high at the middle of the window.
Conditions: Sun %4 to %5 over the feature, Moon at least %6 high, Sun below %7 here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon Phase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partially Visible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Visible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Penumbral Lunar Eclipse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partial Lunar Eclipse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Lunar Eclipse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximum %1 UT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Penumbra %1 - %2 UT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Umbra %1 - %2 UT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Totality %1 - %2 UT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Umbral magnitude %1, penumbral magnitude %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From the observer&apos;s place: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perigee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apogee</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at %2, distance %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March Equinox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June Solstice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September Equinox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December Solstice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon %1 (Cresselle)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EngineText</name>
    <message>
        <source>New Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waxing Crescent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waxing Gibbous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waning Gibbous</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Waning Crescent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full (Wolf) Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full (Snow) Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full (Worm) Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full (Pink) Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full (Flower) Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full (Strawberry) Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full (Buck) Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full (Sturgeon) Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full (Harvest) Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full (Hunter&apos;s) Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full (Beaver) Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full (Cold) Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full (Blue) Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Penumbral Eclipse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partial Eclipse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Eclipse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partially Visible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not Visible</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outside years 1-9999</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Save printout as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.
Do you want to replace it?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the address</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing on this system could open %1

%2

Copy it to the clipboard, to open it yourself?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>Latitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printed by %1, lunar almanac</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintCalendar</name>
    <message>
        <source>TR:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MR:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SR:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SS:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Sent to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the printout was not written completely</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer reported an error and the printout was abandoned.

Printer: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printout could not be saved as &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>the system gave no reason</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder may not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the system refused the write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no check copy can be written beside it (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; was damaged. Its readable values were kept, the others were reset to their defaults; the damaged file was kept as &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be written (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file could not be written in full (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another program is saving the settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file could not be written (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the registry key could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be created (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The zone &quot;%1&quot; in the settings is not known to this system; the fixed offset from UT is used instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These stored settings could not be used and were reset: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved in &quot;%1&quot;. The new values apply until the program ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be saved in &quot;%1&quot;: %2. The new values apply until the program ends.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>the shipped file could not be read whole</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The working folder &quot;%1&quot; cannot be used: %2. The lunar features database and the help page are not available, and nothing is saved in their place.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the system names no data folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it cannot be entered</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These shipped files could not be copied into the working folder &quot;%1&quot;:
%2
The next start tries again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAbout</name>
    <message>
        <source>About Cresselle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 2.50</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon phases and lunar ephemeris</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon map: USGS Astrogeology and Clementine data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(public domain)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAltitudeGraph</name>
    <message>
        <source>Tonight: Moon and Sun Altitudes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night of %1 – %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon %1% illuminated, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, altitude </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No rise, set or twilight this night</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize Cresselle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Cresselle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print this graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save this graph as a PNG picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altitudes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Altitudes %1-%2-%3.png</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the graph</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TConfiguration</name>
    <message>
        <source>Sunday - Saturday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monday - Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuesday - Monday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wednesday - Tuesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thursday - Wednesday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Friday - Thursday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturday - Friday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language of the windows, printouts, help page and saved calendars; System follows the system&apos;s language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A new language takes effect at the next start.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day Order:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timezone:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DST:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude seconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed offset (below)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>type a city to search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>among the %L1 cities known here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>among the %L1 principal cities of the zone table (this copy was built without the world&apos;s cities)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not found: type the coordinates above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No place named “%1” %2. Type the latitude and longitude above, and choose the zone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B/W Inkjet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour Inkjet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North or South</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East or West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude direction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place: type a city to search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed offset from GMT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight saving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laser printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Black and white inkjet printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour inkjet printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GMT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GMT %1 %2:%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 must be a number from 0 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The latitude cannot exceed 90°.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The longitude cannot exceed 180°.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first day of the week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>date format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>offset from UT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The zone &quot;%1&quot; is not known to this system. Choose one from the list (type part of its name to find it).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; is not one the list offers. Choose one from the list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDateInfo</name>
    <message>
        <source>Date Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Julian Day:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week Number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days Till Xmas:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TEaster</name>
    <message>
        <source>Easter Sunday</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TEclipse</name>
    <message>
        <source>%1th</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1st</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunar Eclipse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click to show the eclipse&apos;s maximum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This month holds two eclipses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eclipse Maximum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon enters Penumbra:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon exits Penumbra:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon enters Umbra:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon exits Umbra:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start of Totality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End of Totality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eclipse Magnitude:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TEclipseReport</name>
    <message>
        <source>Lunar Eclipses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate dates of eclipses between the two selected years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a year from 1 to 9999</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &quot;From&quot; date must be less than the &quot;To&quot; date.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search cancelled before %1: no eclipses searched.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Search cancelled: %n eclipse(s) found from %1 to %2 only.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Eclipse	Maximum	Visibility
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunar Eclipse Search</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TEquinox</name>
    <message>
        <source> days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equinoxes and Solstices</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spring Equinox:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Summer Solstice:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Autumn Equinox:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Winter Solstice:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFeatures</name>
    <message>
        <source>No sunrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sunset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outside years 1-9999</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>invalid coordinates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rise/Set of Lunar Features</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Cresselle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimise this window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit the lunar features database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feature Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type part of a name: the list jumps to it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Sun&apos;s altitude over each feature at the main window&apos;s instant (↑ morning, ↓ evening). Click: only the features near the terminator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Least altitude of the Sun over a feature near the terminator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greatest altitude of the Sun over a feature near the terminator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computing the times %p%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order: name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order by name or by the next sunrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good nights</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The nights the selected feature is in low sunlight while the Moon is up in a dark sky here (double-click a row)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the list as a CSV file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>N</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order: next sunrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Order: libration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Sunrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Libration</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun now ✓</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a feature first: click its row or find it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>libration toward us</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun over it now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2 %3, sunrise %4, sunset %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second sunrise this month: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second sunset this month: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feature	%1	%2	%3
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next sunrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next sunset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the lunar features list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cresselle Lunar Features %1 %2.csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list could not be saved in &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunar Features</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFeaturesDB</name>
    <message>
        <source>the file could not be written completely</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>another copy of the program is saving the features</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a valid Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude must be between -180 and 180. Please reenter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a valid Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude must be between -90 and 90. Please reenter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunar Features Database Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Cresselle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feature Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunar Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunar Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>part of a name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the selected feature (Ctrl+Z puts it back)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a feature name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a Lunar Longitude.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must enter a Lunar Latitude.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The feature name cannot hold %1: the features file stores names in the Windows-1252 code page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lunar features cannot be saved. %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The lunar features could not be saved in &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No feature has been selected for deletion.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunar Features Database</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFrame</name>
    <message>
        <source>Exit Cresselle</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TGoodNights</name>
    <message>
        <source>%1 h %2 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good Nights for a Lunar Feature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun over it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Least altitude of the Sun over the feature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Greatest altitude of the Sun over the feature (low-angle relief)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon at least</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Least altitude of the Moon above your horizon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Civil dark (Sun -6°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nautical dark (Sun -12°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Astronomical dark (Sun -18°)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How dark your sky must be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Months searched from the month shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Night of</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save iCalendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the windows as calendar events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1   longitude %2°, latitude %3°   from %4 %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The least altitude must be below the greatest.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No window in these months: try a wider band or a lower Moon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n window(s)</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Good nights for %1 (Cresselle)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the good nights as a calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cresselle Good Nights %1.ics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calendar could not be saved in &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Good Nights %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun %1° to %2° over the feature, Moon at least %3° high, Sun below %4° here</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <source>Print Calendar for Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch between view as seen through Binoculars or a Telescope</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Moon/Sun Rise/Set times and Twilight times for month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display links to Lunar Internet Sites</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the time within Cresselle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display menu showing Report options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display circumstances of Lunar Eclipse occurring this month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display tonight&apos;s Moon and Sun altitudes (G)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch night mode on or off (N)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon news and observing guides from NASA (moon.nasa.gov)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change configuration parameters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display online help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display version information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize Cresselle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Cresselle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Previous month (Page Up; Ctrl+Page Up: year)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next month (Page Down; Ctrl+Page Down: year)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please type a year from 1 to 9999.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2024-03-15 or 15 March 2024</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to date: type a date, then Enter (Escape closes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visible:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Age:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R.A.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dec.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parallax:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diameter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apogee:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perigee:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunrise:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunset:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Civil:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nautical:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Astronomical:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Az.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Switch between the Moon&apos;s position and its librations</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LST: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>d</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> km</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun transit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun Az.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun Alt.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun R.A.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun Dec.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Civil twilight:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nautical twilight:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Astronomical twilight:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Moon:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Quarter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Moon:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Quarter:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moonrise:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P.A.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ph.A:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Co:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>bo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PAA:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selenographic CoLongitude of the Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon&apos;s topocentric libration in longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon&apos;s topocentric libration in latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position angle of Moon&apos;s axis of rotation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1h %2m %3s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 days %2 hours %3 minutes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon drawing: %1, %2 lit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visible </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Age </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Distance %1 km</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right ascension </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Declination </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parallax </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Diameter </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apogee %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Perigee %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon&apos;s azimuth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon&apos;s altitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position angle of the bright limb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phase angle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun&apos;s selenographic colongitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Libration in longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Libration in latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position angle of the Moon&apos;s axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun&apos;s azimuth </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun&apos;s altitude </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun&apos;s right ascension </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun&apos;s declination </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun&apos;s transit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Civil twilight starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Civil twilight ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nautical twilight starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nautical twilight ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Astronomical twilight starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Astronomical twilight ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 %3 %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, today</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMonthList</name>
    <message>
        <source>Months</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMonthlyPhases</name>
    <message>
        <source>Monthly Phases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save image to disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TNightEvent</name>
    <message>
        <source>Sunset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Civil dusk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nautical dusk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Astronomical dusk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Astronomical dawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nautical dawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Civil dawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon transit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TObservingAid</name>
    <message>
        <source>Observing Aid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize Cresselle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit Cresselle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print this diagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle between Daytime and Nighttime view</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle grid on and off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPrintOptions</name>
    <message>
        <source>Print Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily Phases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Major Phases</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon&apos;s Rise/Transit/Set Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun&apos;s Rise/Transit/Set Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daily Phase Density:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close without printing (Escape)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TReportMenu</name>
    <message>
        <source>Reports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunar Visibility</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Find Lunar Eclipses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display Phases for Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunar Features Sunrise/Sunset Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equinox and Solstice Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tonight: Moon and Sun Altitudes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the Year&apos;s Events to a Calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the year&apos;s events</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon %1.ics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>iCalendar (*.ics)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The calendar could not be saved as &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTimesList</name>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon rise %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon set %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun rise %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun set %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Civil twilight start %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Civil twilight end %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nautical twilight start %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nautical twilight end %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Astronomical twilight start %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Astronomical twilight end %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up / Down: above / below the level all day   +: a second one that day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date	Moonrise	Moon transit	Moonset	Illuminated	Astronomical start	Nautical start	Civil start	Sunrise	Sun transit	Sunset	Civil end	Nautical end	Astronomical end</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rise</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trans</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Illum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ast</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Naut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Civil</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rise / Set Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LST at</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>illum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ast.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Naut.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rise/Set Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send the information on this screen to the printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll information up on screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scroll information down on screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimise this window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>: no such day here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: moonrise %2, Moon&apos;s transit %3, moonset %4, %5% lit; astronomical dawn %6, nautical dawn %7, civil dawn %8, sunrise %9, Sun&apos;s transit %10, sunset %11, civil dusk %12, nautical dusk %13, astronomical dusk %14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No such day here: the clocks of %1 skipped it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Also that day: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Times</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>.   Second events: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TWebMenu</name>
    <message>
        <source>Lunar Links</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunar Resources</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunar Missions</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
