#include "patches/patchsetchooser.h"

#include "controls/bevel.h"
#include "controls/formstate.h"
#include "controls/splitter.h"
#include "core/custominifile.h"
#include "core/patcherrors.h"
#include "core/patchlist.h"
#include "core/registryinifile.h"
#include "shellview/pathdialog.h"
#include "shellview/systemlistview.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

constexpr int Spacer = 3;
constexpr int PreviewMargin = 6;

QLineEdit *PreviewField(QWidget *Parent) {
    auto *e = new QLineEdit(Parent);
    e->setReadOnly(true);
    e->setFrame(false);
    e->setFocusPolicy(Qt::ClickFocus);
    QPalette p = e->palette();
    p.setColor(QPalette::Base, Parent->palette().color(QPalette::Window));
    e->setPalette(p);
    return e;
}

} // namespace

TPatchSetChooser::TPatchSetChooser(QWidget *Owner) : QWidget(Owner, Qt::Tool) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Choose Patch Set"));
    HomeFolder = DefaultHomeFolder();
    ShowError = [this](const QString &Message) {
        QMessageBox::warning(this, QApplication::applicationDisplayName(), Message);
    };

    auto *root = new QVBoxLayout(this);
    root->setContentsMargins(4, 4, 4, 4);
    root->setSpacing(Spacer);

    // Left: folder row over the file list.
    // One panel holds the three, so that the splitter sizes its neighbour through their layout.
    auto *mainPanel = new QWidget(this);
    auto *main = new QHBoxLayout(mainPanel);
    main->setContentsMargins(0, 0, 0, 0);
    main->setSpacing(0);
    root->addWidget(mainPanel, 1);
    MainLeftPanel = new QWidget(mainPanel);
    auto *left = new QVBoxLayout(MainLeftPanel);
    left->setContentsMargins(0, 0, 0, 0);
    left->setSpacing(0);
    NorthPanel = new QWidget(MainLeftPanel);
    auto *north = new QVBoxLayout(NorthPanel);
    north->setContentsMargins(0, 0, 0, 0);
    north->setSpacing(0);
    auto *row = new QHBoxLayout;
    row->setSpacing(Spacer);
    FolderEdit = new QLineEdit(NorthPanel);
    FolderButton = new QPushButton(QStringLiteral("..."), NorthPanel);
    FolderButton->setToolTip(tr("Choose a directory"));
    HomeButton = new QPushButton(tr("Home"), NorthPanel);
    HomeButton->setToolTip(tr("Go to Ondrel's directory"));
    FolderEdit->setAccessibleName(tr("Folder"));
    FolderButton->setAccessibleName(tr("Choose a folder"));
    const int rowHeight = FolderEdit->sizeHint().height();
    for (QPushButton *b : {FolderButton, HomeButton}) {
        b->setFixedHeight(rowHeight);
        b->setAutoDefault(false);
    }
    FolderButton->setFixedWidth(std::max(
        rowHeight, FolderButton->fontMetrics().horizontalAdvance(FolderButton->text()) + 12));
    row->addWidget(FolderEdit, 1);
    row->addWidget(FolderButton);
    row->addWidget(HomeButton);
    north->addLayout(row);
    NorthBevel = new TBevel(NorthPanel);
    NorthBevel->SetShape(TBevelShape::bsSpacer);
    NorthBevel->setFixedHeight(Spacer);
    north->addWidget(NorthBevel);
    left->addWidget(NorthPanel);
    SystemListView = new TSystemListView(MainLeftPanel);
    SystemListView->ReportView()->setAccessibleName(tr("Patch scripts"));
    SystemListView->IconView()->setAccessibleName(tr("Patch scripts"));
    SystemListView->SetMultiSelect(false);
    SystemListView->SetViewStyle(TViewStyle::vsReport);
    SystemListView->SetAllowedExtensions(QStringLiteral("txt"));
    left->addWidget(SystemListView, 1);
    main->addWidget(MainLeftPanel, 1);

    Splitter = new TSplitter(mainPanel);
    Splitter->SetAlign(TAlign::alRight);
    Splitter->SetResizeWhileDrag(true);
    Splitter->SetMinSize(60);
    Splitter->setFixedWidth(Spacer + 2);
    main->addWidget(Splitter);

    // Right: the header of the selected file.
    MainRightPanel = new QWidget(mainPanel);
    SetControlAlign(MainRightPanel, TAlign::alRight);
    MainRightPanel->setFixedWidth(227);
    auto *right = new QVBoxLayout(MainRightPanel);
    right->setContentsMargins(0, 0, 0, 0);
    right->setSpacing(0);
    FilenamePanel = new QLabel(MainRightPanel);
    QFont bold = FilenamePanel->font();
    bold.setBold(true);
    FilenamePanel->setFont(bold);
    FilenamePanel->setFrameShape(QFrame::Panel);
    FilenamePanel->setFrameShadow(QFrame::Sunken);
    FilenamePanel->setAlignment(Qt::AlignCenter);
    // Level with the folder row on the left.
    FilenamePanel->setFixedHeight(rowHeight);
    FilenamePanel->setMinimumWidth(1);
    right->addWidget(FilenamePanel);
    NorthRightBevel = new TBevel(MainRightPanel);
    NorthRightBevel->SetShape(TBevelShape::bsSpacer);
    NorthRightBevel->setFixedHeight(Spacer);
    right->addWidget(NorthRightBevel);
    RightPanel = new QWidget(MainRightPanel);
    auto *fields = new QVBoxLayout(RightPanel);
    fields->setContentsMargins(PreviewMargin, PreviewMargin, PreviewMargin, PreviewMargin);
    fields->setSpacing(2);
    const auto addField = [&](const QString &Caption) {
        auto *label = new QLabel(Caption, RightPanel);
        fields->addWidget(label);
        QLineEdit *e = PreviewField(RightPanel);
        e->setAccessibleName(QString(Caption).remove(QLatin1Char(':')));
        fields->addWidget(e);
        fields->addSpacing(6);
        return e;
    };
    ScriptNameEdit = addField(tr("Name:"));
    DeviceNameEdit = addField(tr("Device Name:"));
    DeviceManufacturerEdit = addField(tr("Device Manufacturer:"));
    CreatorNameEdit = addField(tr("Name of creator:"));
    fields->addStretch(1);
    right->addWidget(RightPanel, 1);
    main->addWidget(MainRightPanel);

    // Bottom: file type and the buttons. They touch at the narrowest width the window takes.
    MainSouthPanel = new QWidget(this);
    auto *south = new QHBoxLayout(MainSouthPanel);
    south->setContentsMargins(0, 0, 0, 0);
    south->setSpacing(0);
    FileTypeBox = new QComboBox(MainSouthPanel);
    FileTypeBox->addItems({tr("Patch Scripts (*.txt)"), tr("All Files (*.*)")});
    FileTypeBox->setFixedWidth(FileTypeBox->sizeHint().width());
    south->addWidget(FileTypeBox, 0, Qt::AlignVCenter);
    south->addStretch(1);
    ButtonPanel = new QWidget(MainSouthPanel);
    auto *buttons = new QHBoxLayout(ButtonPanel);
    buttons->setContentsMargins(Spacer, 0, 0, 0);
    buttons->setSpacing(Spacer);
    OkButton = new QPushButton(QStringLiteral("OK"), ButtonPanel);
    OkButton->setDefault(true);
    CancelButton = new QPushButton(tr("Cancel"), ButtonPanel);
    ApplyButton = new QPushButton(tr("Apply"), ButtonPanel);
    for (QPushButton *b : {OkButton, CancelButton, ApplyButton}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    ButtonPanel->setFixedWidth(ButtonPanel->sizeHint().width());
    south->addWidget(ButtonPanel);
    root->addWidget(MainSouthPanel);

    FolderDialog = new TPathDialog(this);
    FolderDialog->SetTitle(tr("Choose a directory"));
    FolderDialog->SetRootItem(TRootItem::riDesktop);

    resize(587, 359);

    connect(OkButton, &QPushButton::clicked, this, &TPatchSetChooser::AcceptChanges);
    connect(CancelButton, &QPushButton::clicked, this, &TPatchSetChooser::CancelChanges);
    connect(ApplyButton, &QPushButton::clicked, this, &TPatchSetChooser::ApplyChanges);
    connect(FolderButton, &QPushButton::clicked, this, &TPatchSetChooser::ChooseFolder);
    connect(HomeButton, &QPushButton::clicked, this, &TPatchSetChooser::GoHome);
    connect(FileTypeBox, &QComboBox::currentIndexChanged, this, &TPatchSetChooser::FileTypeChanged);
    FolderEdit->installEventFilter(this);
    SystemListView->OnChange = [this](TSystemListView *) { FileSelectionChanged(); };
    SystemListView->OnChangeDir = [this](TSystemListView *) { SystemListViewChangeDir(); };
    SystemListView->OnDefaultCommand = [this](TSystemListView *, bool &DoDefault) {
        SystemListViewDefaultCommand(DoDefault);
    };

    FileTypeBox->setCurrentIndex(0);
    ClearSelection();
}

