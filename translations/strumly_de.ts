<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>CoreText</name>
    <message>
        <source>Cannot open %1: %2.</source>
        <translation>%1 kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2.</source>
        <translation>%1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation>%1 konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Unable to write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation>In %1 kann nicht geschrieben werden</translation>
    </message>
    <message>
        <source>No file name was given to write to.</source>
        <translation>Es wurde kein Dateiname zum Schreiben angegeben.</translation>
    </message>
    <message>
        <source>This is not a Strumly PlayPage file</source>
        <translation>Dies ist keine Spielseiten-Datei von Strumly</translation>
    </message>
    <message>
        <source>The file %1 is damaged: %2</source>
        <translation>Die Datei %1 ist beschädigt: %2</translation>
    </message>
    <message>
        <source>%1 bytes instead of %2</source>
        <translation>%1 Bytes statt %2</translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation>mehr als %1</translation>
    </message>
    <message>
        <source>its tempo is %1</source>
        <translation>ihr Tempo ist %1</translation>
    </message>
    <message>
        <source>its strum speed is not a number</source>
        <translation>ihre Anschlaggeschwindigkeit ist keine Zahl</translation>
    </message>
    <message>
        <source>a PlayPage file cannot end in .rpt</source>
        <translation>eine Spielseiten-Datei darf nicht auf .rpt enden</translation>
    </message>
    <message>
        <source>This is not a Strumly 6.50 Tab file</source>
        <translation>Dies ist keine Tab-Datei von Strumly 6.50</translation>
    </message>
    <message>
        <source>Line %1 of the tab file, &quot;%2&quot;, is not a whole number.</source>
        <translation>Zeile %1 der Tab-Datei, „%2“, ist keine ganze Zahl.</translation>
    </message>
    <message>
        <source>Line 2 of the tab file, &quot;%1&quot;, is not a tempo.</source>
        <translation>Zeile 2 der Tab-Datei, „%1“, ist keine Tempoangabe.</translation>
    </message>
    <message>
        <source>%1 is too large for a tab.</source>
        <translation>%1 ist zu groß für eine Tabulatur.</translation>
    </message>
    <message>
        <source>%1 is not a text file.</source>
        <translation>%1 ist keine Textdatei.</translation>
    </message>
    <message>
        <source>This is not a Chord Page file</source>
        <translation>Dies ist keine Akkordseiten-Datei</translation>
    </message>
    <message>
        <source>This is not a Print Page file</source>
        <translation>Dies ist keine Druckseiten-Datei</translation>
    </message>
    <message>
        <source>This is not a Chord Design file</source>
        <translation>Dies ist keine Akkordentwurfs-Datei</translation>
    </message>
    <message>
        <source>This is not a Scale Page file</source>
        <translation>Dies ist keine Tonleiterseiten-Datei</translation>
    </message>
    <message>
        <source>This %1 file is damaged: it is shorter than a whole page.</source>
        <translation>Diese Datei (%1) ist beschädigt: Sie ist kürzer als eine ganze Seite.</translation>
    </message>
    <message>
        <source>Chord Page</source>
        <translation>Akkordseite</translation>
    </message>
    <message>
        <source>Print Page</source>
        <translation>Druckseite</translation>
    </message>
    <message>
        <source>Chord Design</source>
        <translation>Akkordentwurf</translation>
    </message>
    <message>
        <source>Scale Page</source>
        <translation>Tonleiterseite</translation>
    </message>
    <message>
        <source>Could Not Find Chord Data Files.</source>
        <translation>Die Akkord-Datendateien wurden nicht gefunden.</translation>
    </message>
    <message>
        <source>Could Not Find Scale Data File.</source>
        <translation>Die Tonleiter-Datendatei wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>I/O error: cannot open %1.</source>
        <translation>E/A-Fehler: %1 kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>I/O error: %1 is too short (read past end of file).</source>
        <translation>E/A-Fehler: %1 ist zu kurz (Lesen über das Dateiende hinaus).</translation>
    </message>
    <message>
        <source>I/O error: %1 is unreadable or too short (read past end of file).</source>
        <translation>E/A-Fehler: %1 ist unlesbar oder zu kurz (Lesen über das Dateiende hinaus).</translation>
    </message>
    <message>
        <source>Scale number out of range.</source>
        <translation>Tonleiternummer außerhalb des gültigen Bereichs.</translation>
    </message>
    <message>
        <source>Chord type index out of range.</source>
        <translation>Akkordtyp-Index außerhalb des gültigen Bereichs.</translation>
    </message>
    <message>
        <source>Chord type or key out of range.</source>
        <translation>Akkordtyp oder Tonart außerhalb des gültigen Bereichs.</translation>
    </message>
    <message>
        <source>Kv.ini already counts %1 user chord types; at most %2 can be read. Delete one first.</source>
        <translation>Kv.ini zählt bereits %1 eigene Akkordtypen; höchstens %2 können gelesen werden. Löschen Sie zuerst einen.</translation>
    </message>
    <message>
        <source>No audio input: %1.</source>
        <translation>Kein Audioeingang: %1.</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>no audio input is built in</source>
        <translation>dieses Programm wurde ohne Audioeingang erstellt</translation>
    </message>
    <message>
        <source>the input &quot;%1&quot; is unknown</source>
        <translation>der Eingang „%1“ ist unbekannt</translation>
    </message>
    <message>
        <source>the input could not be opened</source>
        <translation>der Eingang konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>the audio input stopped delivering sound</source>
        <translation>der Audioeingang liefert keinen Ton mehr</translation>
    </message>
    <message>
        <source>no sound server answers (%1)</source>
        <translation>kein Soundserver antwortet (%1)</translation>
    </message>
    <message>
        <source>the sound server&apos;s input &quot;%1&quot; cannot be opened (%2)</source>
        <translation>der Eingang „%1“ des Soundservers kann nicht geöffnet werden (%2)</translation>
    </message>
    <message>
        <source>ALSA has no capture device (%1)</source>
        <translation>ALSA hat kein Aufnahmegerät (%1)</translation>
    </message>
    <message>
        <source>the ALSA input &quot;%1&quot; cannot be opened (%2)</source>
        <translation>der ALSA-Eingang „%1“ kann nicht geöffnet werden (%2)</translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation>Systemstandard (%1)</translation>
    </message>
    <message>
        <source>System default</source>
        <translation>Systemstandard</translation>
    </message>
    <message>
        <source>No General MIDI soundfont was found, so the built-in synth is silent. Install the package fluid-soundfont-gm or name a soundfont in STRUMLY_SOUNDFONT.</source>
        <translation>Es wurde kein General-MIDI-Soundfont gefunden, daher bleibt der eingebaute Synthesizer stumm. Installieren Sie das Paket fluid-soundfont-gm oder nennen Sie einen Soundfont in STRUMLY_SOUNDFONT.</translation>
    </message>
    <message>
        <source>No sound output is available, so the built-in synth plays silently.</source>
        <translation>Es ist keine Tonausgabe verfügbar, daher spielt der eingebaute Synthesizer lautlos.</translation>
    </message>
    <message>
        <source>cannot load the sound font %1</source>
        <translation>der Soundfont %1 kann nicht geladen werden</translation>
    </message>
    <message>
        <source>no General MIDI sound font was found to render the song with</source>
        <translation>es wurde kein General-MIDI-Soundfont gefunden, mit dem sich der Song berechnen ließe</translation>
    </message>
    <message>
        <source>the song plays for more than 30 minutes with its repeats, longer than an export can be</source>
        <translation>der Song dauert mit seinen Wiederholungen über 30 Minuten, länger als ein Export sein darf</translation>
    </message>
    <message>
        <source>the tempo does not fit a MIDI file</source>
        <translation>das Tempo passt nicht in eine MIDI-Datei</translation>
    </message>
    <message>
        <source>no such time signature</source>
        <translation>diese Taktart gibt es nicht</translation>
    </message>
    <message>
        <source>a track name too long for a MIDI file</source>
        <translation>ein Spurname, der für eine MIDI-Datei zu lang ist</translation>
    </message>
    <message>
        <source>a pause too long for a MIDI file</source>
        <translation>eine Pause, die für eine MIDI-Datei zu lang ist</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>Missing %1</source>
        <translation>Fehlt: %1</translation>
    </message>
    <message>
        <source>Extra %1</source>
        <translation>Zu viel: %1</translation>
    </message>
    <message>
        <source>Missing %1, extra %2</source>
        <translation>Fehlt: %1, zu viel: %2</translation>
    </message>
    <message>
        <source>Heard: %1</source>
        <translation>Gehört: %1</translation>
    </message>
    <message>
        <source>%1 of %2 notes played, %3 wrong</source>
        <translation>%1 von %2 Tönen gespielt, %3 falsch</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Next Diagram</source>
        <translation>Nächstes Diagramm</translation>
    </message>
    <message>
        <source>Show Root</source>
        <translation>Grundton zeigen</translation>
    </message>
    <message>
        <source>Show LEDs</source>
        <translation>LEDs zeigen</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Do you want to replace this diagram?</source>
        <translation>Möchten Sie dieses Diagramm ersetzen?</translation>
    </message>
    <message>
        <source>Do you want to replace this measure?</source>
        <translation>Möchten Sie diesen Takt ersetzen?</translation>
    </message>
    <message>
        <source>Do you want to delete this diagram?</source>
        <translation>Möchten Sie dieses Diagramm löschen?</translation>
    </message>
    <message>
        <source>Do you want to delete this measure?</source>
        <translation>Möchten Sie diesen Takt löschen?</translation>
    </message>
