#pragma once

// Where the built-in synthesizer finds its General MIDI SoundFont. A file the user named wins;
// otherwise the usual SoundFont folders are searched for the known General MIDI sets, the big
// FluidR3 set first (fluid-soundfont-gm), then the small TimGM6mb (timgm6mb-soundfont), then
// whatever the distribution links as its default. QtCore only, no FluidSynth.

#include <QString>
#include <QStringList>

namespace SynthSoundFont {

// The folders searched, most personal first: $XDG_DATA_HOME/sounds/sf2 and .../sf3 (default
// ~/.local/share), the same below each $XDG_DATA_DIRS entry (default /usr/local/share and
// /usr/share), then /usr/share/soundfonts and /usr/local/share/soundfonts.
QStringList SearchFolders();

// The file names tried in each folder, in order of preference.
QStringList KnownNames();

// The SoundFont to load: Setting when it is not empty (even when it does not exist, so that the
// error names the file the user chose), else the first of KnownNames() found in any of Folders
// (all folders are searched for one name before the next name is tried), else empty.
QString Find(const QString &Setting, const QStringList &Folders);

// Whether Path names a file with a SoundFont extension (.sf2 or .sf3, any letter case).
bool HasSoundFontSuffix(const QString &Path);

} // namespace SynthSoundFont
