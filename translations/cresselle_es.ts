<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>Calendar</name>
    <message>
        <source>%1 in low sunlight</source>
        <translation>%1 con luz solar rasante</translation>
    </message>
    <message>
        <source>Sun %1 over %2 and the Moon %3 high at the middle of the window.
Conditions: Sun %4 to %5 over the feature, Moon at least %6 high, Sun below %7 here.</source>
        <translation>Sol a %1 sobre %2 y Luna a %3 de altura en el punto medio del intervalo.
Condiciones: Sol de %4 a %5 sobre la formación, Luna al menos a %6 de altura, Sol por debajo de %7 aquí.</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Luna nueva</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Cuarto creciente</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Luna llena</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Cuarto menguante</translation>
    </message>
    <message>
        <source>Moon Phase</source>
        <translation>Fase lunar</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Partially Visible</source>
        <translation>Parcialmente visible</translation>
    </message>
    <message>
        <source>Not Visible</source>
        <translation>No visible</translation>
    </message>
    <message>
        <source>Penumbral Lunar Eclipse</source>
        <translation>Eclipse lunar penumbral</translation>
    </message>
    <message>
        <source>Partial Lunar Eclipse</source>
        <translation>Eclipse lunar parcial</translation>
    </message>
    <message>
        <source>Total Lunar Eclipse</source>
        <translation>Eclipse lunar total</translation>
    </message>
    <message>
        <source>Maximum %1 UT</source>
        <translation>Máximo %1 TU</translation>
    </message>
    <message>
        <source>Penumbra %1 - %2 UT</source>
        <translation>Penumbra %1 - %2 TU</translation>
    </message>
    <message>
        <source>Umbra %1 - %2 UT</source>
        <translation>Umbra %1 - %2 TU</translation>
    </message>
    <message>
        <source>Totality %1 - %2 UT</source>
        <translation>Totalidad %1 - %2 TU</translation>
    </message>
    <message>
        <source>Umbral magnitude %1, penumbral magnitude %2</source>
        <translation>Magnitud umbral %1, magnitud penumbral %2</translation>
    </message>
    <message>
        <source>From the observer&apos;s place: %1</source>
        <translation>Desde el lugar del observador: %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 el %2</translation>
    </message>
    <message>
        <source>Perigee</source>
        <translation>Perigeo</translation>
    </message>
    <message>
        <source>Apogee</source>
        <translation>Apogeo</translation>
    </message>
    <message>
        <source>%1 at %2, distance %3</source>
        <translation>%1 el %2, distancia %3</translation>
    </message>
    <message>
        <source>March Equinox</source>
        <translation>Equinoccio de marzo</translation>
    </message>
    <message>
        <source>June Solstice</source>
        <translation>Solsticio de junio</translation>
    </message>
    <message>
        <source>September Equinox</source>
        <translation>Equinoccio de septiembre</translation>
    </message>
    <message>
        <source>December Solstice</source>
        <translation>Solsticio de diciembre</translation>
    </message>
    <message>
        <source>Moon %1 (Cresselle)</source>
        <translation>Luna %1 (Cresselle)</translation>
    </message>
</context>
<context>
    <name>EngineText</name>
    <message>
        <source>New Moon</source>
        <translation>Luna nueva</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Cuarto creciente</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Luna llena</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Cuarto menguante</translation>
    </message>
    <message>
        <source>Waxing Crescent</source>
        <translation>Luna creciente</translation>
    </message>
    <message>
        <source>Waxing Gibbous</source>
        <translation>Gibosa creciente</translation>
    </message>
    <message>
        <source>Waning Gibbous</source>
        <translation>Gibosa menguante</translation>
    </message>
    <message>
        <source>Waning Crescent</source>
        <translation>Luna menguante</translation>
    </message>
    <message>
        <source>Full (Wolf) Moon</source>
        <translation>Luna llena del Lobo</translation>
    </message>
    <message>
        <source>Full (Snow) Moon</source>
        <translation>Luna llena de Nieve</translation>
    </message>
    <message>
        <source>Full (Worm) Moon</source>
        <translation>Luna llena del Gusano</translation>
    </message>
    <message>
        <source>Full (Pink) Moon</source>
        <translation>Luna llena Rosa</translation>
    </message>
    <message>
        <source>Full (Flower) Moon</source>
        <translation>Luna llena de las Flores</translation>
    </message>
    <message>
        <source>Full (Strawberry) Moon</source>
        <translation>Luna llena de la Fresa</translation>
    </message>
    <message>
        <source>Full (Buck) Moon</source>
        <translation>Luna llena del Ciervo</translation>
    </message>
    <message>
        <source>Full (Sturgeon) Moon</source>
        <translation>Luna llena del Esturión</translation>
    </message>
    <message>
        <source>Full (Harvest) Moon</source>
        <translation>Luna llena de la Cosecha</translation>
    </message>
    <message>
        <source>Full (Hunter&apos;s) Moon</source>
        <translation>Luna llena del Cazador</translation>
    </message>
    <message>
        <source>Full (Beaver) Moon</source>
        <translation>Luna llena del Castor</translation>
    </message>
    <message>
        <source>Full (Cold) Moon</source>
        <translation>Luna llena Fría</translation>
    </message>
    <message>
        <source>Full (Blue) Moon</source>
        <translation>Luna llena azul</translation>
    </message>
    <message>
        <source>Penumbral Eclipse</source>
        <translation>Eclipse penumbral</translation>
    </message>
    <message>
        <source>Partial Eclipse</source>
        <translation>Eclipse parcial</translation>
    </message>
    <message>
        <source>Total Eclipse</source>
        <translation>Eclipse total</translation>
    </message>
    <message>
        <source>Visible</source>
        <translation>Visible</translation>
    </message>
    <message>
        <source>Partially Visible</source>
        <translation>Parcialmente visible</translation>
    </message>
    <message>
        <source>Not Visible</source>
        <translation>No visible</translation>
    </message>
    <message>
        <source>None</source>
        <translation>No hay</translation>
    </message>
    <message>
        <source>Outside years 1-9999</source>
        <translation>Fuera de los años 1-9999</translation>
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
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
</context>
<context>
    <name>Platform</name>
    <message>
        <source>Save printout as PDF</source>
        <translation>Guardar la impresión como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; already exists.
Do you want to replace it?</source>
        <translation>«%1» ya existe.
¿Desea sustituirlo?</translation>
    </message>
    <message>
        <source>the page</source>
        <translation>la página</translation>
    </message>
    <message>
        <source>the address</source>
        <translation>la dirección</translation>
    </message>
    <message>
        <source>Nothing on this system could open %1

%2

Copy it to the clipboard, to open it yourself?</source>
        <translation>Nada en este sistema pudo abrir %1

%2

¿Copiarla al portapapeles para abrirla usted mismo?</translation>
    </message>
</context>
<context>
    <name>Print</name>
    <message>
        <source>Latitude:</source>
        <translation>Latitud:</translation>
    </message>
    <message>
        <source>Zone:</source>
        <translation>Zona:</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sur</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Este</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitud:</translation>
    </message>
    <message>
        <source>Printed by %1, lunar almanac</source>
        <translation>Impreso por %1, almanaque lunar</translation>
    </message>
