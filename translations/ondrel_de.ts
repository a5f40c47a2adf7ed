<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="de">
<context>
    <name>MidiTool</name>
    <message>
        <source>Bank Sel MSB</source>
        <translation>Bankwahl MSB</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>Modulation</translation>
    </message>
    <message>
        <source>Breath Control</source>
        <translation>Blaswandler</translation>
    </message>
    <message>
        <source>Pedal</source>
        <translation>Fußpedal</translation>
    </message>
    <message>
        <source>Porta Time</source>
        <translation>Portamento-Zeit</translation>
    </message>
    <message>
        <source>Data MSB</source>
        <translation>Daten MSB</translation>
    </message>
    <message>
        <source>Main Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Panpot</source>
        <translation>Panorama</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Expression</translation>
    </message>
    <message>
        <source>Effect 1</source>
        <translation>Effekt 1</translation>
    </message>
    <message>
        <source>Effect 2</source>
        <translation>Effekt 2</translation>
    </message>
    <message>
        <source>Foot Control / General 1</source>
        <translation>Fußregler / Allgemein 1</translation>
    </message>
    <message>
        <source>General 2</source>
        <translation>Allgemein 2</translation>
    </message>
    <message>
        <source>General 3</source>
        <translation>Allgemein 3</translation>
    </message>
    <message>
        <source>General 4</source>
        <translation>Allgemein 4</translation>
    </message>
    <message>
        <source>Bank Sel LSB</source>
        <translation>Bankwahl LSB</translation>
    </message>
    <message>
        <source>Mod Wheel LSB</source>
        <translation>Modulationsrad LSB</translation>
    </message>
    <message>
        <source>Breath Control LSB</source>
        <translation>Blaswandler LSB</translation>
    </message>
    <message>
        <source>Pedal LSB</source>
        <translation>Fußpedal LSB</translation>
    </message>
    <message>
        <source>Porta Time LSB</source>
        <translation>Portamento-Zeit LSB</translation>
    </message>
    <message>
        <source>Data LSB</source>
        <translation>Daten LSB</translation>
    </message>
    <message>
        <source>Volume LSB</source>
        <translation>Lautstärke LSB</translation>
    </message>
    <message>
        <source>Balance LSB</source>
        <translation>Balance LSB</translation>
    </message>
    <message>
        <source>Panpot LSB</source>
        <translation>Panorama LSB</translation>
    </message>
    <message>
        <source>Expression LSB</source>
        <translation>Expression LSB</translation>
    </message>
    <message>
        <source>Effect 1 LSB</source>
        <translation>Effekt 1 LSB</translation>
    </message>
    <message>
        <source>Effect 2 LSB</source>
        <translation>Effekt 2 LSB</translation>
    </message>
    <message>
        <source>General 1 LSB</source>
        <translation>Allgemein 1 LSB</translation>
    </message>
    <message>
        <source>General 2 LSB</source>
        <translation>Allgemein 2 LSB</translation>
    </message>
    <message>
        <source>General 3 LSB</source>
        <translation>Allgemein 3 LSB</translation>
    </message>
    <message>
        <source>General 4 LSB</source>
        <translation>Allgemein 4 LSB</translation>
    </message>
    <message>
        <source>Sustain Sw</source>
        <translation>Haltepedal</translation>
    </message>
    <message>
        <source>Porta Switch</source>
        <translation>Portamento an/aus</translation>
    </message>
    <message>
        <source>Sostenuto</source>
        <translation>Sostenuto</translation>
    </message>
    <message>
        <source>Soft Pedal</source>
        <translation>Leisepedal</translation>
    </message>
    <message>
        <source>Legato Footswitch</source>
        <translation>Legato-Fußschalter</translation>
    </message>
    <message>
        <source>Hold 2</source>
        <translation>Halten 2</translation>
    </message>
    <message>
        <source>Sound Variation</source>
        <translation>Klangvariation</translation>
    </message>
    <message>
        <source>Harmonic</source>
        <translation>Resonanz</translation>
    </message>
    <message>
        <source>Release Time</source>
        <translation>Ausklingzeit</translation>
    </message>
    <message>
        <source>Attack Time</source>
        <translation>Einschwingzeit</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Sound Control 6</source>
        <translation>Klangregler 6</translation>
    </message>
    <message>
        <source>Sound Control 7</source>
        <translation>Klangregler 7</translation>
    </message>
    <message>
        <source>Sound Control 8</source>
        <translation>Klangregler 8</translation>
    </message>
    <message>
        <source>Sound Control 9</source>
        <translation>Klangregler 9</translation>
    </message>
    <message>
        <source>Sound Control 10</source>
        <translation>Klangregler 10</translation>
    </message>
    <message>
        <source>General 5</source>
        <translation>Allgemein 5</translation>
    </message>
    <message>
        <source>General 6</source>
        <translation>Allgemein 6</translation>
    </message>
    <message>
        <source>General 7</source>
        <translation>Allgemein 7</translation>
    </message>
    <message>
        <source>General 8</source>
        <translation>Allgemein 8</translation>
    </message>
    <message>
        <source>Portamento</source>
        <translation>Portamento</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>Hall</translation>
    </message>
    <message>
        <source>Tremolo</source>
        <translation>Tremolo</translation>
    </message>
    <message>
        <source>Chorus</source>
        <translation>Chorus</translation>
    </message>
    <message>
        <source>Variation</source>
        <translation>Variation</translation>
    </message>
    <message>
        <source>Phaser</source>
        <translation>Phaser</translation>
    </message>
    <message>
        <source>Data Increment</source>
        <translation>Daten +1</translation>
    </message>
    <message>
        <source>Data Decrement</source>
        <translation>Daten -1</translation>
    </message>
    <message>
        <source>NRPN LSB</source>
        <translation>NRPN LSB</translation>
    </message>
    <message>
        <source>NRPN MSB</source>
        <translation>NRPN MSB</translation>
    </message>
    <message>
        <source>RPN LSB</source>
        <translation>RPN LSB</translation>
    </message>
    <message>
        <source>RPN MSB</source>
        <translation>RPN MSB</translation>
    </message>
    <message>
        <source>All Sounds off</source>
        <translation>Alle Klänge aus</translation>
    </message>
    <message>
        <source>Reset Controllers</source>
        <translation>Controller zurücksetzen</translation>
    </message>
    <message>
        <source>Local Control</source>
        <translation>Local Control</translation>
    </message>
    <message>
        <source>All Notes Off</source>
        <translation>Alle Noten aus</translation>
    </message>
    <message>
        <source>Omni Mode On</source>
        <translation>Omni-Modus an</translation>
    </message>
    <message>
        <source>Omni Mode Off</source>
        <translation>Omni-Modus aus</translation>
    </message>
    <message>
        <source>Mono Mode On</source>
        <translation>Mono-Modus an</translation>
    </message>
    <message>
        <source>Poly Mode On</source>
        <translation>Poly-Modus an</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Undefiniert</translation>
    </message>
</context>
<context>
    <name>TAtomicFile</name>
    <message>
        <source>Could not save "%1": %2</source>
        <translation>„%1“ konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>the data could not be written</source>
        <translation>die Daten konnten nicht geschrieben werden</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>cannot create the folder</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
</context>
<context>
    <name>TChordEditForm</name>
    <message>
        <source>Chord Editor</source>
        <translation>Akkord-Editor</translation>
    </message>
    <message>
        <source>Here you can define your own chords. Click "New" to add a new chord. Then enable the edit mode by activating the "Edit" button. Use the keyboard below or Ondrel or an external device to toggle notes of the current chord.</source>
        <translation>Hier legen Sie eigene Akkorde an. Klicken Sie auf „Neu“, um einen Akkord hinzuzufügen. Schalten Sie dann mit „Bearbeiten“ den Bearbeitungsmodus ein. Mit der Tastatur unten, mit Ondrel oder einem externen Gerät schalten Sie die Noten des Akkords ein und aus.</translation>
    </message>
    <message>
        <source>To test a chord simply deactivate the edit mode and play on the keyboard below.</source>
        <translation>Zum Ausprobieren schalten Sie den Bearbeitungsmodus aus und spielen auf der Tastatur unten.</translation>
    </message>
    <message>
        <source>Chords</source>
        <translation>Akkorde</translation>
    </message>
    <message>
        <source>Chord Name</source>
        <translation>Akkordname</translation>
    </message>
    <message>
        <source>Chord Notes</source>
        <translation>Akkordnoten</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Bearbei&amp;ten</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>An&amp;wenden</translation>
    </message>
    <message>
        <source>This chord name already exists !</source>
        <translation>Diesen Akkordnamen gibt es schon!</translation>
    </message>
</context>
<context>
    <name>TCommandLine</name>
    <message>
        <source>Ondrel (%1)</source>
        <translation>Ondrel (%1)</translation>
    </message>
</context>
<context>
    <name>TCustomIniFile</name>
    <message>
        <source>Could not read "%1": %2</source>
        <translation>„%1“ konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Line %1 of %2 is not a setting; it was ignored.</source>
        <translation>Zeile %1 von %2 ist keine Einstellung; sie wurde übergangen.</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 und %2 weitere</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Lines %1 of %2 are not settings; they were ignored.</source>
        <translation>Die Zeilen %1 von %2 sind keine Einstellungen; sie wurden übergangen.</translation>
    </message>
    <message>
        <source>Settings not saved: %1</source>
        <translation>Einstellungen nicht gespeichert: %1</translation>
    </message>
    <message>
        <source>Settings could not be saved: %1</source>
        <translation>Die Einstellungen konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>%1
The settings are kept, and saving them is tried again.</source>
        <translation>%1
Die Einstellungen bleiben erhalten; das Speichern wird erneut versucht.</translation>
    </message>
    <message>
        <source>The settings file "%1" could not be read (%2); it was kept as "%3" and default settings are used.</source>
        <translation>Die Einstellungsdatei „%1“ konnte nicht gelesen werden (%2); sie wurde als „%3“ aufbewahrt, und es gelten die Standardeinstellungen.</translation>
    </message>
    <message>
        <source>the damaged settings file "%1" is kept as it is</source>
        <translation>die beschädigte Einstellungsdatei „%1“ bleibt, wie sie ist</translation>
    </message>
    <message>
        <source>The settings file "%1" could not be read (%2); it was left as it is and settings will not be saved.</source>
        <translation>Die Einstellungsdatei „%1“ konnte nicht gelesen werden (%2); sie bleibt, wie sie ist, und Einstellungen werden nicht gespeichert.</translation>
    </message>
    <message>
        <source>the settings were removed by Uninstall</source>
        <translation>die Einstellungen wurden durch Deinstallieren entfernt</translation>
    </message>
