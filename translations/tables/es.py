# Spanish texts for the translation filler: source text -> translation.
from fres import FE

T = {k: v[1] for k, v in FE.items()}

# Accelerators that would clash in Spanish with a neighbour of the same dialog
# (&Aceptar, A&plicar sit under every page of the settings dialog).
T.update({
'&German': 'A&lemán', '&Up/Down Controller': 'Controlador arriba/a&bajo',
'Finger &pressure as aftertouch': 'Presión del &dedo como aftertouch', '&Touch:': 'Pu&lsación:',
})

# controller names, as Spanish gear and manuals show them
T.update({
'Bank Sel MSB': 'Sel. banco MSB', 'Modulation': 'Modulación', 'Breath Control': 'Control de soplido',
'Pedal': 'Pedal', 'Porta Time': 'Tiempo de portamento', 'Data MSB': 'Datos MSB',
'Main Volume': 'Volumen', 'Balance': 'Balance', 'Panpot': 'Panorama', 'Expression': 'Expresión',
'Effect 1': 'Efecto 1', 'Effect 2': 'Efecto 2', 'Foot Control / General 1': 'Control de pie / General 1',
'General 2': 'General 2', 'General 3': 'General 3', 'General 4': 'General 4',
'Bank Sel LSB': 'Sel. banco LSB', 'Mod Wheel LSB': 'Modulación LSB', 'Breath Control LSB': 'Control de soplido LSB',
'Pedal LSB': 'Pedal LSB', 'Porta Time LSB': 'Tiempo de portamento LSB', 'Data LSB': 'Datos LSB',
'Volume LSB': 'Volumen LSB', 'Balance LSB': 'Balance LSB', 'Panpot LSB': 'Panorama LSB',
'Expression LSB': 'Expresión LSB', 'Effect 1 LSB': 'Efecto 1 LSB', 'Effect 2 LSB': 'Efecto 2 LSB',
'General 1 LSB': 'General 1 LSB', 'General 2 LSB': 'General 2 LSB', 'General 3 LSB': 'General 3 LSB',
'General 4 LSB': 'General 4 LSB', 'Sustain Sw': 'Pedal de sostenido', 'Porta Switch': 'Portamento sí/no',
'Soft Pedal': 'Pedal suave', 'Legato Footswitch': 'Pedal de legato',
'Hold 2': 'Hold 2', 'Sound Variation': 'Variación de sonido', 'Harmonic': 'Resonancia',
'Release Time': 'Tiempo de liberación', 'Attack Time': 'Tiempo de ataque', 'Brightness': 'Brillo',
'Sound Control 6': 'Control de sonido 6', 'Sound Control 7': 'Control de sonido 7', 'Sound Control 8': 'Control de sonido 8',
'Sound Control 9': 'Control de sonido 9', 'Sound Control 10': 'Control de sonido 10', 'General 5': 'General 5',
'General 6': 'General 6', 'General 7': 'General 7', 'General 8': 'General 8',
'Portamento': 'Portamento', 'Reverb': 'Reverb', 'Tremolo': 'Trémolo', 'Chorus': 'Chorus',
'Variation': 'Variación', 'Phaser': 'Phaser', 'Data Increment': 'Incremento de datos', 'Data Decrement': 'Decremento de datos',
'NRPN LSB': 'NRPN LSB', 'NRPN MSB': 'NRPN MSB', 'RPN LSB': 'RPN LSB', 'RPN MSB': 'RPN MSB',
'All Sounds off': 'Silenciar todos los sonidos', 'Reset Controllers': 'Restablecer controladores',
'Local Control': 'Control local', 'All Notes Off': 'Apagar todas las notas', 'Omni Mode On': 'Modo omni activado',
'Omni Mode Off': 'Modo omni desactivado', 'Mono Mode On': 'Modo mono activado', 'Poly Mode On': 'Modo poli activado',
'Undefined': 'Sin definir',
})

# saving files and the settings file
T.update({
'Could not save "%1": %2': 'No se pudo guardar «%1»: %2', 'the data could not be written': 'no se pudieron escribir los datos',
'the file is read-only': 'el archivo es de solo lectura', 'cannot create the folder': 'no se puede crear la carpeta',
'Ondrel (%1)': 'Ondrel (%1)',
'Could not read "%1": %2': 'No se pudo leer «%1»: %2',
'Line %1 of %2 is not a setting; it was ignored.': 'La línea %1 de %2 no es un ajuste; se ha omitido.',
'%1 and %2 more': '%1 y %2 más', '%1 and %2': '%1 y %2',
'Lines %1 of %2 are not settings; they were ignored.': 'Las líneas %1 de %2 no son ajustes; se han omitido.',
'Settings not saved: %1': 'Configuración no guardada: %1', 'Settings could not be saved: %1': 'No se pudo guardar la configuración: %1',
'%1\nThe settings are kept, and saving them is tried again.': '%1\nLa configuración se conserva y se volverá a intentar guardarla.',
'The settings file "%1" could not be read (%2); it was kept as "%3" and default settings are used.': 'No se pudo leer el archivo de configuración «%1» (%2); se ha conservado como «%3» y se usa la configuración por defecto.',
'the damaged settings file "%1" is kept as it is': 'el archivo de configuración dañado «%1» se conserva tal cual',
'The settings file "%1" could not be read (%2); it was left as it is and settings will not be saved.': 'No se pudo leer el archivo de configuración «%1» (%2); se ha dejado tal cual y la configuración no se guardará.',
'the settings were removed by Uninstall': 'la configuración se eliminó con Desinstalar',
'it is not a settings file': 'no es un archivo de configuración', 'it is not a text file': 'no es un archivo de texto',
'The settings have been saved.': 'Se ha guardado la configuración.',
})