</context>
<context>
    <name>PrintCalendar</name>
    <message>
        <source>TR:</source>
        <translation>TR:</translation>
    </message>
    <message>
        <source>MR:</source>
        <translation>SL:</translation>
    </message>
    <message>
        <source>MS</source>
        <translation>PL</translation>
    </message>
    <message>
        <source>SR:</source>
        <translation>SS:</translation>
    </message>
    <message>
        <source>SS:</source>
        <translation>PS:</translation>
    </message>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>Sent to %1</source>
        <translation>Enviado a %1</translation>
    </message>
    <message>
        <source>PDF &quot;%1&quot;</source>
        <translation>PDF «%1»</translation>
    </message>
    <message>
        <source>the printer &quot;%1&quot;</source>
        <translation>la impresora «%1»</translation>
    </message>
    <message>
        <source>the printout was not written completely</source>
        <translation>la impresión no se escribió completa</translation>
    </message>
    <message>
        <source>The printer reported an error and the printout was abandoned.

Printer: %1</source>
        <translation>La impresora informó de un error y se abandonó la impresión.

Impresora: %1</translation>
    </message>
    <message>
        <source>The printout could not be saved as &quot;%1&quot;: %2</source>
        <translation>No se pudo guardar la impresión como «%1»: %2</translation>
    </message>
</context>
<context>
    <name>SettingsStore</name>
    <message>
        <source>the system gave no reason</source>
        <translation>el sistema no dio ningún motivo</translation>
    </message>
    <message>
        <source>the disk is read-only</source>
        <translation>el disco es de solo lectura</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>the folder may not be written</source>
        <translation>no se permite escribir en la carpeta</translation>
    </message>
    <message>
        <source>the system refused the write</source>
        <translation>el sistema rechazó la escritura</translation>
    </message>
    <message>
        <source>the file cannot be read (%1)</source>
        <translation>no se puede leer el archivo (%1)</translation>
    </message>
    <message>
        <source>no check copy can be written beside it (%1)</source>
        <translation>no se puede escribir una copia de comprobación a su lado (%1)</translation>
    </message>
    <message>
        <source>the file cannot be read</source>
        <translation>no se puede leer el archivo</translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; was damaged. Its readable values were kept, the others were reset to their defaults; the damaged file was kept as &quot;%2&quot;.</source>
        <translation>El archivo de ajustes «%1» estaba dañado. Se conservaron sus valores legibles y los demás volvieron a sus valores predeterminados; el archivo dañado se guardó como «%2».</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be written (%2)</source>
        <translation>no se puede escribir en la carpeta «%1» (%2)</translation>
    </message>
    <message>
        <source>the file could not be written in full (%1)</source>
        <translation>no se pudo escribir el archivo completo (%1)</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>another program is saving the settings</source>
        <translation>otro programa está guardando los ajustes</translation>
    </message>
    <message>
        <source>the file could not be written (%1)</source>
        <translation>no se pudo escribir el archivo (%1)</translation>
    </message>
    <message>
        <source>the registry key could not be written</source>
        <translation>no se pudo escribir la clave del registro</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be created (%2)</source>
        <translation>no se puede crear la carpeta «%1» (%2)</translation>
    </message>
    <message>
        <source>The zone &quot;%1&quot; in the settings is not known to this system; the fixed offset from UT is used instead.</source>
        <translation>Este sistema no conoce la zona «%1» de los ajustes; se usa en su lugar el desfase fijo respecto a TU.</translation>
    </message>
    <message>
        <source>These stored settings could not be used and were reset: %1.</source>
        <translation>Estos ajustes guardados no se pudieron usar y se restablecieron: %1.</translation>
    </message>
    <message>
        <source>The settings could not be saved in &quot;%1&quot;. The new values apply until the program ends.</source>
        <translation>No se pudieron guardar los ajustes en «%1». Los nuevos valores se aplican hasta que termine el programa.</translation>
    </message>
    <message>
        <source>The settings could not be saved in &quot;%1&quot;: %2. The new values apply until the program ends.</source>
        <translation>No se pudieron guardar los ajustes en «%1»: %2. Los nuevos valores se aplican hasta que termine el programa.</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <source>the shipped file could not be read whole</source>
        <translation>no se pudo leer entero el archivo instalado</translation>
    </message>
    <message>
        <source>The working folder &quot;%1&quot; cannot be used: %2. The lunar features database and the help page are not available, and nothing is saved in their place.</source>
        <translation>No se puede usar la carpeta de trabajo «%1»: %2. La base de datos de formaciones lunares y la página de ayuda no están disponibles, y no se guarda nada en su lugar.</translation>
    </message>
    <message>
        <source>the system names no data folder</source>
        <translation>el sistema no indica ninguna carpeta de datos</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>it cannot be entered</source>
        <translation>no se puede entrar en ella</translation>
    </message>
    <message>
        <source>These shipped files could not be copied into the working folder &quot;%1&quot;:
%2
The next start tries again.</source>
        <translation>Estos archivos instalados no se pudieron copiar en la carpeta de trabajo «%1»:
%2
El próximo inicio lo intentará de nuevo.</translation>
    </message>
</context>
<context>
    <name>TAbout</name>
    <message>
        <source>About Cresselle</source>
        <translation>Acerca de Cresselle</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Version 2.50</source>
        <translation>Versión 2.50</translation>
    </message>
    <message>
        <source>Moon phases and lunar ephemeris</source>
        <translation>Fases de la Luna y efemérides lunares</translation>
    </message>
    <message>
        <source>Moon map: USGS Astrogeology and Clementine data</source>
        <translation>Mapa lunar: USGS Astrogeology y datos de Clementine</translation>
    </message>
    <message>
        <source>(public domain)</source>
        <translation>(dominio público)</translation>
    </message>
</context>
<context>
    <name>TAltitudeGraph</name>
    <message>
        <source>Tonight: Moon and Sun Altitudes</source>
        <translation>Esta noche: alturas de la Luna y el Sol</translation>
    </message>
    <message>
        <source>Night of %1 – %2</source>
        <translation>Noche del %1 al %2</translation>
    </message>
    <message>
        <source>Moon %1% illuminated, %2</source>
        <translation>Luna iluminada al %1%, %2</translation>
    </message>
    <message>
        <source>, altitude </source>
        <translation>, altura </translation>
    </message>
    <message>
        <source>No rise, set or twilight this night</source>
        <translation>Ni salidas, ni puestas, ni crepúsculos esta noche</translation>
    </message>
    <message>
        <source>Minimize Cresselle</source>
        <translation>Minimizar Cresselle</translation>
    </message>
    <message>
        <source>Exit Cresselle</source>
        <translation>Salir de Cresselle</translation>
    </message>
    <message>
        <source>Print this graph</source>
        <translation>Imprimir este gráfico</translation>
    </message>
    <message>
        <source>Save this graph as a PNG picture</source>
        <translation>Guardar este gráfico como imagen PNG</translation>
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
        <translation>Alturas</translation>
    </message>
    <message>
        <source>Altitudes %1-%2-%3.png</source>
        <translation>Alturas %1-%2-%3.png</translation>
    </message>
    <message>
        <source>Save the graph</source>
        <translation>Guardar el gráfico</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;: %2</source>
        <translation>No se pudo guardar la imagen como «%1»: %2</translation>
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
        <translation>G</translation>
    </message>
