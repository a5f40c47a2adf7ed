<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="es">
<context>
    <name>MidiTool</name>
    <message>
        <source>Bank Sel MSB</source>
        <translation>Sel. banco MSB</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>Modulación</translation>
    </message>
    <message>
        <source>Breath Control</source>
        <translation>Control de soplido</translation>
    </message>
    <message>
        <source>Pedal</source>
        <translation>Pedal</translation>
    </message>
    <message>
        <source>Porta Time</source>
        <translation>Tiempo de portamento</translation>
    </message>
    <message>
        <source>Data MSB</source>
        <translation>Datos MSB</translation>
    </message>
    <message>
        <source>Main Volume</source>
        <translation>Volumen</translation>
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
        <translation>Expresión</translation>
    </message>
    <message>
        <source>Effect 1</source>
        <translation>Efecto 1</translation>
    </message>
    <message>
        <source>Effect 2</source>
        <translation>Efecto 2</translation>
    </message>
    <message>
        <source>Foot Control / General 1</source>
        <translation>Control de pie / General 1</translation>
    </message>
    <message>
        <source>General 2</source>
        <translation>General 2</translation>
    </message>
    <message>
        <source>General 3</source>
        <translation>General 3</translation>
    </message>
    <message>
        <source>General 4</source>
        <translation>General 4</translation>
    </message>
    <message>
        <source>Bank Sel LSB</source>
        <translation>Sel. banco LSB</translation>
    </message>
    <message>
        <source>Mod Wheel LSB</source>
        <translation>Modulación LSB</translation>
    </message>
    <message>
        <source>Breath Control LSB</source>
        <translation>Control de soplido LSB</translation>
    </message>
    <message>
        <source>Pedal LSB</source>
        <translation>Pedal LSB</translation>
    </message>
    <message>
        <source>Porta Time LSB</source>
        <translation>Tiempo de portamento LSB</translation>
    </message>
    <message>
        <source>Data LSB</source>
        <translation>Datos LSB</translation>
    </message>
    <message>
        <source>Volume LSB</source>
        <translation>Volumen LSB</translation>
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
        <translation>Expresión LSB</translation>
    </message>
    <message>
        <source>Effect 1 LSB</source>
        <translation>Efecto 1 LSB</translation>
    </message>
    <message>
        <source>Effect 2 LSB</source>
        <translation>Efecto 2 LSB</translation>
    </message>
    <message>
        <source>General 1 LSB</source>
        <translation>General 1 LSB</translation>
    </message>
    <message>
        <source>General 2 LSB</source>
        <translation>General 2 LSB</translation>
    </message>
    <message>
        <source>General 3 LSB</source>
        <translation>General 3 LSB</translation>
    </message>
    <message>
        <source>General 4 LSB</source>
        <translation>General 4 LSB</translation>
    </message>
    <message>
        <source>Sustain Sw</source>
        <translation>Pedal de sostenido</translation>
    </message>
    <message>
        <source>Porta Switch</source>
        <translation>Portamento sí/no</translation>
    </message>
    <message>
        <source>Sostenuto</source>
        <translation>Sostenuto</translation>
    </message>
    <message>
        <source>Soft Pedal</source>
        <translation>Pedal suave</translation>
    </message>
    <message>
        <source>Legato Footswitch</source>
        <translation>Pedal de legato</translation>
    </message>
    <message>
        <source>Hold 2</source>
        <translation>Hold 2</translation>
    </message>
    <message>
        <source>Sound Variation</source>
        <translation>Variación de sonido</translation>
    </message>
    <message>
        <source>Harmonic</source>
        <translation>Resonancia</translation>
    </message>
    <message>
        <source>Release Time</source>
        <translation>Tiempo de liberación</translation>
    </message>
    <message>
        <source>Attack Time</source>
        <translation>Tiempo de ataque</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Sound Control 6</source>
        <translation>Control de sonido 6</translation>
    </message>
    <message>
        <source>Sound Control 7</source>
        <translation>Control de sonido 7</translation>
    </message>
    <message>
        <source>Sound Control 8</source>
        <translation>Control de sonido 8</translation>
    </message>
    <message>
        <source>Sound Control 9</source>
        <translation>Control de sonido 9</translation>
    </message>
    <message>
        <source>Sound Control 10</source>
        <translation>Control de sonido 10</translation>
    </message>
    <message>
        <source>General 5</source>
        <translation>General 5</translation>
    </message>
    <message>
        <source>General 6</source>
        <translation>General 6</translation>
    </message>
    <message>
        <source>General 7</source>
        <translation>General 7</translation>
    </message>
    <message>
        <source>General 8</source>
        <translation>General 8</translation>
    </message>
    <message>
        <source>Portamento</source>
        <translation>Portamento</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>Reverb</translation>
    </message>
    <message>
        <source>Tremolo</source>
        <translation>Trémolo</translation>
    </message>
    <message>
        <source>Chorus</source>
        <translation>Chorus</translation>
    </message>
    <message>
        <source>Variation</source>
        <translation>Variación</translation>
    </message>
    <message>
        <source>Phaser</source>
        <translation>Phaser</translation>
    </message>
    <message>
        <source>Data Increment</source>
        <translation>Incremento de datos</translation>
    </message>
    <message>
        <source>Data Decrement</source>
        <translation>Decremento de datos</translation>
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
        <translation>Silenciar todos los sonidos</translation>
    </message>
    <message>
        <source>Reset Controllers</source>
        <translation>Restablecer controladores</translation>
    </message>
    <message>
        <source>Local Control</source>
        <translation>Control local</translation>
    </message>
    <message>
        <source>All Notes Off</source>
        <translation>Apagar todas las notas</translation>
    </message>
    <message>
        <source>Omni Mode On</source>
        <translation>Modo omni activado</translation>
    </message>
    <message>
        <source>Omni Mode Off</source>
        <translation>Modo omni desactivado</translation>
    </message>
    <message>
        <source>Mono Mode On</source>
        <translation>Modo mono activado</translation>
    </message>
    <message>
        <source>Poly Mode On</source>
        <translation>Modo poli activado</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Sin definir</translation>
    </message>
</context>
<context>
    <name>TAtomicFile</name>
    <message>
        <source>Could not save "%1": %2</source>
        <translation>No se pudo guardar «%1»: %2</translation>
    </message>
    <message>
        <source>the data could not be written</source>
        <translation>no se pudieron escribir los datos</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>cannot create the folder</source>
        <translation>no se puede crear la carpeta</translation>
    </message>
</context>
<context>
    <name>TChordEditForm</name>
    <message>
        <source>Chord Editor</source>
        <translation>Editor de acordes</translation>
    </message>
    <message>
        <source>Here you can define your own chords. Click "New" to add a new chord. Then enable the edit mode by activating the "Edit" button. Use the keyboard below or Ondrel or an external device to toggle notes of the current chord.</source>
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
        <translation>Ondrel (%1)</translation>
    </message>
</context>
<context>
    <name>TCustomIniFile</name>
    <message>
        <source>Could not read "%1": %2</source>
        <translation>No se pudo leer «%1»: %2</translation>
    </message>
    <message>
        <source>Line %1 of %2 is not a setting; it was ignored.</source>
        <translation>La línea %1 de %2 no es un ajuste; se ha omitido.</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 y %2 más</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>Lines %1 of %2 are not settings; they were ignored.</source>
        <translation>Las líneas %1 de %2 no son ajustes; se han omitido.</translation>
    </message>
    <message>
        <source>Settings not saved: %1</source>
        <translation>Configuración no guardada: %1</translation>
    </message>
    <message>
        <source>Settings could not be saved: %1</source>
        <translation>No se pudo guardar la configuración: %1</translation>
    </message>
    <message>
        <source>%1
The settings are kept, and saving them is tried again.</source>
        <translation>%1
