#include "chords/chordeditform.h"

#include "controls/checkbutton.h"
#include "controls/formstate.h"
#include "core/keyboardmodel.h"
#include "core/registryinifile.h"
#include "keyboard/keyboard.h"

#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTreeWidget>

namespace {

const QEvent::Type RefreshEvent = QEvent::Type(QEvent::registerEventType());
constexpr int EntryRole = Qt::UserRole;

// Ends in-place renaming through the form's rule instead of writing the text into the row, so
// that a refused name never shows and confirming an unchanged name is seen too.
class TRenameDelegate : public QStyledItemDelegate {
public:
    explicit TRenameDelegate(TChordEditForm *Form) : QStyledItemDelegate(Form), FForm(Form) {}

    void setModelData(QWidget *Editor, QAbstractItemModel *,
                      const QModelIndex &Index) const override {
        const auto *edit = qobject_cast<QLineEdit *>(Editor);
        if (!edit || Index.column() != 0)
            return;
        auto *entry = reinterpret_cast<TChordEntry *>(Index.data(EntryRole).value<quintptr>());
        // The message box must not open while the editor is still closing.
        QMetaObject::invokeMethod(
            FForm,
            [form = QPointer<TChordEditForm>(FForm), entry, text = edit->text()] {
                if (form && form->WorkingList().IndexOf(entry) >= 0)
                    form->RenameChord(entry, text);
            },
            Qt::QueuedConnection);
    }

private:
    TChordEditForm *FForm;
};

QPushButton *Button(const QString &Caption, QWidget *Parent, int X, int Y) {
    auto *b = new QPushButton(Caption, Parent);
    b->setGeometry(X, Y, 75, 25);
    b->setAutoDefault(false);
    return b;
}

} // namespace

