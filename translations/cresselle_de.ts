<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>Calendar</name>
    <message>
        <source>%1 in low sunlight</source>
        <translation>%1 in flachem Sonnenlicht</translation>
    </message>
    <message>
        <source>Sun %1 over %2 and the Moon %3 high at the middle of the window.
Conditions: Sun %4 to %5 over the feature, Moon at least %6 high, Sun below %7 here.</source>
        <translation>Sonne %1 über %2 und Mond %3 hoch in der Mitte des Zeitfensters.
Bedingungen: Sonne %4 bis %5 über der Formation, Mond mindestens %6 hoch, Sonne hier unter %7.</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Neumond</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Erstes Viertel</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Letztes Viertel</translation>
    </message>
    <message>
        <source>Moon Phase</source>
        <translation>Mondphase</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Sichtbar</translation>
    </message>
    <message>
        <source>Partially Visible</source>
        <translation>Teilweise sichtbar</translation>
    </message>
    <message>
        <source>Not Visible</source>
        <translation>Nicht sichtbar</translation>
    </message>
    <message>
        <source>Penumbral Lunar Eclipse</source>
        <translation>Halbschatten-Mondfinsternis</translation>
    </message>
    <message>
        <source>Partial Lunar Eclipse</source>
        <translation>Partielle Mondfinsternis</translation>
    </message>
    <message>
        <source>Total Lunar Eclipse</source>
        <translation>Totale Mondfinsternis</translation>
    </message>
    <message>
        <source>Maximum %1 UT</source>
        <translation>Maximum %1 UT</translation>
    </message>
    <message>
        <source>Penumbra %1 - %2 UT</source>
        <translation>Halbschatten %1 - %2 UT</translation>
    </message>
    <message>
        <source>Umbra %1 - %2 UT</source>
        <translation>Kernschatten %1 - %2 UT</translation>
    </message>
    <message>
        <source>Totality %1 - %2 UT</source>
        <translation>Totalität %1 - %2 UT</translation>
    </message>
    <message>
        <source>Umbral magnitude %1, penumbral magnitude %2</source>
        <translation>Größe im Kernschatten %1, Größe im Halbschatten %2</translation>
    </message>
    <message>
        <source>From the observer&apos;s place: %1</source>
        <translation>Vom Standort des Beobachters: %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 am %2</translation>
    </message>
    <message>
        <source>Perigee</source>
        <translation>Perigäum</translation>
    </message>
    <message>
        <source>Apogee</source>
        <translation>Apogäum</translation>
    </message>
    <message>
        <source>%1 at %2, distance %3</source>
        <translation>%1 am %2, Entfernung %3</translation>
    </message>
    <message>
        <source>March Equinox</source>
        <translation>März-Tagundnachtgleiche</translation>
    </message>
    <message>
        <source>June Solstice</source>
        <translation>Juni-Sonnenwende</translation>
    </message>
    <message>
        <source>September Equinox</source>
        <translation>September-Tagundnachtgleiche</translation>
    </message>
    <message>
        <source>December Solstice</source>
        <translation>Dezember-Sonnenwende</translation>
    </message>
    <message>
        <source>Moon %1 (Cresselle)</source>
        <translation>Mond %1 (Cresselle)</translation>
    </message>
</context>
<context>
    <name>EngineText</name>
    <message>
        <source>New Moon</source>
        <translation>Neumond</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Erstes Viertel</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Letztes Viertel</translation>
    </message>
    <message>
        <source>Waxing Crescent</source>
        <translation>Zunehmende Sichel</translation>
    </message>
    <message>
        <source>Waxing Gibbous</source>
        <translation>Zunehmender Mond</translation>
    </message>
    <message>
        <source>Waning Gibbous</source>
        <translation>Abnehmender Mond</translation>
    </message>
    <message>
        <source>Waning Crescent</source>
        <translation>Abnehmende Sichel</translation>
    </message>
    <message>
        <source>Full (Wolf) Moon</source>
        <translation>Vollmond (Wolfsmond)</translation>
    </message>
    <message>
        <source>Full (Snow) Moon</source>
        <translation>Vollmond (Schneemond)</translation>
    </message>
    <message>
        <source>Full (Worm) Moon</source>
        <translation>Vollmond (Wurmmond)</translation>
    </message>
    <message>
        <source>Full (Pink) Moon</source>
        <translation>Vollmond (Rosa Mond)</translation>
    </message>
    <message>
        <source>Full (Flower) Moon</source>
        <translation>Vollmond (Blumenmond)</translation>
    </message>
    <message>
        <source>Full (Strawberry) Moon</source>
        <translation>Vollmond (Erdbeermond)</translation>
    </message>
    <message>
        <source>Full (Buck) Moon</source>
        <translation>Vollmond (Bockmond)</translation>
    </message>
    <message>
        <source>Full (Sturgeon) Moon</source>
        <translation>Vollmond (Störmond)</translation>
    </message>
    <message>
        <source>Full (Harvest) Moon</source>
        <translation>Vollmond (Erntemond)</translation>
    </message>
    <message>
        <source>Full (Hunter&apos;s) Moon</source>
        <translation>Vollmond (Jägermond)</translation>
    </message>
    <message>
        <source>Full (Beaver) Moon</source>
        <translation>Vollmond (Bibermond)</translation>
    </message>
    <message>
        <source>Full (Cold) Moon</source>
        <translation>Vollmond (Kalter Mond)</translation>
    </message>
    <message>
        <source>Full (Blue) Moon</source>
        <translation>Vollmond (Blauer Mond)</translation>
    </message>
    <message>
        <source>Penumbral Eclipse</source>
        <translation>Halbschattenfinsternis</translation>
    </message>
    <message>
        <source>Partial Eclipse</source>
        <translation>Partielle Finsternis</translation>
    </message>
    <message>
        <source>Total Eclipse</source>
        <translation>Totale Finsternis</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Sichtbar</translation>
    </message>
    <message>
        <source>Partially Visible</source>
        <translation>Teilweise sichtbar</translation>
    </message>
    <message>
        <source>Not Visible</source>
        <translation>Nicht sichtbar</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Outside years 1-9999</source>
        <translation>Außerhalb der Jahre 1-9999</translation>
    </message>
    <message>
        <source> km</source>
        <translation> km</translation>
    </message>
</context>
<context>
    <name>EventText</name>
    <message>
        <source>Up</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Unten</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Save printout as PDF</source>
        <translation>Ausdruck als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.
Do you want to replace it?</source>
        <translation>„%1“ existiert bereits.
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>the page</source>
        <translation>die Seite</translation>
    </message>
    <message>
        <source>the address</source>
        <translation>die Adresse</translation>
    </message>
    <message>
        <source>Nothing on this system could open %1

%2

Copy it to the clipboard, to open it yourself?</source>
        <translation>Nichts auf diesem System konnte %1 öffnen

%2

In die Zwischenablage kopieren, um sie selbst zu öffnen?</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>Latitude:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Zone:</source>
        <translation>Zone:</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <source>Printed by %1, lunar almanac</source>
        <translation>Gedruckt mit %1, Mondkalender</translation>
    </message>
</context>
<context>
    <name>PrintCalendar</name>
    <message>
        <source>TR:</source>
        <translation>KU:</translation>
    </message>
    <message>
        <source>MR:</source>
        <translation>MA:</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>MU</translation>
    </message>
    <message>
        <source>SR:</source>
        <translation>SA:</translation>
    </message>
    <message>
        <source>SS:</source>
        <translation>SU:</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Sent to %1</source>
        <translation>Gesendet an %1</translation>
    </message>
    <message>
        <source>PDF &quot;%1&quot;</source>
        <translation>PDF „%1“</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot;</source>
        <translation>den Drucker „%1“</translation>
    </message>
    <message>
        <source>the printout was not written completely</source>
        <translation>der Ausdruck wurde nicht vollständig geschrieben</translation>
    </message>
    <message>
        <source>The printer reported an error and the printout was abandoned.

