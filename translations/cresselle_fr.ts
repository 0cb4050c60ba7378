<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>Calendar</name>
    <message>
        <source>%1 in low sunlight</source>
        <translation>%1 sous un Soleil rasant</translation>
    </message>
    <message>
        <source>Sun %1 over %2 and the Moon %3 high at the middle of the window.
Conditions: Sun %4 to %5 over the feature, Moon at least %6 high, Sun below %7 here.</source>
        <translation>Soleil à %1 au-dessus de %2 et Lune à %3 de hauteur au milieu de la fenêtre.
Conditions: Soleil de %4 à %5 au-dessus de la formation, Lune à au moins %6 de hauteur, Soleil sous %7 ici.</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Nouvelle lune</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Premier quartier</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Pleine lune</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Dernier quartier</translation>
    </message>
    <message>
        <source>Moon Phase</source>
        <translation>Phase de la Lune</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Partially Visible</source>
        <translation>Partiellement visible</translation>
    </message>
    <message>
        <source>Not Visible</source>
        <translation>Non visible</translation>
    </message>
    <message>
        <source>Penumbral Lunar Eclipse</source>
        <translation>Éclipse de Lune par la pénombre</translation>
    </message>
    <message>
        <source>Partial Lunar Eclipse</source>
        <translation>Éclipse partielle de Lune</translation>
    </message>
    <message>
        <source>Total Lunar Eclipse</source>
        <translation>Éclipse totale de Lune</translation>
    </message>
    <message>
        <source>Maximum %1 UT</source>
        <translation>Maximum %1 TU</translation>
    </message>
    <message>
        <source>Penumbra %1 - %2 UT</source>
        <translation>Pénombre %1 - %2 TU</translation>
    </message>
    <message>
        <source>Umbra %1 - %2 UT</source>
        <translation>Ombre %1 - %2 TU</translation>
    </message>
    <message>
        <source>Totality %1 - %2 UT</source>
        <translation>Totalité %1 - %2 TU</translation>
    </message>
    <message>
        <source>Umbral magnitude %1, penumbral magnitude %2</source>
        <translation>Magnitude par l’ombre %1, magnitude par la pénombre %2</translation>
    </message>
    <message>
        <source>From the observer&apos;s place: %1</source>
        <translation>Depuis le lieu de l’observateur: %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 le %2</translation>
    </message>
    <message>
        <source>Perigee</source>
        <translation>Périgée</translation>
    </message>
    <message>
        <source>Apogee</source>
        <translation>Apogée</translation>
    </message>
    <message>
        <source>%1 at %2, distance %3</source>
        <translation>%1 le %2, distance %3</translation>
    </message>
    <message>
        <source>March Equinox</source>
        <translation>Équinoxe de mars</translation>
    </message>
    <message>
        <source>June Solstice</source>
        <translation>Solstice de juin</translation>
    </message>
    <message>
        <source>September Equinox</source>
        <translation>Équinoxe de septembre</translation>
    </message>
    <message>
        <source>December Solstice</source>
        <translation>Solstice de décembre</translation>
    </message>
    <message>
        <source>Moon %1 (Cresselle)</source>
        <translation>Lune %1 (Cresselle)</translation>
    </message>
</context>
<context>
    <name>EngineText</name>
    <message>
        <source>New Moon</source>
        <translation>Nouvelle lune</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Premier quartier</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Pleine lune</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Dernier quartier</translation>
    </message>
    <message>
        <source>Waxing Crescent</source>
        <translation>Premier croissant</translation>
    </message>
    <message>
        <source>Waxing Gibbous</source>
        <translation>Gibbeuse croissante</translation>
    </message>
    <message>
        <source>Waning Gibbous</source>
        <translation>Gibbeuse décroissante</translation>
    </message>
    <message>
        <source>Waning Crescent</source>
        <translation>Dernier croissant</translation>
    </message>
    <message>
        <source>Full (Wolf) Moon</source>
        <translation>Pleine lune (du loup)</translation>
    </message>
    <message>
        <source>Full (Snow) Moon</source>
        <translation>Pleine lune (des neiges)</translation>
    </message>
    <message>
        <source>Full (Worm) Moon</source>
        <translation>Pleine lune (des vers)</translation>
    </message>
    <message>
        <source>Full (Pink) Moon</source>
        <translation>Pleine lune (rose)</translation>
    </message>
    <message>
        <source>Full (Flower) Moon</source>
        <translation>Pleine lune (des fleurs)</translation>
    </message>
    <message>
        <source>Full (Strawberry) Moon</source>
        <translation>Pleine lune (des fraises)</translation>
    </message>
    <message>
        <source>Full (Buck) Moon</source>
        <translation>Pleine lune (du cerf)</translation>
    </message>
    <message>
        <source>Full (Sturgeon) Moon</source>
        <translation>Pleine lune (de l’esturgeon)</translation>
    </message>
    <message>
        <source>Full (Harvest) Moon</source>
        <translation>Pleine lune (des moissons)</translation>
    </message>
    <message>
        <source>Full (Hunter&apos;s) Moon</source>
        <translation>Pleine lune (du chasseur)</translation>
    </message>
    <message>
        <source>Full (Beaver) Moon</source>
        <translation>Pleine lune (du castor)</translation>
    </message>
    <message>
        <source>Full (Cold) Moon</source>
        <translation>Pleine lune (froide)</translation>
    </message>
    <message>
        <source>Full (Blue) Moon</source>
        <translation>Pleine lune (bleue)</translation>
    </message>
    <message>
        <source>Penumbral Eclipse</source>
        <translation>Éclipse par la pénombre</translation>
    </message>
    <message>
        <source>Partial Eclipse</source>
        <translation>Éclipse partielle</translation>
    </message>
    <message>
        <source>Total Eclipse</source>
        <translation>Éclipse totale</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Partially Visible</source>
        <translation>Partiellement visible</translation>
    </message>
    <message>
        <source>Not Visible</source>
        <translation>Non visible</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Outside years 1-9999</source>
        <translation>Hors des années 1-9999</translation>
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
        <translation>Levé</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Couché</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Save printout as PDF</source>
        <translation>Enregistrer l’impression en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.
Do you want to replace it?</source>
        <translation>«&#xa0;%1&#xa0;» existe déjà.
Voulez-vous le remplacer&#xa0;?</translation>
    </message>
    <message>
        <source>the page</source>
        <translation>la page</translation>
    </message>
    <message>
        <source>the address</source>
        <translation>l’adresse</translation>
    </message>
    <message>
        <source>Nothing on this system could open %1

%2

Copy it to the clipboard, to open it yourself?</source>
        <translation>Rien sur ce système n’a pu ouvrir %1

%2

La copier dans le presse-papiers pour l’ouvrir vous-même&#xa0;?</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>Latitude:</source>
        <translation>Latitude:</translation>
    </message>
    <message>
        <source>Zone:</source>
        <translation>Fuseau:</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitude:</translation>
    </message>
    <message>
        <source>Printed by %1, lunar almanac</source>
        <translation>Imprimé par %1, almanach lunaire</translation>
    </message>