</context>
<context>
    <name>HelpCommands</name>
    <message>
        <source>Help on This Page</source>
        <translation>Hilfe zu dieser Seite</translation>
    </message>
</context>
<context>
    <name>PagePrinter</name>
    <message>
        <source>Strumly! Play Page (Page %1):%2</source>
        <translation>Strumly! Spielseite (Seite %1):%2</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>Der Drucker konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>%1 konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The printer stopped before the last page.</source>
        <translation>Der Drucker hat vor der letzten Seite aufgehört.</translation>
    </message>
    <message>
        <source>Could not write %1: the PDF could not be started.</source>
        <translation>%1 konnte nicht geschrieben werden: Das PDF konnte nicht begonnen werden.</translation>
    </message>
    <message>
        <source>Could not write %1: the PDF could not be finished.</source>
        <translation>%1 konnte nicht geschrieben werden: Das PDF konnte nicht abgeschlossen werden.</translation>
    </message>
</context>
<context>
    <name>PreferenceTabs</name>
    <message>
        <source>Voice:</source>
        <translation>Instrument:</translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation>Kanal:</translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation>Lautstärke:</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Next Diagram</source>
        <translation>Nächstes Diagramm</translation>
    </message>
    <message>
        <source>Show Root Note</source>
        <translation>Grundton zeigen</translation>
    </message>
    <message>
        <source>Activate LEDs</source>
        <translation>LEDs einschalten</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Left
Switch</source>
        <translation>Linker
Schalter</translation>
    </message>
    <message>
        <source>Right
Switch</source>
        <translation>Rechter
Schalter</translation>
    </message>
    <message>
        <source>MIDI In Device (Not Used)</source>
        <translation>MIDI-Eingabegerät (nicht verwendet)</translation>
    </message>
    <message>
        <source>MIDI Out Device</source>
        <translation>MIDI-Ausgabegerät</translation>
    </message>
    <message>
        <source>Guitar Settings</source>
        <translation>Gitarre</translation>
    </message>
    <message>
        <source>Bass Settings</source>
        <translation>Bass</translation>
    </message>
    <message>
        <source>Click Settings</source>
        <translation>Klick</translation>
    </message>
    <message>
        <source>Note:  (0 - 127)</source>
        <translation>Note:  (0 - 127)</translation>
    </message>
    <message>
        <source>Input</source>
        <translation>Eingang</translation>
    </message>
    <message>
        <source>Device:</source>
        <translation>Gerät:</translation>
    </message>
    <message>
        <source>Level:</source>
        <translation>Pegel:</translation>
    </message>
    <message>
        <source>All LED&apos;s On</source>
        <translation>Alle LEDs an</translation>
    </message>
    <message>
        <source>Reverse Foot Switches</source>
        <translation>Fußschalter vertauschen</translation>
    </message>
    <message>
        <source>Flash the Note that is Playing</source>
        <translation>Gespielten Ton blinken lassen</translation>
    </message>
    <message>
        <source>Stop Function (Slow Computers)</source>
        <translation>Stoppfunktion (langsame Computer)</translation>
    </message>
    <message>
        <source>OPTEK Fretlight Guitar</source>
        <translation>OPTEK-Fretlight-Gitarre</translation>
    </message>
    <message>
        <source>Root Note Flash Speed</source>
        <translation>Blinktempo des Grundtons</translation>
    </message>
    <message>
        <source>Note Flashing</source>
        <translation>Blinkende Töne</translation>
    </message>
    <message>
        <source>Scale Diagrams</source>
        <translation>Tonleiterdiagramme</translation>
    </message>
    <message>
        <source>Span 4 Frets</source>
        <translation>Über 4 Bünde</translation>
    </message>
    <message>
        <source>Span 5 Frets  (Use this for Standard Tuning)</source>
        <translation>Über 5 Bünde  (für die Standardstimmung)</translation>
    </message>
    <message>
        <source>Span 6 Frets</source>
        <translation>Über 6 Bünde</translation>
    </message>
    <message>
        <source>Show Tips on Startup</source>
        <translation>Tipps beim Start zeigen</translation>
    </message>
    <message>
        <source>Use Small Font for Chord Name</source>
        <translation>Kleine Schrift für Akkordnamen</translation>
    </message>
    <message>
        <source>Speak Notes</source>
        <translation>Töne ansagen</translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation>Durchsuchen...</translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation>Tipp des Tages</translation>
    </message>
    <message>
        <source>Play Page</source>
        <translation>Spielseite</translation>
    </message>
    <message>
        <source>Count Off Measures (1 - 4)</source>
        <translation>Takte einzählen (1 - 4)</translation>
    </message>
    <message>
        <source>Chord Design</source>
        <translation>Akkordentwurf</translation>
    </message>
    <message>
        <source>Speech Options</source>
        <translation>Sprachausgabe</translation>
    </message>
    <message>
        <source>Speech Volume</source>
        <translation>Lautstärke der Ansage</translation>
    </message>
    <message>
        <source>Tab Page</source>
        <translation>Tab-Seite</translation>
    </message>
    <message>
        <source>Timing Characters</source>
        <translation>Rhythmuszeichen</translation>
    </message>
    <message>
        <source>Insert File</source>
        <translation>Einfügedatei</translation>
    </message>
    <message>
        <source>How much later than its beat the input hears a strum played on it; Calibrate measures it</source>
        <translation>Wie viel später als der Schlag der Eingang einen darauf gespielten Anschlag hört; „Kalibrieren“ misst es</translation>
    </message>
    <message>
        <source>Calibrate...</source>
        <translation>Kalibrieren...</translation>
    </message>
    <message>
        <source>Latency:</source>
        <translation>Latenz:</translation>
    </message>
</context>
<context>
    <name>TabFiles</name>
    <message>
        <source>Tab Page Files</source>
        <translation>Tab-Seiten-Dateien</translation>
    </message>
    <message>
        <source>Tab files</source>
        <translation>Tab-Dateien</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Textdateien</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>Save Strumly Tab File</source>
        <translation>Strumly-Tab-Datei speichern</translation>
    </message>
    <message>
        <source>Do you want to save changes to this Strumly Tab file before opening another file?</source>
        <translation>Möchten Sie die Änderungen an dieser Strumly-Tab-Datei speichern, bevor Sie eine andere Datei öffnen?</translation>
    </message>
    <message>
        <source>This raw tab file has been modified. Do you want to save changes to it before opening another file?</source>
        <translation>Diese Roh-Tab-Datei wurde geändert. Möchten Sie die Änderungen speichern, bevor Sie eine andere Datei öffnen?</translation>
    </message>
    <message>
        <source>Open Strumly Tab File</source>
        <translation>Strumly-Tab-Datei öffnen</translation>
    </message>
    <message>
        <source>Save Raw Tab File</source>
        <translation>Roh-Tab-Datei speichern</translation>
    </message>
    <message>
        <source>This file is Read-Only (probably a template). To Save it, you will have to use a different name. Would you like to save it under a different name?</source>
        <translation>Diese Datei ist schreibgeschützt (wahrscheinlich eine Vorlage). Um sie zu speichern, müssen Sie einen anderen Namen verwenden. Möchten Sie sie unter einem anderen Namen speichern?</translation>
    </message>
    <message>
        <source>There is no tab page to export yet: convert the tab first.</source>
        <translation>Es gibt noch keine Tab-Seite zum Exportieren: Wandeln Sie zuerst die Tabulatur um.</translation>
    </message>
    <message>
        <source>Export WAV</source>
        <translation>WAV exportieren</translation>
    </message>
    <message>
        <source>WAV Files</source>
        <translation>WAV-Dateien</translation>
    </message>
    <message>
        <source>Export MIDI</source>
        <translation>MIDI exportieren</translation>
    </message>
    <message>
        <source>MIDI Files</source>
        <translation>MIDI-Dateien</translation>
    </message>
    <message>
        <source>Open Raw Tab File</source>
        <translation>Roh-Tab-Datei öffnen</translation>
    </message>