Printer: %1</source>
        <translation>Der Drucker meldete einen Fehler, und der Ausdruck wurde abgebrochen.

Drucker: %1</translation>
    </message>
    <message>
        <source>The printout could not be saved as &quot;%1&quot;: %2</source>
        <translation>Der Ausdruck konnte nicht als „%1“ gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>the system gave no reason</source>
        <translation>das System nannte keinen Grund</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>der Datenträger ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>der Datenträger ist voll</translation>
    </message>
    <message>
        <source>the folder may not be written</source>
        <translation>in den Ordner darf nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the system refused the write</source>
        <translation>das System verweigerte das Schreiben</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>die Datei kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>no check copy can be written beside it (%1)</source>
        <translation>daneben kann keine Prüfkopie geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>die Datei kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; was damaged. Its readable values were kept, the others were reset to their defaults; the damaged file was kept as &quot;%2&quot;.</source>
        <translation>Die Einstellungsdatei „%1“ war beschädigt. Ihre lesbaren Werte wurden übernommen, die anderen auf ihre Vorgaben zurückgesetzt; die beschädigte Datei wurde als „%2“ aufbewahrt.</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be written (%2)</source>
        <translation>in den Ordner „%1“ kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>the file could not be written in full (%1)</source>
        <translation>die Datei konnte nicht vollständig geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>another program is saving the settings</source>
        <translation>ein anderes Programm speichert gerade die Einstellungen</translation>
    </message>
    <message>
        <source>the file could not be written (%1)</source>
        <translation>die Datei konnte nicht geschrieben werden (%1)</translation>
    </message>
    <message>
        <source>the registry key could not be written</source>
        <translation>der Registrierungsschlüssel konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be created (%2)</source>
        <translation>der Ordner „%1“ kann nicht angelegt werden (%2)</translation>
    </message>
    <message>
        <source>The zone &quot;%1&quot; in the settings is not known to this system; the fixed offset from UT is used instead.</source>
        <translation>Die Zone „%1“ aus den Einstellungen ist diesem System nicht bekannt; stattdessen wird der feste Versatz zu UT verwendet.</translation>
    </message>
    <message>
        <source>These stored settings could not be used and were reset: %1.</source>
        <translation>Diese gespeicherten Einstellungen konnten nicht verwendet werden und wurden zurückgesetzt: %1.</translation>
    </message>
    <message>
        <source>The settings could not be saved in &quot;%1&quot;. The new values apply until the program ends.</source>
        <translation>Die Einstellungen konnten nicht in „%1“ gespeichert werden. Die neuen Werte gelten bis zum Ende des Programms.</translation>
    </message>
    <message>
        <source>The settings could not be saved in &quot;%1&quot;: %2. The new values apply until the program ends.</source>
        <translation>Die Einstellungen konnten nicht in „%1“ gespeichert werden: %2. Die neuen Werte gelten bis zum Ende des Programms.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>the shipped file could not be read whole</source>
        <translation>die mitgelieferte Datei konnte nicht vollständig gelesen werden</translation>
    </message>
    <message>
        <source>The working folder &quot;%1&quot; cannot be used: %2. The lunar features database and the help page are not available, and nothing is saved in their place.</source>
        <translation>Der Arbeitsordner „%1“ kann nicht benutzt werden: %2. Die Datenbank der Mondformationen und die Hilfeseite sind nicht verfügbar, und dort wird nichts gespeichert.</translation>
    </message>
    <message>
        <source>the system names no data folder</source>
        <translation>das System nennt keinen Datenordner</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>er ist kein Ordner</translation>
    </message>
    <message>
        <source>it cannot be entered</source>
        <translation>er kann nicht geöffnet werden</translation>
    </message>
    <message>
        <source>These shipped files could not be copied into the working folder &quot;%1&quot;:
%2
The next start tries again.</source>
        <translation>Diese mitgelieferten Dateien konnten nicht in den Arbeitsordner „%1“ kopiert werden:
%2
Der nächste Start versucht es erneut.</translation>
    </message>
</context>
<context>
    <name>TAbout</name>
    <message>
        <source>About Cresselle</source>
        <translation>Über Cresselle</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Version 2.50</source>
        <translation>Version 2.50</translation>
    </message>
    <message>
        <source>Moon phases and lunar ephemeris</source>
        <translation>Mondphasen und Mondephemeride</translation>
    </message>
    <message>
        <source>Moon map: USGS Astrogeology and Clementine data</source>
        <translation>Mondkarte: USGS Astrogeology und Clementine-Daten</translation>
    </message>
    <message>
        <source>(public domain)</source>
        <translation>(gemeinfrei)</translation>
    </message>
</context>
<context>
    <name>TAltitudeGraph</name>
    <message>
        <source>Tonight: Moon and Sun Altitudes</source>
        <translation>Heute Nacht: Mond- und Sonnenhöhe</translation>
    </message>
    <message>
        <source>Night of %1 – %2</source>
        <translation>Nacht: %1 – %2</translation>
    </message>
    <message>
        <source>Moon %1% illuminated, %2</source>
        <translation>Mond %1% beleuchtet, %2</translation>
    </message>
    <message>
        <source>, altitude </source>
        <translation>, h = </translation>
    </message>
    <message>
        <source>No rise, set or twilight this night</source>
        <translation>In dieser Nacht kein Auf- oder Untergang und keine Dämmerung</translation>
    </message>
    <message>
        <source>Minimize Cresselle</source>
        <translation>Cresselle minimieren</translation>
    </message>
    <message>
        <source>Exit Cresselle</source>
        <translation>Cresselle beenden</translation>
    </message>
    <message>
        <source>Print this graph</source>
        <translation>Diese Grafik drucken</translation>
    </message>
    <message>
        <source>Save this graph as a PNG picture</source>
        <translation>Diese Grafik als PNG-Bild speichern</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>E</source>
        <translation>O</translation>
    </message>
    <message>
        <source>Altitudes</source>
        <translation>Höhen</translation>
    </message>
    <message>
        <source>Altitudes %1-%2-%3.png</source>
        <translation>Höhen %1-%2-%3.png</translation>
    </message>
    <message>
        <source>Save the graph</source>
        <translation>Die Grafik speichern</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;: %2</source>
        <translation>Das Bild konnte nicht als „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>P</source>
        <comment>Print button</comment>
        <extracomment>the Print button&apos;s letter; one letter, the word&apos;s first</extracomment>
        <translation>D</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Save button</comment>
        <extracomment>the Save button&apos;s letter; one letter, the word&apos;s first</extracomment>
        <translation>S</translation>
    </message>