# export and import
T.update({
'Export Settings': 'Exportar configuración', 'Export Knob Presets': 'Exportar preajustes de perillas',
'Export Knob Snapshots': 'Exportar instantáneas de perillas', 'Export Chords': 'Exportar acordes',
'Import Settings': 'Importar configuración', 'Import Knob Presets': 'Importar preajustes de perillas',
'Import Knob Snapshots': 'Importar instantáneas de perillas', 'Import Chords': 'Importar acordes',
'All your stored knob presets are written to the ini file, each under its own name.': 'Todos los preajustes de perillas guardados se escriben en el archivo ini, cada uno con su nombre.',
'Knobs you changed but did not save as a preset are not exported, nor is the built-in preset "Default".': 'No se exportan las perillas que cambió sin guardarlas como preajuste, ni el preajuste incorporado «Default».',
'The knob snapshots of the Knobs menu are written to the ini file with their names and values.': 'Las instantáneas de perillas del menú Perillas se escriben en el archivo ini con sus nombres y valores.',
'Only the snapshots you have defined are exported.': 'Solo se exportan las instantáneas que ha definido.',
'Your custom chords are written to the ini file with their names and notes.': 'Sus acordes propios se escriben en el archivo ini con sus nombres y notas.',
'The built-in chords (Major, Minor, ...) are not exported.': 'Los acordes incorporados (Mayor, Menor, ...) no se exportan.',
'Knob presets are read from a previously exported ini file. A preset of the same name as one you have replaces it.': 'Los preajustes de perillas se leen de un archivo ini exportado antes. Un preajuste con el mismo nombre que uno suyo lo sustituye.',
'Overwrite existing knob presets': 'Sobrescribir los preajustes de perillas existentes', 'Add to existing knob presets': 'Añadir a los preajustes de perillas existentes',
'Knob snapshots are read from a previously exported ini file.': 'Las instantáneas de perillas se leen de un archivo ini exportado antes.',
'Each snapshot in the file replaces the one of the same number; the other snapshots stay as they are.': 'Cada instantánea del archivo sustituye a la del mismo número; las demás quedan como están.',
'Custom chords are read from a previously exported ini file. A chord of the same name as one you have replaces it.': 'Los acordes propios se leen de un archivo ini exportado antes. Un acorde con el mismo nombre que uno suyo lo sustituye.',
'Overwrite existing chords': 'Sobrescribir los acordes existentes', 'Add to existing chords': 'Añadir a los acordes existentes',
"Don't show this again": 'No volver a mostrar',
'Click OK to continue, or Cancel to cancel this operation.': 'Pulse Aceptar para continuar o Cancelar para cancelar la operación.',
'Your settings are written to an ini file. They include:': 'Su configuración se escribe en un archivo ini. Incluye:',
'Settings are read from a previously exported ini file. They include:': 'La configuración se lee de un archivo ini exportado antes. Incluye:',
'- Keyboard settings (like key width)\n- window size and position\n- most other options of the settings dialog.\n- mouse wheel assignment\n- joystick assignment\n- which patch, chord, knob preset is selected':
 '- ajustes del teclado (como el ancho de las teclas)\n- tamaño y posición de la ventana\n- casi todas las demás opciones del diálogo de configuración\n- asignación de la rueda del ratón\n- asignación del joystick\n- el patch, el acorde y el preajuste de perillas elegidos',
'Knob presets, knob snapshots and chords are not part of the settings: export them on their own.': 'Los preajustes de perillas, las instantáneas de perillas y los acordes no forman parte de la configuración: expórtelos por separado.',
'The selected program, bank, knob preset and the joystick assignment take effect the next time Ondrel starts; the rest at once.': 'El programa, el banco, el preajuste de perillas elegidos y la asignación del joystick se aplican la próxima vez que se inicie Ondrel; el resto, en el acto.',
'This is helpful when you want to transfer your settings to another computer, give them to a friend, or you have to reinstall your system.': 'Resulta útil para llevar su configuración a otro ordenador, dársela a un amigo o si tiene que reinstalar el sistema.',
'Ini files (*.ini)': 'Archivos ini (*.ini)', 'All files (*)': 'Todos los archivos (*)',
'Import previously exported ini file.': 'Importa un archivo ini exportado antes.',
'Import settings (as in the settings dialog) from a previously exported ini file.': 'Importa la configuración (la del diálogo de configuración) de un archivo ini exportado antes.',
'Import knob presets from a previously exported ini file.': 'Importa preajustes de perillas de un archivo ini exportado antes.',
'Import knob snapshots from a previously exported ini file.': 'Importa instantáneas de perillas de un archivo ini exportado antes.',
'Import chords from a previously exported ini file.': 'Importa acordes de un archivo ini exportado antes.',
'Export to an ini file.': 'Exporta a un archivo ini.',
'Export settings (as in the settings dialog) to an ini file.': 'Exporta la configuración (la del diálogo de configuración) a un archivo ini.',
'Export knob presets to an ini file.': 'Exporta los preajustes de perillas a un archivo ini.',
'Export knob snapshots to an ini file.': 'Exporta las instantáneas de perillas a un archivo ini.',
'Export your custom chords to an ini file.': 'Exporta sus acordes propios a un archivo ini.',
'Select export file': 'Elegir el archivo de exportación', 'Select import file': 'Elegir el archivo de importación',
'The file "%1" does not exist (any more).': 'El archivo «%1» no existe (ya).',
'"%1" is not an ini file. Nothing was imported.': '«%1» no es un archivo ini. No se ha importado nada.',
'Could not create a temporary folder: %1': 'No se pudo crear una carpeta temporal: %1', '%1 failed.\n\n%2': 'Error en «%1».\n\n%2',
'Settings saved successfully.': 'Configuración guardada.',
'%n knob presets saved successfully.': ('%n preajuste de perillas guardado.', '%n preajustes de perillas guardados.'),
'No knob presets could be saved.': 'No se pudo guardar ningún preajuste de perillas.',
'%n knob snapshots saved successfully.': ('%n instantánea de perillas guardada.', '%n instantáneas de perillas guardadas.'),
'No knob snapshots could be saved.': 'No se pudo guardar ninguna instantánea de perillas.',
'%n custom chords saved successfully.': ('%n acorde propio guardado.', '%n acordes propios guardados.'),
'No custom chords could be saved.': 'No se pudo guardar ningún acorde propio.', 'No settings could be loaded.': 'No se pudo cargar la configuración.',
'Settings loaded successfully.': 'Configuración cargada.',
'%n knob presets loaded successfully.': ('%n preajuste de perillas cargado.', '%n preajustes de perillas cargados.'),
'No knob presets could be loaded.': 'No se pudo cargar ningún preajuste de perillas.',
'%n knob snapshots loaded successfully.': ('%n instantánea de perillas cargada.', '%n instantáneas de perillas cargadas.'),
'No knob snapshots could be loaded.': 'No se pudo cargar ninguna instantánea de perillas.',
'%n custom chords loaded successfully.': ('%n acorde propio cargado.', '%n acordes propios cargados.'),
'No custom chords could be loaded.': 'No se pudo cargar ningún acorde propio.',
})