</context>
<context>
    <name>PrintCalendar</name>
    <message>
        <source>TR:</source>
        <translation>PM:</translation>
    </message>
    <message>
        <source>MR:</source>
        <translation>LL:</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>CL</translation>
    </message>
    <message>
        <source>SR:</source>
        <translation>LS:</translation>
    </message>
    <message>
        <source>SS:</source>
        <translation>CS:</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Sent to %1</source>
        <translation>Envoyé à %1</translation>
    </message>
    <message>
        <source>PDF &quot;%1&quot;</source>
        <translation>PDF «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot;</source>
        <translation>l’imprimante «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>the printout was not written completely</source>
        <translation>l’impression n’a pas été écrite entièrement</translation>
    </message>
    <message>
        <source>The printer reported an error and the printout was abandoned.

Printer: %1</source>
        <translation>L’imprimante a signalé une erreur et l’impression a été abandonnée.

Imprimante: %1</translation>
    </message>
    <message>
        <source>The printout could not be saved as &quot;%1&quot;: %2</source>
        <translation>L’impression n’a pas pu être enregistrée sous «&#xa0;%1&#xa0;»: %2</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>the system gave no reason</source>
        <translation>le système n’a donné aucune raison</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>le disque est en lecture seule</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>the folder may not be written</source>
        <translation>le dossier est protégé en écriture</translation>
    </message>
    <message>
        <source>the system refused the write</source>
        <translation>le système a refusé l’écriture</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>le fichier ne peut pas être lu (%1)</translation>
    </message>
    <message>
        <source>no check copy can be written beside it (%1)</source>
        <translation>aucune copie de contrôle ne peut être écrite à côté (%1)</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>le fichier ne peut pas être lu</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; was damaged. Its readable values were kept, the others were reset to their defaults; the damaged file was kept as &quot;%2&quot;.</source>
        <translation>Le fichier des réglages «&#xa0;%1&#xa0;» était endommagé. Ses valeurs lisibles ont été gardées, les autres remises à leurs valeurs par défaut; le fichier endommagé a été conservé sous «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be written (%2)</source>
        <translation>le dossier «&#xa0;%1&#xa0;» ne peut pas être écrit (%2)</translation>
    </message>
    <message>
        <source>the file could not be written in full (%1)</source>
        <translation>le fichier n’a pas pu être écrit en entier (%1)</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>another program is saving the settings</source>
        <translation>un autre programme enregistre les réglages</translation>
    </message>
    <message>
        <source>the file could not be written (%1)</source>
        <translation>le fichier n’a pas pu être écrit (%1)</translation>
    </message>
    <message>
        <source>the registry key could not be written</source>
        <translation>la clé de registre n’a pas pu être écrite</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be created (%2)</source>
        <translation>le dossier «&#xa0;%1&#xa0;» ne peut pas être créé (%2)</translation>
    </message>
    <message>
        <source>The zone &quot;%1&quot; in the settings is not known to this system; the fixed offset from UT is used instead.</source>
        <translation>Le fuseau «&#xa0;%1&#xa0;» des réglages est inconnu de ce système; le décalage fixe par rapport au TU est utilisé à la place.</translation>
    </message>
    <message>
        <source>These stored settings could not be used and were reset: %1.</source>
        <translation>Ces réglages enregistrés étaient inutilisables et ont été réinitialisés: %1.</translation>
    </message>
    <message>
        <source>The settings could not be saved in &quot;%1&quot;. The new values apply until the program ends.</source>
        <translation>Les réglages n’ont pas pu être enregistrés dans «&#xa0;%1&#xa0;». Les nouvelles valeurs s’appliquent jusqu’à la fermeture du programme.</translation>
    </message>
    <message>
        <source>The settings could not be saved in &quot;%1&quot;: %2. The new values apply until the program ends.</source>
        <translation>Les réglages n’ont pas pu être enregistrés dans «&#xa0;%1&#xa0;»: %2. Les nouvelles valeurs s’appliquent jusqu’à la fermeture du programme.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>the shipped file could not be read whole</source>
        <translation>le fichier livré n’a pas pu être lu en entier</translation>
    </message>
    <message>
        <source>The working folder &quot;%1&quot; cannot be used: %2. The lunar features database and the help page are not available, and nothing is saved in their place.</source>
        <translation>Le dossier de travail «&#xa0;%1&#xa0;» est inutilisable: %2. La base des formations lunaires et la page d’aide ne sont pas disponibles, et rien n’est enregistré à leur place.</translation>
    </message>
    <message>
        <source>the system names no data folder</source>
        <translation>le système n’indique aucun dossier de données</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>ce n’est pas un dossier</translation>
    </message>
    <message>
        <source>it cannot be entered</source>
        <translation>on ne peut pas y entrer</translation>
    </message>
    <message>
        <source>These shipped files could not be copied into the working folder &quot;%1&quot;:
%2
The next start tries again.</source>
        <translation>Ces fichiers livrés n’ont pas pu être copiés dans le dossier de travail «&#xa0;%1&#xa0;»:
%2
Le prochain démarrage réessaiera.</translation>
    </message>
</context>
<context>
    <name>TAbout</name>
    <message>
        <source>About Cresselle</source>
        <translation>À propos de Cresselle</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Version 2.50</source>
        <translation>Version 2.50</translation>
    </message>
    <message>
        <source>Moon phases and lunar ephemeris</source>
        <translation>Phases et éphémérides de la Lune</translation>
    </message>
    <message>
        <source>Moon map: USGS Astrogeology and Clementine data</source>
        <translation>Carte de la Lune: USGS Astrogeology et données Clementine</translation>
    </message>
    <message>
        <source>(public domain)</source>
        <translation>(domaine public)</translation>
    </message>
</context>
<context>
    <name>TAltitudeGraph</name>
    <message>
        <source>Tonight: Moon and Sun Altitudes</source>
        <translation>Cette nuit: hauteurs de la Lune et du Soleil</translation>
    </message>
    <message>
        <source>Night of %1 – %2</source>
        <translation>Nuit du %1 au %2</translation>
    </message>
    <message>
        <source>Moon %1% illuminated, %2</source>
        <translation>Lune éclairée à %1%, %2</translation>
    </message>
    <message>
        <source>, altitude </source>
        <translation>, h </translation>
    </message>
    <message>
        <source>No rise, set or twilight this night</source>
        <translation>Ni lever, ni coucher, ni crépuscule cette nuit</translation>
    </message>
    <message>
        <source>Minimize Cresselle</source>
        <translation>Réduire Cresselle</translation>
    </message>
    <message>
        <source>Exit Cresselle</source>
        <translation>Quitter Cresselle</translation>
    </message>
    <message>
        <source>Print this graph</source>
        <translation>Imprimer ce graphique</translation>
    </message>
    <message>
        <source>Save this graph as a PNG picture</source>
        <translation>Enregistrer ce graphique en image PNG</translation>
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
        <translation>O</translation>
    </message>
    <message>
        <source>E</source>
        <translation>E</translation>
    </message>
    <message>
        <source>Altitudes</source>
        <translation>Hauteurs</translation>
    </message>
    <message>
        <source>Altitudes %1-%2-%3.png</source>
        <translation>Hauteurs %1-%2-%3.png</translation>
    </message>
    <message>
        <source>Save the graph</source>
        <translation>Enregistrer le graphique</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;: %2</source>
        <translation>L’image n’a pas pu être enregistrée sous «&#xa0;%1&#xa0;»: %2</translation>
    </message>
    <message>
        <source>P</source>
        <comment>Print button</comment>
        <extracomment>the Print button&apos;s letter; one letter, the word&apos;s first</extracomment>
        <translation>I</translation>
    </message>
    <message>
        <source>S</source>
        <comment>Save button</comment>
        <extracomment>the Save button&apos;s letter; one letter, the word&apos;s first</extracomment>
        <translation>E</translation>
    </message>