</context>
<context>
    <name>TConfiguration</name>
    <message>
        <source>Sunday - Saturday</source>
        <translation>Domingo - Sábado</translation>
    </message>
    <message>
        <source>Monday - Sunday</source>
        <translation>Lunes - Domingo</translation>
    </message>
    <message>
        <source>Tuesday - Monday</source>
        <translation>Martes - Lunes</translation>
    </message>
    <message>
        <source>Wednesday - Tuesday</source>
        <translation>Miércoles - Martes</translation>
    </message>
    <message>
        <source>Thursday - Wednesday</source>
        <translation>Jueves - Miércoles</translation>
    </message>
    <message>
        <source>Friday - Thursday</source>
        <translation>Viernes - Jueves</translation>
    </message>
    <message>
        <source>Saturday - Friday</source>
        <translation>Sábado - Viernes</translation>
    </message>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Language:</source>
        <translation>Idioma:</translation>
    </message>
    <message>
        <source>The language of the windows, printouts, help page and saved calendars; System follows the system&apos;s language</source>
        <translation>El idioma de las ventanas, las impresiones, la página de ayuda y los calendarios guardados; Sistema sigue el idioma del sistema</translation>
    </message>
    <message>
        <source>A new language takes effect at the next start.</source>
        <translation>El nuevo idioma se aplica al reiniciar.</translation>
    </message>
    <message>
        <source>Latitude:</source>
        <translation>Latitud:</translation>
    </message>
    <message>
        <source>Longitude:</source>
        <translation>Longitud:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Lugar:</translation>
    </message>
    <message>
        <source>Day Order:</source>
        <translation>Semana:</translation>
    </message>
    <message>
        <source>Date Format:</source>
        <translation>Fecha:</translation>
    </message>
    <message>
        <source>Zone:</source>
        <translation>Zona:</translation>
    </message>
    <message>
        <source>Place:</source>
        <translation>Ciudad:</translation>
    </message>
    <message>
        <source>Timezone:</source>
        <translation>Huso:</translation>
    </message>
    <message>
        <source>DST:</source>
        <translation>H.V.:</translation>
    </message>
    <message>
        <source>Latitude degrees</source>
        <translation>Grados de latitud</translation>
    </message>
    <message>
        <source>Latitude minutes</source>
        <translation>Minutos de latitud</translation>
    </message>
    <message>
        <source>Latitude seconds</source>
        <translation>Segundos de latitud</translation>
    </message>
    <message>
        <source>Longitude degrees</source>
        <translation>Grados de longitud</translation>
    </message>
    <message>
        <source>Longitude minutes</source>
        <translation>Minutos de longitud</translation>
    </message>
    <message>
        <source>Longitude seconds</source>
        <translation>Segundos de longitud</translation>
    </message>
    <message>
        <source>Fixed offset (below)</source>
        <translation>Desfase fijo (abajo)</translation>
    </message>
    <message>
        <source>Automatic (%1)</source>
        <translation>Automática (%1)</translation>
    </message>
    <message>
        <source>type a city to search</source>
        <translation>escriba una ciudad</translation>
    </message>
    <message>
        <source>among the %L1 cities known here</source>
        <translation>entre las %L1 ciudades conocidas aquí</translation>
    </message>
    <message>
        <source>among the %L1 principal cities of the zone table (this copy was built without the world&apos;s cities)</source>
        <translation>entre las %L1 ciudades principales de la tabla de zonas (esta copia se compiló sin las ciudades del mundo)</translation>
    </message>
    <message>
        <source>Not found: type the coordinates above</source>
        <translation>No encontrada: escriba las coordenadas</translation>
    </message>
    <message>
        <source>No place named “%1” %2. Type the latitude and longitude above, and choose the zone.</source>
        <translation>Ningún lugar se llama «%1» %2. Escriba arriba la latitud y la longitud y elija la zona.</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sur</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Este</translation>
    </message>
    <message>
        <source>Laser</source>
        <translation>Láser</translation>
    </message>
    <message>
        <source>B/W Inkjet</source>
        <translation>Tinta B/N</translation>
    </message>
    <message>
        <source>Colour Inkjet</source>
        <translation>Tinta color</translation>
    </message>
    <message>
        <source>North or South</source>
        <translation>Norte o Sur</translation>
    </message>
    <message>
        <source>Latitude direction</source>
        <translation>Dirección de la latitud</translation>
    </message>
    <message>
        <source>East or West</source>
        <translation>Este u Oeste</translation>
    </message>
    <message>
        <source>Longitude direction</source>
        <translation>Dirección de la longitud</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>Day order</source>
        <translation>Orden de los días</translation>
    </message>
    <message>
        <source>Date format</source>
        <translation>Formato de fecha</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zona</translation>
    </message>
    <message>
        <source>Place: type a city to search</source>
        <translation>Ciudad: escriba una ciudad para buscarla</translation>
    </message>
    <message>
        <source>Fixed offset from GMT</source>
        <translation>Desfase fijo respecto a GMT</translation>
    </message>
    <message>
        <source>Daylight saving</source>
        <translation>Horario de verano</translation>
    </message>
    <message>
        <source>Laser printer</source>
        <translation>Impresora láser</translation>
    </message>
    <message>
        <source>Black and white inkjet printer</source>
        <translation>Impresora de inyección en blanco y negro</translation>
    </message>
    <message>
        <source>Colour inkjet printer</source>
        <translation>Impresora de inyección en color</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
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
        <translation>%1 debe ser un número de 0 a %2.</translation>
    </message>
    <message>
        <source>The latitude cannot exceed 90°.</source>
        <translation>La latitud no puede pasar de 90°.</translation>
    </message>
    <message>
        <source>The longitude cannot exceed 180°.</source>
        <translation>La longitud no puede pasar de 180°.</translation>
    </message>
    <message>
        <source>first day of the week</source>
        <translation>primer día de la semana</translation>
    </message>
    <message>
        <source>date format</source>
        <translation>formato de fecha</translation>
    </message>
    <message>
        <source>zone</source>
        <translation>zona</translation>
    </message>
    <message>
        <source>offset from UT</source>
        <translation>desfase respecto a TU</translation>
    </message>
    <message>
        <source>The zone &quot;%1&quot; is not known to this system. Choose one from the list (type part of its name to find it).</source>
        <translation>Este sistema no conoce la zona «%1». Elija una de la lista (escriba parte de su nombre para encontrarla).</translation>
    </message>
    <message>
        <source>The %1 &quot;%2&quot; is not one the list offers. Choose one from the list.</source>
        <translation>El valor «%2» de %1 no está en la lista. Elija uno de la lista.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistema</translation>
    </message>
    <message>
        <source>DD/MM/YYYY</source>
        <extracomment>day, month and year as a date layout shows them, in the language&apos;s letters</extracomment>
        <translation>DD/MM/AAAA</translation>
    </message>
    <message>
        <source>MM/DD/YYYY</source>
        <extracomment>month, day and year as a date layout shows them, in the language&apos;s letters</extracomment>
        <translation>MM/DD/AAAA</translation>
    </message>
</context>
<context>
    <name>TDateInfo</name>
    <message>
        <source>Date Information</source>
        <translation>Información de la fecha</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Julian Day:</source>
        <translation>Día juliano:</translation>
    </message>
    <message>
        <source>Day Number:</source>
        <translation>Número de día:</translation>
    </message>
    <message>
        <source>Week Number:</source>
        <translation>Número de semana:</translation>
    </message>
    <message>
        <source>Days Till Xmas:</source>
        <translation>Días hasta Navidad:</translation>
    </message>
</context>
<context>
    <name>TEaster</name>
    <message>
        <source>Easter Sunday</source>
        <translation>Domingo de Pascua</translation>
    </message>