TPatchSetChooser::~TPatchSetChooser() = default;

QString TPatchSetChooser::DefaultHomeFolder() {
    const QString program = QCoreApplication::applicationDirPath();
    for (const QString &candidate : {program + QStringLiteral("/patches"),
                                     program + QStringLiteral("/../share/ondrel/patches")}) {
        if (QFileInfo(candidate).isDir())
            return QDir::cleanPath(candidate);
    }
    return program;
}

bool TPatchSetChooser::LoadPatchSet(const QString &FileName, const TSetPatchSetEvent &SetPatchSet,
                                    const TShowLinesEvent &ShowLines) {
    if (FileName.isEmpty())
        return false;
    QStringList log;
    bool loaded = false;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    try {
        std::unique_ptr<TPatchList> set = TPatchList::Load(FileName, &log);
        if (SetPatchSet)
            SetPatchSet(std::move(set));
        loaded = true;
    } catch (const TPatchScriptParseException &) {
        // already in the log with its line
    } catch (const EPatchScriptError &e) {
        log << e.Message();
    } catch (const std::exception &e) {
        log << QString::fromLocal8Bit(e.what());
    }
    QApplication::restoreOverrideCursor();
    if (!log.isEmpty() && ShowLines)
        ShowLines(log);
    return loaded;
}

