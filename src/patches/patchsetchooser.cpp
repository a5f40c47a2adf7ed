#include "patchsetchooser.h"

#include "custominifile.h"
#include "formstate.h"
#include "mybevel.h"
#include "mysplitter.h"
#include "patcherrors.h"
#include "patchlist.h"
#include "pathdialog.h"
#include "registryinifile.h"
#include "systemlistview.h"

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
    setWindowTitle(QStringLiteral("Choose Patch Set"));
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
    EDir = new QLineEdit(NorthPanel);
    BDir = new QPushButton(QStringLiteral("..."), NorthPanel);
    BDir->setToolTip(QStringLiteral("Choose a directory"));
    BHome = new QPushButton(QStringLiteral("Home"), NorthPanel);
    BHome->setToolTip(QStringLiteral("Go to Ondrel's directory"));
    const int rowHeight = EDir->sizeHint().height();
    for (QPushButton *b : {BDir, BHome}) {
        b->setFixedHeight(rowHeight);
        b->setAutoDefault(false);
    }
    BDir->setFixedWidth(
        std::max(rowHeight, BDir->fontMetrics().horizontalAdvance(BDir->text()) + 12));
    row->addWidget(EDir, 1);
    row->addWidget(BDir);
    row->addWidget(BHome);
    north->addLayout(row);
    NorthBevel = new TMyBevel(NorthPanel);
    NorthBevel->SetShape(TBevelShape::bsSpacer);
    NorthBevel->setFixedHeight(Spacer);
    north->addWidget(NorthBevel);
    left->addWidget(NorthPanel);
    SystemListView = new TSystemListView(MainLeftPanel);
    SystemListView->SetMultiSelect(false);
    SystemListView->SetViewStyle(TViewStyle::vsReport);
    SystemListView->SetAllowedExtensions(QStringLiteral("txt"));
    left->addWidget(SystemListView, 1);
    main->addWidget(MainLeftPanel, 1);

    MySplitter1 = new TMySplitter(mainPanel);
    MySplitter1->SetAlign(TAlign::alRight);
    MySplitter1->SetResizeWhileDrag(true);
    MySplitter1->SetMinSize(60);
    MySplitter1->setFixedWidth(Spacer + 2);
    main->addWidget(MySplitter1);

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
    NorthRightBevel = new TMyBevel(MainRightPanel);
    NorthRightBevel->SetShape(TBevelShape::bsSpacer);
    NorthRightBevel->setFixedHeight(Spacer);
    right->addWidget(NorthRightBevel);
    RightPanel = new QWidget(MainRightPanel);
    auto *fields = new QVBoxLayout(RightPanel);
    fields->setContentsMargins(PreviewMargin, PreviewMargin, PreviewMargin, PreviewMargin);
    fields->setSpacing(2);
    const auto addField = [&](const QString &Caption) {
        fields->addWidget(new QLabel(Caption, RightPanel));
        QLineEdit *e = PreviewField(RightPanel);
        fields->addWidget(e);
        fields->addSpacing(6);
        return e;
    };
    EScriptName = addField(QStringLiteral("Name:"));
    EDeviceName = addField(QStringLiteral("Device Name:"));
    EDeviceManufacturer = addField(QStringLiteral("Device Manufacturer:"));
    ECreatorName = addField(QStringLiteral("Name of creator:"));
    fields->addStretch(1);
    right->addWidget(RightPanel, 1);
    main->addWidget(MainRightPanel);

    // Bottom: file type and the buttons. They touch at the narrowest width the window takes.
    MainSouthPanel = new QWidget(this);
    auto *south = new QHBoxLayout(MainSouthPanel);
    south->setContentsMargins(0, 0, 0, 0);
    south->setSpacing(0);
    CBFileType = new QComboBox(MainSouthPanel);
    CBFileType->addItems(
        {QStringLiteral("Patch Scripts (*.txt)"), QStringLiteral("All Files (*.*)")});
    CBFileType->setFixedWidth(CBFileType->sizeHint().width());
    south->addWidget(CBFileType, 0, Qt::AlignVCenter);
    south->addStretch(1);
    ButtonPanel = new QWidget(MainSouthPanel);
    auto *buttons = new QHBoxLayout(ButtonPanel);
    buttons->setContentsMargins(Spacer, 0, 0, 0);
    buttons->setSpacing(Spacer);
    BOK = new QPushButton(QStringLiteral("OK"), ButtonPanel);
    BOK->setDefault(true);
    BCancel = new QPushButton(QStringLiteral("Cancel"), ButtonPanel);
    BApply = new QPushButton(QStringLiteral("Apply"), ButtonPanel);
    for (QPushButton *b : {BOK, BCancel, BApply}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    ButtonPanel->setFixedWidth(ButtonPanel->sizeHint().width());
    south->addWidget(ButtonPanel);
    root->addWidget(MainSouthPanel);

    PathDialog1 = new TPathDialog(this);
    PathDialog1->SetTitle(QStringLiteral("Choose a directory"));
    PathDialog1->SetRootItem(TRootItem::riDesktop);

    resize(587, 359);

    connect(BOK, &QPushButton::clicked, this, &TPatchSetChooser::BOKClick);
    connect(BCancel, &QPushButton::clicked, this, &TPatchSetChooser::BCancelClick);
    connect(BApply, &QPushButton::clicked, this, &TPatchSetChooser::BApplyClick);
    connect(BDir, &QPushButton::clicked, this, &TPatchSetChooser::BDirClick);
    connect(BHome, &QPushButton::clicked, this, &TPatchSetChooser::BHomeClick);
    connect(CBFileType, &QComboBox::currentIndexChanged, this, &TPatchSetChooser::CBFileTypeChange);
    EDir->installEventFilter(this);
    SystemListView->OnChange = [this](TSystemListView *) { SystemListViewChange(); };
    SystemListView->OnChangeDir = [this](TSystemListView *) { SystemListViewChangeDir(); };
    SystemListView->OnDefaultCommand = [this](TSystemListView *, bool &DoDefault) {
        SystemListViewDefaultCommand(DoDefault);
    };

    CBFileType->setCurrentIndex(0);
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
        for (QLineEdit *e : {EScriptName, EDeviceName, EDeviceManufacturer, ECreatorName})
            e->clear();
    };
    const auto enable = [this](bool Value) {
        BApply->setEnabled(Value);
        BOK->setEnabled(Value);
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
        EScriptName->setText(header->ScriptName());
        EDeviceName->setText(header->DeviceName());
        EDeviceManufacturer->setText(header->DeviceManufacturer());
        ECreatorName->setText(CreatorText(header->CreatorFirstName(), header->CreatorLastName()));
        for (QLineEdit *e : {EScriptName, EDeviceName, EDeviceManufacturer, ECreatorName})
            e->setCursorPosition(0);
        enable(true);
        return;
    } catch (const EPatchScriptError &e) {
        error = e.Message();
    } catch (const std::exception &e) {
        error = QString::fromLocal8Bit(e.what());
    }
    clear();
    EScriptName->setText(error);
    EScriptName->setCursorPosition(0);
    enable(false);
}

