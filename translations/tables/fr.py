# French texts for the translation filler: source text -> translation.
from fres import FE

T = {k: v[0] for k, v in FE.items()}

T.update({
# controller names, as French gear and its manuals say them
'Bank Sel MSB': 'Choix de banque MSB', 'Modulation': 'Modulation', 'Breath Control': 'Souffle',
'Pedal': 'Pédale', 'Porta Time': 'Temps de portamento', 'Data MSB': 'Data Entry MSB',
'Main Volume': 'Volume', 'Balance': 'Balance', 'Panpot': 'Panoramique', 'Expression': 'Expression',
'Effect 1': 'Effet 1', 'Effect 2': 'Effet 2', 'Foot Control / General 1': 'Contrôleur au pied / Général 1',
'General 2': 'Général 2', 'General 3': 'Général 3', 'General 4': 'Général 4',
'Bank Sel LSB': 'Choix de banque LSB', 'Mod Wheel LSB': 'Molette de modulation LSB',
'Breath Control LSB': 'Souffle LSB', 'Pedal LSB': 'Pédale LSB',
'Porta Time LSB': 'Temps de portamento LSB', 'Data LSB': 'Data Entry LSB', 'Volume LSB': 'Volume LSB',
'Balance LSB': 'Balance LSB', 'Panpot LSB': 'Panoramique LSB', 'Expression LSB': 'Expression LSB',
'Effect 1 LSB': 'Effet 1 LSB', 'Effect 2 LSB': 'Effet 2 LSB', 'General 1 LSB': 'Général 1 LSB',
'General 2 LSB': 'Général 2 LSB', 'General 3 LSB': 'Général 3 LSB', 'General 4 LSB': 'Général 4 LSB',
'Sustain Sw': 'Pédale de sustain', 'Porta Switch': 'Portamento on/off', 'Soft Pedal': 'Pédale douce',
'Legato Footswitch': 'Pédale de legato', 'Hold 2': 'Hold 2', 'Sound Variation': 'Variation de son',
'Harmonic': 'Résonance', 'Release Time': 'Temps de relâchement', 'Attack Time': "Temps d'attaque",
'Brightness': 'Brillance', 'Sound Control 6': 'Contrôle du son 6', 'Sound Control 7': 'Contrôle du son 7',
'Sound Control 8': 'Contrôle du son 8', 'Sound Control 9': 'Contrôle du son 9',
'Sound Control 10': 'Contrôle du son 10', 'General 5': 'Général 5', 'General 6': 'Général 6',
'General 7': 'Général 7', 'General 8': 'Général 8', 'Portamento': 'Portamento', 'Reverb': 'Réverb',
'Tremolo': 'Trémolo', 'Chorus': 'Chorus', 'Variation': 'Variation', 'Phaser': 'Phaser',
'Data Increment': 'Data Increment', 'Data Decrement': 'Data Decrement',
'NRPN LSB': 'NRPN LSB', 'NRPN MSB': 'NRPN MSB', 'RPN LSB': 'RPN LSB', 'RPN MSB': 'RPN MSB',
'All Sounds off': 'Tous sons coupés', 'Reset Controllers': 'Réinitialiser les contrôleurs',
'Local Control': 'Local Control', 'All Notes Off': 'Toutes notes coupées', 'Omni Mode On': 'Mode Omni activé',
'Omni Mode Off': 'Mode Omni désactivé', 'Mono Mode On': 'Mode Mono activé', 'Poly Mode On': 'Mode Poly activé',
'Undefined': 'Non défini',
# saving files
'Could not save "%1": %2': "Impossible d'enregistrer « %1 » : %2",
'the data could not be written': "les données n'ont pas pu être écrites",
'the file is read-only': 'le fichier est en lecture seule',
'cannot create the folder': 'impossible de créer le dossier',
'Ondrel (%1)': 'Ondrel (%1)',
# the settings file
'Could not read "%1": %2': 'Impossible de lire « %1 » : %2',
'Line %1 of %2 is not a setting; it was ignored.': "La ligne %1 de %2 n'est pas un paramètre ; elle a été ignorée.",
'%1 and %2 more': '%1 et %2 autres',
'%1 and %2': '%1 et %2',
'Lines %1 of %2 are not settings; they were ignored.': 'Les lignes %1 de %2 ne sont pas des paramètres ; elles ont été ignorées.',
'Settings not saved: %1': 'Paramètres non enregistrés : %1',
'Settings could not be saved: %1': "Les paramètres n'ont pas pu être enregistrés : %1",
'%1\nThe settings are kept, and saving them is tried again.': "%1\nLes paramètres sont conservés ; l'enregistrement sera retenté.",
'The settings file "%1" could not be read (%2); it was kept as "%3" and default settings are used.':
 "Le fichier de paramètres « %1 » n'a pas pu être lu (%2) ; il a été conservé sous le nom « %3 » et les paramètres par défaut sont utilisés.",
'the damaged settings file "%1" is kept as it is': 'le fichier de paramètres endommagé « %1 » est conservé tel quel',
'The settings file "%1" could not be read (%2); it was left as it is and settings will not be saved.':
 "Le fichier de paramètres « %1 » n'a pas pu être lu (%2) ; il a été laissé tel quel et les paramètres ne seront pas enregistrés.",
'the settings were removed by Uninstall': 'les paramètres ont été supprimés par Désinstaller',
# export and import
# &Paramètres takes the p in the Import and Export menus
'Knob &Presets...@TExImport': 'Préréglages de &boutons...', 'Knob &Presets@TExImport': 'Préréglages de &boutons',
'Export Settings': 'Exporter les paramètres', 'Export Knob Presets': 'Exporter les préréglages de boutons',
'Export Knob Snapshots': 'Exporter les instantanés de boutons', 'Export Chords': 'Exporter les accords',
'Import Settings': 'Importer les paramètres', 'Import Knob Presets': 'Importer les préréglages de boutons',
'Import Knob Snapshots': 'Importer les instantanés de boutons', 'Import Chords': 'Importer les accords',
'All your stored knob presets are written to the ini file, each under its own name.':
 'Tous vos préréglages de boutons enregistrés sont écrits dans le fichier ini, chacun sous son nom.',
'Knobs you changed but did not save as a preset are not exported, nor is the built-in preset "Default".':
 "Les boutons modifiés mais non enregistrés comme préréglage ne sont pas exportés, pas plus que le préréglage intégré « Default ».",
'The knob snapshots of the Knobs menu are written to the ini file with their names and values.':
 'Les instantanés de boutons du menu Boutons sont écrits dans le fichier ini avec leurs noms et leurs valeurs.',
'Only the snapshots you have defined are exported.': 'Seuls les instantanés que vous avez définis sont exportés.',
'Your custom chords are written to the ini file with their names and notes.':
 'Vos accords personnalisés sont écrits dans le fichier ini avec leurs noms et leurs notes.',
'The built-in chords (Major, Minor, ...) are not exported.': 'Les accords intégrés (Majeur, Mineur, ...) ne sont pas exportés.',
'Knob presets are read from a previously exported ini file. A preset of the same name as one you have replaces it.':
 "Les préréglages de boutons sont lus dans un fichier ini exporté auparavant. Un préréglage du même nom qu'un des vôtres le remplace.",
'Overwrite existing knob presets': 'Écraser les préréglages de boutons existants',
'Add to existing knob presets': 'Ajouter aux préréglages de boutons existants',
'Knob snapshots are read from a previously exported ini file.': 'Les instantanés de boutons sont lus dans un fichier ini exporté auparavant.',
'Each snapshot in the file replaces the one of the same number; the other snapshots stay as they are.':
 'Chaque instantané du fichier remplace celui de même numéro ; les autres instantanés restent tels quels.',
'Custom chords are read from a previously exported ini file. A chord of the same name as one you have replaces it.':
 "Les accords personnalisés sont lus dans un fichier ini exporté auparavant. Un accord du même nom qu'un des vôtres le remplace.",
'Overwrite existing chords': 'Écraser les accords existants',
'Add to existing chords': 'Ajouter aux accords existants',
"Don't show this again": 'Ne plus afficher',
'Click OK to continue, or Cancel to cancel this operation.': "Cliquez sur OK pour continuer ou sur Annuler pour annuler l'opération.",
'Your settings are written to an ini file. They include:': 'Vos paramètres sont écrits dans un fichier ini. Ils comprennent :',
'Settings are read from a previously exported ini file. They include:': 'Les paramètres sont lus dans un fichier ini exporté auparavant. Ils comprennent :',
'- Keyboard settings (like key width)\n- window size and position\n- most other options of the settings dialog.\n- mouse wheel assignment\n- joystick assignment\n- which patch, chord, knob preset is selected':
 '- les réglages du clavier (comme la largeur des touches)\n- la taille et la position de la fenêtre\n- la plupart des autres options de la boîte de dialogue des paramètres\n- l\'affectation de la molette de la souris\n- l\'affectation du joystick\n- le patch, l\'accord et le préréglage de boutons choisis',
'Knob presets, knob snapshots and chords are not part of the settings: export them on their own.':
 'Les préréglages de boutons, les instantanés de boutons et les accords ne font pas partie des paramètres : exportez-les séparément.',
'The selected program, bank, knob preset and the joystick assignment take effect the next time Ondrel starts; the rest at once.':
 "Le programme, la banque, le préréglage de boutons choisis et l'affectation du joystick prennent effet au prochain démarrage d'Ondrel ; le reste immédiatement.",
'This is helpful when you want to transfer your settings to another computer, give them to a friend, or you have to reinstall your system.':
 'Cela sert à transférer vos paramètres sur un autre ordinateur, à les donner à un ami ou à les garder quand vous devez réinstaller votre système.',
'Ini files (*.ini)': 'Fichiers ini (*.ini)', 'All files (*)': 'Tous les fichiers (*)',
'Import previously exported ini file.': 'Importer un fichier ini exporté auparavant.',
'Import settings (as in the settings dialog) from a previously exported ini file.':
 'Importer les paramètres (ceux de la boîte de dialogue des paramètres) depuis un fichier ini exporté auparavant.',
'Import knob presets from a previously exported ini file.': 'Importer des préréglages de boutons depuis un fichier ini exporté auparavant.',
'Import knob snapshots from a previously exported ini file.': 'Importer des instantanés de boutons depuis un fichier ini exporté auparavant.',
'Import chords from a previously exported ini file.': 'Importer des accords depuis un fichier ini exporté auparavant.',
'Export to an ini file.': 'Exporter vers un fichier ini.',
'Export settings (as in the settings dialog) to an ini file.': 'Exporter les paramètres (ceux de la boîte de dialogue des paramètres) vers un fichier ini.',
'Export knob presets to an ini file.': 'Exporter les préréglages de boutons vers un fichier ini.',
'Export knob snapshots to an ini file.': 'Exporter les instantanés de boutons vers un fichier ini.',
'Export your custom chords to an ini file.': 'Exporter vos accords personnalisés vers un fichier ini.',
'Select export file': "Choisir le fichier d'exportation",
'Select import file': "Choisir le fichier d'importation",
'The file "%1" does not exist (any more).': "Le fichier « %1 » n'existe pas (ou plus).",
'"%1" is not an ini file. Nothing was imported.': "« %1 » n'est pas un fichier ini. Rien n'a été importé.",
'Could not create a temporary folder: %1': 'Impossible de créer un dossier temporaire : %1',
'%1 failed.\n\n%2': '%1 : échec.\n\n%2',
'Settings saved successfully.': 'Paramètres enregistrés.',
'No knob presets could be saved.': "Aucun préréglage de boutons n'a pu être enregistré.",
'No knob snapshots could be saved.': "Aucun instantané de boutons n'a pu être enregistré.",
'No custom chords could be saved.': "Aucun accord personnalisé n'a pu être enregistré.",
'No settings could be loaded.': "Aucun paramètre n'a pu être chargé.",
'Settings loaded successfully.': 'Paramètres chargés.',
'No knob presets could be loaded.': "Aucun préréglage de boutons n'a pu être chargé.",
'No knob snapshots could be loaded.': "Aucun instantané de boutons n'a pu être chargé.",
'No custom chords could be loaded.': "Aucun accord personnalisé n'a pu être chargé.",
'%n knob presets saved successfully.': ('%n préréglage de boutons enregistré.', '%n préréglages de boutons enregistrés.'),
'%n knob snapshots saved successfully.': ('%n instantané de boutons enregistré.', '%n instantanés de boutons enregistrés.'),
'%n custom chords saved successfully.': ('%n accord personnalisé enregistré.', '%n accords personnalisés enregistrés.'),
'%n knob presets loaded successfully.': ('%n préréglage de boutons chargé.', '%n préréglages de boutons chargés.'),
'%n knob snapshots loaded successfully.': ('%n instantané de boutons chargé.', '%n instantanés de boutons chargés.'),
'%n custom chords loaded successfully.': ('%n accord personnalisé chargé.', '%n accords personnalisés chargés.'),
# file operations
'"%1"': '« %1 »',
'%n items': ('%n élément', '%n éléments'),
'the link cannot be made': 'impossible de créer le lien',
'it is a device, pipe or socket': "c'est un périphérique, un tube ou un socket",
'the folder cannot be made': 'impossible de créer le dossier',
'copied, but the original cannot be removed': "copié, mais impossible de supprimer l'original",
'%1 %2 to %3: %4%': '%1 %2 vers %3 : %4 %',
'Copying': 'Copie de', 'Moving': 'Déplacement de', 'Linking': 'Liaison de',
'Could not copy "%1"': 'Impossible de copier « %1 »',
'Could not move "%1"': 'Impossible de déplacer « %1 »',
'Could not make a link to "%1"': 'Impossible de créer un lien vers « %1 »',
'The folder %1 is not there.': "Le dossier %1 n'existe pas.",
'it is no longer there': "il n'existe plus",
'a folder cannot go into itself': 'un dossier ne peut pas aller dans lui-même',
'no free name is left': 'plus aucun nom libre',
'unknown error': 'erreur inconnue',
'Controller knob: the arrow keys turn it, Page Up and Down faster': 'Bouton de contrôleur : les flèches le tournent, Page préc. et Page suiv. plus vite',
'it is not a settings file': "ce n'est pas un fichier de paramètres",
'it is not a text file': "ce n'est pas un fichier texte",
# knob presets
'You have made changes to knob preset "%1". Do you want to save it ?': 'Vous avez modifié le préréglage de boutons « %1 ». Voulez-vous l\'enregistrer ?',
'You have changed the knobs. Do you want to save them as a preset ?': 'Vous avez modifié les boutons. Voulez-vous les enregistrer comme préréglage ?',
'You can\'t name a preset "%1".': 'Un préréglage ne peut pas s\'appeler « %1 ».',
'Please enter a name for the preset.': 'Entrez un nom pour le préréglage.',
'A preset name can\'t begin or end with a blank, nor hold "\\", "]" or a line break.':
 'Un nom de préréglage ne peut ni commencer ni finir par une espace, ni contenir « \\ », « ] » ou un saut de ligne.',
'A preset with this name already exists !': 'Un préréglage de ce nom existe déjà !',
'You must make a new preset before being able to save it.': "Créez d'abord un nouveau préréglage avant de l'enregistrer.",
'Please select a preset to delete.': 'Choisissez le préréglage à supprimer.',
'Are you sure to delete preset "%1" ?\nThis can\'t be undone later !': 'Supprimer vraiment le préréglage « %1 » ?\nCela ne pourra pas être annulé !',
'%1 (UKnobList)': '%1 (UKnobList)',
'Knob preset "%1": knob %2 ("%3") has the controller number %4; controller numbers run from 0 to 127, so this knob was not loaded.':
 "Préréglage de boutons « %1 » : le bouton %2 (« %3 ») a le numéro de contrôleur %4 ; les numéros de contrôleur vont de 0 à 127, ce bouton n'a donc pas été chargé.",
})