QString TPatchSetChooser::CreatorText(const QString &First, const QString &Last) {
    // A script with a last name alone still names its creator.
    if (First.isEmpty())
        return Last;
    if (QString::compare(First, Last, Qt::CaseInsensitive) != 0 && !First.contains(Last) &&
        !Last.contains(First))
        return First + QLatin1Char(' ') + Last;
    return First;
}

void TPatchSetChooser::Preview(const QString &File) {
    if (QString::compare(File, FPreviewedFile, Qt::CaseInsensitive) == 0)
        return;
    FPreviewedFile = File;
    const auto clear = [this] {
        for (QLineEdit *e :
             {ScriptNameEdit, DeviceNameEdit, DeviceManufacturerEdit, CreatorNameEdit})
            e->clear();
    };
    const auto enable = [this](bool Value) {
        ApplyButton->setEnabled(Value);
        OkButton->setEnabled(Value);
    };
    if (File.isEmpty()) {
        clear();
        FilenamePanel->clear();
        enable(false);
        return;
    }
    QString error;
    try {
        const std::unique_ptr<TPatchList> header = TPatchList::LoadHeader(File);
        ScriptNameEdit->setText(header->ScriptName());
        DeviceNameEdit->setText(header->DeviceName());
        DeviceManufacturerEdit->setText(header->DeviceManufacturer());
        CreatorNameEdit->setText(
            CreatorText(header->CreatorFirstName(), header->CreatorLastName()));
        for (QLineEdit *e :
             {ScriptNameEdit, DeviceNameEdit, DeviceManufacturerEdit, CreatorNameEdit})
            e->setCursorPosition(0);
        enable(true);
        return;
    } catch (const EPatchScriptError &e) {
        error = e.Message();
    } catch (const std::exception &e) {
        error = QString::fromLocal8Bit(e.what());
    }
    clear();
    ScriptNameEdit->setText(error);
    ScriptNameEdit->setCursorPosition(0);
    enable(false);
}