</context>
<context>
    <name>TConfiguration</name>
    <message>
        <source>Sunday - Saturday</source>
        <translation>Dimanche - samedi</translation>
    </message>
    <message>
        <source>Monday - Sunday</source>
        <translation>Lundi - dimanche</translation>
    </message>
    <message>
        <source>Tuesday - Monday</source>
        <translation>Mardi - lundi</translation>
    </message>
    <message>
        <source>Wednesday - Tuesday</source>
        <translation>Mercredi - mardi</translation>
    </message>
    <message>
        <source>Thursday - Wednesday</source>
        <translation>Jeudi - mercredi</translation>
    </message>
    <message>
        <source>Friday - Thursday</source>
        <translation>Vendredi - jeudi</translation>
    </message>
    <message>
        <source>Saturday - Friday</source>
        <translation>Samedi - vendredi</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Langue:</translation>
    </message>
    <message>
        <source>The language of the windows, printouts, help page and saved calendars; System follows the system&apos;s language</source>
        <translation>La langue des fenêtres, des impressions, de la page d’aide et des calendriers enregistrés; Système suit la langue du système</translation>
    </message>
    <message>
        <source>A new language takes effect at the next start.</source>
        <translation>Une nouvelle langue prend effet au prochain démarrage.</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Latitude:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitude:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Lieu:</translation>
    </message>
    <message>
        <source>Day Order:</source>
        <translation>Ordre des jours:</translation>
    </message>
    <message>
        <source>Date Format:</source>
        <translation>Format de date:</translation>
    </message>
    <message>
        <source>Zone:</source>
        <translation>Fuseau:</translation>
    </message>
    <message>
        <source>Place:</source>
        <translation>Ville:</translation>
    </message>
    <message>
        <source>Timezone:</source>
        <translation>Décalage:</translation>
    </message>
    <message>
        <source>DST:</source>
        <translation>Été:</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Degrés de latitude</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Minutes de latitude</translation>
    </message>
    <message>
        <source>Latitude seconds</source>
        <translation>Secondes de latitude</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Degrés de longitude</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Minutes de longitude</translation>
    </message>
    <message>
        <source>Longitude seconds</source>
        <translation>Secondes de longitude</translation>
    </message>
    <message>
        <source>Fixed offset (below)</source>
        <translation>Décalage fixe (ci-dessous)</translation>
    </message>
    <message>
        <source>Automatic (%1)</source>
        <translation>Automatique (%1)</translation>
    </message>
    <message>
        <source>type a city to search</source>
        <translation>tapez une ville à chercher</translation>
    </message>
    <message>
        <source>among the %L1 cities known here</source>
        <translation>parmi les %L1 villes connues ici</translation>
    </message>
    <message>
        <source>among the %L1 principal cities of the zone table (this copy was built without the world&apos;s cities)</source>
        <translation>parmi les %L1 villes principales de la table des fuseaux (cette copie a été construite sans les villes du monde)</translation>
    </message>
    <message>
        <source>Not found: type the coordinates above</source>
        <translation>Introuvable: tapez les coordonnées ci-dessus</translation>
    </message>
    <message>
        <source>No place named “%1” %2. Type the latitude and longitude above, and choose the zone.</source>
        <translation>Aucun lieu nommé «&#xa0;%1&#xa0;» %2. Tapez la latitude et la longitude ci-dessus, et choisissez le fuseau.</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>Laser</source>
        <translation>Laser</translation>
    </message>
    <message>
        <source>B/W Inkjet</source>
        <translation>Jet d’encre N/B</translation>
    </message>
    <message>
        <source>Colour Inkjet</source>
        <translation>Jet d’encre couleur</translation>
    </message>
    <message>
        <source>North or South</source>
        <translation>Nord ou Sud</translation>
    </message>
    <message>
        <source>Latitude direction</source>
        <translation>Sens de la latitude</translation>
    </message>
    <message>
        <source>East or West</source>
        <translation>Est ou Ouest</translation>
    </message>
    <message>
        <source>Longitude direction</source>
        <translation>Sens de la longitude</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Day order</source>
        <translation>Ordre des jours</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Format de date</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Fuseau</translation>
    </message>
    <message>
        <source>Place: type a city to search</source>
        <translation>Ville: tapez une ville à chercher</translation>
    </message>
    <message>
        <source>Fixed offset from GMT</source>
        <translation>Décalage fixe par rapport à GMT</translation>
    </message>
    <message>
        <source>Daylight saving</source>
        <translation>Heure d’été</translation>
    </message>
    <message>
        <source>Laser printer</source>
        <translation>Imprimante laser</translation>
    </message>
    <message>
        <source>Black and white inkjet printer</source>
        <translation>Imprimante à jet d’encre noir et blanc</translation>
    </message>
    <message>
        <source>Colour inkjet printer</source>
        <translation>Imprimante à jet d’encre couleur</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
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
        <translation>%1 doit être un nombre de 0 à %2.</translation>
    </message>
    <message>
        <source>The latitude cannot exceed 90°.</source>
        <translation>La latitude ne peut pas dépasser 90°.</translation>
    </message>
    <message>
        <source>The longitude cannot exceed 180°.</source>
        <translation>La longitude ne peut pas dépasser 180°.</translation>
    </message>
    <message>
        <source>first day of the week</source>
        <translation>premier jour de la semaine</translation>
    </message>
    <message>
        <source>date format</source>
        <translation>format de date</translation>
    </message>
    <message>
        <source>zone</source>
        <translation>fuseau</translation>
    </message>
    <message>
        <source>offset from UT</source>
        <translation>décalage par rapport au TU</translation>
    </message>
    <message>
        <source>The zone &quot;%1&quot; is not known to this system. Choose one from the list (type part of its name to find it).</source>
        <translation>Le fuseau «&#xa0;%1&#xa0;» est inconnu de ce système. Choisissez-en un dans la liste (tapez une partie de son nom pour le trouver).</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; is not one the list offers. Choose one from the list.</source>
        <translation>La valeur «&#xa0;%2&#xa0;» (%1) ne fait pas partie de la liste. Choisissez-en une dans la liste.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>DD/MM/YYYY</source>
        <extracomment>day, month and year as a date layout shows them, in the language&apos;s letters</extracomment>
        <translation>JJ/MM/AAAA</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <extracomment>month, day and year as a date layout shows them, in the language&apos;s letters</extracomment>
        <translation>MM/JJ/AAAA</translation>
    </message>
</context>
<context>
    <name>TDateInfo</name>
    <message>
        <source>Date Information</source>
        <translation>Informations sur la date</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Julian Day:</source>
        <translation>Jour julien:</translation>
    </message>
    <message>
        <source>Day Number:</source>
        <translation>Jour de l’année:</translation>
    </message>
    <message>
        <source>Week Number:</source>
        <translation>Semaine:</translation>
    </message>
    <message>
        <source>Days Till Xmas:</source>
        <translation>Jours avant Noël:</translation>
    </message>
</context>
<context>
    <name>TEaster</name>
    <message>
        <source>Easter Sunday</source>
        <translation>Dimanche de Pâques</translation>
    </message>