</context>
<context>
    <name>strumly::gui::AudioFeed</name>
    <message>
        <source>No audio input.</source>
        <translation>Kein Audioeingang.</translation>
    </message>
</context>
<context>
    <name>strumly::gui::BottomPanel</name>
    <message>
        <source>Note</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Interval</source>
        <translation>Intervall</translation>
    </message>
    <message>
        <source>Chord Name:</source>
        <translation>Akkordname:</translation>
    </message>
    <message>
        <source>Chord Name</source>
        <translation>Akkordname</translation>
    </message>
    <message>
        <source>A name of your own for the chord on the fretboard</source>
        <translation>Ein eigener Name für den Akkord auf dem Griffbrett</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Töne</translation>
    </message>
    <message>
        <source>Intervals</source>
        <translation>Intervalle</translation>
    </message>
</context>
<context>
    <name>strumly::gui::ChordDesignPage</name>
    <message>
        <source>Chord type</source>
        <translation>Akkordtyp</translation>
    </message>
    <message>
        <source>The chord type Show Intervals shows across the neck</source>
        <translation>Der Akkordtyp, dessen Intervalle „Intervalle zeigen“ auf dem ganzen Griffbrett zeigt</translation>
    </message>
    <message>
        <source>Chord type to show across the neck</source>
        <translation>Akkordtyp, der auf dem ganzen Griffbrett gezeigt wird</translation>
    </message>
    <message>
        <source>Show Intervals</source>
        <translation>Intervalle zeigen</translation>
    </message>
    <message>
        <source>Show the intervals of the chord type across the neck</source>
        <translation>Die Intervalle des Akkordtyps auf dem ganzen Griffbrett zeigen</translation>
    </message>
    <message>
        <source>Chord Type</source>
        <translation>Akkordtyp</translation>
    </message>
    <message>
        <source>Chord Design</source>
        <translation>Akkordentwurf</translation>
    </message>
</context>
<context>
    <name>strumly::gui::ChordMenus</name>
    <message>
        <source>Show Scale</source>
        <translation>Tonleiter zeigen</translation>
    </message>
    <message>
        <source>Show Chords</source>
        <translation>Akkorde zeigen</translation>
    </message>
    <message>
        <source>Scale Name</source>
        <translation>Tonleiter</translation>
    </message>
    <message>
        <source>Chord Name</source>
        <translation>Akkord</translation>
    </message>
</context>
<context>
    <name>strumly::gui::ChordSearchPanel</name>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Interval Note Options</source>
        <translation>Optionen für die Töne</translation>
    </message>
    <message>
        <source>Search For All Chords Containing These Notes</source>
        <translation>Alle Akkorde suchen, die diese Töne enthalten</translation>
    </message>
    <message>
        <source>Limit Search To Chords With These Notes Only</source>
        <translation>Nur Akkorde aus diesen Tönen suchen</translation>
    </message>
    <message>
        <source>Root Note Options</source>
        <translation>Optionen für den Grundton</translation>
    </message>
    <message>
        <source>Use Current Root Note Only</source>
        <translation>Nur den aktuellen Grundton verwenden</translation>
    </message>
    <message>
        <source>Use Each Note In Chord As Root</source>
        <translation>Jeden Ton des Akkords als Grundton verwenden</translation>
    </message>
    <message>
        <source>Use All 12 Keys As Root</source>
        <translation>Alle 12 Töne als Grundton verwenden</translation>
    </message>
    <message>
        <source>Chords found</source>
        <translation>Gefundene Akkorde</translation>
    </message>
    <message>
        <source>The chords the search found; drag one onto the design group</source>
        <translation>Die Akkorde, die die Suche gefunden hat; ziehen Sie einen auf die Entwurfsgruppe</translation>
    </message>
    <message>
        <source>No Chords Found</source>
        <translation>Keine Akkorde gefunden</translation>
    </message>
</context>
<context>
    <name>strumly::gui::ChordsPage</name>
    <message>
        <source>Chord page</source>
        <translation>Akkordseite</translation>
    </message>
    <message>
        <source>The chord sets shown, six voicings a row</source>
        <translation>Die gezeigten Akkordsätze, sechs Griffe je Reihe</translation>
    </message>
    <message>
        <source>Play Chord</source>
        <translation>Akkord spielen</translation>
    </message>
    <message>
        <source>Send to Chord Design</source>
        <translation>An Akkordentwurf senden</translation>
    </message>
    <message>
        <source>Send to PlayPage</source>
        <translation>An Spielseite senden</translation>
    </message>
    <message>
        <source>Send to Print Page</source>
        <translation>An Druckseite senden</translation>
    </message>
    <message>
        <source>Show Arpeggio</source>
        <translation>Arpeggio zeigen</translation>
    </message>
    <message>
        <source>Strumly! Chord Page: %1</source>
        <translation>Strumly! Akkordseite: %1</translation>
    </message>
    <message>
        <source>Chord Page Files</source>
        <translation>Akkordseiten-Dateien</translation>
    </message>
    <message>
        <source>Maximum is 5 sets of chords. Clear the Chord page.</source>
        <translation>Höchstens 5 Akkordsätze. Leeren Sie die Akkordseite.</translation>
    </message>
    <message>
        <source>Open Chord Page File</source>
        <translation>Akkordseiten-Datei öffnen</translation>
    </message>
    <message>
        <source>Save Chord Page File</source>
        <translation>Akkordseiten-Datei speichern</translation>
    </message>
    <message>
        <source>The Chord Page was not saved: %1</source>
        <translation>Die Akkordseite wurde nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Chords</source>
        <translation>Akkorde</translation>
    </message>
</context>
<context>
    <name>strumly::gui::DesignGroupView</name>
    <message>
        <source>Chord design group</source>
        <translation>Akkordentwurfsgruppe</translation>
    </message>
    <message>
        <source>The six chords of the design group</source>
        <translation>Die sechs Akkorde der Entwurfsgruppe</translation>
    </message>
    <message>
        <source>Drag</source>
        <translation>Ziehen</translation>
    </message>
    <message>
        <source>Drag to add chord to set</source>
        <translation>Ziehen, um den Akkord der Gruppe hinzuzufügen</translation>
    </message>
    <message>
        <source>Play Chord</source>
        <translation>Akkord spielen</translation>
    </message>
    <message>
        <source>Send To PlayPage</source>
        <translation>An Spielseite senden</translation>
    </message>
    <message>
        <source>Send To Print Page</source>
        <translation>An Druckseite senden</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Drag the designed chord onto a slot of the group</source>
        <translation>Ziehen Sie den entworfenen Akkord auf einen Platz der Gruppe</translation>
    </message>
    <message>
        <source>Do you want to replace this diagram?</source>
        <translation>Möchten Sie dieses Diagramm ersetzen?</translation>
    </message>
    <message>
        <source>Save Chord Design Page changes before closing?</source>
        <translation>Änderungen am Akkordentwurf vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Save Chord Design Page changes to %1 before closing?</source>
        <translation>Änderungen am Akkordentwurf vor dem Schließen in %1 speichern?</translation>
    </message>
    <message>
        <source>Chord Design Files</source>
        <translation>Akkordentwurfs-Dateien</translation>
    </message>
    <message>
        <source>Do you want to save changes to this Design Group before modifying?</source>
        <translation>Möchten Sie die Änderungen an dieser Entwurfsgruppe speichern, bevor Sie sie ändern?</translation>
    </message>
    <message>
        <source>Do you want to erase this diagram?</source>
        <translation>Möchten Sie dieses Diagramm entfernen?</translation>
    </message>
    <message>
        <source>Do you want to save changes to this Design Group before erasing?</source>
        <translation>Möchten Sie die Änderungen an dieser Entwurfsgruppe speichern, bevor Sie sie leeren?</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Datei:</translation>
    </message>
    <message>
        <source>Do you want to save changes to this Design Group before opening another file?</source>
        <translation>Möchten Sie die Änderungen an dieser Entwurfsgruppe speichern, bevor Sie eine andere Datei öffnen?</translation>
    </message>
    <message>
        <source>Open Chord Design File</source>
        <translation>Akkordentwurfs-Datei öffnen</translation>
    </message>
    <message>
        <source>File: %1</source>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <source>Save Chord Design File</source>
        <translation>Akkordentwurfs-Datei speichern</translation>
    </message>
