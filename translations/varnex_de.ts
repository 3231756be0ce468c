<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Export</name>
    <message>
        <location filename="../export/ical_writer.cpp" line="+75"/>
        <source>Apsis</source>
        <translation>Apside</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solar term</source>
        <translation>Sonnenterm</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Solar longitude</source>
        <translation>Sonnenlänge</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Cross-quarter day</source>
        <translation>Kreuzvierteltag</translation>
    </message>
    <message>
        <location line="+1"/>
        <location line="+60"/>
        <source>Equinox</source>
        <translation>Tagundnachtgleiche</translation>
    </message>
    <message>
        <location line="-60"/>
        <source>Solstice</source>
        <translation>Sonnenwende</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Solar event</source>
        <translation>Sonnenereignis</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>the extreme of the Earth&apos;s distance from the Sun (VSOP87)</source>
        <translation>das Extrem des Abstands der Erde von der Sonne (VSOP87)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Meeus, Astronomical Algorithms ch. 27</source>
        <translation>Meeus, Astronomical Algorithms, Kap. 27</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>mean sun, the midpoint of the equinox and solstice around it</source>
        <translation>mittlere Sonne, die Mitte zwischen der Tagundnachtgleiche und der Sonnenwende um den Tag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>true sun</source>
        <translation>wahre Sonne</translation>
    </message>
    <message>
        <location line="+28"/>
        <source>Equinox minus the rule&apos;s moment</source>
        <translation>Tagundnachtgleiche minus den Zeitpunkt der Regel</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>The margin lies within the equinox&apos;s uncertainty: the festival could fall on the other day.</source>
        <translation>Der Abstand liegt innerhalb der Unsicherheit der Tagundnachtgleiche: Das Fest könnte auf den anderen Tag fallen.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>First day of a meteorological season, three whole months from 1 March, 1 June, 1 September or 1 December: a whole day, no instant.</source>
        <translation>Erster Tag einer meteorologischen Jahreszeit, je drei ganze Monate ab 1. März, 1. Juni, 1. September oder 1. Dezember: ein ganzer Tag, kein Zeitpunkt.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Traditional date of the cross-quarter day (1 February, 1 May, 1 August or 1 November): a whole day, no instant.</source>
        <translation>Traditionelles Datum des Kreuzvierteltags (1. Februar, 1. Mai, 1. August oder 1. November): ein ganzer Tag, kein Zeitpunkt.</translation>
    </message>
    <message>
        <location line="-2"/>
        <location line="+4"/>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Local time</source>
        <translation>Ortszeit</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Instant</source>
        <translation>Zeitpunkt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Method</source>
        <translation>Methode</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Delta T</source>
        <translation>ΔT</translation>
    </message>
    <message>
        <location line="-18"/>
        <location line="+19"/>
        <source>Uncertainty</source>
        <translation>Unsicherheit</translation>
    </message>
    <message>
        <location line="-93"/>
        <source>Festival</source>
        <translation>Fest</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Meteorological season</source>
        <translation>Meteorologische Jahreszeit</translation>
    </message>
    <message>
        <location line="+94"/>
        <source>The uncertainty reaches across midnight in %1: the event could fall on the day before.</source>
        <translation>Die Unsicherheit reicht in %1 über Mitternacht: Das Ereignis könnte auf den Vortag fallen.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>The uncertainty reaches across midnight in %1: the event could fall on the day after.</source>
        <translation>Die Unsicherheit reicht in %1 über Mitternacht: Das Ereignis könnte auf den Folgetag fallen.</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Wheel of the year %1</source>
        <translation>Jahreskreis %1</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>The days of %1 by its rule, each a whole day with its equinox in the description, computed by Varnex %2.</source>
        <translation>Die Tage von %1 nach ihrer Regel, jeder ein ganzer Tag mit seiner Tagundnachtgleiche in der Beschreibung, berechnet von Varnex %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Equinoxes, solstices and cross-quarter days of %1, computed by Varnex %2.</source>
        <translation>Tagundnachtgleichen, Sonnenwenden und Kreuzvierteltage von %1, berechnet mit Varnex %2.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Each event is the whole local day in %1, with the exact instant in its description.</source>
        <translation>Jedes Ereignis ist der ganze Ortstag in %1, der genaue Zeitpunkt steht in seiner Beschreibung.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Times are UTC; calendar programs show them in the viewer&apos;s time zone.</source>
        <translation>Die Zeiten sind UTC; Kalenderprogramme zeigen sie in der Zeitzone des Betrachters.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Days dated in the Julian calendar are written as the same days&apos; Gregorian dates, as iCalendar requires.</source>
        <translation>Im julianischen Kalender datierte Tage stehen, wie iCalendar es verlangt, mit dem gregorianischen Datum desselben Tages.</translation>
    </message>
    <message>
        <location filename="../export/wheel_svg.cpp" line="+41"/>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mar</source>
        <translation>Mär</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Oct</source>
        <translation>Okt</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Dec</source>
        <translation>Dez</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>%1 apart</source>
        <translation>%1 auseinander</translation>
    </message>
    <message>
        <location line="+12"/>
        <source>Rome</source>
        <translation>Rom</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Britain</source>
        <translation>Großbritannien</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Russia</source>
        <translation>Russland</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Greece</source>
        <translation>Griechenland</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Reform</source>
        <translation>Reform</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Gregorian calendar</source>
        <translation>Gregorianischer Kalender</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Julian calendar</source>
        <translation>Julianischer Kalender</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Julian until %1, Gregorian from %2</source>
        <translation>julianisch bis %1, gregorianisch ab %2</translation>
    </message>
    <message>
        <location line="+57"/>
        <source>The wheel of the year %1</source>
        <translation>Der Jahreskreis %1</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>southern hemisphere</source>
        <translation>Südhalbkugel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>northern hemisphere</source>
        <translation>Nordhalbkugel</translation>
    </message>
    <message>
        <location line="+27"/>
        <source>equinox or solstice</source>
        <translation>Tagundnachtgleiche oder Sonnenwende</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>true sun: the instant the Sun&apos;s apparent longitude reaches 315°, 45°, 135° or 225°</source>
        <translation>wahre Sonne: der Zeitpunkt, zu dem die scheinbare Länge der Sonne 315°, 45°, 135° oder 225° erreicht</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>mean sun: halfway in time between the equinox and the solstice around it</source>
        <translation>mittlere Sonne: zeitlich in der Mitte zwischen der Tagundnachtgleiche und der Sonnenwende um den Tag</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>perihelion, aphelion: the Earth nearest to and farthest from the Sun</source>
        <translation>Perihel, Aphel: die Erde der Sonne am nächsten und am fernsten</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>a solar term: the Sun&apos;s apparent longitude at a multiple of 15°</source>
        <translation>ein Sonnenterm: die scheinbare Länge der Sonne bei einem Vielfachen von 15°</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>a meteorological season&apos;s first day: 1 March, 1 June, 1 September, 1 December</source>
        <translation>der erste Tag einer meteorologischen Jahreszeit: 1. März, 1. Juni, 1. September, 1. Dezember</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>inside the ring: the lengths of the astronomical seasons in days and hours, from each equinox or solstice to the next</source>
        <translation>im Ring: die Längen der astronomischen Jahreszeiten in Tagen und Stunden, von jeder Tagundnachtgleiche oder Sonnenwende zur nächsten</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>Perihelion</source>
        <translation>Perihel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Aphelion</source>
        <translation>Aphel</translation>
    </message>
    <message>
        <location line="+71"/>
        <source>true</source>
        <translation>wahr</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>mean</source>
        <translation>mittel</translation>
    </message>