T.update({
# main window
'the folder "%1" cannot be created': 'impossible de créer le dossier « %1 »',
'the file "%1" is read-only': 'le fichier « %1 » est en lecture seule',
'the folder "%1" is not writable': "le dossier « %1 » n'est pas accessible en écriture",
'Settings cannot be saved: %1.': 'Impossible d\'enregistrer les paramètres : %1.',
'On Wayland the desktop places the window: the place it had is kept for an X11 session.':
 "Sous Wayland, c'est le bureau qui place la fenêtre : sa position précédente est gardée pour une session X11.",
"Stay on Top is not available on Wayland, which lets no program keep its window above the others; the desktop's own window menu may offer it.":
 "Toujours au premier plan n'est pas disponible sous Wayland, qui ne laisse aucun programme garder sa fenêtre au-dessus des autres ; le menu de fenêtre du bureau le propose peut-être.",
'Readme.txt cannot be shown: it is not in %1, nor in %2.': "Impossible d'afficher Readme.txt : il n'est ni dans %1 ni dans %2.",
"This removes all of Ondrel's settings, its knob presets, snapshots and chords included (the file %1), and closes Ondrel.\n\nDo you want to continue?":
 "Cela supprime tous les paramètres d'Ondrel, y compris ses préréglages de boutons, ses instantanés et ses accords (le fichier %1), puis ferme Ondrel.\n\nVoulez-vous continuer ?",
'The settings could not be removed:\n%1': "Les paramètres n'ont pas pu être supprimés :\n%1",
'The settings file %1 has been removed.\n\nTo remove the program itself, uninstall its package with your package manager; if you installed it from its sources, delete the files listed in install_manifest.txt of the build folder.':
 'Le fichier de paramètres %1 a été supprimé.\n\nPour supprimer le programme lui-même, désinstallez son paquet avec votre gestionnaire de paquets ; si vous l\'avez installé depuis les sources, supprimez les fichiers listés dans install_manifest.txt du dossier de compilation.',
# the zone buttons keep the short names French players use on their gear; the menu says it in full
'Split': 'Split', 'Latch': 'Latch', 'Arp': 'Arp',
'Split the keyboard into zones, each on a channel of its own (Ctrl + middle button on a key sets or removes a split point; Options > Zones and Arpeggiator sets them up)':
 'Partager le clavier en zones, chacune sur son propre canal (Ctrl + bouton du milieu sur une touche pose ou retire un point de partage ; Options > Zones et arpégiateur les règle)',
'Latch: the notes played go on sounding after their keys are let go, until the next chord (Insert)':
 "Verrouillage (latch) : les notes jouées continuent de sonner une fois les touches relâchées, jusqu'à l'accord suivant (Inser)",
'Arpeggiator: the zones play their notes one by one, in time': 'Arpégiateur : les zones jouent leurs notes une à une, en rythme',
'Split &Keyboard': 'C&lavier partagé', '&Latch': '&Verrouillage', '&Arpeggiator': '&Arpégiateur',
'&Zones and Arpeggiator...': '&Zones et arpégiateur...',
'The arpeggiator cannot play: the output plays too much at once.': "L'arpégiateur ne peut pas jouer : la sortie joue trop de choses à la fois.",
'Split point %1 removed: %2 zones': 'Point de partage %1 retiré : %2 zones',
'Split at %1: %2 zones': 'Partage à %1 : %2 zones',
'Latch on': 'Verrouillage activé', 'Latch off': 'Verrouillage désactivé',
'Arpeggiator on': 'Arpégiateur activé', 'Arpeggiator off': 'Arpégiateur désactivé',
# MIDI services and ports
'ALSA sequencer': 'Séquenceur ALSA', 'Windows MIDI': 'Windows MIDI', 'Core MIDI': 'Core MIDI',
'The MIDI port "%1" is not available.': "Le port MIDI « %1 » n'est pas disponible.",
'The %1 MIDI service is not running.': "Le service MIDI %1 n'est pas lancé.",
'The JACK server takes no more MIDI messages.': "Le serveur JACK n'accepte plus de messages MIDI.",
'The JACK server is no longer running.': "Le serveur JACK ne tourne plus.",
'The MIDI message is too long to send.': 'Le message MIDI est trop long pour être envoyé.',
'The JACK server refused the MIDI port "%1".': 'Le serveur JACK a refusé le port MIDI « %1 ».',
'No MIDI service is running (tried: %1).': "Aucun service MIDI n'est lancé (essayés : %1).",
'none compiled in': 'aucun compilé',
'The JACK server is not running: start it (e.g. with QjackCtl) or choose ALSA.':
 "Le serveur JACK n'est pas lancé : démarrez-le (par ex. avec QjackCtl) ou choisissez ALSA.",
'The JACK server is not running: start it (e.g. with QjackCtl).': "Le serveur JACK n'est pas lancé : démarrez-le (par ex. avec QjackCtl).",
'The ALSA sequencer is not available: load its kernel module (modprobe snd-seq) or choose JACK.':
 "Le séquenceur ALSA n'est pas disponible : chargez son module noyau (modprobe snd-seq) ou choisissez JACK.",
'The ALSA sequencer is not available: load its kernel module (modprobe snd-seq).':
 "Le séquenceur ALSA n'est pas disponible : chargez son module noyau (modprobe snd-seq).",
'The %1 MIDI service is not available.': "Le service MIDI %1 n'est pas disponible.",
' -> ': ' -> ',
'Automatic': 'Automatique',
'%1 "%2" went away; it opens again as soon as it appears.': "%1 : le port « %2 » a disparu ; il se rouvre dès qu'il réapparaît.",
' could not be opened.': " n'a pas pu être ouvert.",
'Opened ': 'Ouvert : ', ' successfully.': '.', 'Closing ': 'Fermeture : ', ' ...': ' ...', 'Closed ': 'Fermé : ',
'Midi Out': 'Sortie MIDI', 'Midi In': 'Entrée MIDI',
'%1 "%2" is a port of Ondrel\'s own; it was not opened.': "%1 : « %2 » est un port d'Ondrel lui-même ; il n'a pas été ouvert.",
'%1 "%2" is not there; it opens as soon as it appears.': "%1 : le port « %2 » est absent ; il s'ouvrira dès qu'il apparaîtra.",
'The %1 server is no longer running.': 'Le serveur %1 ne tourne plus.',
'JACK server': 'serveur JACK', 'MIDI service': 'service MIDI',
'%1 %2 was closed; it opens again when the %3 is back.': '%1 Le port %2 a été fermé ; il se rouvrira au retour du %3.',
'%1 %2 and %3 were closed; they open again when the %4 is back.': '%1 Les ports %2 et %3 ont été fermés ; ils se rouvriront au retour du %4.',
'Midi In closed: what Ondrel sends comes straight back to it (%1), and Midi Thru would play every note again and again.':
 "Entrée MIDI fermée : ce qu'Ondrel envoie lui revient directement (%1), et MIDI Thru rejouerait chaque note sans fin.",
'Unspecified error': 'Erreur non précisée',
# MIDI files
'Track %1 is damaged: it ends in the middle of an event (byte %2).': "La piste %1 est endommagée : elle s'arrête au milieu d'un événement (octet %2).",
'Track %1 is damaged: the number at byte %2 is longer than four bytes.': "La piste %1 est endommagée : le nombre à l'octet %2 dépasse quatre octets.",
'Track %1 is damaged: the tempo change at byte %2 is not valid.': "La piste %1 est endommagée : le changement de tempo à l'octet %2 n'est pas valide.",
'Track %1 is damaged: byte %2 begins an event that MIDI files do not have (%3).': "La piste %1 est endommagée : l'octet %2 commence un événement qui n'existe pas dans les fichiers MIDI (%3).",
'Track %1 is damaged: a data byte (byte %2) stands where an event must begin.': "La piste %1 est endommagée : un octet de données (octet %2) se trouve là où doit commencer un événement.",
'Track %1 is damaged: the message at byte %2 is cut short by another.': "La piste %1 est endommagée : le message à l'octet %2 est interrompu par un autre.",
'Out of memory.': 'Mémoire insuffisante.',
'MIDI input overflowed: %n messages lost': ("Débordement de l'entrée MIDI : %n message perdu", "Débordement de l'entrée MIDI : %n messages perdus"),
'MIDI thru overflowed: %n messages lost': ('Débordement du MIDI Thru : %n message perdu', 'Débordement du MIDI Thru : %n messages perdus'),
'%1 up': '%1 plus', '%1 down': '%1 moins',
'Steps %1 up or down': 'Augmente ou diminue %1',
'One step up; held, it goes on': "Monte d'un cran ; maintenu, continue de monter",
'One step down; held, it goes on': "Descend d'un cran ; maintenu, continue de descendre",
# patch scripts
'Unknown command "%s" is ignored.': 'La commande inconnue « %s » est ignorée.',
'Sub group does not exist. Lower the level.': "Le sous-groupe n'existe pas. Baissez le niveau.",
'Syntax error.': 'Erreur de syntaxe.',
'No "define patchnames" section in the first %1.': 'Aucune section « define patchnames » dans les premiers %1.',
'Empty patch script file.': 'Fichier de script de patches vide.',
'Script is not a Cubase Parse File.': "Le script n'est pas un fichier Cubase Parse File.",
'Premature end of Cubase Parse File.': 'Fin prématurée du fichier Cubase Parse File.',
'Version Number not found.': 'Numéro de version introuvable.',
'Wrong version number.': 'Mauvais numéro de version.',
'No "define patchnames" section !': 'Aucune section « define patchnames » !',
'Function [%s] is not implemented and ignored.': "La fonction [%s] n'est pas prise en charge ; elle est ignorée.",
'Name is missing.': 'Nom manquant.',
'No program defined for key.': 'Aucun programme défini pour la touche.',
'No group defined for sorted property. Ignored.': 'Aucun groupe défini pour la propriété triée. Ignoré.',
'Ignoring remaining "%s" in command.': 'Le reste « %s » de la commande est ignoré.',
'MSB out of bounds (-1..127)': 'MSB hors limites (-1..127)',
'LSB out of bounds (-1..127)': 'LSB hors limites (-1..127)',
'Line ': 'Ligne ',
'Cannot open "%1": %2': "Impossible d'ouvrir « %1 » : %2",
'Cannot read "%1": %2': 'Impossible de lire « %1 » : %2',
'Cannot read "%1": %2, and a patch script may have at most %3.': 'Impossible de lire « %1 » : %2, et un script de patches peut avoir au plus %3.',
'and %1 more': 'et %1 autres',
'[end] command not found.': 'Commande [end] introuvable.',
'Number expected.': 'Nombre attendu.',
'Choose Patch Set': 'Choisir un jeu de patches',
'Choose a directory': 'Choisir un répertoire',
'Home@TPatchSetChooser': 'Accueil',
"Go to Ondrel's directory": "Aller au répertoire d'Ondrel",
'Folder': 'Dossier', 'Choose a folder': 'Choisir un dossier',
'Patch scripts': 'Scripts de patches',
'Name:': 'Nom :', 'Device Name:': "Nom de l'appareil :", 'Device Manufacturer:': "Fabricant de l'appareil :",
'Name of creator:': 'Nom du créateur :',
'Patch Scripts (*.txt)': 'Scripts de patches (*.txt)', 'All Files (*.*)': 'Tous les fichiers (*.*)',
'Loading Patch Set': 'Chargement du jeu de patches',
'Loading the patch set "%1"...': 'Chargement du jeu de patches « %1 »...',
# the player
'Play what you played last (since the last silence)': 'Rejouer ce que vous avez joué en dernier (depuis le dernier silence)',
'Position: drag to go elsewhere in the piece': 'Position : faites glisser pour aller ailleurs dans le morceau',
'%1 / %2': '%1 / %2',
'Open MIDI File': 'Ouvrir un fichier MIDI',
'MIDI files (*.mid *.midi *.smf *.kar);;All files (*)': 'Fichiers MIDI (*.mid *.midi *.smf *.kar);;Tous les fichiers (*)',
'The file holds nothing to play.': 'Le fichier ne contient rien à jouer.',
'"%1" cannot be played.\n\n%2': 'Impossible de lire « %1 ».\n\n%2',
'System exclusive messages left out (too long to send, or incomplete): %1.': 'Messages System Exclusive omis (trop longs à envoyer ou incomplets) : %1.',
'No MIDI output is open: choose one in the Midi Out menu.': "Aucune sortie MIDI n'est ouverte : choisissez-en une dans le menu Sortie MIDI.",
'Bank: %1': 'Banque : %1',
})

