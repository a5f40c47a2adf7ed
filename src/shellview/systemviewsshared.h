#pragma once

// What the file list view and its folder watcher share: one entry of a folder, how a folder is
// listed and compared with what is shown, the column vocabulary, and the small rules of cell
// texts, sorting, new folder names, file names and the history of visited folders.
//
// QtCore only, and every function here may run on any thread (the watcher lists folders on its
// own thread with them); nothing here keeps state between calls except TFolderHistory, which is
// a plain value.

#include <QDateTime>
#include <QFlags>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

class QCollator;
class QMimeData;

// The column set in use; the numbers are the ones kept in the settings store.
enum class TColumnType : uint8_t {
    ctFileSystem = 0,
    ctNetwork = 1,
    ctUser = 2,
    ctImages = 3,
    ctAudio = 4,
    ctUnknown = 5,
};
constexpr int ColumnTypeCount = 6;

// Kinds of column, numbered as in the settings store (1..ColumnKindCount); the ones without a
// name here are reserved for column sets this program does not build.
enum class TColumnKind : uint8_t {
    ckName = 1,
    ckSize = 2,
    ckType = 3,
    ckModified = 4,
    ckAttributes = 5,
    ckComment = 6,
};
constexpr int ColumnKindCount = 13;

struct TColumnInfo {
    QString Caption;
    int DefaultWidth;
    bool RightAligned;
};
TColumnInfo ColumnInfo(TColumnKind Kind);
// The columns of a column type: Name, Size, Type, Modified, Attributes for file-system folders,
// Name and Comment for the folder of network shares, Name, Size, Type, Modified for pictures and
// music (sets of their own so that they keep their own widths and sort column), Name alone
// otherwise (ctUser's columns are the owner's).
QList<TColumnKind> ColumnSet(TColumnType Type);

// The column set a folder is shown with: ctNetwork for the folder where the desktop mounts the
// network shares it reaches ($XDG_RUNTIME_DIR/gvfs), ctImages within the user's pictures folder,
// ctAudio within the music folder, ctFileSystem for every other folder (a mounted share too: it
// has sizes and times like any other).
TColumnType ColumnTypeOf(const QString &Folder);
bool IsNetworkFolder(const QString &Folder);
// What a mount of the network folder is, from its name: "smb-share:server=nas,share=music" is
// "music on nas (smb)", "sftp:host=example.com,user=me" is "me@example.com (sftp)"; empty for a
// name of another form.
QString ShareDescription(const QString &Name);

// Attributes of an entry as shown in the Attributes column, in the order of their letters.
enum class TFileAttribute : uint8_t {
    faReadOnly = 0x01,   // "R": this user may not write it
    faHidden = 0x02,     // "H": a dot-file
    faSpecial = 0x04,    // "S": a device, FIFO or socket
    faExecutable = 0x08, // "X": a file this user may run
    faSymLink = 0x10,    // " link": a symbolic link (the other fields describe its target)
};
Q_DECLARE_FLAGS(TFileAttributes, TFileAttribute)
Q_DECLARE_OPERATORS_FOR_FLAGS(TFileAttributes)

// One entry of a folder, as read from the file system.
struct TFileEntry {
    QString Name;
    bool IsDir = false;
    qint64 Size = 0; // 0 for folders
    QDateTime Modified;
    TFileAttributes Attributes;
    QString MimeName; // by the name alone; empty for folders
    QString TypeName; // the Type column
    QString Comment;  // the Comment column: what a share of the network folder is

    // Whether the two describe the same state on disk (the watcher's "changed").
    bool operator==(const TFileEntry &Other) const = default;
};

// The entry of Path (a folder's entry for a folder); Ok false when it cannot be read.
TFileEntry ReadEntry(const QString &Path, bool *Ok = nullptr);

// Which entries of a folder are listed.
struct TListOptions {
    QStringList Extensions; // empty: every file
    bool ShowFolders = true;
    bool ShowHidden = false;
};

enum class TListError : uint8_t {
    leNone,
    leNotFound,   // no folder at that path
    leUnreadable, // a folder this user may not list
    leCancelled,  // the listing was no longer wanted
};

struct TListing {
    TListError Error = TListError::leNone;
    QList<TFileEntry> Entries; // in the order the file system gave them
};

// Lists the folder Path. Cancelled, when given, is asked between entries and ends the listing
// early with leCancelled.
TListing ListFolder(const QString &Path, const TListOptions &Options,
                    const std::function<bool()> &Cancelled = {});