</context>
<context>
    <name>TErrForm</name>
    <message>
        <source>Warnings and Errors</source>
        <translation>Warnungen und Fehler</translation>
    </message>
    <message>
        <source> The following warnings and/or errors occurred:</source>
        <translation> Folgende Warnungen oder Fehler sind aufgetreten:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>TExImHelp</name>
    <message>
        <source>Export Settings</source>
        <translation>Einstellungen exportieren</translation>
    </message>
    <message>
        <source>Export Knob Presets</source>
        <translation>Regler-Presets exportieren</translation>
    </message>
    <message>
        <source>Export Knob Snapshots</source>
        <translation>Regler-Snapshots exportieren</translation>
    </message>
    <message>
        <source>Export Chords</source>
        <translation>Akkorde exportieren</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>Einstellungen importieren</translation>
    </message>
    <message>
        <source>Import Knob Presets</source>
        <translation>Regler-Presets importieren</translation>
    </message>
    <message>
        <source>Import Knob Snapshots</source>
        <translation>Regler-Snapshots importieren</translation>
    </message>
    <message>
        <source>Import Chords</source>
        <translation>Akkorde importieren</translation>
    </message>
    <message>
        <source>All your stored knob presets are written to the ini file, each under its own name.</source>
        <translation>Alle gespeicherten Regler-Presets werden in die INI-Datei geschrieben, jedes unter seinem Namen.</translation>
    </message>
    <message>
        <source>Knobs you changed but did not save as a preset are not exported, nor is the built-in preset "Default".</source>
        <translation>Geänderte, aber nicht als Preset gespeicherte Regler werden nicht exportiert, ebenso wenig das eingebaute Preset „Default“.</translation>
    </message>
    <message>
        <source>The knob snapshots of the Knobs menu are written to the ini file with their names and values.</source>
        <translation>Die Regler-Snapshots des Menüs Regler werden mit Namen und Werten in die INI-Datei geschrieben.</translation>
    </message>
    <message>
        <source>Only the snapshots you have defined are exported.</source>
        <translation>Nur die von Ihnen festgelegten Snapshots werden exportiert.</translation>
    </message>
    <message>
        <source>Your custom chords are written to the ini file with their names and notes.</source>
        <translation>Ihre eigenen Akkorde werden mit Namen und Noten in die INI-Datei geschrieben.</translation>
    </message>
    <message>
        <source>The built-in chords (Major, Minor, ...) are not exported.</source>
        <translation>Die eingebauten Akkorde (Dur, Moll, ...) werden nicht exportiert.</translation>
    </message>
    <message>
        <source>Knob presets are read from a previously exported ini file. A preset of the same name as one you have replaces it.</source>
        <translation>Regler-Presets werden aus einer zuvor exportierten INI-Datei gelesen. Ein Preset gleichen Namens ersetzt Ihr vorhandenes.</translation>
    </message>
    <message>
        <source>Overwrite existing knob presets</source>
        <translation>Vorhandene Regler-Presets überschreiben</translation>
    </message>
    <message>
        <source>Add to existing knob presets</source>
        <translation>Zu vorhandenen Regler-Presets hinzufügen</translation>
    </message>
    <message>
        <source>Knob snapshots are read from a previously exported ini file.</source>
        <translation>Regler-Snapshots werden aus einer zuvor exportierten INI-Datei gelesen.</translation>
    </message>
    <message>
        <source>Each snapshot in the file replaces the one of the same number; the other snapshots stay as they are.</source>
        <translation>Jeder Snapshot der Datei ersetzt den mit derselben Nummer; die übrigen bleiben, wie sie sind.</translation>
    </message>
    <message>
        <source>Custom chords are read from a previously exported ini file. A chord of the same name as one you have replaces it.</source>
        <translation>Eigene Akkorde werden aus einer zuvor exportierten INI-Datei gelesen. Ein Akkord gleichen Namens ersetzt Ihren vorhandenen.</translation>
    </message>
    <message>
        <source>Overwrite existing chords</source>
        <translation>Vorhandene Akkorde überschreiben</translation>
    </message>
    <message>
        <source>Add to existing chords</source>
        <translation>Zu vorhandenen Akkorden hinzufügen</translation>
    </message>
    <message>
        <source>Don't show this again</source>
        <translation>Nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>Click OK to continue, or Cancel to cancel this operation.</source>
        <translation>Klicken Sie auf OK zum Fortfahren oder auf Abbrechen, um den Vorgang abzubrechen.</translation>
    </message>
    <message>
        <source>Your settings are written to an ini file. They include:</source>
        <translation>Ihre Einstellungen werden in eine INI-Datei geschrieben. Dazu gehören:</translation>
    </message>
    <message>
        <source>Settings are read from a previously exported ini file. They include:</source>
        <translation>Die Einstellungen werden aus einer zuvor exportierten INI-Datei gelesen. Dazu gehören:</translation>
    </message>
    <message>
        <source>- Keyboard settings (like key width)
- window size and position
- most other options of the settings dialog.
- mouse wheel assignment
- joystick assignment
- which patch, chord, knob preset is selected</source>
        <translation>- Tastatur-Einstellungen (etwa die Tastenbreite)
- Fenstergröße und -position
- die meisten anderen Optionen des Einstellungsdialogs
- Mausrad-Zuordnung
- Joystick-Zuordnung
- gewählter Patch, Akkord und Regler-Preset</translation>
    </message>
    <message>
        <source>Knob presets, knob snapshots and chords are not part of the settings: export them on their own.</source>
        <translation>Regler-Presets, Regler-Snapshots und Akkorde gehören nicht zu den Einstellungen: Exportieren Sie sie einzeln.</translation>
    </message>
    <message>
        <source>The selected program, bank, knob preset and the joystick assignment take effect the next time Ondrel starts; the rest at once.</source>
        <translation>Programm, Bank, Regler-Preset und Joystick-Zuordnung gelten ab dem nächsten Start von Ondrel, alles andere sofort.</translation>
    </message>
    <message>
        <source>This is helpful when you want to transfer your settings to another computer, give them to a friend, or you have to reinstall your system.</source>
        <translation>Das hilft, wenn Sie Ihre Einstellungen auf einen anderen Rechner übertragen, weitergeben oder Ihr System neu installieren müssen.</translation>
    </message>
</context>
<context>
    <name>TExImport</name>
    <message>
        <source>Ini files (*.ini)</source>
        <translation>INI-Dateien (*.ini)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>Import previously exported ini file.</source>
        <translation>Zuvor exportierte INI-Datei importieren.</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>Import settings (as in the settings dialog) from a previously exported ini file.</source>
        <translation>Einstellungen (wie im Einstellungsdialog) aus einer zuvor exportierten INI-Datei importieren.</translation>
    </message>
    <message>
        <source>Knob &amp;Presets...</source>
        <translation>Regler-&amp;Presets...</translation>
    </message>
    <message>
        <source>Import knob presets from a previously exported ini file.</source>
        <translation>Regler-Presets aus einer zuvor exportierten INI-Datei importieren.</translation>
    </message>
    <message>
        <source>&amp;Knob Snapshots</source>
        <translation>Regler-S&amp;napshots</translation>
    </message>
    <message>
        <source>Import knob snapshots from a previously exported ini file.</source>
        <translation>Regler-Snapshots aus einer zuvor exportierten INI-Datei importieren.</translation>
    </message>
    <message>
        <source>&amp;Chords...</source>
        <translation>&amp;Akkorde...</translation>
    </message>
    <message>
        <source>Import chords from a previously exported ini file.</source>
        <translation>Akkorde aus einer zuvor exportierten INI-Datei importieren.</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>&amp;Exportieren</translation>
    </message>
    <message>
        <source>Export to an ini file.</source>
        <translation>In eine INI-Datei exportieren.</translation>
    </message>
    <message>
        <source>Export settings (as in the settings dialog) to an ini file.</source>
        <translation>Einstellungen (wie im Einstellungsdialog) in eine INI-Datei exportieren.</translation>
    </message>
    <message>
        <source>Knob &amp;Presets</source>
        <translation>Regler-&amp;Presets</translation>
    </message>
    <message>
        <source>Export knob presets to an ini file.</source>
        <translation>Regler-Presets in eine INI-Datei exportieren.</translation>
    </message>
    <message>
        <source>Export knob snapshots to an ini file.</source>
        <translation>Regler-Snapshots in eine INI-Datei exportieren.</translation>
    </message>
    <message>
        <source>&amp;Chords</source>
        <translation>&amp;Akkorde</translation>
    </message>
    <message>
        <source>Export your custom chords to an ini file.</source>
        <translation>Eigene Akkorde in eine INI-Datei exportieren.</translation>
    </message>
    <message>
        <source>Select export file</source>
        <translation>Exportdatei wählen</translation>
    </message>
    <message>
        <source>Select import file</source>
        <translation>Importdatei wählen</translation>
    </message>
    <message>
        <source>The file "%1" does not exist (any more).</source>
        <translation>Die Datei „%1“ gibt es nicht (mehr).</translation>
    </message>
    <message>
        <source>Could not read "%1": %2</source>
        <translation>„%1“ konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>"%1" is not an ini file. Nothing was imported.</source>
        <translation>„%1“ ist keine INI-Datei. Es wurde nichts importiert.</translation>
    </message>
    <message>
        <source>Could not create a temporary folder: %1</source>
        <translation>Es konnte kein temporärer Ordner angelegt werden: %1</translation>
    </message>
    <message>
        <source>%1 failed.

%2</source>
        <translation>%1 ist fehlgeschlagen.

%2</translation>
    </message>
    <message>
        <source>Settings saved successfully.</source>
        <translation>Einstellungen gespeichert.</translation>
    </message>
    <message>
        <source>No knob presets could be saved.</source>
        <translation>Es konnten keine Regler-Presets gespeichert werden.</translation>
    </message>
    <message>
        <source>No knob snapshots could be saved.</source>
        <translation>Es konnten keine Regler-Snapshots gespeichert werden.</translation>
    </message>
    <message>
        <source>No custom chords could be saved.</source>
        <translation>Es konnten keine eigenen Akkorde gespeichert werden.</translation>
    </message>
    <message>
        <source>No settings could be loaded.</source>
        <translation>Es konnten keine Einstellungen geladen werden.</translation>
    </message>
    <message>
        <source>Settings loaded successfully.</source>
        <translation>Einstellungen geladen.</translation>
    </message>
    <message>
        <source>No knob presets could be loaded.</source>
        <translation>Es konnten keine Regler-Presets geladen werden.</translation>
    </message>
    <message>
        <source>No knob snapshots could be loaded.</source>
        <translation>Es konnten keine Regler-Snapshots geladen werden.</translation>
    </message>
    <message>
        <source>No custom chords could be loaded.</source>
        <translation>Es konnten keine eigenen Akkorde geladen werden.</translation>
    </message>
    <message numerus="yes">
        <source>%n knob presets saved successfully.</source>
        <translation>
            <numerusform>%n Regler-Preset gespeichert.</numerusform><numerusform>%n Regler-Presets gespeichert.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n knob snapshots saved successfully.</source>
        <translation>
            <numerusform>%n Regler-Snapshot gespeichert.</numerusform><numerusform>%n Regler-Snapshots gespeichert.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n custom chords saved successfully.</source>
        <translation>
            <numerusform>%n eigener Akkord gespeichert.</numerusform><numerusform>%n eigene Akkorde gespeichert.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n knob presets loaded successfully.</source>
        <translation>
            <numerusform>%n Regler-Preset geladen.</numerusform><numerusform>%n Regler-Presets geladen.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n knob snapshots loaded successfully.</source>
        <translation>
            <numerusform>%n Regler-Snapshot geladen.</numerusform><numerusform>%n Regler-Snapshots geladen.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n custom chords loaded successfully.</source>
        <translation>
            <numerusform>%n eigener Akkord geladen.</numerusform><numerusform>%n eigene Akkorde geladen.</numerusform></translation>
    </message>
</context>
<context>
    <name>TFileOperations</name>
    <message>
        <source>"%1"</source>
        <translation>„%1“</translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n Element</numerusform><numerusform>%n Elemente</numerusform></translation>
    </message>
    <message>
        <source>the link cannot be made</source>
        <translation>die Verknüpfung kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>it is a device, pipe or socket</source>
        <translation>es ist ein Gerät, eine Pipe oder ein Socket</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>copied, but the original cannot be removed</source>
        <translation>kopiert, aber das Original kann nicht entfernt werden</translation>
    </message>
    <message>
        <source>%1 %2 to %3: %4%</source>
        <translation>%1 %2 nach %3: %4%</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>Kopiere</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>Verschiebe</translation>
    </message>
    <message>
        <source>Linking</source>
        <translation>Verknüpfe</translation>
    </message>
    <message>
        <source>Could not copy "%1"</source>
        <translation>„%1“ konnte nicht kopiert werden</translation>
    </message>
    <message>
        <source>Could not move "%1"</source>
        <translation>„%1“ konnte nicht verschoben werden</translation>
    </message>
    <message>
        <source>Could not make a link to "%1"</source>
        <translation>Zu „%1“ konnte keine Verknüpfung angelegt werden</translation>
    </message>
    <message>
        <source>The folder %1 is not there.</source>
        <translation>Den Ordner %1 gibt es nicht.</translation>
    </message>
    <message>
        <source>it is no longer there</source>
        <translation>es ist nicht mehr da</translation>
    </message>
    <message>
        <source>a folder cannot go into itself</source>
        <translation>ein Ordner kann nicht in sich selbst</translation>
    </message>
    <message>
        <source>no free name is left</source>
        <translation>es ist kein freier Name mehr übrig</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>TGUIKnobList</name>
    <message>
        <source>Controller knob: the arrow keys turn it, Page Up and Down faster</source>
        <translation>Regler: Die Pfeiltasten drehen ihn, Bild auf/ab schneller</translation>
    </message>