T.update({
# the take
'Since the last &silence of at least': 'Depuis le dernier &silence d\'au moins',
' s': ' s', ' min': ' min', ' BPM': ' BPM', ' MB': ' Mo',
'The &last': 'Les &dernières',
'The tempo written in the file: a DAW counts bars in it. The notes keep the times they were played at.':
 "Le tempo écrit dans le fichier : un séquenceur y compte les mesures. Les notes gardent les instants où elles ont été jouées.",
'Drag the take from here into a DAW or a file manager.': "Faites glisser la prise d'ici vers un séquenceur ou un gestionnaire de fichiers.",
'Playing kept in memory': 'Jeu gardé en mémoire',
'The last 30 minutes, at &most:': 'Les 30 dernières minutes, au &plus :',
'Take %1.mid': 'Prise %1.mid',
'Nothing was played in that time.': "Rien n'a été joué pendant ce temps.",
'Notes: %1, length: %2, played at %3.': 'Notes : %1, durée : %2, heure : %3.',
'Messages sent while the computer was too busy to keep them: %1.': "Messages envoyés pendant que l'ordinateur était trop occupé pour les garder : %1.",
'Save Take As': 'Enregistrer la prise sous',
'MIDI files (*.mid *.midi)': 'Fichiers MIDI (*.mid *.midi)',
'The take could not be saved as "%1".\n\n%2': "La prise n'a pas pu être enregistrée sous « %1 ».\n\n%2",
'Take saved as "%1" (notes: %2, length: %3).': 'Prise enregistrée sous « %1 » (notes : %2, durée : %3).',
'Drag the take into a DAW or a file manager as a MIDI file': 'Faire glisser la prise vers un séquenceur ou un gestionnaire de fichiers, en fichier MIDI',
'No temporary folder can be made for the file: %1.': 'Impossible de créer un dossier temporaire pour le fichier : %1.',
# settings
'Notes played with the computer keys or arriving from MIDI are always shown on the keyboard.':
 "Les notes jouées avec les touches de l'ordinateur ou reçues en MIDI sont toujours affichées sur le clavier.",
'Here you can specify which key on the computer keyboard corresponds to note "C" / "do".':
 "Indiquez ici quelle touche du clavier de l'ordinateur correspond à la note « C » / « do ».",
'The velocity is the volume of a single note. On real music keyboards, this is how hard you press a key. The computer keys play with the standard velocity (F1 and F2 step it), the mouse too unless it plays by where a key is struck.':
 "La vélocité est le volume d'une note. Sur un vrai clavier, c'est la force avec laquelle on frappe la touche. Les touches de l'ordinateur jouent à la vélocité standard (F1 et F2 la changent), la souris aussi, sauf si elle joue selon l'endroit où la touche est frappée.",
'Send program, bank and knob values when an output opens': "Envoyer programme, banque et boutons à l'ouverture d'une sortie",
'A synthesizer started or restarted later plays the sound the window shows.':
 'Un synthétiseur démarré ou redémarré plus tard joue le son affiché par la fenêtre.',
'The mouse and fingers play softer near the back of a key, louder near its front; without it they play with the standard velocity.':
 "La souris et les doigts jouent plus doux vers le fond de la touche, plus fort vers l'avant ; sinon, ils jouent à la vélocité standard.",
'Hard: loud only near the front. Soft: loud soon.': "Dur : fort seulement vers l'avant. Doux : vite fort.",
'On touch screens that sense it, how hard a finger presses goes out as polyphonic aftertouch of its notes.':
 "Sur les écrans tactiles qui la mesurent, la pression d'un doigt est envoyée en aftertouch polyphonique de ses notes.",
'The &computer key that plays each note': "Touche d'o&rdinateur de la note",
"The patch's names of the keys (drum &kits)": 'Noms du patch (&kits de batterie)',
"They are the keys' tooltips in any case.": 'Ils apparaissent de toute façon en infobulle des touches.',
"The computer keys &play only the scale's notes": "Les touches d'ordinateur ne &jouent que la gamme",
"The letter rows play the notes of the scale one after another, each row's C key the key note; the rows above them play nothing.":
 "Les rangées de lettres jouent les notes de la gamme l'une après l'autre, la touche C de chaque rangée la tonique ; les rangées au-dessus ne jouent rien.",
'&Middle C (note 60):': 'Do &central (note 60) :',
# the velocity curve runs from Dur to Doux; the pedal stays la pédale douce
'Soft@TSettings': 'Doux',
# A&ppliquer takes the p on every page of the dialog
'Finger &pressure as aftertouch': 'Pr&ession du doigt en aftertouch',
'These are the controllers that are sent when you use the "special hold mode" on the keyboard.':
 'Ce sont les contrôleurs envoyés quand vous utilisez le « maintien spécial » sur le clavier.',
'This is the controller that is sent by the "modulation wheel" at the left side of the keyboard.':
 "C'est le contrôleur envoyé par la « molette de modulation » à gauche du clavier.",
'The sensitivity defines how much the controller is changed with one "tick" of the mousewheel.':
 "La sensibilité définit de combien un « cran » de la molette de la souris change le contrôleur.",
'You can use Alt+Mouse dragging to shift the keyboard\nwithout these buttons.': 'Alt + glisser avec la souris décale le clavier\nsans ces boutons.',
'Hint: To easily set up the controller numbers, select a combobox and move the slider/knob that you want to control with it.':
 'Astuce : pour régler facilement les numéros de contrôleur, choisissez une liste et bougez le curseur ou le bouton à piloter avec elle.',
'You can use a joystick to send controller messages. It must be connected and its device (/dev/input/js* or /dev/input/event*) readable by you to be used in Ondrel.':
 'Un joystick peut envoyer des messages de contrôleur. Pour servir dans Ondrel, il doit être branché et son périphérique (/dev/input/js* ou /dev/input/event*) lisible par vous.',
'To easily set up the controller number, move the slider/knob that you want to control with it. In case of problems, disable it below.':
 'Pour régler facilement le numéro de contrôleur, bougez le curseur ou le bouton à piloter avec lui. En cas de problème, désactivez ce choix ci-dessous.',
'You can use a mouse wheel to send controller messages. Choose a controller below. You can turn the knob or wheel corresponding to the desired controller on Ondrel or a connected MIDI device to set the controller.':
 "La molette de la souris peut envoyer des messages de contrôleur. Choisissez un contrôleur ci-dessous, ou tournez le bouton ou la molette du contrôleur voulu dans Ondrel ou sur un appareil MIDI branché.",
'"Slow" means very fine resolution but you need to turn a lot to change the controller significantly. On the other hand, "Fast" has the effect that little wheel movement results in big controller changes.':
 '« Lent » donne une résolution très fine, mais il faut beaucoup tourner pour changer nettement le contrôleur. « Rapide », au contraire, change beaucoup le contrôleur pour un petit mouvement de la molette.',
'The settings have been saved.': 'Les paramètres ont été enregistrés.',
# the built-in synthesizer
'Midi-Mapper could not be opened. ': "Midi-Mapper n'a pas pu être ouvert. ",
' (%1)': ' (%1)',
'No General MIDI SoundFont was found. Install fluid-soundfont-gm or timgm6mb-soundfont, or choose a SoundFont file.':
 'Aucune SoundFont General MIDI trouvée. Installez fluid-soundfont-gm ou timgm6mb-soundfont, ou choisissez un fichier SoundFont.',
'The SoundFont "%1" does not exist.': "La SoundFont « %1 » n'existe pas.",
'"%1" is not a SoundFont.': "« %1 » n'est pas une SoundFont.",
'FluidSynth could not be started.': "FluidSynth n'a pas pu être démarré.",
'FluidSynth could not be started': "FluidSynth n'a pas pu être démarré",
'The SoundFont "%1" could not be loaded': "La SoundFont « %1 » n'a pas pu être chargée",
'No audio output could be opened (tried %1)': "Aucune sortie audio n'a pu être ouverte (essayées : %1)",
'The built-in synthesizer takes no more MIDI messages.': "Le synthétiseur intégré n'accepte plus de messages MIDI.",
'FluidSynth has no audio output for this system.': "FluidSynth n'a pas de sortie audio pour ce système.",
# the zones' ports
'The zones\' port "%1" is not there; it opens as soon as it appears.': "Le port « %1 » des zones est absent ; il s'ouvrira dès qu'il apparaîtra.",
'The zones\' port "%1" could not be opened: %2': "Le port « %1 » des zones n'a pas pu être ouvert : %2",
"Opened the zones' port %1.": 'Port %1 des zones ouvert.',
'The zones\' port "%1" went away; it opens again as soon as it appears.': "Le port « %1 » des zones a disparu ; il se rouvrira dès qu'il réapparaîtra.",
# zones and arpeggiator
'Zones and Arpeggiator': 'Zones et arpégiateur',
'Split@TZoneForm': 'Partage du clavier',
'&Split the keyboard into zones': '&Partager le clavier en zones',
'Ctrl + middle button on a key sets or removes a split point': 'Ctrl + bouton du milieu sur une touche pose ou retire un point de partage',
'&Zones:': '&Zones :', 'Zone %1 from:': 'Début de la zone %1 :', 'All zones': 'Toutes les zones',
'&Latch: notes sound on after their keys are let go (Insert)': '&Verrouillage : les notes sonnent après relâchement (Inser)',
'&Arpeggiator@TZoneForm': '&Arpégiateur',
'The zones whose arpeggiator is on play their notes one by one in time': 'Les zones dont l\'arpégiateur est activé jouent leurs notes une à une, en rythme',
'Own tempo': 'Tempo interne', 'JACK transport': 'Transport JACK', 'MIDI clock': 'Horloge MIDI',
'JACK transport: the tempo and bar position of the transport master while it rolls. MIDI clock: the clock arriving at Midi In.':
 "Transport JACK : le tempo et la position en mesures du maître du transport tant qu'il tourne. Horloge MIDI : l'horloge reçue sur l'entrée MIDI.",
'&Clock:': '&Horloge :', '&Tempo:': '&Tempo :', 'Zone %1': 'Zone %1',
'none@TZoneForm': 'none',
'A second channel the zone plays on too': 'Un second canal sur lequel la zone joue aussi',
'as the chord box': 'comme la liste Accord', 'as struck': 'comme jouée',
"Ondrel's output": "Sortie d'Ondrel",
"A synthesizer of the zone's own; it opens as soon as it is there": "Un synthétiseur propre à la zone ; il s'ouvre dès qu'il est là",
'C&hannel:': '&Canal :', 'La&yer:': 'Co&uche :', '&Octave:': '&Octave :', 'T&ranspose:': 'Transpos&ition :',
'&Program:': 'P&rogramme :', 'Bank &MSB:': 'Banque &MSB :', 'Bank LS&B:': 'Banque LS&B :', 'Chor&d:': 'Accor&d :',
'&Velocity:': 'Vé&locité :', 'O&utput port:': 'Port de &sortie :', 'Arpegg&iate': 'Arpég&er',
'Up': 'Montant', 'Down': 'Descendant', 'Up and down': 'Montant-descendant', 'As played': 'Ordre joué', 'Random': 'Aléatoire',
'%1 triplets': '%1 triolet', '%1 dotted': '%1 pointée',
'How much of its step a note sounds': 'La part de son pas pendant laquelle une note sonne',
'Where the second step of each pair starts: 50 % is straight, 66 % a triplet feel':
 'Où commence le second pas de chaque paire : 50 % est binaire, 66 % donne un feeling ternaire',
'Patt&ern:': 'Moti&f :', '&Note value:': 'Valeur de &note :', '&Gate:': '&Gate :', 'S&wing:': 'S&wing :',
'Octave range:': "Étendue d'octaves :",
'%1 (not in the chord box)': '%1 (absent de la liste Accord)',
'%1 (not there now)': '%1 (absent pour le moment)',
"Without a split the whole keyboard plays on the keyboard's channel, with this arpeggiator":
 'Sans partage, tout le clavier joue sur le canal du clavier, avec cet arpégiateur',
})

