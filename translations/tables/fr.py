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

# French typography: no line may begin with the colon, semicolon, mark or guillemet that
# closes what comes before it, so a no-break space stands before them and inside « ».
import re


def _typography(text):
    text = text.replace('« ', '«\u00a0').replace(' »', '\u00a0»')
    text = re.sub(r' ([:;!?])', '\u00a0\\1', text)
    return re.sub(r' %(?=$|[ ,.;)])', '\u00a0%', text)


T = {k: tuple(map(_typography, v)) if isinstance(v, tuple) else _typography(v) for k, v in T.items()}