# knob preset editor and knob list
T.update({
'You have made changes to knob preset "%1". Do you want to save it ?': 'Ha cambiado el preajuste de perillas «%1». ¿Desea guardarlo?',
'You have changed the knobs. Do you want to save them as a preset ?': 'Ha cambiado las perillas. ¿Desea guardarlas como preajuste?',
'You can\'t name a preset "%1".': 'Un preajuste no puede llamarse «%1».', 'Please enter a name for the preset.': 'Escriba un nombre para el preajuste.',
'A preset name can\'t begin or end with a blank, nor hold "\\", "]" or a line break.': 'El nombre de un preajuste no puede empezar ni terminar con un espacio, ni contener «\\», «]» o un salto de línea.',
'A preset with this name already exists !': '¡Ya existe un preajuste con ese nombre!',
'You must make a new preset before being able to save it.': 'Cree primero un preajuste nuevo para poder guardarlo.',
'Please select a preset to delete.': 'Elija el preajuste que desea borrar.',
'Are you sure to delete preset "%1" ?\nThis can\'t be undone later !': '¿Seguro que desea borrar el preajuste «%1»?\n¡No se podrá deshacer!',
'%1 (UKnobList)': '%1 (UKnobList)',
'Knob preset "%1": knob %2 ("%3") has the controller number %4; controller numbers run from 0 to 127, so this knob was not loaded.': 'Preajuste de perillas «%1»: la perilla %2 («%3») tiene el número de controlador %4; los números de controlador van de 0 a 127, así que esta perilla no se ha cargado.',
'Controller knob: the arrow keys turn it, Page Up and Down faster': 'Perilla de controlador: las flechas la giran, RePág y AvPág más rápido',
})

# main window: settings file, Wayland, uninstall, zones
T.update({
'the folder "%1" cannot be created': 'no se puede crear la carpeta «%1»', 'the file "%1" is read-only': 'el archivo «%1» es de solo lectura',
'the folder "%1" is not writable': 'no se puede escribir en la carpeta «%1»', 'Settings cannot be saved: %1.': 'No se puede guardar la configuración: %1.',
'On Wayland the desktop places the window: the place it had is kept for an X11 session.': 'En Wayland el escritorio coloca la ventana: la posición anterior se guarda para una sesión X11.',
"Stay on Top is not available on Wayland, which lets no program keep its window above the others; the desktop's own window menu may offer it.": 'Siempre visible no está disponible en Wayland, que no deja a ningún programa mantener su ventana por encima de las demás; quizá lo ofrezca el menú de ventana del escritorio.',
'Readme.txt cannot be shown: it is not in %1, nor in %2.': 'No se puede mostrar Readme.txt: no está en %1 ni en %2.',
"This removes all of Ondrel's settings, its knob presets, snapshots and chords included (the file %1), and closes Ondrel.\n\nDo you want to continue?": 'Se eliminará toda la configuración de Ondrel, incluidos sus preajustes de perillas, instantáneas y acordes (el archivo %1), y se cerrará Ondrel.\n\n¿Desea continuar?',
'The settings could not be removed:\n%1': 'No se pudo eliminar la configuración:\n%1',
'The settings file %1 has been removed.\n\nTo remove the program itself, uninstall its package with your package manager; if you installed it from its sources, delete the files listed in install_manifest.txt of the build folder.': 'Se ha eliminado el archivo de configuración %1.\n\nPara quitar el propio programa, desinstale su paquete con el gestor de paquetes; si lo instaló desde el código fuente, borre los archivos que lista install_manifest.txt en la carpeta de compilación.',
# The three buttons beside the wheels keep the short names printed on synthesizer panels.
'Split': 'Split', 'Latch': 'Latch', 'Arp': 'Arp',
'Split the keyboard into zones, each on a channel of its own (Ctrl + middle button on a key sets or removes a split point; Options > Zones and Arpeggiator sets them up)': 'Divide el teclado en zonas, cada una en su propio canal (Ctrl + botón central sobre una tecla pone o quita un punto de división; Opciones > Zonas y arpegiador las configura)',
'Latch: the notes played go on sounding after their keys are let go, until the next chord (Insert)': 'Retención: las notas tocadas siguen sonando al soltar las teclas, hasta el siguiente acorde (Insert)',
'Arpeggiator: the zones play their notes one by one, in time': 'Arpegiador: las zonas tocan sus notas una a una, a tempo',
'Split &Keyboard': 'D&ividir teclado', '&Latch': 'R&etención', '&Arpeggiator': '&Arpegiador',
'&Zones and Arpeggiator...': '&Zonas y arpegiador...',
'The arpeggiator cannot play: the output plays too much at once.': 'El arpegiador no puede tocar: la salida toca demasiado a la vez.',
'Split point %1 removed: %2 zones': 'Punto de división %1 quitado: %2 zonas', 'Split at %1: %2 zones': 'División en %1: %2 zonas',
'Latch on': 'Retención activada', 'Latch off': 'Retención desactivada', 'Arpeggiator on': 'Arpegiador activado', 'Arpeggiator off': 'Arpegiador desactivado',
})