</context>
<context>
    <name>TEclipse</name>
    <message>
        <source>%1th</source>
        <translation>día %1</translation>
    </message>
    <message>
        <source>%1st</source>
        <translation>día %1</translation>
    </message>
    <message>
        <source>%1nd</source>
        <translation>día %1</translation>
    </message>
    <message>
        <source>%1rd</source>
        <translation>día %1</translation>
    </message>
    <message>
        <source>Lunar Eclipse</source>
        <translation>Eclipse lunar</translation>
    </message>
    <message>
        <source>Double-click to show the eclipse&apos;s maximum</source>
        <translation>Doble clic para mostrar el máximo del eclipse</translation>
    </message>
    <message>
        <source>This month holds two eclipses</source>
        <translation>Este mes tiene dos eclipses</translation>
    </message>
    <message>
        <source>Also: </source>
        <translation>También: </translation>
    </message>
    <message>
        <source>Eclipse Maximum:</source>
        <translation>Máximo del eclipse:</translation>
    </message>
    <message>
        <source>Moon enters Penumbra:</source>
        <translation>Entrada en la penumbra:</translation>
    </message>
    <message>
        <source>Moon exits Penumbra:</source>
        <translation>Salida de la penumbra:</translation>
    </message>
    <message>
        <source>Moon enters Umbra:</source>
        <translation>Entrada en la umbra:</translation>
    </message>
    <message>
        <source>Moon exits Umbra:</source>
        <translation>Salida de la umbra:</translation>
    </message>
    <message>
        <source>Start of Totality:</source>
        <translation>Inicio de la totalidad:</translation>
    </message>
    <message>
        <source>End of Totality:</source>
        <translation>Fin de la totalidad:</translation>
    </message>
    <message>
        <source>Eclipse Magnitude:</source>
        <translation>Magnitud del eclipse:</translation>
    </message>
</context>
<context>
    <name>TEclipseReport</name>
    <message>
        <source>Lunar Eclipses</source>
        <translation>Eclipses lunares</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>From:</source>
        <translation>Desde:</translation>
    </message>
    <message>
        <source>To:</source>
        <translation>Al:</translation>
    </message>
    <message>
        <source>Calculate dates of eclipses between the two selected years</source>
        <translation>Calcular las fechas de los eclipses entre los dos años elegidos</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Please enter a year</source>
        <translation>Introduzca un año</translation>
    </message>
    <message>
        <source>Please enter a year from 1 to 9999</source>
        <translation>Introduzca un año del 1 al 9999</translation>
    </message>
    <message>
        <source>The &quot;From&quot; date must be less than the &quot;To&quot; date.</source>
        <translation>El año «Desde» no puede ser posterior al año «Al».</translation>
    </message>
    <message>
        <source>Search cancelled before %1: no eclipses searched.</source>
        <translation>Búsqueda cancelada antes de %1: no se buscó ningún eclipse.</translation>
    </message>
    <message numerus="yes">
        <source>Search cancelled: %n eclipse(s) found from %1 to %2 only.</source>
        <translation>
            <numerusform>Búsqueda cancelada: solo se encontró %n eclipse de %1 a %2.</numerusform>
            <numerusform>Búsqueda cancelada: solo se encontraron %n eclipses de %1 a %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Eclipse	Maximum	Visibility
</source>
        <translation>Eclipse	Máximo	Visibilidad
</translation>
    </message>
    <message>
        <source>Lunar Eclipse Search</source>
        <translation>Búsqueda de eclipses lunares</translation>
    </message>
</context>
<context>
    <name>TEquinox</name>
    <message>
        <source> days</source>
        <translation> días</translation>
    </message>
    <message>
        <source>Equinoxes and Solstices</source>
        <translation>Equinoccios y solsticios</translation>
    </message>
    <message>
        <source>Spring Equinox:</source>
        <translation>Primavera:</translation>
    </message>
    <message>
        <source>Summer Solstice:</source>
        <translation>Verano:</translation>
    </message>
    <message>
        <source>Autumn Equinox:</source>
        <translation>Otoño:</translation>
    </message>
    <message>
        <source>Winter Solstice:</source>
        <translation>Invierno:</translation>
    </message>
</context>
<context>
    <name>TFeatures</name>
    <message>
        <source>No sunrise</source>
        <translation>Sin amanecer</translation>
    </message>
    <message>
        <source>No sunset</source>
        <translation>Sin atardecer</translation>
    </message>
    <message>
        <source>Outside years 1-9999</source>
        <translation>Fuera de los años 1-9999</translation>
    </message>
    <message>
        <source>invalid coordinates</source>
        <translation>coordenadas no válidas</translation>
    </message>
    <message>
        <source>Rise/Set of Lunar Features</source>
        <translation>Salida/puesta del Sol en formaciones lunares</translation>
    </message>
    <message>
        <source>Exit Cresselle</source>
        <translation>Salir de Cresselle</translation>
    </message>
    <message>
        <source>Minimise this window</source>
        <translation>Minimizar esta ventana</translation>
    </message>
    <message>
        <source>Edit the lunar features database</source>
        <translation>Editar la base de datos de formaciones lunares</translation>
    </message>
    <message>
        <source>Feature Name</source>
        <translation>Nombre de la formación</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Amanecer</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Atardecer</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Buscar</translation>
    </message>
    <message>
        <source>Type part of a name: the list jumps to it</source>
        <translation>Escriba parte de un nombre: la lista salta a él</translation>
    </message>
    <message>
        <source>not found</source>
        <translation>no encontrado</translation>
    </message>
    <message>
        <source>Sun now</source>
        <translation>Sol ahora</translation>
    </message>
    <message>
        <source>The Sun&apos;s altitude over each feature at the main window&apos;s instant (↑ morning, ↓ evening). Click: only the features near the terminator</source>
        <translation>La altura del Sol sobre cada formación en el instante de la ventana principal (↑ mañana, ↓ tarde). Clic: solo las formaciones cerca del terminador</translation>
    </message>
    <message>
        <source>Least altitude of the Sun over a feature near the terminator</source>
        <translation>Altura mínima del Sol sobre una formación cerca del terminador</translation>
    </message>
    <message>
        <source>Greatest altitude of the Sun over a feature near the terminator</source>
        <translation>Altura máxima del Sol sobre una formación cerca del terminador</translation>
    </message>
    <message>
        <source>Computing the times %p%</source>
        <translation>Calculando las horas %p%</translation>
    </message>
    <message>
        <source>Order: name</source>
        <translation>Orden: nombre</translation>
    </message>
    <message>
        <source>Order by name or by the next sunrise</source>
        <translation>Ordenar por nombre o por el próximo amanecer</translation>
    </message>
    <message>
        <source>Good nights</source>
        <translation>Noches aptas</translation>
    </message>
    <message>
        <source>The nights the selected feature is in low sunlight while the Moon is up in a dark sky here (double-click a row)</source>
        <translation>Las noches en que la formación seleccionada tiene luz solar rasante mientras la Luna está alta en un cielo oscuro aquí (doble clic en una fila)</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print the list</source>
        <translation>Imprimir la lista</translation>
    </message>
    <message>
        <source>Save CSV</source>
        <translation>Guardar CSV</translation>
    </message>
    <message>
        <source>Save the list as a CSV file</source>
        <translation>Guardar la lista como archivo CSV</translation>
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
        <translation>Orden: próx. amanecer</translation>
    </message>
    <message>
        <source>Order: libration</source>
        <translation>Orden: libración</translation>
    </message>
    <message>
        <source>Next Sunrise</source>
        <translation>Próximo amanecer</translation>
    </message>
    <message>
        <source>Libration</source>
        <translation>Libración</translation>
    </message>
    <message>
        <source>Sun now ✓</source>
        <translation>Sol ahora ✓</translation>
    </message>
    <message>
        <source>Select a feature first: click its row or find it.</source>
        <translation>Seleccione antes una formación: haga clic en su fila o búsquela.</translation>
    </message>
    <message>
        <source>libration toward us</source>
        <translation>libración hacia nosotros</translation>
    </message>
    <message>
        <source>Sun over it now</source>
        <translation>Sol ahora sobre ella</translation>
    </message>
    <message>
        <source>%1: %2 %3, sunrise %4, sunset %5</source>
        <translation>%1: %2 %3, amanecer %4, atardecer %5</translation>
    </message>
    <message>
        <source>Second sunrise this month: %1</source>
        <translation>Segundo amanecer este mes: %1</translation>
    </message>
    <message>
        <source>Second sunset this month: %1</source>
        <translation>Segundo atardecer este mes: %1</translation>
    </message>
    <message>
        <source>Feature	%1	%2	%3