La configuración se conserva y se volverá a intentar guardarla.</translation>
    </message>
    <message>
        <source>The settings file "%1" could not be read (%2); it was kept as "%3" and default settings are used.</source>
        <translation>No se pudo leer el archivo de configuración «%1» (%2); se ha conservado como «%3» y se usa la configuración por defecto.</translation>
    </message>
    <message>
        <source>the damaged settings file "%1" is kept as it is</source>
        <translation>el archivo de configuración dañado «%1» se conserva tal cual</translation>
    </message>
    <message>
        <source>The settings file "%1" could not be read (%2); it was left as it is and settings will not be saved.</source>
        <translation>No se pudo leer el archivo de configuración «%1» (%2); se ha dejado tal cual y la configuración no se guardará.</translation>
    </message>
    <message>
        <source>the settings were removed by Uninstall</source>
        <translation>la configuración se eliminó con Desinstalar</translation>
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
        <translation>Exportar configuración</translation>
    </message>
    <message>
        <source>Export Knob Presets</source>
        <translation>Exportar preajustes de perillas</translation>
    </message>
    <message>
        <source>Export Knob Snapshots</source>
        <translation>Exportar instantáneas de perillas</translation>
    </message>
    <message>
        <source>Export Chords</source>
        <translation>Exportar acordes</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>Importar configuración</translation>
    </message>
    <message>
        <source>Import Knob Presets</source>
        <translation>Importar preajustes de perillas</translation>
    </message>
    <message>
        <source>Import Knob Snapshots</source>
        <translation>Importar instantáneas de perillas</translation>
    </message>
    <message>
        <source>Import Chords</source>
        <translation>Importar acordes</translation>
    </message>
    <message>
        <source>All your stored knob presets are written to the ini file, each under its own name.</source>
        <translation>Todos los preajustes de perillas guardados se escriben en el archivo ini, cada uno con su nombre.</translation>
    </message>
    <message>
        <source>Knobs you changed but did not save as a preset are not exported, nor is the built-in preset "Default".</source>
        <translation>No se exportan las perillas que cambió sin guardarlas como preajuste, ni el preajuste incorporado «Default».</translation>
    </message>
    <message>
        <source>The knob snapshots of the Knobs menu are written to the ini file with their names and values.</source>
        <translation>Las instantáneas de perillas del menú Perillas se escriben en el archivo ini con sus nombres y valores.</translation>
    </message>
    <message>
        <source>Only the snapshots you have defined are exported.</source>
        <translation>Solo se exportan las instantáneas que ha definido.</translation>
    </message>
    <message>
        <source>Your custom chords are written to the ini file with their names and notes.</source>
        <translation>Sus acordes propios se escriben en el archivo ini con sus nombres y notas.</translation>
    </message>
    <message>
        <source>The built-in chords (Major, Minor, ...) are not exported.</source>
        <translation>Los acordes incorporados (Mayor, Menor, ...) no se exportan.</translation>
    </message>
    <message>
        <source>Knob presets are read from a previously exported ini file. A preset of the same name as one you have replaces it.</source>
        <translation>Los preajustes de perillas se leen de un archivo ini exportado antes. Un preajuste con el mismo nombre que uno suyo lo sustituye.</translation>
    </message>
    <message>
        <source>Overwrite existing knob presets</source>
        <translation>Sobrescribir los preajustes de perillas existentes</translation>
    </message>
    <message>
        <source>Add to existing knob presets</source>
        <translation>Añadir a los preajustes de perillas existentes</translation>
    </message>
    <message>
        <source>Knob snapshots are read from a previously exported ini file.</source>
        <translation>Las instantáneas de perillas se leen de un archivo ini exportado antes.</translation>
    </message>
    <message>
        <source>Each snapshot in the file replaces the one of the same number; the other snapshots stay as they are.</source>
        <translation>Cada instantánea del archivo sustituye a la del mismo número; las demás quedan como están.</translation>
    </message>
    <message>
        <source>Custom chords are read from a previously exported ini file. A chord of the same name as one you have replaces it.</source>
        <translation>Los acordes propios se leen de un archivo ini exportado antes. Un acorde con el mismo nombre que uno suyo lo sustituye.</translation>
    </message>
    <message>
        <source>Overwrite existing chords</source>
        <translation>Sobrescribir los acordes existentes</translation>
    </message>
    <message>
        <source>Add to existing chords</source>
        <translation>Añadir a los acordes existentes</translation>
    </message>
    <message>
        <source>Don't show this again</source>
        <translation>No volver a mostrar</translation>
    </message>
    <message>
        <source>Click OK to continue, or Cancel to cancel this operation.</source>
        <translation>Pulse Aceptar para continuar o Cancelar para cancelar la operación.</translation>
    </message>
    <message>
        <source>Your settings are written to an ini file. They include:</source>
        <translation>Su configuración se escribe en un archivo ini. Incluye:</translation>
    </message>
    <message>
        <source>Settings are read from a previously exported ini file. They include:</source>
        <translation>La configuración se lee de un archivo ini exportado antes. Incluye:</translation>
    </message>
    <message>
        <source>- Keyboard settings (like key width)
- window size and position
- most other options of the settings dialog.
- mouse wheel assignment
- joystick assignment
- which patch, chord, knob preset is selected</source>
        <translation>- ajustes del teclado (como el ancho de las teclas)
- tamaño y posición de la ventana
- casi todas las demás opciones del diálogo de configuración
- asignación de la rueda del ratón
- asignación del joystick
- el patch, el acorde y el preajuste de perillas elegidos</translation>
    </message>
    <message>
        <source>Knob presets, knob snapshots and chords are not part of the settings: export them on their own.</source>
        <translation>Los preajustes de perillas, las instantáneas de perillas y los acordes no forman parte de la configuración: expórtelos por separado.</translation>
    </message>
    <message>
        <source>The selected program, bank, knob preset and the joystick assignment take effect the next time Ondrel starts; the rest at once.</source>
        <translation>El programa, el banco, el preajuste de perillas elegidos y la asignación del joystick se aplican la próxima vez que se inicie Ondrel; el resto, en el acto.</translation>
    </message>
    <message>
        <source>This is helpful when you want to transfer your settings to another computer, give them to a friend, or you have to reinstall your system.</source>
        <translation>Resulta útil para llevar su configuración a otro ordenador, dársela a un amigo o si tiene que reinstalar el sistema.</translation>
    </message>
</context>
<context>
    <name>TExImport</name>
    <message>
        <source>Ini files (*.ini)</source>
        <translation>Archivos ini (*.ini)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Todos los archivos (*)</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>Import previously exported ini file.</source>
        <translation>Importa un archivo ini exportado antes.</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Configuración</translation>
    </message>
    <message>
        <source>Import settings (as in the settings dialog) from a previously exported ini file.</source>
        <translation>Importa la configuración (la del diálogo de configuración) de un archivo ini exportado antes.</translation>
    </message>
    <message>
        <source>Knob &amp;Presets...</source>
        <translation>&amp;Preajustes de perillas...</translation>
    </message>
    <message>
        <source>Import knob presets from a previously exported ini file.</source>
        <translation>Importa preajustes de perillas de un archivo ini exportado antes.</translation>
    </message>
    <message>
        <source>&amp;Knob Snapshots</source>
        <translation>&amp;Instantáneas de perillas</translation>
    </message>
    <message>
        <source>Import knob snapshots from a previously exported ini file.</source>
        <translation>Importa instantáneas de perillas de un archivo ini exportado antes.</translation>
    </message>
    <message>
        <source>&amp;Chords...</source>
        <translation>&amp;Acordes...</translation>
    </message>
    <message>
        <source>Import chords from a previously exported ini file.</source>
        <translation>Importa acordes de un archivo ini exportado antes.</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xportar</translation>
    </message>
    <message>
        <source>Export to an ini file.</source>
        <translation>Exporta a un archivo ini.</translation>
    </message>
    <message>
        <source>Export settings (as in the settings dialog) to an ini file.</source>
        <translation>Exporta la configuración (la del diálogo de configuración) a un archivo ini.</translation>
    </message>
    <message>
        <source>Knob &amp;Presets</source>
        <translation>&amp;Preajustes de perillas</translation>
    </message>
    <message>
        <source>Export knob presets to an ini file.</source>
        <translation>Exporta los preajustes de perillas a un archivo ini.</translation>
    </message>
    <message>
        <source>Export knob snapshots to an ini file.</source>
        <translation>Exporta las instantáneas de perillas a un archivo ini.</translation>
    </message>
    <message>
        <source>&amp;Chords</source>
        <translation>&amp;Acordes</translation>
    </message>
    <message>
        <source>Export your custom chords to an ini file.</source>
        <translation>Exporta sus acordes propios a un archivo ini.</translation>
    </message>
    <message>
        <source>Select export file</source>
        <translation>Elegir el archivo de exportación</translation>
    </message>
    <message>
        <source>Select import file</source>
        <translation>Elegir el archivo de importación</translation>
    </message>
    <message>
        <source>The file "%1" does not exist (any more).</source>
        <translation>El archivo «%1» no existe (ya).</translation>
    </message>
    <message>
        <source>Could not read "%1": %2</source>
        <translation>No se pudo leer «%1»: %2</translation>
    </message>
    <message>
        <source>"%1" is not an ini file. Nothing was imported.</source>
        <translation>«%1» no es un archivo ini. No se ha importado nada.</translation>
    </message>
    <message>
        <source>Could not create a temporary folder: %1</source>
        <translation>No se pudo crear una carpeta temporal: %1</translation>
    </message>
    <message>
        <source>%1 failed.