TChordEditForm::TChordEditForm(const TKeyboardModel &MainKeyboard, QWidget *Owner)
    : QDialog(Owner, Qt::Tool) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Chord Editor"));
    // Taller than designed by what its keyboard needs to be as readable as the main one.
    constexpr int keysHeight = TKeyboardModel::ImageHeight;
    constexpr int extra = keysHeight - 41;
    setFixedSize(608, 343 + extra);

    IntroLabel =
        new QLabel(tr("Here you can define your own chords. Click \"New\" to add a new chord. "
                      "Then enable the edit mode by activating the \"Edit\" button. Use the "
                      "keyboard below or Ondrel or an external device to toggle notes of the "
                      "current chord."),
                   this);
    IntroLabel->setWordWrap(true);
    IntroLabel->setGeometry(8, 4, 592, 44);
    HelpLabel =
        new QLabel(tr("To test a chord simply deactivate the edit mode and play on the keyboard "
                      "below."),
                   this);
    HelpLabel->setGeometry(8, 48, 592, 18);

    ChordView = new QTreeWidget(this);
    ChordView->setAccessibleName(tr("Chords"));
    ChordView->setGeometry(8, 70, 592, 172);
    ChordView->setColumnCount(2);
    ChordView->setHeaderLabels({tr("Chord Name"), tr("Chord Notes")});
    ChordView->setColumnWidth(0, 100);
    ChordView->setColumnWidth(1, 400);
    ChordView->setRootIsDecorated(false);
    ChordView->setItemsExpandable(false);
    ChordView->setSelectionMode(QAbstractItemView::SingleSelection);
    ChordView->setSelectionBehavior(QAbstractItemView::SelectRows);
    ChordView->setEditTriggers(QAbstractItemView::EditKeyPressed |
                               QAbstractItemView::SelectedClicked);
    ChordView->header()->setSectionsClickable(false);
    ChordView->setItemDelegateForColumn(0, new TRenameDelegate(this));
    // F2 renames here, as in every list: the owner window's shortcut on that key (a louder
    // velocity) reaches this tool window too, and would take it first.
    ChordView->installEventFilter(this);

    // Drawn as the main keyboard is (its style, size and key width), the chord's notes pressed
    // as played notes are there: tiny drawn keys with faint dots were hard to read.
    Keyboard = new TKeyboard(this);
    Keyboard->setGeometry(8, 250, 593, keysHeight);
    TKeyboardModel &m = Keyboard->Model();
    m.SetKeyWidth(MainKeyboard.KeyWidth());
    m.SetMarkNote(60);
    m.SetVelocity(100);
    m.SetVelocityShiftFactor(0.5f);
    m.SetEnableSpecialMode(false);
    Keyboard->SetImageSize(MainKeyboard.ImageSize());
    Keyboard->SetPaintStyle(MainKeyboard.PaintStyle());
    m.SetBaseNote(24); // C1: the octaves around C3 in view
    Keyboard->SetTabStop(false);
    m.SetLanguage(MainKeyboard.Language());
    m.SetChannel(MainKeyboard.Channel());
    m.OnNote = [this](QObject *, const TShortMessage &Message) {
        if (OnNote)
            OnNote(this, Message);
    };
    Keyboard->OnMousePress = [this](QObject *, int &Note, Qt::MouseButton Button, TShiftState) {
        if (Button != Qt::LeftButton)
            return;
        FGestureNote = -1;
        GestureStep(Note);
    };
    Keyboard->OnMouseDrag = [this](QObject *, int &Note, Qt::MouseButton Button, TShiftState) {
        if (Button == Qt::LeftButton)
            GestureStep(Note);
    };
    Keyboard->OnMouseRelease = [this](QObject *, int &, Qt::MouseButton Button, TShiftState) {
        if (Button != Qt::LeftButton)
            return;
        if (EditCheck->isChecked())
            ShowChord(Selected());
        FGestureNote = -1;
    };

    constexpr int buttonsY = 306 + extra;
    NewButton = Button(tr("&New"), this, 8, buttonsY);
    DeleteButton = Button(tr("&Delete"), this, 88, buttonsY);
    EditCheck = new TCheckButton(tr("&Edit"), this);
    EditCheck->setGeometry(176, buttonsY, 75, 25);
    EditCheck->setAutoDefault(false);
    ResetButton = Button(tr("&Reset"), this, 256, buttonsY);
    ResetButton->setEnabled(false);
    OkButton = Button(tr("&OK"), this, 365, buttonsY);
    CancelButton = Button(tr("Cancel"), this, 445, buttonsY);
    ApplyButton = Button(tr("&Apply"), this, 525, buttonsY);

    connect(NewButton, &QPushButton::clicked, this, [this] { AddNewChord(); });
    connect(DeleteButton, &QPushButton::clicked, this, [this] { DeleteSelectedChord(); });
    connect(EditCheck, &QPushButton::toggled, ResetButton, &QWidget::setEnabled);
    connect(ResetButton, &QPushButton::clicked, this, [this] { ResetChord(); });
    connect(ApplyButton, &QPushButton::clicked, this, [this] { ApplyChanges(); });
    connect(OkButton, &QPushButton::clicked, this, [this] {
        ApplyChanges();
        accept();
    });
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ChordView, &QTreeWidget::itemSelectionChanged, this, [this] { SelectionChanged(); });

    FWorkingList.LoadFromRegistry();
    FillList();
}

TChordEditForm::~TChordEditForm() {
    // The keyboard's events point back here; silence them before the members go.
    Keyboard->Model().OnNote = nullptr;
    Keyboard->OnMousePress = nullptr;
    Keyboard->OnMouseDrag = nullptr;
    Keyboard->OnMouseRelease = nullptr;
}

TChordEntry *TChordEditForm::Selected() const {
    const QList<QTreeWidgetItem *> items = ChordView->selectedItems();
    if (items.isEmpty())
        return nullptr;
    return reinterpret_cast<TChordEntry *>(items.first()->data(0, EntryRole).value<quintptr>());
}

void TChordEditForm::FillList() {
    const QSignalBlocker block(ChordView);
    ChordView->clear();
    for (int i = 0; i < FWorkingList.Count(); ++i)
        AddRow(FWorkingList.Items(i));
}