T.update({
# the file view of the patch set chooser
'folders nested too deeply': 'dossiers imbriqués trop profondément',
'it could not be removed': "il n'a pas pu être supprimé",
'There is already an item named "%1" in this folder. Please choose another name.':
 'Un élément nommé « %1 » existe déjà dans ce dossier. Choisissez un autre nom.',
'Could not rename "%1" to "%2"': 'Impossible de renommer « %1 » en « %2 »',
'Could not create a new folder in %1.': 'Impossible de créer un nouveau dossier dans %1.',
'Delete "%1" permanently?': 'Supprimer définitivement « %1 » ?',
'Delete these %n items permanently?': ('Supprimer définitivement cet élément ?', 'Supprimer définitivement ces %n éléments ?'),
'Could not delete "%1"': 'Impossible de supprimer « %1 »',
'Could not move "%1" to the trash': 'Impossible de mettre « %1 » à la corbeille',
'%1 will be moved by the next Paste.': 'Déplacement de %1 au prochain Coller.',
'%1 copied.': 'Copie faite : %1.',
'Copied %1 to %2.': 'Copie de %1 dans %2 terminée.',
'Moved %1 to %2.': 'Déplacement de %1 dans %2 terminé.',
'Made links to %1 in %2.': 'Liens vers %1 créés dans %2.',
' "%1" was taken there, so it is "%2".': ' Le nom « %1 » y était pris : c\'est donc « %2 ».',
'Stopped. ': 'Arrêté. ',
'%1\n\nShown: %2, %3 (%4)': '%1\n\nAffichés : %2, %3 (%4)',
'1 folder': '1 dossier', '%n folders': ('%n dossier', '%n dossiers'),
'1 file': '1 fichier', '%n files': ('%n fichier', '%n fichiers'),
'\nFree space: %1': '\nEspace libre : %1',
'&View': '&Affichage',
'Lar&ge Icons': '&Grandes icônes', 'Shows the items as large icons.': 'Affiche les éléments en grandes icônes.',
'S&mall Icons': '&Petites icônes', 'Shows the items as small icons.': 'Affiche les éléments en petites icônes.',
'&List': '&Liste', 'Shows the items in a list.': 'Affiche les éléments en liste.',
'&Details': '&Détails', 'Shows each item with its size, type, time and attributes.': 'Affiche chaque élément avec sa taille, son type, sa date et ses attributs.',
'Arrange &Icons': 'Réorganiser les &icônes',
'by &Name': 'par &nom', 'Sorts items alphabetically by name.': 'Trie les éléments par ordre alphabétique.',
'by &Type': 'par &type', 'Sorts items by type.': 'Trie les éléments par type.',
'by Si&ze': 'par tai&lle', 'Sorts items by size.': 'Trie les éléments par taille.',
'by &Date': 'par &date', 'Sorts items by date, newest first.': "Trie les éléments par date, du plus récent au plus ancien.",
'&Auto Arrange': 'Réorganisation &automatique', 'Arranges the icons to fit the window.': 'Dispose les icônes selon la largeur de la fenêtre.',
'Line &Up Icons': 'Ali&gner les icônes', 'Lines the icons up on a grid.': 'Aligne les icônes sur une grille.',
'Re&fresh': 'Ac&tualiser', 'Reads the folder again.': 'Relit le dossier.',
'&Paste': '&Coller',
'Copies the files on the clipboard into this folder, or moves them when they were cut.':
 'Copie les fichiers du presse-papiers dans ce dossier, ou les déplace s\'ils ont été coupés.',
'Paste &Shortcut': 'Coller comme &lien', 'Makes links to the files on the clipboard in this folder.': 'Crée dans ce dossier des liens vers les fichiers du presse-papiers.',
'&Folder': '&Dossier', 'Creates a new folder.': 'Crée un nouveau dossier.',
'P&roperties': '&Propriétés', 'Shows what this folder holds.': 'Montre ce que contient ce dossier.',
'&Open': '&Ouvrir', 'Opens the item.': "Ouvre l'élément.",
'Re&name': 'Re&nommer', 'Renames the item.': "Renomme l'élément.",
'Cu&t': 'Co&uper', 'Moves the selected items by the next Paste.': 'Déplace les éléments choisis au prochain Coller.',
'&Copy': 'Co&pier', 'Copies the selected items by the next Paste.': 'Copie les éléments choisis au prochain Coller.',
'Move to &Trash': 'Mettre à la &corbeille', 'Moves the selected items to the trash.': 'Met les éléments choisis à la corbeille.',
'&Delete Permanently': '&Supprimer définitivement', 'Deletes the selected items for good.': 'Supprime définitivement les éléments choisis.',
'Directory %1 is not valid.': "Le répertoire %1 n'est pas valide.",
'The folder %1 cannot be read.': 'Impossible de lire le dossier %1.',
'The folder %1 can no longer be read; showing %2.': 'Le dossier %1 ne peut plus être lu ; affichage de %2.',
'The folder %1 is no longer there; showing %2.': "Le dossier %1 n'existe plus ; affichage de %2.",
'The folder %1 is no longer there.': "Le dossier %1 n'existe plus.",
'No application could open %1.': "Aucune application n'a pu ouvrir %1.",
'Name': 'Nom', 'Size': 'Taille', 'Type': 'Type', 'Modified': 'Modifié', 'Attributes': 'Attributs', 'Comment': 'Commentaire',
'%1 on %2': '%1 sur %2',
'File': 'Fichier', 'File ': 'Fichier ', ' link': ' lien',
'A name cannot be empty.': 'Un nom ne peut pas être vide.',
'"%1" is not a valid name.': "« %1 » n'est pas un nom valide.",
'A name cannot contain "%1".': 'Un nom ne peut pas contenir « %1 ».',
'The name "%1" is too long.': 'Le nom « %1 » est trop long.',
})


# French typography: no line may begin with the colon, semicolon, mark or guillemet that
# closes what comes before it, so a no-break space stands before them and inside « ».
import re


def _typography(text):
    text = text.replace('« ', '«\u00a0').replace(' »', '\u00a0»')
    text = re.sub(r' ([:;!?])', '\u00a0\\1', text)
    return re.sub(r' %(?=$|[ ,.;)])', '\u00a0%', text)


T = {k: tuple(map(_typography, v)) if isinstance(v, tuple) else _typography(v) for k, v in T.items()}