</context>
<context>
    <name>TIniDocument</name>
    <message>
        <source>it is not a settings file</source>
        <translation>es ist keine Einstellungsdatei</translation>
    </message>
    <message>
        <source>it is not a text file</source>
        <translation>es ist keine Textdatei</translation>
    </message>
</context>
<context>
    <name>TKnobEditForm</name>
    <message>
        <source>Knob Preset Editor</source>
        <translation>Regler-Preset-Editor</translation>
    </message>
    <message>
        <source>You can place knobs on the keyboard. These knobs send controller data to your MIDI device or sequencer.</source>
        <translation>Sie können Regler auf die Tastatur setzen. Sie senden Controller-Daten an Ihr MIDI-Gerät oder Ihren Sequenzer.</translation>
    </message>
    <message>
        <source>Here you can define which knobs to display and their properties. You can also save presets with sets of knobs.</source>
        <translation>Hier legen Sie fest, welche Regler erscheinen und wie sie eingestellt sind. Reglersätze lassen sich als Presets speichern.</translation>
    </message>
    <message>
        <source>Knob count:</source>
        <translation>Anzahl Regler:</translation>
    </message>
    <message>
        <source>Knob Presets</source>
        <translation>Regler-Presets</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>No Knobs !</source>
        <translation>Keine Regler!</translation>
    </message>
    <message>
        <source>Display Range</source>
        <translation>Anzeigebereich</translation>
    </message>
    <message>
        <source>&amp;0 .. 127</source>
        <translation>&amp;0 .. 127</translation>
    </message>
    <message>
        <source>-&amp;64 .. +63</source>
        <translation>-&amp;64 .. +63</translation>
    </message>
    <message>
        <source>This determines, how the values of the Controller are displayed, either in absolute values 0 to 127 or relative values from -64 to +63.</source>
        <translation>Legt fest, wie die Werte des Controllers angezeigt werden: absolut von 0 bis 127 oder relativ von -64 bis +63.</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;Controller</source>
        <translation>&amp;Controller</translation>
    </message>
    <message>
        <source>&amp;Default Value</source>
        <translation>&amp;Grundwert</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>An&amp;wenden</translation>
    </message>
    <message>
        <source>Knob %1</source>
        <translation>Regler %1</translation>
    </message>
    <message>
        <source>You have made changes to knob preset "%1". Do you want to save it ?</source>
        <translation>Sie haben das Regler-Preset „%1“ geändert. Möchten Sie es speichern?</translation>
    </message>
    <message>
        <source>You have changed the knobs. Do you want to save them as a preset ?</source>
        <translation>Sie haben die Regler geändert. Möchten Sie sie als Preset speichern?</translation>
    </message>
    <message>
        <source>New Preset</source>
        <translation>Neues Preset</translation>
    </message>
    <message>
        <source>Enter New Preset</source>
        <translation>Neues Preset</translation>
    </message>
    <message>
        <source>Enter the name of the new knob preset:</source>
        <translation>Name des neuen Regler-Presets:</translation>
    </message>
    <message>
        <source>You can't name a preset "%1".</source>
        <translation>Ein Preset kann nicht „%1“ heißen.</translation>
    </message>
    <message>
        <source>Please enter a name for the preset.</source>
        <translation>Bitte geben Sie einen Namen für das Preset ein.</translation>
    </message>
    <message>
        <source>A preset name can't begin or end with a blank, nor hold "\", "]" or a line break.</source>
        <translation>Ein Preset-Name darf nicht mit einem Leerzeichen beginnen oder enden und weder „\“, „]“ noch einen Zeilenumbruch enthalten.</translation>
    </message>
    <message>
        <source>A preset with this name already exists !</source>
        <translation>Ein Preset mit diesem Namen gibt es schon!</translation>
    </message>
    <message>
        <source>You must make a new preset before being able to save it.</source>
        <translation>Legen Sie erst ein neues Preset an, bevor Sie es speichern.</translation>
    </message>
    <message>
        <source>Please select a preset to delete.</source>
        <translation>Bitte wählen Sie das zu löschende Preset.</translation>
    </message>
    <message>
        <source>Are you sure to delete preset "%1" ?
This can't be undone later !</source>
        <translation>Preset „%1“ wirklich löschen?
Das lässt sich nicht rückgängig machen!</translation>
    </message>
</context>
<context>
    <name>TKnobList</name>
    <message>
        <source>%1 (UKnobList)</source>
        <translation>%1 (UKnobList)</translation>
    </message>
    <message>
        <source>Knob preset "%1": knob %2 ("%3") has the controller number %4; controller numbers run from 0 to 127, so this knob was not loaded.</source>
        <translation>Regler-Preset „%1“: Regler %2 („%3“) hat die Controller-Nummer %4; Controller-Nummern reichen von 0 bis 127, daher wurde dieser Regler nicht geladen.</translation>
    </message>
</context>
<context>
    <name>TMainTakes</name>
    <message>
        <source>Save Last &amp;Take...</source>
        <translation>Letzte &amp;Aufnahme speichern...</translation>
    </message>
    <message>
        <source>Save what you played last as a MIDI file</source>
        <translation>Das zuletzt Gespielte als MIDI-Datei speichern</translation>
    </message>
    <message>
        <source>P&amp;lay MIDI File...</source>
        <translation>MIDI-Datei ab&amp;spielen...</translation>
    </message>
    <message>
        <source>Play a MIDI file or the last take to the MIDI output</source>
        <translation>Eine MIDI-Datei oder die letzte Aufnahme am MIDI-Ausgang abspielen</translation>
    </message>
</context>
<context>
    <name>TMainWindow</name>
    <message>
        <source>Reading patch list...</source>
        <translation>Patch-Liste wird gelesen...</translation>
    </message>
    <message>
        <source>the folder "%1" cannot be created</source>
        <translation>der Ordner „%1“ kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>the file "%1" is read-only</source>
        <translation>die Datei „%1“ ist schreibgeschützt</translation>
    </message>
    <message>
        <source>the folder "%1" is not writable</source>
        <translation>der Ordner „%1“ ist nicht beschreibbar</translation>
    </message>
    <message>
        <source>Settings cannot be saved: %1.</source>
        <translation>Die Einstellungen können nicht gespeichert werden: %1.</translation>
    </message>
    <message>
        <source>Base: %1</source>
        <translation>Basis: %1</translation>
    </message>
    <message>
        <source>Octave: %1</source>
        <translation>Oktave: %1</translation>
    </message>
    <message>
        <source>Panic: %1%</source>
        <translation>Panik: %1%</translation>
    </message>
    <message>
        <source>On Wayland the desktop places the window: the place it had is kept for an X11 session.</source>
        <translation>Unter Wayland platziert der Desktop das Fenster: Die bisherige Position bleibt für eine X11-Sitzung erhalten.</translation>
    </message>
    <message>
        <source>Stay on Top is not available on Wayland, which lets no program keep its window above the others; the desktop's own window menu may offer it.</source>
        <translation>Immer im Vordergrund gibt es unter Wayland nicht, da dort kein Programm sein Fenster über den anderen halten darf; das Fenstermenü des Desktops bietet es vielleicht an.</translation>
    </message>
    <message>
        <source>Readme.txt cannot be shown: it is not in %1, nor in %2.</source>
        <translation>Readme.txt kann nicht angezeigt werden: Sie liegt weder in %1 noch in %2.</translation>
    </message>
    <message>
        <source>Readme</source>
        <translation>Liesmich</translation>
    </message>
    <message>
        <source>This removes all of Ondrel's settings, its knob presets, snapshots and chords included (the file %1), and closes Ondrel.

Do you want to continue?</source>
        <translation>Damit werden alle Einstellungen von Ondrel samt Regler-Presets, Snapshots und Akkorden entfernt (die Datei %1) und Ondrel wird beendet.

Möchten Sie fortfahren?</translation>
    </message>
    <message>
        <source>The settings could not be removed:
%1</source>
        <translation>Die Einstellungen konnten nicht entfernt werden:
%1</translation>
    </message>
    <message>
        <source>The settings file %1 has been removed.

To remove the program itself, uninstall its package with your package manager; if you installed it from its sources, delete the files listed in install_manifest.txt of the build folder.</source>
        <translation>Die Einstellungsdatei %1 wurde entfernt.