# MIDI services, ports and files
T.update({
'ALSA sequencer': 'secuenciador ALSA', 'Windows MIDI': 'Windows MIDI', 'Core MIDI': 'Core MIDI', 'Automatic': 'Automático',
'The MIDI port "%1" is not available.': 'El puerto MIDI «%1» no está disponible.', 'The %1 MIDI service is not running.': 'El servicio MIDI %1 no está en marcha.',
'The JACK server takes no more MIDI messages.': 'El servidor JACK ya no acepta más mensajes MIDI.', 'The JACK server is no longer running.': 'El servidor JACK ya no está en marcha.',
'The MIDI message is too long to send.': 'El mensaje MIDI es demasiado largo para enviarlo.', 'The JACK server refused the MIDI port "%1".': 'El servidor JACK ha rechazado el puerto MIDI «%1».',
'No MIDI service is running (tried: %1).': 'No hay ningún servicio MIDI en marcha (probados: %1).', 'none compiled in': 'ninguno compilado',
'The JACK server is not running: start it (e.g. with QjackCtl) or choose ALSA.': 'El servidor JACK no está en marcha: inícielo (p. ej. con QjackCtl) o elija ALSA.',
'The JACK server is not running: start it (e.g. with QjackCtl).': 'El servidor JACK no está en marcha: inícielo (p. ej. con QjackCtl).',
'The ALSA sequencer is not available: load its kernel module (modprobe snd-seq) or choose JACK.': 'El secuenciador ALSA no está disponible: cargue su módulo del kernel (modprobe snd-seq) o elija JACK.',
'The ALSA sequencer is not available: load its kernel module (modprobe snd-seq).': 'El secuenciador ALSA no está disponible: cargue su módulo del kernel (modprobe snd-seq).',
'The %1 MIDI service is not available.': 'El servicio MIDI %1 no está disponible.', ' -> ': ' -> ',
'%1 "%2" went away; it opens again as soon as it appears.': '%1 «%2» ha desaparecido; se volverá a abrir en cuanto aparezca.',
' could not be opened.': ' no se pudo abrir.', 'Opened ': 'Abierto ', ' successfully.': ' correctamente.', 'Closing ': 'Cerrando ', ' ...': ' ...', 'Closed ': 'Cerrado ',
'Midi Out': 'Salida MIDI', 'Midi In': 'Entrada MIDI',
'%1 "%2" is a port of Ondrel\'s own; it was not opened.': '%1 «%2» es un puerto del propio Ondrel; no se ha abierto.',
'%1 "%2" is not there; it opens as soon as it appears.': '%1 «%2» no está; se abrirá en cuanto aparezca.',
'The %1 server is no longer running.': 'El servidor %1 ya no está en marcha.', 'JACK server': 'servidor JACK', 'MIDI service': 'servicio MIDI',
'%1 %2 was closed; it opens again when the %3 is back.': '%1 %2 se ha cerrado; se volverá a abrir cuando vuelva el %3.',
'%1 %2 and %3 were closed; they open again when the %4 is back.': '%1 %2 y %3 se han cerrado; se volverán a abrir cuando vuelva el %4.',
'Midi In closed: what Ondrel sends comes straight back to it (%1), and Midi Thru would play every note again and again.': 'Entrada MIDI cerrada: lo que envía Ondrel le vuelve directamente (%1), y MIDI Thru tocaría cada nota una y otra vez.',
'Unspecified error': 'Error sin especificar',
'Track %1 is damaged: it ends in the middle of an event (byte %2).': 'La pista %1 está dañada: termina en medio de un evento (byte %2).',
'Track %1 is damaged: the number at byte %2 is longer than four bytes.': 'La pista %1 está dañada: el número del byte %2 ocupa más de cuatro bytes.',
'Track %1 is damaged: the tempo change at byte %2 is not valid.': 'La pista %1 está dañada: el cambio de tempo del byte %2 no es válido.',
'Track %1 is damaged: byte %2 begins an event that MIDI files do not have (%3).': 'La pista %1 está dañada: el byte %2 empieza un evento que no existe en los archivos MIDI (%3).',
'Track %1 is damaged: a data byte (byte %2) stands where an event must begin.': 'La pista %1 está dañada: hay un byte de datos (byte %2) donde debe empezar un evento.',
'Track %1 is damaged: the message at byte %2 is cut short by another.': 'La pista %1 está dañada: otro mensaje corta el mensaje del byte %2.',
'Out of memory.': 'Memoria agotada.',
'MIDI input overflowed: %n messages lost': ('Desbordamiento de la entrada MIDI: %n mensaje perdido', 'Desbordamiento de la entrada MIDI: %n mensajes perdidos'),
'MIDI thru overflowed: %n messages lost': ('Desbordamiento de MIDI Thru: %n mensaje perdido', 'Desbordamiento de MIDI Thru: %n mensajes perdidos'),
})

T.update({'ALSA sequencer': 'Secuenciador ALSA'})