</context>
<context>
    <name>TConfiguration</name>
    <message>
        <source>Sunday - Saturday</source>
        <translation>Sonntag - Samstag</translation>
    </message>
    <message>
        <source>Monday - Sunday</source>
        <translation>Montag - Sonntag</translation>
    </message>
    <message>
        <source>Tuesday - Monday</source>
        <translation>Dienstag - Montag</translation>
    </message>
    <message>
        <source>Wednesday - Tuesday</source>
        <translation>Mittwoch - Dienstag</translation>
    </message>
    <message>
        <source>Thursday - Wednesday</source>
        <translation>Donnerstag - Mittwoch</translation>
    </message>
    <message>
        <source>Friday - Thursday</source>
        <translation>Freitag - Donnerstag</translation>
    </message>
    <message>
        <source>Saturday - Friday</source>
        <translation>Samstag - Freitag</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Sprache:</translation>
    </message>
    <message>
        <source>The language of the windows, printouts, help page and saved calendars; System follows the system&apos;s language</source>
        <translation>Die Sprache der Fenster, Ausdrucke, der Hilfeseite und der gespeicherten Kalender; System folgt der Sprache des Systems</translation>
    </message>
    <message>
        <source>A new language takes effect at the next start.</source>
        <translation>Eine neue Sprache gilt ab dem nächsten Start.</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Länge:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Ort:</translation>
    </message>
    <message>
        <source>Day Order:</source>
        <translation>Wochenbeginn:</translation>
    </message>
    <message>
        <source>Date Format:</source>
        <translation>Datumsformat:</translation>
    </message>
    <message>
        <source>Zone:</source>
        <translation>Zone:</translation>
    </message>
    <message>
        <source>Place:</source>
        <translation>Stadt:</translation>
    </message>
    <message>
        <source>Timezone:</source>
        <translation>Zeitzone:</translation>
    </message>
    <message>
        <source>DST:</source>
        <translation>SZ:</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Breite Grad</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Breite Minuten</translation>
    </message>
    <message>
        <source>Latitude seconds</source>
        <translation>Breite Sekunden</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Länge Grad</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Länge Minuten</translation>
    </message>
    <message>
        <source>Longitude seconds</source>
        <translation>Länge Sekunden</translation>
    </message>
    <message>
        <source>Fixed offset (below)</source>
        <translation>Fester Versatz (unten)</translation>
    </message>
    <message>
        <source>Automatic (%1)</source>
        <translation>Automatisch (%1)</translation>
    </message>
    <message>
        <source>type a city to search</source>
        <translation>Stadtnamen eingeben</translation>
    </message>
    <message>
        <source>among the %L1 cities known here</source>
        <translation>unter den %L1 hier bekannten Städten</translation>
    </message>
    <message>
        <source>among the %L1 principal cities of the zone table (this copy was built without the world&apos;s cities)</source>
        <translation>unter den %L1 Hauptorten der Zonentabelle (diese Ausgabe wurde ohne die Städte der Welt gebaut)</translation>
    </message>
    <message>
        <source>Not found: type the coordinates above</source>
        <translation>Nicht gefunden: Koordinaten oben eingeben</translation>
    </message>
    <message>
        <source>No place named “%1” %2. Type the latitude and longitude above, and choose the zone.</source>
        <translation>Kein Ort namens „%1“ %2. Geben Sie oben Breite und Länge ein und wählen Sie die Zone.</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>Laser</source>
        <translation>Laser</translation>
    </message>
    <message>
        <source>B/W Inkjet</source>
        <translation>Tinte S/W</translation>
    </message>
    <message>
        <source>Colour Inkjet</source>
        <translation>Tinte Farbe</translation>
    </message>
    <message>
        <source>North or South</source>
        <translation>Nord oder Süd</translation>
    </message>
    <message>
        <source>Latitude direction</source>
        <translation>Breite Richtung</translation>
    </message>
    <message>
        <source>East or West</source>
        <translation>Ost oder West</translation>
    </message>
    <message>
        <source>Longitude direction</source>
        <translation>Länge Richtung</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Day order</source>
        <translation>Wochenbeginn</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Place: type a city to search</source>
        <translation>Stadt: Stadtnamen eingeben und suchen</translation>
    </message>
    <message>
        <source>Fixed offset from GMT</source>
        <translation>Fester Versatz zu GMT</translation>
    </message>
    <message>
        <source>Daylight saving</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>Laser printer</source>
        <translation>Laserdrucker</translation>
    </message>
    <message>
        <source>Black and white inkjet printer</source>
        <translation>Schwarzweiß-Tintenstrahldrucker</translation>
    </message>
    <message>
        <source>Colour inkjet printer</source>
        <translation>Farb-Tintenstrahldrucker</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>GMT</source>
        <translation>GMT</translation>
    </message>
    <message>
        <source>GMT %1 %2:%3</source>
        <translation>GMT %1 %2:%3</translation>
    </message>
    <message>
        <source>%1 must be a number from 0 to %2.</source>
        <translation>%1 muss eine Zahl von 0 bis %2 sein.</translation>
    </message>
    <message>
        <source>The latitude cannot exceed 90°.</source>
        <translation>Die Breite kann 90° nicht überschreiten.</translation>
    </message>
    <message>
        <source>The longitude cannot exceed 180°.</source>
        <translation>Die Länge kann 180° nicht überschreiten.</translation>
    </message>
    <message>
        <source>first day of the week</source>
        <translation>erster Tag der Woche</translation>
    </message>
    <message>
        <source>date format</source>
        <translation>Datumsformat</translation>
    </message>
    <message>
        <source>zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>offset from UT</source>
        <translation>Versatz zu UT</translation>
    </message>
    <message>
        <source>The zone &quot;%1&quot; is not known to this system. Choose one from the list (type part of its name to find it).</source>
        <translation>Die Zone „%1“ ist diesem System nicht bekannt. Wählen Sie eine aus der Liste (tippen Sie einen Teil ihres Namens, um sie zu finden).</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; is not one the list offers. Choose one from the list.</source>
        <translation>„%2“ (%1) steht nicht in der Liste. Wählen Sie einen Eintrag aus der Liste.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>DD/MM/YYYY</source>
        <extracomment>day, month and year as a date layout shows them, in the language&apos;s letters</extracomment>
        <translation>TT/MM/JJJJ</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <extracomment>month, day and year as a date layout shows them, in the language&apos;s letters</extracomment>
        <translation>MM/TT/JJJJ</translation>
    </message>
</context>
<context>
    <name>TDateInfo</name>
    <message>
        <source>Date Information</source>
        <translation>Datumsinformationen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Julian Day:</source>
        <translation>Julianisches Datum:</translation>
    </message>
    <message>
        <source>Day Number:</source>
        <translation>Tag im Jahr:</translation>
    </message>
    <message>
        <source>Week Number:</source>
        <translation>Kalenderwoche:</translation>
    </message>
    <message>
        <source>Days Till Xmas:</source>
        <translation>Bis Weihnachten:</translation>
    </message>
</context>
<context>
    <name>TEaster</name>
    <message>
        <source>Easter Sunday</source>
        <translation>Ostersonntag</translation>
    </message>
</context>
<context>
    <name>TEclipse</name>
    <message>
        <source>%1th</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Lunar Eclipse</source>
        <translation>Mondfinsternis</translation>
    </message>
    <message>
        <source>Double-click to show the eclipse&apos;s maximum</source>
        <translation>Doppelklick zeigt das Maximum der Finsternis</translation>
    </message>
    <message>
        <source>This month holds two eclipses</source>
        <translation>Dieser Monat hat zwei Finsternisse</translation>
    </message>
    <message>
        <source>Also: </source>
        <translation>Auch: </translation>
    </message>
    <message>
        <source>Eclipse Maximum:</source>
        <translation>Maximum der Finsternis:</translation>
    </message>
    <message>
        <source>Moon enters Penumbra:</source>
        <translation>Eintritt Halbschatten:</translation>
    </message>
    <message>
        <source>Moon exits Penumbra:</source>
        <translation>Austritt Halbschatten:</translation>
    </message>
    <message>
        <source>Moon enters Umbra:</source>
        <translation>Eintritt Kernschatten:</translation>
    </message>
    <message>
        <source>Moon exits Umbra:</source>
        <translation>Austritt Kernschatten:</translation>
    </message>
    <message>
        <source>Start of Totality:</source>
        <translation>Beginn der Totalität:</translation>
    </message>
    <message>
        <source>End of Totality:</source>
        <translation>Ende der Totalität:</translation>
    </message>
    <message>
        <source>Eclipse Magnitude:</source>
        <translation>Größe der Finsternis:</translation>
    </message>