void TPatchSetChooser::ClearSelection() {
    FSelectedFile.clear();
    Preview(QString());
}

void TPatchSetChooser::FileSelectionChanged() {
    const int row = SystemListView->Selected();
    if (row < 0 || !SystemListView->Item(row).IsFile()) {
        ClearSelection();
        return;
    }
    const TListItemData &item = SystemListView->Item(row);
    FilenamePanel->setText(item.Entry.Name);
    FSelectedFile = item.Path;
    Preview(FSelectedFile);
}

void TPatchSetChooser::SystemListViewChangeDir() {
    FolderEdit->setText(SystemListView->RealDirectory());
    ClearSelection();
}

void TPatchSetChooser::SystemListViewDefaultCommand(bool &DoDefault) {
    FileSelectionChanged();
    // A script is chosen as with OK, also the one just applied (Apply is off then, OK is not):
    // reloading it is what the user asks for, never opening it in another program. Folders
    // and files that are no scripts take the list's own way.
    if (FSelectedFile.isEmpty() || !OkButton->isEnabled())
        return;
    DoDefault = false;
    ApplyChanges();
    close();
}

void TPatchSetChooser::FileTypeChanged() {
    SystemListView->SetAllowedExtensions(FileTypeBox->currentIndex() == 0 ? QStringLiteral("txt")
                                                                          : QString());
    FileSelectionChanged();
}

bool TPatchSetChooser::ChangeDirectory(const QString &Folder) {
    try {
        SystemListView->SetDirectory(Folder);
        return true;
    } catch (const EDirectoryError &e) {
        if (ShowError)
            ShowError(e.Message());
    }
    return false;
}

void TPatchSetChooser::FolderEntered() {
    if (FolderEdit->text() == FEnteredDir)
        return;
    FEnteredDir = FolderEdit->text();
    ChangeDirectory(FEnteredDir);
}

void TPatchSetChooser::FolderEditDone() {
    if (FolderEdit->text() != FEnteredDir)
        ChangeDirectory(FolderEdit->text());
}