Um das Programm selbst zu entfernen, deinstallieren Sie sein Paket mit der Paketverwaltung; haben Sie es aus den Quellen installiert, löschen Sie die in install_manifest.txt des Build-Ordners aufgeführten Dateien.</translation>
    </message>
    <message>
        <source>Chord</source>
        <translation>Akkord</translation>
    </message>
    <message>
        <source>Change Chord (Home/End)</source>
        <translation>Akkord wechseln (Pos1/Ende)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>Major</source>
        <translation>Dur</translation>
    </message>
    <message>
        <source>Minor</source>
        <translation>Moll</translation>
    </message>
    <message>
        <source>Major m7</source>
        <translation>Dur m7</translation>
    </message>
    <message>
        <source>Minor m7</source>
        <translation>Moll m7</translation>
    </message>
    <message>
        <source>Fifths</source>
        <translation>Quinten</translation>
    </message>
    <message>
        <source>Octave</source>
        <translation>Oktave</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Powerchord</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>The MIDI channel of what is played, 1 to 16</source>
        <translation>Der MIDI-Kanal des Gespielten, 1 bis 16</translation>
    </message>
    <message>
        <source>Pitch wheel (use SHIFT for fine mode, CTRL to disable scrollback)</source>
        <translation>Pitch-Bend-Rad (UMSCHALT für feine Schritte, STRG ohne Zurückspringen)</translation>
    </message>
    <message>
        <source>Pitch: %1</source>
        <translation>Pitch Bend: %1</translation>
    </message>
    <message>
        <source>Modulation wheel (use SHIFT for fine mode)</source>
        <translation>Modulationsrad (UMSCHALT für feine Schritte)</translation>
    </message>
    <message>
        <source>Modulation: %1</source>
        <translation>Modulation: %1</translation>
    </message>
    <message>
        <source>Scroll visible keys down</source>
        <translation>Sichtbare Tasten nach unten schieben</translation>
    </message>
    <message>
        <source>Scroll visible keys up</source>
        <translation>Sichtbare Tasten nach oben schieben</translation>
    </message>
    <message>
        <source>Pitch wheel</source>
        <translation>Pitch-Bend-Rad</translation>
    </message>
    <message>
        <source>Modulation wheel</source>
        <translation>Modulationsrad</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Nach unten schieben</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Nach oben schieben</translation>
    </message>
    <message>
        <source>Left Button: normal play mode   Right button: special hold mode</source>
        <translation>Linke Taste: normales Spiel   Rechte Taste: besonderer Haltemodus</translation>
    </message>
    <message>
        <source>Piano keyboard</source>
        <translation>Klaviertastatur</translation>
    </message>
    <message>
        <source>Play it with the mouse, or with the computer keys Z to / and Q to ] (F3 and F4 move them an octave down or up).</source>
        <translation>Spielen Sie mit der Maus oder mit den Computertasten Z bis / und Q bis ] (F3 und F4 verschieben sie eine Oktave nach unten oder oben).</translation>
    </message>
    <message>
        <source>Key width</source>
        <translation>Tastenbreite</translation>
    </message>
    <message>
        <source>Patch</source>
        <translation>Patch</translation>
    </message>
    <message>
        <source>Current Patch (Page Up/Page Down)</source>
        <translation>Aktueller Patch (Bild auf/Bild ab)</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programm</translation>
    </message>
    <message>
        <source>Current Program number (Shift+PageUp/PageDown)</source>
        <translation>Aktuelle Programmnummer (Umschalt+Bild auf/Bild ab)</translation>
    </message>
    <message>
        <source>Bank MSB</source>
        <translation>Bank MSB</translation>
    </message>
    <message>
        <source>Bank select, most significant byte</source>
        <translation>Bankwahl, höherwertiges Byte</translation>
    </message>
    <message>
        <source>Bank LSB</source>
        <translation>Bank LSB</translation>
    </message>
    <message>
        <source>Bank select, least significant byte</source>
        <translation>Bankwahl, niederwertiges Byte</translation>
    </message>
    <message>
        <source>Panic!</source>
        <translation>Panik!</translation>
    </message>
    <message>
        <source>Click here to stop all sounds immediately (Ctrl-Space)</source>
        <translation>Hier klicken, um sofort alle Klänge zu stoppen (Strg+Leertaste)</translation>
    </message>
    <message>
        <source>Panic</source>
        <translation>Panik</translation>
    </message>
    <message>
        <source>Foot Controller 1</source>
        <translation>Fußregler 1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Midi &amp;In</source>
        <translation>MIDI-&amp;Eingang</translation>
    </message>
    <message>
        <source>Midi O&amp;ut</source>
        <translation>MIDI-&amp;Ausgang</translation>
    </message>
    <message>
        <source>&amp;Patches</source>
        <translation>&amp;Patches</translation>
    </message>
    <message>
        <source>&amp;Choose Patch Set...</source>
        <translation>Patch-Set &amp;wählen...</translation>
    </message>
    <message>
        <source>&amp;Knobs</source>
        <translation>&amp;Regler</translation>
    </message>
    <message>
        <source>&amp;Presets</source>
        <translation>&amp;Presets</translation>
    </message>
    <message>
        <source>&amp;Snapshots</source>
        <translation>&amp;Snapshots</translation>
    </message>
    <message>
        <source>&amp;Define</source>
        <translation>&amp;Festlegen</translation>
    </message>
    <message>
        <source>Set &amp;up...</source>
        <translation>&amp;Einrichten...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Change the octave when play with the computer keyboard</source>
        <translation>Oktave beim Spiel mit der Computertastatur wechseln</translation>
    </message>
    <message>
        <source>Octave Down</source>
        <translation>Oktave tiefer</translation>
    </message>
    <message>
        <source>Octave Up</source>
        <translation>Oktave höher</translation>
    </message>
    <message>
        <source>Change the velocity of the computer keyboard's notes</source>
        <translation>Anschlagstärke der Computertastatur ändern</translation>
    </message>
    <message>
        <source>Velocity Down</source>
        <translation>Anschlagstärke leiser</translation>
    </message>
    <message>
        <source>Velocity Up</source>
        <translation>Anschlagstärke lauter</translation>
    </message>
    <message>
        <source>Stay &amp;on Top</source>
        <translation>Immer im &amp;Vordergrund</translation>
    </message>
    <message>
        <source>Midi &amp;Thru</source>
        <translation>MIDI-&amp;Thru</translation>
    </message>
    <message>
        <source>T&amp;ranspose...</source>
        <translation>T&amp;ransponieren...</translation>
    </message>
    <message>
        <source>Chord &amp;Editor...</source>
        <translation>A&amp;kkord-Editor...</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>&amp;Uninstall</source>
        <translation>&amp;Deinstallieren</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;Readme</source>
        <translation>&amp;Liesmich</translation>
    </message>
    <message>
        <source>&amp;Messages...</source>
        <translation>&amp;Meldungen...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>MIDI &amp;Service</source>
        <translation>MIDI-&amp;Dienst</translation>
    </message>
    <message>
        <source>MIDI &amp;Service: %1</source>
        <translation>MIDI-&amp;Dienst: %1</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Anschlagstärke</translation>
    </message>
    <message>
        <source>Velocity of the computer keys, and of the mouse when it plays at one velocity (F1 softer, F2 louder)</source>
        <translation>Anschlagstärke der Computertasten und der Maus, wenn sie mit fester Anschlagstärke spielt (F1 leiser, F2 lauter)</translation>
    </message>
    <message>
        <source>Sustain</source>
        <translation>Halten</translation>
    </message>
    <message>
        <source>Sostenuto</source>
        <translation>Sostenuto</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>Leise</translation>
    </message>
    <message>
        <source>Sustain pedal (controller 64): notes go on sounding after their keys are let go; hold Space to hold it</source>
        <translation>Haltepedal (Controller 64): Noten klingen nach dem Loslassen weiter; Leertaste gedrückt halten, um es zu treten</translation>
    </message>
    <message>
        <source>Sostenuto pedal (controller 66): the notes down when it is pressed go on sounding</source>
        <translation>Sostenuto-Pedal (Controller 66): die beim Treten gehaltenen Noten klingen weiter</translation>
    </message>
    <message>
        <source>Soft pedal (controller 67)</source>
        <translation>Leisepedal (Controller 67)</translation>
    </message>
    <message>
        <source>Velocity: %1</source>
        <translation>Anschlagstärke: %1</translation>
    </message>
    <message>
        <source>&amp;%1 Snapshot %1</source>
        <translation>&amp;%1 Snapshot %1</translation>
    </message>
    <message>
        <source>Define Snapshot &amp;%1</source>
        <translation>Snapshot &amp;%1 festlegen</translation>
    </message>
    <message>
        <source>Snapshot name</source>
        <translation>Snapshot-Name</translation>
    </message>
    <message>
        <source>Please enter a name for this Snapshot:</source>
        <translation>Bitte geben Sie einen Namen für diesen Snapshot ein:</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Split</translation>
    </message>
    <message>
        <source>Latch</source>
        <translation>Latch</translation>
    </message>
    <message>
        <source>Arp</source>
        <translation>Arp</translation>
    </message>
    <message>
        <source>Split the keyboard into zones, each on a channel of its own (Ctrl + middle button on a key sets or removes a split point; Options &gt; Zones and Arpeggiator sets them up)</source>
        <translation>Die Tastatur in Zonen teilen, jede auf einem eigenen Kanal (Strg + mittlere Maustaste auf einer Taste setzt oder entfernt einen Splitpunkt; Optionen &gt; Zonen und Arpeggiator richtet sie ein)</translation>
    </message>
    <message>
        <source>Latch: the notes played go on sounding after their keys are let go, until the next chord (Insert)</source>
        <translation>Latch: die gespielten Noten klingen nach dem Loslassen weiter, bis zum nächsten Akkord (Einfg)</translation>
    </message>
    <message>
        <source>Arpeggiator: the zones play their notes one by one, in time</source>
        <translation>Arpeggiator: die Zonen spielen ihre Noten einzeln nacheinander, im Takt</translation>
    </message>
    <message>
        <source>Split &amp;Keyboard</source>
        <translation>Tastatur tei&amp;len</translation>
    </message>
    <message>
        <source>&amp;Latch</source>
        <translation>Latc&amp;h</translation>
    </message>
    <message>
        <source>&amp;Arpeggiator</source>
        <translation>&amp;Arpeggiator</translation>
    </message>
    <message>
        <source>&amp;Zones and Arpeggiator...</source>
        <translation>&amp;Zonen und Arpeggiator...</translation>
    </message>
    <message>
        <source>The arpeggiator cannot play: the output plays too much at once.</source>
        <translation>Der Arpeggiator kann nicht spielen: der Ausgang spielt zu viel auf einmal.</translation>
    </message>
    <message>
        <source>Split point %1 removed: %2 zones</source>
        <translation>Splitpunkt %1 entfernt: %2 Zonen</translation>
    </message>
    <message>
        <source>Split at %1: %2 zones</source>
        <translation>Split bei %1: %2 Zonen</translation>
    </message>
    <message>
        <source>Latch on</source>
        <translation>Latch an</translation>
    </message>
    <message>
        <source>Latch off</source>
        <translation>Latch aus</translation>
    </message>
    <message>
        <source>Arpeggiator on</source>
        <translation>Arpeggiator an</translation>
    </message>
    <message>
        <source>Arpeggiator off</source>
        <translation>Arpeggiator aus</translation>
    </message>
</context>
<context>
    <name>TMidiBackend</name>
    <message>
        <source>ALSA sequencer</source>
        <translation>ALSA-Sequencer</translation>
    </message>
    <message>
        <source>Windows MIDI</source>
        <translation>Windows MIDI</translation>
    </message>
    <message>
        <source>The MIDI port "%1" is not available.</source>
        <translation>Der MIDI-Port „%1“ ist nicht verfügbar.</translation>
    </message>
    <message>
        <source>The %1 MIDI service is not running.</source>
        <translation>Der MIDI-Dienst %1 läuft nicht.</translation>
    </message>
    <message>
        <source>The JACK server takes no more MIDI messages.</source>
        <translation>Der JACK-Server nimmt keine MIDI-Nachrichten mehr an.</translation>
    </message>
    <message>
        <source>The JACK server is no longer running.</source>
        <translation>Der JACK-Server läuft nicht mehr.</translation>
    </message>
    <message>
        <source>The MIDI message is too long to send.</source>
        <translation>Die MIDI-Nachricht ist zu lang zum Senden.</translation>
    </message>
    <message>
        <source>The JACK server refused the MIDI port "%1".</source>
        <translation>Der JACK-Server hat den MIDI-Port „%1“ abgelehnt.</translation>
    </message>
    <message>
        <source>No MIDI service is running (tried: %1).</source>
        <translation>Kein MIDI-Dienst läuft (versucht: %1).</translation>
    </message>
    <message>
        <source>none compiled in</source>
        <translation>keiner eingebaut</translation>
    </message>
    <message>
        <source>The JACK server is not running: start it (e.g. with QjackCtl) or choose ALSA.</source>
        <translation>Der JACK-Server läuft nicht: Starten Sie ihn (z. B. mit QjackCtl) oder wählen Sie ALSA.</translation>
    </message>
    <message>
        <source>The JACK server is not running: start it (e.g. with QjackCtl).</source>
        <translation>Der JACK-Server läuft nicht: Starten Sie ihn (z. B. mit QjackCtl).</translation>
    </message>
    <message>
        <source>The ALSA sequencer is not available: load its kernel module (modprobe snd-seq) or choose JACK.</source>
        <translation>Der ALSA-Sequencer ist nicht verfügbar: Laden Sie sein Kernelmodul (modprobe snd-seq) oder wählen Sie JACK.</translation>
    </message>
    <message>
        <source>The ALSA sequencer is not available: load its kernel module (modprobe snd-seq).</source>
        <translation>Der ALSA-Sequencer ist nicht verfügbar: Laden Sie sein Kernelmodul (modprobe snd-seq).</translation>
    </message>
    <message>
        <source>The %1 MIDI service is not available.</source>
        <translation>Der MIDI-Dienst %1 ist nicht verfügbar.</translation>
    </message>
    <message>
        <source> -&gt; </source>
        <translation> -&gt; </translation>
    </message>