</context>
<context>
    <name>TEclipse</name>
    <message>
        <source>%1th</source>
        <translation>le %1</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>le %1</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>le %1</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>le %1</translation>
    </message>
    <message>
        <source>Lunar Eclipse</source>
        <translation>Éclipse de Lune</translation>
    </message>
    <message>
        <source>Double-click to show the eclipse&apos;s maximum</source>
        <translation>Double-cliquez pour afficher le maximum de l’éclipse</translation>
    </message>
    <message>
        <source>This month holds two eclipses</source>
        <translation>Ce mois compte deux éclipses</translation>
    </message>
    <message>
        <source>Also: </source>
        <translation>Aussi: </translation>
    </message>
    <message>
        <source>Eclipse Maximum:</source>
        <translation>Maximum:</translation>
    </message>
    <message>
        <source>Moon enters Penumbra:</source>
        <translation>Entrée pénombre:</translation>
    </message>
    <message>
        <source>Moon exits Penumbra:</source>
        <translation>Sortie pénombre:</translation>
    </message>
    <message>
        <source>Moon enters Umbra:</source>
        <translation>Entrée ombre:</translation>
    </message>
    <message>
        <source>Moon exits Umbra:</source>
        <translation>Sortie ombre:</translation>
    </message>
    <message>
        <source>Start of Totality:</source>
        <translation>Début totalité:</translation>
    </message>
    <message>
        <source>End of Totality:</source>
        <translation>Fin totalité:</translation>
    </message>
    <message>
        <source>Eclipse Magnitude:</source>
        <translation>Magnitude:</translation>
    </message>
</context>
<context>
    <name>TEclipseReport</name>
    <message>
        <source>Lunar Eclipses</source>
        <translation>Éclipses de Lune</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>De:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>À:</translation>
    </message>
    <message>
        <source>Calculate dates of eclipses between the two selected years</source>
        <translation>Calculer les dates des éclipses entre les deux années choisies</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Please enter a year</source>
        <translation>Veuillez saisir une année</translation>
    </message>
    <message>
        <source>Please enter a year from 1 to 9999</source>
        <translation>Veuillez saisir une année de 1 à 9999</translation>
    </message>
    <message>
        <source>The &quot;From&quot; date must be less than the &quot;To&quot; date.</source>
        <translation>L’année «&#xa0;De&#xa0;» doit précéder l’année «&#xa0;À&#xa0;».</translation>
    </message>
    <message>
        <source>Search cancelled before %1: no eclipses searched.</source>
        <translation>Recherche annulée avant %1: aucune éclipse cherchée.</translation>
    </message>
    <message numerus="yes">
        <source>Search cancelled: %n eclipse(s) found from %1 to %2 only.</source>
        <translation>
            <numerusform>Recherche annulée: %n éclipse trouvée de %1 à %2 seulement.</numerusform>
            <numerusform>Recherche annulée: %n éclipses trouvées de %1 à %2 seulement.</numerusform>
        </translation>
    </message>
    <message>
        <source>Eclipse	Maximum	Visibility
</source>
        <translation>Éclipse	Maximum	Visibilité
</translation>
    </message>
    <message>
        <source>Lunar Eclipse Search</source>
        <translation>Recherche d’éclipses de Lune</translation>
    </message>
</context>
<context>
    <name>TEquinox</name>
    <message>
        <source> days</source>
        <translation> jours</translation>
    </message>
    <message>
        <source>Equinoxes and Solstices</source>
        <translation>Équinoxes et solstices</translation>
    </message>
    <message>
        <source>Spring Equinox:</source>
        <translation>Équinoxe de printemps:</translation>
    </message>
    <message>
        <source>Summer Solstice:</source>
        <translation>Solstice d’été:</translation>
    </message>
    <message>
        <source>Autumn Equinox:</source>
        <translation>Équinoxe d’automne:</translation>
    </message>
    <message>
        <source>Winter Solstice:</source>
        <translation>Solstice d’hiver:</translation>
    </message>
</context>
<context>
    <name>TFeatures</name>
    <message>
        <source>No sunrise</source>
        <translation>Pas de lever</translation>
    </message>
    <message>
        <source>No sunset</source>
        <translation>Pas de coucher</translation>
    </message>
    <message>
        <source>Outside years 1-9999</source>
        <translation>Hors des années 1-9999</translation>
    </message>
    <message>
        <source>invalid coordinates</source>
        <translation>coordonnées invalides</translation>
    </message>
    <message>
        <source>Rise/Set of Lunar Features</source>
        <translation>Lever et coucher sur les formations lunaires</translation>
    </message>
    <message>
        <source>Exit Cresselle</source>
        <translation>Quitter Cresselle</translation>
    </message>
    <message>
        <source>Minimise this window</source>
        <translation>Réduire cette fenêtre</translation>
    </message>
    <message>
        <source>Edit the lunar features database</source>
        <translation>Modifier la base des formations lunaires</translation>
    </message>
    <message>
        <source>Feature Name</source>
        <translation>Nom de la formation</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Lever</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Coucher</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Type part of a name: the list jumps to it</source>
        <translation>Tapez une partie d’un nom: la liste y saute</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>introuvable</translation>
    </message>
    <message>
        <source>Sun now</source>
        <translation>Soleil actuel</translation>
    </message>
    <message>
        <source>The Sun&apos;s altitude over each feature at the main window&apos;s instant (↑ morning, ↓ evening). Click: only the features near the terminator</source>
        <translation>La hauteur du Soleil au-dessus de chaque formation à l’instant de la fenêtre principale (↑ matin, ↓ soir). Clic: seulement les formations proches du terminateur</translation>
    </message>
    <message>
        <source>Least altitude of the Sun over a feature near the terminator</source>
        <translation>Hauteur minimale du Soleil au-dessus d’une formation proche du terminateur</translation>
    </message>
    <message>
        <source>Greatest altitude of the Sun over a feature near the terminator</source>
        <translation>Hauteur maximale du Soleil au-dessus d’une formation proche du terminateur</translation>
    </message>
    <message>
        <source>Computing the times %p%</source>
        <translation>Calcul des heures %p%</translation>
    </message>
    <message>
        <source>Order: name</source>
        <translation>Ordre: nom</translation>
    </message>
    <message>
        <source>Order by name or by the next sunrise</source>
        <translation>Trier par nom ou par prochain lever</translation>
    </message>
    <message>
        <source>Good nights</source>
        <translation>Nuits propices</translation>
    </message>
    <message>
        <source>The nights the selected feature is in low sunlight while the Moon is up in a dark sky here (double-click a row)</source>
        <translation>Les nuits où la formation sélectionnée est sous un Soleil rasant alors que la Lune est levée dans un ciel noir ici (double-clic sur une ligne)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print the list</source>
        <translation>Imprimer la liste</translation>
    </message>
    <message>
        <source>Save CSV</source>
        <translation>Exporter CSV</translation>
    </message>
    <message>
        <source>Save the list as a CSV file</source>
        <translation>Exporter la liste dans un fichier CSV</translation>
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
        <translation>E</translation>
    </message>
    <message>
        <source>W</source>
        <translation>O</translation>
    </message>
    <message>
        <source>Order: next sunrise</source>
        <translation>Ordre: prochain lever</translation>
    </message>
    <message>
        <source>Order: libration</source>
        <translation>Ordre: libration</translation>
    </message>
    <message>
        <source>Next Sunrise</source>
        <translation>Prochain lever</translation>
    </message>
    <message>
        <source>Libration</source>
        <translation>Libration</translation>
    </message>
    <message>
        <source>Sun now ✓</source>
        <translation>Soleil actuel✓</translation>
    </message>
    <message>
        <source>Select a feature first: click its row or find it.</source>
        <translation>Sélectionnez d’abord une formation: cliquez sur sa ligne ou recherchez-la.</translation>
    </message>
    <message>
        <source>libration toward us</source>
        <translation>libration vers nous</translation>
    </message>
    <message>
        <source>Sun over it now</source>
        <translation>Soleil au-dessus maintenant</translation>
    </message>
    <message>
        <source>%1: %2 %3, sunrise %4, sunset %5</source>
        <translation>%1: %2 %3, lever du Soleil %4, coucher du Soleil %5</translation>
    </message>
    <message>
        <source>Second sunrise this month: %1</source>
        <translation>Second lever ce mois-ci: %1</translation>
    </message>
    <message>
        <source>Second sunset this month: %1</source>
        <translation>Second coucher ce mois-ci: %1</translation>
    </message>
    <message>
        <source>Feature	%1	%2	%3