</context>
<context>
    <name>strumly::gui::FretControls</name>
    <message>
        <source>Plain marker</source>
        <translation>Einfache Markierung</translation>
    </message>
    <message>
        <source>Finger %1</source>
        <translation>Finger %1</translation>
    </message>
    <message>
        <source>Root</source>
        <translation>Grundton</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>Bass</translation>
    </message>
    <message>
        <source>String %1 fret</source>
        <translation>Bund auf Saite %1</translation>
    </message>
    <message>
        <source>The fret pressed on the string; empty for a muted string</source>
        <translation>Der auf der Saite gegriffene Bund; leer für eine gedämpfte Saite</translation>
    </message>
    <message>
        <source>Root up</source>
        <translation>Grundton höher</translation>
    </message>
    <message>
        <source>Bass up</source>
        <translation>Bass höher</translation>
    </message>
    <message>
        <source>Root down</source>
        <translation>Grundton tiefer</translation>
    </message>
    <message>
        <source>Bass down</source>
        <translation>Bass tiefer</translation>
    </message>
</context>
<context>
    <name>strumly::gui::Fretboard</name>
    <message>
        <source>Chord Name:</source>
        <translation>Akkordname:</translation>
    </message>
    <message>
        <source>Scale Name:</source>
        <translation>Tonleiter:</translation>
    </message>
</context>
<context>
    <name>strumly::gui::HelpWindow</name>
    <message>
        <source>Strumly Help</source>
        <translation>Strumly-Hilfe</translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation>Stichwort eingeben</translation>
    </message>
    <message>
        <source>Words to find</source>
        <translation>Gesuchte Wörter</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>&amp;Suchen</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suche</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation>&amp;Vorwärts</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>&amp;Inhalt</translation>
    </message>
    <message>
        <source>No page holds all of these words.</source>
        <translation>Keine Seite enthält alle diese Wörter.</translation>
    </message>
</context>
<context>
    <name>strumly::gui::LicencesView</name>
    <message>
        <source>Licences</source>
        <translation>Lizenzen</translation>
    </message>
    <message>
        <source>The licence texts are missing from %1</source>
        <translation>Die Lizenztexte fehlen in %1</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>strumly::gui::ListenOnPages</name>
    <message>
        <source>Listen: press Play and play along; each chord of the song is marked</source>
        <translation>Hören: Drücken Sie auf Abspielen und spielen Sie mit; jeder Akkord des Songs wird bewertet</translation>
    </message>
    <message>
        <source>Listen works on the Chords, Chord Design, Scales and PlayPage pages</source>
        <translation>Hören geht auf den Seiten Akkorde, Akkordentwurf, Tonleitern und Spielseite</translation>
    </message>
    <message>
        <source>Listening: press Play and play along</source>
        <translation>Hört zu: Drücken Sie auf Abspielen und spielen Sie mit</translation>
    </message>
    <message>
        <source>Listen</source>
        <translation>Hören</translation>
    </message>
    <message>
        <source>Listen: marks what you play against the chord or scale shown</source>
        <translation>Hören: vergleicht Ihr Spiel mit dem gezeigten Akkord oder der gezeigten Tonleiter</translation>
    </message>
    <message>
        <source>Listening: strum a chord</source>
        <translation>Hört zu: Schlagen Sie einen Akkord an</translation>
    </message>
    <message>
        <source>Listening: strum the chord</source>
        <translation>Hört zu: Schlagen Sie den Akkord an</translation>
    </message>
    <message>
        <source>The audio input was lost (%1). Listening stopped.</source>
        <translation>Der Audioeingang ist nicht mehr verfügbar (%1). Das Zuhören wurde beendet.</translation>
    </message>
</context>
<context>
    <name>strumly::gui::MainMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <source>Export MIDI...</source>
        <translation>MIDI exportieren...</translation>
    </message>
    <message>
        <source>Export WAV...</source>
        <translation>WAV exportieren...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>Druck&amp;vorschau...</translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation>PDF exportieren...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Key</source>
        <translation>&amp;Tonart</translation>
    </message>
    <message>
        <source>&amp;Major</source>
        <translation>D&amp;ur</translation>
    </message>
    <message>
        <source>More Chords...</source>
        <translation>Weitere Akkorde...</translation>
    </message>
    <message>
        <source>M&amp;inor</source>
        <translation>&amp;Moll</translation>
    </message>
    <message>
        <source>&amp;Dominant</source>
        <translation>Dom&amp;inant</translation>
    </message>
    <message>
        <source>&amp;Scale</source>
        <translation>Ton&amp;leiter</translation>
    </message>
    <message>
        <source>More Scales...</source>
        <translation>Weitere Tonleitern...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Tempo...</source>
        <translation>Tempo...</translation>
    </message>
    <message>
        <source>Speed Trainer...</source>
        <translation>Tempotrainer...</translation>
    </message>
    <message>
        <source>Flats</source>
        <translation>Be-Vorzeichen</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Oben/unten tauschen</translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>Interval Calculator...</source>
        <translation>Intervallrechner...</translation>
    </message>
    <message>
        <source>Tuner...</source>
        <translation>Stimmgerät...</translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation>&amp;Fenster</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>&amp;Hilfethemen</translation>
    </message>
    <message>
        <source>Show Tips...</source>
        <translation>Tipps anzeigen...</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>Ü&amp;ber...</translation>
    </message>
    <message>
        <source>&amp;New Chord Page</source>
        <translation>&amp;Neue Akkordseite</translation>
    </message>
    <message>
        <source>&amp;New Play Page</source>
        <translation>&amp;Neue Spielseite</translation>
    </message>
    <message>
        <source>&amp;New Scale Page</source>
        <translation>&amp;Neue Tonleiterseite</translation>
    </message>
    <message>
        <source>&amp;New Design Page</source>
        <translation>&amp;Neue Entwurfsseite</translation>
    </message>
    <message>
        <source>&amp;New Print Page</source>
        <translation>&amp;Neue Druckseite</translation>
    </message>
    <message>
        <source>Web Sites...</source>
        <translation>Websites...</translation>
    </message>
    <message>
        <source>Tutorials...</source>
        <translation>Anleitungen...</translation>
    </message>
</context>
<context>
    <name>strumly::gui::OptionsWiring</name>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Next Diagram</source>
        <translation>Nächstes Diagramm</translation>
    </message>
    <message>
        <source>Show Root</source>
        <translation>Grundton zeigen</translation>
    </message>
    <message>
        <source>Show LEDs</source>
        <translation>LEDs zeigen</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>Nächste Seite</translation>
    </message>
</context>
<context>
    <name>strumly::gui::PageImage</name>
    <message>
        <source>%1. The arrow keys move the selection, Enter shows it, the Menu key or Shift+F10 opens its commands</source>
        <translation>%1. Die Pfeiltasten bewegen die Auswahl, die Eingabetaste zeigt sie, die Menütaste oder Umschalt+F10 öffnet ihre Befehle</translation>
    </message>
</context>
<context>
    <name>strumly::gui::PagePrinter</name>
    <message>
        <source>Printer could not be found</source>
        <translation>Kein Drucker gefunden</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>PDF Files</source>
        <translation>PDF-Dateien</translation>
    </message>
