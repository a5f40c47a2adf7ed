<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fr">
<context>
    <name>MidiTool</name>
    <message>
        <source>Bank Sel MSB</source>
        <translation>Choix de banque MSB</translation>
    </message>
    <message>
        <source>Modulation</source>
        <translation>Modulation</translation>
    </message>
    <message>
        <source>Breath Control</source>
        <translation>Souffle</translation>
    </message>
    <message>
        <source>Pedal</source>
        <translation>Pédale</translation>
    </message>
    <message>
        <source>Porta Time</source>
        <translation>Temps de portamento</translation>
    </message>
    <message>
        <source>Data MSB</source>
        <translation>Data Entry MSB</translation>
    </message>
    <message>
        <source>Main Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Balance</translation>
    </message>
    <message>
        <source>Panpot</source>
        <translation>Panoramique</translation>
    </message>
    <message>
        <source>Expression</source>
        <translation>Expression</translation>
    </message>
    <message>
        <source>Effect 1</source>
        <translation>Effet 1</translation>
    </message>
    <message>
        <source>Effect 2</source>
        <translation>Effet 2</translation>
    </message>
    <message>
        <source>Foot Control / General 1</source>
        <translation>Contrôleur au pied / Général 1</translation>
    </message>
    <message>
        <source>General 2</source>
        <translation>Général 2</translation>
    </message>
    <message>
        <source>General 3</source>
        <translation>Général 3</translation>
    </message>
    <message>
        <source>General 4</source>
        <translation>Général 4</translation>
    </message>
    <message>
        <source>Bank Sel LSB</source>
        <translation>Choix de banque LSB</translation>
    </message>
    <message>
        <source>Mod Wheel LSB</source>
        <translation>Molette de modulation LSB</translation>
    </message>
    <message>
        <source>Breath Control LSB</source>
        <translation>Souffle LSB</translation>
    </message>
    <message>
        <source>Pedal LSB</source>
        <translation>Pédale LSB</translation>
    </message>
    <message>
        <source>Porta Time LSB</source>
        <translation>Temps de portamento LSB</translation>
    </message>
    <message>
        <source>Data LSB</source>
        <translation>Data Entry LSB</translation>
    </message>
    <message>
        <source>Volume LSB</source>
        <translation>Volume LSB</translation>
    </message>
    <message>
        <source>Balance LSB</source>
        <translation>Balance LSB</translation>
    </message>
    <message>
        <source>Panpot LSB</source>
        <translation>Panoramique LSB</translation>
    </message>
    <message>
        <source>Expression LSB</source>
        <translation>Expression LSB</translation>
    </message>
    <message>
        <source>Effect 1 LSB</source>
        <translation>Effet 1 LSB</translation>
    </message>
    <message>
        <source>Effect 2 LSB</source>
        <translation>Effet 2 LSB</translation>
    </message>
    <message>
        <source>General 1 LSB</source>
        <translation>Général 1 LSB</translation>
    </message>
    <message>
        <source>General 2 LSB</source>
        <translation>Général 2 LSB</translation>
    </message>
    <message>
        <source>General 3 LSB</source>
        <translation>Général 3 LSB</translation>
    </message>
    <message>
        <source>General 4 LSB</source>
        <translation>Général 4 LSB</translation>
    </message>
    <message>
        <source>Sustain Sw</source>
        <translation>Pédale de sustain</translation>
    </message>
    <message>
        <source>Porta Switch</source>
        <translation>Portamento on/off</translation>
    </message>
    <message>
        <source>Sostenuto</source>
        <translation>Sostenuto</translation>
    </message>
    <message>
        <source>Soft Pedal</source>
        <translation>Pédale douce</translation>
    </message>
    <message>
        <source>Legato Footswitch</source>
        <translation>Pédale de legato</translation>
    </message>
    <message>
        <source>Hold 2</source>
        <translation>Hold 2</translation>
    </message>
    <message>
        <source>Sound Variation</source>
        <translation>Variation de son</translation>
    </message>
    <message>
        <source>Harmonic</source>
        <translation>Résonance</translation>
    </message>
    <message>
        <source>Release Time</source>
        <translation>Temps de relâchement</translation>
    </message>
    <message>
        <source>Attack Time</source>
        <translation>Temps d'attaque</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillance</translation>
    </message>
    <message>
        <source>Sound Control 6</source>
        <translation>Contrôle du son 6</translation>
    </message>
    <message>
        <source>Sound Control 7</source>
        <translation>Contrôle du son 7</translation>
    </message>
    <message>
        <source>Sound Control 8</source>
        <translation>Contrôle du son 8</translation>
    </message>
    <message>
        <source>Sound Control 9</source>
        <translation>Contrôle du son 9</translation>
    </message>
    <message>
        <source>Sound Control 10</source>
        <translation>Contrôle du son 10</translation>
    </message>
    <message>
        <source>General 5</source>
        <translation>Général 5</translation>
    </message>
    <message>
        <source>General 6</source>
        <translation>Général 6</translation>
    </message>
    <message>
        <source>General 7</source>
        <translation>Général 7</translation>
    </message>
    <message>
        <source>General 8</source>
        <translation>Général 8</translation>
    </message>
    <message>
        <source>Portamento</source>
        <translation>Portamento</translation>
    </message>
    <message>
        <source>Reverb</source>
        <translation>Réverb</translation>
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
        <translation>Variation</translation>
    </message>
    <message>
        <source>Phaser</source>
        <translation>Phaser</translation>
    </message>
    <message>
        <source>Data Increment</source>
        <translation>Data Increment</translation>
    </message>
    <message>
        <source>Data Decrement</source>
        <translation>Data Decrement</translation>
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
        <translation>Tous sons coupés</translation>
    </message>
    <message>
        <source>Reset Controllers</source>
        <translation>Réinitialiser les contrôleurs</translation>
    </message>
    <message>
        <source>Local Control</source>
        <translation>Local Control</translation>
    </message>
    <message>
        <source>All Notes Off</source>
        <translation>Toutes notes coupées</translation>
    </message>
    <message>
        <source>Omni Mode On</source>
        <translation>Mode Omni activé</translation>
    </message>
    <message>
        <source>Omni Mode Off</source>
        <translation>Mode Omni désactivé</translation>
    </message>
    <message>
        <source>Mono Mode On</source>
        <translation>Mode Mono activé</translation>
    </message>
    <message>
        <source>Poly Mode On</source>
        <translation>Mode Poly activé</translation>
    </message>
    <message>
        <source>Undefined</source>
        <translation>Non défini</translation>
    </message>
</context>
<context>
    <name>TAtomicFile</name>
    <message>
        <source>Could not save "%1": %2</source>
        <translation>Impossible d'enregistrer « %1 » : %2</translation>
    </message>
    <message>
        <source>the data could not be written</source>
        <translation>les données n'ont pas pu être écrites</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>cannot create the folder</source>
        <translation>impossible de créer le dossier</translation>
    </message>
</context>
<context>
    <name>TChordEditForm</name>
    <message>
        <source>Chord Editor</source>
        <translation>Éditeur d'accords</translation>
    </message>
    <message>
        <source>Here you can define your own chords. Click "New" to add a new chord. Then enable the edit mode by activating the "Edit" button. Use the keyboard below or Ondrel or an external device to toggle notes of the current chord.</source>
        <translation>Définissez ici vos propres accords. Cliquez sur « Nouveau » pour en ajouter un, puis activez le mode édition avec « Éditer ». Le clavier ci-dessous, Ondrel ou un appareil externe activent ou désactivent les notes de l'accord.</translation>
    </message>
    <message>
        <source>To test a chord simply deactivate the edit mode and play on the keyboard below.</source>
        <translation>Pour essayer un accord, quittez le mode édition et jouez sur le clavier ci-dessous.</translation>
    </message>
    <message>
        <source>Chords</source>
        <translation>Accords</translation>
    </message>
    <message>
        <source>Chord Name</source>
        <translation>Nom de l'accord</translation>
    </message>
    <message>
        <source>Chord Notes</source>
        <translation>Notes de l'accord</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;diter</translation>
    </message>
    <message>
        <source>&amp;Reset</source>
        <translation>&amp;Réinitialiser</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;ppliquer</translation>
    </message>
    <message>
        <source>This chord name already exists !</source>
        <translation>Ce nom d'accord existe déjà !</translation>
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
        <translation>Impossible de lire « %1 » : %2</translation>
    </message>
    <message>
        <source>Line %1 of %2 is not a setting; it was ignored.</source>
        <translation>La ligne %1 de %2 n'est pas un paramètre ; elle a été ignorée.</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 et %2 autres</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>Lines %1 of %2 are not settings; they were ignored.</source>
        <translation>Les lignes %1 de %2 ne sont pas des paramètres ; elles ont été ignorées.</translation>
    </message>
    <message>
        <source>Settings not saved: %1</source>
        <translation>Paramètres non enregistrés : %1</translation>
    </message>
    <message>
        <source>Settings could not be saved: %1</source>
        <translation>Les paramètres n'ont pas pu être enregistrés : %1</translation>
    </message>
    <message>
        <source>%1
The settings are kept, and saving them is tried again.</source>
        <translation>%1
Les paramètres sont conservés ; l'enregistrement sera retenté.</translation>
    </message>
    <message>
        <source>The settings file "%1" could not be read (%2); it was kept as "%3" and default settings are used.</source>
        <translation>Le fichier de paramètres « %1 » n'a pas pu être lu (%2) ; il a été conservé sous le nom « %3 » et les paramètres par défaut sont utilisés.</translation>
    </message>
    <message>
        <source>the damaged settings file "%1" is kept as it is</source>
        <translation>le fichier de paramètres endommagé « %1 » est conservé tel quel</translation>
    </message>
    <message>
        <source>The settings file "%1" could not be read (%2); it was left as it is and settings will not be saved.</source>
        <translation>Le fichier de paramètres « %1 » n'a pas pu être lu (%2) ; il a été laissé tel quel et les paramètres ne seront pas enregistrés.</translation>
    </message>
    <message>
        <source>the settings were removed by Uninstall</source>
        <translation>les paramètres ont été supprimés par Désinstaller</translation>
    </message>