</source>
        <translation>Formation	%1	%2	%3
</translation>
    </message>
    <message>
        <source>Next sunrise</source>
        <translation>Prochain lever</translation>
    </message>
    <message>
        <source>Next sunset</source>
        <translation>Prochain coucher</translation>
    </message>
    <message>
        <source>Save the lunar features list</source>
        <translation>Enregistrer la liste des formations lunaires</translation>
    </message>
    <message>
        <source>Cresselle Lunar Features %1 %2.csv</source>
        <translation>Cresselle Formations lunaires %1 %2.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>The list could not be saved in &quot;%1&quot;: %2</source>
        <translation>La liste n’a pas pu être enregistrée dans «&#xa0;%1&#xa0;»: %2</translation>
    </message>
    <message>
        <source>Lunar Features</source>
        <translation>Formations lunaires</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>TFeaturesDB</name>
    <message>
        <source>the file could not be written completely</source>
        <translation>le fichier n’a pas pu être écrit entièrement</translation>
    </message>
    <message>
        <source>another copy of the program is saving the features</source>
        <translation>une autre copie du programme enregistre les formations</translation>
    </message>
    <message>
        <source>Please enter a valid Longitude</source>
        <translation>Veuillez saisir une longitude valide</translation>
    </message>
    <message>
        <source>Longitude must be between -180 and 180. Please reenter.</source>
        <translation>La longitude doit être comprise entre -180 et 180. Veuillez la saisir de nouveau.</translation>
    </message>
    <message>
        <source>Please enter a valid Latitude</source>
        <translation>Veuillez saisir une latitude valide</translation>
    </message>
    <message>
        <source>Latitude must be between -90 and 90. Please reenter.</source>
        <translation>La latitude doit être comprise entre -90 et 90. Veuillez la saisir de nouveau.</translation>
    </message>
    <message>
        <source>Lunar Features Database Screen</source>
        <translation>Base des formations lunaires</translation>
    </message>
    <message>
        <source>Exit Cresselle</source>
        <translation>Quitter Cresselle</translation>
    </message>
    <message>
        <source>Feature Name</source>
        <translation>Formation</translation>
    </message>
    <message>
        <source>Lunar Longitude</source>
        <translation>Longitude lunaire</translation>
    </message>
    <message>
        <source>Lunar Latitude</source>
        <translation>Latitude lunaire</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Trouver</translation>
    </message>
    <message>
        <source>part of a name</source>
        <translation>partie d’un nom</translation>
    </message>
    <message>
        <source>Delete the selected feature (Ctrl+Z puts it back)</source>
        <translation>Supprimer la formation sélectionnée (Ctrl+Z la rétablit)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>You must enter a feature name.</source>
        <translation>Vous devez saisir un nom de formation.</translation>
    </message>
    <message>
        <source>You must enter a Lunar Longitude.</source>
        <translation>Vous devez saisir une longitude lunaire.</translation>
    </message>
    <message>
        <source>You must enter a Lunar Latitude.</source>
        <translation>Vous devez saisir une latitude lunaire.</translation>
    </message>
    <message>
        <source>The feature name cannot hold %1: the features file stores names in the Windows-1252 code page.</source>
        <translation>Le nom de la formation ne peut pas contenir %1: le fichier des formations enregistre les noms dans la page de code Windows-1252.</translation>
    </message>
    <message>
        <source>The lunar features cannot be saved. %1</source>
        <translation>Les formations lunaires ne peuvent pas être enregistrées. %1</translation>
    </message>
    <message>
        <source>The lunar features could not be saved in &quot;%1&quot;: %2</source>
        <translation>Les formations lunaires n’ont pas pu être enregistrées dans «&#xa0;%1&#xa0;»: %2</translation>
    </message>
    <message>
        <source>No feature has been selected for deletion.</source>
        <translation>Aucune formation n’a été sélectionnée pour la suppression.</translation>
    </message>
    <message>
        <source>Lunar Features Database</source>
        <translation>Base des formations lunaires</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Mettre à jour</translation>
    </message>