</context>
<context>
    <name>strumly::gui::PlayPage</name>
    <message>
        <source>Play page</source>
        <translation>Spielseite</translation>
    </message>
    <message>
        <source>The song: 288 chord slots in bars, played from the start marker</source>
        <translation>Der Song: 288 Akkordplätze in Takten, gespielt ab der Startmarke</translation>
    </message>
    <message>
        <source>Play-along score</source>
        <translation>Mitspiel-Bewertung</translation>
    </message>
    <message>
        <source>Play Page Files</source>
        <translation>Spielseiten-Dateien</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>Play Chord</source>
        <translation>Akkord spielen</translation>
    </message>
    <message>
        <source>Send To Chord Design</source>
        <translation>An Akkordentwurf senden</translation>
    </message>
    <message>
        <source>Send To Print Page</source>
        <translation>An Druckseite senden</translation>
    </message>
    <message>
        <source>Insert Space</source>
        <translation>Lücke einfügen</translation>
    </message>
    <message>
        <source>Delete Chord</source>
        <translation>Akkord löschen</translation>
    </message>
    <message>
        <source>Cut and Move Chord</source>
        <translation>Akkord ausschneiden und verschieben</translation>
    </message>
    <message>
        <source>Copy and Move Chord</source>
        <translation>Akkord kopieren und verschieben</translation>
    </message>
    <message>
        <source>Insert Measure</source>
        <translation>Takt einfügen</translation>
    </message>
    <message>
        <source>Delete Measure</source>
        <translation>Takt löschen</translation>
    </message>
    <message>
        <source>Cut and Move Measure</source>
        <translation>Takt ausschneiden und verschieben</translation>
    </message>
    <message>
        <source>Copy and Move Measure</source>
        <translation>Takt kopieren und verschieben</translation>
    </message>
    <message>
        <source>Repeat Markers</source>
        <translation>Wiederholungszeichen</translation>
    </message>
    <message>
        <source>Do you want to save changes to this PlayPage before opening another file?</source>
        <translation>Möchten Sie die Änderungen an dieser Spielseite speichern, bevor Sie eine andere Datei öffnen?</translation>
    </message>
    <message>
        <source>Open PlayPage File</source>
        <translation>Spielseiten-Datei öffnen</translation>
    </message>
    <message>
        <source>(RU5 Version)</source>
        <translation>(RU5-Version)</translation>
    </message>
    <message>
        <source>Save PlayPage File</source>
        <translation>Spielseiten-Datei speichern</translation>
    </message>
    <message>
        <source>Export WAV</source>
        <translation>WAV exportieren</translation>
    </message>
    <message>
        <source>WAV Files</source>
        <translation>WAV-Dateien</translation>
    </message>
    <message>
        <source>Export MIDI</source>
        <translation>MIDI exportieren</translation>
    </message>
    <message>
        <source>MIDI Files</source>
        <translation>MIDI-Dateien</translation>
    </message>
    <message>
        <source>Save PlayPage changes before closing?</source>
        <translation>Änderungen an der Spielseite vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Save PlayPage changes to %1 before closing?</source>
        <translation>Änderungen an der Spielseite vor dem Schließen in %1 speichern?</translation>
    </message>
    <message>
        <source>Time Signature</source>
        <translation>Taktart</translation>
    </message>
    <message>
        <source>PlayPage %1</source>
        <translation>Spielseite %1</translation>
    </message>
    <message>
        <source>PlayPage</source>
        <translation>Spielseite</translation>
    </message>
</context>
<context>
    <name>strumly::gui::PlayPageScoring</name>
    <message>
        <source>Mute the guitar while I play</source>
        <translation>Gitarre stumm, während ich spiele</translation>
    </message>
    <message>
        <source>While Listen scores your playing, the program plays only the bass and the click</source>
        <translation>Während „Hören“ Ihr Spiel bewertet, spielt das Programm nur den Bass und den Klick</translation>
    </message>
    <message>
        <source>Listening: play along</source>
        <translation>Hört zu: Spielen Sie mit</translation>
    </message>
    <message>
        <source>No chord was due while listening</source>
        <translation>Während des Zuhörens war kein Akkord fällig</translation>
    </message>
    <message>
        <source>%1: right, on the beat</source>
        <translation>%1: richtig, auf dem Schlag</translation>
    </message>
    <message>
        <source>%1: right, %2 ms late</source>
        <translation>%1: richtig, %2 ms zu spät</translation>
    </message>
    <message>
        <source>%1: right, %2 ms early</source>
        <translation>%1: richtig, %2 ms zu früh</translation>
    </message>
    <message>
        <source>%1: partly right, on the beat</source>
        <translation>%1: teilweise richtig, auf dem Schlag</translation>
    </message>
    <message>
        <source>%1: partly right, %2 ms late</source>
        <translation>%1: teilweise richtig, %2 ms zu spät</translation>
    </message>
    <message>
        <source>%1: partly right, %2 ms early</source>
        <translation>%1: teilweise richtig, %2 ms zu früh</translation>
    </message>
    <message>
        <source>%1: missed</source>
        <translation>%1: verpasst</translation>
    </message>
    <message>
        <source>%1 of 1 chord right, %2 partly, %3 missed</source>
        <translation>%1 von 1 Akkord richtig, %2 teilweise, %3 verpasst</translation>
    </message>
    <message>
        <source>%1 of %2 chords right, %3 partly, %4 missed</source>
        <translation>%1 von %2 Akkorden richtig, %3 teilweise, %4 verpasst</translation>
    </message>
    <message>
        <source>%1; on average on the beat</source>
        <translation>%1; im Mittel genau auf dem Schlag</translation>
    </message>
    <message>
        <source>%1; on average %2 ms late</source>
        <translation>%1; im Mittel %2 ms zu spät</translation>
    </message>
    <message>
        <source>%1; on average %2 ms early</source>
        <translation>%1; im Mittel %2 ms zu früh</translation>
    </message>
</context>
<context>
    <name>strumly::gui::PrintPage</name>
    <message>
        <source>Print page</source>
        <translation>Druckseite</translation>
    </message>
    <message>
        <source>The diagrams to print, six a row in five rows</source>
        <translation>Die zu druckenden Diagramme, sechs je Reihe in fünf Reihen</translation>
    </message>
    <message>
        <source>Play Diagram</source>
        <translation>Diagramm spielen</translation>
    </message>
    <message>
        <source>Send To PlayPage</source>
        <translation>An Spielseite senden</translation>
    </message>
    <message>
        <source>Send To Chord Design</source>
        <translation>An Akkordentwurf senden</translation>
    </message>
    <message>
        <source>Send To Scale Page</source>
        <translation>An Tonleiterseite senden</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Strumly! Print Page: %1</source>
        <translation>Strumly! Druckseite: %1</translation>
    </message>
    <message>
        <source>Do you want to replace this diagram?</source>
        <translation>Möchten Sie dieses Diagramm ersetzen?</translation>
    </message>
    <message>
        <source>Do you want to erase this diagram?</source>
        <translation>Möchten Sie dieses Diagramm entfernen?</translation>
    </message>
    <message>
        <source>Open Print Page File</source>
        <translation>Druckseiten-Datei öffnen</translation>
    </message>
    <message>
        <source>Print Page Files</source>
        <translation>Druckseiten-Dateien</translation>
    </message>
    <message>
        <source>Save Print Page File</source>
        <translation>Druckseiten-Datei speichern</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Druckseite</translation>
    </message>
</context>
<context>
    <name>strumly::gui::ScalesPage</name>
    <message>
        <source>Scales page</source>
        <translation>Tonleiterseite</translation>
    </message>
    <message>
        <source>The scale sets shown, six positions a row</source>
        <translation>Die gezeigten Tonleitersätze, sechs Lagen je Reihe</translation>
    </message>
    <message>
        <source>Play This Diagram</source>
        <translation>Dieses Diagramm spielen</translation>
    </message>
    <message>
        <source>Play Scale From Root</source>
        <translation>Tonleiter ab Grundton spielen</translation>
    </message>
    <message>
        <source>Send To Print Page</source>
        <translation>An Druckseite senden</translation>
    </message>
    <message>
        <source>Change Beginning Fret</source>
        <translation>Anfangsbund ändern</translation>
    </message>
    <message>
        <source>Do you want to replace this row of diagrams?</source>
        <translation>Möchten Sie diese Reihe von Diagrammen ersetzen?</translation>
    </message>
    <message>
        <source>Strumly! Scale Page: %1</source>
        <translation>Strumly! Tonleiterseite: %1</translation>
    </message>
    <message>
        <source>Maximum is 5 sets of scales. Clear the Scale page.</source>
        <translation>Höchstens 5 Tonleitersätze. Leeren Sie die Tonleiterseite.</translation>
    </message>
    <message>
        <source>Scale Page Files</source>
        <translation>Tonleiterseiten-Dateien</translation>
    </message>
    <message>
        <source>Open Scale Page File</source>
        <translation>Tonleiterseiten-Datei öffnen</translation>
    </message>
    <message>
        <source>Save Scale Page File</source>
        <translation>Tonleiterseiten-Datei speichern</translation>
    </message>
    <message>
        <source>Scales</source>
        <translation>Tonleitern</translation>
    </message>