</context>
<context>
    <name>TEclipseReport</name>
    <message>
        <source>Lunar Eclipses</source>
        <translation>Mondfinsternisse</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Von:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Bis:</translation>
    </message>
    <message>
        <source>Calculate dates of eclipses between the two selected years</source>
        <translation>Daten der Finsternisse zwischen den beiden gewählten Jahren berechnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Please enter a year</source>
        <translation>Bitte ein Jahr eingeben</translation>
    </message>
    <message>
        <source>Please enter a year from 1 to 9999</source>
        <translation>Bitte ein Jahr von 1 bis 9999 eingeben</translation>
    </message>
    <message>
        <source>The &quot;From&quot; date must be less than the &quot;To&quot; date.</source>
        <translation>Das Jahr „Von“ darf nicht nach dem Jahr „Bis“ liegen.</translation>
    </message>
    <message>
        <source>Search cancelled before %1: no eclipses searched.</source>
        <translation>Suche vor %1 abgebrochen: keine Finsternisse durchsucht.</translation>
    </message>
    <message numerus="yes">
        <source>Search cancelled: %n eclipse(s) found from %1 to %2 only.</source>
        <translation>
            <numerusform>Suche abgebrochen: nur %n Finsternis von %1 bis %2 gefunden.</numerusform>
            <numerusform>Suche abgebrochen: nur %n Finsternisse von %1 bis %2 gefunden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Eclipse	Maximum	Visibility
</source>
        <translation>Finsternis	Maximum	Sichtbarkeit
</translation>
    </message>
    <message>
        <source>Lunar Eclipse Search</source>
        <translation>Mondfinsternisse suchen</translation>
    </message>
</context>
<context>
    <name>TEquinox</name>
    <message>
        <source> days</source>
        <translation> Tage</translation>
    </message>
    <message>
        <source>Equinoxes and Solstices</source>
        <translation>Beginn der Jahreszeiten</translation>
    </message>
    <message>
        <source>Spring Equinox:</source>
        <translation>Frühlingsanfang:</translation>
    </message>
    <message>
        <source>Summer Solstice:</source>
        <translation>Sommeranfang:</translation>
    </message>
    <message>
        <source>Autumn Equinox:</source>
        <translation>Herbstanfang:</translation>
    </message>
    <message>
        <source>Winter Solstice:</source>
        <translation>Winteranfang:</translation>
    </message>
</context>
<context>
    <name>TFeatures</name>
    <message>
        <source>No sunrise</source>
        <translation>Kein Sonnenaufgang</translation>
    </message>
    <message>
        <source>No sunset</source>
        <translation>Kein Sonnenuntergang</translation>
    </message>
    <message>
        <source>Outside years 1-9999</source>
        <translation>Außerhalb der Jahre 1-9999</translation>
    </message>
    <message>
        <source>invalid coordinates</source>
        <translation>ungültige Koordinaten</translation>
    </message>
    <message>
        <source>Rise/Set of Lunar Features</source>
        <translation>Auf-/Untergang über Mondformationen</translation>
    </message>
    <message>
        <source>Exit Cresselle</source>
        <translation>Cresselle beenden</translation>
    </message>
    <message>
        <source>Minimise this window</source>
        <translation>Dieses Fenster minimieren</translation>
    </message>
    <message>
        <source>Edit the lunar features database</source>
        <translation>Die Datenbank der Mondformationen bearbeiten</translation>
    </message>
    <message>
        <source>Feature Name</source>
        <translation>Name der Formation</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Sonnenaufgang</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Sonnenuntergang</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Type part of a name: the list jumps to it</source>
        <translation>Einen Teil eines Namens tippen: Die Liste springt dorthin</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>nicht gefunden</translation>
    </message>
    <message>
        <source>Sun now</source>
        <translation>Sonne jetzt</translation>
    </message>
    <message>
        <source>The Sun&apos;s altitude over each feature at the main window&apos;s instant (↑ morning, ↓ evening). Click: only the features near the terminator</source>
        <translation>Die Sonnenhöhe über jeder Formation zum Zeitpunkt des Hauptfensters (↑ Morgen, ↓ Abend). Klick: nur die Formationen nahe dem Terminator</translation>
    </message>
    <message>
        <source>Least altitude of the Sun over a feature near the terminator</source>
        <translation>Geringste Sonnenhöhe über einer Formation nahe dem Terminator</translation>
    </message>
    <message>
        <source>Greatest altitude of the Sun over a feature near the terminator</source>
        <translation>Größte Sonnenhöhe über einer Formation nahe dem Terminator</translation>
    </message>
    <message>
        <source>Computing the times %p%</source>
        <translation>Die Zeiten werden berechnet %p%</translation>
    </message>
    <message>
        <source>Order: name</source>
        <translation>Sortierung: Name</translation>
    </message>
    <message>
        <source>Order by name or by the next sunrise</source>
        <translation>Nach Name oder nach dem nächsten Sonnenaufgang sortieren</translation>
    </message>
    <message>
        <source>Good nights</source>
        <translation>Günstige Nächte</translation>
    </message>
    <message>
        <source>The nights the selected feature is in low sunlight while the Moon is up in a dark sky here (double-click a row)</source>
        <translation>Die Nächte, in denen die gewählte Formation in flachem Sonnenlicht liegt, während der Mond hier an einem dunklen Himmel steht (Doppelklick auf eine Zeile)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print the list</source>
        <translation>Die Liste drucken</translation>
    </message>
    <message>
        <source>Save CSV</source>
        <translation>CSV speichern</translation>
    </message>
    <message>
        <source>Save the list as a CSV file</source>
        <translation>Die Liste als CSV-Datei speichern</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>E</source>
        <translation>O</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>Order: next sunrise</source>
        <translation>Sortierung: nächster Aufgang</translation>
    </message>
    <message>
        <source>Order: libration</source>
        <translation>Sortierung: Libration</translation>
    </message>
    <message>
        <source>Next Sunrise</source>
        <translation>Nächster Sonnenaufgang</translation>
    </message>
    <message>
        <source>Libration</source>
        <translation>Libration</translation>
    </message>
    <message>
        <source>Sun now ✓</source>
        <translation>Sonne jetzt ✓</translation>
    </message>
    <message>
        <source>Select a feature first: click its row or find it.</source>
        <translation>Wählen Sie zuerst eine Formation: Klicken Sie auf ihre Zeile oder suchen Sie sie.</translation>
    </message>
    <message>
        <source>libration toward us</source>
        <translation>Libration zu uns</translation>
    </message>
    <message>
        <source>Sun over it now</source>
        <translation>Sonnenhöhe dort jetzt</translation>
    </message>
    <message>
        <source>%1: %2 %3, sunrise %4, sunset %5</source>
        <translation>%1: %2 %3, Sonnenaufgang %4, Sonnenuntergang %5</translation>
    </message>
    <message>
        <source>Second sunrise this month: %1</source>
        <translation>Zweiter Sonnenaufgang in diesem Monat: %1</translation>
    </message>
    <message>
        <source>Second sunset this month: %1</source>
        <translation>Zweiter Sonnenuntergang in diesem Monat: %1</translation>
    </message>
    <message>
        <source>Feature	%1	%2	%3