</context>
<context>
    <name>TFrame</name>
    <message>
        <source>Exit Cresselle</source>
        <translation>Quitter Cresselle</translation>
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
        <translation>Nuits propices pour une formation lunaire</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Fermer cette fenêtre</translation>
    </message>
    <message>
        <source>Sun over it</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Least altitude of the Sun over the feature</source>
        <translation>Hauteur minimale du Soleil au-dessus de la formation</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Greatest altitude of the Sun over the feature (low-angle relief)</source>
        <translation>Hauteur maximale du Soleil au-dessus de la formation (relief sous lumière rasante)</translation>
    </message>
    <message>
        <source>Moon at least</source>
        <translation>Lune au moins</translation>
    </message>
    <message>
        <source>Least altitude of the Moon above your horizon</source>
        <translation>Hauteur minimale de la Lune au-dessus de votre horizon</translation>
    </message>
    <message>
        <source>Civil dark (Sun -6°)</source>
        <translation>Nuit civile (Soleil -6°)</translation>
    </message>
    <message>
        <source>Nautical dark (Sun -12°)</source>
        <translation>Nuit nautique (Soleil -12°)</translation>
    </message>
    <message>
        <source>Astronomical dark (Sun -18°)</source>
        <translation>Nuit astronomique (Soleil -18°)</translation>
    </message>
    <message>
        <source>How dark your sky must be</source>
        <translation>Le degré d’obscurité que doit avoir votre ciel</translation>
    </message>
    <message>
        <source> months</source>
        <translation> mois</translation>
    </message>
    <message>
        <source>Months searched from the month shown</source>
        <translation>Mois cherchés à partir du mois affiché</translation>
    </message>
    <message>
        <source>Night of</source>
        <translation>Nuit du</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Print the list</source>
        <translation>Imprimer la liste</translation>
    </message>
    <message>
        <source>Save iCalendar</source>
        <translation>Enregistrer iCalendar</translation>
    </message>
    <message>
        <source>Save the windows as calendar events</source>
        <translation>Enregistrer les fenêtres comme événements d’agenda</translation>
    </message>
    <message>
        <source>%1   longitude %2°, latitude %3°   from %4 %5</source>
        <translation>%1   longitude %2°, latitude %3°   depuis %4 %5</translation>
    </message>
    <message>
        <source>The least altitude must be below the greatest.</source>
        <translation>La hauteur minimale doit être inférieure à la hauteur maximale.</translation>
    </message>
    <message>
        <source>No window in these months: try a wider band or a lower Moon.</source>
        <translation>Aucune fenêtre dans ces mois: essayez une bande plus large ou une Lune plus basse.</translation>
    </message>
    <message numerus="yes">
        <source>%n window(s)</source>
        <translation>
            <numerusform>%n fenêtre</numerusform>
            <numerusform>%n fenêtres</numerusform>
        </translation>
    </message>
    <message>
        <source>Good nights for %1 (Cresselle)</source>
        <translation>Nuits propices pour %1 (Cresselle)</translation>
    </message>
    <message>
        <source>Save the good nights as a calendar</source>
        <translation>Enregistrer les nuits propices dans un calendrier</translation>
    </message>
    <message>
        <source>Cresselle Good Nights %1.ics</source>
        <translation>Cresselle Nuits propices %1.ics</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Fichiers iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>The calendar could not be saved in &quot;%1&quot;: %2</source>
        <translation>Le calendrier n’a pas pu être enregistré dans «&#xa0;%1&#xa0;»: %2</translation>
    </message>
    <message>
        <source>Good Nights %1</source>
        <translation>Nuits propices %1</translation>
    </message>
    <message>
        <source>Sun %1° to %2° over the feature, Moon at least %3° high, Sun below %4° here</source>
        <translation>Soleil de %1° à %2° au-dessus de la formation, Lune à au moins %3° de hauteur, Soleil sous %4° ici</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <source>Print Calendar for Month</source>
        <translation>Imprimer le calendrier du mois</translation>
    </message>
    <message>
        <source>Switch between view as seen through Binoculars or a Telescope</source>
        <translation>Basculer entre la vue aux jumelles et la vue au télescope</translation>
    </message>
    <message>
        <source>Display Moon/Sun Rise/Set times and Twilight times for month</source>
        <translation>Afficher les heures de lever/coucher de la Lune et du Soleil et les crépuscules du mois</translation>
    </message>
    <message>
        <source>Display links to Lunar Internet Sites</source>
        <translation>Afficher les liens vers des sites Internet lunaires</translation>
    </message>
    <message>
        <source>Change the time within Cresselle</source>
        <translation>Changer l’heure dans Cresselle</translation>
    </message>
    <message>
        <source>Display menu showing Report options</source>
        <translation>Afficher le menu des rapports</translation>
    </message>
    <message>
        <source>Display circumstances of Lunar Eclipse occurring this month</source>
        <translation>Afficher les circonstances de l’éclipse de Lune de ce mois</translation>
    </message>
    <message>
        <source>Display tonight&apos;s Moon and Sun altitudes (G)</source>
        <translation>Afficher les hauteurs de la Lune et du Soleil cette nuit (G)</translation>
    </message>
    <message>
        <source>Switch night mode on or off (N)</source>
        <translation>Activer ou désactiver le mode nuit (N)</translation>
    </message>
    <message>
        <source>Moon news and observing guides from NASA (moon.nasa.gov)</source>
        <translation>Actualités lunaires et guides d’observation de la NASA (moon.nasa.gov)</translation>
    </message>
    <message>
        <source>Change configuration parameters</source>
        <translation>Modifier les paramètres de configuration</translation>
    </message>
    <message>
        <source>Display online help</source>
        <translation>Afficher l’aide en ligne</translation>
    </message>
    <message>
        <source>Display version information</source>
        <translation>Afficher les informations de version</translation>
    </message>
    <message>
        <source>Minimize Cresselle</source>
        <translation>Réduire Cresselle</translation>
    </message>
    <message>
        <source>Exit Cresselle</source>
        <translation>Quitter Cresselle</translation>
    </message>
    <message>
        <source>Previous month (Page Up; Ctrl+Page Up: year)</source>
        <translation>Mois précédent (Pg préc; Ctrl+Pg préc: année)</translation>
    </message>
    <message>
        <source>Next month (Page Down; Ctrl+Page Down: year)</source>
        <translation>Mois suivant (Pg suiv; Ctrl+Pg suiv: année)</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd’hui</translation>
    </message>
    <message>
        <source>Please type a year from 1 to 9999.</source>
        <translation>Veuillez taper une année de 1 à 9999.</translation>
    </message>
    <message>
        <source>2024-03-15 or 15 March 2024</source>
        <translation>2024-03-15 ou 15 mars 2024</translation>
    </message>
    <message>
        <source>Go to date: type a date, then Enter (Escape closes)</source>
        <translation>Aller à la date: tapez une date, puis Entrée (Échap ferme)</translation>
    </message>
    <message>
        <source>Go to date</source>
        <translation>Aller à la date</translation>
    </message>
    <message>
        <source>Visible:</source>
        <translation>Éclairée:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Âge:</translation>
    </message>
    <message>
        <source>Distance:</source>
        <translation>Distance:</translation>
    </message>
    <message>
        <source>R.A.:</source>
        <translation>A.D.:</translation>
    </message>
    <message>
        <source>Dec.:</source>
        <translation>Déc.:</translation>
    </message>
    <message>
        <source>Parallax:</source>
        <translation>Parallaxe:</translation>
    </message>
    <message>
        <source>Diameter:</source>
        <translation>Diamètre:</translation>
    </message>
    <message>
        <source>Apogee:</source>
        <translation>Apogée:</translation>
    </message>
    <message>
        <source>Perigee:</source>
        <translation>Périgée:</translation>
    </message>
    <message>
        <source>Sunrise:</source>
        <translation>Lever:</translation>
    </message>
    <message>
        <source>Transit:</source>
        <translation>Passage:</translation>
    </message>
    <message>
        <source>Sunset:</source>
        <translation>Coucher:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Civil:</source>
        <translation>Civil:</translation>
    </message>
    <message>
        <source>Nautical:</source>
        <translation>Nautique:</translation>
    </message>
    <message>
        <source>Astronomical:</source>
        <translation>Astronomique:</translation>
    </message>
    <message>
        <source>Az.:</source>
        <translation>Az.:</translation>
    </message>
    <message>
        <source>Alt.:</source>
        <translation>Ht.:</translation>
    </message>
    <message>
        <source>Switch between the Moon&apos;s position and its librations</source>
        <translation>Basculer entre la position de la Lune et ses librations</translation>
    </message>
    <message>
        <source>LST: </source>
        <translation>TSL: </translation>
    </message>
    <message>
        <source>d</source>
        <translation>j</translation>
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
        <translation>Heure:</translation>
    </message>
    <message>
        <source>Zone:</source>
        <translation>Fuseau:</translation>
    </message>
    <message>
        <source>Phase:</source>
        <translation>Phase:</translation>
    </message>
    <message>
        <source>Moon %1</source>
        <translation>Lune %1</translation>
    </message>
    <message>
        <source>Sun transit:</source>
        <translation>Passage du Soleil:</translation>
    </message>
    <message>
        <source>Sun Az.:</source>
        <translation>Az. Soleil:</translation>
    </message>
    <message>
        <source>Sun Alt.:</source>
        <translation>Ht. Soleil:</translation>
    </message>
    <message>
        <source>Sun R.A.:</source>
        <translation>A.D. Soleil:</translation>
    </message>
    <message>
        <source>Sun Dec.:</source>
        <translation>Déc. Soleil:</translation>
    </message>
    <message>
        <source>Civil twilight:</source>
        <translation>Crépuscule civil:</translation>
    </message>
    <message>
        <source>Nautical twilight:</source>
        <translation>Crépuscule nautique:</translation>
    </message>
    <message>
        <source>Astronomical twilight:</source>
        <translation>Crépuscule astronomique:</translation>
    </message>
    <message>
        <source>New Moon:</source>
        <translation>Nouvelle lune:</translation>
    </message>
    <message>
        <source>Last Quarter:</source>
        <translation>Dernier quartier:</translation>
    </message>
    <message>
        <source>Full Moon:</source>
        <translation>Pleine lune:</translation>
    </message>
    <message>
        <source>First Quarter:</source>
        <translation>Premier quartier:</translation>
    </message>
    <message>
        <source>Moonrise:</source>
        <translation>Lever:</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Coucher</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Nouvelle lune</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Premier quartier</translation>
    </message>
    <message>
        <source>Blue Moon</source>
        <translation>Lune bleue</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Pleine lune</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Dernier quartier</translation>
    </message>
    <message>
        <source>P.A.:</source>
        <translation>A.P.:</translation>
    </message>
    <message>
        <source>Ph.A:</source>
        <translation>A.ph:</translation>
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
        <translation>APA:</translation>
    </message>
    <message>
        <source>Selenographic CoLongitude of the Sun</source>
        <translation>Colongitude sélénographique du Soleil</translation>
    </message>
    <message>
        <source>Moon&apos;s topocentric libration in longitude</source>
        <translation>Libration topocentrique de la Lune en longitude</translation>
    </message>
    <message>
        <source>Moon&apos;s topocentric libration in latitude</source>
        <translation>Libration topocentrique de la Lune en latitude</translation>
    </message>
    <message>
        <source>Position angle of Moon&apos;s axis of rotation</source>
        <translation>Angle de position de l’axe de rotation de la Lune</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinit.</translation>
    </message>
    <message>
        <source>%1h %2m %3s</source>
        <translation>%1h %2m %3s</translation>
    </message>
    <message>
        <source>%1 days %2 hours %3 minutes</source>
        <translation>%1 jours %2 heures %3 minutes</translation>
    </message>
    <message>
        <source>Moon drawing: %1, %2 lit</source>
        <translation>Dessin de la Lune: %1, %2 éclairée</translation>
    </message>
    <message>
        <source>Visible </source>
        <translation>Éclairée </translation>
    </message>
    <message>
        <source>Age </source>
        <translation>Âge </translation>
    </message>
    <message>
        <source>Distance %1 km</source>
        <translation>Distance %1 km</translation>
    </message>
    <message>
        <source>Right ascension </source>
        <translation>Ascension droite </translation>
    </message>
    <message>
        <source>Declination </source>
        <translation>Déclinaison </translation>
    </message>
    <message>
        <source>Parallax </source>
        <translation>Parallaxe </translation>
    </message>
    <message>
        <source>Diameter </source>
        <translation>Diamètre </translation>
    </message>
    <message>
        <source>Apogee %1, %2</source>
        <translation>Apogée %1, %2</translation>
    </message>
    <message>
        <source>Perigee %1, %2</source>
        <translation>Périgée %1, %2</translation>
    </message>
    <message>
        <source>Moon&apos;s azimuth</source>
        <translation>Azimut de la Lune</translation>
    </message>
    <message>
        <source>Moon&apos;s altitude</source>
        <translation>Hauteur de la Lune</translation>
    </message>
    <message>
        <source>Position angle of the bright limb</source>
        <translation>Angle de position du limbe éclairé</translation>
    </message>
    <message>
        <source>Phase angle</source>
        <translation>Angle de phase</translation>
    </message>
    <message>
        <source>Sun&apos;s selenographic colongitude</source>
        <translation>Colongitude sélénographique du Soleil</translation>
    </message>
    <message>
        <source>Libration in longitude</source>
        <translation>Libration en longitude</translation>
    </message>
    <message>
        <source>Libration in latitude</source>
        <translation>Libration en latitude</translation>
    </message>
    <message>
        <source>Position angle of the Moon&apos;s axis</source>
        <translation>Angle de position de l’axe de la Lune</translation>
    </message>
    <message>
        <source>Sun&apos;s azimuth </source>
        <translation>Azimut du Soleil </translation>
    </message>
    <message>
        <source>Sun&apos;s altitude </source>
        <translation>Hauteur du Soleil </translation>
    </message>
    <message>
        <source>Sun&apos;s right ascension </source>
        <translation>Ascension droite du Soleil </translation>
    </message>
    <message>
        <source>Sun&apos;s declination </source>
        <translation>Déclinaison du Soleil </translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Lever du Soleil</translation>
    </message>
    <message>
        <source>Sun&apos;s transit</source>
        <translation>Passage du Soleil</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Coucher du Soleil</translation>
    </message>
    <message>
        <source>Civil twilight starts</source>
        <translation>Début du crépuscule civil</translation>
    </message>
    <message>
        <source>Civil twilight ends</source>
        <translation>Fin du crépuscule civil</translation>
    </message>
    <message>
        <source>Nautical twilight starts</source>
        <translation>Début du crépuscule nautique</translation>
    </message>
    <message>
        <source>Nautical twilight ends</source>
        <translation>Fin du crépuscule nautique</translation>
    </message>
    <message>
        <source>Astronomical twilight starts</source>
        <translation>Début du crépuscule astronomique</translation>
    </message>
    <message>
        <source>Astronomical twilight ends</source>
        <translation>Fin du crépuscule astronomique</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4</source>
        <translation>%1 %2 %3 %4</translation>
    </message>
    <message>
        <source>, selected</source>
        <translation>, sélectionné</translation>
    </message>
    <message>
        <source>, today</source>
        <translation>, aujourd’hui</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Crépuscule</translation>
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
        <translation>Mois</translation>
    </message>