</context>
<context>
    <name>TErrForm</name>
    <message>
        <source>Warnings and Errors</source>
        <translation>Avertissements et erreurs</translation>
    </message>
    <message>
        <source> The following warnings and/or errors occurred:</source>
        <translation> Les avertissements ou erreurs suivants sont survenus :</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TExImHelp</name>
    <message>
        <source>Export Settings</source>
        <translation>Exporter les paramètres</translation>
    </message>
    <message>
        <source>Export Knob Presets</source>
        <translation>Exporter les préréglages de boutons</translation>
    </message>
    <message>
        <source>Export Knob Snapshots</source>
        <translation>Exporter les instantanés de boutons</translation>
    </message>
    <message>
        <source>Export Chords</source>
        <translation>Exporter les accords</translation>
    </message>
    <message>
        <source>Import Settings</source>
        <translation>Importer les paramètres</translation>
    </message>
    <message>
        <source>Import Knob Presets</source>
        <translation>Importer les préréglages de boutons</translation>
    </message>
    <message>
        <source>Import Knob Snapshots</source>
        <translation>Importer les instantanés de boutons</translation>
    </message>
    <message>
        <source>Import Chords</source>
        <translation>Importer les accords</translation>
    </message>
    <message>
        <source>All your stored knob presets are written to the ini file, each under its own name.</source>
        <translation>Tous vos préréglages de boutons enregistrés sont écrits dans le fichier ini, chacun sous son nom.</translation>
    </message>
    <message>
        <source>Knobs you changed but did not save as a preset are not exported, nor is the built-in preset "Default".</source>
        <translation>Les boutons modifiés mais non enregistrés comme préréglage ne sont pas exportés, pas plus que le préréglage intégré « Default ».</translation>
    </message>
    <message>
        <source>The knob snapshots of the Knobs menu are written to the ini file with their names and values.</source>
        <translation>Les instantanés de boutons du menu Boutons sont écrits dans le fichier ini avec leurs noms et leurs valeurs.</translation>
    </message>
    <message>
        <source>Only the snapshots you have defined are exported.</source>
        <translation>Seuls les instantanés que vous avez définis sont exportés.</translation>
    </message>
    <message>
        <source>Your custom chords are written to the ini file with their names and notes.</source>
        <translation>Vos accords personnalisés sont écrits dans le fichier ini avec leurs noms et leurs notes.</translation>
    </message>
    <message>
        <source>The built-in chords (Major, Minor, ...) are not exported.</source>
        <translation>Les accords intégrés (Majeur, Mineur, ...) ne sont pas exportés.</translation>
    </message>
    <message>
        <source>Knob presets are read from a previously exported ini file. A preset of the same name as one you have replaces it.</source>
        <translation>Les préréglages de boutons sont lus dans un fichier ini exporté auparavant. Un préréglage du même nom qu'un des vôtres le remplace.</translation>
    </message>
    <message>
        <source>Overwrite existing knob presets</source>
        <translation>Écraser les préréglages de boutons existants</translation>
    </message>
    <message>
        <source>Add to existing knob presets</source>
        <translation>Ajouter aux préréglages de boutons existants</translation>
    </message>
    <message>
        <source>Knob snapshots are read from a previously exported ini file.</source>
        <translation>Les instantanés de boutons sont lus dans un fichier ini exporté auparavant.</translation>
    </message>
    <message>
        <source>Each snapshot in the file replaces the one of the same number; the other snapshots stay as they are.</source>
        <translation>Chaque instantané du fichier remplace celui de même numéro ; les autres instantanés restent tels quels.</translation>
    </message>
    <message>
        <source>Custom chords are read from a previously exported ini file. A chord of the same name as one you have replaces it.</source>
        <translation>Les accords personnalisés sont lus dans un fichier ini exporté auparavant. Un accord du même nom qu'un des vôtres le remplace.</translation>
    </message>
    <message>
        <source>Overwrite existing chords</source>
        <translation>Écraser les accords existants</translation>
    </message>
    <message>
        <source>Add to existing chords</source>
        <translation>Ajouter aux accords existants</translation>
    </message>
    <message>
        <source>Don't show this again</source>
        <translation>Ne plus afficher</translation>
    </message>
    <message>
        <source>Click OK to continue, or Cancel to cancel this operation.</source>
        <translation>Cliquez sur OK pour continuer ou sur Annuler pour annuler l'opération.</translation>
    </message>
    <message>
        <source>Your settings are written to an ini file. They include:</source>
        <translation>Vos paramètres sont écrits dans un fichier ini. Ils comprennent :</translation>
    </message>
    <message>
        <source>Settings are read from a previously exported ini file. They include:</source>
        <translation>Les paramètres sont lus dans un fichier ini exporté auparavant. Ils comprennent :</translation>
    </message>
    <message>
        <source>- Keyboard settings (like key width)
- window size and position
- most other options of the settings dialog.
- mouse wheel assignment
- joystick assignment
- which patch, chord, knob preset is selected</source>
        <translation>- les réglages du clavier (comme la largeur des touches)
- la taille et la position de la fenêtre
- la plupart des autres options de la boîte de dialogue des paramètres
- l'affectation de la molette de la souris
- l'affectation du joystick
- le patch, l'accord et le préréglage de boutons choisis</translation>
    </message>
    <message>
        <source>Knob presets, knob snapshots and chords are not part of the settings: export them on their own.</source>
        <translation>Les préréglages de boutons, les instantanés de boutons et les accords ne font pas partie des paramètres : exportez-les séparément.</translation>
    </message>
    <message>
        <source>The selected program, bank, knob preset and the joystick assignment take effect the next time Ondrel starts; the rest at once.</source>
        <translation>Le programme, la banque, le préréglage de boutons choisis et l'affectation du joystick prennent effet au prochain démarrage d'Ondrel ; le reste immédiatement.</translation>
    </message>
    <message>
        <source>This is helpful when you want to transfer your settings to another computer, give them to a friend, or you have to reinstall your system.</source>
        <translation>Cela sert à transférer vos paramètres sur un autre ordinateur, à les donner à un ami ou à les garder quand vous devez réinstaller votre système.</translation>
    </message>
</context>
<context>
    <name>TExImport</name>
    <message>
        <source>Ini files (*.ini)</source>
        <translation>Fichiers ini (*.ini)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>Import previously exported ini file.</source>
        <translation>Importer un fichier ini exporté auparavant.</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Paramètres</translation>
    </message>
    <message>
        <source>Import settings (as in the settings dialog) from a previously exported ini file.</source>
        <translation>Importer les paramètres (ceux de la boîte de dialogue des paramètres) depuis un fichier ini exporté auparavant.</translation>
    </message>
    <message>
        <source>Knob &amp;Presets...</source>
        <translation>Préréglages de &amp;boutons...</translation>
    </message>
    <message>
        <source>Import knob presets from a previously exported ini file.</source>
        <translation>Importer des préréglages de boutons depuis un fichier ini exporté auparavant.</translation>
    </message>
    <message>
        <source>&amp;Knob Snapshots</source>
        <translation>&amp;Instantanés de boutons</translation>
    </message>
    <message>
        <source>Import knob snapshots from a previously exported ini file.</source>
        <translation>Importer des instantanés de boutons depuis un fichier ini exporté auparavant.</translation>
    </message>
    <message>
        <source>&amp;Chords...</source>
        <translation>&amp;Accords...</translation>
    </message>
    <message>
        <source>Import chords from a previously exported ini file.</source>
        <translation>Importer des accords depuis un fichier ini exporté auparavant.</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <source>Export to an ini file.</source>
        <translation>Exporter vers un fichier ini.</translation>
    </message>
    <message>
        <source>Export settings (as in the settings dialog) to an ini file.</source>
        <translation>Exporter les paramètres (ceux de la boîte de dialogue des paramètres) vers un fichier ini.</translation>
    </message>
    <message>
        <source>Knob &amp;Presets</source>
        <translation>Préréglages de &amp;boutons</translation>
    </message>
    <message>
        <source>Export knob presets to an ini file.</source>
        <translation>Exporter les préréglages de boutons vers un fichier ini.</translation>
    </message>
    <message>
        <source>Export knob snapshots to an ini file.</source>
        <translation>Exporter les instantanés de boutons vers un fichier ini.</translation>
    </message>
    <message>
        <source>&amp;Chords</source>
        <translation>&amp;Accords</translation>
    </message>
    <message>
        <source>Export your custom chords to an ini file.</source>
        <translation>Exporter vos accords personnalisés vers un fichier ini.</translation>
    </message>
    <message>
        <source>Select export file</source>
        <translation>Choisir le fichier d'exportation</translation>
    </message>
    <message>
        <source>Select import file</source>
        <translation>Choisir le fichier d'importation</translation>
    </message>
    <message>
        <source>The file "%1" does not exist (any more).</source>
        <translation>Le fichier « %1 » n'existe pas (ou plus).</translation>
    </message>
    <message>
        <source>Could not read "%1": %2</source>
        <translation>Impossible de lire « %1 » : %2</translation>
    </message>
    <message>
        <source>"%1" is not an ini file. Nothing was imported.</source>
        <translation>« %1 » n'est pas un fichier ini. Rien n'a été importé.</translation>
    </message>
    <message>
        <source>Could not create a temporary folder: %1</source>
        <translation>Impossible de créer un dossier temporaire : %1</translation>
    </message>
    <message>
        <source>%1 failed.

%2</source>
        <translation>%1 : échec.

%2</translation>
    </message>
    <message>
        <source>Settings saved successfully.</source>
        <translation>Paramètres enregistrés.</translation>
    </message>
    <message>
        <source>No knob presets could be saved.</source>
        <translation>Aucun préréglage de boutons n'a pu être enregistré.</translation>
    </message>
    <message>
        <source>No knob snapshots could be saved.</source>
        <translation>Aucun instantané de boutons n'a pu être enregistré.</translation>
    </message>
    <message>
        <source>No custom chords could be saved.</source>
        <translation>Aucun accord personnalisé n'a pu être enregistré.</translation>
    </message>
    <message>
        <source>No settings could be loaded.</source>
        <translation>Aucun paramètre n'a pu être chargé.</translation>
    </message>
    <message>
        <source>Settings loaded successfully.</source>
        <translation>Paramètres chargés.</translation>
    </message>
    <message>
        <source>No knob presets could be loaded.</source>
        <translation>Aucun préréglage de boutons n'a pu être chargé.</translation>
    </message>
    <message>
        <source>No knob snapshots could be loaded.</source>
        <translation>Aucun instantané de boutons n'a pu être chargé.</translation>
    </message>
    <message>
        <source>No custom chords could be loaded.</source>
        <translation>Aucun accord personnalisé n'a pu être chargé.</translation>
    </message>
    <message numerus="yes">
        <source>%n knob presets saved successfully.</source>
        <translation>
            <numerusform>%n préréglage de boutons enregistré.</numerusform><numerusform>%n préréglages de boutons enregistrés.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n knob snapshots saved successfully.</source>
        <translation>
            <numerusform>%n instantané de boutons enregistré.</numerusform><numerusform>%n instantanés de boutons enregistrés.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n custom chords saved successfully.</source>
        <translation>
            <numerusform>%n accord personnalisé enregistré.</numerusform><numerusform>%n accords personnalisés enregistrés.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n knob presets loaded successfully.</source>
        <translation>
            <numerusform>%n préréglage de boutons chargé.</numerusform><numerusform>%n préréglages de boutons chargés.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n knob snapshots loaded successfully.</source>
        <translation>
            <numerusform>%n instantané de boutons chargé.</numerusform><numerusform>%n instantanés de boutons chargés.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n custom chords loaded successfully.</source>
        <translation>
            <numerusform>%n accord personnalisé chargé.</numerusform><numerusform>%n accords personnalisés chargés.</numerusform></translation>
    </message>
</context>
<context>
    <name>TFileOperations</name>
    <message>
        <source>"%1"</source>
        <translation>« %1 »</translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n élément</numerusform><numerusform>%n éléments</numerusform></translation>
    </message>
    <message>
        <source>the link cannot be made</source>
        <translation>impossible de créer le lien</translation>
    </message>
    <message>
        <source>it is a device, pipe or socket</source>
        <translation>c'est un périphérique, un tube ou un socket</translation>
    </message>
    <message>
        <source>the folder cannot be made</source>
        <translation>impossible de créer le dossier</translation>
    </message>
    <message>
        <source>copied, but the original cannot be removed</source>
        <translation>copié, mais impossible de supprimer l'original</translation>
    </message>
    <message>
        <source>%1 %2 to %3: %4%</source>
        <translation>%1 %2 vers %3 : %4 %</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>Copie de</translation>
    </message>
    <message>
        <source>Moving</source>
        <translation>Déplacement de</translation>
    </message>
    <message>
        <source>Linking</source>
        <translation>Liaison de</translation>
    </message>
    <message>
        <source>Could not copy "%1"</source>
        <translation>Impossible de copier « %1 »</translation>
    </message>
    <message>
        <source>Could not move "%1"</source>
        <translation>Impossible de déplacer « %1 »</translation>
    </message>
    <message>
        <source>Could not make a link to "%1"</source>
        <translation>Impossible de créer un lien vers « %1 »</translation>
    </message>
    <message>
        <source>The folder %1 is not there.</source>
        <translation>Le dossier %1 n'existe pas.</translation>
    </message>
    <message>
        <source>it is no longer there</source>
        <translation>il n'existe plus</translation>
    </message>
    <message>
        <source>a folder cannot go into itself</source>
        <translation>un dossier ne peut pas aller dans lui-même</translation>
    </message>
    <message>
        <source>no free name is left</source>
        <translation>plus aucun nom libre</translation>
    </message>
    <message>
        <source>unknown error</source>
        <translation>erreur inconnue</translation>
    </message>
</context>
<context>
    <name>TGUIKnobList</name>
    <message>
        <source>Controller knob: the arrow keys turn it, Page Up and Down faster</source>
        <translation>Bouton de contrôleur : les flèches le tournent, Page préc. et Page suiv. plus vite</translation>
    </message>