</context>
<context>
    <name>TMidiDevices</name>
    <message>
        <source>Windows MIDI</source>
        <translation>Windows MIDI</translation>
    </message>
    <message>
        <source>Core MIDI</source>
        <translation>Core MIDI</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>%1 "%2" went away; it opens again as soon as it appears.</source>
        <translation>%1 „%2“ ist verschwunden; er wird wieder geöffnet, sobald er erscheint.</translation>
    </message>
    <message>
        <source> could not be opened.</source>
        <translation> konnte nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Opened </source>
        <translation>Geöffnet: </translation>
    </message>
    <message>
        <source> successfully.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>Closing </source>
        <translation>Schließe </translation>
    </message>
    <message>
        <source> ...</source>
        <translation> ...</translation>
    </message>
    <message>
        <source>Closed </source>
        <translation>Geschlossen: </translation>
    </message>
    <message>
        <source>Midi Out</source>
        <translation>MIDI-Ausgang</translation>
    </message>
    <message>
        <source>Midi In</source>
        <translation>MIDI-Eingang</translation>
    </message>
    <message>
        <source>%1 "%2" is a port of Ondrel's own; it was not opened.</source>
        <translation>%1 „%2“ ist ein Port von Ondrel selbst; er wurde nicht geöffnet.</translation>
    </message>
    <message>
        <source>%1 "%2" is not there; it opens as soon as it appears.</source>
        <translation>%1 „%2“ ist nicht vorhanden; er wird geöffnet, sobald er erscheint.</translation>
    </message>
    <message>
        <source>The %1 server is no longer running.</source>
        <translation>Der %1-Server läuft nicht mehr.</translation>
    </message>
    <message>
        <source>JACK server</source>
        <translation>JACK-Server</translation>
    </message>
    <message>
        <source>MIDI service</source>
        <translation>MIDI-Dienst</translation>
    </message>
    <message>
        <source>%1 %2 was closed; it opens again when the %3 is back.</source>
        <translation>%1 %2 wurde geschlossen; er wird wieder geöffnet, wenn der %3 zurück ist.</translation>
    </message>
    <message>
        <source>%1 %2 and %3 were closed; they open again when the %4 is back.</source>
        <translation>%1 %2 und %3 wurden geschlossen; sie werden wieder geöffnet, wenn der %4 zurück ist.</translation>
    </message>
    <message>
        <source>Midi In closed: what Ondrel sends comes straight back to it (%1), and Midi Thru would play every note again and again.</source>
        <translation>MIDI-Eingang geschlossen: Was Ondrel sendet, kommt direkt zu ihm zurück (%1), und MIDI-Thru würde jede Note immer wieder spielen.</translation>
    </message>
    <message>
        <source>Unspecified error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>TMidiFile</name>
    <message>
        <source>Track %1 is damaged: it ends in the middle of an event (byte %2).</source>
        <translation>Spur %1 ist beschädigt: Sie endet mitten in einem Ereignis (Byte %2).</translation>
    </message>
    <message>
        <source>Track %1 is damaged: the number at byte %2 is longer than four bytes.</source>
        <translation>Spur %1 ist beschädigt: Die Zahl bei Byte %2 ist länger als vier Bytes.</translation>
    </message>
    <message>
        <source>Track %1 is damaged: the tempo change at byte %2 is not valid.</source>
        <translation>Spur %1 ist beschädigt: Der Tempowechsel bei Byte %2 ist ungültig.</translation>
    </message>
    <message>
        <source>Track %1 is damaged: byte %2 begins an event that MIDI files do not have (%3).</source>
        <translation>Spur %1 ist beschädigt: Byte %2 beginnt ein Ereignis, das es in MIDI-Dateien nicht gibt (%3).</translation>
    </message>
    <message>
        <source>Track %1 is damaged: a data byte (byte %2) stands where an event must begin.</source>
        <translation>Spur %1 ist beschädigt: Ein Datenbyte (Byte %2) steht, wo ein Ereignis beginnen muss.</translation>
    </message>
    <message>
        <source>Track %1 is damaged: the message at byte %2 is cut short by another.</source>
        <translation>Spur %1 ist beschädigt: Die Nachricht bei Byte %2 wird von einer anderen abgeschnitten.</translation>
    </message>
</context>
<context>
    <name>TMidiInput</name>
    <message>
        <source>Out of memory.</source>
        <translation>Kein Speicher mehr.</translation>
    </message>
</context>
<context>
    <name>TMidiRouter</name>
    <message numerus="yes">
        <source>MIDI input overflowed: %n messages lost</source>
        <translation>
            <numerusform>MIDI-Eingang übergelaufen: %n Nachricht verloren</numerusform><numerusform>MIDI-Eingang übergelaufen: %n Nachrichten verloren</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>MIDI thru overflowed: %n messages lost</source>
        <translation>
            <numerusform>MIDI-Thru übergelaufen: %n Nachricht verloren</numerusform><numerusform>MIDI-Thru übergelaufen: %n Nachrichten verloren</numerusform></translation>
    </message>
</context>
<context>
    <name>TNumberEdit</name>
    <message>
        <source>%1 up</source>
        <translation>%1 hoch</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 runter</translation>
    </message>
</context>
<context>
    <name>TPatchBoxModel</name>
    <message>
        <source>(none)</source>
        <translation>(keiner)</translation>
    </message>
</context>
<context>
    <name>TPatchList</name>
    <message>
        <source>Unknown command "%s" is ignored.</source>
        <translation>Unbekannter Befehl „%s“ wird übergangen.</translation>
    </message>
    <message>
        <source>Sub group does not exist. Lower the level.</source>
        <translation>Untergruppe gibt es nicht. Ebene verringern.</translation>
    </message>
    <message>
        <source>Syntax error.</source>
        <translation>Syntaxfehler.</translation>
    </message>
    <message>
        <source>No "define patchnames" section in the first %1.</source>
        <translation>Kein Abschnitt „define patchnames“ in den ersten %1.</translation>
    </message>
    <message>
        <source>Empty patch script file.</source>
        <translation>Leere Patch-Skript-Datei.</translation>
    </message>
    <message>
        <source>Script is not a Cubase Parse File.</source>
        <translation>Das Skript ist keine Cubase-Parse-Datei.</translation>
    </message>
    <message>
        <source>Premature end of Cubase Parse File.</source>
        <translation>Vorzeitiges Ende der Cubase-Parse-Datei.</translation>
    </message>
    <message>
        <source>Version Number not found.</source>
        <translation>Versionsnummer nicht gefunden.</translation>
    </message>
    <message>
        <source>Wrong version number.</source>
        <translation>Falsche Versionsnummer.</translation>
    </message>
    <message>
        <source>No "define patchnames" section !</source>
        <translation>Kein Abschnitt „define patchnames“!</translation>
    </message>
    <message>
        <source>Function [%s] is not implemented and ignored.</source>
        <translation>Funktion [%s] ist nicht umgesetzt und wird übergangen.</translation>
    </message>
    <message>
        <source>Name is missing.</source>
        <translation>Name fehlt.</translation>
    </message>
    <message>
        <source>No program defined for key.</source>
        <translation>Kein Programm für die Taste festgelegt.</translation>
    </message>
    <message>
        <source>No group defined for sorted property. Ignored.</source>
        <translation>Keine Gruppe für die sortierte Eigenschaft festgelegt. Übergangen.</translation>
    </message>
    <message>
        <source>Ignoring remaining "%s" in command.</source>
        <translation>Rest „%s“ im Befehl wird übergangen.</translation>
    </message>
    <message>
        <source>MSB out of bounds (-1..127)</source>
        <translation>MSB außerhalb des Bereichs (-1..127)</translation>
    </message>
    <message>
        <source>LSB out of bounds (-1..127)</source>
        <translation>LSB außerhalb des Bereichs (-1..127)</translation>
    </message>
</context>
<context>
    <name>TPatchScriptParser</name>
    <message>
        <source>Script is not a Cubase Parse File.</source>
        <translation>Das Skript ist keine Cubase-Parse-Datei.</translation>
    </message>
    <message>
        <source>Line </source>
        <translation>Zeile </translation>
    </message>
    <message>
        <source>Cannot open "%1": %2</source>
        <translation>„%1“ kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot read "%1": %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Cannot read "%1": %2, and a patch script may have at most %3.</source>
        <translation>„%1“ kann nicht gelesen werden: %2, und ein Patch-Skript darf höchstens %3 haben.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>und %1 weitere</translation>
    </message>
    <message>
        <source>[end] command not found.</source>
        <translation>Befehl [end] nicht gefunden.</translation>
    </message>
    <message>
        <source>Syntax error.</source>
        <translation>Syntaxfehler.</translation>
    </message>
    <message>
        <source>Number expected.</source>
        <translation>Zahl erwartet.</translation>
    </message>
