<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
        <location filename="../report/file_view.cpp" line="+14"/>
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
        <location filename="../report/request.cpp" line="+32"/>
        <source>At least one event must be selected.</source>
        <translation>Mindestens ein Ereignis muss ausgewählt sein.</translation>
    </message>
    <message>
        <location line="+5"/>
        <source>When calculating cross-quarter days at least one of &apos;True sun&apos; and &apos;Mean sun&apos; must be selected.</source>
        <translation>Für die Berechnung von Kreuzvierteltagen muss mindestens eine der Methoden „Wahre Sonne“ und „Mittlere Sonne“ ausgewählt sein.</translation>
    </message>
    <message>
        <location filename="../report/result_text.cpp" line="+17"/>
        <source>(mean sun)</source>
        <translation>(mittlere Sonne)</translation>
    </message>
    <message>
        <location line="+1"/>
        <source>(true sun)</source>
        <translation>(wahre Sonne)</translation>
    </message>
    <message>
        <location line="+53"/>
        <source>True sun: </source>
        <translation>Wahr:   </translation>
    </message>
    <message>
        <location line="+1"/>
        <source>Mean sun: </source>
        <translation>Mittel: </translation>
    </message>
    <message>
        <location filename="../report/summary.cpp" line="+46"/>
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
        <location filename="../report/weblink.cpp" line="+65"/>
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
</context>
<context>
    <name>frmAll</name>
    <message>
        <location filename="../ui/main/frm_all.cpp" line="+56"/>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>frmLargeTextbox</name>
    <message>
        <location filename="../ui/windows/frm_large_textbox.cpp" line="+30"/>
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
        <location filename="../ui/main/frm_main_commands.cpp" line="+181"/>
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
