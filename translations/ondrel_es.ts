<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>MidiTool</name>
    <message>
        <source>Bank Sel MSB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breath Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pedal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Porta Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data MSB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Main Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panpot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expression</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effect 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effect 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Foot Control / General 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank Sel LSB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mod Wheel LSB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Breath Control LSB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pedal LSB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Porta Time LSB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data LSB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume LSB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance LSB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Panpot LSB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expression LSB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effect 1 LSB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effect 2 LSB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General 1 LSB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General 2 LSB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General 3 LSB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General 4 LSB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sustain Sw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Porta Switch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sostenuto</source>
        <translation>Sostenuto</translation>
    </message>
    <message>
        <source>Soft Pedal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Legato Footswitch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound Variation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Harmonic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Release Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attack Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound Control 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound Control 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound Control 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound Control 9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound Control 10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General 6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General 8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portamento</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tremolo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chorus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Phaser</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Increment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Decrement</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NRPN LSB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NRPN MSB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RPN LSB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RPN MSB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Sounds off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Controllers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Notes Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Omni Mode On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Omni Mode Off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mono Mode On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Poly Mode On</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAtomicFile</name>
    <message>
        <source>Could not save &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the data could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot create the folder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TChordEditForm</name>
    <message>
        <source>Chord Editor</source>
        <translation>Editor de acordes</translation>
    </message>
    <message>
        <source>Here you can define your own chords. Click &quot;New&quot; to add a new chord. Then enable the edit mode by activating the &quot;Edit&quot; button. Use the keyboard below or Ondrel or an external device to toggle notes of the current chord.</source>
        <translation>Aquí define sus propios acordes. Pulse «Nuevo» para añadir uno y active el modo de edición con «Editar». Con el teclado de abajo, Ondrel o un aparato externo activa o desactiva las notas del acorde.</translation>
    </message>
    <message>
        <source>To test a chord simply deactivate the edit mode and play on the keyboard below.</source>
        <translation>Para probar un acorde, salga del modo de edición y toque en el teclado de abajo.</translation>
    </message>
    <message>
        <source>Chords</source>
        <translation>Acordes</translation>
    </message>
    <message>
        <source>Chord Name</source>
        <translation>Nombre del acorde</translation>
    </message>
    <message>
        <source>Chord Notes</source>
        <translation>Notas del acorde</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Restablecer</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;plicar</translation>
    </message>
    <message>
        <source>This chord name already exists !</source>
        <translation>¡Ese nombre de acorde ya existe!</translation>
    </message>
</context>
<context>
    <name>TCommandLine</name>
    <message>
        <source>Ondrel (%1)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCustomIniFile</name>
    <message>
        <source>Could not read &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 of %2 is not a setting; it was ignored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lines %1 of %2 are not settings; they were ignored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings not saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings could not be saved: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
The settings are kept, and saving them is tried again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read (%2); it was kept as &quot;%3&quot; and default settings are used.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the damaged settings file &quot;%1&quot; is kept as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file &quot;%1&quot; could not be read (%2); it was left as it is and settings will not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings were removed by Uninstall</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TErrForm</name>
    <message>
        <source>Warnings and Errors</source>
        <translation>Avisos y errores</translation>
    </message>
    <message>
        <source> The following warnings and/or errors occurred:</source>
        <translation> Se produjeron los siguientes avisos o errores:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>TExImHelp</name>
    <message>
        <source>Export Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Knob Presets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Knob Snapshots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Chords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Knob Presets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Knob Snapshots</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Chords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All your stored knob presets are written to the ini file, each under its own name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Knobs you changed but did not save as a preset are not exported, nor is the built-in preset &quot;Default&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The knob snapshots of the Knobs menu are written to the ini file with their names and values.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the snapshots you have defined are exported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your custom chords are written to the ini file with their names and notes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The built-in chords (Major, Minor, ...) are not exported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Knob presets are read from a previously exported ini file. A preset of the same name as one you have replaces it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite existing knob presets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to existing knob presets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Knob snapshots are read from a previously exported ini file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Each snapshot in the file replaces the one of the same number; the other snapshots stay as they are.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom chords are read from a previously exported ini file. A chord of the same name as one you have replaces it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overwrite existing chords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add to existing chords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Don&apos;t show this again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click OK to continue, or Cancel to cancel this operation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your settings are written to an ini file. They include:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings are read from a previously exported ini file. They include:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>- Keyboard settings (like key width)