</context>
<context>
    <name>TIniDocument</name>
    <message>
        <source>it is not a settings file</source>
        <translation>ce n'est pas un fichier de paramètres</translation>
    </message>
    <message>
        <source>it is not a text file</source>
        <translation>ce n'est pas un fichier texte</translation>
    </message>
</context>
<context>
    <name>TKnobEditForm</name>
    <message>
        <source>Knob Preset Editor</source>
        <translation>Éditeur de préréglages de boutons</translation>
    </message>
    <message>
        <source>You can place knobs on the keyboard. These knobs send controller data to your MIDI device or sequencer.</source>
        <translation>Vous pouvez placer des boutons sur le clavier. Ils envoient des données de contrôleur à votre appareil MIDI ou séquenceur.</translation>
    </message>
    <message>
        <source>Here you can define which knobs to display and their properties. You can also save presets with sets of knobs.</source>
        <translation>Choisissez ici les boutons affichés et leurs propriétés. Vous pouvez aussi enregistrer des jeux de boutons comme préréglages.</translation>
    </message>
    <message>
        <source>Knob count:</source>
        <translation>Nombre de boutons :</translation>
    </message>
    <message>
        <source>Knob Presets</source>
        <translation>Préréglages de boutons</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>No Knobs !</source>
        <translation>Aucun bouton !</translation>
    </message>
    <message>
        <source>Display Range</source>
        <translation>Plage d'affichage</translation>
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
        <translation>Détermine l'affichage des valeurs du contrôleur : absolues de 0 à 127 ou relatives de -64 à +63.</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Nom</translation>
    </message>
    <message>
        <source>&amp;Controller</source>
        <translation>&amp;Contrôleur</translation>
    </message>
    <message>
        <source>&amp;Default Value</source>
        <translation>Valeur par &amp;défaut</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;ppliquer</translation>
    </message>
    <message>
        <source>Knob %1</source>
        <translation>Bouton %1</translation>
    </message>
    <message>
        <source>You have made changes to knob preset "%1". Do you want to save it ?</source>
        <translation>Vous avez modifié le préréglage de boutons « %1 ». Voulez-vous l'enregistrer ?</translation>
    </message>
    <message>
        <source>You have changed the knobs. Do you want to save them as a preset ?</source>
        <translation>Vous avez modifié les boutons. Voulez-vous les enregistrer comme préréglage ?</translation>
    </message>
    <message>
        <source>New Preset</source>
        <translation>Nouveau préréglage</translation>
    </message>
    <message>
        <source>Enter New Preset</source>
        <translation>Nouveau préréglage</translation>
    </message>
    <message>
        <source>Enter the name of the new knob preset:</source>
        <translation>Nom du nouveau préréglage de boutons :</translation>
    </message>
    <message>
        <source>You can't name a preset "%1".</source>
        <translation>Un préréglage ne peut pas s'appeler « %1 ».</translation>
    </message>
    <message>
        <source>Please enter a name for the preset.</source>
        <translation>Entrez un nom pour le préréglage.</translation>
    </message>
    <message>
        <source>A preset name can't begin or end with a blank, nor hold "\", "]" or a line break.</source>
        <translation>Un nom de préréglage ne peut ni commencer ni finir par une espace, ni contenir « \ », « ] » ou un saut de ligne.</translation>
    </message>
    <message>
        <source>A preset with this name already exists !</source>
        <translation>Un préréglage de ce nom existe déjà !</translation>
    </message>
    <message>
        <source>You must make a new preset before being able to save it.</source>
        <translation>Créez d'abord un nouveau préréglage avant de l'enregistrer.</translation>
    </message>
    <message>
        <source>Please select a preset to delete.</source>
        <translation>Choisissez le préréglage à supprimer.</translation>
    </message>
    <message>
        <source>Are you sure to delete preset "%1" ?
This can't be undone later !</source>
        <translation>Supprimer vraiment le préréglage « %1 » ?
Cela ne pourra pas être annulé !</translation>
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
        <translation>Préréglage de boutons « %1 » : le bouton %2 (« %3 ») a le numéro de contrôleur %4 ; les numéros de contrôleur vont de 0 à 127, ce bouton n'a donc pas été chargé.</translation>
    </message>
</context>
<context>
    <name>TMainTakes</name>
    <message>
        <source>Save Last &amp;Take...</source>
        <translation>Enregistrer la dernière &amp;prise...</translation>
    </message>
    <message>
        <source>Save what you played last as a MIDI file</source>
        <translation>Enregistre ce que vous avez joué en dernier comme fichier MIDI</translation>
    </message>
    <message>
        <source>P&amp;lay MIDI File...</source>
        <translation>&amp;Lire un fichier MIDI...</translation>
    </message>
    <message>
        <source>Play a MIDI file or the last take to the MIDI output</source>
        <translation>Joue un fichier MIDI ou la dernière prise sur la sortie MIDI</translation>
    </message>
</context>
<context>
    <name>TMainWindow</name>
    <message>
        <source>Reading patch list...</source>
        <translation>Lecture de la liste des patches...</translation>
    </message>
    <message>
        <source>the folder "%1" cannot be created</source>
        <translation>impossible de créer le dossier « %1 »</translation>
    </message>
    <message>
        <source>the file "%1" is read-only</source>
        <translation>le fichier « %1 » est en lecture seule</translation>
    </message>
    <message>
        <source>the folder "%1" is not writable</source>
        <translation>le dossier « %1 » n'est pas accessible en écriture</translation>
    </message>
    <message>
        <source>Settings cannot be saved: %1.</source>
        <translation>Impossible d'enregistrer les paramètres : %1.</translation>
    </message>
    <message>
        <source>Base: %1</source>
        <translation>Base : %1</translation>
    </message>
    <message>
        <source>Octave: %1</source>
        <translation>Octave : %1</translation>
    </message>
    <message>
        <source>Panic: %1%</source>
        <translation>Panique : %1 %</translation>
    </message>
    <message>
        <source>On Wayland the desktop places the window: the place it had is kept for an X11 session.</source>
        <translation>Sous Wayland, c'est le bureau qui place la fenêtre : sa position précédente est gardée pour une session X11.</translation>
    </message>
    <message>
        <source>Stay on Top is not available on Wayland, which lets no program keep its window above the others; the desktop's own window menu may offer it.</source>
        <translation>Toujours au premier plan n'est pas disponible sous Wayland, qui ne laisse aucun programme garder sa fenêtre au-dessus des autres ; le menu de fenêtre du bureau le propose peut-être.</translation>
    </message>
    <message>
        <source>Readme.txt cannot be shown: it is not in %1, nor in %2.</source>
        <translation>Impossible d'afficher Readme.txt : il n'est ni dans %1 ni dans %2.</translation>
    </message>
    <message>
        <source>Readme</source>
        <translation>Lisez-moi</translation>
    </message>
    <message>
        <source>This removes all of Ondrel's settings, its knob presets, snapshots and chords included (the file %1), and closes Ondrel.

Do you want to continue?</source>
        <translation>Cela supprime tous les paramètres d'Ondrel, y compris ses préréglages de boutons, ses instantanés et ses accords (le fichier %1), puis ferme Ondrel.

Voulez-vous continuer ?</translation>
    </message>
    <message>
        <source>The settings could not be removed:
%1</source>
        <translation>Les paramètres n'ont pas pu être supprimés :
%1</translation>
    </message>
    <message>
        <source>The settings file %1 has been removed.

To remove the program itself, uninstall its package with your package manager; if you installed it from its sources, delete the files listed in install_manifest.txt of the build folder.</source>
        <translation>Le fichier de paramètres %1 a été supprimé.