</source>
        <translation>Formación	%1	%2	%3
</translation>
    </message>
    <message>
        <source>Next sunrise</source>
        <translation>Próximo amanecer</translation>
    </message>
    <message>
        <source>Next sunset</source>
        <translation>Próximo atardecer</translation>
    </message>
    <message>
        <source>Save the lunar features list</source>
        <translation>Guardar la lista de formaciones lunares</translation>
    </message>
    <message>
        <source>Cresselle Lunar Features %1 %2.csv</source>
        <translation>Cresselle Formaciones lunares %1 %2.csv</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>The list could not be saved in &quot;%1&quot;: %2</source>
        <translation>No se pudo guardar la lista en «%1»: %2</translation>
    </message>
    <message>
        <source>Lunar Features</source>
        <translation>Formaciones lunares</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>página %1 de %2</translation>
    </message>
</context>
<context>
    <name>TFeaturesDB</name>
    <message>
        <source>the file could not be written completely</source>
        <translation>no se pudo escribir el archivo completo</translation>
    </message>
    <message>
        <source>another copy of the program is saving the features</source>
        <translation>otra copia del programa está guardando las formaciones</translation>
    </message>
    <message>
        <source>Please enter a valid Longitude</source>
        <translation>Introduzca una longitud válida</translation>
    </message>
    <message>
        <source>Longitude must be between -180 and 180. Please reenter.</source>
        <translation>La longitud debe estar entre -180 y 180. Vuelva a introducirla.</translation>
    </message>
    <message>
        <source>Please enter a valid Latitude</source>
        <translation>Introduzca una latitud válida</translation>
    </message>
    <message>
        <source>Latitude must be between -90 and 90. Please reenter.</source>
        <translation>La latitud debe estar entre -90 y 90. Vuelva a introducirla.</translation>
    </message>
    <message>
        <source>Lunar Features Database Screen</source>
        <translation>Base de datos de formaciones lunares</translation>
    </message>
    <message>
        <source>Exit Cresselle</source>
        <translation>Salir de Cresselle</translation>
    </message>
    <message>
        <source>Feature Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Lunar Longitude</source>
        <translation>Longitud lunar</translation>
    </message>
    <message>
        <source>Lunar Latitude</source>
        <translation>Latitud lunar</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Ir a</translation>
    </message>
    <message>
        <source>part of a name</source>
        <translation>parte de un nombre</translation>
    </message>
    <message>
        <source>Delete the selected feature (Ctrl+Z puts it back)</source>
        <translation>Borrar la formación seleccionada (Ctrl+Z la recupera)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>You must enter a feature name.</source>
        <translation>Debe introducir el nombre de una formación.</translation>
    </message>
    <message>
        <source>You must enter a Lunar Longitude.</source>
        <translation>Debe introducir una longitud lunar.</translation>
    </message>
    <message>
        <source>You must enter a Lunar Latitude.</source>
        <translation>Debe introducir una latitud lunar.</translation>
    </message>
    <message>
        <source>The feature name cannot hold %1: the features file stores names in the Windows-1252 code page.</source>
        <translation>El nombre de la formación no puede contener %1: el archivo de formaciones guarda los nombres en la página de códigos Windows-1252.</translation>
    </message>
    <message>
        <source>The lunar features cannot be saved. %1</source>
        <translation>No se pueden guardar las formaciones lunares. %1</translation>
    </message>
    <message>
        <source>The lunar features could not be saved in &quot;%1&quot;: %2</source>
        <translation>No se pudieron guardar las formaciones lunares en «%1»: %2</translation>
    </message>
    <message>
        <source>No feature has been selected for deletion.</source>
        <translation>No se ha seleccionado ninguna formación para borrar.</translation>
    </message>
    <message>
        <source>Lunar Features Database</source>
        <translation>Base de datos de formaciones lunares</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Actualizar</translation>
    </message>
</context>
<context>
    <name>TFrame</name>
    <message>
        <source>Exit Cresselle</source>
        <translation>Salir de Cresselle</translation>
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
        <translation>Noches aptas para una formación lunar</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Cerrar esta ventana</translation>
    </message>
    <message>
        <source>Sun over it</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Least altitude of the Sun over the feature</source>
        <translation>Altura mínima del Sol sobre la formación</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Greatest altitude of the Sun over the feature (low-angle relief)</source>
        <translation>Altura máxima del Sol sobre la formación (relieve con luz rasante)</translation>
    </message>
    <message>
        <source>Moon at least</source>
        <translation>Luna al menos</translation>
    </message>
    <message>
        <source>Least altitude of the Moon above your horizon</source>
        <translation>Altura mínima de la Luna sobre su horizonte</translation>
    </message>
    <message>
        <source>Civil dark (Sun -6°)</source>
        <translation>Oscuridad civil (Sol -6°)</translation>
    </message>
    <message>
        <source>Nautical dark (Sun -12°)</source>
        <translation>Oscuridad náutica (Sol -12°)</translation>
    </message>
    <message>
        <source>Astronomical dark (Sun -18°)</source>
        <translation>Oscuridad astronómica (Sol -18°)</translation>
    </message>
    <message>
        <source>How dark your sky must be</source>
        <translation>Lo oscuro que debe estar su cielo</translation>
    </message>
    <message>
        <source> months</source>
        <translation> meses</translation>
    </message>
    <message>
        <source>Months searched from the month shown</source>
        <translation>Meses buscados a partir del mes mostrado</translation>
    </message>
    <message>
        <source>Night of</source>
        <translation>Noche del</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Print the list</source>
        <translation>Imprimir la lista</translation>
    </message>
    <message>
        <source>Save iCalendar</source>
        <translation>Guardar iCalendar</translation>
    </message>
    <message>
        <source>Save the windows as calendar events</source>
        <translation>Guardar los intervalos como eventos de calendario</translation>
    </message>
    <message>
        <source>%1   longitude %2°, latitude %3°   from %4 %5</source>
        <translation>%1   longitud %2°, latitud %3°   desde %4 %5</translation>
    </message>
    <message>
        <source>The least altitude must be below the greatest.</source>
        <translation>La altura mínima debe ser menor que la máxima.</translation>
    </message>
    <message>
        <source>No window in these months: try a wider band or a lower Moon.</source>
        <translation>Ningún intervalo en estos meses: pruebe una banda más ancha o una Luna más baja.</translation>
    </message>
    <message numerus="yes">
        <source>%n window(s)</source>
        <translation>
            <numerusform>%n intervalo</numerusform>
            <numerusform>%n intervalos</numerusform>
        </translation>
    </message>
    <message>
        <source>Good nights for %1 (Cresselle)</source>
        <translation>Noches aptas para %1 (Cresselle)</translation>
    </message>
    <message>
        <source>Save the good nights as a calendar</source>
        <translation>Guardar las noches aptas como calendario</translation>
    </message>
    <message>
        <source>Cresselle Good Nights %1.ics</source>
        <translation>Cresselle Noches aptas %1.ics</translation>
    </message>
    <message>
        <source>iCalendar files (*.ics)</source>
        <translation>Archivos iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>The calendar could not be saved in &quot;%1&quot;: %2</source>
        <translation>No se pudo guardar el calendario en «%1»: %2</translation>
    </message>
    <message>
        <source>Good Nights %1</source>
        <translation>Noches aptas %1</translation>
    </message>
    <message>
        <source>Sun %1° to %2° over the feature, Moon at least %3° high, Sun below %4° here</source>
        <translation>Sol de %1° a %2° sobre la formación, Luna al menos a %3° de altura, Sol por debajo de %4° aquí</translation>
    </message>