- window size and position
- most other options of the settings dialog.
- mouse wheel assignment
- joystick assignment
- which patch, chord, knob preset is selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Knob presets, knob snapshots and chords are not part of the settings: export them on their own.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The selected program, bank, knob preset and the joystick assignment take effect the next time Ondrel starts; the rest at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is helpful when you want to transfer your settings to another computer, give them to a friend, or you have to reinstall your system.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TExImport</name>
    <message>
        <source>Ini files (*.ini)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>Import previously exported ini file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>Import settings (as in the settings dialog) from a previously exported ini file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Knob &amp;Presets...</source>
        <translation>&amp;Preajustes de perillas...</translation>
    </message>
    <message>
        <source>Import knob presets from a previously exported ini file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Knob Snapshots</source>
        <translation>&amp;Instantáneas de perillas</translation>
    </message>
    <message>
        <source>Import knob snapshots from a previously exported ini file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Chords...</source>
        <translation>&amp;Acordes...</translation>
    </message>
    <message>
        <source>Import chords from a previously exported ini file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xportar</translation>
    </message>
    <message>
        <source>Export to an ini file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export settings (as in the settings dialog) to an ini file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Knob &amp;Presets</source>
        <translation>&amp;Preajustes de perillas</translation>
    </message>
    <message>
        <source>Export knob presets to an ini file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export knob snapshots to an ini file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Chords</source>
        <translation>&amp;Acordes</translation>
    </message>
    <message>
        <source>Export your custom chords to an ini file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select export file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select import file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist (any more).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not read &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not an ini file. Nothing was imported.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not create a temporary folder: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 failed.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings saved successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No knob presets could be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No knob snapshots could be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No custom chords could be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No settings could be loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings loaded successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No knob presets could be loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No knob snapshots could be loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No custom chords could be loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n knob presets saved successfully.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n knob snapshots saved successfully.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n custom chords saved successfully.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n knob presets loaded successfully.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n knob snapshots loaded successfully.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n custom chords loaded successfully.</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TFileOperations</name>
    <message>
        <source>&quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>the link cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is a device, pipe or socket</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>copied, but the original cannot be removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 to %3: %4%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moving</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Linking</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not copy &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not move &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not make a link to &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 is not there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is no longer there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a folder cannot go into itself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no free name is left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TGUIKnobList</name>
    <message>
        <source>Controller knob: the arrow keys turn it, Page Up and Down faster</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TIniDocument</name>
    <message>
        <source>it is not a settings file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a text file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TKnobEditForm</name>
    <message>
        <source>Knob Preset Editor</source>
        <translation>Editor de preajustes de perillas</translation>
    </message>
    <message>
        <source>You can place knobs on the keyboard. These knobs send controller data to your MIDI device or sequencer.</source>
        <translation>Puede colocar perillas en el teclado. Envían datos de controlador a su aparato MIDI o secuenciador.</translation>
    </message>
    <message>
        <source>Here you can define which knobs to display and their properties. You can also save presets with sets of knobs.</source>
        <translation>Aquí elige qué perillas se muestran y sus propiedades. También puede guardar juegos de perillas como preajustes.</translation>
    </message>
    <message>
        <source>Knob count:</source>
        <translation>Número de perillas:</translation>
    </message>
    <message>
        <source>Knob Presets</source>
        <translation>Preajustes de perillas</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuevo</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>No Knobs !</source>
        <translation>¡Sin perillas!</translation>
    </message>
    <message>
        <source>Display Range</source>
        <translation>Rango mostrado</translation>
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
        <translation>Determina cómo se muestran los valores del controlador: absolutos de 0 a 127 o relativos de -64 a +63.</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nombre</translation>
    </message>
    <message>
        <source>&amp;Controller</source>
        <translation>&amp;Controlador</translation>
    </message>
    <message>
        <source>&amp;Default Value</source>
        <translation>Valor por &amp;defecto</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;plicar</translation>
    </message>
    <message>
        <source>Knob %1</source>
        <translation>Perilla %1</translation>
    </message>
    <message>
        <source>You have made changes to knob preset &quot;%1&quot;. Do you want to save it ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You have changed the knobs. Do you want to save them as a preset ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Preset</source>
        <translation>Nuevo preajuste</translation>
    </message>
    <message>
        <source>Enter New Preset</source>
        <translation>Nuevo preajuste</translation>
    </message>
    <message>
        <source>Enter the name of the new knob preset:</source>
        <translation>Nombre del nuevo preajuste de perillas:</translation>
    </message>
    <message>
        <source>You can&apos;t name a preset &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter a name for the preset.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A preset name can&apos;t begin or end with a blank, nor hold &quot;\&quot;, &quot;]&quot; or a line break.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A preset with this name already exists !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must make a new preset before being able to save it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select a preset to delete.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure to delete preset &quot;%1&quot; ?
This can&apos;t be undone later !</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TKnobList</name>
    <message>
        <source>%1 (UKnobList)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Knob preset &quot;%1&quot;: knob %2 (&quot;%3&quot;) has the controller number %4; controller numbers run from 0 to 127, so this knob was not loaded.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMainTakes</name>
    <message>
        <source>Save Last &amp;Take...</source>
        <translation>Guardar la última &amp;toma...</translation>
    </message>
    <message>
        <source>Save what you played last as a MIDI file</source>
        <translation>Guarda lo último que tocó como archivo MIDI</translation>
    </message>
    <message>
        <source>P&amp;lay MIDI File...</source>
        <translation>Reproducir archivo &amp;MIDI...</translation>
    </message>
    <message>
        <source>Play a MIDI file or the last take to the MIDI output</source>
        <translation>Reproduce un archivo MIDI o la última toma en la salida MIDI</translation>
    </message>
</context>
<context>
    <name>TMainWindow</name>
    <message>
        <source>Reading patch list...</source>
        <translation>Leyendo la lista de patches...</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be created</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the file &quot;%1&quot; is read-only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; is not writable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings cannot be saved: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Base: %1</source>
        <translation>Base: %1</translation>
    </message>
    <message>
        <source>Octave: %1</source>
        <translation>Octava: %1</translation>
    </message>
    <message>
        <source>Panic: %1%</source>
        <translation>Pánico: %1%</translation>
    </message>
    <message>
        <source>On Wayland the desktop places the window: the place it had is kept for an X11 session.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stay on Top is not available on Wayland, which lets no program keep its window above the others; the desktop&apos;s own window menu may offer it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Readme.txt cannot be shown: it is not in %1, nor in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Readme</source>
        <translation>Léame</translation>
    </message>
    <message>
        <source>This removes all of Ondrel&apos;s settings, its knob presets, snapshots and chords included (the file %1), and closes Ondrel.