</context>
<context>
    <name>Files</name>
    <message>
        <location filename="../platform/files.cpp" line="+122"/>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Input past end of file</source>
        <translation>Lesen über das Dateiende hinaus</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Permission denied</source>
        <translation>Zugriff verweigert</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Path/File access error</source>
        <translation>Fehler beim Zugriff auf Pfad oder Datei</translation>
    </message>
</context>
<context>
    <name>Report</name>
    <message>
        <location filename="../platform/file_view.cpp" line="+14"/>
        <source>NOTE: This file is too large to display entirely in this textbox.<byte value="xd"/>
To view the entire contents of the file load it into NotePad,<byte value="xd"/>
WordPad or some other text editor.<byte value="xd"/>
<byte value="xd"/>
</source>
        <translation>HINWEIS: Diese Datei ist zu groß, um in diesem Textfeld ganz angezeigt zu werden.<byte value="xd"/>
Um den ganzen Inhalt der Datei zu sehen, laden Sie sie in NotePad,<byte value="xd"/>
WordPad oder einen anderen Texteditor.<byte value="xd"/>
<byte value="xd"/>
</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>NOTE: Entire contents of file have not been displayed.<byte value="xd"/>
</source>
        <translation>HINWEIS: Der Inhalt der Datei wurde nicht vollständig angezeigt.<byte value="xd"/>