%2</source>
        <translation>Error en «%1».

%2</translation>
    </message>
    <message>
        <source>Settings saved successfully.</source>
        <translation>Configuración guardada.</translation>
    </message>
    <message>
        <source>No knob presets could be saved.</source>
        <translation>No se pudo guardar ningún preajuste de perillas.</translation>
    </message>
    <message>
        <source>No knob snapshots could be saved.</source>
        <translation>No se pudo guardar ninguna instantánea de perillas.</translation>
    </message>
    <message>
        <source>No custom chords could be saved.</source>
        <translation>No se pudo guardar ningún acorde propio.</translation>
    </message>
    <message>
        <source>No settings could be loaded.</source>
        <translation>No se pudo cargar la configuración.</translation>
    </message>
    <message>
        <source>Settings loaded successfully.</source>
        <translation>Configuración cargada.</translation>
    </message>
    <message>
        <source>No knob presets could be loaded.</source>
        <translation>No se pudo cargar ningún preajuste de perillas.</translation>
    </message>
    <message>
        <source>No knob snapshots could be loaded.</source>
        <translation>No se pudo cargar ninguna instantánea de perillas.</translation>
    </message>
    <message>
        <source>No custom chords could be loaded.</source>
        <translation>No se pudo cargar ningún acorde propio.</translation>
    </message>
    <message numerus="yes">
        <source>%n knob presets saved successfully.</source>
        <translation>
            <numerusform>%n preajuste de perillas guardado.</numerusform><numerusform>%n preajustes de perillas guardados.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n knob snapshots saved successfully.</source>
        <translation>
            <numerusform>%n instantánea de perillas guardada.</numerusform><numerusform>%n instantáneas de perillas guardadas.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n custom chords saved successfully.</source>
        <translation>
            <numerusform>%n acorde propio guardado.</numerusform><numerusform>%n acordes propios guardados.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n knob presets loaded successfully.</source>
        <translation>
            <numerusform>%n preajuste de perillas cargado.</numerusform><numerusform>%n preajustes de perillas cargados.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n knob snapshots loaded successfully.</source>
        <translation>
            <numerusform>%n instantánea de perillas cargada.</numerusform><numerusform>%n instantáneas de perillas cargadas.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n custom chords loaded successfully.</source>
        <translation>
            <numerusform>%n acorde propio cargado.</numerusform><numerusform>%n acordes propios cargados.</numerusform></translation>
    </message>
</context>
<context>
    <name>TFileOperations</name>
    <message>
        <source>"%1"</source>
        <translation>«%1»</translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n elemento</numerusform><numerusform>%n elementos</numerusform></translation>
    </message>
    <message>
        <source>the link cannot be made</source>
        <translation>no se puede crear el enlace</translation>
    </message>
    <message>
        <source>it is a device, pipe or socket</source>
        <translation>es un dispositivo, una tubería o un socket</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>no se puede crear la carpeta</translation>
    </message>
    <message>
        <source>copied, but the original cannot be removed</source>
        <translation>copiado, pero no se puede quitar el original</translation>
    </message>
    <message>
        <source>%1 %2 to %3: %4%</source>
        <translation>%1 %2 a %3: %4%</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>Copiando</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>Moviendo</translation>
    </message>
    <message>
        <source>Linking</source>
        <translation>Enlazando</translation>
    </message>
    <message>
        <source>Could not copy "%1"</source>
        <translation>No se pudo copiar «%1»</translation>
    </message>
    <message>
        <source>Could not move "%1"</source>
        <translation>No se pudo mover «%1»</translation>
    </message>
    <message>
        <source>Could not make a link to "%1"</source>
        <translation>No se pudo crear un enlace a «%1»</translation>
    </message>
    <message>
        <source>The folder %1 is not there.</source>
        <translation>La carpeta %1 no existe.</translation>
    </message>
    <message>
        <source>it is no longer there</source>
        <translation>ya no existe</translation>
    </message>
    <message>
        <source>a folder cannot go into itself</source>
        <translation>una carpeta no puede ir dentro de sí misma</translation>
    </message>
    <message>
        <source>no free name is left</source>
        <translation>no queda ningún nombre libre</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>error desconocido</translation>
    </message>
</context>
<context>
    <name>TGUIKnobList</name>
    <message>
        <source>Controller knob: the arrow keys turn it, Page Up and Down faster</source>
        <translation>Perilla de controlador: las flechas la giran, RePág y AvPág más rápido</translation>
    </message>
</context>
<context>
    <name>TIniDocument</name>
    <message>
        <source>it is not a settings file</source>
        <translation>no es un archivo de configuración</translation>
    </message>
    <message>
        <source>it is not a text file</source>
        <translation>no es un archivo de texto</translation>
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
        <source>You have made changes to knob preset "%1". Do you want to save it ?</source>
        <translation>Ha cambiado el preajuste de perillas «%1». ¿Desea guardarlo?</translation>
    </message>
    <message>
        <source>You have changed the knobs. Do you want to save them as a preset ?</source>
        <translation>Ha cambiado las perillas. ¿Desea guardarlas como preajuste?</translation>
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
        <source>You can't name a preset "%1".</source>
        <translation>Un preajuste no puede llamarse «%1».</translation>
    </message>
    <message>
        <source>Please enter a name for the preset.</source>
        <translation>Escriba un nombre para el preajuste.</translation>
    </message>
    <message>
        <source>A preset name can't begin or end with a blank, nor hold "\", "]" or a line break.</source>
        <translation>El nombre de un preajuste no puede empezar ni terminar con un espacio, ni contener «\», «]» o un salto de línea.</translation>
    </message>
    <message>
        <source>A preset with this name already exists !</source>
        <translation>¡Ya existe un preajuste con ese nombre!</translation>
    </message>
    <message>
        <source>You must make a new preset before being able to save it.</source>
        <translation>Cree primero un preajuste nuevo para poder guardarlo.</translation>
    </message>
    <message>
        <source>Please select a preset to delete.</source>
        <translation>Elija el preajuste que desea borrar.</translation>
    </message>
    <message>
        <source>Are you sure to delete preset "%1" ?
This can't be undone later !</source>
        <translation>¿Seguro que desea borrar el preajuste «%1»?
¡No se podrá deshacer!</translation>
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
        <translation>Preajuste de perillas «%1»: la perilla %2 («%3») tiene el número de controlador %4; los números de controlador van de 0 a 127, así que esta perilla no se ha cargado.</translation>
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
        <source>the folder "%1" cannot be created</source>
        <translation>no se puede crear la carpeta «%1»</translation>
    </message>
    <message>
        <source>the file "%1" is read-only</source>
        <translation>el archivo «%1» es de solo lectura</translation>
    </message>
    <message>
        <source>the folder "%1" is not writable</source>
        <translation>no se puede escribir en la carpeta «%1»</translation>
    </message>
    <message>
        <source>Settings cannot be saved: %1.</source>
        <translation>No se puede guardar la configuración: %1.</translation>
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
        <translation>En Wayland el escritorio coloca la ventana: la posición anterior se guarda para una sesión X11.</translation>
    </message>
    <message>
        <source>Stay on Top is not available on Wayland, which lets no program keep its window above the others; the desktop's own window menu may offer it.</source>
        <translation>Siempre visible no está disponible en Wayland, que no deja a ningún programa mantener su ventana por encima de las demás; quizá lo ofrezca el menú de ventana del escritorio.</translation>
    </message>
    <message>
        <source>Readme.txt cannot be shown: it is not in %1, nor in %2.</source>
        <translation>No se puede mostrar Readme.txt: no está en %1 ni en %2.</translation>
    </message>
    <message>
        <source>Readme</source>
        <translation>Léame</translation>
    </message>
    <message>
        <source>This removes all of Ondrel's settings, its knob presets, snapshots and chords included (the file %1), and closes Ondrel.

Do you want to continue?</source>
        <translation>Se eliminará toda la configuración de Ondrel, incluidos sus preajustes de perillas, instantáneas y acordes (el archivo %1), y se cerrará Ondrel.

¿Desea continuar?</translation>
    </message>
    <message>
        <source>The settings could not be removed:
%1</source>
        <translation>No se pudo eliminar la configuración:
%1</translation>
    </message>
    <message>
        <source>The settings file %1 has been removed.

To remove the program itself, uninstall its package with your package manager; if you installed it from its sources, delete the files listed in install_manifest.txt of the build folder.</source>
        <translation>Se ha eliminado el archivo de configuración %1.

Para quitar el propio programa, desinstale su paquete con el gestor de paquetes; si lo instaló desde el código fuente, borre los archivos que lista install_manifest.txt en la carpeta de compilación.</translation>
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
        <source>Change the velocity of the computer keyboard's notes</source>
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
        <translation>Divide el teclado en zonas, cada una en su propio canal (Ctrl + botón central sobre una tecla pone o quita un punto de división; Opciones &gt; Zonas y arpegiador las configura)</translation>
    </message>
    <message>
        <source>Latch: the notes played go on sounding after their keys are let go, until the next chord (Insert)</source>
        <translation>Retención: las notas tocadas siguen sonando al soltar las teclas, hasta el siguiente acorde (Insert)</translation>
    </message>
    <message>
        <source>Arpeggiator: the zones play their notes one by one, in time</source>
        <translation>Arpegiador: las zonas tocan sus notas una a una, a tempo</translation>
    </message>
    <message>
        <source>Split &amp;Keyboard</source>
        <translation>D&amp;ividir teclado</translation>
    </message>
    <message>
        <source>&amp;Latch</source>
        <translation>R&amp;etención</translation>
    </message>
    <message>
        <source>&amp;Arpeggiator</source>
        <translation>&amp;Arpegiador</translation>
    </message>
    <message>
        <source>&amp;Zones and Arpeggiator...</source>
        <translation>&amp;Zonas y arpegiador...</translation>
    </message>
    <message>
        <source>The arpeggiator cannot play: the output plays too much at once.</source>
        <translation>El arpegiador no puede tocar: la salida toca demasiado a la vez.</translation>
    </message>
    <message>
        <source>Split point %1 removed: %2 zones</source>
        <translation>Punto de división %1 quitado: %2 zonas</translation>
    </message>
    <message>
        <source>Split at %1: %2 zones</source>
        <translation>División en %1: %2 zonas</translation>
    </message>
    <message>
        <source>Latch on</source>
        <translation>Retención activada</translation>
    </message>
    <message>
        <source>Latch off</source>
        <translation>Retención desactivada</translation>
    </message>
    <message>
        <source>Arpeggiator on</source>
        <translation>Arpegiador activado</translation>
    </message>
    <message>
        <source>Arpeggiator off</source>
        <translation>Arpegiador desactivado</translation>
    </message>
</context>
<context>
    <name>TMidiBackend</name>
    <message>
        <source>ALSA sequencer</source>
        <translation>Secuenciador ALSA</translation>
    </message>
    <message>
        <source>Windows MIDI</source>
        <translation>Windows MIDI</translation>
    </message>
    <message>
        <source>The MIDI port "%1" is not available.</source>
        <translation>El puerto MIDI «%1» no está disponible.</translation>
    </message>
    <message>
        <source>The %1 MIDI service is not running.</source>
        <translation>El servicio MIDI %1 no está en marcha.</translation>
    </message>
    <message>
        <source>The JACK server takes no more MIDI messages.</source>
        <translation>El servidor JACK ya no acepta más mensajes MIDI.</translation>
    </message>
    <message>
        <source>The JACK server is no longer running.</source>
        <translation>El servidor JACK ya no está en marcha.</translation>
    </message>
    <message>
        <source>The MIDI message is too long to send.</source>
        <translation>El mensaje MIDI es demasiado largo para enviarlo.</translation>
    </message>
    <message>
        <source>The JACK server refused the MIDI port "%1".</source>
        <translation>El servidor JACK ha rechazado el puerto MIDI «%1».</translation>
    </message>
    <message>
        <source>No MIDI service is running (tried: %1).</source>
        <translation>No hay ningún servicio MIDI en marcha (probados: %1).</translation>
    </message>
    <message>
        <source>none compiled in</source>
        <translation>ninguno compilado</translation>
    </message>
    <message>
        <source>The JACK server is not running: start it (e.g. with QjackCtl) or choose ALSA.</source>
        <translation>El servidor JACK no está en marcha: inícielo (p. ej. con QjackCtl) o elija ALSA.</translation>
    </message>
    <message>
        <source>The JACK server is not running: start it (e.g. with QjackCtl).</source>
        <translation>El servidor JACK no está en marcha: inícielo (p. ej. con QjackCtl).</translation>
    </message>
    <message>
        <source>The ALSA sequencer is not available: load its kernel module (modprobe snd-seq) or choose JACK.</source>
        <translation>El secuenciador ALSA no está disponible: cargue su módulo del kernel (modprobe snd-seq) o elija JACK.</translation>
    </message>
    <message>
        <source>The ALSA sequencer is not available: load its kernel module (modprobe snd-seq).</source>
        <translation>El secuenciador ALSA no está disponible: cargue su módulo del kernel (modprobe snd-seq).</translation>
    </message>
    <message>
        <source>The %1 MIDI service is not available.</source>
        <translation>El servicio MIDI %1 no está disponible.</translation>
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
        <translation>Automático</translation>
    </message>
    <message>
        <source>%1 "%2" went away; it opens again as soon as it appears.</source>
        <translation>%1 «%2» ha desaparecido; se volverá a abrir en cuanto aparezca.</translation>
    </message>
    <message>
        <source> could not be opened.</source>
        <translation> no se pudo abrir.</translation>
    </message>
    <message>
        <source>Opened </source>
        <translation>Abierto </translation>
    </message>
    <message>
        <source> successfully.</source>
        <translation> correctamente.</translation>
    </message>
    <message>
        <source>Closing </source>
        <translation>Cerrando </translation>
    </message>
    <message>
        <source> ...</source>
        <translation> ...</translation>
    </message>
    <message>
        <source>Closed </source>
        <translation>Cerrado </translation>
    </message>
    <message>
        <source>Midi Out</source>
        <translation>Salida MIDI</translation>
    </message>
    <message>
        <source>Midi In</source>
        <translation>Entrada MIDI</translation>
    </message>
    <message>
        <source>%1 "%2" is a port of Ondrel's own; it was not opened.</source>
        <translation>%1 «%2» es un puerto del propio Ondrel; no se ha abierto.</translation>
    </message>
    <message>
        <source>%1 "%2" is not there; it opens as soon as it appears.</source>
        <translation>%1 «%2» no está; se abrirá en cuanto aparezca.</translation>
    </message>
    <message>
        <source>The %1 server is no longer running.</source>
        <translation>El servidor %1 ya no está en marcha.</translation>
    </message>
    <message>
        <source>JACK server</source>
        <translation>servidor JACK</translation>
    </message>
    <message>
        <source>MIDI service</source>
        <translation>servicio MIDI</translation>
    </message>
    <message>
        <source>%1 %2 was closed; it opens again when the %3 is back.</source>
        <translation>%1 %2 se ha cerrado; se volverá a abrir cuando vuelva el %3.</translation>
    </message>
    <message>
        <source>%1 %2 and %3 were closed; they open again when the %4 is back.</source>
        <translation>%1 %2 y %3 se han cerrado; se volverán a abrir cuando vuelva el %4.</translation>
    </message>
    <message>
        <source>Midi In closed: what Ondrel sends comes straight back to it (%1), and Midi Thru would play every note again and again.</source>
        <translation>Entrada MIDI cerrada: lo que envía Ondrel le vuelve directamente (%1), y MIDI Thru tocaría cada nota una y otra vez.</translation>
    </message>
    <message>
        <source>Unspecified error</source>
        <translation>Error sin especificar</translation>
    </message>
</context>
<context>
    <name>TMidiFile</name>
    <message>
        <source>Track %1 is damaged: it ends in the middle of an event (byte %2).</source>
        <translation>La pista %1 está dañada: termina en medio de un evento (byte %2).</translation>
    </message>
    <message>
        <source>Track %1 is damaged: the number at byte %2 is longer than four bytes.</source>
        <translation>La pista %1 está dañada: el número del byte %2 ocupa más de cuatro bytes.</translation>
    </message>
    <message>
        <source>Track %1 is damaged: the tempo change at byte %2 is not valid.</source>
        <translation>La pista %1 está dañada: el cambio de tempo del byte %2 no es válido.</translation>
    </message>
    <message>
        <source>Track %1 is damaged: byte %2 begins an event that MIDI files do not have (%3).</source>
        <translation>La pista %1 está dañada: el byte %2 empieza un evento que no existe en los archivos MIDI (%3).</translation>
    </message>
    <message>
        <source>Track %1 is damaged: a data byte (byte %2) stands where an event must begin.</source>
        <translation>La pista %1 está dañada: hay un byte de datos (byte %2) donde debe empezar un evento.</translation>
    </message>
    <message>
        <source>Track %1 is damaged: the message at byte %2 is cut short by another.</source>
        <translation>La pista %1 está dañada: otro mensaje corta el mensaje del byte %2.</translation>
    </message>