Do you want to continue?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings could not be removed:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 has been removed.

To remove the program itself, uninstall its package with your package manager; if you installed it from its sources, delete the files listed in install_manifest.txt of the build folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chord</source>
        <translation>Acorde</translation>
    </message>
    <message>
        <source>Change Chord (Home/End)</source>
        <translation>Cambiar acorde (Inicio/Fin)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Major</source>
        <translation>Mayor</translation>
    </message>
    <message>
        <source>Minor</source>
        <translation>Menor</translation>
    </message>
    <message>
        <source>Major m7</source>
        <translation>Mayor m7</translation>
    </message>
    <message>
        <source>Minor m7</source>
        <translation>Menor m7</translation>
    </message>
    <message>
        <source>Fifths</source>
        <translation>Quintas</translation>
    </message>
    <message>
        <source>Octave</source>
        <translation>Octava</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Power chord</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Canal</translation>
    </message>
    <message>
        <source>The MIDI channel of what is played, 1 to 16</source>
        <translation>El canal MIDI de lo que se toca, de 1 a 16</translation>
    </message>
    <message>
        <source>Pitch wheel (use SHIFT for fine mode, CTRL to disable scrollback)</source>
        <translation>Rueda de pitch bend (MAYÚS para el modo fino, CTRL sin retorno)</translation>
    </message>
    <message>
        <source>Pitch: %1</source>
        <translation>Pitch bend: %1</translation>
    </message>
    <message>
        <source>Modulation wheel (use SHIFT for fine mode)</source>
        <translation>Rueda de modulación (MAYÚS para el modo fino)</translation>
    </message>
    <message>
        <source>Modulation: %1</source>
        <translation>Modulación: %1</translation>
    </message>
    <message>
        <source>Scroll visible keys down</source>
        <translation>Desplazar las teclas visibles hacia abajo</translation>
    </message>
    <message>
        <source>Scroll visible keys up</source>
        <translation>Desplazar las teclas visibles hacia arriba</translation>
    </message>
    <message>
        <source>Pitch wheel</source>
        <translation>Rueda de pitch bend</translation>
    </message>
    <message>
        <source>Modulation wheel</source>
        <translation>Rueda de modulación</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Desplazar abajo</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Desplazar arriba</translation>
    </message>
    <message>
        <source>Left Button: normal play mode   Right button: special hold mode</source>
        <translation>Botón izquierdo: modo normal   Botón derecho: retención especial</translation>
    </message>
    <message>
        <source>Piano keyboard</source>
        <translation>Teclado de piano</translation>
    </message>
    <message>
        <source>Play it with the mouse, or with the computer keys Z to / and Q to ] (F3 and F4 move them an octave down or up).</source>
        <translation>Toque con el ratón o con las teclas Z a / y Q a ] del ordenador (F3 y F4 las mueven una octava abajo o arriba).</translation>
    </message>
    <message>
        <source>Key width</source>
        <translation>Ancho de las teclas</translation>
    </message>
    <message>
        <source>Patch</source>
        <translation>Patch</translation>
    </message>
    <message>
        <source>Current Patch (Page Up/Page Down)</source>
        <translation>Patch actual (RePág/AvPág)</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Programa</translation>
    </message>
    <message>
        <source>Current Program number (Shift+PageUp/PageDown)</source>
        <translation>Número de programa actual (Mayús+RePág/AvPág)</translation>
    </message>
    <message>
        <source>Bank MSB</source>
        <translation>Banco MSB</translation>
    </message>
    <message>
        <source>Bank select, most significant byte</source>
        <translation>Selección de banco, byte más significativo</translation>
    </message>
    <message>
        <source>Bank LSB</source>
        <translation>Banco LSB</translation>
    </message>
    <message>
        <source>Bank select, least significant byte</source>
        <translation>Selección de banco, byte menos significativo</translation>
    </message>
    <message>
        <source>Panic!</source>
        <translation>¡Pánico!</translation>
    </message>
    <message>
        <source>Click here to stop all sounds immediately (Ctrl-Space)</source>
        <translation>Pulse aquí para detener todos los sonidos (Ctrl+Espacio)</translation>
    </message>
    <message>
        <source>Panic</source>
        <translation>Pánico</translation>
    </message>
    <message>
        <source>Foot Controller 1</source>
        <translation>Controlador de pie 1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Midi &amp;In</source>
        <translation>&amp;Entrada MIDI</translation>
    </message>
    <message>
        <source>Midi O&amp;ut</source>
        <translation>&amp;Salida MIDI</translation>
    </message>
    <message>
        <source>&amp;Patches</source>
        <translation>&amp;Patches</translation>
    </message>
    <message>
        <source>&amp;Choose Patch Set...</source>
        <translation>&amp;Elegir juego de patches...</translation>
    </message>
    <message>
        <source>&amp;Knobs</source>
        <translation>Pe&amp;rillas</translation>
    </message>
    <message>
        <source>&amp;Presets</source>
        <translation>&amp;Preajustes</translation>
    </message>
    <message>
        <source>&amp;Snapshots</source>
        <translation>&amp;Instantáneas</translation>
    </message>
    <message>
        <source>&amp;Define</source>
        <translation>&amp;Definir</translation>
    </message>
    <message>
        <source>Set &amp;up...</source>
        <translation>&amp;Configurar...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Opciones</translation>
    </message>
    <message>
        <source>Change the octave when play with the computer keyboard</source>
        <translation>Cambia la octava del teclado del ordenador</translation>
    </message>
    <message>
        <source>Octave Down</source>
        <translation>Octava abajo</translation>
    </message>
    <message>
        <source>Octave Up</source>
        <translation>Octava arriba</translation>
    </message>
    <message>
        <source>Change the velocity of the computer keyboard&apos;s notes</source>
        <translation>Cambia la velocidad de las notas del teclado del ordenador</translation>
    </message>
    <message>
        <source>Velocity Down</source>
        <translation>Velocidad menos</translation>
    </message>
    <message>
        <source>Velocity Up</source>
        <translation>Velocidad más</translation>
    </message>
    <message>
        <source>Stay &amp;on Top</source>
        <translation>Siempre &amp;visible</translation>
    </message>
    <message>
        <source>Midi &amp;Thru</source>
        <translation>MIDI &amp;Thru</translation>
    </message>
    <message>
        <source>T&amp;ranspose...</source>
        <translation>T&amp;ransponer...</translation>
    </message>
    <message>
        <source>Chord &amp;Editor...</source>
        <translation>Editor de a&amp;cordes...</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>Co&amp;nfiguración...</translation>
    </message>
    <message>
        <source>&amp;Uninstall</source>
        <translation>&amp;Desinstalar</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>A&amp;yuda</translation>
    </message>
    <message>
        <source>&amp;Readme</source>
        <translation>&amp;Léame</translation>
    </message>
    <message>
        <source>&amp;Messages...</source>
        <translation>&amp;Mensajes...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>MIDI &amp;Service</source>
        <translation>&amp;Servicio MIDI</translation>
    </message>
    <message>
        <source>MIDI &amp;Service: %1</source>
        <translation>&amp;Servicio MIDI: %1</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Velocity of the computer keys, and of the mouse when it plays at one velocity (F1 softer, F2 louder)</source>
        <translation>Velocidad de las teclas del ordenador, y del ratón cuando toca con velocidad fija (F1 más suave, F2 más fuerte)</translation>
    </message>
    <message>
        <source>Sustain</source>
        <translation>Sustain</translation>
    </message>
    <message>
        <source>Sostenuto</source>
        <translation>Sostenuto</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>Suave</translation>
    </message>
    <message>
        <source>Sustain pedal (controller 64): notes go on sounding after their keys are let go; hold Space to hold it</source>
        <translation>Pedal de sostenido (controlador 64): las notas siguen sonando al soltar las teclas; mantenga Espacio para pisarlo</translation>
    </message>
    <message>
        <source>Sostenuto pedal (controller 66): the notes down when it is pressed go on sounding</source>
        <translation>Pedal sostenuto (controlador 66): las notas pulsadas al pisarlo siguen sonando</translation>
    </message>
    <message>
        <source>Soft pedal (controller 67)</source>
        <translation>Pedal suave (controlador 67)</translation>
    </message>
    <message>
        <source>Velocity: %1</source>
        <translation>Velocidad: %1</translation>
    </message>
    <message>
        <source>&amp;%1 Snapshot %1</source>
        <translation>&amp;%1 Instantánea %1</translation>
    </message>
    <message>
        <source>Define Snapshot &amp;%1</source>
        <translation>Definir instantánea &amp;%1</translation>
    </message>
    <message>
        <source>Snapshot name</source>
        <translation>Nombre de la instantánea</translation>
    </message>
    <message>
        <source>Please enter a name for this Snapshot:</source>
        <translation>Escriba un nombre para esta instantánea:</translation>
    </message>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>Split</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split the keyboard into zones, each on a channel of its own (Ctrl + middle button on a key sets or removes a split point; Options &gt; Zones and Arpeggiator sets them up)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latch: the notes played go on sounding after their keys are let go, until the next chord (Insert)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arpeggiator: the zones play their notes one by one, in time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split &amp;Keyboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Latch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Arpeggiator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zones and Arpeggiator...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The arpeggiator cannot play: the output plays too much at once.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split point %1 removed: %2 zones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split at %1: %2 zones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latch on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latch off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arpeggiator on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arpeggiator off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMidiBackend</name>
    <message>
        <source>ALSA sequencer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Windows MIDI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MIDI port &quot;%1&quot; is not available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 MIDI service is not running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The JACK server takes no more MIDI messages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The JACK server is no longer running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The MIDI message is too long to send.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The JACK server refused the MIDI port &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No MIDI service is running (tried: %1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none compiled in</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The JACK server is not running: start it (e.g. with QjackCtl) or choose ALSA.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The JACK server is not running: start it (e.g. with QjackCtl).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ALSA sequencer is not available: load its kernel module (modprobe snd-seq) or choose JACK.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The ALSA sequencer is not available: load its kernel module (modprobe snd-seq).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 MIDI service is not available.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> -&gt; </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMidiDevices</name>
    <message>
        <source>Windows MIDI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Core MIDI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; went away; it opens again as soon as it appears.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opened </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> successfully.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closing </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closed </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midi Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midi In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is a port of Ondrel&apos;s own; it was not opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 &quot;%2&quot; is not there; it opens as soon as it appears.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The %1 server is no longer running.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JACK server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDI service</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 was closed; it opens again when the %3 is back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 and %3 were closed; they open again when the %4 is back.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Midi In closed: what Ondrel sends comes straight back to it (%1), and Midi Thru would play every note again and again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unspecified error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMidiFile</name>
    <message>
        <source>Track %1 is damaged: it ends in the middle of an event (byte %2).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track %1 is damaged: the number at byte %2 is longer than four bytes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track %1 is damaged: the tempo change at byte %2 is not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track %1 is damaged: byte %2 begins an event that MIDI files do not have (%3).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track %1 is damaged: a data byte (byte %2) stands where an event must begin.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Track %1 is damaged: the message at byte %2 is cut short by another.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMidiInput</name>
    <message>
        <source>Out of memory.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMidiRouter</name>
    <message numerus="yes">
        <source>MIDI input overflowed: %n messages lost</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>MIDI thru overflowed: %n messages lost</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TNumberEdit</name>
    <message>
        <source>%1 up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPatchBoxModel</name>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
</context>
<context>
    <name>TPatchList</name>
    <message>
        <source>Unknown command &quot;%s&quot; is ignored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sub group does not exist. Lower the level.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syntax error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No &quot;define patchnames&quot; section in the first %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empty patch script file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Script is not a Cubase Parse File.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Premature end of Cubase Parse File.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version Number not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong version number.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No &quot;define patchnames&quot; section !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Function [%s] is not implemented and ignored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program defined for key.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No group defined for sorted property. Ignored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ignoring remaining &quot;%s&quot; in command.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MSB out of bounds (-1..127)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LSB out of bounds (-1..127)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPatchScriptParser</name>
    <message>
        <source>Script is not a Cubase Parse File.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read &quot;%1&quot;: %2, and a patch script may have at most %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[end] command not found.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syntax error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number expected.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPatchSetChooser</name>
    <message>
        <source>Choose Patch Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to Ondrel&apos;s directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patch scripts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device Manufacturer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name of creator:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patch Scripts (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
</context>
<context>
    <name>TPatchSetLoader</name>
    <message>
        <source>Loading Patch Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Loading the patch set &quot;%1&quot;...</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPlayerForm</name>
    <message>
        <source>Play MIDI File</source>
        <translation>Reproducir archivo MIDI</translation>
    </message>
    <message>
        <source>Op&amp;en...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Last Take</source>
        <translation>Ú&amp;ltima toma</translation>
    </message>
    <message>
        <source>Play what you played last (since the last silence)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position: drag to go elsewhere in the piece</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Detener</translation>
    </message>
    <message>
        <source>L&amp;oop</source>
        <translation>&amp;Bucle</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open MIDI File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDI files (*.mid *.midi *.smf *.kar);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file holds nothing to play.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be played.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System exclusive messages left out (too long to send, or incomplete): %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing has been played yet.</source>
        <translation>Aún no se ha tocado nada.</translation>
    </message>
    <message>
        <source>Last take</source>
        <translation>Última toma</translation>
    </message>
    <message>
        <source>No MIDI output is open: choose one in the Midi Out menu.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing loaded</source>
        <translation>Nada cargado</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pausa</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Reproducir</translation>
    </message>
</context>
<context>
    <name>TProgramBank</name>
    <message>
        <source>Bank: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSaveTakeForm</name>
    <message>
        <source>Save Last Take</source>
        <translation>Guardar la última toma</translation>
    </message>
    <message>
        <source>The take</source>
        <translation>La toma</translation>
    </message>
    <message>
        <source>Since the last &amp;silence of at least</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The &amp;last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> BPM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The tempo written in the file: a DAW counts bars in it. The notes keep the times they were played at.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tempo of the file:</source>
        <translation>&amp;Tempo del archivo:</translation>
    </message>
    <message>
        <source>Drag the take from here into a DAW or a file manager.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Playing kept in memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> MB</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The last 30 minutes, at &amp;most:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>Take %1.mid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing has been played yet.</source>
        <translation>Aún no se ha tocado nada.</translation>
    </message>
    <message>
        <source>Nothing was played in that time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Notes: %1, length: %2, played at %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messages sent while the computer was too busy to keep them: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Take As</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDI files (*.mid *.midi)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The take could not be saved as &quot;%1&quot;.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take saved as &quot;%1&quot; (notes: %2, length: %3).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSettings</name>
    <message>
        <source>(none)</source>
        <translation>(ninguno)</translation>
    </message>
    <message>
        <source>Pitch Wheel</source>
        <translation>Rueda de pitch bend</translation>
    </message>
    <message>
        <source>Joystick %1 left/right</source>
        <translation>Joystick %1 izquierda/derecha</translation>
    </message>
    <message>
        <source>Joystick %1 up/down</source>
        <translation>Joystick %1 arriba/abajo</translation>
    </message>
    <message>
        <source>Joystick %1 Z-layer</source>
        <translation>Joystick %1 eje Z</translation>
    </message>
    <message>
        <source>button %1 pressed</source>
        <translation>botón %1 pulsado</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Interpretación</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Controlador</translation>
    </message>
    <message>
        <source>Joystick</source>
        <translation>Joystick</translation>
    </message>
    <message>
        <source>Mouse Wheel</source>
        <translation>Rueda del ratón</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Teclas</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;plicar</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apariencia</translation>
    </message>
    <message>
        <source>Key Width</source>
        <translation>Ancho de las teclas</translation>
    </message>
    <message>
        <source>Use old style keyboard</source>
        <translation>Teclado de estilo antiguo</translation>
    </message>
    <message>
        <source>Show keyboard arrow buttons</source>
        <translation>Mostrar las flechas del teclado</translation>
    </message>
    <message>
        <source>Scroll to keys played out of sight</source>
        <translation>Seguir las teclas tocadas fuera de la vista</translation>
    </message>
    <message>
        <source>Notes played with the computer keys or arriving from MIDI are always shown on the keyboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note display language</source>
        <translation>Idioma de los nombres de notas</translation>
    </message>
    <message>
        <source>&amp;International</source>
        <translation>&amp;Internacional</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>&amp;Alemán</translation>
    </message>
    <message>
        <source>&amp;French / Italian</source>
        <translation>&amp;Francés / italiano</translation>
    </message>
    <message>
        <source>Note-key mapping</source>
        <translation>Asignación nota–tecla</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Por defecto</translation>
    </message>
    <message>
        <source>Here you can specify which key on the computer keyboard corresponds to note &quot;C&quot; / &quot;do&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper manual (second row on computer keyboard):</source>
        <translation>Manual superior (segunda fila del teclado del ordenador):</translation>
    </message>
    <message>
        <source>Lower manual (fourth row on computer keyboard):</source>
        <translation>Manual inferior (cuarta fila del teclado del ordenador):</translation>
    </message>
    <message>
        <source>Velocity / Dynamic play</source>
        <translation>Velocidad / dinámica</translation>
    </message>
    <message>
        <source>Standard velocity</source>
        <translation>Velocidad estándar</translation>
    </message>
    <message>
        <source>Alternate velocity with Shift</source>
        <translation>Otra velocidad con Mayús</translation>
    </message>
    <message>
        <source>% &amp;Louder</source>
        <translation>% más &amp;fuerte</translation>
    </message>
    <message>
        <source>% &amp;Quieter</source>
        <translation>% más &amp;suave</translation>
    </message>
    <message>
        <source>The velocity is the volume of a single note. On real music keyboards, this is how hard you press a key. The computer keys play with the standard velocity (F1 and F2 step it), the mouse too unless it plays by where a key is struck.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Standard velocity (0..127):</source>
        <translation>Velocidad estándar (0..127):</translation>
    </message>
    <message>
        <source>Alternate velocity with Shift (in percent):</source>
        <translation>Otra velocidad con Mayús (en por ciento):</translation>
    </message>
    <message>
        <source>Send program, bank and knob values when an output opens</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A synthesizer started or restarted later plays the sound the window shows.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where a key is struck</source>
        <translation>Dónde se pulsa la tecla</translation>
    </message>
    <message>
        <source>Louder towards the &amp;front of a key</source>
        <translation>Más fuerte hacia el &amp;borde de la tecla</translation>
    </message>
    <message>
        <source>The mouse and fingers play softer near the back of a key, louder near its front; without it they play with the standard velocity.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Velocity at the back</source>
        <translation>Velocidad atrás</translation>
    </message>
    <message>
        <source>Velocity at the front</source>
        <translation>Velocidad delante</translation>
    </message>
    <message>
        <source>Hard: loud only near the front. Soft: loud soon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finger &amp;pressure as aftertouch</source>
        <translation>&amp;Presión del dedo como aftertouch</translation>
    </message>
    <message>
        <source>On touch screens that sense it, how hard a finger presses goes out as polyphonic aftertouch of its notes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>At the back:</source>
        <translation>Atrás:</translation>
    </message>
    <message>
        <source>At the front:</source>
        <translation>Delante:</translation>
    </message>
    <message>
        <source>&amp;Touch:</source>
        <translation>&amp;Pulsación:</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Duro</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>Suave</translation>
    </message>
    <message>
        <source>Labels on the keys</source>
        <translation>Rótulos de las teclas</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>On the C keys</source>
        <translation>En las teclas do</translation>
    </message>
    <message>
        <source>On every key</source>
        <translation>En cada tecla</translation>
    </message>
    <message>
        <source>On the keys being played</source>
        <translation>En las teclas tocadas</translation>
    </message>
    <message>
        <source>&amp;Sharps (C#)</source>
        <translation>&amp;Sostenidos (C#)</translation>
    </message>
    <message>
        <source>&amp;Flats (Db)</source>
        <translation>&amp;Bemoles (Db)</translation>
    </message>
    <message>
        <source>The &amp;computer key that plays each note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The patch&apos;s names of the keys (drum &amp;kits)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>They are the keys&apos; tooltips in any case.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Note names:</source>
        <translation>&amp;Nombres de notas:</translation>
    </message>
    <message>
        <source>Black keys:</source>
        <translation>Teclas negras:</translation>
    </message>
    <message>
        <source>&amp;Middle C (note 60):</source>
        <translation>&amp;Do central (nota 60):</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Escala</translation>
    </message>
    <message>
        <source>Chromatic (every note)</source>
        <translation>Cromática (todas las notas)</translation>
    </message>
    <message>
        <source>Major</source>
        <translation>Mayor</translation>
    </message>
    <message>
        <source>Minor</source>
        <translation>Menor</translation>
    </message>
    <message>
        <source>Harmonic minor</source>
        <translation>Menor armónica</translation>
    </message>
    <message>
        <source>Melodic minor</source>
        <translation>Menor melódica</translation>
    </message>
    <message>
        <source>Dorian</source>
        <translation>Dórica</translation>
    </message>
    <message>
        <source>Phrygian</source>
        <translation>Frigia</translation>
    </message>
    <message>
        <source>Lydian</source>
        <translation>Lidia</translation>
    </message>
    <message>
        <source>Mixolydian</source>
        <translation>Mixolidia</translation>
    </message>
    <message>
        <source>Locrian</source>
        <translation>Locria</translation>
    </message>
    <message>
        <source>Major pentatonic</source>
        <translation>Pentatónica mayor</translation>
    </message>
    <message>
        <source>Minor pentatonic</source>
        <translation>Pentatónica menor</translation>
    </message>
    <message>
        <source>Blues</source>
        <translation>Blues</translation>
    </message>
    <message>
        <source>The computer keys &amp;play only the scale&apos;s notes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The letter rows play the notes of the scale one after another, each row&apos;s C key the key note; the rows above them play nothing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ke&amp;y:</source>
        <translation>&amp;Tónica:</translation>
    </message>
    <message>
        <source>Scal&amp;e:</source>
        <translation>&amp;Escala:</translation>
    </message>
    <message>
        <source>Notes outside the scale are dimmed on the keyboard.</source>
        <translation>Las notas fuera de la escala se atenúan en el teclado.</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Teclado</translation>
    </message>
    <message>
        <source>&amp;Up/Down Controller</source>
        <translation>Controlador &amp;arriba/abajo</translation>
    </message>
    <message>
        <source>&amp;Left/Right Controller</source>
        <translation>Controlador &amp;izquierda/derecha</translation>
    </message>
    <message>
        <source>These are the controllers that are sent when you use the &quot;special hold mode&quot; on the keyboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wheels</source>
        <translation>Ruedas</translation>
    </message>
    <message>
        <source>&amp;Mod Wheel Controller</source>
        <translation>Controlador de la rueda de &amp;modulación</translation>
    </message>
    <message>
        <source>This is the controller that is sent by the &quot;modulation wheel&quot; at the left side of the keyboard.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable automatic controller choice</source>
        <translation>Desactivar la elección automática del controlador</translation>
    </message>
    <message>
        <source>&amp;Joystick/Action</source>
        <translation>&amp;Joystick/acción</translation>
    </message>
    <message>
        <source>&amp;Controller</source>
        <translation>&amp;Controlador</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Sensibilidad</translation>
    </message>
    <message>
        <source>The sensitivity defines how much the controller is changed with one &quot;tick&quot; of the mousewheel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sensitivity</source>
        <translation>&amp;Sensibilidad</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rápida</translation>
    </message>
    <message>
        <source>You can use Alt+Mouse dragging to shift the keyboard
without these buttons.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint: To easily set up the controller numbers, select a combobox and move the slider/knob that you want to control with it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can use a joystick to send controller messages. It must be connected and its device (/dev/input/js* or /dev/input/event*) readable by you to be used in Ondrel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To easily set up the controller number, move the slider/knob that you want to control with it. In case of problems, disable it below.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can use a mouse wheel to send controller messages. Choose a controller below. You can turn the knob or wheel corresponding to the desired controller on Ondrel or a connected MIDI device to set the controller.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;Slow&quot; means very fine resolution but you need to turn a lot to change the controller significantly. On the other hand, &quot;Fast&quot; has the effect that little wheel movement results in big controller changes.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSettingsSaver</name>
    <message>
        <source>The settings have been saved.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSplashForm</name>
    <message>
        <source>About Ondrel</source>
        <translation>Acerca de Ondrel</translation>
    </message>
    <message>
        <source>V%1 build %2</source>
        <translation>V%1 compilación %2</translation>
    </message>
</context>
<context>
    <name>TStatusBar</name>
    <message>
        <source>Transpose: %1</source>
        <translation>Transposición: %1</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Mensajes</translation>
    </message>
    <message>
        <source>No messages yet.</source>
        <translation>Aún no hay mensajes.</translation>
    </message>
</context>
<context>
    <name>TSynth</name>
    <message>
        <source>Midi-Mapper could not be opened. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No General MIDI SoundFont was found. Install fluid-soundfont-gm or timgm6mb-soundfont, or choose a SoundFont file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SoundFont &quot;%1&quot; does not exist.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a SoundFont.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FluidSynth could not be started.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FluidSynth could not be started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SoundFont &quot;%1&quot; could not be loaded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No audio output could be opened (tried %1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The built-in synthesizer takes no more MIDI messages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FluidSynth has no audio output for this system.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSystemListView</name>
    <message>
        <source>folders nested too deeply</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it could not be removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is already an item named &quot;%1&quot; in this folder. Please choose another name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not rename &quot;%1&quot; to &quot;%2&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not create a new folder in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete &quot;%1&quot; permanently?</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Delete these %n items permanently?</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Could not delete &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not move &quot;%1&quot; to the trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1 will be moved by the next Paste.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 copied.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copied %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moved %1 to %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made links to %1 in %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> &quot;%1&quot; was taken there, so it is &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1

Shown: %2, %3 (%4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>1 file</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>
Free space: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the items as large icons.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;mall Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the items as small icons.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the items in a list.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows each item with its size, type, time and attributes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrange &amp;Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by &amp;Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorts items alphabetically by name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by &amp;Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorts items by type.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by Si&amp;ze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorts items by size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>by &amp;Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorts items by date, newest first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Auto Arrange</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arranges the icons to fit the window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line &amp;Up Icons</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lines the icons up on a grid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reads the folder again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies the files on the clipboard into this folder, or moves them when they were cut.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste &amp;Shortcut</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makes links to the files on the clipboard in this folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Creates a new folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows what this folder holds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the item.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Renames the item.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves the selected items by the next Paste.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copies the selected items by the next Paste.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move to &amp;Trash</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moves the selected items to the trash.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete Permanently</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Deletes the selected items for good.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory %1 is not valid.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 can no longer be read; showing %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 is no longer there; showing %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 is no longer there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No application could open %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modified</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name cannot be empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a valid name.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A name cannot contain &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The name &quot;%1&quot; is too long.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTakeDrag</name>
    <message>
        <source>Drag the take into a DAW or a file manager as a MIDI file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing has been played yet.</source>
        <translation>Aún no se ha tocado nada.</translation>
    </message>
    <message>
        <source>No temporary folder can be made for the file: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TTransposeForm</name>
    <message>
        <source>Transpose</source>
        <translation>Transponer</translation>
    </message>
    <message>
        <source>Number of semi- tones to transpose:</source>
        <translation>Número de semi- tonos a transponer:</translation>
    </message>
    <message>
        <source>Display transposed notes on keyboard</source>
        <translation>Mostrar las notas transpuestas en el teclado</translation>
    </message>
    <message>
        <source>Transpose MIDI Thru notes</source>
        <translation>Transponer las notas MIDI Thru</translation>
    </message>
    <message>
        <source>Keep transpose when this window is closed.</source>
        <translation>Mantener la transposición al cerrar.</translation>
    </message>
    <message>
        <source>Use this window to transpose all outgoing notes either up (positive) or down (negative) in semi tones.</source>
        <translation>Esta ventana transpone todas las notas salientes hacia arriba (positivo) o abajo (negativo), en semitonos.</translation>
    </message>
    <message>
        <source>Checking &quot;Display transposed notes on keyboard&quot; results in transposing before the notes are displayed on the keyboard. This may seem as playing wrong notes.</source>
        <translation>Con «Mostrar las notas transpuestas en el teclado» se transpone antes de mostrar las notas. Puede parecer que se tocan notas equivocadas.</translation>
    </message>
    <message>
        <source>Checking &quot;Transpose MIDI Thru notes&quot; will transpose also all notes that come in to the MIDI in port.</source>
        <translation>Con «Transponer las notas MIDI Thru» también se transponen las notas que llegan a la entrada MIDI.</translation>
    </message>
    <message>
        <source>When you check &quot;Keep transpose when this window is closed&quot;, the notes keep on being transposed even when you have closed this window. Otherwise, closing this window resets to 0 transpose.</source>
        <translation>Con «Mantener la transposición al cerrar», las notas siguen transpuestas tras cerrar la ventana. Si no, cerrarla vuelve a 0.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Hide help</source>
        <translation>Ocultar ayuda</translation>
    </message>
    <message>
        <source>Show Help</source>
        <translation>Mostrar ayuda</translation>
    </message>
</context>
<context>
    <name>TUpDown</name>
    <message>
        <source>Steps %1 up or down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One step up; held, it goes on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One step down; held, it goes on</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TZoneForm</name>
    <message>
        <source>Zones and Arpeggiator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Split</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Split the keyboard into zones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ctrl + middle button on a key sets or removes a split point</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zones:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone %1 from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All zones</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Latch: notes sound on after their keys are let go (Insert)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Arpeggiator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The zones whose arpeggiator is on play their notes one by one in time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Own tempo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JACK transport</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MIDI clock</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JACK transport: the tempo and bar position of the transport master while it rolls. MIDI clock: the clock arriving at Midi In.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> BPM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Clock:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Tempo:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A second channel the zone plays on too</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as the chord box</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>as struck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ondrel&apos;s output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A synthesizer of the zone&apos;s own; it opens as soon as it is there</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;hannel:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>La&amp;yer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Octave:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;ranspose:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Program:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank &amp;MSB:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bank LS&amp;B:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chor&amp;d:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Velocity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>O&amp;utput port:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arpegg&amp;iate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Up and down</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>As played</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Random</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chord</source>
        <translation>Acorde</translation>
    </message>
    <message>
        <source>%1 triplets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 dotted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How much of its step a note sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where the second step of each pair starts: 50 % is straight, 66 % a triplet feel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Patt&amp;ern:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Note value:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Gate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;wing:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Octave range:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (not in the chord box)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (not there now)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Without a split the whole keyboard plays on the keyboard&apos;s channel, with this arpeggiator</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TZonePorts</name>
    <message>
        <source>The zones&apos; port &quot;%1&quot; is not there; it opens as soon as it appears.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The zones&apos; port &quot;%1&quot; could not be opened: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opened the zones&apos; port %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The zones&apos; port &quot;%1&quot; went away; it opens again as soon as it appears.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