# patch scripts and the patch set chooser
T.update({
'Unknown command "%s" is ignored.': 'Se omite la orden desconocida «%s».', 'Sub group does not exist. Lower the level.': 'El subgrupo no existe. Baje el nivel.',
'Syntax error.': 'Error de sintaxis.', 'No "define patchnames" section in the first %1.': 'No hay sección «define patchnames» en los primeros %1.',
'Empty patch script file.': 'Archivo de script de patches vacío.', 'Script is not a Cubase Parse File.': 'El script no es un Cubase Parse File.',
'Premature end of Cubase Parse File.': 'Final prematuro del Cubase Parse File.', 'Version Number not found.': 'No se encuentra el número de versión.',
'Wrong version number.': 'Número de versión incorrecto.', 'No "define patchnames" section !': '¡No hay sección «define patchnames»!',
'Function [%s] is not implemented and ignored.': 'La función [%s] no está implementada y se omite.', 'Name is missing.': 'Falta el nombre.',
'No program defined for key.': 'No hay programa definido para la tecla.', 'No group defined for sorted property. Ignored.': 'No hay grupo definido para la propiedad ordenada. Se omite.',
'Ignoring remaining "%s" in command.': 'Se omite el resto «%s» de la orden.', 'MSB out of bounds (-1..127)': 'MSB fuera de rango (-1..127)',
'LSB out of bounds (-1..127)': 'LSB fuera de rango (-1..127)', 'Line ': 'Línea ', 'Cannot open "%1": %2': 'No se puede abrir «%1»: %2',
'Cannot read "%1": %2': 'No se puede leer «%1»: %2',
'Cannot read "%1": %2, and a patch script may have at most %3.': 'No se puede leer «%1»: %2, y un script de patches puede tener como máximo %3.',
'and %1 more': 'y %1 más', '[end] command not found.': 'No se encuentra la orden [end].', 'Number expected.': 'Se esperaba un número.',
'Choose Patch Set': 'Elegir juego de patches', 'Choose a directory': 'Elija un directorio', 'Home': 'Inicio', "Go to Ondrel's directory": 'Ir al directorio de Ondrel',
'Folder': 'Carpeta', 'Choose a folder': 'Elegir una carpeta', 'Patch scripts': 'Scripts de patches', 'Name:': 'Nombre:', 'Device Name:': 'Aparato:',
'Device Manufacturer:': 'Fabricante:', 'Name of creator:': 'Autor:', 'Patch Scripts (*.txt)': 'Scripts de patches (*.txt)', 'All Files (*.*)': 'Todos los archivos (*.*)',
'Loading Patch Set': 'Cargando juego de patches', 'Loading the patch set "%1"...': 'Cargando el juego de patches «%1»...',
'Bank: %1': 'Banco: %1',
})

# playing files and saving takes
T.update({
'Play what you played last (since the last silence)': 'Reproduce lo último que tocó (desde el último silencio)',
'Position: drag to go elsewhere in the piece': 'Posición: arrastre para ir a otro punto de la pieza', '%1 / %2': '%1 / %2',
'Open MIDI File': 'Abrir archivo MIDI', 'MIDI files (*.mid *.midi *.smf *.kar);;All files (*)': 'Archivos MIDI (*.mid *.midi *.smf *.kar);;Todos los archivos (*)',
'The file holds nothing to play.': 'El archivo no contiene nada que reproducir.', '"%1" cannot be played.\n\n%2': 'No se puede reproducir «%1».\n\n%2',
'System exclusive messages left out (too long to send, or incomplete): %1.': 'Mensajes de sistema exclusivo omitidos (demasiado largos para enviarlos, o incompletos): %1.',
'No MIDI output is open: choose one in the Midi Out menu.': 'No hay ninguna salida MIDI abierta: elija una en el menú Salida MIDI.',
'Since the last &silence of at least': 'Desde el último &silencio de al menos', ' s': ' s', 'The &last': 'Los ú&ltimos', ' min': ' min', ' BPM': ' BPM',
'The tempo written in the file: a DAW counts bars in it. The notes keep the times they were played at.': 'El tempo escrito en el archivo: con él una DAW cuenta los compases. Las notas conservan los tiempos en que se tocaron.',
'Drag the take from here into a DAW or a file manager.': 'Arrastre la toma desde aquí a una DAW o a un gestor de archivos.',
'Playing kept in memory': 'Interpretación guardada en memoria', ' MB': ' MB', 'The last 30 minutes, at &most:': 'Últimos 30 minutos, como &máximo:',
'Take %1.mid': 'Toma %1.mid', 'Nothing was played in that time.': 'No se tocó nada en ese tiempo.',
'Notes: %1, length: %2, played at %3.': 'Notas: %1, duración: %2, tocada a las %3.',
'Messages sent while the computer was too busy to keep them: %1.': 'Mensajes enviados mientras el ordenador estaba demasiado ocupado para guardarlos: %1.',
'Save Take As': 'Guardar toma como', 'MIDI files (*.mid *.midi)': 'Archivos MIDI (*.mid *.midi)',
'The take could not be saved as "%1".\n\n%2': 'No se pudo guardar la toma como «%1».\n\n%2',
'Take saved as "%1" (notes: %2, length: %3).': 'Toma guardada como «%1» (notas: %2, duración: %3).',
'Drag the take into a DAW or a file manager as a MIDI file': 'Arrastre la toma a una DAW o a un gestor de archivos como archivo MIDI',
'No temporary folder can be made for the file: %1.': 'No se puede crear una carpeta temporal para el archivo: %1.',
})

# step buttons of number fields (read by screen readers)
T.update({
'Steps %1 up or down': 'Sube o baja %1 paso a paso', '%1 up': '%1 arriba', '%1 down': '%1 abajo',
'One step up; held, it goes on': 'Un paso arriba; si se mantiene, sigue', 'One step down; held, it goes on': 'Un paso abajo; si se mantiene, sigue',
})