</context>
<context>
    <name>TMonthlyPhases</name>
    <message>
        <source>Monthly Phases</source>
        <translation>Phases du mois</translation>
    </message>
    <message>
        <source>Save image to disk</source>
        <translation>Enregistrer l’image sur le disque</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;: %2</source>
        <translation>L’image n’a pas pu être enregistrée sous «&#xa0;%1&#xa0;»: %2</translation>
    </message>
</context>
<context>
    <name>TNightEvent</name>
    <message>
        <source>Sunset</source>
        <translation>Coucher du Soleil</translation>
    </message>
    <message>
        <source>Civil dusk</source>
        <translation>Crépuscule civil</translation>
    </message>
    <message>
        <source>Nautical dusk</source>
        <translation>Crépuscule nautique</translation>
    </message>
    <message>
        <source>Astronomical dusk</source>
        <translation>Crépuscule astronomique</translation>
    </message>
    <message>
        <source>Astronomical dawn</source>
        <translation>Aube astronomique</translation>
    </message>
    <message>
        <source>Nautical dawn</source>
        <translation>Aube nautique</translation>
    </message>
    <message>
        <source>Civil dawn</source>
        <translation>Aube civile</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Lever du Soleil</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Lever de la Lune</translation>
    </message>
    <message>
        <source>Moon transit</source>
        <translation>Lune au méridien</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Coucher de la Lune</translation>
    </message>
</context>
<context>
    <name>TObservingAid</name>
    <message>
        <source>Observing Aid</source>
        <translation>Aide à l’observation</translation>
    </message>
    <message>
        <source>Minimize Cresselle</source>
        <translation>Réduire Cresselle</translation>
    </message>
    <message>
        <source>Exit Cresselle</source>
        <translation>Quitter Cresselle</translation>
    </message>
    <message>
        <source>Print this diagram</source>
        <translation>Imprimer ce diagramme</translation>
    </message>
    <message>
        <source>Toggle between Daytime and Nighttime view</source>
        <translation>Basculer entre la vue de jour et la vue de nuit</translation>
    </message>
    <message>
        <source>Toggle grid on and off</source>
        <translation>Afficher ou masquer la grille</translation>
    </message>