bool TPatchSetChooser::eventFilter(QObject *Watched, QEvent *Event) {
    if (Watched == FolderEdit) {
        const auto isEnter = [Event] {
            const int key = static_cast<QKeyEvent *>(Event)->key();
            return key == Qt::Key_Return || key == Qt::Key_Enter;
        };
        // The folder changes when Enter comes up; it never reaches OK.
        if (Event->type() == QEvent::KeyPress && isEnter())
            return true;
        if (Event->type() == QEvent::KeyRelease && isEnter()) {
            FolderEntered();
            return true;
        }
        if (Event->type() == QEvent::FocusOut) {
            // Another window taking the focus is not leaving the field.
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(Event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                FolderEditDone();
        }
    }
    return QWidget::eventFilter(Watched, Event);
}

void TPatchSetChooser::keyPressEvent(QKeyEvent *Event) {
    switch (Event->key()) {
    case Qt::Key_Escape:
        CancelChanges();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (OkButton->isEnabled())
            AcceptChanges();
        return;
    default:
        QWidget::keyPressEvent(Event);
    }
}

void TPatchSetChooser::ApplyChanges() {
    ApplyButton->setEnabled(false);
    const bool loaded = OnLoadPatchSet && OnLoadPatchSet(FSelectedFile);
    if (!loaded)
        ApplyButton->setEnabled(true);
}

void TPatchSetChooser::LoadFailed() {
    if (!FSelectedFile.isEmpty())
        ApplyButton->setEnabled(true);
}

void TPatchSetChooser::AcceptChanges() {
    if (ApplyButton->isEnabled())
        ApplyChanges();
    close();
}

void TPatchSetChooser::CancelChanges() {
    close();
}

void TPatchSetChooser::ChooseFolder() {
    FolderDialog->SetDirectory(SystemListView->RealDirectory());
    if (FolderDialog->Execute())
        ChangeDirectory(FolderDialog->Directory());
}

void TPatchSetChooser::GoHome() {
    ChangeDirectory(HomeFolder);
}

void TPatchSetChooser::SetRightPanelWidth(int Width) {
    // Leave the file list some room whatever was kept.
    const int largest = std::max(Splitter->MinSize(), width() - 2 * Splitter->MinSize());
    MainRightPanel->setFixedWidth(std::clamp(Width, Splitter->MinSize(), largest));
}

void TPatchSetChooser::LoadState(const TCustomIniFile &Store) {
    // A window closed while minimized comes back normal: it opens because the user asked for it.
    LoadFormState(*this, Store, StateSection,
                  FormState::Size | FormState::Position | FormState::Maximized,
                  QStringLiteral("Dlg"));
    SetRightPanelWidth(
        Store.ReadInteger(StateSection, ValRightPanelWidth, MainRightPanel->width()));
    SystemListView->LoadState(Store, StateSection);
    // The list keeps the report view whatever style was kept with it.
    SystemListView->SetViewStyle(TViewStyle::vsReport);
    if (!Store.ValueExists(StateSection, QStringLiteral("LastPIDL")))
        ChangeDirectory(HomeFolder);
}

void TPatchSetChooser::SaveState(TCustomIniFile &Store) {
    SaveFormState(*this, Store, StateSection,
                  FormState::Size | FormState::Position | FormState::Maximized |
                      FormState::Minimized,
                  QStringLiteral("Dlg"));
    Store.WriteInteger(StateSection, ValRightPanelWidth, MainRightPanel->width());
    SystemListView->SaveState(Store, StateSection);
}

void TPatchSetChooser::PrepareShow() {
    if (const QWidget *owner = parentWidget())
        move(owner->frameGeometry().topLeft() + QPoint(10, 10));
    try {
        const TRegistryIniFile store;
        LoadState(store);
    } catch (const EIniFileException &e) {
        qWarning("Patch set chooser state not restored: %s", qUtf8Printable(e.Message()));
    } catch (const EDirectoryError &e) {
        qWarning("Patch set chooser folder not restored: %s", qUtf8Printable(e.Message()));
    } catch (const std::exception &e) {
        qWarning("Patch set chooser state not restored: %s", e.what());
    }
    FolderEdit->setText(SystemListView->RealDirectory());
    SystemListView->ClearSelection();
    ClearSelection();
    // Ready for the arrow keys and Enter.
    SystemListView->ReportView()->setFocus();
}

void TPatchSetChooser::showEvent(QShowEvent *Event) {
    QWidget::showEvent(Event);
    if (!FShown) {
        FShown = true;
        PrepareShow();
    }
}

void TPatchSetChooser::closeEvent(QCloseEvent *Event) {
    if (FShown && !FStateSaved) {
        FStateSaved = true;
        try {
            TRegistryIniFile store;
            SaveState(store);
        } catch (const EIniFileException &e) {
            qWarning("Patch set chooser state not saved: %s", qUtf8Printable(e.Message()));
        } catch (const std::exception &e) {
            qWarning("Patch set chooser state not saved: %s", e.what());
        }
    }
    QWidget::closeEvent(Event);
}