# built-in synthesizer
T.update({
'Midi-Mapper could not be opened. ': 'No se pudo abrir el Midi-Mapper. ', ' (%1)': ' (%1)',
'No General MIDI SoundFont was found. Install fluid-soundfont-gm or timgm6mb-soundfont, or choose a SoundFont file.': 'No se encontró ningún SoundFont General MIDI. Instale fluid-soundfont-gm o timgm6mb-soundfont, o elija un archivo SoundFont.',
'The SoundFont "%1" does not exist.': 'El SoundFont «%1» no existe.', '"%1" is not a SoundFont.': '«%1» no es un SoundFont.',
'FluidSynth could not be started.': 'No se pudo iniciar FluidSynth.', 'FluidSynth could not be started': 'No se pudo iniciar FluidSynth',
'The SoundFont "%1" could not be loaded': 'No se pudo cargar el SoundFont «%1»', 'No audio output could be opened (tried %1)': 'No se pudo abrir ninguna salida de audio (probadas: %1)',
'The built-in synthesizer takes no more MIDI messages.': 'El sintetizador incorporado ya no acepta más mensajes MIDI.',
'FluidSynth has no audio output for this system.': 'FluidSynth no tiene salida de audio para este sistema.',
})
T.update({'Device Name:': 'Nombre del aparato:', 'Name of creator:': 'Nombre del autor:'})

# settings dialog
T.update({
'Notes played with the computer keys or arriving from MIDI are always shown on the keyboard.': 'Las notas tocadas con las teclas del ordenador o que llegan por MIDI se ven siempre en el teclado.',
'Here you can specify which key on the computer keyboard corresponds to note "C" / "do".': 'Aquí elige qué tecla del teclado del ordenador corresponde a la nota «C» / «do».',
'The velocity is the volume of a single note. On real music keyboards, this is how hard you press a key. The computer keys play with the standard velocity (F1 and F2 step it), the mouse too unless it plays by where a key is struck.': 'La velocidad es el volumen de una sola nota; en un teclado de verdad, la fuerza con que se pulsa la tecla. Las teclas del ordenador tocan con la velocidad estándar (F1 y F2 la cambian), y el ratón también, salvo si toca según dónde se pulsa la tecla.',
'Send program, bank and knob values when an output opens': 'Enviar programa, banco y perillas al abrir una salida',
'A synthesizer started or restarted later plays the sound the window shows.': 'Un sintetizador que se inicie o reinicie después toca el sonido que muestra la ventana.',
'The mouse and fingers play softer near the back of a key, louder near its front; without it they play with the standard velocity.': 'El ratón y los dedos tocan más suave al fondo de la tecla y más fuerte en su borde; sin esta opción tocan con la velocidad estándar.',
'Hard: loud only near the front. Soft: loud soon.': 'Duro: fuerte solo cerca del borde. Suave: fuerte enseguida.',
'On touch screens that sense it, how hard a finger presses goes out as polyphonic aftertouch of its notes.': 'En las pantallas táctiles que la detectan, la presión del dedo se envía como aftertouch polifónico de sus notas.',
'The &computer key that plays each note': 'Tecla del &ordenador de cada nota',
"The patch's names of the keys (drum &kits)": 'Nombres del patch (&kits de batería)',
"They are the keys' tooltips in any case.": 'De todos modos aparecen en la ayuda emergente de las teclas.',
"The computer keys &play only the scale's notes": 'Teclas del ordenador: so&lo las notas de la escala',
"The letter rows play the notes of the scale one after another, each row's C key the key note; the rows above them play nothing.": 'Las filas de letras tocan las notas de la escala una tras otra, con la tónica en la tecla de do de cada fila; las filas de encima no tocan nada.',
'These are the controllers that are sent when you use the "special hold mode" on the keyboard.': 'Son los controladores que se envían al usar la «retención especial» en el teclado.',
'This is the controller that is sent by the "modulation wheel" at the left side of the keyboard.': 'Es el controlador que envía la «rueda de modulación» a la izquierda del teclado.',
'The sensitivity defines how much the controller is changed with one "tick" of the mousewheel.': 'La sensibilidad define cuánto cambia el controlador con cada «clic» de la rueda del ratón.',
'You can use Alt+Mouse dragging to shift the keyboard\nwithout these buttons.': 'Sin estos botones, el teclado se desplaza\narrastrando con Alt y el ratón.',
'Hint: To easily set up the controller numbers, select a combobox and move the slider/knob that you want to control with it.': 'Consejo: para elegir fácilmente el número de controlador, seleccione una lista y mueva el deslizador o la perilla que quiere controlar con ella.',
'You can use a joystick to send controller messages. It must be connected and its device (/dev/input/js* or /dev/input/event*) readable by you to be used in Ondrel.': 'Puede enviar mensajes de controlador con un joystick. Para que Ondrel lo use, debe estar conectado y usted debe poder leer su dispositivo (/dev/input/js* o /dev/input/event*).',
'To easily set up the controller number, move the slider/knob that you want to control with it. In case of problems, disable it below.': 'Para elegir fácilmente el número de controlador, mueva el deslizador o la perilla que quiere controlar con él. Si da problemas, desactívelo abajo.',
'You can use a mouse wheel to send controller messages. Choose a controller below. You can turn the knob or wheel corresponding to the desired controller on Ondrel or a connected MIDI device to set the controller.': 'Puede enviar mensajes de controlador con la rueda del ratón. Elija abajo un controlador, o gire en Ondrel o en un aparato MIDI conectado la perilla o la rueda del controlador deseado.',
'"Slow" means very fine resolution but you need to turn a lot to change the controller significantly. On the other hand, "Fast" has the effect that little wheel movement results in big controller changes.': '«Lenta» da pasos muy finos, pero hay que girar mucho para cambiar bastante el controlador; con «Rápida», un pequeño giro de la rueda lo cambia mucho.',
})