</translation>
    </message>
    <message>
        <location line="+10"/>
        <source>Error %1.</source>
        <translation>Fehler %1.</translation>
    </message>
    <message>
        <location filename="../report/request.cpp" line="+41"/>
        <source>At least one event must be selected.</source>
        <translation>Mindestens ein Ereignis muss ausgewählt sein.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>When calculating cross-quarter days at least one of &apos;True sun&apos; and &apos;Mean sun&apos; must be selected.</source>
        <translation>Für die Berechnung von Kreuzvierteltagen muss mindestens eine der Methoden „Wahre Sonne“ und „Mittlere Sonne“ ausgewählt sein.</translation>
    </message>
    <message>
        <location line="+85"/>
        <source> (Julian %1, %2)</source>
        <translation> (julianisch %1, %2)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source> (Gregorian %1, %2)</source>
        <translation> (gregorianisch %1, %2)</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>; written %1</source>
        <translation>; damals geschrieben %1</translation>
    </message>
    <message>
        <location line="+15"/>
        <source>Meteorological spring</source>
        <translation>Meteorologischer Frühling</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Meteorological summer</source>
        <translation>Meteorologischer Sommer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Meteorological autumn</source>
        <translation>Meteorologischer Herbst</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Meteorological winter</source>
        <translation>Meteorologischer Winter</translation>
    </message>
    <message>
        <location filename="../report/result_text.cpp" line="+26"/>
        <source>(mean sun)</source>
        <translation>(mittlere Sonne)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(true sun)</source>
        <translation>(wahre Sonne)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(fixed date)</source>
        <translation>(festes Datum)</translation>
    </message>
    <message>
        <location line="+69"/>
        <source>(day uncertain)</source>
        <translation>(Tag unsicher)</translation>
    </message>
    <message>
        <location line="+23"/>
        <source>True sun: </source>
        <translation>Wahr:   </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mean sun: </source>
        <translation>Mittel: </translation>
    </message>
    <message>
        <location filename="../report/summary.cpp" line="+48"/>
        <source>All dates and times for %1 CE in the Southern Hemisphere</source>
        <translation>Alle Daten und Uhrzeiten für %1 n. Chr. auf der Südhalbkugel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>All dates and times for %1 CE in the Northern Hemisphere</source>
        <translation>Alle Daten und Uhrzeiten für %1 n. Chr. auf der Nordhalbkugel</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Read clockwise from top left</source>
        <translation>Im Uhrzeigersinn ab oben links lesen</translation>
    </message>
    <message>
        <location filename="../platform/weblink.cpp" line="+65"/>
        <source>Cannot launch web browser</source>
        <translation>Webbrowser kann nicht gestartet werden</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Error launching web browser, error code = %1.</source>
        <translation>Fehler beim Starten des Webbrowsers, Fehlercode = %1.</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>File extension &apos;%1&apos; is not associated with any application program.</source>
        <translation>Die Dateiendung „%1“ ist keinem Anwendungsprogramm zugeordnet.</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Out of memory.</source>
        <translation>Nicht genügend Arbeitsspeicher.</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Please try once more.</source>
        <translation>Bitte versuchen Sie es noch einmal.</translation>
    </message>
    <message>
        <location filename="../report/year_input.cpp" line="+68"/>
        <source>Year must be specified.</source>
        <translation>Das Jahr muss angegeben werden.</translation>
    </message>
    <message>
        <location line="+0"/>
        <location line="+3"/>
        <source>Invalid input</source>
        <translation>Ungültige Eingabe</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>Invalid input for year.</source>
        <translation>Ungültige Eingabe für das Jahr.</translation>
    </message>
    <message>
        <location filename="../report/day_rules.cpp" line="+106"/>
        <source>noon</source>
        <translation>Mittag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>true noon in Tehran</source>
        <translation>wahrem Mittag in Teheran</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>sunset in Tehran</source>
        <translation>Sonnenuntergang in Teheran</translation>
    </message>
    <message>
        <location line="+11"/>
        <source>Nowruz %1 AP</source>
        <translation>Nouruz %1 AP</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Nowruz</source>
        <translation>Nouruz</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Naw-Rúz %1 BE</source>
        <translation>Naw-Rúz %1 BE</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Naw-Rúz</source>
        <translation>Naw-Rúz</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Equinox day</source>
        <translation>Tag der Tagundnachtgleiche</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>equinox %1</source>
        <translation>Tagundnachtgleiche %1</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 before %2</source>
        <translation>%1 vor %2</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 after %2</source>
        <translation>%1 nach %2</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>that day</source>
        <translation>dieser Tag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>the next day</source>
        <translation>der Folgetag</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>(uncertain: within the equinox&apos;s %1)</source>
        <translation>(unsicher: innerhalb der %1 der Tagundnachtgleiche)</translation>
    </message>
    <message>
        <location filename="../report/upcoming.cpp" line="+86"/>
        <source>Spring</source>
        <translation>Frühling</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Summer</source>
        <translation>Sommer</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Autumn</source>
        <translation>Herbst</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Winter</source>
        <translation>Winter</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>day %1 of %2</source>
        <translation>Tag %1 von %2</translation>
    </message>
    <message>
        <location line="+8"/>
        <source>%1 day</source>
        <translation>%1 Tag</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 days</source>
        <translation>%1 Tagen</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>%1 hour</source>
        <translation>%1 Stunde</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 hours</source>
        <translation>%1 Stunden</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>%1 minute</source>
        <translation>%1 Minute</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 minutes</source>
        <translation>%1 Minuten</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>%1 second</source>
        <translation>%1 Sekunde</translation>
    </message>
    <message>
        <location line="+0"/>
        <source>%1 seconds</source>
        <translation>%1 Sekunden</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>in %1</source>
        <translation>in %1</translation>
    </message>
