// TSystemListView: its view state in a section of a settings store.

#include "shellview/systemlistview.h"

#include "core/custominifile.h"

#include <QCoreApplication>
#include <QDir>

namespace {

const QString ViewStyleValue = QStringLiteral("ViewStyle");
const QString DisplayModeValue = QStringLiteral("DisplayMode");
const QString ReverseSortValue = QStringLiteral("ReverseSort");
const QString ShowHiddenFilesValue = QStringLiteral("ShowHiddenFiles");
const QString AutoArrangeValue = QStringLiteral("AutoArrange");
// Holds the shown folder's path (the name is kept from the store's earlier layout).
const QString LastFolderValue = QStringLiteral("LastPIDL");

// A narrower column could not be found again to widen it.
constexpr int MinColumnWidth = 8;
constexpr int MaxColumnWidth = 10000;

// "w" and two upper-case hex digits of Kind + 16 * Type: "w01" is the Name column of a
// file-system folder.
QString WidthValue(int Type, int Kind) {
    return u'w' + QStringLiteral("%1").arg(Kind + 16 * Type, 2, 16, QLatin1Char('0')).toUpper();
}

// "s" and one hex digit of Type.
QString SortValue(int Type) {
    return u's' + QString::number(Type, 16).toUpper();
}

} // namespace

void TSystemListView::LoadState(const TCustomIniFile &Store, const QString &Section) {
    const int Style = Store.ReadInteger(Section, ViewStyleValue, int(FViewStyle));
    if (Style >= 0 && Style <= int(TViewStyle::vsReport))
        SetViewStyle(TViewStyle(Style));

    // What the store lacks (or holds in a wrong form) stays as it is now.
    StoreCurrentWidths();
    for (int Type = 0; Type < ColumnTypeCount; ++Type) {
        for (int Kind = 1; Kind <= ColumnKindCount; ++Kind) {
            int &Width = FWidths[size_t(Type)][size_t(Kind)];
            const int Value = Store.ReadInteger(Section, WidthValue(Type, Kind), Width);
            if (Value == -1 || (Value >= MinColumnWidth && Value <= MaxColumnWidth))
                Width = Value;
        }
        int &Sort = FSortColumns[size_t(Type)];
        const int Value = Store.ReadInteger(Section, SortValue(Type), Sort);
        if (Value >= 0 && Value < ColumnKindCount)
            Sort = Value;
    }
    if (Store.ReadInteger(Section, DisplayModeValue, int(FDisplayMode)) == int(TDisplayMode::dmAll))
        FDisplayMode = TDisplayMode::dmAll;
    FReverse = Store.ReadBool(Section, ReverseSortValue, FReverse);
    FOptions.ShowHidden = Store.ReadBool(Section, ShowHiddenFilesValue, FOptions.ShowHidden);
    FAutoArrange = Store.ReadBool(Section, AutoArrangeValue, FAutoArrange);
    ApplyWidths();
    ApplyViewStyle();
    Resort();

    QString Folder;
    if (Store.ValueExists(Section, LastFolderValue)) {
        Folder = Store.ReadString(Section, LastFolderValue, QString());
        if (Folder.isEmpty())
            Folder = QDir::homePath(); // the desktop
    } else {
        Folder = QDir::currentPath();
        if (Folder.isEmpty())
            Folder = QCoreApplication::applicationDirPath();
    }
    Folder = ResolvePath(Folder);
    // Shown even when it is the folder already shown: ShowHiddenFiles may have changed.
    if (!ShowFolder(Folder))
        ShowNearestFolder(Folder, QFileInfo(Folder).isDir() ? TListError::leUnreadable
                                                            : TListError::leNotFound);
}

void TSystemListView::SaveState(TCustomIniFile &Store, const QString &Section) {
    StoreCurrentWidths();
    Store.WriteInteger(Section, ViewStyleValue, int(FViewStyle));
    for (int Type = 0; Type < ColumnTypeCount; ++Type) {
        for (int Kind = 1; Kind <= ColumnKindCount; ++Kind) {
            const int Width = FWidths[size_t(Type)][size_t(Kind)];
            if (Width == -1)
                Store.DeleteKey(Section, WidthValue(Type, Kind));
            else
                Store.WriteInteger(Section, WidthValue(Type, Kind), Width);
        }
        const int Sort = FSortColumns[size_t(Type)];
        if (Sort == 0)
            Store.DeleteKey(Section, SortValue(Type));
        else
            Store.WriteInteger(Section, SortValue(Type), Sort);
    }
    Store.WriteInteger(Section, DisplayModeValue, int(FDisplayMode));
    Store.WriteBool(Section, ReverseSortValue, FReverse);
    Store.WriteBool(Section, ShowHiddenFilesValue, FOptions.ShowHidden);
    Store.WriteBool(Section, AutoArrangeValue, FAutoArrange);
    Store.WriteString(Section, LastFolderValue, FDirectory);
}