</context>
<context>
    <name>TMain</name>
    <message>
        <source>Print Calendar for Month</source>
        <translation>Imprimir el calendario del mes</translation>
    </message>
    <message>
        <source>Switch between view as seen through Binoculars or a Telescope</source>
        <translation>Cambiar entre la vista con prismáticos y con telescopio</translation>
    </message>
    <message>
        <source>Display Moon/Sun Rise/Set times and Twilight times for month</source>
        <translation>Mostrar las horas de salida y puesta de la Luna y el Sol y los crepúsculos del mes</translation>
    </message>
    <message>
        <source>Display links to Lunar Internet Sites</source>
        <translation>Mostrar enlaces a sitios lunares de Internet</translation>
    </message>
    <message>
        <source>Change the time within Cresselle</source>
        <translation>Cambiar la hora dentro de Cresselle</translation>
    </message>
    <message>
        <source>Display menu showing Report options</source>
        <translation>Mostrar el menú de informes</translation>
    </message>
    <message>
        <source>Display circumstances of Lunar Eclipse occurring this month</source>
        <translation>Mostrar las circunstancias del eclipse lunar de este mes</translation>
    </message>
    <message>
        <source>Display tonight&apos;s Moon and Sun altitudes (G)</source>
        <translation>Mostrar las alturas de la Luna y el Sol esta noche (G)</translation>
    </message>
    <message>
        <source>Switch night mode on or off (N)</source>
        <translation>Activar o desactivar el modo nocturno (N)</translation>
    </message>
    <message>
        <source>Moon news and observing guides from NASA (moon.nasa.gov)</source>
        <translation>Noticias sobre la Luna y guías de observación de la NASA (moon.nasa.gov)</translation>
    </message>
    <message>
        <source>Change configuration parameters</source>
        <translation>Cambiar los parámetros de configuración</translation>
    </message>
    <message>
        <source>Display online help</source>
        <translation>Mostrar la ayuda</translation>
    </message>
    <message>
        <source>Display version information</source>
        <translation>Mostrar la información de la versión</translation>
    </message>
    <message>
        <source>Minimize Cresselle</source>
        <translation>Minimizar Cresselle</translation>
    </message>
    <message>
        <source>Exit Cresselle</source>
        <translation>Salir de Cresselle</translation>
    </message>
    <message>
        <source>Previous month (Page Up; Ctrl+Page Up: year)</source>
        <translation>Mes anterior (Re Pág; Ctrl+Re Pág: año)</translation>
    </message>
    <message>
        <source>Next month (Page Down; Ctrl+Page Down: year)</source>
        <translation>Mes siguiente (Av Pág; Ctrl+Av Pág: año)</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Please type a year from 1 to 9999.</source>
        <translation>Escriba un año del 1 al 9999.</translation>
    </message>
    <message>
        <source>2024-03-15 or 15 March 2024</source>
        <translation>2024-03-15 o 15 marzo 2024</translation>
    </message>
    <message>
        <source>Go to date: type a date, then Enter (Escape closes)</source>
        <translation>Ir a una fecha: escriba una fecha y pulse Intro (Esc cierra)</translation>
    </message>
    <message>
        <source>Go to date</source>
        <translation>Ir a la fecha</translation>
    </message>
    <message>
        <source>Visible:</source>
        <translation>Visible:</translation>
    </message>
    <message>
        <source>Age:</source>
        <translation>Edad:</translation>
    </message>
    <message>
        <source>Distance:</source>
        <translation>Distancia:</translation>
    </message>
    <message>
        <source>R.A.:</source>
        <translation>A.R.:</translation>
    </message>
    <message>
        <source>Dec.:</source>
        <translation>Dec.:</translation>
    </message>
    <message>
        <source>Parallax:</source>
        <translation>Paralaje:</translation>
    </message>
    <message>
        <source>Diameter:</source>
        <translation>Diámetro:</translation>
    </message>
    <message>
        <source>Apogee:</source>
        <translation>Apogeo:</translation>
    </message>
    <message>
        <source>Perigee:</source>
        <translation>Perigeo:</translation>
    </message>
    <message>
        <source>Sunrise:</source>
        <translation>Salida:</translation>
    </message>
    <message>
        <source>Transit:</source>
        <translation>Tránsito:</translation>
    </message>
    <message>
        <source>Sunset:</source>
        <translation>Puesta:</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
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
        <translation>Náutico:</translation>
    </message>
    <message>
        <source>Astronomical:</source>
        <translation>Astronómico:</translation>
    </message>
    <message>
        <source>Az.:</source>
        <translation>Az.:</translation>
    </message>
    <message>
        <source>Alt.:</source>
        <translation>Alt.:</translation>
    </message>
    <message>
        <source>Switch between the Moon&apos;s position and its librations</source>
        <translation>Cambiar entre la posición de la Luna y sus libraciones</translation>
    </message>
    <message>
        <source>LST: </source>
        <translation>TSL: </translation>
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
        <translation>Hora:</translation>
    </message>
    <message>
        <source>Zone:</source>
        <translation>Zona:</translation>
    </message>
    <message>
        <source>Phase:</source>
        <translation>Fase:</translation>
    </message>
    <message>
        <source>Moon %1</source>
        <translation>Luna %1</translation>
    </message>
    <message>
        <source>Sun transit:</source>
        <translation>Tránsito del Sol:</translation>
    </message>
    <message>
        <source>Sun Az.:</source>
        <translation>Az. Sol:</translation>
    </message>
    <message>
        <source>Sun Alt.:</source>
        <translation>Alt. Sol:</translation>
    </message>
    <message>
        <source>Sun R.A.:</source>
        <translation>A.R. Sol:</translation>
    </message>
    <message>
        <source>Sun Dec.:</source>
        <translation>Dec. Sol:</translation>
    </message>
    <message>
        <source>Civil twilight:</source>
        <translation>Crepúsculo civil:</translation>
    </message>
    <message>
        <source>Nautical twilight:</source>
        <translation>Crepúsculo náutico:</translation>
    </message>
    <message>
        <source>Astronomical twilight:</source>
        <translation>Crepúsculo astronómico:</translation>
    </message>
    <message>
        <source>New Moon:</source>
        <translation>Luna nueva:</translation>
    </message>
    <message>
        <source>Last Quarter:</source>
        <translation>Cuarto menguante:</translation>
    </message>
    <message>
        <source>Full Moon:</source>
        <translation>Luna llena:</translation>
    </message>
    <message>
        <source>First Quarter:</source>
        <translation>Cuarto creciente:</translation>
    </message>
    <message>
        <source>Moonrise:</source>
        <translation>Salida:</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Puesta</translation>
    </message>
    <message>
        <source>New Moon</source>
        <translation>Luna nueva</translation>
    </message>
    <message>
        <source>First Quarter</source>
        <translation>Cuarto creciente</translation>
    </message>
    <message>
        <source>Blue Moon</source>
        <translation>Luna azul</translation>
    </message>
    <message>
        <source>Full Moon</source>
        <translation>Luna llena</translation>
    </message>
    <message>
        <source>Last Quarter</source>
        <translation>Cuarto menguante</translation>
    </message>
    <message>
        <source>P.A.:</source>
        <translation>A.P.:</translation>
    </message>
    <message>
        <source>Ph.A:</source>
        <translation>Á.F.:</translation>
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
        <translation>APE:</translation>
    </message>
    <message>
        <source>Selenographic CoLongitude of the Sun</source>
        <translation>Colongitud selenográfica del Sol</translation>
    </message>
    <message>
        <source>Moon&apos;s topocentric libration in longitude</source>
        <translation>Libración topocéntrica de la Luna en longitud</translation>
    </message>
    <message>
        <source>Moon&apos;s topocentric libration in latitude</source>
        <translation>Libración topocéntrica de la Luna en latitud</translation>
    </message>
    <message>
        <source>Position angle of Moon&apos;s axis of rotation</source>
        <translation>Ángulo de posición del eje de rotación de la Luna</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ahora</translation>
    </message>
    <message>
        <source>%1h %2m %3s</source>
        <translation>%1h %2m %3s</translation>
    </message>
    <message>
        <source>%1 days %2 hours %3 minutes</source>
        <translation>%1 días %2 horas %3 minutos</translation>
    </message>
    <message>
        <source>Moon drawing: %1, %2 lit</source>
        <translation>Dibujo de la Luna: %1, %2 iluminada</translation>
    </message>
    <message>
        <source>Visible </source>
        <translation>Visible </translation>
    </message>
    <message>
        <source>Age </source>
        <translation>Edad </translation>
    </message>
    <message>
        <source>Distance %1 km</source>
        <translation>Distancia %1 km</translation>
    </message>
    <message>
        <source>Right ascension </source>
        <translation>Ascensión recta </translation>
    </message>
    <message>
        <source>Declination </source>
        <translation>Declinación </translation>
    </message>
    <message>
        <source>Parallax </source>
        <translation>Paralaje </translation>
    </message>
    <message>
        <source>Diameter </source>
        <translation>Diámetro </translation>
    </message>
    <message>
        <source>Apogee %1, %2</source>
        <translation>Apogeo %1, %2</translation>
    </message>
    <message>
        <source>Perigee %1, %2</source>
        <translation>Perigeo %1, %2</translation>
    </message>
    <message>
        <source>Moon&apos;s azimuth</source>
        <translation>Acimut de la Luna</translation>
    </message>
    <message>
        <source>Moon&apos;s altitude</source>
        <translation>Altura de la Luna</translation>
    </message>
    <message>
        <source>Position angle of the bright limb</source>
        <translation>Ángulo de posición del limbo iluminado</translation>
    </message>
    <message>
        <source>Phase angle</source>
        <translation>Ángulo de fase</translation>
    </message>
    <message>
        <source>Sun&apos;s selenographic colongitude</source>
        <translation>Colongitud selenográfica del Sol</translation>
    </message>
    <message>
        <source>Libration in longitude</source>
        <translation>Libración en longitud</translation>
    </message>
    <message>
        <source>Libration in latitude</source>
        <translation>Libración en latitud</translation>
    </message>
    <message>
        <source>Position angle of the Moon&apos;s axis</source>
        <translation>Ángulo de posición del eje de la Luna</translation>
    </message>
    <message>
        <source>Sun&apos;s azimuth </source>
        <translation>Acimut del Sol </translation>
    </message>
    <message>
        <source>Sun&apos;s altitude </source>
        <translation>Altura del Sol </translation>
    </message>
    <message>
        <source>Sun&apos;s right ascension </source>
        <translation>Ascensión recta del Sol </translation>
    </message>
    <message>
        <source>Sun&apos;s declination </source>
        <translation>Declinación del Sol </translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Salida del Sol</translation>
    </message>
    <message>
        <source>Sun&apos;s transit</source>
        <translation>Tránsito del Sol</translation>
    </message>
    <message>
        <source>Sunset</source>
        <translation>Puesta del Sol</translation>
    </message>
    <message>
        <source>Civil twilight starts</source>
        <translation>Comienza el crepúsculo civil</translation>
    </message>
    <message>
        <source>Civil twilight ends</source>
        <translation>Termina el crepúsculo civil</translation>
    </message>
    <message>
        <source>Nautical twilight starts</source>
        <translation>Comienza el crepúsculo náutico</translation>
    </message>
    <message>
        <source>Nautical twilight ends</source>
        <translation>Termina el crepúsculo náutico</translation>
    </message>
    <message>
        <source>Astronomical twilight starts</source>
        <translation>Comienza el crepúsculo astronómico</translation>
    </message>
    <message>
        <source>Astronomical twilight ends</source>
        <translation>Termina el crepúsculo astronómico</translation>
    </message>
    <message>
        <source>%1 %2 %3 %4</source>
        <translation>%1 %2 de %3 de %4</translation>
    </message>
    <message>
        <source>, selected</source>
        <translation>, seleccionado</translation>
    </message>
    <message>
        <source>, today</source>
        <translation>, hoy</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Crepúsculo</translation>
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
        <translation>Meses</translation>
    </message>