Pour supprimer le programme lui-même, désinstallez son paquet avec votre gestionnaire de paquets ; si vous l'avez installé depuis les sources, supprimez les fichiers listés dans install_manifest.txt du dossier de compilation.</translation>
    </message>
    <message>
        <source>Chord</source>
        <translation>Accord</translation>
    </message>
    <message>
        <source>Change Chord (Home/End)</source>
        <translation>Changer d'accord (Début/Fin)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Major</source>
        <translation>Majeur</translation>
    </message>
    <message>
        <source>Minor</source>
        <translation>Mineur</translation>
    </message>
    <message>
        <source>Major m7</source>
        <translation>Majeur m7</translation>
    </message>
    <message>
        <source>Minor m7</source>
        <translation>Mineur m7</translation>
    </message>
    <message>
        <source>Fifths</source>
        <translation>Quintes</translation>
    </message>
    <message>
        <source>Octave</source>
        <translation>Octave</translation>
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
        <translation>Le canal MIDI de ce qui est joué, de 1 à 16</translation>
    </message>
    <message>
        <source>Pitch wheel (use SHIFT for fine mode, CTRL to disable scrollback)</source>
        <translation>Molette de pitch bend (MAJ pour le mode fin, CTRL sans retour)</translation>
    </message>
    <message>
        <source>Pitch: %1</source>
        <translation>Pitch bend : %1</translation>
    </message>
    <message>
        <source>Modulation wheel (use SHIFT for fine mode)</source>
        <translation>Molette de modulation (MAJ pour le mode fin)</translation>
    </message>
    <message>
        <source>Modulation: %1</source>
        <translation>Modulation : %1</translation>
    </message>
    <message>
        <source>Scroll visible keys down</source>
        <translation>Décaler les touches visibles vers le bas</translation>
    </message>
    <message>
        <source>Scroll visible keys up</source>
        <translation>Décaler les touches visibles vers le haut</translation>
    </message>
    <message>
        <source>Pitch wheel</source>
        <translation>Molette de pitch bend</translation>
    </message>
    <message>
        <source>Modulation wheel</source>
        <translation>Molette de modulation</translation>
    </message>
    <message>
        <source>Scroll down</source>
        <translation>Décaler vers le bas</translation>
    </message>
    <message>
        <source>Scroll up</source>
        <translation>Décaler vers le haut</translation>
    </message>
    <message>
        <source>Left Button: normal play mode   Right button: special hold mode</source>
        <translation>Bouton gauche : jeu normal   Bouton droit : maintien spécial</translation>
    </message>
    <message>
        <source>Piano keyboard</source>
        <translation>Clavier de piano</translation>
    </message>
    <message>
        <source>Play it with the mouse, or with the computer keys Z to / and Q to ] (F3 and F4 move them an octave down or up).</source>
        <translation>Jouez avec la souris ou les touches Z à / et Q à ] de l'ordinateur (F3 et F4 les décalent d'une octave vers le bas ou le haut).</translation>
    </message>
    <message>
        <source>Key width</source>
        <translation>Largeur des touches</translation>
    </message>
    <message>
        <source>Patch</source>
        <translation>Patch</translation>
    </message>
    <message>
        <source>Current Patch (Page Up/Page Down)</source>
        <translation>Patch actuel (Page préc./Page suiv.)</translation>
    </message>
    <message>
        <source>Program</source>
        <translation>Prog.</translation>
    </message>
    <message>
        <source>Current Program number (Shift+PageUp/PageDown)</source>
        <translation>Numéro de programme actuel (Maj+Page préc./Page suiv.)</translation>
    </message>
    <message>
        <source>Bank MSB</source>
        <translation>Banque MSB</translation>
    </message>
    <message>
        <source>Bank select, most significant byte</source>
        <translation>Choix de banque, octet de poids fort</translation>
    </message>
    <message>
        <source>Bank LSB</source>
        <translation>Banque LSB</translation>
    </message>
    <message>
        <source>Bank select, least significant byte</source>
        <translation>Choix de banque, octet de poids faible</translation>
    </message>
    <message>
        <source>Panic!</source>
        <translation>Panique</translation>
    </message>
    <message>
        <source>Click here to stop all sounds immediately (Ctrl-Space)</source>
        <translation>Cliquez ici pour couper tous les sons (Ctrl+Espace)</translation>
    </message>
    <message>
        <source>Panic</source>
        <translation>Panique</translation>
    </message>
    <message>
        <source>Foot Controller 1</source>
        <translation>Contrôleur au pied 1</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Midi &amp;In</source>
        <translation>&amp;Entrée MIDI</translation>
    </message>
    <message>
        <source>Midi O&amp;ut</source>
        <translation>&amp;Sortie MIDI</translation>
    </message>
    <message>
        <source>&amp;Patches</source>
        <translation>&amp;Patches</translation>
    </message>
    <message>
        <source>&amp;Choose Patch Set...</source>
        <translation>&amp;Choisir un jeu de patches...</translation>
    </message>
    <message>
        <source>&amp;Knobs</source>
        <translation>&amp;Boutons</translation>
    </message>
    <message>
        <source>&amp;Presets</source>
        <translation>&amp;Préréglages</translation>
    </message>
    <message>
        <source>&amp;Snapshots</source>
        <translation>&amp;Instantanés</translation>
    </message>
    <message>
        <source>&amp;Define</source>
        <translation>&amp;Définir</translation>
    </message>
    <message>
        <source>Set &amp;up...</source>
        <translation>&amp;Configurer...</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>Change the octave when play with the computer keyboard</source>
        <translation>Change l'octave du clavier de l'ordinateur</translation>
    </message>
    <message>
        <source>Octave Down</source>
        <translation>Octave inférieure</translation>
    </message>
    <message>
        <source>Octave Up</source>
        <translation>Octave supérieure</translation>
    </message>
    <message>
        <source>Change the velocity of the computer keyboard's notes</source>
        <translation>Change la vélocité des notes du clavier de l'ordinateur</translation>
    </message>
    <message>
        <source>Velocity Down</source>
        <translation>Vélocité moins</translation>
    </message>
    <message>
        <source>Velocity Up</source>
        <translation>Vélocité plus</translation>
    </message>
    <message>
        <source>Stay &amp;on Top</source>
        <translation>Toujours au &amp;premier plan</translation>
    </message>
    <message>
        <source>Midi &amp;Thru</source>
        <translation>MIDI &amp;Thru</translation>
    </message>
    <message>
        <source>T&amp;ranspose...</source>
        <translation>T&amp;ransposer...</translation>
    </message>
    <message>
        <source>Chord &amp;Editor...</source>
        <translation>Éditeur d'a&amp;ccords...</translation>
    </message>
    <message>
        <source>&amp;Settings...</source>
        <translation>Para&amp;mètres...</translation>
    </message>
    <message>
        <source>&amp;Uninstall</source>
        <translation>&amp;Désinstaller</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;Readme</source>
        <translation>&amp;Lisez-moi</translation>
    </message>
    <message>
        <source>&amp;Messages...</source>
        <translation>&amp;Messages...</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>MIDI &amp;Service</source>
        <translation>&amp;Service MIDI</translation>
    </message>
    <message>
        <source>MIDI &amp;Service: %1</source>
        <translation>&amp;Service MIDI : %1</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Vélocité</translation>
    </message>
    <message>
        <source>Velocity of the computer keys, and of the mouse when it plays at one velocity (F1 softer, F2 louder)</source>
        <translation>Vélocité des touches de l'ordinateur, et de la souris quand elle joue à vélocité fixe (F1 plus doux, F2 plus fort)</translation>
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
        <translation>Douce</translation>
    </message>
    <message>
        <source>Sustain pedal (controller 64): notes go on sounding after their keys are let go; hold Space to hold it</source>
        <translation>Pédale de sustain (contrôleur 64) : les notes continuent de sonner une fois les touches relâchées ; maintenez Espace pour la tenir</translation>
    </message>
    <message>
        <source>Sostenuto pedal (controller 66): the notes down when it is pressed go on sounding</source>
        <translation>Pédale sostenuto (contrôleur 66) : les notes tenues quand on l'enfonce continuent de sonner</translation>
    </message>
    <message>
        <source>Soft pedal (controller 67)</source>
        <translation>Pédale douce (contrôleur 67)</translation>
    </message>
    <message>
        <source>Velocity: %1</source>
        <translation>Vélocité : %1</translation>
    </message>
    <message>
        <source>&amp;%1 Snapshot %1</source>
        <translation>&amp;%1 Instantané %1</translation>
    </message>
    <message>
        <source>Define Snapshot &amp;%1</source>
        <translation>Définir l'instantané &amp;%1</translation>
    </message>
    <message>
        <source>Snapshot name</source>
        <translation>Nom de l'instantané</translation>
    </message>
    <message>
        <source>Please enter a name for this Snapshot:</source>
        <translation>Entrez un nom pour cet instantané :</translation>
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
        <translation>Partager le clavier en zones, chacune sur son propre canal (Ctrl + bouton du milieu sur une touche pose ou retire un point de partage ; Options &gt; Zones et arpégiateur les règle)</translation>
    </message>
    <message>
        <source>Latch: the notes played go on sounding after their keys are let go, until the next chord (Insert)</source>
        <translation>Verrouillage (latch) : les notes jouées continuent de sonner une fois les touches relâchées, jusqu'à l'accord suivant (Inser)</translation>
    </message>
    <message>
        <source>Arpeggiator: the zones play their notes one by one, in time</source>
        <translation>Arpégiateur : les zones jouent leurs notes une à une, en rythme</translation>
    </message>
    <message>
        <source>Split &amp;Keyboard</source>
        <translation>C&amp;lavier partagé</translation>
    </message>
    <message>
        <source>&amp;Latch</source>
        <translation>&amp;Verrouillage</translation>
    </message>
    <message>
        <source>&amp;Arpeggiator</source>
        <translation>&amp;Arpégiateur</translation>
    </message>
    <message>
        <source>&amp;Zones and Arpeggiator...</source>
        <translation>&amp;Zones et arpégiateur...</translation>
    </message>
    <message>
        <source>The arpeggiator cannot play: the output plays too much at once.</source>
        <translation>L'arpégiateur ne peut pas jouer : la sortie joue trop de choses à la fois.</translation>
    </message>
    <message>
        <source>Split point %1 removed: %2 zones</source>
        <translation>Point de partage %1 retiré : %2 zones</translation>
    </message>
    <message>
        <source>Split at %1: %2 zones</source>
        <translation>Partage à %1 : %2 zones</translation>
    </message>
    <message>
        <source>Latch on</source>
        <translation>Verrouillage activé</translation>
    </message>
    <message>
        <source>Latch off</source>
        <translation>Verrouillage désactivé</translation>
    </message>
    <message>
        <source>Arpeggiator on</source>
        <translation>Arpégiateur activé</translation>
    </message>
    <message>
        <source>Arpeggiator off</source>
        <translation>Arpégiateur désactivé</translation>
    </message>
</context>
<context>
    <name>TMidiBackend</name>
    <message>
        <source>ALSA sequencer</source>
        <translation>Séquenceur ALSA</translation>
    </message>
    <message>
        <source>Windows MIDI</source>
        <translation>Windows MIDI</translation>
    </message>
    <message>
        <source>The MIDI port "%1" is not available.</source>
        <translation>Le port MIDI « %1 » n'est pas disponible.</translation>
    </message>
    <message>
        <source>The %1 MIDI service is not running.</source>
        <translation>Le service MIDI %1 n'est pas lancé.</translation>
    </message>
    <message>
        <source>The JACK server takes no more MIDI messages.</source>
        <translation>Le serveur JACK n'accepte plus de messages MIDI.</translation>
    </message>
    <message>
        <source>The JACK server is no longer running.</source>
        <translation>Le serveur JACK ne tourne plus.</translation>
    </message>
    <message>
        <source>The MIDI message is too long to send.</source>
        <translation>Le message MIDI est trop long pour être envoyé.</translation>
    </message>
    <message>
        <source>The JACK server refused the MIDI port "%1".</source>
        <translation>Le serveur JACK a refusé le port MIDI « %1 ».</translation>
    </message>
    <message>
        <source>No MIDI service is running (tried: %1).</source>
        <translation>Aucun service MIDI n'est lancé (essayés : %1).</translation>
    </message>
    <message>
        <source>none compiled in</source>
        <translation>aucun compilé</translation>
    </message>
    <message>
        <source>The JACK server is not running: start it (e.g. with QjackCtl) or choose ALSA.</source>
        <translation>Le serveur JACK n'est pas lancé : démarrez-le (par ex. avec QjackCtl) ou choisissez ALSA.</translation>
    </message>
    <message>
        <source>The JACK server is not running: start it (e.g. with QjackCtl).</source>
        <translation>Le serveur JACK n'est pas lancé : démarrez-le (par ex. avec QjackCtl).</translation>
    </message>
    <message>
        <source>The ALSA sequencer is not available: load its kernel module (modprobe snd-seq) or choose JACK.</source>
        <translation>Le séquenceur ALSA n'est pas disponible : chargez son module noyau (modprobe snd-seq) ou choisissez JACK.</translation>
    </message>
    <message>
        <source>The ALSA sequencer is not available: load its kernel module (modprobe snd-seq).</source>
        <translation>Le séquenceur ALSA n'est pas disponible : chargez son module noyau (modprobe snd-seq).</translation>
    </message>
    <message>
        <source>The %1 MIDI service is not available.</source>
        <translation>Le service MIDI %1 n'est pas disponible.</translation>
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
        <translation>Automatique</translation>
    </message>
    <message>
        <source>%1 "%2" went away; it opens again as soon as it appears.</source>
        <translation>%1 : le port « %2 » a disparu ; il se rouvre dès qu'il réapparaît.</translation>
    </message>
    <message>
        <source> could not be opened.</source>
        <translation> n'a pas pu être ouvert.</translation>
    </message>
    <message>
        <source>Opened </source>
        <translation>Ouvert : </translation>
    </message>
    <message>
        <source> successfully.</source>
        <translation>.</translation>
    </message>
    <message>
        <source>Closing </source>
        <translation>Fermeture : </translation>
    </message>
    <message>
        <source> ...</source>
        <translation> ...</translation>
    </message>
    <message>
        <source>Closed </source>
        <translation>Fermé : </translation>
    </message>
    <message>
        <source>Midi Out</source>
        <translation>Sortie MIDI</translation>
    </message>
    <message>
        <source>Midi In</source>
        <translation>Entrée MIDI</translation>
    </message>
    <message>
        <source>%1 "%2" is a port of Ondrel's own; it was not opened.</source>
        <translation>%1 : « %2 » est un port d'Ondrel lui-même ; il n'a pas été ouvert.</translation>
    </message>
    <message>
        <source>%1 "%2" is not there; it opens as soon as it appears.</source>
        <translation>%1 : le port « %2 » est absent ; il s'ouvrira dès qu'il apparaîtra.</translation>
    </message>
    <message>
        <source>The %1 server is no longer running.</source>
        <translation>Le serveur %1 ne tourne plus.</translation>
    </message>
    <message>
        <source>JACK server</source>
        <translation>serveur JACK</translation>
    </message>
    <message>
        <source>MIDI service</source>
        <translation>service MIDI</translation>
    </message>
    <message>
        <source>%1 %2 was closed; it opens again when the %3 is back.</source>
        <translation>%1 Le port %2 a été fermé ; il se rouvrira au retour du %3.</translation>
    </message>
    <message>
        <source>%1 %2 and %3 were closed; they open again when the %4 is back.</source>
        <translation>%1 Les ports %2 et %3 ont été fermés ; ils se rouvriront au retour du %4.</translation>
    </message>
    <message>
        <source>Midi In closed: what Ondrel sends comes straight back to it (%1), and Midi Thru would play every note again and again.</source>
        <translation>Entrée MIDI fermée : ce qu'Ondrel envoie lui revient directement (%1), et MIDI Thru rejouerait chaque note sans fin.</translation>
    </message>
    <message>
        <source>Unspecified error</source>
        <translation>Erreur non précisée</translation>
    </message>