</source>
        <translation>Formation	%1	%2	%3
</translation>
    </message>
    <message>
        <source>Next sunrise</source>
        <translation>Nächster Sonnenaufgang</translation>
    </message>
    <message>
        <source>Next sunset</source>
        <translation>Nächster Sonnenuntergang</translation>
    </message>
    <message>
        <source>Save the lunar features list</source>
        <translation>Die Liste der Mondformationen speichern</translation>
    </message>
    <message>
        <source>Cresselle Lunar Features %1 %2.csv</source>
        <translation>Cresselle Mondformationen %1 %2.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>The list could not be saved in &quot;%1&quot;: %2</source>
        <translation>Die Liste konnte nicht in „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Lunar Features</source>
        <translation>Mondformationen</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>TFeaturesDB</name>
    <message>
        <source>the file could not be written completely</source>
        <translation>die Datei konnte nicht vollständig geschrieben werden</translation>
    </message>
    <message>
        <source>another copy of the program is saving the features</source>
        <translation>eine andere Kopie des Programms speichert gerade die Formationen</translation>
    </message>
    <message>
        <source>Please enter a valid Longitude</source>
        <translation>Bitte geben Sie eine gültige Länge ein</translation>
    </message>
    <message>
        <source>Longitude must be between -180 and 180. Please reenter.</source>
        <translation>Die Länge muss zwischen -180 und 180 liegen. Bitte neu eingeben.</translation>
    </message>
    <message>
        <source>Please enter a valid Latitude</source>
        <translation>Bitte geben Sie eine gültige Breite ein</translation>
    </message>
    <message>
        <source>Latitude must be between -90 and 90. Please reenter.</source>
        <translation>Die Breite muss zwischen -90 und 90 liegen. Bitte neu eingeben.</translation>
    </message>
    <message>
        <source>Lunar Features Database Screen</source>
        <translation>Datenbank der Mondformationen</translation>
    </message>
    <message>
        <source>Exit Cresselle</source>
        <translation>Cresselle beenden</translation>
    </message>
    <message>
        <source>Feature Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Lunar Longitude</source>
        <translation>Selenogr. Länge</translation>
    </message>
    <message>
        <source>Lunar Latitude</source>
        <translation>Selenogr. Breite</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>part of a name</source>
        <translation>Teil eines Namens</translation>
    </message>
    <message>
        <source>Delete the selected feature (Ctrl+Z puts it back)</source>
        <translation>Die gewählte Formation löschen (Strg+Z holt sie zurück)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>You must enter a feature name.</source>
        <translation>Sie müssen einen Namen für die Formation eingeben.</translation>
    </message>
    <message>
        <source>You must enter a Lunar Longitude.</source>
        <translation>Sie müssen eine selenografische Länge eingeben.</translation>
    </message>
    <message>
        <source>You must enter a Lunar Latitude.</source>
        <translation>Sie müssen eine selenografische Breite eingeben.</translation>
    </message>
    <message>
        <source>The feature name cannot hold %1: the features file stores names in the Windows-1252 code page.</source>
        <translation>Der Name der Formation kann %1 nicht enthalten: Die Datei der Formationen speichert Namen in der Codepage Windows-1252.</translation>
    </message>
    <message>
        <source>The lunar features cannot be saved. %1</source>
        <translation>Die Mondformationen können nicht gespeichert werden. %1</translation>
    </message>
    <message>
        <source>The lunar features could not be saved in &quot;%1&quot;: %2</source>
        <translation>Die Mondformationen konnten nicht in „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>No feature has been selected for deletion.</source>
        <translation>Es wurde keine Formation zum Löschen gewählt.</translation>
    </message>
    <message>
        <source>Lunar Features Database</source>
        <translation>Datenbank der Mondformationen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
</context>
<context>
    <name>TFrame</name>
    <message>
        <source>Exit Cresselle</source>
        <translation>Cresselle beenden</translation>
    </message>
