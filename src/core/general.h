#pragma once

// Support utilities of the program: where it runs from, the name of its settings root, its
// version texts and a few small conversions.

#include <QString>
#include <QStringView>

#include <cstdint>

inline constexpr QStringView CompanyKeyName = u"Tavrel";
inline constexpr QStringView ProgramName = u"Ondrel";

// The running executable's full path, symbolic links resolved; computed once.
QString ExePath();

// "Ondrel\" + the executable's base name (file name without folder and last extension), so that
// a renamed executable keeps settings of its own. A backslash in the base name would read as a
// deeper key and becomes '_'.
QString ProgramKeyNameOf(const QString &ExeFile);
// ProgramKeyNameOf the running executable, with "-" + the profile name after it when a profile
// is in use ("Ondrel\ondrel-studio").
QString ProgramKeyName();

// The profile chosen on the command line: settings of its own, for a second keyboard beside the
// first. Empty for none. Set once at start-up, before anything is read from the store.
QString ProfileName();
void SetProfileName(const QString &Name);

// The four-part version of the executable, from the project version ("0.1.0" gives "0.1.0.0").
QString FileVersionText();
// "1.5.0.12" gives version "1.50" (the text before the last '.', without its own last '.') and
// build "12" (the text after the last '.'); a text without '.' is all version, no build.
QString VersionText(const QString &FileVersion);
QString BuildText(const QString &FileVersion);
QString VersionText();
QString BuildText();

// The decimal text of Number, with '0' put in front until it is Length characters long; the
// zeros go after the sign of a negative number ("-007").
QString ZeroPaddedNumber(int Number, int Length);

// The two characters at Position (from 0), hexadecimal in either case, as one byte; false and
// Value unchanged when either is not a hex digit or lies outside Text.
bool HexToByte(QStringView Text, qsizetype Position, uint8_t &Value);

// True if Path exists and is a folder (or a link to one).
bool DirectoryExists(const QString &Path);