</context>
<context>
    <name>frmAll</name>
    <message>
        <location filename="../ui/main/frm_all.cpp" line="+59"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>frmLargeTextbox</name>
    <message>
        <location filename="../ui/windows/frm_large_textbox.cpp" line="+31"/>
        <source>Copy to clipboard</source>
        <translation>In die Zwischenablage kopieren</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Textbox</source>
        <translation>Textfeld</translation>
    </message>
    <message>
        <location line="+4"/>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
</context>
<context>
    <name>frmMain</name>
    <message>
        <location filename="../ui/main/frm_main.cpp" line="+52"/>
        <source>Common Era (Gregorian)</source>
        <translation>Gregorianisch (CE)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Julian Calendar</source>
        <translation>Julianisch (JC)</translation>
    </message>
    <message>
        <location line="+85"/>
        <source>Year:</source>
        <translation>Jahr:</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Calendar:</source>
        <translation>Kalender:</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Timezone:</source>
        <translation>Zeitzone:</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Time zone</source>
        <translation>Zeitzone</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Select equinoxes and solstices: </source>
        <translation>Tagundnachtgleichen und Sonnenwenden: </translation>
    </message>
    <message>
        <location line="+2"/>
        <location line="+8"/>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <location line="-7"/>
        <location line="+8"/>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <location line="-6"/>
        <source>Select cross-quarter days: </source>
        <translation>Kreuzvierteltage: </translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Calculation method:</source>
        <translation>Berechnungsmethode:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mean sun</source>
        <translation>Mittlere Sonne</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>True sun</source>
        <translation>Wahre Sonne</translation>
    </message>
    <message>
        <location line="+6"/>
        <source>Calculate dates and times of selected events</source>
        <translation>Gewählte Ereignisse berechnen</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Display all for:</source>
        <translation>Alle zeigen für:</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Northern hemisphere</source>
        <translation>Nordhalbkugel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Southern hemisphere</source>
        <translation>Südhalbkugel</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Include weekday</source>
        <translation>Mit Wochentag</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Save settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <location line="+7"/>
        <location filename="../ui/main/frm_main_commands.cpp" line="+185"/>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <location line="+3"/>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Online user manual</source>
        <translation>Online-Handbuch</translation>
    </message>
    <message>
        <location line="+7"/>
        <source>Varnex © Ostrel. All rights reserved.</source>
        <translation>Varnex © Ostrel. Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <location line="+44"/>
        <source>Click here for the Ostrel website at %1.</source>
        <translation>Klicken Sie hier für die Website von Ostrel unter %1.</translation>
    </message>
    <message>
        <location line="+2"/>
        <source>Click here for the online user manual at %1.</source>
        <translation>Klicken Sie hier für das Online-Handbuch unter %1.</translation>
    </message>
    <message>
        <location filename="../ui/main/frm_main_commands.cpp" line="-25"/>
        <source>The calculation failed: %1</source>
        <translation>Die Berechnung ist fehlgeschlagen: %1</translation>
    </message>
</context>
<context>
    <name>frmPopUp</name>
    <message>
        <location filename="../ui/windows/frm_pop_up.cpp" line="+19"/>
        <source>Label1</source>
        <translation>Meldung</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Message</source>
        <translation>Meldung</translation>
    </message>
</context>
<context>
    <name>frmView</name>
    <message>
        <location filename="../ui/windows/frm_view.cpp" line="+41"/>
        <location line="+98"/>
        <source>Copy to clipboard</source>
        <translation>In die Zwischenablage kopieren</translation>
    </message>
    <message>
        <location line="-97"/>
        <location line="+46"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <location line="-44"/>
        <source>Viewing</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <location line="+70"/>
        <source>Error reading file</source>
        <translation>Fehler beim Lesen der Datei</translation>
    </message>
    <message>
        <location line="+20"/>
        <source>Copy selected text to clipboard</source>
        <translation>Auswahl in die Zwischenablage kopieren</translation>
    </message>
</context>
</TS>