</context>
<context>
    <name>TMidiFile</name>
    <message>
        <source>Track %1 is damaged: it ends in the middle of an event (byte %2).</source>
        <translation>La piste %1 est endommagée : elle s'arrête au milieu d'un événement (octet %2).</translation>
    </message>
    <message>
        <source>Track %1 is damaged: the number at byte %2 is longer than four bytes.</source>
        <translation>La piste %1 est endommagée : le nombre à l'octet %2 dépasse quatre octets.</translation>
    </message>
    <message>
        <source>Track %1 is damaged: the tempo change at byte %2 is not valid.</source>
        <translation>La piste %1 est endommagée : le changement de tempo à l'octet %2 n'est pas valide.</translation>
    </message>
    <message>
        <source>Track %1 is damaged: byte %2 begins an event that MIDI files do not have (%3).</source>
        <translation>La piste %1 est endommagée : l'octet %2 commence un événement qui n'existe pas dans les fichiers MIDI (%3).</translation>
    </message>
    <message>
        <source>Track %1 is damaged: a data byte (byte %2) stands where an event must begin.</source>
        <translation>La piste %1 est endommagée : un octet de données (octet %2) se trouve là où doit commencer un événement.</translation>
    </message>
    <message>
        <source>Track %1 is damaged: the message at byte %2 is cut short by another.</source>
        <translation>La piste %1 est endommagée : le message à l'octet %2 est interrompu par un autre.</translation>
    </message>
</context>
<context>
    <name>TMidiInput</name>
    <message>
        <source>Out of memory.</source>
        <translation>Mémoire insuffisante.</translation>
    </message>
</context>
<context>
    <name>TMidiRouter</name>
    <message numerus="yes">
        <source>MIDI input overflowed: %n messages lost</source>
        <translation>
            <numerusform>Débordement de l'entrée MIDI : %n message perdu</numerusform><numerusform>Débordement de l'entrée MIDI : %n messages perdus</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>MIDI thru overflowed: %n messages lost</source>
        <translation>
            <numerusform>Débordement du MIDI Thru : %n message perdu</numerusform><numerusform>Débordement du MIDI Thru : %n messages perdus</numerusform></translation>
    </message>
</context>
<context>
    <name>TNumberEdit</name>
    <message>
        <source>%1 up</source>
        <translation>%1 plus</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 moins</translation>
    </message>
</context>
<context>
    <name>TPatchBoxModel</name>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
</context>
<context>
    <name>TPatchList</name>
    <message>
        <source>Unknown command "%s" is ignored.</source>
        <translation>La commande inconnue « %s » est ignorée.</translation>
    </message>
    <message>
        <source>Sub group does not exist. Lower the level.</source>
        <translation>Le sous-groupe n'existe pas. Baissez le niveau.</translation>
    </message>
    <message>
        <source>Syntax error.</source>
        <translation>Erreur de syntaxe.</translation>
    </message>
    <message>
        <source>No "define patchnames" section in the first %1.</source>
        <translation>Aucune section « define patchnames » dans les premiers %1.</translation>
    </message>
    <message>
        <source>Empty patch script file.</source>
        <translation>Fichier de script de patches vide.</translation>
    </message>
    <message>
        <source>Script is not a Cubase Parse File.</source>
        <translation>Le script n'est pas un fichier Cubase Parse File.</translation>
    </message>
    <message>
        <source>Premature end of Cubase Parse File.</source>
        <translation>Fin prématurée du fichier Cubase Parse File.</translation>
    </message>
    <message>
        <source>Version Number not found.</source>
        <translation>Numéro de version introuvable.</translation>
    </message>
    <message>
        <source>Wrong version number.</source>
        <translation>Mauvais numéro de version.</translation>
    </message>
    <message>
        <source>No "define patchnames" section !</source>
        <translation>Aucune section « define patchnames » !</translation>
    </message>
    <message>
        <source>Function [%s] is not implemented and ignored.</source>
        <translation>La fonction [%s] n'est pas prise en charge ; elle est ignorée.</translation>
    </message>
    <message>
        <source>Name is missing.</source>
        <translation>Nom manquant.</translation>
    </message>
    <message>
        <source>No program defined for key.</source>
        <translation>Aucun programme défini pour la touche.</translation>
    </message>
    <message>
        <source>No group defined for sorted property. Ignored.</source>
        <translation>Aucun groupe défini pour la propriété triée. Ignoré.</translation>
    </message>
    <message>
        <source>Ignoring remaining "%s" in command.</source>
        <translation>Le reste « %s » de la commande est ignoré.</translation>
    </message>
    <message>
        <source>MSB out of bounds (-1..127)</source>
        <translation>MSB hors limites (-1..127)</translation>
    </message>
    <message>
        <source>LSB out of bounds (-1..127)</source>
        <translation>LSB hors limites (-1..127)</translation>
    </message>
</context>
<context>
    <name>TPatchScriptParser</name>
    <message>
        <source>Script is not a Cubase Parse File.</source>
        <translation>Le script n'est pas un fichier Cubase Parse File.</translation>
    </message>
    <message>
        <source>Line </source>
        <translation>Ligne </translation>
    </message>
    <message>
        <source>Cannot open "%1": %2</source>
        <translation>Impossible d'ouvrir « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot read "%1": %2</source>
        <translation>Impossible de lire « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot read "%1": %2, and a patch script may have at most %3.</source>
        <translation>Impossible de lire « %1 » : %2, et un script de patches peut avoir au plus %3.</translation>
    </message>
    <message>
        <source>and %1 more</source>
        <translation>et %1 autres</translation>
    </message>
    <message>
        <source>[end] command not found.</source>
        <translation>Commande [end] introuvable.</translation>
    </message>
    <message>
        <source>Syntax error.</source>
        <translation>Erreur de syntaxe.</translation>
    </message>
    <message>
        <source>Number expected.</source>
        <translation>Nombre attendu.</translation>
    </message>
</context>
<context>
    <name>TPatchSetChooser</name>
    <message>
        <source>Choose Patch Set</source>
        <translation>Choisir un jeu de patches</translation>
    </message>
    <message>
        <source>Choose a directory</source>
        <translation>Choisir un répertoire</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Go to Ondrel's directory</source>
        <translation>Aller au répertoire d'Ondrel</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Choose a folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Patch scripts</source>
        <translation>Scripts de patches</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Nom :</translation>
    </message>
    <message>
        <source>Device Name:</source>
        <translation>Nom de l'appareil :</translation>
    </message>
    <message>
        <source>Device Manufacturer:</source>
        <translation>Fabricant de l'appareil :</translation>
    </message>
    <message>
        <source>Name of creator:</source>
        <translation>Nom du créateur :</translation>
    </message>
    <message>
        <source>Patch Scripts (*.txt)</source>
        <translation>Scripts de patches (*.txt)</translation>
    </message>
    <message>
        <source>All Files (*.*)</source>
        <translation>Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
</context>
<context>
    <name>TPatchSetLoader</name>
    <message>
        <source>Loading Patch Set</source>
        <translation>Chargement du jeu de patches</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Loading the patch set "%1"...</source>
        <translation>Chargement du jeu de patches « %1 »...</translation>
    </message>
</context>
<context>
    <name>TPlayerForm</name>
    <message>
        <source>Play MIDI File</source>
        <translation>Lire un fichier MIDI</translation>
    </message>
    <message>
        <source>Op&amp;en...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Last Take</source>
        <translation>&amp;Dernière prise</translation>
    </message>
    <message>
        <source>Play what you played last (since the last silence)</source>
        <translation>Rejouer ce que vous avez joué en dernier (depuis le dernier silence)</translation>
    </message>
    <message>
        <source>Position: drag to go elsewhere in the piece</source>
        <translation>Position : faites glisser pour aller ailleurs dans le morceau</translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation>&amp;Arrêt</translation>
    </message>
    <message>
        <source>L&amp;oop</source>
        <translation>&amp;Boucle</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>Open MIDI File</source>
        <translation>Ouvrir un fichier MIDI</translation>
    </message>
    <message>
        <source>MIDI files (*.mid *.midi *.smf *.kar);;All files (*)</source>
        <translation>Fichiers MIDI (*.mid *.midi *.smf *.kar);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>The file holds nothing to play.</source>
        <translation>Le fichier ne contient rien à jouer.</translation>
    </message>
    <message>
        <source>"%1" cannot be played.

%2</source>
        <translation>Impossible de lire « %1 ».

%2</translation>
    </message>
    <message>
        <source>System exclusive messages left out (too long to send, or incomplete): %1.</source>
        <translation>Messages System Exclusive omis (trop longs à envoyer ou incomplets) : %1.</translation>
    </message>
    <message>
        <source>Nothing has been played yet.</source>
        <translation>Rien n'a encore été joué.</translation>
    </message>
    <message>
        <source>Last take</source>
        <translation>Dernière prise</translation>
    </message>
    <message>
        <source>No MIDI output is open: choose one in the Midi Out menu.</source>
        <translation>Aucune sortie MIDI n'est ouverte : choisissez-en une dans le menu Sortie MIDI.</translation>
    </message>
    <message>
        <source>Nothing loaded</source>
        <translation>Rien de chargé</translation>
    </message>
    <message>
        <source>&amp;Pause</source>
        <translation>&amp;Pause</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Lecture</translation>
    </message>
</context>
<context>
    <name>TProgramBank</name>
    <message>
        <source>Bank: %1</source>
        <translation>Banque : %1</translation>
    </message>
</context>
<context>
    <name>TSaveTakeForm</name>
    <message>
        <source>Save Last Take</source>
        <translation>Enregistrer la dernière prise</translation>
    </message>
    <message>
        <source>The take</source>
        <translation>La prise</translation>
    </message>
    <message>
        <source>Since the last &amp;silence of at least</source>
        <translation>Depuis le dernier &amp;silence d'au moins</translation>
    </message>
    <message>
        <source> s</source>
        <translation> s</translation>
    </message>
    <message>
        <source>The &amp;last</source>
        <translation>Les &amp;dernières</translation>
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
        <translation>Le tempo écrit dans le fichier : un séquenceur y compte les mesures. Les notes gardent les instants où elles ont été jouées.</translation>
    </message>
    <message>
        <source>&amp;Tempo of the file:</source>
        <translation>&amp;Tempo du fichier :</translation>
    </message>
    <message>
        <source>Drag the take from here into a DAW or a file manager.</source>
        <translation>Faites glisser la prise d'ici vers un séquenceur ou un gestionnaire de fichiers.</translation>
    </message>
    <message>
        <source>Playing kept in memory</source>
        <translation>Jeu gardé en mémoire</translation>
    </message>
    <message>
        <source> MB</source>
        <translation> Mo</translation>
    </message>
    <message>
        <source>The last 30 minutes, at &amp;most:</source>
        <translation>Les 30 dernières minutes, au &amp;plus :</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>Take %1.mid</source>
        <translation>Prise %1.mid</translation>
    </message>
    <message>
        <source>Nothing has been played yet.</source>
        <translation>Rien n'a encore été joué.</translation>
    </message>
    <message>
        <source>Nothing was played in that time.</source>
        <translation>Rien n'a été joué pendant ce temps.</translation>
    </message>
    <message>
        <source>Notes: %1, length: %2, played at %3.</source>
        <translation>Notes : %1, durée : %2, heure : %3.</translation>
    </message>
    <message>
        <source>Messages sent while the computer was too busy to keep them: %1.</source>
        <translation>Messages envoyés pendant que l'ordinateur était trop occupé pour les garder : %1.</translation>
    </message>
    <message>
        <source>Save Take As</source>
        <translation>Enregistrer la prise sous</translation>
    </message>
    <message>
        <source>MIDI files (*.mid *.midi)</source>
        <translation>Fichiers MIDI (*.mid *.midi)</translation>
    </message>
    <message>
        <source>The take could not be saved as "%1".

%2</source>
        <translation>La prise n'a pas pu être enregistrée sous « %1 ».

%2</translation>
    </message>
    <message>
        <source>Take saved as "%1" (notes: %2, length: %3).</source>
        <translation>Prise enregistrée sous « %1 » (notes : %2, durée : %3).</translation>
    </message>