void TPatchSetChooser::ClearSelection() {
    FSelectedFile.clear();
    Preview(QString());
}

void TPatchSetChooser::SystemListViewChange() {
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
    EDir->setText(SystemListView->RealDirectory());
    ClearSelection();
}

void TPatchSetChooser::SystemListViewDefaultCommand(bool &DoDefault) {
    SystemListViewChange();
    if (BApply->isEnabled()) {
        DoDefault = false;
        BApplyClick();
    }
}

void TPatchSetChooser::CBFileTypeChange() {
    SystemListView->SetAllowedExtensions(CBFileType->currentIndex() == 0 ? QStringLiteral("txt")
                                                                         : QString());
    SystemListViewChange();
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

void TPatchSetChooser::EDirEnter() {
    if (EDir->text() == FEnteredDir)
        return;
    FEnteredDir = EDir->text();
    ChangeDirectory(FEnteredDir);
}

void TPatchSetChooser::EDirExit() {
    if (EDir->text() != FEnteredDir)
        ChangeDirectory(EDir->text());
}

bool TPatchSetChooser::eventFilter(QObject *Watched, QEvent *Event) {
    if (Watched == EDir) {
        const auto isEnter = [Event] {
            const int key = static_cast<QKeyEvent *>(Event)->key();
            return key == Qt::Key_Return || key == Qt::Key_Enter;
        };
        // The folder changes when Enter comes up; it never reaches OK.
        if (Event->type() == QEvent::KeyPress && isEnter())
            return true;
        if (Event->type() == QEvent::KeyRelease && isEnter()) {
            EDirEnter();
            return true;
        }
        if (Event->type() == QEvent::FocusOut) {
            // Another window taking the focus is not leaving the field.
            const Qt::FocusReason reason = static_cast<QFocusEvent *>(Event)->reason();
            if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
                EDirExit();
        }
    }
    return QWidget::eventFilter(Watched, Event);
}

void TPatchSetChooser::keyPressEvent(QKeyEvent *Event) {
    switch (Event->key()) {
    case Qt::Key_Escape:
        BCancelClick();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (BOK->isEnabled())
            BOKClick();
        return;
    default:
        QWidget::keyPressEvent(Event);
    }
}

void TPatchSetChooser::BApplyClick() {
    BApply->setEnabled(false);
    const bool loaded = OnLoadPatchSet && OnLoadPatchSet(FSelectedFile);
    if (!loaded)
        BApply->setEnabled(true);
}

void TPatchSetChooser::BOKClick() {
    if (BApply->isEnabled())
        BApplyClick();
    close();
}

void TPatchSetChooser::BCancelClick() {
    close();
}

void TPatchSetChooser::BDirClick() {
    PathDialog1->SetDirectory(SystemListView->RealDirectory());
    if (PathDialog1->Execute())
        ChangeDirectory(PathDialog1->Directory());
}

void TPatchSetChooser::BHomeClick() {
    ChangeDirectory(HomeFolder);
}

void TPatchSetChooser::SetRightPanelWidth(int Width) {
    // Leave the file list some room whatever was kept.
    const int largest = std::max(MySplitter1->MinSize(), width() - 2 * MySplitter1->MinSize());
    MainRightPanel->setFixedWidth(std::clamp(Width, MySplitter1->MinSize(), largest));
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

void TPatchSetChooser::FormShow() {
    if (const QWidget *owner = parentWidget())
        move(owner->frameGeometry().topLeft() + QPoint(10, 10));
    try {
        const TRegistryIniFile store;
        LoadState(store);
    } catch (...) {
    }
    EDir->setText(SystemListView->RealDirectory());
    SystemListView->ClearSelection();
    ClearSelection();
    // Ready for the arrow keys and Enter.
    SystemListView->ReportView()->setFocus();
}

void TPatchSetChooser::showEvent(QShowEvent *Event) {
    QWidget::showEvent(Event);
    if (!FShown) {
        FShown = true;
        FormShow();
    }
}

void TPatchSetChooser::closeEvent(QCloseEvent *Event) {
    if (FShown && !FStateSaved) {
        FStateSaved = true;
        try {
            TRegistryIniFile store;
            SaveState(store);
        } catch (...) {
        }
    }
    QWidget::closeEvent(Event);
}