</context>
<context>
    <name>TPrintOptions</name>
    <message>
        <source>Print Options</source>
        <translation>Options d’impression</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Daily Phases</source>
        <translation>Phases quotidiennes</translation>
    </message>
    <message>
        <source>Major Phases</source>
        <translation>Phases principales</translation>
    </message>
    <message>
        <source>Moon&apos;s Rise/Transit/Set Times</source>
        <translation>Lever/passage/coucher de la Lune</translation>
    </message>
    <message>
        <source>Sun&apos;s Rise/Transit/Set Times</source>
        <translation>Lever/passage/coucher du Soleil</translation>
    </message>
    <message>
        <source>Daily Phase Density:</source>
        <translation>Densité des phases:</translation>
    </message>
    <message>
        <source>Close without printing (Escape)</source>
        <translation>Fermer sans imprimer (Échap)</translation>
    </message>
</context>
<context>
    <name>TReportMenu</name>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Lunar Visibility</source>
        <translation>Visibilité de la Lune</translation>
    </message>
    <message>
        <source>Find Lunar Eclipses</source>
        <translation>Rechercher les éclipses de Lune</translation>
    </message>
    <message>
        <source>Display Phases for Month</source>
        <translation>Afficher les phases du mois</translation>
    </message>
    <message>
        <source>Lunar Features Sunrise/Sunset Times</source>
        <translation>Lever/coucher du Soleil sur les formations</translation>
    </message>
    <message>
        <source>Equinox and Solstice Information</source>
        <translation>Équinoxes et solstices</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>Dimanche de Pâques</translation>
    </message>
    <message>
        <source>Tonight: Moon and Sun Altitudes</source>
        <translation>Cette nuit: hauteurs de la Lune et du Soleil</translation>
    </message>
    <message>
        <source>Save the Year&apos;s Events to a Calendar</source>
        <translation>Enregistrer l’année dans un calendrier</translation>
    </message>
    <message>
        <source>Save the year&apos;s events</source>
        <translation>Enregistrer les événements de l’année</translation>
    </message>
    <message>
        <source>Moon %1.ics</source>
        <translation>Lune %1.ics</translation>
    </message>
    <message>
        <source>iCalendar (*.ics)</source>
        <translation>iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>The calendar could not be saved as &quot;%1&quot;: %2</source>
        <translation>Le calendrier n’a pas pu être enregistré sous «&#xa0;%1&#xa0;»: %2</translation>
    </message>
</context>
<context>
    <name>TTimesList</name>
    <message>
        <source>Moon rise %1</source>
        <translation>Lever de la Lune %1</translation>
    </message>
    <message>
        <source>Moon set %1</source>
        <translation>Coucher de la Lune %1</translation>
    </message>
    <message>
        <source>Sun rise %1</source>
        <translation>Lever du Soleil %1</translation>
    </message>
    <message>
        <source>Sun set %1</source>
        <translation>Coucher du Soleil %1</translation>
    </message>
    <message>
        <source>Civil twilight start %1</source>
        <translation>Début du crépuscule civil %1</translation>
    </message>
    <message>
        <source>Civil twilight end %1</source>
        <translation>Fin du crépuscule civil %1</translation>
    </message>
    <message>
        <source>Nautical twilight start %1</source>
        <translation>Début du crépuscule nautique %1</translation>
    </message>
    <message>
        <source>Nautical twilight end %1</source>
        <translation>Fin du crépuscule nautique %1</translation>
    </message>
    <message>
        <source>Astronomical twilight start %1</source>
        <translation>Début du crépuscule astronomique %1</translation>
    </message>
    <message>
        <source>Astronomical twilight end %1</source>
        <translation>Fin du crépuscule astronomique %1</translation>
    </message>
    <message>
        <source>Up / Down: above / below the level all day   +: a second one that day</source>
        <translation>Levé / Couché: au-dessus / au-dessous du niveau toute la journée   +: un second le même jour</translation>
    </message>
    <message>
        <source>Date	Moonrise	Moon transit	Moonset	Illuminated	Astronomical start	Nautical start	Civil start	Sunrise	Sun transit	Sunset	Civil end	Nautical end	Astronomical end</source>
        <translation>Date	Lever de la Lune	Passage de la Lune	Coucher de la Lune	Éclairement	Début astronomique	Début nautique	Début civil	Lever du Soleil	Passage du Soleil	Coucher du Soleil	Fin civile	Fin nautique	Fin astronomique</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Lever</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Couch.</translation>
    </message>
    <message>
        <source>Illum</source>
        <translation>Écl.</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Crépuscule</translation>
    </message>
    <message>
        <source>Civil</source>
        <translation>Civil</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Rise / Set Times</source>
        <translation>Heures de lever et de coucher</translation>
    </message>
    <message>
        <source>LST at</source>
        <translation>TSL à</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>minuit</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>Passage</translation>
    </message>
    <message>
        <source>illum</source>
        <translation>écl.</translation>
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
        <translation>Heures de lever et de coucher</translation>
    </message>
    <message>
        <source>Send the information on this screen to the printer</source>
        <translation>Envoyer les informations de cet écran à l’imprimante</translation>
    </message>
    <message>
        <source>Scroll information up on screen</source>
        <translation>Faire défiler les informations vers le haut</translation>
    </message>
    <message>
        <source>Scroll information down on screen</source>
        <translation>Faire défiler les informations vers le bas</translation>
    </message>
    <message>
        <source>Minimise this window</source>
        <translation>Réduire cette fenêtre</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Fermer cette fenêtre</translation>
    </message>
    <message>
        <source>: no such day here</source>
        <translation>: ce jour n’existe pas ici</translation>
    </message>
    <message>
        <source>%1: moonrise %2, Moon&apos;s transit %3, moonset %4, %5% lit; astronomical dawn %6, nautical dawn %7, civil dawn %8, sunrise %9, Sun&apos;s transit %10, sunset %11, civil dusk %12, nautical dusk %13, astronomical dusk %14</source>
        <translation>%1: lever de la Lune %2, passage de la Lune %3, coucher de la Lune %4, éclairée à %5%; aube astronomique %6, aube nautique %7, aube civile %8, lever du Soleil %9, passage du Soleil %10, coucher du Soleil %11, crépuscule civil %12, crépuscule nautique %13, crépuscule astronomique %14</translation>
    </message>
    <message>
        <source>No such day here: the clocks of %1 skipped it</source>
        <translation>Ce jour n’existe pas ici: les horloges de %1 l’ont sauté</translation>
    </message>
    <message>
        <source>Also that day: %1</source>
        <translation>Aussi ce jour-là: %1</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Heures</translation>
    </message>
    <message>
        <source>.   Second events: %1</source>
        <translation>.   Seconds événements: %1</translation>
    </message>
</context>
<context>
    <name>TWebMenu</name>
    <message>
        <source>Lunar Links</source>
        <translation>Liens lunaires</translation>
    </message>
    <message>
        <source>Lunar Resources</source>
        <translation>Ressources lunaires</translation>
    </message>
    <message>
        <source>Lunar Missions</source>
        <translation>Missions lunaires</translation>
    </message>
</context>
<context>
    <name>Zone</name>
    <message>
        <source>UT</source>
        <extracomment>Universal Time as a zone&apos;s caption begins with it (&quot;UT+01:00&quot;)</extracomment>
        <translation>TU</translation>
    </message>
</context>
</TS>