# file operations and the folder view of the patch set chooser
T.update({
'"%1"': '«%1»', '%n items': ('%n elemento', '%n elementos'), 'the link cannot be made': 'no se puede crear el enlace',
'it is a device, pipe or socket': 'es un dispositivo, una tubería o un socket', 'the folder cannot be made': 'no se puede crear la carpeta',
'copied, but the original cannot be removed': 'copiado, pero no se puede quitar el original', '%1 %2 to %3: %4%': '%1 %2 a %3: %4%',
'Copying': 'Copiando', 'Moving': 'Moviendo', 'Linking': 'Enlazando', 'Could not copy "%1"': 'No se pudo copiar «%1»',
'Could not move "%1"': 'No se pudo mover «%1»', 'Could not make a link to "%1"': 'No se pudo crear un enlace a «%1»', 'The folder %1 is not there.': 'La carpeta %1 no existe.',
'it is no longer there': 'ya no existe', 'a folder cannot go into itself': 'una carpeta no puede ir dentro de sí misma', 'no free name is left': 'no queda ningún nombre libre', 'unknown error': 'error desconocido',
'folders nested too deeply': 'carpetas anidadas a demasiada profundidad', 'it could not be removed': 'no se pudo quitar',
'There is already an item named "%1" in this folder. Please choose another name.': 'Ya hay un elemento llamado «%1» en esta carpeta. Elija otro nombre.',
'Could not rename "%1" to "%2"': 'No se pudo cambiar el nombre de «%1» a «%2»', 'Could not create a new folder in %1.': 'No se pudo crear una carpeta nueva en %1.',
'Delete "%1" permanently?': '¿Borrar «%1» definitivamente?', 'Delete these %n items permanently?': ('¿Borrar este elemento definitivamente?', '¿Borrar estos %n elementos definitivamente?'),
'Could not delete "%1"': 'No se pudo borrar «%1»', 'Could not move "%1" to the trash': 'No se pudo mover «%1» a la papelera',
'%1 will be moved by the next Paste.': '%1: se moverá con el próximo Pegar.', '%1 copied.': 'Copiado: %1.',
'Copied %1 to %2.': 'Copiado a %2: %1.', 'Moved %1 to %2.': 'Movido a %2: %1.', 'Made links to %1 in %2.': 'Enlaces a %1 creados en %2.',
' "%1" was taken there, so it is "%2".': ' «%1» ya existía allí, así que se llama «%2».', 'Stopped. ': 'Detenido. ', '%1\n\nShown: %2, %3 (%4)': '%1\n\nMostrado: %2, %3 (%4)',
'1 folder': '1 carpeta', '%n folders': ('%n carpeta', '%n carpetas'), '1 file': '1 archivo', '%n files': ('%n archivo', '%n archivos'), '\nFree space: %1': '\nEspacio libre: %1',
'&View': '&Ver', 'Lar&ge Icons': 'Iconos &grandes', 'Shows the items as large icons.': 'Muestra los elementos como iconos grandes.', 'S&mall Icons': 'Iconos &pequeños',
'Shows the items as small icons.': 'Muestra los elementos como iconos pequeños.', '&List': '&Lista', 'Shows the items in a list.': 'Muestra los elementos en una lista.', '&Details': '&Detalles',
'Shows each item with its size, type, time and attributes.': 'Muestra cada elemento con su tamaño, tipo, fecha y atributos.', 'Arrange &Icons': '&Organizar iconos',
'by &Name': 'por &nombre', 'Sorts items alphabetically by name.': 'Ordena los elementos alfabéticamente por nombre.', 'by &Type': 'por &tipo', 'Sorts items by type.': 'Ordena los elementos por tipo.',
'by Si&ze': 'por ta&maño', 'Sorts items by size.': 'Ordena los elementos por tamaño.', 'by &Date': 'por &fecha', 'Sorts items by date, newest first.': 'Ordena los elementos por fecha, los más recientes primero.',
'&Auto Arrange': 'Organizar &automáticamente', 'Arranges the icons to fit the window.': 'Organiza los iconos para que quepan en la ventana.', 'Line &Up Icons': '&Alinear iconos',
'Lines the icons up on a grid.': 'Alinea los iconos en una cuadrícula.', 'Re&fresh': 'Actuali&zar', 'Reads the folder again.': 'Vuelve a leer la carpeta.', '&Paste': '&Pegar',
'Copies the files on the clipboard into this folder, or moves them when they were cut.': 'Copia en esta carpeta los archivos del portapapeles, o los mueve si se cortaron.',
'Paste &Shortcut': 'Pegar &enlace', 'Makes links to the files on the clipboard in this folder.': 'Crea en esta carpeta enlaces a los archivos del portapapeles.',
'&Folder': '&Carpeta', 'Creates a new folder.': 'Crea una carpeta nueva.', 'P&roperties': 'P&ropiedades', 'Shows what this folder holds.': 'Muestra lo que contiene esta carpeta.',
'&Open': '&Abrir', 'Opens the item.': 'Abre el elemento.', 'Re&name': 'Cambiar &nombre', 'Renames the item.': 'Cambia el nombre del elemento.', 'Cu&t': 'Cor&tar',
'Moves the selected items by the next Paste.': 'Mueve los elementos elegidos con el próximo Pegar.', '&Copy': '&Copiar', 'Copies the selected items by the next Paste.': 'Copia los elementos elegidos con el próximo Pegar.',
'Move to &Trash': 'Mover a la &papelera', 'Moves the selected items to the trash.': 'Mueve los elementos elegidos a la papelera.', '&Delete Permanently': '&Borrar definitivamente',
'Deletes the selected items for good.': 'Borra definitivamente los elementos elegidos.', 'Directory %1 is not valid.': 'El directorio %1 no es válido.', 'The folder %1 cannot be read.': 'No se puede leer la carpeta %1.',
'The folder %1 can no longer be read; showing %2.': 'Ya no se puede leer la carpeta %1; se muestra %2.', 'The folder %1 is no longer there; showing %2.': 'La carpeta %1 ya no existe; se muestra %2.',
'The folder %1 is no longer there.': 'La carpeta %1 ya no existe.', 'No application could open %1.': 'Ninguna aplicación pudo abrir %1.', 'Name': 'Nombre', 'Size': 'Tamaño', 'Type': 'Tipo',
'Modified': 'Modificado', 'Attributes': 'Atributos', 'Comment': 'Comentario', '%1 on %2': '%1 en %2', 'File': 'Archivo', 'File ': 'Archivo ', ' link': ' (enlace)',
'A name cannot be empty.': 'Un nombre no puede estar vacío.', '"%1" is not a valid name.': '«%1» no es un nombre válido.', 'A name cannot contain "%1".': 'Un nombre no puede contener «%1».',
'The name "%1" is too long.': 'El nombre «%1» es demasiado largo.',
})