</context>
<context>
    <name>TMonthlyPhases</name>
    <message>
        <source>Monthly Phases</source>
        <translation>Fases del mes</translation>
    </message>
    <message>
        <source>Save image to disk</source>
        <translation>Guardar la imagen en el disco</translation>
    </message>
    <message>
        <source>The picture could not be saved as &quot;%1&quot;: %2</source>
        <translation>No se pudo guardar la imagen como «%1»: %2</translation>
    </message>
</context>
<context>
    <name>TNightEvent</name>
    <message>
        <source>Sunset</source>
        <translation>Puesta del Sol</translation>
    </message>
    <message>
        <source>Civil dusk</source>
        <translation>Ocaso civil</translation>
    </message>
    <message>
        <source>Nautical dusk</source>
        <translation>Ocaso náutico</translation>
    </message>
    <message>
        <source>Astronomical dusk</source>
        <translation>Ocaso astronómico</translation>
    </message>
    <message>
        <source>Astronomical dawn</source>
        <translation>Alba astronómica</translation>
    </message>
    <message>
        <source>Nautical dawn</source>
        <translation>Alba náutica</translation>
    </message>
    <message>
        <source>Civil dawn</source>
        <translation>Alba civil</translation>
    </message>
    <message>
        <source>Sunrise</source>
        <translation>Salida del Sol</translation>
    </message>
    <message>
        <source>Moonrise</source>
        <translation>Salida de la Luna</translation>
    </message>
    <message>
        <source>Moon transit</source>
        <translation>Tránsito lunar</translation>
    </message>
    <message>
        <source>Moonset</source>
        <translation>Puesta de la Luna</translation>
    </message>
</context>
<context>
    <name>TObservingAid</name>
    <message>
        <source>Observing Aid</source>
        <translation>Ayuda a la observación</translation>
    </message>
    <message>
        <source>Minimize Cresselle</source>
        <translation>Minimizar Cresselle</translation>
    </message>
    <message>
        <source>Exit Cresselle</source>
        <translation>Salir de Cresselle</translation>
    </message>
    <message>
        <source>Print this diagram</source>
        <translation>Imprimir este diagrama</translation>
    </message>
    <message>
        <source>Toggle between Daytime and Nighttime view</source>
        <translation>Cambiar entre la vista diurna y la nocturna</translation>
    </message>
    <message>
        <source>Toggle grid on and off</source>
        <translation>Mostrar u ocultar la cuadrícula</translation>
    </message>