// AllowedExtensions text: split at blanks (repeated blanks ignored), joined with single blanks.
QStringList SplitExtensions(const QString &Text);
// Whether a file named Name has one of Extensions ("a.TXT" has "txt"; "tar.gz" works too).
bool HasExtension(const QString &Name, const QStringList &Extensions);

// Cell texts.
QString SizeText(qint64 Bytes);                // "0KB", "1KB" for 1..1024 bytes, ...
QString FallbackTypeName(const QString &Name); // "File", or "File TXT" for "a.txt"
QString AttributeText(TFileAttributes Attributes);
QString ModifiedText(const QDateTime &Time); // "2024-03-14 09:30", local time
// The text of one cell; the parent entry ("..") shows its name and type only.
QString CellText(const TFileEntry &Entry, bool IsParent, TColumnKind Kind);

// Order of the list: the parent entry first, folders next, then by Kind's rule (Name by Names,
// Size ascending, Modified newest first, other columns by their text), equal items by name;
// Reverse turns every comparison round. Negative, zero or positive like a comparison function.
int CompareEntries(const TFileEntry &A, bool AParent, const TFileEntry &B, bool ParentButton,
                   TColumnKind Kind, bool Reverse, const QCollator &Names);

// The first free name of "New Folder", "New Folder (0)", "New Folder (1)", ...
QString NewFolderName(const std::function<bool(const QString &Name)> &Exists);

// The name a copy of Name takes where Name is taken, as file managers name it: the first of
// "a (1).txt", "a (2).txt", ... that Exists refuses; the number of an earlier copy is replaced
// ("a (1).txt" gives "a (2).txt"), a compound extension stays whole ("b (1).tar.gz") and a folder
// or a dot-file has none. Empty when every number up to a large limit is taken.
QString UniqueName(const QString &Name, bool IsDir,
                   const std::function<bool(const QString &Name)> &Exists);

// Whether Name can name an entry of a folder; Error says why not, for the user.
bool ValidFileName(const QString &Name, QString &Error);

// The differences between the shown entries and a new listing, by file name.
struct TFolderDiff {
    QStringList Removed;       // shown, no longer there
    QList<TFileEntry> Changed; // shown, now different (their new state)
    QList<TFileEntry> Added;   // not shown before
    bool IsEmpty() const { return Removed.isEmpty() && Changed.isEmpty() && Added.isEmpty(); }
};
using TFolderSnapshot = QHash<QString, TFileEntry>;
TFolderDiff DiffListing(const TFolderSnapshot &Shown, const QList<TFileEntry> &Listed);

// Files on the clipboard and in drags, in the form Linux file managers exchange them: the URLs
// (text/uri-list), the paths as plain text, and x-special/gnome-copied-files ("copy" or "cut",
// then one URL a line) with application/x-kde-cutselection for the file managers that read
// that instead.
QMimeData *FilesMimeData(const QStringList &Paths, bool Cut);
// The local files Data holds and whether they were cut; false when it holds none.
bool FilesOfMimeData(const QMimeData *Data, QStringList &Paths, bool &Cut);

// What a drop of files does, as in Linux file managers: Ctrl copies, Shift moves, Ctrl+Shift
// makes links; without them a drop moves within one file system and copies across. An action
// the source does not allow falls back to copying, then moving, when no key asked for it, and
// to nothing when one did.
Qt::DropAction ChooseDropAction(Qt::KeyboardModifiers Modifiers, Qt::DropActions Possible,
                                bool SameFileSystem);
// Whether the two paths lie on one file system (a link counts where it is, not its target).
bool SameFileSystem(const QString &A, const QString &B);

// Visited folders with a current position. After a folder is shown, Visit moves back or forward
// one when the folder is the previous or the next entry, and otherwise drops the entries after
// the current one and appends it. Paths are compared exactly: on Linux "Music" and "music" are
// two folders.
class TFolderHistory {
public:
    void Visit(const QString &Path);
    bool CanBack() const { return FPosition > 0; }
    bool CanForward() const { return FPosition >= 0 && FPosition < FEntries.size() - 1; }
    QString BackTarget() const { return CanBack() ? FEntries[FPosition - 1] : QString(); }
    QString ForwardTarget() const { return CanForward() ? FEntries[FPosition + 1] : QString(); }
    const QStringList &Entries() const { return FEntries; }
    int Position() const { return FPosition; }

private:
    QStringList FEntries;
    int FPosition = -1;
};