# zones and the arpeggiator
T.update({
'Zones and Arpeggiator': 'Zonas y arpegiador', 'Split@TZoneForm': 'División',
'&Split the keyboard into zones@TZoneForm': '&Dividir el teclado en zonas',
'Ctrl + middle button on a key sets or removes a split point': 'Ctrl + botón central sobre una tecla pone o quita un punto de división',
'&Zones:@TZoneForm': '&Zonas:', 'Zone %1 from:': 'Zona %1 desde:', 'All zones': 'Todas las zonas',
'&Latch: notes sound on after their keys are let go (Insert)@TZoneForm': 'R&etención: las notas suenan tras soltarlas (Insert)',
'&Arpeggiator@TZoneForm': 'A&rpegiador',
'The zones whose arpeggiator is on play their notes one by one in time': 'Las zonas con el arpegiador activado tocan sus notas una a una, a tempo',
'Own tempo': 'Tempo propio', 'JACK transport': 'Transporte JACK', 'MIDI clock': 'Reloj MIDI',
'JACK transport: the tempo and bar position of the transport master while it rolls. MIDI clock: the clock arriving at Midi In.': 'Transporte JACK: el tempo y la posición en el compás del maestro del transporte mientras avanza. Reloj MIDI: el reloj que llega a la Entrada MIDI.',
'&Clock:@TZoneForm': 'Relo&j:', '&Tempo:@TZoneForm': 'Te&mpo:', 'Zone %1': 'Zona %1',
# a value the program reads back, as in the other catalogues
'none@TZoneForm': 'none',
'A second channel the zone plays on too': 'Un segundo canal en el que la zona también toca',
'as the chord box': 'como el campo Acorde', 'as struck': 'según pulsación', "Ondrel's output": 'Salida de Ondrel',
"A synthesizer of the zone's own; it opens as soon as it is there": 'Un sintetizador propio de la zona; se abre en cuanto está disponible',
'C&hannel:@TZoneForm': 'Cana&l:', 'La&yer:@TZoneForm': '&Capa:', '&Octave:@TZoneForm': '&Octava:', 'T&ranspose:@TZoneForm': '&Transponer:',
'&Program:@TZoneForm': '&Programa:', 'Bank &MSB:@TZoneForm': 'Banco M&SB:', 'Bank LS&B:@TZoneForm': 'Banco LS&B:', 'Chor&d:@TZoneForm': '&Acorde:',
'&Velocity:@TZoneForm': '&Velocidad:', 'O&utput port:@TZoneForm': 'P&uerto:', 'Arpegg&iate@TZoneForm': 'Arpeg&iar',
'Up': 'Arriba', 'Down': 'Abajo', 'Up and down': 'Arriba y abajo', 'As played': 'Según se toca', 'Random': 'Aleatorio',
'%1 triplets': '%1 tresillos', '%1 dotted': '%1 con puntillo',
'How much of its step a note sounds': 'Cuánto de su paso suena cada nota',
'Where the second step of each pair starts: 50 % is straight, 66 % a triplet feel': 'Dónde empieza el segundo paso de cada par: 50 % es sin swing, 66 % con aire de tresillo',
'Patt&ern:@TZoneForm': 'Patró&n:', '&Note value:@TZoneForm': '&Figura:', '&Gate:@TZoneForm': '&Gate:', 'S&wing:@TZoneForm': 'S&wing:',
'Octave range:': 'Octavas:', '%1 (not in the chord box)': '%1 (no está en el campo Acorde)', '%1 (not there now)': '%1 (ahora no está)',
"Without a split the whole keyboard plays on the keyboard's channel, with this arpeggiator": 'Sin división, todo el teclado toca en el canal del teclado, con este arpegiador',
'The zones\' port "%1" is not there; it opens as soon as it appears.': 'El puerto «%1» de las zonas no está; se abrirá en cuanto aparezca.',
'The zones\' port "%1" could not be opened: %2': 'No se pudo abrir el puerto «%1» de las zonas: %2',
"Opened the zones' port %1.": 'Abierto el puerto %1 de las zonas.',
'The zones\' port "%1" went away; it opens again as soon as it appears.': 'El puerto «%1» de las zonas ha desaparecido; se volverá a abrir en cuanto aparezca.',
})

# second reading
T.update({
'%1 up': 'Subir %1', '%1 down': 'Bajar %1',
'One step up; held, it goes on': 'Sube un paso; mantenido, sigue subiendo', 'One step down; held, it goes on': 'Baja un paso; mantenido, sigue bajando',
'Choose a directory': 'Elegir un directorio',
'Script is not a Cubase Parse File.': 'El script no es un archivo Cubase Parse.', 'Premature end of Cubase Parse File.': 'Final prematuro del archivo Cubase Parse.',
})