</context>
<context>
    <name>TSettings</name>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>Pitch Wheel</source>
        <translation>Molette de pitch bend</translation>
    </message>
    <message>
        <source>Joystick %1 left/right</source>
        <translation>Joystick %1 gauche/droite</translation>
    </message>
    <message>
        <source>Joystick %1 up/down</source>
        <translation>Joystick %1 haut/bas</translation>
    </message>
    <message>
        <source>Joystick %1 Z-layer</source>
        <translation>Joystick %1 axe Z</translation>
    </message>
    <message>
        <source>button %1 pressed</source>
        <translation>bouton %1 enfoncé</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Playing</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Controller</source>
        <translation>Contrôleur</translation>
    </message>
    <message>
        <source>Joystick</source>
        <translation>Joystick</translation>
    </message>
    <message>
        <source>Mouse Wheel</source>
        <translation>Molette de la souris</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Apply</source>
        <translation>A&amp;ppliquer</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Key Width</source>
        <translation>Largeur des touches</translation>
    </message>
    <message>
        <source>Use old style keyboard</source>
        <translation>Clavier à l'ancienne</translation>
    </message>
    <message>
        <source>Show keyboard arrow buttons</source>
        <translation>Afficher les flèches du clavier</translation>
    </message>
    <message>
        <source>Scroll to keys played out of sight</source>
        <translation>Suivre les touches jouées hors de vue</translation>
    </message>
    <message>
        <source>Notes played with the computer keys or arriving from MIDI are always shown on the keyboard.</source>
        <translation>Les notes jouées avec les touches de l'ordinateur ou reçues en MIDI sont toujours affichées sur le clavier.</translation>
    </message>
    <message>
        <source>Note display language</source>
        <translation>Langue des noms de notes</translation>
    </message>
    <message>
        <source>&amp;International</source>
        <translation>&amp;International</translation>
    </message>
    <message>
        <source>&amp;German</source>
        <translation>&amp;Allemand</translation>
    </message>
    <message>
        <source>&amp;French / Italian</source>
        <translation>&amp;Français / italien</translation>
    </message>
    <message>
        <source>Note-key mapping</source>
        <translation>Correspondance note–touche</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>Par défaut</translation>
    </message>
    <message>
        <source>Here you can specify which key on the computer keyboard corresponds to note "C" / "do".</source>
        <translation>Indiquez ici quelle touche du clavier de l'ordinateur correspond à la note « C » / « do ».</translation>
    </message>
    <message>
        <source>Upper manual (second row on computer keyboard):</source>
        <translation>Clavier supérieur (deuxième rangée du clavier de l'ordinateur) :</translation>
    </message>
    <message>
        <source>Lower manual (fourth row on computer keyboard):</source>
        <translation>Clavier inférieur (quatrième rangée du clavier de l'ordinateur) :</translation>
    </message>
    <message>
        <source>Velocity / Dynamic play</source>
        <translation>Vélocité / jeu dynamique</translation>
    </message>
    <message>
        <source>Standard velocity</source>
        <translation>Vélocité standard</translation>
    </message>
    <message>
        <source>Alternate velocity with Shift</source>
        <translation>Autre vélocité avec Maj</translation>
    </message>
    <message>
        <source>% &amp;Louder</source>
        <translation>% plus &amp;fort</translation>
    </message>
    <message>
        <source>% &amp;Quieter</source>
        <translation>% plus &amp;doux</translation>
    </message>
    <message>
        <source>The velocity is the volume of a single note. On real music keyboards, this is how hard you press a key. The computer keys play with the standard velocity (F1 and F2 step it), the mouse too unless it plays by where a key is struck.</source>
        <translation>La vélocité est le volume d'une note. Sur un vrai clavier, c'est la force avec laquelle on frappe la touche. Les touches de l'ordinateur jouent à la vélocité standard (F1 et F2 la changent), la souris aussi, sauf si elle joue selon l'endroit où la touche est frappée.</translation>
    </message>
    <message>
        <source>Standard velocity (0..127):</source>
        <translation>Vélocité standard (0..127) :</translation>
    </message>
    <message>
        <source>Alternate velocity with Shift (in percent):</source>
        <translation>Autre vélocité avec Maj (en pour cent) :</translation>
    </message>
    <message>
        <source>Send program, bank and knob values when an output opens</source>
        <translation>Envoyer programme, banque et boutons à l'ouverture d'une sortie</translation>
    </message>
    <message>
        <source>A synthesizer started or restarted later plays the sound the window shows.</source>
        <translation>Un synthétiseur démarré ou redémarré plus tard joue le son affiché par la fenêtre.</translation>
    </message>
    <message>
        <source>Where a key is struck</source>
        <translation>Endroit où la touche est frappée</translation>
    </message>
    <message>
        <source>Louder towards the &amp;front of a key</source>
        <translation>Plus fort vers l'&amp;avant de la touche</translation>
    </message>
    <message>
        <source>The mouse and fingers play softer near the back of a key, louder near its front; without it they play with the standard velocity.</source>
        <translation>La souris et les doigts jouent plus doux vers le fond de la touche, plus fort vers l'avant ; sinon, ils jouent à la vélocité standard.</translation>
    </message>
    <message>
        <source>Velocity at the back</source>
        <translation>Vélocité à l'arrière</translation>
    </message>
    <message>
        <source>Velocity at the front</source>
        <translation>Vélocité à l'avant</translation>
    </message>
    <message>
        <source>Hard: loud only near the front. Soft: loud soon.</source>
        <translation>Dur : fort seulement vers l'avant. Doux : vite fort.</translation>
    </message>
    <message>
        <source>Finger &amp;pressure as aftertouch</source>
        <translation>Pr&amp;ession du doigt en aftertouch</translation>
    </message>
    <message>
        <source>On touch screens that sense it, how hard a finger presses goes out as polyphonic aftertouch of its notes.</source>
        <translation>Sur les écrans tactiles qui la mesurent, la pression d'un doigt est envoyée en aftertouch polyphonique de ses notes.</translation>
    </message>
    <message>
        <source>At the back:</source>
        <translation>À l'arrière :</translation>
    </message>
    <message>
        <source>At the front:</source>
        <translation>À l'avant :</translation>
    </message>
    <message>
        <source>&amp;Touch:</source>
        <translation>&amp;Toucher :</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Dur</translation>
    </message>
    <message>
        <source>Soft</source>
        <translation>Doux</translation>
    </message>
    <message>
        <source>Labels on the keys</source>
        <translation>Étiquettes des touches</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>On the C keys</source>
        <translation>Sur les touches do</translation>
    </message>
    <message>
        <source>On every key</source>
        <translation>Sur chaque touche</translation>
    </message>
    <message>
        <source>On the keys being played</source>
        <translation>Sur les touches jouées</translation>
    </message>
    <message>
        <source>&amp;Sharps (C#)</source>
        <translation>&amp;Dièses (C#)</translation>
    </message>
    <message>
        <source>&amp;Flats (Db)</source>
        <translation>&amp;Bémols (Db)</translation>
    </message>
    <message>
        <source>The &amp;computer key that plays each note</source>
        <translation>Touche d'o&amp;rdinateur de la note</translation>
    </message>
    <message>
        <source>The patch's names of the keys (drum &amp;kits)</source>
        <translation>Noms du patch (&amp;kits de batterie)</translation>
    </message>
    <message>
        <source>They are the keys' tooltips in any case.</source>
        <translation>Ils apparaissent de toute façon en infobulle des touches.</translation>
    </message>
    <message>
        <source>&amp;Note names:</source>
        <translation>&amp;Noms des notes :</translation>
    </message>
    <message>
        <source>Black keys:</source>
        <translation>Touches noires :</translation>
    </message>
    <message>
        <source>&amp;Middle C (note 60):</source>
        <translation>Do &amp;central (note 60) :</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Gamme</translation>
    </message>
    <message>
        <source>Chromatic (every note)</source>
        <translation>Chromatique (toutes les notes)</translation>
    </message>
    <message>
        <source>Major</source>
        <translation>Majeur</translation>
    </message>
    <message>
        <source>Minor</source>
        <translation>Mineur</translation>
    </message>
    <message>
        <source>Harmonic minor</source>
        <translation>Mineur harmonique</translation>
    </message>
    <message>
        <source>Melodic minor</source>
        <translation>Mineur mélodique</translation>
    </message>
    <message>
        <source>Dorian</source>
        <translation>Dorien</translation>
    </message>
    <message>
        <source>Phrygian</source>
        <translation>Phrygien</translation>
    </message>
    <message>
        <source>Lydian</source>
        <translation>Lydien</translation>
    </message>
    <message>
        <source>Mixolydian</source>
        <translation>Mixolydien</translation>
    </message>
    <message>
        <source>Locrian</source>
        <translation>Locrien</translation>
    </message>
    <message>
        <source>Major pentatonic</source>
        <translation>Pentatonique majeure</translation>
    </message>
    <message>
        <source>Minor pentatonic</source>
        <translation>Pentatonique mineure</translation>
    </message>
    <message>
        <source>Blues</source>
        <translation>Blues</translation>
    </message>
    <message>
        <source>The computer keys &amp;play only the scale's notes</source>
        <translation>Les touches d'ordinateur ne &amp;jouent que la gamme</translation>
    </message>
    <message>
        <source>The letter rows play the notes of the scale one after another, each row's C key the key note; the rows above them play nothing.</source>
        <translation>Les rangées de lettres jouent les notes de la gamme l'une après l'autre, la touche C de chaque rangée la tonique ; les rangées au-dessus ne jouent rien.</translation>
    </message>
    <message>
        <source>Ke&amp;y:</source>
        <translation>&amp;Tonique :</translation>
    </message>
    <message>
        <source>Scal&amp;e:</source>
        <translation>&amp;Gamme :</translation>
    </message>
    <message>
        <source>Notes outside the scale are dimmed on the keyboard.</source>
        <translation>Les notes hors de la gamme sont assombries sur le clavier.</translation>
    </message>
    <message>
        <source>Keyboard</source>
        <translation>Clavier</translation>
    </message>
    <message>
        <source>&amp;Up/Down Controller</source>
        <translation>Contrôleur &amp;haut/bas</translation>
    </message>
    <message>
        <source>&amp;Left/Right Controller</source>
        <translation>Contrôleur &amp;gauche/droite</translation>
    </message>
    <message>
        <source>These are the controllers that are sent when you use the "special hold mode" on the keyboard.</source>
        <translation>Ce sont les contrôleurs envoyés quand vous utilisez le « maintien spécial » sur le clavier.</translation>
    </message>
    <message>
        <source>Wheels</source>
        <translation>Molettes</translation>
    </message>
    <message>
        <source>&amp;Mod Wheel Controller</source>
        <translation>Contrôleur de la &amp;molette de modulation</translation>
    </message>
    <message>
        <source>This is the controller that is sent by the "modulation wheel" at the left side of the keyboard.</source>
        <translation>C'est le contrôleur envoyé par la « molette de modulation » à gauche du clavier.</translation>
    </message>
    <message>
        <source>Disable automatic controller choice</source>
        <translation>Désactiver le choix automatique du contrôleur</translation>
    </message>
    <message>
        <source>&amp;Joystick/Action</source>
        <translation>&amp;Joystick/action</translation>
    </message>
    <message>
        <source>&amp;Controller</source>
        <translation>&amp;Contrôleur</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Sensibilité</translation>
    </message>
    <message>
        <source>The sensitivity defines how much the controller is changed with one "tick" of the mousewheel.</source>
        <translation>La sensibilité définit de combien un « cran » de la molette de la souris change le contrôleur.</translation>
    </message>
    <message>
        <source>&amp;Sensitivity</source>
        <translation>&amp;Sensibilité</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lent</translation>
    </message>
    <message>
        <source>Fast</source>
        <translation>Rapide</translation>
    </message>
    <message>
        <source>You can use Alt+Mouse dragging to shift the keyboard
without these buttons.</source>
        <translation>Alt + glisser avec la souris décale le clavier
sans ces boutons.</translation>
    </message>
    <message>
        <source>Hint: To easily set up the controller numbers, select a combobox and move the slider/knob that you want to control with it.</source>
        <translation>Astuce : pour régler facilement les numéros de contrôleur, choisissez une liste et bougez le curseur ou le bouton à piloter avec elle.</translation>
    </message>
    <message>
        <source>You can use a joystick to send controller messages. It must be connected and its device (/dev/input/js* or /dev/input/event*) readable by you to be used in Ondrel.</source>
        <translation>Un joystick peut envoyer des messages de contrôleur. Pour servir dans Ondrel, il doit être branché et son périphérique (/dev/input/js* ou /dev/input/event*) lisible par vous.</translation>
    </message>
    <message>
        <source>To easily set up the controller number, move the slider/knob that you want to control with it. In case of problems, disable it below.</source>
        <translation>Pour régler facilement le numéro de contrôleur, bougez le curseur ou le bouton à piloter avec lui. En cas de problème, désactivez ce choix ci-dessous.</translation>
    </message>
    <message>
        <source>You can use a mouse wheel to send controller messages. Choose a controller below. You can turn the knob or wheel corresponding to the desired controller on Ondrel or a connected MIDI device to set the controller.</source>
        <translation>La molette de la souris peut envoyer des messages de contrôleur. Choisissez un contrôleur ci-dessous, ou tournez le bouton ou la molette du contrôleur voulu dans Ondrel ou sur un appareil MIDI branché.</translation>
    </message>
    <message>
        <source>"Slow" means very fine resolution but you need to turn a lot to change the controller significantly. On the other hand, "Fast" has the effect that little wheel movement results in big controller changes.</source>
        <translation>« Lent » donne une résolution très fine, mais il faut beaucoup tourner pour changer nettement le contrôleur. « Rapide », au contraire, change beaucoup le contrôleur pour un petit mouvement de la molette.</translation>
    </message>
</context>
<context>
    <name>TSettingsSaver</name>
    <message>
        <source>The settings have been saved.</source>
        <translation>Les paramètres ont été enregistrés.</translation>
    </message>
</context>
<context>
    <name>TSplashForm</name>
    <message>
        <source>About Ondrel</source>
        <translation>À propos d'Ondrel</translation>
    </message>
    <message>
        <source>V%1 build %2</source>
        <translation>V%1 build %2</translation>
    </message>
</context>
<context>
    <name>TStatusBar</name>
    <message>
        <source>Transpose: %1</source>
        <translation>Transposition : %1</translation>
    </message>
    <message>
        <source>Messages</source>
        <translation>Messages</translation>
    </message>
    <message>
        <source>No messages yet.</source>
        <translation>Aucun message pour le moment.</translation>
    </message>
</context>
<context>
    <name>TSynth</name>
    <message>
        <source>Midi-Mapper could not be opened. </source>
        <translation>Midi-Mapper n'a pas pu être ouvert. </translation>
    </message>
    <message>
        <source> (%1)</source>
        <translation> (%1)</translation>
    </message>
    <message>
        <source>No General MIDI SoundFont was found. Install fluid-soundfont-gm or timgm6mb-soundfont, or choose a SoundFont file.</source>
        <translation>Aucune SoundFont General MIDI trouvée. Installez fluid-soundfont-gm ou timgm6mb-soundfont, ou choisissez un fichier SoundFont.</translation>
    </message>
    <message>
        <source>The SoundFont "%1" does not exist.</source>
        <translation>La SoundFont « %1 » n'existe pas.</translation>
    </message>
    <message>
        <source>"%1" is not a SoundFont.</source>
        <translation>« %1 » n'est pas une SoundFont.</translation>
    </message>
    <message>
        <source>FluidSynth could not be started.</source>
        <translation>FluidSynth n'a pas pu être démarré.</translation>
    </message>
    <message>
        <source>FluidSynth could not be started</source>
        <translation>FluidSynth n'a pas pu être démarré</translation>
    </message>
    <message>
        <source>The SoundFont "%1" could not be loaded</source>
        <translation>La SoundFont « %1 » n'a pas pu être chargée</translation>
    </message>
    <message>
        <source>No audio output could be opened (tried %1)</source>
        <translation>Aucune sortie audio n'a pu être ouverte (essayées : %1)</translation>
    </message>
    <message>
        <source>The built-in synthesizer takes no more MIDI messages.</source>
        <translation>Le synthétiseur intégré n'accepte plus de messages MIDI.</translation>
    </message>
    <message>
        <source>FluidSynth has no audio output for this system.</source>
        <translation>FluidSynth n'a pas de sortie audio pour ce système.</translation>
    </message>
</context>
<context>
    <name>TSystemListView</name>
    <message>
        <source>folders nested too deeply</source>
        <translation>dossiers imbriqués trop profondément</translation>
    </message>
    <message>
        <source>it could not be removed</source>
        <translation>il n'a pas pu être supprimé</translation>
    </message>
    <message>
        <source>There is already an item named "%1" in this folder. Please choose another name.</source>
        <translation>Un élément nommé « %1 » existe déjà dans ce dossier. Choisissez un autre nom.</translation>
    </message>
    <message>
        <source>Could not rename "%1" to "%2"</source>
        <translation>Impossible de renommer « %1 » en « %2 »</translation>
    </message>
    <message>
        <source>Could not create a new folder in %1.</source>
        <translation>Impossible de créer un nouveau dossier dans %1.</translation>
    </message>
    <message>
        <source>Delete "%1" permanently?</source>
        <translation>Supprimer définitivement « %1 » ?</translation>
    </message>
    <message numerus="yes">
        <source>Delete these %n items permanently?</source>
        <translation>
            <numerusform>Supprimer définitivement cet élément ?</numerusform><numerusform>Supprimer définitivement ces %n éléments ?</numerusform></translation>
    </message>
    <message>
        <source>Could not delete "%1"</source>
        <translation>Impossible de supprimer « %1 »</translation>
    </message>
    <message>
        <source>Could not move "%1" to the trash</source>
        <translation>Impossible de mettre « %1 » à la corbeille</translation>
    </message>
    <message>
        <source>"%1"</source>
        <translation>« %1 »</translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n élément</numerusform><numerusform>%n éléments</numerusform></translation>
    </message>
    <message>
        <source>%1 will be moved by the next Paste.</source>
        <translation>Déplacement de %1 au prochain Coller.</translation>
    </message>
    <message>
        <source>%1 copied.</source>
        <translation>Copie faite : %1.</translation>
    </message>
    <message>
        <source>Copied %1 to %2.</source>
        <translation>Copie de %1 dans %2 terminée.</translation>
    </message>
    <message>
        <source>Moved %1 to %2.</source>
        <translation>Déplacement de %1 dans %2 terminé.</translation>
    </message>
    <message>
        <source>Made links to %1 in %2.</source>
        <translation>Liens vers %1 créés dans %2.</translation>
    </message>
    <message>
        <source> "%1" was taken there, so it is "%2".</source>
        <translation> Le nom « %1 » y était pris : c'est donc « %2 ».</translation>
    </message>
    <message>
        <source>Stopped. </source>
        <translation>Arrêté. </translation>
    </message>
    <message>
        <source>%1

Shown: %2, %3 (%4)</source>
        <translation>%1

Affichés : %2, %3 (%4)</translation>
    </message>
    <message>
        <source>1 folder</source>
        <translation>1 dossier</translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <translation>
            <numerusform>%n dossier</numerusform><numerusform>%n dossiers</numerusform></translation>
    </message>
    <message>
        <source>1 file</source>
        <translation>1 fichier</translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n fichier</numerusform><numerusform>%n fichiers</numerusform></translation>
    </message>
    <message>
        <source>
Free space: %1</source>
        <translation>
Espace libre : %1</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>Lar&amp;ge Icons</source>
        <translation>&amp;Grandes icônes</translation>
    </message>
    <message>
        <source>Shows the items as large icons.</source>
        <translation>Affiche les éléments en grandes icônes.</translation>
    </message>
    <message>
        <source>S&amp;mall Icons</source>
        <translation>&amp;Petites icônes</translation>
    </message>
    <message>
        <source>Shows the items as small icons.</source>
        <translation>Affiche les éléments en petites icônes.</translation>
    </message>
    <message>
        <source>&amp;List</source>
        <translation>&amp;Liste</translation>
    </message>
    <message>
        <source>Shows the items in a list.</source>
        <translation>Affiche les éléments en liste.</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>&amp;Détails</translation>
    </message>
    <message>
        <source>Shows each item with its size, type, time and attributes.</source>
        <translation>Affiche chaque élément avec sa taille, son type, sa date et ses attributs.</translation>
    </message>
    <message>
        <source>Arrange &amp;Icons</source>
        <translation>Réorganiser les &amp;icônes</translation>
    </message>
    <message>
        <source>by &amp;Name</source>
        <translation>par &amp;nom</translation>
    </message>
    <message>
        <source>Sorts items alphabetically by name.</source>
        <translation>Trie les éléments par ordre alphabétique.</translation>
    </message>
    <message>
        <source>by &amp;Type</source>
        <translation>par &amp;type</translation>
    </message>
    <message>
        <source>Sorts items by type.</source>
        <translation>Trie les éléments par type.</translation>
    </message>
    <message>
        <source>by Si&amp;ze</source>
        <translation>par tai&amp;lle</translation>
    </message>
    <message>
        <source>Sorts items by size.</source>
        <translation>Trie les éléments par taille.</translation>
    </message>
    <message>
        <source>by &amp;Date</source>
        <translation>par &amp;date</translation>
    </message>
    <message>
        <source>Sorts items by date, newest first.</source>
        <translation>Trie les éléments par date, du plus récent au plus ancien.</translation>
    </message>
    <message>
        <source>&amp;Auto Arrange</source>
        <translation>Réorganisation &amp;automatique</translation>
    </message>
    <message>
        <source>Arranges the icons to fit the window.</source>
        <translation>Dispose les icônes selon la largeur de la fenêtre.</translation>
    </message>
    <message>
        <source>Line &amp;Up Icons</source>
        <translation>Ali&amp;gner les icônes</translation>
    </message>
    <message>
        <source>Lines the icons up on a grid.</source>
        <translation>Aligne les icônes sur une grille.</translation>
    </message>
    <message>
        <source>Re&amp;fresh</source>
        <translation>Ac&amp;tualiser</translation>
    </message>
    <message>
        <source>Reads the folder again.</source>
        <translation>Relit le dossier.</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Coller</translation>
    </message>
    <message>
        <source>Copies the files on the clipboard into this folder, or moves them when they were cut.</source>
        <translation>Copie les fichiers du presse-papiers dans ce dossier, ou les déplace s'ils ont été coupés.</translation>
    </message>
    <message>
        <source>Paste &amp;Shortcut</source>
        <translation>Coller comme &amp;lien</translation>
    </message>
    <message>
        <source>Makes links to the files on the clipboard in this folder.</source>
        <translation>Crée dans ce dossier des liens vers les fichiers du presse-papiers.</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Folder</source>
        <translation>&amp;Dossier</translation>
    </message>
    <message>
        <source>Creates a new folder.</source>
        <translation>Crée un nouveau dossier.</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>&amp;Propriétés</translation>
    </message>
    <message>
        <source>Shows what this folder holds.</source>
        <translation>Montre ce que contient ce dossier.</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>Opens the item.</source>
        <translation>Ouvre l'élément.</translation>
    </message>
    <message>
        <source>Re&amp;name</source>
        <translation>Re&amp;nommer</translation>
    </message>
    <message>
        <source>Renames the item.</source>
        <translation>Renomme l'élément.</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>Moves the selected items by the next Paste.</source>
        <translation>Déplace les éléments choisis au prochain Coller.</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Co&amp;pier</translation>
    </message>
    <message>
        <source>Copies the selected items by the next Paste.</source>
        <translation>Copie les éléments choisis au prochain Coller.</translation>
    </message>
    <message>
        <source>Move to &amp;Trash</source>
        <translation>Mettre à la &amp;corbeille</translation>
    </message>
    <message>
        <source>Moves the selected items to the trash.</source>
        <translation>Met les éléments choisis à la corbeille.</translation>
    </message>
    <message>
        <source>&amp;Delete Permanently</source>
        <translation>&amp;Supprimer définitivement</translation>
    </message>
    <message>
        <source>Deletes the selected items for good.</source>
        <translation>Supprime définitivement les éléments choisis.</translation>
    </message>
    <message>
        <source>Directory %1 is not valid.</source>
        <translation>Le répertoire %1 n'est pas valide.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be read.</source>
        <translation>Impossible de lire le dossier %1.</translation>
    </message>
    <message>
        <source>The folder %1 can no longer be read; showing %2.</source>
        <translation>Le dossier %1 ne peut plus être lu ; affichage de %2.</translation>
    </message>
    <message>
        <source>The folder %1 is no longer there; showing %2.</source>
        <translation>Le dossier %1 n'existe plus ; affichage de %2.</translation>
    </message>
    <message>
        <source>The folder %1 is no longer there.</source>
        <translation>Le dossier %1 n'existe plus.</translation>
    </message>
    <message>
        <source>No application could open %1.</source>
        <translation>Aucune application n'a pu ouvrir %1.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>Attributes</source>
        <translation>Attributs</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Commentaire</translation>
    </message>
    <message>
        <source>%1 on %2</source>
        <translation>%1 sur %2</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>File </source>
        <translation>Fichier </translation>
    </message>
    <message>
        <source> link</source>
        <translation> lien</translation>
    </message>
    <message>
        <source>A name cannot be empty.</source>
        <translation>Un nom ne peut pas être vide.</translation>
    </message>
    <message>
        <source>"%1" is not a valid name.</source>
        <translation>« %1 » n'est pas un nom valide.</translation>
    </message>
    <message>
        <source>A name cannot contain "%1".</source>
        <translation>Un nom ne peut pas contenir « %1 ».</translation>
    </message>
    <message>
        <source>The name "%1" is too long.</source>
        <translation>Le nom « %1 » est trop long.</translation>
    </message>
</context>
<context>
    <name>TTakeDrag</name>
    <message>
        <source>Drag the take into a DAW or a file manager as a MIDI file</source>
        <translation>Faire glisser la prise vers un séquenceur ou un gestionnaire de fichiers, en fichier MIDI</translation>
    </message>
    <message>
        <source>Nothing has been played yet.</source>
        <translation>Rien n'a encore été joué.</translation>
    </message>
    <message>
        <source>No temporary folder can be made for the file: %1.</source>
        <translation>Impossible de créer un dossier temporaire pour le fichier : %1.</translation>
    </message>
</context>
<context>
    <name>TTransposeForm</name>
    <message>
        <source>Transpose</source>
        <translation>Transposer</translation>
    </message>
    <message>
        <source>Number of semi- tones to transpose:</source>
        <translation>Nombre de demi- tons à transposer :</translation>
    </message>
    <message>
        <source>Display transposed notes on keyboard</source>
        <translation>Afficher les notes transposées sur le clavier</translation>
    </message>
    <message>
        <source>Transpose MIDI Thru notes</source>
        <translation>Transposer les notes MIDI Thru</translation>
    </message>
    <message>
        <source>Keep transpose when this window is closed.</source>
        <translation>Garder la transposition à la fermeture.</translation>
    </message>
    <message>
        <source>Use this window to transpose all outgoing notes either up (positive) or down (negative) in semi tones.</source>
        <translation>Cette fenêtre transpose toutes les notes sortantes vers le haut (positif) ou le bas (négatif), en demi-tons.</translation>
    </message>
    <message>
        <source>Checking "Display transposed notes on keyboard" results in transposing before the notes are displayed on the keyboard. This may seem as playing wrong notes.</source>
        <translation>Avec « Afficher les notes transposées sur le clavier », la transposition a lieu avant l'affichage. On peut avoir l'impression de jouer de fausses notes.</translation>
    </message>
    <message>
        <source>Checking "Transpose MIDI Thru notes" will transpose also all notes that come in to the MIDI in port.</source>
        <translation>Avec « Transposer les notes MIDI Thru », les notes reçues sur l'entrée MIDI sont aussi transposées.</translation>
    </message>
    <message>
        <source>When you check "Keep transpose when this window is closed", the notes keep on being transposed even when you have closed this window. Otherwise, closing this window resets to 0 transpose.</source>
        <translation>Avec « Garder la transposition à la fermeture », les notes restent transposées après la fermeture. Sinon, fermer la fenêtre remet la transposition à 0.</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Hide help</source>
        <translation>Masquer l'aide</translation>
    </message>
    <message>
        <source>Show Help</source>
        <translation>Afficher l'aide</translation>
    </message>
</context>
<context>
    <name>TUpDown</name>
    <message>
        <source>Steps %1 up or down</source>
        <translation>Augmente ou diminue %1</translation>
    </message>
    <message>
        <source>%1 up</source>
        <translation>%1 plus</translation>
    </message>
    <message>
        <source>One step up; held, it goes on</source>
        <translation>Monte d'un cran ; maintenu, continue de monter</translation>
    </message>
    <message>
        <source>%1 down</source>
        <translation>%1 moins</translation>
    </message>
    <message>
        <source>One step down; held, it goes on</source>
        <translation>Descend d'un cran ; maintenu, continue de descendre</translation>
    </message>
</context>
<context>
    <name>TZoneForm</name>
    <message>
        <source>Zones and Arpeggiator</source>
        <translation>Zones et arpégiateur</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Partage du clavier</translation>
    </message>
    <message>
        <source>&amp;Split the keyboard into zones</source>
        <translation>&amp;Partager le clavier en zones</translation>
    </message>
    <message>
        <source>Ctrl + middle button on a key sets or removes a split point</source>
        <translation>Ctrl + bouton du milieu sur une touche pose ou retire un point de partage</translation>
    </message>
    <message>
        <source>&amp;Zones:</source>
        <translation>&amp;Zones :</translation>
    </message>
    <message>
        <source>Zone %1 from:</source>
        <translation>Début de la zone %1 :</translation>
    </message>
    <message>
        <source>All zones</source>
        <translation>Toutes les zones</translation>
    </message>
    <message>
        <source>&amp;Latch: notes sound on after their keys are let go (Insert)</source>
        <translation>&amp;Verrouillage : les notes sonnent après relâchement (Inser)</translation>
    </message>
    <message>
        <source>&amp;Arpeggiator</source>
        <translation>&amp;Arpégiateur</translation>
    </message>
    <message>
        <source>The zones whose arpeggiator is on play their notes one by one in time</source>
        <translation>Les zones dont l'arpégiateur est activé jouent leurs notes une à une, en rythme</translation>
    </message>
    <message>
        <source>Own tempo</source>
        <translation>Tempo interne</translation>
    </message>
    <message>
        <source>JACK transport</source>
        <translation>Transport JACK</translation>
    </message>
    <message>
        <source>MIDI clock</source>
        <translation>Horloge MIDI</translation>
    </message>
    <message>
        <source>JACK transport: the tempo and bar position of the transport master while it rolls. MIDI clock: the clock arriving at Midi In.</source>
        <translation>Transport JACK : le tempo et la position en mesures du maître du transport tant qu'il tourne. Horloge MIDI : l'horloge reçue sur l'entrée MIDI.</translation>
    </message>
    <message>
        <source> BPM</source>
        <translation> BPM</translation>
    </message>
    <message>
        <source>&amp;Clock:</source>
        <translation>&amp;Horloge :</translation>
    </message>
    <message>
        <source>&amp;Tempo:</source>
        <translation>&amp;Tempo :</translation>
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
        <translation>Un second canal sur lequel la zone joue aussi</translation>
    </message>
    <message>
        <source>as the chord box</source>
        <translation>comme la liste Accord</translation>
    </message>
    <message>
        <source>as struck</source>
        <translation>comme jouée</translation>
    </message>
    <message>
        <source>Ondrel's output</source>
        <translation>Sortie d'Ondrel</translation>
    </message>
    <message>
        <source>A synthesizer of the zone's own; it opens as soon as it is there</source>
        <translation>Un synthétiseur propre à la zone ; il s'ouvre dès qu'il est là</translation>
    </message>
    <message>
        <source>C&amp;hannel:</source>
        <translation>&amp;Canal :</translation>
    </message>
    <message>
        <source>La&amp;yer:</source>
        <translation>Co&amp;uche :</translation>
    </message>
    <message>
        <source>&amp;Octave:</source>
        <translation>&amp;Octave :</translation>
    </message>
    <message>
        <source>T&amp;ranspose:</source>
        <translation>Transpos&amp;ition :</translation>
    </message>
    <message>
        <source>&amp;Program:</source>
        <translation>P&amp;rogramme :</translation>
    </message>
    <message>
        <source>Bank &amp;MSB:</source>
        <translation>Banque &amp;MSB :</translation>
    </message>
    <message>
        <source>Bank LS&amp;B:</source>
        <translation>Banque LS&amp;B :</translation>
    </message>
    <message>
        <source>Chor&amp;d:</source>
        <translation>Accor&amp;d :</translation>
    </message>
    <message>
        <source>&amp;Velocity:</source>
        <translation>Vé&amp;locité :</translation>
    </message>
    <message>
        <source>O&amp;utput port:</source>
        <translation>Port de &amp;sortie :</translation>
    </message>
    <message>
        <source>Arpegg&amp;iate</source>
        <translation>Arpég&amp;er</translation>
    </message>
    <message>
        <source>Up</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Down</source>
        <translation>Descendant</translation>
    </message>
    <message>
        <source>Up and down</source>
        <translation>Montant-descendant</translation>
    </message>
    <message>
        <source>As played</source>
        <translation>Ordre joué</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Aléatoire</translation>
    </message>
    <message>
        <source>Chord</source>
        <translation>Accord</translation>
    </message>
    <message>
        <source>%1 triplets</source>
        <translation>%1 triolet</translation>
    </message>
    <message>
        <source>%1 dotted</source>
        <translation>%1 pointée</translation>
    </message>
    <message>
        <source>How much of its step a note sounds</source>
        <translation>La part de son pas pendant laquelle une note sonne</translation>
    </message>
    <message>
        <source>Where the second step of each pair starts: 50 % is straight, 66 % a triplet feel</source>
        <translation>Où commence le second pas de chaque paire : 50 % est binaire, 66 % donne un feeling ternaire</translation>
    </message>
    <message>
        <source>Patt&amp;ern:</source>
        <translation>Moti&amp;f :</translation>
    </message>
    <message>
        <source>&amp;Note value:</source>
        <translation>Valeur de &amp;note :</translation>
    </message>
    <message>
        <source>&amp;Gate:</source>
        <translation>&amp;Gate :</translation>
    </message>
    <message>
        <source>S&amp;wing:</source>
        <translation>S&amp;wing :</translation>
    </message>
    <message>
        <source>Octave range:</source>
        <translation>Étendue d'octaves :</translation>
    </message>
    <message>
        <source>%1 (not in the chord box)</source>
        <translation>%1 (absent de la liste Accord)</translation>
    </message>
    <message>
        <source>%1 (not there now)</source>
        <translation>%1 (absent pour le moment)</translation>
    </message>
    <message>
        <source>Without a split the whole keyboard plays on the keyboard's channel, with this arpeggiator</source>
        <translation>Sans partage, tout le clavier joue sur le canal du clavier, avec cet arpégiateur</translation>
    </message>
</context>
<context>
    <name>TZonePorts</name>
    <message>
        <source>The zones' port "%1" is not there; it opens as soon as it appears.</source>
        <translation>Le port « %1 » des zones est absent ; il s'ouvrira dès qu'il apparaîtra.</translation>
    </message>
    <message>
        <source>The zones' port "%1" could not be opened: %2</source>
        <translation>Le port « %1 » des zones n'a pas pu être ouvert : %2</translation>
    </message>
    <message>
        <source>Opened the zones' port %1.</source>
        <translation>Port %1 des zones ouvert.</translation>
    </message>
    <message>
        <source>The zones' port "%1" went away; it opens again as soon as it appears.</source>
        <translation>Le port « %1 » des zones a disparu ; il se rouvrira dès qu'il réapparaîtra.</translation>
    </message>
</context>
</TS>