QTreeWidgetItem *TChordEditForm::AddRow(TChordEntry &Entry) {
    auto *item = new QTreeWidgetItem(ChordView);
    item->setFlags(item->flags() | Qt::ItemIsEditable);
    item->setData(0, EntryRole, QVariant::fromValue(reinterpret_cast<quintptr>(&Entry)));
    UpdateRow(item);
    return item;
}

QTreeWidgetItem *TChordEditForm::RowOf(const TChordEntry *Entry) const {
    for (int i = 0; i < ChordView->topLevelItemCount(); ++i) {
        QTreeWidgetItem *item = ChordView->topLevelItem(i);
        if (item->data(0, EntryRole).value<quintptr>() == reinterpret_cast<quintptr>(Entry))
            return item;
    }
    return nullptr;
}

void TChordEditForm::UpdateRow(QTreeWidgetItem *Item) {
    if (!Item)
        return;
    const auto *entry = reinterpret_cast<TChordEntry *>(Item->data(0, EntryRole).value<quintptr>());
    const TKeyboardModel &m = Keyboard->Model();
    QString notes;
    if (entry->Root() >= 0) {
        notes = m.NoteName(entry->Root()) + QLatin1Char(' ');
        for (int8_t offset : entry->Offsets()) {
            const int note = entry->Root() + offset;
            // A chord read from a hand-edited file may reach beyond the keys; no name fits.
            notes += (note >= 0 && note < TKeyboardModel::NoteCount ? m.NoteName(note)
                                                                    : QStringLiteral("?")) +
                     QLatin1Char(' ');
        }
    }
    const QSignalBlocker block(ChordView);
    Item->setText(0, entry->Name());
    Item->setText(1, notes);
}

void TChordEditForm::ShowChord(const TChordEntry *Entry) {
    TKeyboardModel &m = Keyboard->Model();
    m.ClearDisplay();
    if (!Entry)
        return;
    if (Entry->Root() < 0) {
        m.SetMarkNote(60);
        return;
    }
    m.SetMarkNote(Entry->Root());
    for (int8_t offset : Entry->Offsets()) {
        const int note = Entry->Root() + offset;
        if (note >= 0 && note < TKeyboardModel::NoteCount)
            m.ShowNote(note, 1);
    }
}

void TChordEditForm::SelectionChanged() {
    TKeyboardModel &m = Keyboard->Model();
    const TChordEntry *entry = Selected();
    if (!entry) {
        m.SetChord(TChord::chNone);
        m.ResetNotes();
        m.SetMarkNote(60);
        return;
    }
    ShowChord(entry);
    m.SetCustomChord(entry->Offsets(), true);
}

void TChordEditForm::RequestRefresh(TRefresh Level) {
    if (FPendingRefresh == rfNone) {
        FPendingRefresh = Level;
        QCoreApplication::postEvent(this, new QEvent(RefreshEvent));
    } else if (Level == rfRowAndKeyboard) {
        FPendingRefresh = rfRowAndKeyboard;
    }
}

bool TChordEditForm::event(QEvent *Event) {
    if (Event->type() != RefreshEvent)
        return QDialog::event(Event);
    const int pending = FPendingRefresh;
    FPendingRefresh = rfNone;
    if (const TChordEntry *entry = Selected()) {
        if (pending == rfRowAndKeyboard)
            ShowChord(entry);
        UpdateRow(RowOf(entry));
    }
    return true;
}

void TChordEditForm::GestureStep(int &Note) {
    TChordEntry *entry = Selected();
    if (!EditCheck->isChecked() || !entry)
        return; // the note plays: trying the chord
    // Undo this gesture's previous step, so that a drag moves one change from key to key.
    if (FGestureNote >= 0)
        entry->ToggleNote(FGestureNote);
    entry->ToggleNote(Note);
    Keyboard->Model().SetCustomChord(entry->Offsets(), true);
    FGestureNote = Note;
    RequestRefresh(rfRow);
    if (entry->OffsetCount() > 0)
        Note = entry->Root();
}

void TChordEditForm::ToggleFromNote(int Note, int Velocity) {
    TChordEntry *entry = Selected();
    if (Velocity <= 0 || !EditCheck->isChecked() || !entry)
        return;
    entry->ToggleNote(Note);
    Keyboard->Model().SetCustomChord(entry->Offsets(), true);
    RequestRefresh(rfRowAndKeyboard);
}