</context>
<context>
    <name>TGoodNights</name>
    <message>
        <source>%1 h %2 min</source>
        <translation>%1 h %2 min</translation>
    </message>
    <message>
        <source>%1 min</source>
        <translation>%1 min</translation>
    </message>
    <message>
        <source>Good Nights for a Lunar Feature</source>
        <translation>Günstige Nächte für eine Mondformation</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
    <message>
        <source>Sun over it</source>
        <translation>Sonne dort</translation>
    </message>
    <message>
        <source>Least altitude of the Sun over the feature</source>
        <translation>Geringste Sonnenhöhe über der Formation</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Greatest altitude of the Sun over the feature (low-angle relief)</source>
        <translation>Größte Sonnenhöhe über der Formation (Relief bei flachem Licht)</translation>
    </message>
    <message>
        <source>Moon at least</source>
        <translation>Mond mind.</translation>
    </message>
    <message>
        <source>Least altitude of the Moon above your horizon</source>
        <translation>Geringste Höhe des Mondes über Ihrem Horizont</translation>
    </message>
    <message>
        <source>Civil dark (Sun -6°)</source>
        <translation>Bürgerlich (Sonne -6°)</translation>
    </message>
    <message>
        <source>Nautical dark (Sun -12°)</source>
        <translation>Nautisch (Sonne -12°)</translation>
    </message>
    <message>
        <source>Astronomical dark (Sun -18°)</source>
        <translation>Astronom. (Sonne -18°)</translation>
    </message>
    <message>
        <source>How dark your sky must be</source>
        <translation>Wie dunkel Ihr Himmel sein muss</translation>
    </message>
    <message>
        <source> months</source>
        <translation> Monate</translation>
    </message>
    <message>
        <source>Months searched from the month shown</source>
        <translation>Durchsuchte Monate ab dem gezeigten Monat</translation>
    </message>
    <message>
        <source>Night of</source>
        <translation>Nacht</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print the list</source>
        <translation>Die Liste drucken</translation>
    </message>
    <message>
        <source>Save iCalendar</source>
        <translation>iCalendar speichern</translation>
    </message>
    <message>
        <source>Save the windows as calendar events</source>
        <translation>Die Zeitfenster als Kalendertermine speichern</translation>
    </message>
    <message>
        <source>%1   longitude %2°, latitude %3°   from %4 %5</source>
        <translation>%1   Länge %2°, Breite %3°   ab %4 %5</translation>
    </message>
    <message>
        <source>The least altitude must be below the greatest.</source>
        <translation>Die geringste Höhe muss unter der größten liegen.</translation>
    </message>
    <message>
        <source>No window in these months: try a wider band or a lower Moon.</source>
        <translation>Kein Zeitfenster in diesen Monaten: Versuchen Sie einen breiteren Bereich oder einen tieferen Mond.</translation>
    </message>
    <message numerus="yes">
        <source>%n window(s)</source>
        <translation>
            <numerusform>%n Zeitfenster</numerusform>
            <numerusform>%n Zeitfenster</numerusform>
        </translation>
    </message>
    <message>
        <source>Good nights for %1 (Cresselle)</source>
        <translation>Günstige Nächte für %1 (Cresselle)</translation>
    </message>
    <message>
        <source>Save the good nights as a calendar</source>
        <translation>Die günstigen Nächte als Kalender speichern</translation>
    </message>
    <message>
        <source>Cresselle Good Nights %1.ics</source>
        <translation>Cresselle Günstige Nächte %1.ics</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>iCalendar-Dateien (*.ics)</translation>
    </message>
    <message>
        <source>The calendar could not be saved in &quot;%1&quot;: %2</source>
        <translation>Der Kalender konnte nicht in „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Good Nights %1</source>
        <translation>Günstige Nächte %1</translation>
    </message>
    <message>
        <source>Sun %1° to %2° over the feature, Moon at least %3° high, Sun below %4° here</source>
        <translation>Sonne %1° bis %2° über der Formation, Mond mindestens %3° hoch, Sonne hier unter %4°</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <source>Print Calendar for Month</source>
        <translation>Monatskalender drucken</translation>
    </message>
    <message>
        <source>Switch between view as seen through Binoculars or a Telescope</source>
        <translation>Ansicht wie im Fernglas oder im Teleskop umschalten</translation>
    </message>
    <message>
        <source>Display Moon/Sun Rise/Set times and Twilight times for month</source>
        <translation>Auf- und Untergangszeiten von Mond und Sonne und Dämmerungszeiten des Monats anzeigen</translation>
    </message>
    <message>
        <source>Display links to Lunar Internet Sites</source>
        <translation>Links zu Mond-Websites anzeigen</translation>
    </message>
    <message>
        <source>Change the time within Cresselle</source>
        <translation>Die Zeit in Cresselle ändern</translation>
    </message>
    <message>
        <source>Display menu showing Report options</source>
        <translation>Menü der Berichte anzeigen</translation>
    </message>
    <message>
        <source>Display circumstances of Lunar Eclipse occurring this month</source>
        <translation>Umstände der Mondfinsternis dieses Monats anzeigen</translation>
    </message>
    <message>
        <source>Display tonight&apos;s Moon and Sun altitudes (G)</source>
        <translation>Mond- und Sonnenhöhe der heutigen Nacht anzeigen (G)</translation>
    </message>
    <message>
        <source>Switch night mode on or off (N)</source>
        <translation>Nachtmodus ein- oder ausschalten (N)</translation>
    </message>
    <message>
        <source>Moon news and observing guides from NASA (moon.nasa.gov)</source>
        <translation>Mond-Neuigkeiten und Beobachtungshilfen der NASA (moon.nasa.gov)</translation>
    </message>
    <message>
        <source>Change configuration parameters</source>
        <translation>Einstellungen ändern</translation>
    </message>
    <message>
        <source>Display online help</source>
        <translation>Hilfe anzeigen</translation>
    </message>
    <message>
        <source>Display version information</source>
        <translation>Versionsinformationen anzeigen</translation>
    </message>
    <message>
        <source>Minimize Cresselle</source>
        <translation>Cresselle minimieren</translation>
    </message>
    <message>
        <source>Exit Cresselle</source>
        <translation>Cresselle beenden</translation>
    </message>
    <message>
        <source>Previous month (Page Up; Ctrl+Page Up: year)</source>
        <translation>Voriger Monat (Bild↑; Strg+Bild↑: Jahr)</translation>
    </message>
    <message>
        <source>Next month (Page Down; Ctrl+Page Down: year)</source>
        <translation>Nächster Monat (Bild↓; Strg+Bild↓: Jahr)</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Please type a year from 1 to 9999.</source>
        <translation>Bitte geben Sie ein Jahr von 1 bis 9999 ein.</translation>
    </message>
    <message>
        <source>2024-03-15 or 15 March 2024</source>
        <translation>2024-03-15 oder 15 März 2024</translation>
    </message>
    <message>
        <source>Go to date: type a date, then Enter (Escape closes)</source>
        <translation>Gehe zu Datum: Datum eingeben, dann Eingabe (Esc schließt)</translation>
    </message>
    <message>
        <source>Go to date</source>
        <translation>Gehe zu Datum</translation>
    </message>
    <message>
        <source>Visible:</source>
        <translation>Sichtbar:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Alter:</translation>
    </message>
    <message>
        <source>Distance:</source>
        <translation>Distanz:</translation>
    </message>
    <message>
        <source>R.A.:</source>
        <translation>Rekt.:</translation>
    </message>
    <message>
        <source>Dec.:</source>
        <translation>Dekl.:</translation>
    </message>
    <message>
        <source>Parallax:</source>
        <translation>Parallaxe:</translation>
    </message>
    <message>
        <source>Diameter:</source>
        <translation>Durchm.:</translation>
    </message>
    <message>
        <source>Apogee:</source>
        <translation>Apogäum:</translation>
    </message>
    <message>
        <source>Perigee:</source>
        <translation>Perigäum:</translation>
    </message>
    <message>
        <source>Sunrise:</source>
        <translation>Aufgang:</translation>
    </message>
    <message>
        <source>Transit:</source>
        <translation>Kulm.:</translation>
    </message>
    <message>
        <source>Sunset:</source>
        <translation>Untergang:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginn</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Civil:</source>
        <translation>Bürgerlich:</translation>
    </message>
    <message>
        <source>Nautical:</source>
        <translation>Nautisch:</translation>
    </message>
    <message>
        <source>Astronomical:</source>
        <translation>Astronomisch:</translation>
    </message>
    <message>
        <source>Az.:</source>
        <translation>Az.:</translation>
    </message>
    <message>
        <source>Alt.:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>Switch between the Moon&apos;s position and its librations</source>
        <translation>Zwischen der Position des Mondes und seinen Librationen umschalten</translation>
    </message>
    <message>
        <source>LST: </source>
        <translation>OSZ: </translation>
    </message>
    <message>
        <source>d</source>
        <translation>d</translation>
    </message>
    <message>
        <source>h</source>
        <translation>h</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Zeit:</translation>
    </message>
    <message>
        <source>Zone:</source>
        <translation>Zone:</translation>
    </message>
    <message>
        <source>Phase:</source>
        <translation>Phase:</translation>
    </message>
    <message>
        <source>Moon %1</source>
        <translation>Mond %1</translation>
    </message>
    <message>
        <source>Sun transit:</source>
        <translation>Kulmination Sonne:</translation>
    </message>
    <message>
        <source>Sun Az.:</source>
        <translation>Sonne Az.:</translation>
    </message>
    <message>
        <source>Sun Alt.:</source>
        <translation>Sonne Höhe:</translation>
    </message>
    <message>
        <source>Sun R.A.:</source>
        <translation>Sonne Rekt.:</translation>
    </message>
    <message>
        <source>Sun Dec.:</source>
        <translation>Sonne Dekl.:</translation>
    </message>
    <message>
        <source>Civil twilight:</source>
        <translation>Bürgerliche Dämmerung:</translation>
    </message>
    <message>
        <source>Nautical twilight:</source>
        <translation>Nautische Dämmerung:</translation>
    </message>
    <message>
        <source>Astronomical twilight:</source>
        <translation>Astronomische Dämmerung:</translation>
    </message>
    <message>
        <source>New Moon:</source>
        <translation>Neumond:</translation>
    </message>
    <message>
        <source>Last Quarter:</source>
        <translation>Letztes Viertel:</translation>
    </message>
    <message>
        <source>Full Moon:</source>
        <translation>Vollmond:</translation>
    </message>
    <message>
        <source>First Quarter:</source>
        <translation>Erstes Viertel:</translation>
    </message>
    <message>
        <source>Moonrise:</source>
        <translation>Aufgang:</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Untergang</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Neumond</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Erstes Viertel</translation>
    </message>
    <message>
        <source>Blue Moon</source>
        <translation>Blauer Mond</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Vollmond</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Letztes Viertel</translation>
    </message>
    <message>
        <source>P.A.:</source>
        <translation>PW:</translation>
    </message>
    <message>
        <source>Ph.A:</source>
        <translation>PhW:</translation>
    </message>
    <message>
        <source>Co:</source>
        <translation>Co:</translation>
    </message>
    <message>
        <source>lo:</source>
        <translation>lo:</translation>
    </message>
    <message>
        <source>bo:</source>
        <translation>bo:</translation>
    </message>
    <message>
        <source>PAA:</source>
        <translation>PWA:</translation>
    </message>
    <message>
        <source>Selenographic CoLongitude of the Sun</source>
        <translation>Selenografische Colongitude der Sonne</translation>
    </message>
    <message>
        <source>Moon&apos;s topocentric libration in longitude</source>
        <translation>Topozentrische Libration des Mondes in Länge</translation>
    </message>
    <message>
        <source>Moon&apos;s topocentric libration in latitude</source>
        <translation>Topozentrische Libration des Mondes in Breite</translation>
    </message>
    <message>
        <source>Position angle of Moon&apos;s axis of rotation</source>
        <translation>Positionswinkel der Rotationsachse des Mondes</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>%1h %2m %3s</source>
        <translation>%1h %2m %3s</translation>
    </message>
    <message>
        <source>%1 days %2 hours %3 minutes</source>
        <translation>%1 Tage %2 Stunden %3 Minuten</translation>
    </message>
    <message>
        <source>Moon drawing: %1, %2 lit</source>
        <translation>Mondbild: %1, %2 beleuchtet</translation>
    </message>
    <message>
        <source>Visible </source>
        <translation>Sichtbar </translation>
    </message>
    <message>
        <source>Age </source>
        <translation>Alter </translation>
    </message>
    <message>
        <source>Distance %1 km</source>
        <translation>Entfernung %1 km</translation>
    </message>
    <message>
        <source>Right ascension </source>
        <translation>Rektaszension </translation>
    </message>
    <message>
        <source>Declination </source>
        <translation>Deklination </translation>
    </message>
    <message>
        <source>Parallax </source>
        <translation>Parallaxe </translation>
    </message>
    <message>
        <source>Diameter </source>
        <translation>Durchmesser </translation>
    </message>
    <message>
        <source>Apogee %1, %2</source>
        <translation>Apogäum %1, %2</translation>
    </message>
    <message>
        <source>Perigee %1, %2</source>
        <translation>Perigäum %1, %2</translation>
    </message>
    <message>
        <source>Moon&apos;s azimuth</source>
        <translation>Azimut des Mondes</translation>
    </message>
    <message>
        <source>Moon&apos;s altitude</source>
        <translation>Höhe des Mondes</translation>
    </message>
    <message>
        <source>Position angle of the bright limb</source>
        <translation>Positionswinkel des hellen Randes</translation>
    </message>
    <message>
        <source>Phase angle</source>
        <translation>Phasenwinkel</translation>
    </message>
    <message>
        <source>Sun&apos;s selenographic colongitude</source>
        <translation>Selenografische Colongitude der Sonne</translation>
    </message>
    <message>
        <source>Libration in longitude</source>
        <translation>Libration in Länge</translation>
    </message>
    <message>
        <source>Libration in latitude</source>
        <translation>Libration in Breite</translation>
    </message>
    <message>
        <source>Position angle of the Moon&apos;s axis</source>
        <translation>Positionswinkel der Mondachse</translation>
    </message>
    <message>
        <source>Sun&apos;s azimuth </source>
        <translation>Azimut der Sonne </translation>
    </message>
    <message>
        <source>Sun&apos;s altitude </source>
        <translation>Höhe der Sonne </translation>
    </message>
    <message>
        <source>Sun&apos;s right ascension </source>
        <translation>Rektaszension der Sonne </translation>
    </message>
    <message>
        <source>Sun&apos;s declination </source>
        <translation>Deklination der Sonne </translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Sonnenaufgang</translation>
    </message>
    <message>
        <source>Sun&apos;s transit</source>
        <translation>Kulmination der Sonne</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Sonnenuntergang</translation>
    </message>
    <message>
        <source>Civil twilight starts</source>
        <translation>Beginn der bürgerlichen Dämmerung</translation>
    </message>
    <message>
        <source>Civil twilight ends</source>
        <translation>Ende der bürgerlichen Dämmerung</translation>
    </message>
    <message>
        <source>Nautical twilight starts</source>
        <translation>Beginn der nautischen Dämmerung</translation>
    </message>
    <message>
        <source>Nautical twilight ends</source>
        <translation>Ende der nautischen Dämmerung</translation>
    </message>
    <message>
        <source>Astronomical twilight starts</source>
        <translation>Beginn der astronomischen Dämmerung</translation>
    </message>
    <message>
        <source>Astronomical twilight ends</source>
        <translation>Ende der astronomischen Dämmerung</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4</source>
        <translation>%1 %2 %3 %4</translation>
    </message>
    <message>
        <source>, selected</source>
        <translation>, ausgewählt</translation>
    </message>
    <message>
        <source>, today</source>
        <translation>, heute</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Dämmerung</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>the Moon&apos;s illuminated part; %1 a whole number</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>TMonthList</name>
    <message>
        <source>Months</source>
        <translation>Monate</translation>
    </message>