</context>
<context>
    <name>strumly::gui::SmallDialog</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>strumly::gui::TTipOfTheDayForm</name>
    <message>
        <source>Tip of the Day</source>
        <translation>Tipp des Tages</translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation>Wussten Sie schon...</translation>
    </message>
    <message>
        <source>Show Tips at Startup</source>
        <translation>Tipps beim Start zeigen</translation>
    </message>
    <message>
        <source>Next Tip</source>
        <translation>Nächster Tipp</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The tips could not be saved to %1:
%2

Your choice of &quot;Show Tips at Startup&quot; will not be remembered.</source>
        <translation>Die Tipps konnten nicht in %1 gespeichert werden:
%2

Ihre Wahl bei „Tipps beim Start zeigen“ bleibt nicht erhalten.</translation>
    </message>
</context>
<context>
    <name>strumly::gui::TabControls</name>
    <message>
        <source>Time of each - : %1</source>
        <translation>Dauer je - : %1</translation>
    </message>
    <message>
        <source>Check Tab Edits</source>
        <translation>Änderungen prüfen</translation>
    </message>
    <message>
        <source>Convert Tab</source>
        <translation>Tab umwandeln</translation>
    </message>
    <message>
        <source>View Converted Tab</source>
        <translation>Umgewandelte Tab zeigen</translation>
    </message>
    <message>
        <source>Play on First Digit</source>
        <translation>Auf erster Ziffer spielen</translation>
    </message>
    <message>
        <source>Double Digit Tempo Adjust</source>
        <translation>Tempoausgleich zweistellig</translation>
    </message>
    <message>
        <source>Auto Tune</source>
        <translation>Stimmung erkennen</translation>
    </message>
    <message>
        <source>Write Tab</source>
        <translation>Tab schreiben</translation>
    </message>
    <message>
        <source>Edit Cursor</source>
        <translation>Bearbeitungscursor</translation>
    </message>
    <message>
        <source>Strip Tab</source>
        <translation>Tab bereinigen</translation>
    </message>
    <message>
        <source>Insert Tab</source>
        <translation>Tab einfügen</translation>
    </message>
    <message>
        <source>Note Sustain</source>
        <translation>Nachklingen</translation>
    </message>
</context>
<context>
    <name>strumly::gui::TabPage</name>
    <message>
        <source>Reset Start &amp;&amp; End Cursors</source>
        <translation>Start- &amp;&amp; End-Cursor zurücksetzen</translation>
    </message>
    <message>
        <source>Reset Start Cursor</source>
        <translation>Start-Cursor zurücksetzen</translation>
    </message>
    <message>
        <source>Reset End Cursor</source>
        <translation>End-Cursor zurücksetzen</translation>
    </message>
    <message>
        <source>Send Chord at Cursor to Chord Design</source>
        <translation>Akkord am Cursor an Akkordentwurf senden</translation>
    </message>
    <message>
        <source>View Converted Tab</source>
        <translation>Umgewandelte Tab zeigen</translation>
    </message>
    <message>
        <source>View Raw Tab</source>
        <translation>Roh-Tab zeigen</translation>
    </message>
    <message>
        <source>No tab found.</source>
        <translation>Keine Tabulatur gefunden.</translation>
    </message>
    <message>
        <source>Do you want to save changes to the current Strumly Tab file before converting another file?</source>
        <translation>Möchten Sie die Änderungen an der aktuellen Strumly-Tab-Datei speichern, bevor Sie eine andere Datei umwandeln?</translation>
    </message>
    <message>
        <source>Please edit the tab file into smaller sections. Cannot display.</source>
        <translation>Bitte teilen Sie die Tab-Datei in kleinere Abschnitte auf. Anzeige nicht möglich.</translation>
    </message>
    <message>
        <source>Save Raw Tab changes before closing?</source>
        <translation>Änderungen am Roh-Tab vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Save Raw Tab changes to %1 before closing?</source>
        <translation>Änderungen am Roh-Tab vor dem Schließen in %1 speichern?</translation>
    </message>
    <message>
        <source>Save Strumly Tab file (.vxt) changes before closing?</source>
        <translation>Änderungen an der Strumly-Tab-Datei (.vxt) vor dem Schließen speichern?</translation>
    </message>
    <message>
        <source>Save Strumly Tab file (.vxt) changes to %1 before closing?</source>
        <translation>Änderungen an der Strumly-Tab-Datei (.vxt) vor dem Schließen in %1 speichern?</translation>
    </message>
    <message>
        <source>Tablature</source>
        <translation>Tabulatur</translation>
    </message>
</context>
<context>
    <name>strumly::gui::TabPageView</name>
    <message>
        <source>Converted tab</source>
        <translation>Umgewandelte Tabulatur</translation>
    </message>
    <message>
        <source>The tab as it plays, with the play range markers and the play cursor</source>
        <translation>Die Tabulatur, wie sie gespielt wird, mit den Marken des Spielbereichs und dem Wiedergabe-Cursor</translation>
    </message>
    <message>
        <source>Tab page</source>
        <translation>Tab-Seite</translation>
    </message>
    <message>
        <source>The converted tab in blocks of six strings; a left click sets the start marker, a right click the end marker, a right click beside a block&apos;s text opens the marker commands</source>
        <translation>Die umgewandelte Tabulatur in Blöcken zu sechs Saiten; ein Linksklick setzt die Startmarke, ein Rechtsklick die Endmarke, ein Rechtsklick neben dem Text eines Blocks öffnet die Befehle der Marken</translation>
    </message>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
</context>
<context>
    <name>strumly::gui::TabRawView</name>
    <message>
        <source>Tab text</source>
        <translation>Tab-Text</translation>
    </message>
    <message>
        <source>The tab as written, to edit before it is converted</source>
        <translation>Die Tabulatur, wie sie geschrieben ist, zum Bearbeiten vor dem Umwandeln</translation>
    </message>
    <message>
        <source>To convert tab:
1. Click on the &quot;Open&quot; (the folder icon) button and select a tab file.
2. Strumly will analyze and display the file here. Any section that Strumly thinks is
   tab, will be highlighted in red.
3. If it looks like Strumly found all the guitar tab sections, click on the &quot;Convert 
   Tab&quot; button.
4. If there are sections that Strumly did not find, you will have to edit the sections
   to make sure the lines are the same length, or there are not too many spaces
   in the lines of tab, etc.
5. Once the tab has been converted it would be a good idea to save the tab to
   a Strumly tab file. Just click on the &quot;Save&quot; (the disk icon) button to save 
   the file as you would when saving any Strumly page.     
6. You can now play the tab. Click on the Play button just like you would play a
   PlayPage song.

For more information, see the help file or click on the &quot;Open&quot; button
and open the &quot;Tablature Tutorial.tab&quot; file. </source>
        <translation>So wandeln Sie eine Tabulatur um:
1. Klicken Sie auf die Schaltfläche „Öffnen“ (das Ordnersymbol) und wählen Sie eine
   Tab-Datei.
2. Strumly untersucht die Datei und zeigt sie hier an. Jeder Abschnitt, den Strumly
   für Tabulatur hält, wird rot hervorgehoben.
3. Wenn Strumly alle Gitarren-Tab-Abschnitte gefunden zu haben scheint, klicken Sie
   auf die Schaltfläche „Tab umwandeln“.
4. Hat Strumly Abschnitte nicht gefunden, müssen Sie diese Abschnitte bearbeiten:
   Die Zeilen müssen gleich lang sein, die Tab-Zeilen dürfen nicht zu viele
   Leerzeichen enthalten usw.
5. Ist die Tabulatur umgewandelt, empfiehlt es sich, sie als Strumly-Tab-Datei zu
   speichern. Klicken Sie dazu auf die Schaltfläche „Speichern“ (das Diskettensymbol),
   wie beim Speichern jeder anderen Strumly-Seite.
6. Jetzt können Sie die Tabulatur abspielen. Klicken Sie auf „Abspielen“, genau wie
   bei einem Song der Spielseite.

Mehr dazu finden Sie in der Hilfe, oder klicken Sie auf „Öffnen“ und öffnen Sie
die Datei „Tablature Tutorial.tab“. </translation>
    </message>
</context>
<context>
    <name>strumly::gui::TdlgAddChord</name>
    <message>
        <source>Add User Chord</source>
        <translation>Eigenen Akkord hinzufügen</translation>
    </message>
    <message>
        <source>Intervals</source>
        <translation>Intervalle</translation>
    </message>
    <message>
        <source>Formula:</source>
        <translation>Formel:</translation>
    </message>
    <message>
        <source>Chord Name:</source>
        <translation>Akkordname:</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>strumly::gui::TdlgBeginFret</name>
    <message>
        <source>Change Beginning Fret</source>
        <translation>Anfangsbund ändern</translation>
    </message>
    <message>
        <source>Enter a number between 1 and 20</source>
        <translation>Zahl von 1 bis 20 eingeben</translation>
    </message>