</context>
<context>
    <name>TMidiInput</name>
    <message>
        <source>Out of memory.</source>
        <translation>Memoria agotada.</translation>
    </message>
</context>
<context>
    <name>TMidiRouter</name>
    <message numerus="yes">
        <source>MIDI input overflowed: %n messages lost</source>
        <translation>
            <numerusform>Desbordamiento de la entrada MIDI: %n mensaje perdido</numerusform><numerusform>Desbordamiento de la entrada MIDI: %n mensajes perdidos</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>MIDI thru overflowed: %n messages lost</source>
        <translation>
            <numerusform>Desbordamiento de MIDI Thru: %n mensaje perdido</numerusform><numerusform>Desbordamiento de MIDI Thru: %n mensajes perdidos</numerusform></translation>
    </message>
</context>
<context>
    <name>TNumberEdit</name>
    <message>
        <source>%1 up</source>
        <translation>Subir %1</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>Bajar %1</translation>
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
        <source>Unknown command "%s" is ignored.</source>
        <translation>Se omite la orden desconocida «%s».</translation>
    </message>
    <message>
        <source>Sub group does not exist. Lower the level.</source>
        <translation>El subgrupo no existe. Baje el nivel.</translation>
    </message>
    <message>
        <source>Syntax error.</source>
        <translation>Error de sintaxis.</translation>
    </message>
    <message>
        <source>No "define patchnames" section in the first %1.</source>
        <translation>No hay sección «define patchnames» en los primeros %1.</translation>
    </message>
    <message>
        <source>Empty patch script file.</source>
        <translation>Archivo de script de patches vacío.</translation>
    </message>
    <message>
        <source>Script is not a Cubase Parse File.</source>
        <translation>El script no es un archivo Cubase Parse.</translation>
    </message>
    <message>
        <source>Premature end of Cubase Parse File.</source>
        <translation>Final prematuro del archivo Cubase Parse.</translation>
    </message>
    <message>
        <source>Version Number not found.</source>
        <translation>No se encuentra el número de versión.</translation>
    </message>
    <message>
        <source>Wrong version number.</source>
        <translation>Número de versión incorrecto.</translation>
    </message>
    <message>
        <source>No "define patchnames" section !</source>
        <translation>¡No hay sección «define patchnames»!</translation>
    </message>
    <message>
        <source>Function [%s] is not implemented and ignored.</source>
        <translation>La función [%s] no está implementada y se omite.</translation>
    </message>
    <message>
        <source>Name is missing.</source>
        <translation>Falta el nombre.</translation>
    </message>
    <message>
        <source>No program defined for key.</source>
        <translation>No hay programa definido para la tecla.</translation>
    </message>
    <message>
        <source>No group defined for sorted property. Ignored.</source>
        <translation>No hay grupo definido para la propiedad ordenada. Se omite.</translation>
    </message>
    <message>
        <source>Ignoring remaining "%s" in command.</source>
        <translation>Se omite el resto «%s» de la orden.</translation>
    </message>
    <message>
        <source>MSB out of bounds (-1..127)</source>
        <translation>MSB fuera de rango (-1..127)</translation>
    </message>
    <message>
        <source>LSB out of bounds (-1..127)</source>
        <translation>LSB fuera de rango (-1..127)</translation>
    </message>
</context>
<context>
    <name>TPatchScriptParser</name>
    <message>
        <source>Script is not a Cubase Parse File.</source>
        <translation>El script no es un archivo Cubase Parse.</translation>
    </message>
    <message>
        <source>Line </source>
        <translation>Línea </translation>
    </message>
    <message>
        <source>Cannot open "%1": %2</source>
        <translation>No se puede abrir «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot read "%1": %2</source>
        <translation>No se puede leer «%1»: %2</translation>
    </message>
    <message>
        <source>Cannot read "%1": %2, and a patch script may have at most %3.</source>
        <translation>No se puede leer «%1»: %2, y un script de patches puede tener como máximo %3.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>y %1 más</translation>
    </message>
    <message>
        <source>[end] command not found.</source>
        <translation>No se encuentra la orden [end].</translation>
    </message>
    <message>
        <source>Syntax error.</source>
        <translation>Error de sintaxis.</translation>
    </message>
    <message>
        <source>Number expected.</source>
        <translation>Se esperaba un número.</translation>
    </message>