</context>
<context>
    <name>TMonthlyPhases</name>
    <message>
        <source>Monthly Phases</source>
        <translation>Mondphasen</translation>
    </message>
    <message>
        <source>Save image to disk</source>
        <translation>Bild auf die Festplatte speichern</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;: %2</source>
        <translation>Das Bild konnte nicht als „%1“ gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>TNightEvent</name>
    <message>
        <source>Sunset</source>
        <translation>Sonnenuntergang</translation>
    </message>
    <message>
        <source>Civil dusk</source>
        <translation>Ende bürgerl. Dämm.</translation>
    </message>
    <message>
        <source>Nautical dusk</source>
        <translation>Ende naut. Dämm.</translation>
    </message>
    <message>
        <source>Astronomical dusk</source>
        <translation>Ende astron. Dämm.</translation>
    </message>
    <message>
        <source>Astronomical dawn</source>
        <translation>Beginn astron. Dämm.</translation>
    </message>
    <message>
        <source>Nautical dawn</source>
        <translation>Beginn naut. Dämm.</translation>
    </message>
    <message>
        <source>Civil dawn</source>
        <translation>Beginn bürgerl. Dämm.</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Sonnenaufgang</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Mondaufgang</translation>
    </message>
    <message>
        <source>Moon transit</source>
        <translation>Mondkulmination</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Monduntergang</translation>
    </message>
</context>
<context>
    <name>TObservingAid</name>
    <message>
        <source>Observing Aid</source>
        <translation>Beobachtungshilfe</translation>
    </message>
    <message>
        <source>Minimize Cresselle</source>
        <translation>Cresselle minimieren</translation>
    </message>
    <message>
        <source>Exit Cresselle</source>
        <translation>Cresselle beenden</translation>
    </message>
    <message>
        <source>Print this diagram</source>
        <translation>Dieses Diagramm drucken</translation>
    </message>
    <message>
        <source>Toggle between Daytime and Nighttime view</source>
        <translation>Zwischen Tages- und Nachtansicht umschalten</translation>
    </message>
    <message>
        <source>Toggle grid on and off</source>
        <translation>Gitter ein- und ausschalten</translation>
    </message>