</context>
<context>
    <name>strumly::gui::TdlgCalibrate</name>
    <message>
        <source>Press Start and listen to four clicks, then strum a chord on each of the next four, as you would play along with a song.</source>
        <translation>Drücken Sie auf Start und hören Sie vier Klicks; schlagen Sie dann auf jeden der nächsten vier einen Akkord an, so wie Sie zu einem Song mitspielen würden.</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Calibrate Latency</source>
        <translation>Latenz kalibrieren</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Listening stopped before the last strum.</source>
        <translation>Das Zuhören endete vor dem letzten Anschlag.</translation>
    </message>
    <message>
        <source>The audio input was lost (%1).</source>
        <translation>Der Audioeingang ist nicht mehr verfügbar (%1).</translation>
    </message>
    <message>
        <source>No MIDI output is open to play the click.</source>
        <translation>Für den Klick ist keine MIDI-Ausgabe geöffnet.</translation>
    </message>
    <message>
        <source>Listen to the first four clicks...</source>
        <translation>Hören Sie die ersten vier Klicks...</translation>
    </message>
    <message>
        <source>Strum on each click now.</source>
        <translation>Schlagen Sie jetzt auf jeden Klick an.</translation>
    </message>
    <message>
        <source>Only %1 of the four strums were heard near a click. Press Start to try again.</source>
        <translation>Nur %1 der vier Anschläge waren nahe an einem Klick zu hören. Drücken Sie auf Start, um es erneut zu versuchen.</translation>
    </message>
    <message>
        <source>Your strums were heard %1 ms after the clicks.</source>
        <translation>Ihre Anschläge waren %1 ms nach den Klicks zu hören.</translation>
    </message>
    <message>
        <source>Your strums were heard %1 ms before the clicks.</source>
        <translation>Ihre Anschläge waren %1 ms vor den Klicks zu hören.</translation>
    </message>
</context>
<context>
    <name>strumly::gui::TdlgRepeat</name>
    <message>
        <source>Repeat Markers</source>
        <translation>Wiederholungszeichen</translation>
    </message>
    <message>
        <source>Choose Repeat Markers For Measure</source>
        <translation>Wiederholungszeichen für Takt</translation>
    </message>
    <message>
        <source>Start of a repeated section</source>
        <translation>Beginn eines wiederholten Abschnitts</translation>
    </message>
    <message>
        <source>End of a repeated section</source>
        <translation>Ende eines wiederholten Abschnitts</translation>
    </message>
    <message>
        <source>How Many Repeats?</source>
        <translation>Wie oft?</translation>
    </message>
    <message>
        <source>(1 - 255)</source>
        <translation>(1 - 255)</translation>
    </message>
    <message>
        <source>Check to loop from this measure</source>
        <translation>Schleife ab diesem Takt:</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Schleife</translation>
    </message>
</context>
<context>
    <name>strumly::gui::TdlgSpeedTrainer</name>
    <message>
        <source>Speed Trainer</source>
        <translation>Tempotrainer</translation>
    </message>
    <message>
        <source>Start tempo (bpm)</source>
        <translation>Anfangstempo (BPM)</translation>
    </message>
    <message>
        <source>Step (bpm)</source>
        <translation>Schritt (BPM)</translation>
    </message>
    <message>
        <source>Every (passes)</source>
        <translation>Alle (Durchläufe)</translation>
    </message>
    <message>
        <source>Target tempo (bpm)</source>
        <translation>Zieltempo (BPM)</translation>
    </message>
    <message>
        <source>Use the speed trainer</source>
        <translation>Tempotrainer verwenden</translation>
    </message>
    <message>
        <source>With Loop Play down, each pass of the loop plays at the trainer&apos;s tempo</source>
        <translation>Bei gedrückter Schleifenwiedergabe spielt jeder Durchlauf der Schleife im Tempo des Trainers</translation>
    </message>
</context>
<context>
    <name>strumly::gui::TdlgTempo</name>
    <message>
        <source>Change PlayPage Tempo</source>
        <translation>Tempo der Spielseite ändern</translation>
    </message>
    <message>
        <source>Enter a tempo between 10 and 250</source>
        <translation>Tempo von 10 bis 250 eingeben</translation>
    </message>
</context>
<context>
    <name>strumly::gui::TdlgTuner</name>
    <message>
        <source>Tuner</source>
        <translation>Stimmgerät</translation>
    </message>
    <message>
        <source> Hz</source>
        <translation> Hz</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Reference A4:</source>
        <translation>Kammerton A4:</translation>
    </message>
    <message>
        <source>Play one string at a time.</source>
        <translation>Spielen Sie jeweils eine Saite.</translation>
    </message>
    <message>
        <source>The input was lost: %1.</source>
        <translation>Der Eingang ist nicht mehr verfügbar: %1.</translation>
    </message>
    <message>
        <source>Listening stopped: the input is in use elsewhere. Close and open the tuner to listen again.</source>
        <translation>Zuhören beendet: Der Eingang wird anderswo verwendet. Schließen und öffnen Sie das Stimmgerät, um wieder zuzuhören.</translation>
    </message>
    <message>
        <source>String %1: %2</source>
        <translation>Saite %1: %2</translation>
    </message>
    <message>
        <source>in tune</source>
        <translation>gestimmt</translation>
    </message>
    <message>
        <source>%1%2 cents</source>
        <translation>%1%2 Cent</translation>
    </message>
</context>
<context>
    <name>strumly::gui::TfrmAboutBox</name>
    <message>
        <source>no General MIDI sound font found</source>
        <translation>kein General-MIDI-Soundfont gefunden</translation>
    </message>
    <message>
        <source>FluidR3 GM by Frank Wen (MIT licence)</source>
        <translation>FluidR3 GM von Frank Wen (MIT-Lizenz)</translation>
    </message>
    <message>
        <source>TimGM6mb by Tim Brechbill (GPL 2)</source>
        <translation>TimGM6mb von Tim Brechbill (GPL 2)</translation>
    </message>
    <message>
        <source>MuseScore General by S. Christian Collins (MIT licence)</source>
        <translation>MuseScore General von S. Christian Collins (MIT-Lizenz)</translation>
    </message>
    <message>
        <source>%1 (see its own licence)</source>
        <translation>%1 (unter eigener Lizenz)</translation>
    </message>
    <message>
        <source>About Strumly</source>
        <translation>Über Strumly</translation>
    </message>
    <message>
        <source>Built with Qt, FluidSynth and hidapi. Guitar and bass sounds: %1. Spoken note names: voices of eSpeak NG (GPL 3).</source>
        <translation>Erstellt mit Qt, FluidSynth und hidapi. Gitarren- und Bassklänge: %1. Gesprochene Notennamen: Stimmen von eSpeak NG (GPL 3).</translation>
    </message>
    <message>
        <source>Strumly! version: %1</source>
        <translation>Strumly! Version: %1</translation>
    </message>
    <message>
        <source>Please be responsible and obtain all of your tablature in a legal manner. Thank you.</source>
        <translation>Bitte handeln Sie verantwortungsvoll und beschaffen Sie all Ihre Tabulaturen auf legalem Weg. Vielen Dank.</translation>
    </message>
    <message>
        <source>Licences...</source>
        <translation>Lizenzen...</translation>
    </message>
    <message>
        <source>Okay</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>strumly::gui::TfrmIntCalc</name>
    <message>
        <source>Root (1)</source>
        <translation>Prime (1)</translation>
    </message>
    <message>
        <source>Strumly! Music Interval Calculator</source>
        <translation>Strumly! Intervallrechner</translation>
    </message>
    <message>
        <source>Flats or Sharps</source>
        <translation>Be oder Kreuz</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Scales or Chords</source>
        <translation>Tonleitern oder Akkorde</translation>
    </message>
    <message>
        <source>Scales</source>
        <translation>Skalen</translation>
    </message>
    <message>
        <source>Root</source>
        <translation>Ton</translation>
    </message>
    <message>
        <source>Change Root</source>
        <translation>Grundton ändern</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Chords</source>
        <translation>Akkorde</translation>
    </message>