</context>
<context>
    <name>TPatchSetChooser</name>
    <message>
        <source>Choose Patch Set</source>
        <translation>Elegir juego de patches</translation>
    </message>
    <message>
        <source>Choose a directory</source>
        <translation>Elegir un directorio</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Go to Ondrel's directory</source>
        <translation>Ir al directorio de Ondrel</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>Elegir una carpeta</translation>
    </message>
    <message>
        <source>Patch scripts</source>
        <translation>Scripts de patches</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>Device Name:</source>
        <translation>Nombre del aparato:</translation>
    </message>
    <message>
        <source>Device Manufacturer:</source>
        <translation>Fabricante:</translation>
    </message>
    <message>
        <source>Name of creator:</source>
        <translation>Nombre del autor:</translation>
    </message>
    <message>
        <source>Patch Scripts (*.txt)</source>
        <translation>Scripts de patches (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Todos los archivos (*.*)</translation>
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
        <translation>Cargando juego de patches</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Loading the patch set "%1"...</source>
        <translation>Cargando el juego de patches «%1»...</translation>
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
        <translation>Reproduce lo último que tocó (desde el último silencio)</translation>
    </message>
    <message>
        <source>Position: drag to go elsewhere in the piece</source>
        <translation>Posición: arrastre para ir a otro punto de la pieza</translation>
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
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Open MIDI File</source>
        <translation>Abrir archivo MIDI</translation>
    </message>
    <message>
        <source>MIDI files (*.mid *.midi *.smf *.kar);;All files (*)</source>
        <translation>Archivos MIDI (*.mid *.midi *.smf *.kar);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>The file holds nothing to play.</source>
        <translation>El archivo no contiene nada que reproducir.</translation>
    </message>
    <message>
        <source>"%1" cannot be played.

%2</source>
        <translation>No se puede reproducir «%1».

%2</translation>
    </message>
    <message>
        <source>System exclusive messages left out (too long to send, or incomplete): %1.</source>
        <translation>Mensajes de sistema exclusivo omitidos (demasiado largos para enviarlos, o incompletos): %1.</translation>
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
        <translation>No hay ninguna salida MIDI abierta: elija una en el menú Salida MIDI.</translation>
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
        <translation>Banco: %1</translation>
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
        <translation>Desde el último &amp;silencio de al menos</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>The &amp;last</source>
        <translation>Los ú&amp;ltimos</translation>
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
        <translation>El tempo escrito en el archivo: con él una DAW cuenta los compases. Las notas conservan los tiempos en que se tocaron.</translation>
    </message>
    <message>
        <source>&amp;Tempo of the file:</source>
        <translation>&amp;Tempo del archivo:</translation>
    </message>
    <message>
        <source>Drag the take from here into a DAW or a file manager.</source>
        <translation>Arrastre la toma desde aquí a una DAW o a un gestor de archivos.</translation>
    </message>
    <message>
        <source>Playing kept in memory</source>
        <translation>Interpretación guardada en memoria</translation>
    </message>
    <message>
        <source> MB</source>
        <translation> MB</translation>
    </message>
    <message>
        <source>The last 30 minutes, at &amp;most:</source>
        <translation>Últimos 30 minutos, como &amp;máximo:</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>Take %1.mid</source>
        <translation>Toma %1.mid</translation>
    </message>
    <message>
        <source>Nothing has been played yet.</source>
        <translation>Aún no se ha tocado nada.</translation>
    </message>
    <message>
        <source>Nothing was played in that time.</source>
        <translation>No se tocó nada en ese tiempo.</translation>
    </message>
    <message>
        <source>Notes: %1, length: %2, played at %3.</source>
        <translation>Notas: %1, duración: %2, tocada a las %3.</translation>
    </message>
    <message>
        <source>Messages sent while the computer was too busy to keep them: %1.</source>
        <translation>Mensajes enviados mientras el ordenador estaba demasiado ocupado para guardarlos: %1.</translation>
    </message>
    <message>
        <source>Save Take As</source>
        <translation>Guardar toma como</translation>
    </message>
    <message>
        <source>MIDI files (*.mid *.midi)</source>
        <translation>Archivos MIDI (*.mid *.midi)</translation>
    </message>
    <message>
        <source>The take could not be saved as "%1".

%2</source>
        <translation>No se pudo guardar la toma como «%1».

%2</translation>
    </message>
    <message>
        <source>Take saved as "%1" (notes: %2, length: %3).</source>
        <translation>Toma guardada como «%1» (notas: %2, duración: %3).</translation>
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
        <translation>Las notas tocadas con las teclas del ordenador o que llegan por MIDI se ven siempre en el teclado.</translation>
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
        <translation>A&amp;lemán</translation>
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
        <source>Here you can specify which key on the computer keyboard corresponds to note "C" / "do".</source>
        <translation>Aquí elige qué tecla del teclado del ordenador corresponde a la nota «C» / «do».</translation>
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
        <translation>La velocidad es el volumen de una sola nota; en un teclado de verdad, la fuerza con que se pulsa la tecla. Las teclas del ordenador tocan con la velocidad estándar (F1 y F2 la cambian), y el ratón también, salvo si toca según dónde se pulsa la tecla.</translation>
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
        <translation>Enviar programa, banco y perillas al abrir una salida</translation>
    </message>
    <message>
        <source>A synthesizer started or restarted later plays the sound the window shows.</source>
        <translation>Un sintetizador que se inicie o reinicie después toca el sonido que muestra la ventana.</translation>
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
        <translation>El ratón y los dedos tocan más suave al fondo de la tecla y más fuerte en su borde; sin esta opción tocan con la velocidad estándar.</translation>
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
        <translation>Duro: fuerte solo cerca del borde. Suave: fuerte enseguida.</translation>
    </message>
    <message>
        <source>Finger &amp;pressure as aftertouch</source>
        <translation>Presión del &amp;dedo como aftertouch</translation>
    </message>
    <message>
        <source>On touch screens that sense it, how hard a finger presses goes out as polyphonic aftertouch of its notes.</source>
        <translation>En las pantallas táctiles que la detectan, la presión del dedo se envía como aftertouch polifónico de sus notas.</translation>
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
        <translation>Pu&amp;lsación:</translation>
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
        <translation>Tecla del &amp;ordenador de cada nota</translation>
    </message>
    <message>
        <source>The patch's names of the keys (drum &amp;kits)</source>
        <translation>Nombres del patch (&amp;kits de batería)</translation>
    </message>
    <message>
        <source>They are the keys' tooltips in any case.</source>
        <translation>De todos modos aparecen en la ayuda emergente de las teclas.</translation>
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
        <source>The computer keys &amp;play only the scale's notes</source>
        <translation>Teclas del ordenador: so&amp;lo las notas de la escala</translation>
    </message>
    <message>
        <source>The letter rows play the notes of the scale one after another, each row's C key the key note; the rows above them play nothing.</source>
        <translation>Las filas de letras tocan las notas de la escala una tras otra, con la tónica en la tecla de do de cada fila; las filas de encima no tocan nada.</translation>
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
        <translation>Controlador arriba/a&amp;bajo</translation>
    </message>
    <message>
        <source>&amp;Left/Right Controller</source>
        <translation>Controlador &amp;izquierda/derecha</translation>
    </message>
    <message>
        <source>These are the controllers that are sent when you use the "special hold mode" on the keyboard.</source>
        <translation>Son los controladores que se envían al usar la «retención especial» en el teclado.</translation>
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
        <source>This is the controller that is sent by the "modulation wheel" at the left side of the keyboard.</source>
        <translation>Es el controlador que envía la «rueda de modulación» a la izquierda del teclado.</translation>
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
        <source>The sensitivity defines how much the controller is changed with one "tick" of the mousewheel.</source>
        <translation>La sensibilidad define cuánto cambia el controlador con cada «clic» de la rueda del ratón.</translation>
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
        <translation>Sin estos botones, el teclado se desplaza
arrastrando con Alt y el ratón.</translation>
    </message>
    <message>
        <source>Hint: To easily set up the controller numbers, select a combobox and move the slider/knob that you want to control with it.</source>
        <translation>Consejo: para elegir fácilmente el número de controlador, seleccione una lista y mueva el deslizador o la perilla que quiere controlar con ella.</translation>
    </message>
    <message>
        <source>You can use a joystick to send controller messages. It must be connected and its device (/dev/input/js* or /dev/input/event*) readable by you to be used in Ondrel.</source>
        <translation>Puede enviar mensajes de controlador con un joystick. Para que Ondrel lo use, debe estar conectado y usted debe poder leer su dispositivo (/dev/input/js* o /dev/input/event*).</translation>
    </message>
    <message>
        <source>To easily set up the controller number, move the slider/knob that you want to control with it. In case of problems, disable it below.</source>
        <translation>Para elegir fácilmente el número de controlador, mueva el deslizador o la perilla que quiere controlar con él. Si da problemas, desactívelo abajo.</translation>
    </message>
    <message>
        <source>You can use a mouse wheel to send controller messages. Choose a controller below. You can turn the knob or wheel corresponding to the desired controller on Ondrel or a connected MIDI device to set the controller.</source>
        <translation>Puede enviar mensajes de controlador con la rueda del ratón. Elija abajo un controlador, o gire en Ondrel o en un aparato MIDI conectado la perilla o la rueda del controlador deseado.</translation>
    </message>
    <message>
        <source>"Slow" means very fine resolution but you need to turn a lot to change the controller significantly. On the other hand, "Fast" has the effect that little wheel movement results in big controller changes.</source>
        <translation>«Lenta» da pasos muy finos, pero hay que girar mucho para cambiar bastante el controlador; con «Rápida», un pequeño giro de la rueda lo cambia mucho.</translation>
    </message>
</context>
<context>
    <name>TSettingsSaver</name>
    <message>
        <source>The settings have been saved.</source>
        <translation>Se ha guardado la configuración.</translation>
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
        <translation>No se pudo abrir el Midi-Mapper. </translation>
    </message>
    <message>
        <source> (%1)</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>No General MIDI SoundFont was found. Install fluid-soundfont-gm or timgm6mb-soundfont, or choose a SoundFont file.</source>
        <translation>No se encontró ningún SoundFont General MIDI. Instale fluid-soundfont-gm o timgm6mb-soundfont, o elija un archivo SoundFont.</translation>
    </message>
    <message>
        <source>The SoundFont "%1" does not exist.</source>
        <translation>El SoundFont «%1» no existe.</translation>
    </message>
    <message>
        <source>"%1" is not a SoundFont.</source>
        <translation>«%1» no es un SoundFont.</translation>
    </message>
    <message>
        <source>FluidSynth could not be started.</source>
        <translation>No se pudo iniciar FluidSynth.</translation>
    </message>
    <message>
        <source>FluidSynth could not be started</source>
        <translation>No se pudo iniciar FluidSynth</translation>
    </message>
    <message>
        <source>The SoundFont "%1" could not be loaded</source>
        <translation>No se pudo cargar el SoundFont «%1»</translation>
    </message>
    <message>
        <source>No audio output could be opened (tried %1)</source>
        <translation>No se pudo abrir ninguna salida de audio (probadas: %1)</translation>
    </message>
    <message>
        <source>The built-in synthesizer takes no more MIDI messages.</source>
        <translation>El sintetizador incorporado ya no acepta más mensajes MIDI.</translation>
    </message>
    <message>
        <source>FluidSynth has no audio output for this system.</source>
        <translation>FluidSynth no tiene salida de audio para este sistema.</translation>
    </message>
</context>
<context>
    <name>TSystemListView</name>
    <message>
        <source>folders nested too deeply</source>
        <translation>carpetas anidadas a demasiada profundidad</translation>
    </message>
    <message>
        <source>it could not be removed</source>
        <translation>no se pudo quitar</translation>
    </message>
    <message>
        <source>There is already an item named "%1" in this folder. Please choose another name.</source>
        <translation>Ya hay un elemento llamado «%1» en esta carpeta. Elija otro nombre.</translation>
    </message>
    <message>
        <source>Could not rename "%1" to "%2"</source>
        <translation>No se pudo cambiar el nombre de «%1» a «%2»</translation>
    </message>
    <message>
        <source>Could not create a new folder in %1.</source>
        <translation>No se pudo crear una carpeta nueva en %1.</translation>
    </message>
    <message>
        <source>Delete "%1" permanently?</source>
        <translation>¿Borrar «%1» definitivamente?</translation>
    </message>
    <message numerus="yes">
        <source>Delete these %n items permanently?</source>
        <translation>
            <numerusform>¿Borrar este elemento definitivamente?</numerusform><numerusform>¿Borrar estos %n elementos definitivamente?</numerusform></translation>
    </message>
    <message>
        <source>Could not delete "%1"</source>
        <translation>No se pudo borrar «%1»</translation>
    </message>
    <message>
        <source>Could not move "%1" to the trash</source>
        <translation>No se pudo mover «%1» a la papelera</translation>
    </message>
    <message>
        <source>"%1"</source>
        <translation>«%1»</translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n elemento</numerusform><numerusform>%n elementos</numerusform></translation>
    </message>
    <message>
        <source>%1 will be moved by the next Paste.</source>
        <translation>%1: se moverá con el próximo Pegar.</translation>
    </message>
    <message>
        <source>%1 copied.</source>
        <translation>Copiado: %1.</translation>
    </message>
    <message>
        <source>Copied %1 to %2.</source>
        <translation>Copiado a %2: %1.</translation>
    </message>
    <message>
        <source>Moved %1 to %2.</source>
        <translation>Movido a %2: %1.</translation>
    </message>
    <message>
        <source>Made links to %1 in %2.</source>
        <translation>Enlaces a %1 creados en %2.</translation>
    </message>
    <message>
        <source> "%1" was taken there, so it is "%2".</source>
        <translation> «%1» ya existía allí, así que se llama «%2».</translation>
    </message>
    <message>
        <source>Stopped. </source>
        <translation>Detenido. </translation>
    </message>
    <message>
        <source>%1

Shown: %2, %3 (%4)</source>
        <translation>%1

Mostrado: %2, %3 (%4)</translation>
    </message>
    <message>
        <source>1 folder</source>
        <translation>1 carpeta</translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <translation>
            <numerusform>%n carpeta</numerusform><numerusform>%n carpetas</numerusform></translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 archivo</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n archivo</numerusform><numerusform>%n archivos</numerusform></translation>
    </message>
    <message>
        <source>
Free space: %1</source>
        <translation>
Espacio libre: %1</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation>Iconos &amp;grandes</translation>
    </message>
    <message>
        <source>Shows the items as large icons.</source>
        <translation>Muestra los elementos como iconos grandes.</translation>
    </message>
    <message>
        <source>S&amp;mall Icons</source>
        <translation>Iconos &amp;pequeños</translation>
    </message>
    <message>
        <source>Shows the items as small icons.</source>
        <translation>Muestra los elementos como iconos pequeños.</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Lista</translation>
    </message>
    <message>
        <source>Shows the items in a list.</source>
        <translation>Muestra los elementos en una lista.</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Detalles</translation>
    </message>
    <message>
        <source>Shows each item with its size, type, time and attributes.</source>
        <translation>Muestra cada elemento con su tamaño, tipo, fecha y atributos.</translation>
    </message>
    <message>
        <source>Arrange &amp;Icons</source>
        <translation>&amp;Organizar iconos</translation>
    </message>
    <message>
        <source>by &amp;Name</source>
        <translation>por &amp;nombre</translation>
    </message>
    <message>
        <source>Sorts items alphabetically by name.</source>
        <translation>Ordena los elementos alfabéticamente por nombre.</translation>
    </message>
    <message>
        <source>by &amp;Type</source>
        <translation>por &amp;tipo</translation>
    </message>
    <message>
        <source>Sorts items by type.</source>
        <translation>Ordena los elementos por tipo.</translation>
    </message>
    <message>
        <source>by Si&amp;ze</source>
        <translation>por ta&amp;maño</translation>
    </message>
    <message>
        <source>Sorts items by size.</source>
        <translation>Ordena los elementos por tamaño.</translation>
    </message>
    <message>
        <source>by &amp;Date</source>
        <translation>por &amp;fecha</translation>
    </message>
    <message>
        <source>Sorts items by date, newest first.</source>
        <translation>Ordena los elementos por fecha, los más recientes primero.</translation>
    </message>
    <message>
        <source>&amp;Auto Arrange</source>
        <translation>Organizar &amp;automáticamente</translation>
    </message>
    <message>
        <source>Arranges the icons to fit the window.</source>
        <translation>Organiza los iconos para que quepan en la ventana.</translation>
    </message>
    <message>
        <source>Line &amp;Up Icons</source>
        <translation>&amp;Alinear iconos</translation>
    </message>
    <message>
        <source>Lines the icons up on a grid.</source>
        <translation>Alinea los iconos en una cuadrícula.</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>Actuali&amp;zar</translation>
    </message>
    <message>
        <source>Reads the folder again.</source>
        <translation>Vuelve a leer la carpeta.</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Copies the files on the clipboard into this folder, or moves them when they were cut.</source>
        <translation>Copia en esta carpeta los archivos del portapapeles, o los mueve si se cortaron.</translation>
    </message>
    <message>
        <source>Paste &amp;Shortcut</source>
        <translation>Pegar &amp;enlace</translation>
    </message>
    <message>
        <source>Makes links to the files on the clipboard in this folder.</source>
        <translation>Crea en esta carpeta enlaces a los archivos del portapapeles.</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Folder</source>
        <translation>&amp;Carpeta</translation>
    </message>
    <message>
        <source>Creates a new folder.</source>
        <translation>Crea una carpeta nueva.</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>P&amp;ropiedades</translation>
    </message>
    <message>
        <source>Shows what this folder holds.</source>
        <translation>Muestra lo que contiene esta carpeta.</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>Opens the item.</source>
        <translation>Abre el elemento.</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>Cambiar &amp;nombre</translation>
    </message>
    <message>
        <source>Renames the item.</source>
        <translation>Cambia el nombre del elemento.</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>Moves the selected items by the next Paste.</source>
        <translation>Mueve los elementos elegidos con el próximo Pegar.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>Copies the selected items by the next Paste.</source>
        <translation>Copia los elementos elegidos con el próximo Pegar.</translation>
    </message>
    <message>
        <source>Move to &amp;Trash</source>
        <translation>Mover a la &amp;papelera</translation>
    </message>
    <message>
        <source>Moves the selected items to the trash.</source>
        <translation>Mueve los elementos elegidos a la papelera.</translation>
    </message>
    <message>
        <source>&amp;Delete Permanently</source>
        <translation>&amp;Borrar definitivamente</translation>
    </message>
    <message>
        <source>Deletes the selected items for good.</source>
        <translation>Borra definitivamente los elementos elegidos.</translation>
    </message>
    <message>
        <source>Directory %1 is not valid.</source>
        <translation>El directorio %1 no es válido.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>No se puede leer la carpeta %1.</translation>
    </message>
    <message>
        <source>The folder %1 can no longer be read; showing %2.</source>
        <translation>Ya no se puede leer la carpeta %1; se muestra %2.</translation>
    </message>
    <message>
        <source>The folder %1 is no longer there; showing %2.</source>
        <translation>La carpeta %1 ya no existe; se muestra %2.</translation>
    </message>
    <message>
        <source>The folder %1 is no longer there.</source>
        <translation>La carpeta %1 ya no existe.</translation>
    </message>
    <message>
        <source>No application could open %1.</source>
        <translation>Ninguna aplicación pudo abrir %1.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Tipo</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificado</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Atributos</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Comentario</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Carpeta</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>File </source>
        <translation>Archivo </translation>
    </message>
    <message>
        <source> link</source>
        <translation> (enlace)</translation>
    </message>
    <message>
        <source>A name cannot be empty.</source>
        <translation>Un nombre no puede estar vacío.</translation>
    </message>
    <message>
        <source>"%1" is not a valid name.</source>
        <translation>«%1» no es un nombre válido.</translation>
    </message>
    <message>
        <source>A name cannot contain "%1".</source>
        <translation>Un nombre no puede contener «%1».</translation>
    </message>
    <message>
        <source>The name "%1" is too long.</source>
        <translation>El nombre «%1» es demasiado largo.</translation>
    </message>
</context>
<context>
    <name>TTakeDrag</name>
    <message>
        <source>Drag the take into a DAW or a file manager as a MIDI file</source>
        <translation>Arrastre la toma a una DAW o a un gestor de archivos como archivo MIDI</translation>
    </message>
    <message>
        <source>Nothing has been played yet.</source>
        <translation>Aún no se ha tocado nada.</translation>
    </message>
    <message>
        <source>No temporary folder can be made for the file: %1.</source>
        <translation>No se puede crear una carpeta temporal para el archivo: %1.</translation>
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
        <source>Checking "Display transposed notes on keyboard" results in transposing before the notes are displayed on the keyboard. This may seem as playing wrong notes.</source>
        <translation>Con «Mostrar las notas transpuestas en el teclado» se transpone antes de mostrar las notas. Puede parecer que se tocan notas equivocadas.</translation>
    </message>
    <message>
        <source>Checking "Transpose MIDI Thru notes" will transpose also all notes that come in to the MIDI in port.</source>
        <translation>Con «Transponer las notas MIDI Thru» también se transponen las notas que llegan a la entrada MIDI.</translation>
    </message>
    <message>
        <source>When you check "Keep transpose when this window is closed", the notes keep on being transposed even when you have closed this window. Otherwise, closing this window resets to 0 transpose.</source>
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
        <translation>Sube o baja %1 paso a paso</translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation>Subir %1</translation>
    </message>
    <message>
        <source>One step up; held, it goes on</source>
        <translation>Sube un paso; mantenido, sigue subiendo</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>Bajar %1</translation>
    </message>
    <message>
        <source>One step down; held, it goes on</source>
        <translation>Baja un paso; mantenido, sigue bajando</translation>
    </message>
</context>
<context>
    <name>TZoneForm</name>
    <message>
        <source>Zones and Arpeggiator</source>
        <translation>Zonas y arpegiador</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>División</translation>
    </message>
    <message>
        <source>&amp;Split the keyboard into zones</source>
        <translation>&amp;Dividir el teclado en zonas</translation>
    </message>
    <message>
        <source>Ctrl + middle button on a key sets or removes a split point</source>
        <translation>Ctrl + botón central sobre una tecla pone o quita un punto de división</translation>
    </message>
    <message>
        <source>&amp;Zones:</source>
        <translation>&amp;Zonas:</translation>
    </message>
    <message>
        <source>Zone %1 from:</source>
        <translation>Zona %1 desde:</translation>
    </message>
    <message>
        <source>All zones</source>
        <translation>Todas las zonas</translation>
    </message>
    <message>
        <source>&amp;Latch: notes sound on after their keys are let go (Insert)</source>
        <translation>R&amp;etención: las notas suenan tras soltarlas (Insert)</translation>
    </message>
    <message>
        <source>&amp;Arpeggiator</source>
        <translation>A&amp;rpegiador</translation>
    </message>
    <message>
        <source>The zones whose arpeggiator is on play their notes one by one in time</source>
        <translation>Las zonas con el arpegiador activado tocan sus notas una a una, a tempo</translation>
    </message>
    <message>
        <source>Own tempo</source>
        <translation>Tempo propio</translation>
    </message>
    <message>
        <source>JACK transport</source>
        <translation>Transporte JACK</translation>
    </message>
    <message>
        <source>MIDI clock</source>
        <translation>Reloj MIDI</translation>
    </message>
    <message>
        <source>JACK transport: the tempo and bar position of the transport master while it rolls. MIDI clock: the clock arriving at Midi In.</source>
        <translation>Transporte JACK: el tempo y la posición en el compás del maestro del transporte mientras avanza. Reloj MIDI: el reloj que llega a la Entrada MIDI.</translation>
    </message>
    <message>
        <source> BPM</source>
        <translation> BPM</translation>
    </message>
    <message>
        <source>&amp;Clock:</source>
        <translation>Relo&amp;j:</translation>
    </message>
    <message>
        <source>&amp;Tempo:</source>
        <translation>Te&amp;mpo:</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <translation>Zona %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>none</translation>
    </message>
    <message>
        <source>A second channel the zone plays on too</source>
        <translation>Un segundo canal en el que la zona también toca</translation>
    </message>
    <message>
        <source>as the chord box</source>
        <translation>como el campo Acorde</translation>
    </message>
    <message>
        <source>as struck</source>
        <translation>según pulsación</translation>
    </message>
    <message>
        <source>Ondrel's output</source>
        <translation>Salida de Ondrel</translation>
    </message>
    <message>
        <source>A synthesizer of the zone's own; it opens as soon as it is there</source>
        <translation>Un sintetizador propio de la zona; se abre en cuanto está disponible</translation>
    </message>
    <message>
        <source>C&amp;hannel:</source>
        <translation>Cana&amp;l:</translation>
    </message>
    <message>
        <source>La&amp;yer:</source>
        <translation>&amp;Capa:</translation>
    </message>
    <message>
        <source>&amp;Octave:</source>
        <translation>&amp;Octava:</translation>
    </message>
    <message>
        <source>T&amp;ranspose:</source>
        <translation>&amp;Transponer:</translation>
    </message>
    <message>
        <source>&amp;Program:</source>
        <translation>&amp;Programa:</translation>
    </message>
    <message>
        <source>Bank &amp;MSB:</source>
        <translation>Banco M&amp;SB:</translation>
    </message>
    <message>
        <source>Bank LS&amp;B:</source>
        <translation>Banco LS&amp;B:</translation>
    </message>
    <message>
        <source>Chor&amp;d:</source>
        <translation>&amp;Acorde:</translation>
    </message>
    <message>
        <source>&amp;Velocity:</source>
        <translation>&amp;Velocidad:</translation>
    </message>
    <message>
        <source>O&amp;utput port:</source>
        <translation>P&amp;uerto:</translation>
    </message>
    <message>
        <source>Arpegg&amp;iate</source>
        <translation>Arpeg&amp;iar</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Arriba</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Abajo</translation>
    </message>
    <message>
        <source>Up and down</source>
        <translation>Arriba y abajo</translation>
    </message>
    <message>
        <source>As played</source>
        <translation>Según se toca</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aleatorio</translation>
    </message>
    <message>
        <source>Chord</source>
        <translation>Acorde</translation>
    </message>
    <message>
        <source>%1 triplets</source>
        <translation>%1 tresillos</translation>
    </message>
    <message>
        <source>%1 dotted</source>
        <translation>%1 con puntillo</translation>
    </message>
    <message>
        <source>How much of its step a note sounds</source>
        <translation>Cuánto de su paso suena cada nota</translation>
    </message>
    <message>
        <source>Where the second step of each pair starts: 50 % is straight, 66 % a triplet feel</source>
        <translation>Dónde empieza el segundo paso de cada par: 50 % es sin swing, 66 % con aire de tresillo</translation>
    </message>
    <message>
        <source>Patt&amp;ern:</source>
        <translation>Patró&amp;n:</translation>
    </message>
    <message>
        <source>&amp;Note value:</source>
        <translation>&amp;Figura:</translation>
    </message>
    <message>
        <source>&amp;Gate:</source>
        <translation>&amp;Gate:</translation>
    </message>
    <message>
        <source>S&amp;wing:</source>
        <translation>S&amp;wing:</translation>
    </message>
    <message>
        <source>Octave range:</source>
        <translation>Octavas:</translation>
    </message>
    <message>
        <source>%1 (not in the chord box)</source>
        <translation>%1 (no está en el campo Acorde)</translation>
    </message>
    <message>
        <source>%1 (not there now)</source>
        <translation>%1 (ahora no está)</translation>
    </message>
    <message>
        <source>Without a split the whole keyboard plays on the keyboard's channel, with this arpeggiator</source>
        <translation>Sin división, todo el teclado toca en el canal del teclado, con este arpegiador</translation>
    </message>
</context>
<context>
    <name>TZonePorts</name>
    <message>
        <source>The zones' port "%1" is not there; it opens as soon as it appears.</source>
        <translation>El puerto «%1» de las zonas no está; se abrirá en cuanto aparezca.</translation>
    </message>
    <message>
        <source>The zones' port "%1" could not be opened: %2</source>
        <translation>No se pudo abrir el puerto «%1» de las zonas: %2</translation>
    </message>
    <message>
        <source>Opened the zones' port %1.</source>
        <translation>Abierto el puerto %1 de las zonas.</translation>
    </message>
    <message>
        <source>The zones' port "%1" went away; it opens again as soon as it appears.</source>
        <translation>El puerto «%1» de las zonas ha desaparecido; se volverá a abrir en cuanto aparezca.</translation>
    </message>
</context>
</TS>