</context>
<context>
    <name>TPrintOptions</name>
    <message>
        <source>Print Options</source>
        <translation>Druckoptionen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Daily Phases</source>
        <translation>Tägliche Phasen</translation>
    </message>
    <message>
        <source>Major Phases</source>
        <translation>Hauptphasen</translation>
    </message>
    <message>
        <source>Moon&apos;s Rise/Transit/Set Times</source>
        <translation>Mond: Auf-/Untergang, Kulm.</translation>
    </message>
    <message>
        <source>Sun&apos;s Rise/Transit/Set Times</source>
        <translation>Sonne: Auf-/Untergang, Kulm.</translation>
    </message>
    <message>
        <source>Daily Phase Density:</source>
        <translation>Schattendichte:</translation>
    </message>
    <message>
        <source>Close without printing (Escape)</source>
        <translation>Schließen ohne Drucken (Esc)</translation>
    </message>
</context>
<context>
    <name>TReportMenu</name>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Lunar Visibility</source>
        <translation>Mondsichtbarkeit</translation>
    </message>
    <message>
        <source>Find Lunar Eclipses</source>
        <translation>Mondfinsternisse suchen</translation>
    </message>
    <message>
        <source>Display Phases for Month</source>
        <translation>Mondphasen des Monats</translation>
    </message>
    <message>
        <source>Lunar Features Sunrise/Sunset Times</source>
        <translation>Mondformationen: Sonnenauf-/-untergang</translation>
    </message>
    <message>
        <source>Equinox and Solstice Information</source>
        <translation>Tagundnachtgleichen und Sonnenwenden</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>Ostersonntag</translation>
    </message>
    <message>
        <source>Tonight: Moon and Sun Altitudes</source>
        <translation>Heute Nacht: Mond- und Sonnenhöhe</translation>
    </message>
    <message>
        <source>Save the Year&apos;s Events to a Calendar</source>
        <translation>Jahresereignisse als Kalender speichern</translation>
    </message>
    <message>
        <source>Save the year&apos;s events</source>
        <translation>Die Ereignisse des Jahres speichern</translation>
    </message>
    <message>
        <source>Moon %1.ics</source>
        <translation>Mond %1.ics</translation>
    </message>
    <message>
        <source>iCalendar (*.ics)</source>
        <translation>iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>The calendar could not be saved as &quot;%1&quot;: %2</source>
        <translation>Der Kalender konnte nicht als „%1“ gespeichert werden: %2</translation>
    </message>
</context>
<context>
    <name>TTimesList</name>
    <message>
        <source>Moon rise %1</source>
        <translation>Mondaufgang %1</translation>
    </message>
    <message>
        <source>Moon set %1</source>
        <translation>Monduntergang %1</translation>
    </message>
    <message>
        <source>Sun rise %1</source>
        <translation>Sonnenaufgang %1</translation>
    </message>
    <message>
        <source>Sun set %1</source>
        <translation>Sonnenuntergang %1</translation>
    </message>
    <message>
        <source>Civil twilight start %1</source>
        <translation>Beginn der bürgerlichen Dämmerung %1</translation>
    </message>
    <message>
        <source>Civil twilight end %1</source>
        <translation>Ende der bürgerlichen Dämmerung %1</translation>
    </message>
    <message>
        <source>Nautical twilight start %1</source>
        <translation>Beginn der nautischen Dämmerung %1</translation>
    </message>
    <message>
        <source>Nautical twilight end %1</source>
        <translation>Ende der nautischen Dämmerung %1</translation>
    </message>
    <message>
        <source>Astronomical twilight start %1</source>
        <translation>Beginn der astronomischen Dämmerung %1</translation>
    </message>
    <message>
        <source>Astronomical twilight end %1</source>
        <translation>Ende der astronomischen Dämmerung %1</translation>
    </message>
    <message>
        <source>Up / Down: above / below the level all day   +: a second one that day</source>
        <translation>Oben / Unten: den ganzen Tag über / unter der Höhe   +: ein zweites an diesem Tag</translation>
    </message>
    <message>
        <source>Date	Moonrise	Moon transit	Moonset	Illuminated	Astronomical start	Nautical start	Civil start	Sunrise	Sun transit	Sunset	Civil end	Nautical end	Astronomical end</source>
        <translation>Datum	Mondaufgang	Kulmination Mond	Monduntergang	Beleuchtet	Astronomisch Beginn	Nautisch Beginn	Bürgerlich Beginn	Sonnenaufgang	Kulmination Sonne	Sonnenuntergang	Bürgerlich Ende	Nautisch Ende	Astronomisch Ende</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Aufg.</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Untg.</translation>
    </message>
    <message>
        <source>Illum</source>
        <translation>Bel.</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Dämmerung</translation>
    </message>
    <message>
        <source>Civil</source>
        <translation>Bürg.</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Rise / Set Times</source>
        <translation>Auf- / Untergangszeiten</translation>
    </message>
    <message>
        <source>LST at</source>
        <translation>OSZ um</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>Mitternacht</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>Kulm.</translation>
    </message>
    <message>
        <source>illum</source>
        <translation>bel.</translation>
    </message>
    <message>
        <source>Ast.</source>
        <translation>Astr.</translation>
    </message>
    <message>
        <source>Naut.</source>
        <translation>Naut.</translation>
    </message>
    <message>
        <source>Rise/Set Times</source>
        <translation>Auf-/Untergangszeiten</translation>
    </message>
    <message>
        <source>Send the information on this screen to the printer</source>
        <translation>Den Inhalt dieses Fensters an den Drucker senden</translation>
    </message>
    <message>
        <source>Scroll information up on screen</source>
        <translation>Die Anzeige nach oben blättern</translation>
    </message>
    <message>
        <source>Scroll information down on screen</source>
        <translation>Die Anzeige nach unten blättern</translation>
    </message>
    <message>
        <source>Minimise this window</source>
        <translation>Dieses Fenster minimieren</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Dieses Fenster schließen</translation>
    </message>
    <message>
        <source>: no such day here</source>
        <translation>: diesen Tag gibt es hier nicht</translation>
    </message>
    <message>
        <source>%1: moonrise %2, Moon&apos;s transit %3, moonset %4, %5% lit; astronomical dawn %6, nautical dawn %7, civil dawn %8, sunrise %9, Sun&apos;s transit %10, sunset %11, civil dusk %12, nautical dusk %13, astronomical dusk %14</source>
        <translation>%1: Mondaufgang %2, Kulmination des Mondes %3, Monduntergang %4, %5% beleuchtet; astronomische Morgendämmerung %6, nautische Morgendämmerung %7, bürgerliche Morgendämmerung %8, Sonnenaufgang %9, Kulmination der Sonne %10, Sonnenuntergang %11, bürgerliche Abenddämmerung %12, nautische Abenddämmerung %13, astronomische Abenddämmerung %14</translation>
    </message>
    <message>
        <source>No such day here: the clocks of %1 skipped it</source>
        <translation>Diesen Tag gibt es hier nicht: Die Uhren von %1 haben ihn übersprungen</translation>
    </message>
    <message>
        <source>Also that day: %1</source>
        <translation>Am selben Tag auch: %1</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Zeiten</translation>
    </message>
    <message>
        <source>.   Second events: %1</source>
        <translation>.   Zweite Ereignisse: %1</translation>
    </message>
</context>
<context>
    <name>TWebMenu</name>
    <message>
        <source>Lunar Links</source>
        <translation>Mond-Links</translation>
    </message>
    <message>
        <source>Lunar Resources</source>
        <translation>Mond-Ressourcen</translation>
    </message>
    <message>
        <source>Lunar Missions</source>
        <translation>Mondmissionen</translation>
    </message>
</context>
<context>
    <name>Zone</name>
    <message>
        <source>UT</source>
        <extracomment>Universal Time as a zone&apos;s caption begins with it (&quot;UT+01:00&quot;)</extracomment>
        <translation>UT</translation>
    </message>
</context>
</TS>