</context>
<context>
    <name>TPrintOptions</name>
    <message>
        <source>Print Options</source>
        <translation>Opciones de impresión</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Daily Phases</source>
        <translation>Fases diarias</translation>
    </message>
    <message>
        <source>Major Phases</source>
        <translation>Fases principales</translation>
    </message>
    <message>
        <source>Moon&apos;s Rise/Transit/Set Times</source>
        <translation>Salida/tránsito/puesta lunar</translation>
    </message>
    <message>
        <source>Sun&apos;s Rise/Transit/Set Times</source>
        <translation>Salida/tránsito/puesta solar</translation>
    </message>
    <message>
        <source>Daily Phase Density:</source>
        <translation>Densidad de fase:</translation>
    </message>
    <message>
        <source>Close without printing (Escape)</source>
        <translation>Cerrar sin imprimir (Esc)</translation>
    </message>
</context>
<context>
    <name>TReportMenu</name>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Lunar Visibility</source>
        <translation>Visibilidad lunar</translation>
    </message>
    <message>
        <source>Find Lunar Eclipses</source>
        <translation>Buscar eclipses lunares</translation>
    </message>
    <message>
        <source>Display Phases for Month</source>
        <translation>Mostrar las fases del mes</translation>
    </message>
    <message>
        <source>Lunar Features Sunrise/Sunset Times</source>
        <translation>Salida/puesta del Sol en formaciones</translation>
    </message>
    <message>
        <source>Equinox and Solstice Information</source>
        <translation>Equinoccios y solsticios</translation>
    </message>
    <message>
        <source>Easter Sunday</source>
        <translation>Domingo de Pascua</translation>
    </message>
    <message>
        <source>Tonight: Moon and Sun Altitudes</source>
        <translation>Esta noche: alturas de la Luna y el Sol</translation>
    </message>
    <message>
        <source>Save the Year&apos;s Events to a Calendar</source>
        <translation>Guardar el año en un calendario</translation>
    </message>
    <message>
        <source>Save the year&apos;s events</source>
        <translation>Guardar los eventos del año</translation>
    </message>
    <message>
        <source>Moon %1.ics</source>
        <translation>Luna %1.ics</translation>
    </message>
    <message>
        <source>iCalendar (*.ics)</source>
        <translation>iCalendar (*.ics)</translation>
    </message>
    <message>
        <source>The calendar could not be saved as &quot;%1&quot;: %2</source>
        <translation>No se pudo guardar el calendario como «%1»: %2</translation>
    </message>
</context>
<context>
    <name>TTimesList</name>
    <message>
        <source>Moon rise %1</source>
        <translation>Salida de la Luna %1</translation>
    </message>
    <message>
        <source>Moon set %1</source>
        <translation>Puesta de la Luna %1</translation>
    </message>
    <message>
        <source>Sun rise %1</source>
        <translation>Salida del Sol %1</translation>
    </message>
    <message>
        <source>Sun set %1</source>
        <translation>Puesta del Sol %1</translation>
    </message>
    <message>
        <source>Civil twilight start %1</source>
        <translation>Inicio del crepúsculo civil %1</translation>
    </message>
    <message>
        <source>Civil twilight end %1</source>
        <translation>Fin del crepúsculo civil %1</translation>
    </message>
    <message>
        <source>Nautical twilight start %1</source>
        <translation>Inicio del crepúsculo náutico %1</translation>
    </message>
    <message>
        <source>Nautical twilight end %1</source>
        <translation>Fin del crepúsculo náutico %1</translation>
    </message>
    <message>
        <source>Astronomical twilight start %1</source>
        <translation>Inicio del crepúsculo astronómico %1</translation>
    </message>
    <message>
        <source>Astronomical twilight end %1</source>
        <translation>Fin del crepúsculo astronómico %1</translation>
    </message>
    <message>
        <source>Up / Down: above / below the level all day   +: a second one that day</source>
        <translation>Arriba / Abajo: por encima / por debajo del nivel todo el día   +: un segundo suceso ese día</translation>
    </message>
    <message>
        <source>Date	Moonrise	Moon transit	Moonset	Illuminated	Astronomical start	Nautical start	Civil start	Sunrise	Sun transit	Sunset	Civil end	Nautical end	Astronomical end</source>
        <translation>Fecha	Salida de la Luna	Tránsito de la Luna	Puesta de la Luna	Iluminada	Inicio astronómico	Inicio náutico	Inicio civil	Salida del Sol	Tránsito del Sol	Puesta del Sol	Fin civil	Fin náutico	Fin astronómico</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Rise</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Puesta</translation>
    </message>
    <message>
        <source>Illum</source>
        <translation>Ilum</translation>
    </message>
    <message>
        <source>Twilight</source>
        <translation>Crepúsculo</translation>
    </message>
    <message>
        <source>Civil</source>
        <translation>Civil</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
    </message>
    <message>
        <source>Rise / Set Times</source>
        <translation>Horas de salida / puesta</translation>
    </message>
    <message>
        <source>LST at</source>
        <translation>TSL a</translation>
    </message>
    <message>
        <source>Midnight</source>
        <translation>Medianoche</translation>
    </message>
    <message>
        <source>Transit</source>
        <translation>Tránsito</translation>
    </message>
    <message>
        <source>illum</source>
        <translation>ilum</translation>
    </message>
    <message>
        <source>Ast.</source>
        <translation>Astr.</translation>
    </message>
    <message>
        <source>Naut.</source>
        <translation>Náut.</translation>
    </message>
    <message>
        <source>Rise/Set Times</source>
        <translation>Horas de salida y puesta</translation>
    </message>
    <message>
        <source>Send the information on this screen to the printer</source>
        <translation>Enviar la información de esta pantalla a la impresora</translation>
    </message>
    <message>
        <source>Scroll information up on screen</source>
        <translation>Desplazar la información hacia arriba</translation>
    </message>
    <message>
        <source>Scroll information down on screen</source>
        <translation>Desplazar la información hacia abajo</translation>
    </message>
    <message>
        <source>Minimise this window</source>
        <translation>Minimizar esta ventana</translation>
    </message>
    <message>
        <source>Close this window</source>
        <translation>Cerrar esta ventana</translation>
    </message>
    <message>
        <source>: no such day here</source>
        <translation>: este día no existe aquí</translation>
    </message>
    <message>
        <source>%1: moonrise %2, Moon&apos;s transit %3, moonset %4, %5% lit; astronomical dawn %6, nautical dawn %7, civil dawn %8, sunrise %9, Sun&apos;s transit %10, sunset %11, civil dusk %12, nautical dusk %13, astronomical dusk %14</source>
        <translation>%1: salida de la Luna %2, tránsito de la Luna %3, puesta de la Luna %4, %5% iluminada; alba astronómica %6, alba náutica %7, alba civil %8, salida del Sol %9, tránsito del Sol %10, puesta del Sol %11, ocaso civil %12, ocaso náutico %13, ocaso astronómico %14</translation>
    </message>
    <message>
        <source>No such day here: the clocks of %1 skipped it</source>
        <translation>Este día no existe aquí: los relojes de %1 se lo saltaron</translation>
    </message>
    <message>
        <source>Also that day: %1</source>
        <translation>También ese día: %1</translation>
    </message>
    <message>
        <source>Times</source>
        <translation>Horas</translation>
    </message>
    <message>
        <source>.   Second events: %1</source>
        <translation>.   Segundos sucesos: %1</translation>
    </message>
</context>
<context>
    <name>TWebMenu</name>
    <message>
        <source>Lunar Links</source>
        <translation>Enlaces lunares</translation>
    </message>
    <message>
        <source>Lunar Resources</source>
        <translation>Recursos lunares</translation>
    </message>
    <message>
        <source>Lunar Missions</source>
        <translation>Misiones lunares</translation>
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