</context>
<context>
    <name>TPatchSetChooser</name>
    <message>
        <source>Choose Patch Set</source>
        <translation>Patch-Set wählen</translation>
    </message>
    <message>
        <source>Choose a directory</source>
        <translation>Ein Verzeichnis wählen</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Go to Ondrel's directory</source>
        <translation>Zum Verzeichnis von Ondrel</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>Einen Ordner wählen</translation>
    </message>
    <message>
        <source>Patch scripts</source>
        <translation>Patch-Skripte</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Device Name:</source>
        <translation>Gerätename:</translation>
    </message>
    <message>
        <source>Device Manufacturer:</source>
        <translation>Gerätehersteller:</translation>
    </message>
    <message>
        <source>Name of creator:</source>
        <translation>Name des Erstellers:</translation>
    </message>
    <message>
        <source>Patch Scripts (*.txt)</source>
        <translation>Patch-Skripte (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
</context>
<context>
    <name>TPatchSetLoader</name>
    <message>
        <source>Loading Patch Set</source>
        <translation>Patch-Set wird geladen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Loading the patch set "%1"...</source>
        <translation>Das Patch-Set „%1“ wird geladen...</translation>
    </message>
</context>
<context>
    <name>TPlayerForm</name>
    <message>
        <source>Play MIDI File</source>
        <translation>MIDI-Datei abspielen</translation>
    </message>
    <message>
        <source>Op&amp;en...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Last Take</source>
        <translation>&amp;Letzte Aufnahme</translation>
    </message>
    <message>
        <source>Play what you played last (since the last silence)</source>
        <translation>Das zuletzt Gespielte abspielen (seit der letzten Pause)</translation>
    </message>
    <message>
        <source>Position: drag to go elsewhere in the piece</source>
        <translation>Position: ziehen, um an eine andere Stelle zu springen</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Stopp</translation>
    </message>
    <message>
        <source>L&amp;oop</source>
        <translation>Sc&amp;hleife</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Open MIDI File</source>
        <translation>MIDI-Datei öffnen</translation>
    </message>
    <message>
        <source>MIDI files (*.mid *.midi *.smf *.kar);;All files (*)</source>
        <translation>MIDI-Dateien (*.mid *.midi *.smf *.kar);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>The file holds nothing to play.</source>
        <translation>Die Datei enthält nichts zum Abspielen.</translation>
    </message>
    <message>
        <source>"%1" cannot be played.

%2</source>
        <translation>„%1“ kann nicht abgespielt werden.

%2</translation>
    </message>
    <message>
        <source>System exclusive messages left out (too long to send, or incomplete): %1.</source>
        <translation>Ausgelassene SysEx-Nachrichten (zu lang oder unvollständig): %1.</translation>
    </message>
    <message>
        <source>Nothing has been played yet.</source>
        <translation>Es wurde noch nichts gespielt.</translation>
    </message>
    <message>
        <source>Last take</source>
        <translation>Letzte Aufnahme</translation>
    </message>
    <message>
        <source>No MIDI output is open: choose one in the Midi Out menu.</source>
        <translation>Kein MIDI-Ausgang geöffnet: Wählen Sie einen im Menü MIDI-Ausgang.</translation>
    </message>
    <message>
        <source>Nothing loaded</source>
        <translation>Nichts geladen</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Abspielen</translation>
    </message>
</context>
<context>
    <name>TProgramBank</name>
    <message>
        <source>Bank: %1</source>
        <translation>Bank: %1</translation>
    </message>
</context>
<context>
    <name>TSaveTakeForm</name>
    <message>
        <source>Save Last Take</source>
        <translation>Letzte Aufnahme speichern</translation>
    </message>
    <message>
        <source>The take</source>
        <translation>Die Aufnahme</translation>
    </message>
    <message>
        <source>Since the last &amp;silence of at least</source>
        <translation>Seit der letzten &amp;Pause von mindestens</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>The &amp;last</source>
        <translation>Die &amp;letzten</translation>
    </message>
    <message>
        <source> min</source>
        <translation> min</translation>
    </message>
    <message>
        <source> BPM</source>
        <translation> BPM</translation>
    </message>
    <message>
        <source>The tempo written in the file: a DAW counts bars in it. The notes keep the times they were played at.</source>
        <translation>Das Tempo in der Datei: Danach zählt eine DAW die Takte. Die Noten behalten die Zeiten, zu denen sie gespielt wurden.</translation>
    </message>
    <message>
        <source>&amp;Tempo of the file:</source>
        <translation>&amp;Tempo der Datei:</translation>
    </message>
    <message>
        <source>Drag the take from here into a DAW or a file manager.</source>
        <translation>Ziehen Sie die Aufnahme von hier in eine DAW oder einen Dateimanager.</translation>
    </message>
    <message>
        <source>Playing kept in memory</source>
        <translation>Im Speicher gehaltenes Spiel</translation>
    </message>
    <message>
        <source> MB</source>
        <translation> MB</translation>
    </message>
    <message>
        <source>The last 30 minutes, at &amp;most:</source>
        <translation>Die letzten 30 Minuten, &amp;höchstens:</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>Take %1.mid</source>
        <translation>Aufnahme %1.mid</translation>
    </message>
    <message>
        <source>Nothing has been played yet.</source>
        <translation>Es wurde noch nichts gespielt.</translation>
    </message>
    <message>
        <source>Nothing was played in that time.</source>
        <translation>In dieser Zeit wurde nichts gespielt.</translation>
    </message>
    <message>
        <source>Notes: %1, length: %2, played at %3.</source>
        <translation>Noten: %1, Länge: %2, gespielt um %3.</translation>
    </message>
    <message>
        <source>Messages sent while the computer was too busy to keep them: %1.</source>
        <translation>Gesendete Nachrichten, die der ausgelastete Rechner nicht aufheben konnte: %1.</translation>
    </message>
    <message>
        <source>Save Take As</source>
        <translation>Aufnahme speichern unter</translation>
    </message>
    <message>
        <source>MIDI files (*.mid *.midi)</source>
        <translation>MIDI-Dateien (*.mid *.midi)</translation>
    </message>
    <message>
        <source>The take could not be saved as "%1".

%2</source>
        <translation>Die Aufnahme konnte nicht als „%1“ gespeichert werden.

%2</translation>
    </message>
    <message>
        <source>Take saved as "%1" (notes: %2, length: %3).</source>
        <translation>Aufnahme als „%1“ gespeichert (Noten: %2, Länge: %3).</translation>
    </message>
</context>
<context>
    <name>TSettings</name>
    <message>
        <source>(none)</source>
        <translation>(keiner)</translation>
    </message>
    <message>
        <source>Pitch Wheel</source>
        <translation>Pitch-Bend-Rad</translation>
    </message>
    <message>
        <source>Joystick %1 left/right</source>
        <translation>Joystick %1 links/rechts</translation>
    </message>
    <message>
        <source>Joystick %1 up/down</source>
        <translation>Joystick %1 hoch/runter</translation>
    </message>
    <message>
        <source>Joystick %1 Z-layer</source>
        <translation>Joystick %1 Z-Achse</translation>
    </message>
    <message>
        <source>button %1 pressed</source>
        <translation>Knopf %1 gedrückt</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controller</translation>
    </message>
    <message>
        <source>Joystick</source>
        <translation>Joystick</translation>
    </message>
    <message>
        <source>Mouse Wheel</source>
        <translation>Mausrad</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>An&amp;wenden</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aussehen</translation>
    </message>
    <message>
        <source>Key Width</source>
        <translation>Tastenbreite</translation>
    </message>
    <message>
        <source>Use old style keyboard</source>
        <translation>Tastatur im alten Stil</translation>
    </message>
    <message>
        <source>Show keyboard arrow buttons</source>
        <translation>Pfeilknöpfe der Tastatur zeigen</translation>
    </message>
    <message>
        <source>Scroll to keys played out of sight</source>
        <translation>Zu Tasten außer Sicht mitlaufen</translation>
    </message>
    <message>
        <source>Notes played with the computer keys or arriving from MIDI are always shown on the keyboard.</source>
        <translation>Mit den Computertasten gespielte oder per MIDI kommende Noten sind immer auf der Tastatur zu sehen.</translation>
    </message>
    <message>
        <source>Note display language</source>
        <translation>Sprache der Notennamen</translation>
    </message>
    <message>
        <source>&amp;International</source>
        <translation>&amp;International</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>&amp;Deutsch</translation>
    </message>
    <message>
        <source>&amp;French / Italian</source>
        <translation>&amp;Französisch / Italienisch</translation>
    </message>
    <message>
        <source>Note-key mapping</source>
        <translation>Zuordnung Note–Taste</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>Here you can specify which key on the computer keyboard corresponds to note "C" / "do".</source>
        <translation>Hier legen Sie fest, welche Taste der Computertastatur die Note „C“ / „do“ spielt.</translation>
    </message>
    <message>
        <source>Upper manual (second row on computer keyboard):</source>
        <translation>Oberes Manual (zweite Reihe der Computertastatur):</translation>
    </message>
    <message>
        <source>Lower manual (fourth row on computer keyboard):</source>
        <translation>Unteres Manual (vierte Reihe der Computertastatur):</translation>
    </message>
    <message>
        <source>Velocity / Dynamic play</source>
        <translation>Anschlagstärke / Dynamik</translation>
    </message>
    <message>
        <source>Standard velocity</source>
        <translation>Normale Anschlagstärke</translation>
    </message>
    <message>
        <source>Alternate velocity with Shift</source>
        <translation>Andere Anschlagstärke mit Umschalt</translation>
    </message>
    <message>
        <source>% &amp;Louder</source>
        <translation>% &amp;lauter</translation>
    </message>
    <message>
        <source>% &amp;Quieter</source>
        <translation>% lei&amp;ser</translation>
    </message>
    <message>
        <source>The velocity is the volume of a single note. On real music keyboards, this is how hard you press a key. The computer keys play with the standard velocity (F1 and F2 step it), the mouse too unless it plays by where a key is struck.</source>
        <translation>Die Anschlagstärke ist die Lautstärke einer einzelnen Note; auf echten Keyboards ist es, wie fest Sie eine Taste anschlagen. Die Computertasten spielen mit der normalen Anschlagstärke (F1 und F2 ändern sie), die Maus ebenso, außer sie spielt nach der Anschlagstelle.</translation>
    </message>
    <message>
        <source>Standard velocity (0..127):</source>
        <translation>Normale Anschlagstärke (0..127):</translation>
    </message>
    <message>
        <source>Alternate velocity with Shift (in percent):</source>
        <translation>Andere Anschlagstärke mit Umschalt (in Prozent):</translation>
    </message>
    <message>
        <source>Send program, bank and knob values when an output opens</source>
        <translation>Programm, Bank und Reglerwerte senden, wenn ein Ausgang öffnet</translation>
    </message>
    <message>
        <source>A synthesizer started or restarted later plays the sound the window shows.</source>
        <translation>Ein später (neu) gestarteter Synthesizer spielt den Klang, den das Fenster zeigt.</translation>
    </message>
    <message>
        <source>Where a key is struck</source>
        <translation>Anschlagstelle</translation>
    </message>
    <message>
        <source>Louder towards the &amp;front of a key</source>
        <translation>Zur &amp;Vorderkante der Taste lauter</translation>
    </message>
    <message>
        <source>The mouse and fingers play softer near the back of a key, louder near its front; without it they play with the standard velocity.</source>
        <translation>Maus und Finger spielen hinten auf der Taste leiser, vorne lauter; sonst mit der normalen Anschlagstärke.</translation>
    </message>
    <message>
        <source>Velocity at the back</source>
        <translation>Anschlagstärke hinten</translation>
    </message>
    <message>
        <source>Velocity at the front</source>
        <translation>Anschlagstärke vorne</translation>
    </message>
    <message>
        <source>Hard: loud only near the front. Soft: loud soon.</source>
        <translation>Hart: nur vorne laut. Weich: schnell laut.</translation>
    </message>
    <message>
        <source>Finger &amp;pressure as aftertouch</source>
        <translation>Finger&amp;druck als Aftertouch</translation>
    </message>
    <message>
        <source>On touch screens that sense it, how hard a finger presses goes out as polyphonic aftertouch of its notes.</source>
        <translation>Auf Touchscreens, die es messen, geht der Fingerdruck als polyphoner Aftertouch seiner Noten hinaus.</translation>
    </message>
    <message>
        <source>At the back:</source>
        <translation>Hinten:</translation>
    </message>
    <message>
        <source>At the front:</source>
        <translation>Vorne:</translation>
    </message>
    <message>
        <source>&amp;Touch:</source>
        <translation>&amp;Anschlag:</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Hart</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>Weich</translation>
    </message>
    <message>
        <source>Labels on the keys</source>
        <translation>Beschriftung der Tasten</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>On the C keys</source>
        <translation>Auf den C-Tasten</translation>
    </message>
    <message>
        <source>On every key</source>
        <translation>Auf jeder Taste</translation>
    </message>
    <message>
        <source>On the keys being played</source>
        <translation>Auf gespielten Tasten</translation>
    </message>
    <message>
        <source>&amp;Sharps (C#)</source>
        <translation>&amp;Kreuze (C#)</translation>
    </message>
    <message>
        <source>&amp;Flats (Db)</source>
        <translation>B&amp;s (Db)</translation>
    </message>
    <message>
        <source>The &amp;computer key that plays each note</source>
        <translation>Die &amp;Computertaste jeder Note</translation>
    </message>
    <message>
        <source>The patch's names of the keys (drum &amp;kits)</source>
        <translation>Tastennamen des Patches (&amp;Drumkits)</translation>
    </message>
    <message>
        <source>They are the keys' tooltips in any case.</source>
        <translation>Als Tooltip der Tasten erscheinen sie immer.</translation>
    </message>
    <message>
        <source>&amp;Note names:</source>
        <translation>&amp;Notennamen:</translation>
    </message>
    <message>
        <source>Black keys:</source>
        <translation>Schwarze Tasten:</translation>
    </message>
    <message>
        <source>&amp;Middle C (note 60):</source>
        <translation>&amp;Mittleres C (Note 60):</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Tonleiter</translation>
    </message>
    <message>
        <source>Chromatic (every note)</source>
        <translation>Chromatisch (alle Noten)</translation>
    </message>
    <message>
        <source>Major</source>
        <translation>Dur</translation>
    </message>
    <message>
        <source>Minor</source>
        <translation>Moll</translation>
    </message>
    <message>
        <source>Harmonic minor</source>
        <translation>Harmonisch Moll</translation>
    </message>
    <message>
        <source>Melodic minor</source>
        <translation>Melodisch Moll</translation>
    </message>
    <message>
        <source>Dorian</source>
        <translation>Dorisch</translation>
    </message>
    <message>
        <source>Phrygian</source>
        <translation>Phrygisch</translation>
    </message>
    <message>
        <source>Lydian</source>
        <translation>Lydisch</translation>
    </message>
    <message>
        <source>Mixolydian</source>
        <translation>Mixolydisch</translation>
    </message>
    <message>
        <source>Locrian</source>
        <translation>Lokrisch</translation>
    </message>
    <message>
        <source>Major pentatonic</source>
        <translation>Dur-Pentatonik</translation>
    </message>
    <message>
        <source>Minor pentatonic</source>
        <translation>Moll-Pentatonik</translation>
    </message>
    <message>
        <source>Blues</source>
        <translation>Blues</translation>
    </message>
    <message>
        <source>The computer keys &amp;play only the scale's notes</source>
        <translation>Die Computertasten s&amp;pielen nur die Töne der Tonleiter</translation>
    </message>
    <message>
        <source>The letter rows play the notes of the scale one after another, each row's C key the key note; the rows above them play nothing.</source>
        <translation>Die Buchstabenreihen spielen die Töne der Tonleiter nacheinander, die C-Taste jeder Reihe den Grundton; die Reihen darüber spielen nichts.</translation>
    </message>
    <message>
        <source>Ke&amp;y:</source>
        <translation>Grund&amp;ton:</translation>
    </message>
    <message>
        <source>Scal&amp;e:</source>
        <translation>Ton&amp;leiter:</translation>
    </message>
    <message>
        <source>Notes outside the scale are dimmed on the keyboard.</source>
        <translation>Noten außerhalb der Tonleiter sind auf der Tastatur abgedunkelt.</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Tastatur</translation>
    </message>
    <message>
        <source>&amp;Up/Down Controller</source>
        <translation>Controller &amp;hoch/runter</translation>
    </message>
    <message>
        <source>&amp;Left/Right Controller</source>
        <translation>Controller &amp;links/rechts</translation>
    </message>
    <message>
        <source>These are the controllers that are sent when you use the "special hold mode" on the keyboard.</source>
        <translation>Diese Controller werden gesendet, wenn Sie auf der Tastatur den „besonderen Haltemodus“ nutzen.</translation>
    </message>
    <message>
        <source>Wheels</source>
        <translation>Räder</translation>
    </message>
    <message>
        <source>&amp;Mod Wheel Controller</source>
        <translation>Controller des &amp;Modulationsrads</translation>
    </message>
    <message>
        <source>This is the controller that is sent by the "modulation wheel" at the left side of the keyboard.</source>
        <translation>Diesen Controller sendet das „Modulationsrad“ links neben der Tastatur.</translation>
    </message>
    <message>
        <source>Disable automatic controller choice</source>
        <translation>Automatische Controller-Wahl ausschalten</translation>
    </message>
    <message>
        <source>&amp;Joystick/Action</source>
        <translation>&amp;Joystick/Aktion</translation>
    </message>
    <message>
        <source>&amp;Controller</source>
        <translation>&amp;Controller</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Empfindlichkeit</translation>
    </message>
    <message>
        <source>The sensitivity defines how much the controller is changed with one "tick" of the mousewheel.</source>
        <translation>Die Empfindlichkeit bestimmt, wie weit eine Raste des Mausrads den Controller ändert.</translation>
    </message>
    <message>
        <source>&amp;Sensitivity</source>
        <translation>&amp;Empfindlichkeit</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Langsam</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Schnell</translation>
    </message>
    <message>
        <source>You can use Alt+Mouse dragging to shift the keyboard
without these buttons.</source>
        <translation>Ohne diese Knöpfe verschieben Sie die Tastatur
mit Alt und gezogener Maus.</translation>
    </message>
    <message>
        <source>Hint: To easily set up the controller numbers, select a combobox and move the slider/knob that you want to control with it.</source>
        <translation>Tipp: Am einfachsten wählen Sie eine Liste aus und bewegen den Schieber/Regler, den Sie damit steuern wollen.</translation>
    </message>
    <message>
        <source>You can use a joystick to send controller messages. It must be connected and its device (/dev/input/js* or /dev/input/event*) readable by you to be used in Ondrel.</source>
        <translation>Mit einem Joystick senden Sie Controller-Daten. Er muss angeschlossen und sein Gerät (/dev/input/js* oder /dev/input/event*) für Sie lesbar sein, damit Ondrel ihn nutzt.</translation>
    </message>
    <message>
        <source>To easily set up the controller number, move the slider/knob that you want to control with it. In case of problems, disable it below.</source>
        <translation>Am einfachsten bewegen Sie den Schieber/Regler, den Sie damit steuern wollen. Bei Problemen schalten Sie das unten aus.</translation>
    </message>
    <message>
        <source>You can use a mouse wheel to send controller messages. Choose a controller below. You can turn the knob or wheel corresponding to the desired controller on Ondrel or a connected MIDI device to set the controller.</source>
        <translation>Mit dem Mausrad senden Sie Controller-Daten. Wählen Sie unten einen Controller, oder drehen Sie den gewünschten Regler oder das Rad in Ondrel oder an einem angeschlossenen MIDI-Gerät.</translation>
    </message>
    <message>
        <source>"Slow" means very fine resolution but you need to turn a lot to change the controller significantly. On the other hand, "Fast" has the effect that little wheel movement results in big controller changes.</source>
        <translation>„Langsam“ heißt sehr feine Schritte, aber viel Drehen für große Änderungen; „Schnell“ heißt, kleine Radbewegungen ändern den Controller stark.</translation>
    </message>
</context>
<context>
    <name>TSettingsSaver</name>
    <message>
        <source>The settings have been saved.</source>
        <translation>Die Einstellungen wurden gespeichert.</translation>
    </message>
</context>
<context>
    <name>TSplashForm</name>
    <message>
        <source>About Ondrel</source>
        <translation>Über Ondrel</translation>
    </message>
    <message>
        <source>V%1 build %2</source>
        <translation>V%1 Build %2</translation>
    </message>
</context>
<context>
    <name>TStatusBar</name>
    <message>
        <source>Transpose: %1</source>
        <translation>Transponieren: %1</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Meldungen</translation>
    </message>
    <message>
        <source>No messages yet.</source>
        <translation>Noch keine Meldungen.</translation>
    </message>
</context>
<context>
    <name>TSynth</name>
    <message>
        <source>Midi-Mapper could not be opened. </source>
        <translation>Midi-Mapper konnte nicht geöffnet werden. </translation>
    </message>
    <message>
        <source> (%1)</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>No General MIDI SoundFont was found. Install fluid-soundfont-gm or timgm6mb-soundfont, or choose a SoundFont file.</source>
        <translation>Kein General-MIDI-SoundFont gefunden. Installieren Sie fluid-soundfont-gm oder timgm6mb-soundfont oder wählen Sie eine SoundFont-Datei.</translation>
    </message>
    <message>
        <source>The SoundFont "%1" does not exist.</source>
        <translation>Den SoundFont „%1“ gibt es nicht.</translation>
    </message>
    <message>
        <source>"%1" is not a SoundFont.</source>
        <translation>„%1“ ist kein SoundFont.</translation>
    </message>
    <message>
        <source>FluidSynth could not be started.</source>
        <translation>FluidSynth konnte nicht gestartet werden.</translation>
    </message>
    <message>
        <source>FluidSynth could not be started</source>
        <translation>FluidSynth konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>The SoundFont "%1" could not be loaded</source>
        <translation>Der SoundFont „%1“ konnte nicht geladen werden</translation>
    </message>
    <message>
        <source>No audio output could be opened (tried %1)</source>
        <translation>Kein Audioausgang konnte geöffnet werden (versucht: %1)</translation>
    </message>
    <message>
        <source>The built-in synthesizer takes no more MIDI messages.</source>
        <translation>Der eingebaute Synthesizer nimmt keine MIDI-Nachrichten mehr an.</translation>
    </message>
    <message>
        <source>FluidSynth has no audio output for this system.</source>
        <translation>FluidSynth hat keinen Audioausgang für dieses System.</translation>
    </message>
</context>
<context>
    <name>TSystemListView</name>
    <message>
        <source>folders nested too deeply</source>
        <translation>zu tief verschachtelte Ordner</translation>
    </message>
    <message>
        <source>it could not be removed</source>
        <translation>es konnte nicht entfernt werden</translation>
    </message>
    <message>
        <source>There is already an item named "%1" in this folder. Please choose another name.</source>
        <translation>In diesem Ordner gibt es schon ein Element namens „%1“. Bitte wählen Sie einen anderen Namen.</translation>
    </message>
    <message>
        <source>Could not rename "%1" to "%2"</source>
        <translation>„%1“ konnte nicht in „%2“ umbenannt werden</translation>
    </message>
    <message>
        <source>Could not create a new folder in %1.</source>
        <translation>In %1 konnte kein neuer Ordner angelegt werden.</translation>
    </message>
    <message>
        <source>Delete "%1" permanently?</source>
        <translation>„%1“ endgültig löschen?</translation>
    </message>
    <message numerus="yes">
        <source>Delete these %n items permanently?</source>
        <translation>
            <numerusform>Dieses Element endgültig löschen?</numerusform><numerusform>Diese %n Elemente endgültig löschen?</numerusform></translation>
    </message>
    <message>
        <source>Could not delete "%1"</source>
        <translation>„%1“ konnte nicht gelöscht werden</translation>
    </message>
    <message>
        <source>Could not move "%1" to the trash</source>
        <translation>„%1“ konnte nicht in den Papierkorb verschoben werden</translation>
    </message>
    <message>
        <source>"%1"</source>
        <translation>„%1“</translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n Element</numerusform><numerusform>%n Elemente</numerusform></translation>
    </message>
    <message>
        <source>%1 will be moved by the next Paste.</source>
        <translation>%1 wird beim nächsten Einfügen verschoben.</translation>
    </message>
    <message>
        <source>%1 copied.</source>
        <translation>%1 kopiert.</translation>
    </message>
    <message>
        <source>Copied %1 to %2.</source>
        <translation>%1 nach %2 kopiert.</translation>
    </message>
    <message>
        <source>Moved %1 to %2.</source>
        <translation>%1 nach %2 verschoben.</translation>
    </message>
    <message>
        <source>Made links to %1 in %2.</source>
        <translation>Verknüpfungen zu %1 in %2 angelegt.</translation>
    </message>
    <message>
        <source> "%1" was taken there, so it is "%2".</source>
        <translation> „%1“ war dort schon vergeben, daher heißt es „%2“.</translation>
    </message>
    <message>
        <source>Stopped. </source>
        <translation>Angehalten. </translation>
    </message>
    <message>
        <source>%1

Shown: %2, %3 (%4)</source>
        <translation>%1

Angezeigt: %2, %3 (%4)</translation>
    </message>
    <message>
        <source>1 folder</source>
        <translation>1 Ordner</translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <translation>
            <numerusform>%n Ordner</numerusform><numerusform>%n Ordner</numerusform></translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 Datei</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n Datei</numerusform><numerusform>%n Dateien</numerusform></translation>
    </message>
    <message>
        <source>
Free space: %1</source>
        <translation>
Freier Platz: %1</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation>&amp;Große Symbole</translation>
    </message>
    <message>
        <source>Shows the items as large icons.</source>
        <translation>Zeigt die Elemente als große Symbole.</translation>
    </message>
    <message>
        <source>S&amp;mall Icons</source>
        <translation>&amp;Kleine Symbole</translation>
    </message>
    <message>
        <source>Shows the items as small icons.</source>
        <translation>Zeigt die Elemente als kleine Symbole.</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>Shows the items in a list.</source>
        <translation>Zeigt die Elemente als Liste.</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Details</translation>
    </message>
    <message>
        <source>Shows each item with its size, type, time and attributes.</source>
        <translation>Zeigt jedes Element mit Größe, Typ, Zeit und Attributen.</translation>
    </message>
    <message>
        <source>Arrange &amp;Icons</source>
        <translation>Symbole an&amp;ordnen</translation>
    </message>
    <message>
        <source>by &amp;Name</source>
        <translation>nach &amp;Name</translation>
    </message>
    <message>
        <source>Sorts items alphabetically by name.</source>
        <translation>Sortiert die Elemente alphabetisch nach Namen.</translation>
    </message>
    <message>
        <source>by &amp;Type</source>
        <translation>nach &amp;Typ</translation>
    </message>
    <message>
        <source>Sorts items by type.</source>
        <translation>Sortiert die Elemente nach Typ.</translation>
    </message>
    <message>
        <source>by Si&amp;ze</source>
        <translation>nach &amp;Größe</translation>
    </message>
    <message>
        <source>Sorts items by size.</source>
        <translation>Sortiert die Elemente nach Größe.</translation>
    </message>
    <message>
        <source>by &amp;Date</source>
        <translation>nach &amp;Datum</translation>
    </message>
    <message>
        <source>Sorts items by date, newest first.</source>
        <translation>Sortiert die Elemente nach Datum, neueste zuerst.</translation>
    </message>
    <message>
        <source>&amp;Auto Arrange</source>
        <translation>&amp;Automatisch anordnen</translation>
    </message>
    <message>
        <source>Arranges the icons to fit the window.</source>
        <translation>Ordnet die Symbole passend zum Fenster an.</translation>
    </message>
    <message>
        <source>Line &amp;Up Icons</source>
        <translation>Symbole a&amp;usrichten</translation>
    </message>
    <message>
        <source>Lines the icons up on a grid.</source>
        <translation>Richtet die Symbole an einem Raster aus.</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>A&amp;ktualisieren</translation>
    </message>
    <message>
        <source>Reads the folder again.</source>
        <translation>Liest den Ordner neu ein.</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Copies the files on the clipboard into this folder, or moves them when they were cut.</source>
        <translation>Kopiert die Dateien der Zwischenablage in diesen Ordner oder verschiebt sie, wenn sie ausgeschnitten wurden.</translation>
    </message>
    <message>
        <source>Paste &amp;Shortcut</source>
        <translation>&amp;Verknüpfung einfügen</translation>
    </message>
    <message>
        <source>Makes links to the files on the clipboard in this folder.</source>
        <translation>Legt in diesem Ordner Verknüpfungen zu den Dateien der Zwischenablage an.</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Folder</source>
        <translation>&amp;Ordner</translation>
    </message>
    <message>
        <source>Creates a new folder.</source>
        <translation>Legt einen neuen Ordner an.</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>Ei&amp;genschaften</translation>
    </message>
    <message>
        <source>Shows what this folder holds.</source>
        <translation>Zeigt, was dieser Ordner enthält.</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>Opens the item.</source>
        <translation>Öffnet das Element.</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>&amp;Umbenennen</translation>
    </message>
    <message>
        <source>Renames the item.</source>
        <translation>Benennt das Element um.</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>Moves the selected items by the next Paste.</source>
        <translation>Verschiebt die gewählten Elemente beim nächsten Einfügen.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>Copies the selected items by the next Paste.</source>
        <translation>Kopiert die gewählten Elemente beim nächsten Einfügen.</translation>
    </message>
    <message>
        <source>Move to &amp;Trash</source>
        <translation>In den &amp;Papierkorb</translation>
    </message>
    <message>
        <source>Moves the selected items to the trash.</source>
        <translation>Verschiebt die gewählten Elemente in den Papierkorb.</translation>
    </message>
    <message>
        <source>&amp;Delete Permanently</source>
        <translation>Endgültig &amp;löschen</translation>
    </message>
    <message>
        <source>Deletes the selected items for good.</source>
        <translation>Löscht die gewählten Elemente endgültig.</translation>
    </message>
    <message>
        <source>Directory %1 is not valid.</source>
        <translation>Das Verzeichnis %1 ist ungültig.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>Der Ordner %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The folder %1 can no longer be read; showing %2.</source>
        <translation>Der Ordner %1 kann nicht mehr gelesen werden; %2 wird gezeigt.</translation>
    </message>
    <message>
        <source>The folder %1 is no longer there; showing %2.</source>
        <translation>Den Ordner %1 gibt es nicht mehr; %2 wird gezeigt.</translation>
    </message>
    <message>
        <source>The folder %1 is no longer there.</source>
        <translation>Den Ordner %1 gibt es nicht mehr.</translation>
    </message>
    <message>
        <source>No application could open %1.</source>
        <translation>Keine Anwendung konnte %1 öffnen.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Attribute</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 auf %2</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>File </source>
        <translation>Datei </translation>
    </message>
    <message>
        <source> link</source>
        <translation> Verknüpfung</translation>
    </message>
    <message>
        <source>A name cannot be empty.</source>
        <translation>Ein Name darf nicht leer sein.</translation>
    </message>
    <message>
        <source>"%1" is not a valid name.</source>
        <translation>„%1“ ist kein gültiger Name.</translation>
    </message>
    <message>
        <source>A name cannot contain "%1".</source>
        <translation>Ein Name darf „%1“ nicht enthalten.</translation>
    </message>
    <message>
        <source>The name "%1" is too long.</source>
        <translation>Der Name „%1“ ist zu lang.</translation>
    </message>
</context>
<context>
    <name>TTakeDrag</name>
    <message>
        <source>Drag the take into a DAW or a file manager as a MIDI file</source>
        <translation>Die Aufnahme als MIDI-Datei in eine DAW oder einen Dateimanager ziehen</translation>
    </message>
    <message>
        <source>Nothing has been played yet.</source>
        <translation>Es wurde noch nichts gespielt.</translation>
    </message>
    <message>
        <source>No temporary folder can be made for the file: %1.</source>
        <translation>Für die Datei kann kein temporärer Ordner angelegt werden: %1.</translation>
    </message>
</context>
<context>
    <name>TTransposeForm</name>
    <message>
        <source>Transpose</source>
        <translation>Transponieren</translation>
    </message>
    <message>
        <source>Number of semi- tones to transpose:</source>
        <translation>Um wie viele Halb- töne transponieren:</translation>
    </message>
    <message>
        <source>Display transposed notes on keyboard</source>
        <translation>Transponierte Noten auf der Tastatur zeigen</translation>
    </message>
    <message>
        <source>Transpose MIDI Thru notes</source>
        <translation>MIDI-Thru-Noten transponieren</translation>
    </message>
    <message>
        <source>Keep transpose when this window is closed.</source>
        <translation>Transponieren beibehalten, wenn das Fenster schließt.</translation>
    </message>
    <message>
        <source>Use this window to transpose all outgoing notes either up (positive) or down (negative) in semi tones.</source>
        <translation>Hier transponieren Sie alle ausgehenden Noten in Halbtönen nach oben (positiv) oder unten (negativ).</translation>
    </message>
    <message>
        <source>Checking "Display transposed notes on keyboard" results in transposing before the notes are displayed on the keyboard. This may seem as playing wrong notes.</source>
        <translation>Mit „Transponierte Noten auf der Tastatur zeigen“ wird transponiert, bevor die Noten auf der Tastatur erscheinen. Das kann wie falsch gespielt aussehen.</translation>
    </message>
    <message>
        <source>Checking "Transpose MIDI Thru notes" will transpose also all notes that come in to the MIDI in port.</source>
        <translation>Mit „MIDI-Thru-Noten transponieren“ werden auch alle Noten transponiert, die am MIDI-Eingang ankommen.</translation>
    </message>
    <message>
        <source>When you check "Keep transpose when this window is closed", the notes keep on being transposed even when you have closed this window. Otherwise, closing this window resets to 0 transpose.</source>
        <translation>Mit „Transponieren beibehalten, wenn das Fenster schließt“ bleiben die Noten auch nach dem Schließen transponiert. Sonst setzt das Schließen auf 0 zurück.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Hide help</source>
        <translation>Hilfe ausblenden</translation>
    </message>
    <message>
        <source>Show Help</source>
        <translation>Hilfe zeigen</translation>
    </message>
</context>
<context>
    <name>TUpDown</name>
    <message>
        <source>Steps %1 up or down</source>
        <translation>Schaltet %1 hoch oder runter</translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation>%1 hoch</translation>
    </message>
    <message>
        <source>One step up; held, it goes on</source>
        <translation>Einen Schritt hoch; gehalten geht es weiter</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 runter</translation>
    </message>
    <message>
        <source>One step down; held, it goes on</source>
        <translation>Einen Schritt runter; gehalten geht es weiter</translation>
    </message>
</context>
<context>
    <name>TZoneForm</name>
    <message>
        <source>Zones and Arpeggiator</source>
        <translation>Zonen und Arpeggiator</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Split</translation>
    </message>
    <message>
        <source>&amp;Split the keyboard into zones</source>
        <translation>Tastatur in Zonen &amp;teilen</translation>
    </message>
    <message>
        <source>Ctrl + middle button on a key sets or removes a split point</source>
        <translation>Strg + mittlere Maustaste auf einer Taste setzt oder entfernt einen Splitpunkt</translation>
    </message>
    <message>
        <source>&amp;Zones:</source>
        <translation>&amp;Zonen:</translation>
    </message>
    <message>
        <source>Zone %1 from:</source>
        <translation>Zone %1 ab:</translation>
    </message>
    <message>
        <source>All zones</source>
        <translation>Alle Zonen</translation>
    </message>
    <message>
        <source>&amp;Latch: notes sound on after their keys are let go (Insert)</source>
        <translation>Lat&amp;ch: Noten klingen nach dem Loslassen weiter (Einfg)</translation>
    </message>
    <message>
        <source>&amp;Arpeggiator</source>
        <translation>&amp;Arpeggiator</translation>
    </message>
    <message>
        <source>The zones whose arpeggiator is on play their notes one by one in time</source>
        <translation>Die Zonen mit eingeschaltetem Arpeggiator spielen ihre Noten einzeln im Takt</translation>
    </message>
    <message>
        <source>Own tempo</source>
        <translation>Eigenes Tempo</translation>
    </message>
    <message>
        <source>JACK transport</source>
        <translation>JACK-Transport</translation>
    </message>
    <message>
        <source>MIDI clock</source>
        <translation>MIDI-Clock</translation>
    </message>
    <message>
        <source>JACK transport: the tempo and bar position of the transport master while it rolls. MIDI clock: the clock arriving at Midi In.</source>
        <translation>JACK-Transport: Tempo und Taktposition des Transport-Masters, solange er läuft. MIDI-Clock: die Clock, die an MIDI-Eingang ankommt.</translation>
    </message>
    <message>
        <source> BPM</source>
        <translation> BPM</translation>
    </message>
    <message>
        <source>&amp;Clock:</source>
        <translation>Ta&amp;kt:</translation>
    </message>
    <message>
        <source>&amp;Tempo:</source>
        <translation>Tem&amp;po:</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <translation>Zone %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>A second channel the zone plays on too</source>
        <translation>Ein zweiter Kanal, auf dem die Zone ebenfalls spielt</translation>
    </message>
    <message>
        <source>as the chord box</source>
        <translation>wie das Akkordfeld</translation>
    </message>
    <message>
        <source>as struck</source>
        <translation>wie angeschlagen</translation>
    </message>
    <message>
        <source>Ondrel's output</source>
        <translation>Ausgang von Ondrel</translation>
    </message>
    <message>
        <source>A synthesizer of the zone's own; it opens as soon as it is there</source>
        <translation>Ein eigener Synthesizer der Zone; er wird geöffnet, sobald er da ist</translation>
    </message>
    <message>
        <source>C&amp;hannel:</source>
        <translation>Kana&amp;l:</translation>
    </message>
    <message>
        <source>La&amp;yer:</source>
        <translation>Ebe&amp;ne:</translation>
    </message>
    <message>
        <source>&amp;Octave:</source>
        <translation>&amp;Oktave:</translation>
    </message>
    <message>
        <source>T&amp;ranspose:</source>
        <translation>T&amp;ransponieren:</translation>
    </message>
    <message>
        <source>&amp;Program:</source>
        <translation>Pro&amp;gramm:</translation>
    </message>
    <message>
        <source>Bank &amp;MSB:</source>
        <translation>Bank &amp;MSB:</translation>
    </message>
    <message>
        <source>Bank LS&amp;B:</source>
        <translation>Bank LS&amp;B:</translation>
    </message>
    <message>
        <source>Chor&amp;d:</source>
        <translation>Akkor&amp;d:</translation>
    </message>
    <message>
        <source>&amp;Velocity:</source>
        <translation>Ansc&amp;hlagstärke:</translation>
    </message>
    <message>
        <source>O&amp;utput port:</source>
        <translation>A&amp;usgang:</translation>
    </message>
    <message>
        <source>Arpegg&amp;iate</source>
        <translation>Arpegg&amp;ieren</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Aufwärts</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abwärts</translation>
    </message>
    <message>
        <source>Up and down</source>
        <translation>Auf und ab</translation>
    </message>
    <message>
        <source>As played</source>
        <translation>Wie gespielt</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Zufall</translation>
    </message>
    <message>
        <source>Chord</source>
        <translation>Akkord</translation>
    </message>
    <message>
        <source>%1 triplets</source>
        <translation>%1 Triolen</translation>
    </message>
    <message>
        <source>%1 dotted</source>
        <translation>%1 punktiert</translation>
    </message>
    <message>
        <source>How much of its step a note sounds</source>
        <translation>Wie viel ihres Schritts eine Note klingt</translation>
    </message>
    <message>
        <source>Where the second step of each pair starts: 50 % is straight, 66 % a triplet feel</source>
        <translation>Wo der zweite Schritt jedes Paars beginnt: 50 % ist gerade, 66 % ein triolisches Gefühl</translation>
    </message>
    <message>
        <source>Patt&amp;ern:</source>
        <translation>Mu&amp;ster:</translation>
    </message>
    <message>
        <source>&amp;Note value:</source>
        <translation>Not&amp;enwert:</translation>
    </message>
    <message>
        <source>&amp;Gate:</source>
        <translation>Gate-L&amp;änge:</translation>
    </message>
    <message>
        <source>S&amp;wing:</source>
        <translation>S&amp;wing:</translation>
    </message>
    <message>
        <source>Octave range:</source>
        <translation>Oktavumfang:</translation>
    </message>
    <message>
        <source>%1 (not in the chord box)</source>
        <translation>%1 (nicht im Akkordfeld)</translation>
    </message>
    <message>
        <source>%1 (not there now)</source>
        <translation>%1 (gerade nicht da)</translation>
    </message>
    <message>
        <source>Without a split the whole keyboard plays on the keyboard's channel, with this arpeggiator</source>
        <translation>Ohne Split spielt die ganze Tastatur auf dem Kanal der Tastatur, mit diesem Arpeggiator</translation>
    </message>
</context>
<context>
    <name>TZonePorts</name>
    <message>
        <source>The zones' port "%1" is not there; it opens as soon as it appears.</source>
        <translation>Der Port „%1“ der Zonen ist nicht da; er wird geöffnet, sobald er erscheint.</translation>
    </message>
    <message>
        <source>The zones' port "%1" could not be opened: %2</source>
        <translation>Der Port „%1“ der Zonen konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Opened the zones' port %1.</source>
        <translation>Port %1 der Zonen geöffnet.</translation>
    </message>
    <message>
        <source>The zones' port "%1" went away; it opens again as soon as it appears.</source>
        <translation>Der Port „%1“ der Zonen ist verschwunden; er wird wieder geöffnet, sobald er erscheint.</translation>
    </message>
</context>
</TS>