</context>
<context>
    <name>strumly::gui::TfrmMain</name>
    <message>
        <source>Sharps</source>
        <translation>Kreuz-Vorzeichen</translation>
    </message>
    <message>
        <source>Flats</source>
        <translation>Be-Vorzeichen</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>Seiten</translation>
    </message>
    <message>
        <source>The left and right arrow keys change the page</source>
        <translation>Die Pfeiltasten nach links und rechts wechseln die Seite</translation>
    </message>
    <message>
        <source>Step Play is active</source>
        <translation>Schrittweises Spielen ist aktiv</translation>
    </message>
    <message>
        <source>Songs are exported from the PlayPage and the Tablature page.</source>
        <translation>Songs werden von der Spielseite und der Tabulaturseite exportiert.</translation>
    </message>
</context>
<context>
    <name>strumly::gui::TfrmPreferences</name>
    <message>
        <source>None Found</source>
        <translation>Keines gefunden</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Strumly Preferences</source>
        <translation>Strumly-Einstellungen</translation>
    </message>
    <message>
        <source>MIDI</source>
        <translation>MIDI</translation>
    </message>
    <message>
        <source>Fretlight</source>
        <translation>Fretlight</translation>
    </message>
    <message>
        <source>Strumly</source>
        <translation>Strumly</translation>
    </message>
    <message>
        <source>No audio input.</source>
        <translation>Kein Audioeingang.</translation>
    </message>
    <message>
        <source>%1 (not connected)</source>
        <translation>%1 (nicht verbunden)</translation>
    </message>
    <message>
        <source>Fretlight Plugged In</source>
        <translation>Fretlight angeschlossen</translation>
    </message>
    <message>
        <source>Fretlight Unplugged</source>
        <translation>Fretlight nicht angeschlossen</translation>
    </message>
    <message>
        <source>A Fretlight guitar is attached, but you may not open it. Install the udev rule %1 (cmake --install puts it in lib/udev/rules.d) and plug the guitar in again.</source>
        <translation>Eine Fretlight-Gitarre ist angeschlossen, aber Sie dürfen sie nicht öffnen. Installieren Sie die udev-Regel %1 (cmake --install legt sie in lib/udev/rules.d ab) und stecken Sie die Gitarre erneut ein.</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>„%1“ ist keine gültige ganze Zahl</translation>
    </message>
    <message>
        <source>Look For: Insert Tab File</source>
        <translation>Suchen: Einfüge-Tab-Datei</translation>
    </message>
    <message>
        <source>Tab files</source>
        <translation>Tab-Dateien</translation>
    </message>
    <message>
        <source>Text files</source>
        <translation>Textdateien</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
</context>
<context>
    <name>strumly::gui::TfrmSplashScreen</name>
    <message>
        <source>Please be responsible and obtain all of your tablature in a legal manner. Thank you.</source>
        <translation>Bitte handeln Sie verantwortungsvoll und beschaffen Sie all Ihre Tabulaturen auf legalem Weg. Vielen Dank.</translation>
    </message>
    <message>
        <source>Chords, scales and tablature for the six-string guitar</source>
        <translation>Akkorde, Tonleitern und Tabulaturen für die sechssaitige Gitarre</translation>
    </message>
</context>
<context>
    <name>strumly::gui::ToolPanel</name>
    <message>
        <source>Foot Switches</source>
        <translation>Fußschalter</translation>
    </message>
    <message>
        <source>Show Chords</source>
        <translation>Akkorde zeigen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Erase Page</source>
        <translation>Seite leeren</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Print Page</source>
        <translation>Seite drucken</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Step Play</source>
        <translation>Schrittweise spielen</translation>
    </message>
    <message>
        <source>Step</source>
        <translation>Schritt</translation>
    </message>
    <message>
        <source>Loop Play</source>
        <translation>Schleife spielen</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>Schleife</translation>
    </message>
    <message>
        <source>Count Off</source>
        <translation>Einzählen</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Zählen</translation>
    </message>
    <message>
        <source>Click</source>
        <translation>Klick</translation>
    </message>
    <message>
        <source>Time Signature</source>
        <translation>Taktart</translation>
    </message>
    <message>
        <source>Undo Edit</source>
        <translation>Bearbeitung rückgängig machen</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>PlayPage %1</source>
        <translation>Spielseite %1</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>PlayPage Tempo</source>
        <translation>Tempo der Spielseite</translation>
    </message>
    <message>
        <source>Tempo up or down</source>
        <translation>Tempo schneller oder langsamer</translation>
    </message>
    <message>
        <source>The PlayPage tempo in beats a minute</source>
        <translation>Das Tempo der Spielseite in Schlägen pro Minute</translation>
    </message>
    <message>
        <source>Show Fretlight Rootnote</source>
        <translation>Grundton auf der Fretlight zeigen</translation>
    </message>
    <message>
        <source>FL Root</source>
        <translation>FL-Grundton</translation>
    </message>
    <message>
        <source>Fretlight Play Animation</source>
        <translation>Fretlight-Spielanimation</translation>
    </message>
    <message>
        <source>FL Anim</source>
        <translation>FL-Anim.</translation>
    </message>
    <message>
        <source>Strum Speed</source>
        <translation>Anschlag</translation>
    </message>
    <message>
        <source>How fast the strings of a chord follow one another</source>
        <translation>Wie schnell die Saiten eines Akkords aufeinander folgen</translation>
    </message>
    <message>
        <source>Bass Note</source>
        <translation>Basston</translation>
    </message>
    <message>
        <source>Bass</source>
        <translation>Bass</translation>
    </message>
    <message>
        <source>Left Handed</source>
        <translation>Linkshänder</translation>
    </message>
    <message>
        <source>Lefty</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Flip</source>
        <translation>Wenden</translation>
    </message>
    <message>
        <source>Show Arpeggio</source>
        <translation>Arpeggio zeigen</translation>
    </message>
    <message>
        <source>Arp</source>
        <translation>Arp</translation>
    </message>
    <message>
        <source>Display Full Fretboard</source>
        <translation>Ganzes Griffbrett zeigen</translation>
    </message>
    <message>
        <source>Full</source>
        <translation>Ganz</translation>
    </message>
    <message>
        <source>Play Scale From Root</source>
        <translation>Tonleiter ab Grundton spielen</translation>
    </message>
    <message>
        <source>Root</source>
        <translation>Grundton</translation>
    </message>
    <message>
        <source>Chord Name</source>
        <translation>Akkord</translation>
    </message>
</context>
<context>
    <name>strumly::gui::Transport</name>
    <message>
        <source>The MIDI output device &quot;%1&quot; was lost. Playback stopped.</source>
        <translation>Das MIDI-Ausgabegerät „%1“ ist nicht mehr verfügbar. Die Wiedergabe wurde angehalten.</translation>
    </message>
    <message>
        <source>The MIDI output device &quot;%1&quot; was lost.</source>
        <translation>Das MIDI-Ausgabegerät „%1“ ist nicht mehr verfügbar.</translation>
    </message>
    <message>
        <source>No other MIDI output device is available.</source>
        <translation>Es ist kein anderes MIDI-Ausgabegerät verfügbar.</translation>
    </message>
    <message>
        <source>Play now sounds through &quot;%1&quot;.</source>
        <translation>Die Wiedergabe klingt jetzt über „%1“.</translation>
    </message>
</context>
<context>
    <name>strumly::gui::TuningControls</name>
    <message>
        <source>String %1</source>
        <translation>Saite %1</translation>
    </message>
    <message>
        <source>String %1 tuning</source>
        <translation>Stimmung der Saite %1</translation>
    </message>
    <message>
        <source>Up and Down tune the open string a semitone higher or lower</source>
        <translation>Auf und Ab stimmen die leere Saite einen Halbton höher oder tiefer</translation>
    </message>
    <message>
        <source>Tuning Name:</source>
        <translation>Stimmung:</translation>
    </message>
    <message>
        <source>Tuning Name</source>
        <translation>Name der Stimmung</translation>
    </message>
</context>
<context>
    <name>strumly::gui::UserChordTypes</name>
    <message>
        <source>Add User Chord</source>
        <translation>Eigenen Akkord hinzufügen</translation>
    </message>
    <message>
        <source>Delete User Chord</source>
        <translation>Eigenen Akkord löschen</translation>
    </message>
    <message>
        <source>Damaged user chord types in Kv.ini were skipped (sections %1).</source>
        <translation>Beschädigte eigene Akkordtypen in Kv.ini wurden übersprungen (Abschnitte %1).</translation>
    </message>
    <message>
        <source>Cannot delete this chord. Please select a User Chord.</source>
        <translation>Dieser Akkord kann nicht gelöscht werden. Bitte wählen Sie einen eigenen Akkord.</translation>
    </message>
</context>
</TS>