void TChordEditForm::RenameChord(TChordEntry *Entry, const QString &Name) {
    // The store keeps no blanks around a name, and an empty name would end the stored list.
    const QString name = Name.trimmed();
    if (!name.isEmpty()) {
        // The chord's own name is not taken: confirming it, or changing only its case, is fine.
        bool taken = false;
        for (int i = 0; i < FWorkingList.Count() && !taken; ++i) {
            const TChordEntry &other = FWorkingList.Items(i);
            taken = &other != Entry && other.Name().compare(name, Qt::CaseInsensitive) == 0;
        }
        if (taken)
            QMessageBox::critical(this, windowTitle(), tr("This chord name already exists !"));
        else
            Entry->SetName(name);
    }
    UpdateRow(RowOf(Entry));
}

void TChordEditForm::AddNewChord() {
    TChordEntry &entry = FWorkingList.NewChord();
    QTreeWidgetItem *item = AddRow(entry);
    ChordView->setCurrentItem(item);
    ChordView->editItem(item, 0);
}

void TChordEditForm::DeleteSelectedChord() {
    TChordEntry *entry = Selected();
    QTreeWidgetItem *item = RowOf(entry);
    if (!entry || !item)
        return;
    const int row = ChordView->indexOfTopLevelItem(item);
    {
        const QSignalBlocker block(ChordView);
        delete item;
        FWorkingList.DeleteChord(entry);
        ChordView->clearSelection();
        ChordView->setCurrentItem(nullptr);
    }
    const int count = ChordView->topLevelItemCount();
    if (count > 0)
        ChordView->setCurrentItem(ChordView->topLevelItem(std::min(row, count - 1)));
    else
        SelectionChanged();
}

void TChordEditForm::ResetChord() {
    TChordEntry *entry = Selected();
    if (!entry || !EditCheck->isChecked())
        return;
    entry->Reset();
    // Without this the keyboard would go on playing the chord that was just emptied.
    Keyboard->Model().SetCustomChord(entry->Offsets(), true);
    UpdateRow(RowOf(entry));
    ShowChord(entry);
}

void TChordEditForm::ApplyChanges() {
    const TChordEntry *selected = Selected();
    const QString error = FWorkingList.SaveToRegistry();
    // Chords another program saved meanwhile join the list, and those it deleted leave it.
    FillList();
    if (QTreeWidgetItem *row = selected ? RowOf(selected) : nullptr) {
        const QSignalBlocker block(ChordView);
        ChordView->setCurrentItem(row);
    } else {
        SelectionChanged();
    }
    if (!error.isEmpty())
        QMessageBox::critical(this, windowTitle(), error);
    if (OnApply)
        OnApply();
}

void TChordEditForm::showEvent(QShowEvent *Event) {
    if (!FPlaced) {
        FPlaced = true;
        LoadPosition();
    }
    QDialog::showEvent(Event);
}

void TChordEditForm::done(int Result) {
    if (!FClosing) {
        FClosing = true;
        // Notes still sounding from the dialog's keyboard would hang on the output.
        Keyboard->Model().ReleaseAll();
        SavePosition();
    }
    QDialog::done(Result);
}

void TChordEditForm::LoadPosition() {
    if (QWidget *owner = parentWidget())
        move(owner->window()->frameGeometry().topLeft() + QPoint(10, 10));
    LoadDialogPosition(*this, StateSection, QStringLiteral("Form"));
}

void TChordEditForm::SavePosition() const {
    SaveDialogPosition(*this, StateSection, QStringLiteral("Form"));
}

bool TChordEditForm::eventFilter(QObject *Watched, QEvent *Event) {
    if (Watched == ChordView && Event->type() == QEvent::ShortcutOverride &&
        static_cast<QKeyEvent *>(Event)->key() == Qt::Key_F2 &&
        static_cast<QKeyEvent *>(Event)->modifiers() == Qt::NoModifier) {
        Event->accept();
        return true;
    }
    return QDialog::eventFilter(Watched, Event);
}
