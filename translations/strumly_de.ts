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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write %1: %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unable to write to %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No file name was given to write to.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a Strumly PlayPage file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 is damaged: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes instead of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>more than %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its tempo is %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its strum speed is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a PlayPage file cannot end in .rpt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a Strumly 6.50 Tab file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 of the tab file, &quot;%2&quot;, is not a whole number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line 2 of the tab file, &quot;%1&quot;, is not a tempo.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is too large for a tab.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a text file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no tab found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a Chord Page file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a Print Page file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a Chord Design file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a Scale Page file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This %1 file is damaged: it is shorter than a whole page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chord Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chord Design</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could Not Find Chord Data Files.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could Not Find Scale Data File.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I/O error: cannot open %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I/O error: %1 is too short (read past end of file).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I/O error: %1 is unreadable or too short (read past end of file).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale number out of range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chord type index out of range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chord type or key out of range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kv.ini already counts %1 user chord types; at most %2 can be read. Delete one first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No audio input: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1; %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no audio input is built in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the input &quot;%1&quot; is unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the input could not be opened</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the audio input stopped delivering sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no sound server answers (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sound server&apos;s input &quot;%1&quot; cannot be opened (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALSA has no capture device (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the ALSA input &quot;%1&quot; cannot be opened (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System default (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No General MIDI soundfont was found, so the built-in synth is silent. Install the package fluid-soundfont-gm or name a soundfont in STRUMLY_SOUNDFONT.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No sound output is available, so the built-in synth plays silently.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot load the sound font %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no General MIDI sound font was found to render the song with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the song plays for more than 30 minutes with its repeats, longer than an export can be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the tempo does not fit a MIDI file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no such time signature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a track name too long for a MIDI file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a pause too long for a MIDI file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Extra %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Missing %1, extra %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heard: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 of %2 notes played, %3 wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Diagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Root</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show LEDs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpCommands</name>
    <message>
        <source>Help on This Page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PagePrinter</name>
    <message>
        <source>Strumly! Play Page (Page %1):%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer stopped before the last page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write %1: the PDF could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write %1: the PDF could not be finished.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreferenceTabs</name>
    <message>
        <source>Voice:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Channel:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Diagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Root Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Activate LEDs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left
Switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right
Switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDI In Device (Not Used)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDI Out Device</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Guitar Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bass Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note:  (0 - 127)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Level:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All LED&apos;s On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverse Foot Switches</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash the Note that is Playing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop Function (Slow Computers)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OPTEK Fretlight Guitar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Root Note Flash Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Flashing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale Diagrams</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Span 4 Frets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Span 5 Frets  (Use this for Standard Tuning)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Span 6 Frets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Tips on Startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Small Font for Chord Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speak Notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Browse...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tip of the Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count Off Measures (1 - 4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chord Design</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speech Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Timing Characters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TabFiles</name>
    <message>
        <source>Tab Page Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Strumly Tab File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to save changes to this Strumly Tab file before opening another file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This raw tab file has been modified. Do you want to save changes to it before opening another file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Strumly Tab File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Raw Tab File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This file is Read-Only (probably a template). To Save it, you will have to use a different name. Would you like to save it under a different name?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no tab page to export yet: convert the tab first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export WAV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WAV Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export MIDI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDI Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Raw Tab File</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>strumly::gui::AudioFeed</name>
    <message>
        <source>No audio input.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>strumly::gui::ChordsPage</name>
    <message>
        <source>Chord page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chord sets shown, six voicings a row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Chord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send to Chord Design</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send to PlayPage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send to Print Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Arpeggio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strumly! Chord Page: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>strumly::gui::DesignGroupView</name>
    <message>
        <source>Chord design group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The six chords of the design group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag to add chord to set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Chord</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send To PlayPage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send To Print Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag the designed chord onto a slot of the group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to replace this diagram?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>strumly::gui::Fretboard</name>
    <message>
        <source>Chord Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scale Name:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>strumly::gui::HelpWindow</name>
    <message>
        <source>Strumly Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a keyword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words to find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No page holds all of these words.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>strumly::gui::LicencesView</name>
    <message>
        <source>Licences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The licence texts are missing from %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>strumly::gui::ListenOnPages</name>
    <message>
        <source>Listen: press Play and play along; each chord of the song is marked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listen works on the Chords, Chord Design, Scales and PlayPage pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listening: press Play and play along</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export MIDI...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export WAV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export PDF...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Major</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More Chords...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>M&amp;inor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Dominant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>More Scales...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tempo...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed Trainer...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flats</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interval Calculator...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuner...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Tips...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Chord Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Play Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Scale Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Design Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New Print Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web Sites...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tutorials...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>strumly::gui::OptionsWiring</name>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Diagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Root</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show LEDs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>strumly::gui::PageImage</name>
    <message>
        <source>%1. The arrow keys move the selection, Enter shows it, the Menu key or Shift+F10 opens its commands</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>strumly::gui::PagePrinter</name>
    <message>
        <source>Printer could not be found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF Files</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>strumly::gui::PlayPage</name>
    <message>
        <source>Play page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The song: 288 chord slots in bars, played from the start marker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play-along score</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>strumly::gui::PlayPageScoring</name>
    <message>
        <source>Mute the guitar while I play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>While Listen scores your playing, the program plays only the bass and the click</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listening: play along</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No chord was due while listening</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: right, on the beat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: right, %2 ms late</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: right, %2 ms early</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: partly right, on the beat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: partly right, %2 ms late</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: partly right, %2 ms early</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: missed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>strumly::gui::PrintPage</name>
    <message>
        <source>Print page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The diagrams to print, six a row in five rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Diagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send To PlayPage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send To Chord Design</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send To Scale Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strumly! Print Page: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to replace this diagram?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>strumly::gui::ScalesPage</name>
    <message>
        <source>Scales page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The scale sets shown, six positions a row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play This Diagram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play Scale From Root</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send To Print Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Beginning Fret</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do you want to replace this row of diagrams?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strumly! Scale Page: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>strumly::gui::SmallDialog</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>strumly::gui::TTipOfTheDayForm</name>
    <message>
        <source>Tip of the Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Did you know...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show Tips at Startup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next Tip</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tips could not be saved to %1:
%2

Your choice of &quot;Show Tips at Startup&quot; will not be remembered.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>strumly::gui::TabControls</name>
    <message>
        <source>Time of each - : %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check Tab Edits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Converted Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play on First Digit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double Digit Tempo Adjust</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto Tune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Cursor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strip Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert Tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note Sustain</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>strumly::gui::TabPage</name>
    <message>
        <source>Reset Start &amp;&amp; End Cursors</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Start Cursor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset End Cursor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send Chord at Cursor to Chord Design</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View Converted Tab</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>strumly::gui::TabPageView</name>
    <message>
        <source>Converted tab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tab as it plays, with the play range markers and the play cursor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tab page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The converted tab in blocks of six strings; a left click sets the start marker, a right click the end marker, a right click beside a block&apos;s text opens the marker commands</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>strumly::gui::TabRawView</name>
    <message>
        <source>Tab text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tab as written, to edit before it is converted</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>strumly::gui::TdlgBeginFret</name>
    <message>
        <source>Change Beginning Fret</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a number between 1 and 20</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>strumly::gui::TdlgTuner</name>
    <message>
        <source>Tuner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Hz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reference A4:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play one string at a time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The input was lost: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Listening stopped: the input is in use elsewhere. Close and open the tuner to listen again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>String %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in tune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 cents</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>strumly::gui::TfrmAboutBox</name>
    <message>
        <source>no General MIDI sound font found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FluidR3 GM by Frank Wen (MIT licence)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TimGM6mb by Tim Brechbill (GPL 2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MuseScore General by S. Christian Collins (MIT licence)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (see its own licence)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Strumly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Built with Qt, FluidSynth and hidapi. Guitar and bass sounds: %1. Spoken note names: voices of eSpeak NG (GPL 3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strumly! version: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please be responsible and obtain all of your tablature in a legal manner. Thank you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Licences...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Okay</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>strumly::gui::TfrmIntCalc</name>
    <message>
        <source>Root (1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strumly! Music Interval Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flats or Sharps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scales or Chords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scales</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Root</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Root</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chords</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>strumly::gui::TfrmMain</name>
    <message>
        <source>Sharps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flats</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>strumly::gui::ToolPanel</name>
    <message>
        <source>Foot Switches</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>strumly::gui::TuningControls</name>
    <message>
        <source>String %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>String %1 tuning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up and Down tune the open string a semitone higher or lower</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuning Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tuning Name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
