#include "knobs/guiknoblist.h"

#include "controls/wheel.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLabel>

#include <algorithm>

namespace {
const char *const TagProperty = "Tag";
} // namespace

TGUIKnobEntry::TGUIKnobEntry(int IUser, int DisplayMode, int DefaultValue)
    : TKnobEntry(QString(), IUser, DisplayMode, DefaultValue) {}

void TGUIKnobEntry::SetCaption(const QString &Value) {
    TKnobEntry::SetCaption(Value);
    ShowCaption();
}

namespace {

// Caption shortened to Width with an ellipsis at its end; a number at the end stays, so that
// "Foot Controller 1" and "Foot Controller 2" become "Fo…1" and "Fo…2", not both "Foo…".
QString ShortCaption(const QString &Caption, const QFontMetrics &Metrics, int Width) {
    if (Metrics.horizontalAdvance(Caption) <= Width)
        return Caption;
    qsizetype cut = Caption.size();
    while (cut > 0 && Caption.at(cut - 1).isDigit())
        --cut;
    if (cut > 0 && cut < Caption.size()) {
        const QString number = Caption.mid(cut);
        const QString head = Metrics.elidedText(Caption.left(cut), Qt::ElideRight,
                                                Width - Metrics.horizontalAdvance(number));
        const QString shown = head + number;
        if (head.size() > 1 && Metrics.horizontalAdvance(shown) <= Width)
            return shown;
    }
    return Metrics.elidedText(Caption, Qt::ElideRight, Width);
}

} // namespace

void TGUIKnobEntry::ShowCaption() {
    if (!NameLabel)
        return;
    const QString caption = GetCaption();
    const QString shown =
        ShortCaption(caption, NameLabel->fontMetrics(), NameLabel->contentsRect().width());
    NameLabel->setText(shown);
    NameLabel->setToolTip(shown == caption ? QString() : caption);
    if (Wheel) {
        // A screen reader names the knob by its whole caption.
        Wheel->setAccessibleName(caption);
        Wheel->setAccessibleDescription(QCoreApplication::translate(
            "TGUIKnobList", "Controller knob: the arrow keys turn it, Page Up and Down faster"));
    }
}

// --- Construction ----------------------------------------------------------------------------

TGUIKnobList::TGUIKnobList(QLabel *NameLabelPrototype, QLabel *ValueLabelPrototype,
                           TWheel *WheelPrototype)
    : FNameLabelPrototype(NameLabelPrototype), FValueLabelPrototype(ValueLabelPrototype),
      FWheelPrototype(WheelPrototype) {
    if (FWheelPrototype)
        BindWheel(FWheelPrototype);
    if (FNameLabelPrototype)
        WatchLabel(FNameLabelPrototype);
    if (FValueLabelPrototype)
        WatchLabel(FValueLabelPrototype);
}

TGUIKnobList::~TGUIKnobList() {
    Clear();
    // The prototypes outlive the bar; their handlers must not reach it any more.
    if (FWheelPrototype) {
        FWheelPrototype->OnTrack = nullptr;
        FWheelPrototype->OnPosChange = nullptr;
        FWheelPrototype->OnDblClick = nullptr;
        FWheelPrototype->OnGetTrackHint = nullptr;
    }
    for (QLabel *l : {FNameLabelPrototype.data(), FValueLabelPrototype.data()})
        if (l)
            l->removeEventFilter(this);
}

void TGUIKnobList::BindWheel(TWheel *Wheel) {
    Wheel->OnTrack = [this](QObject *s) { WheelTrack(s); };
    Wheel->OnPosChange = [this](QObject *s) { WheelPosChange(s); };
    Wheel->OnDblClick = [this](QObject *s) { KnobDblClick(s); };
}

void TGUIKnobList::WatchLabel(QLabel *Label) {
    Label->installEventFilter(this);
}

bool TGUIKnobList::eventFilter(QObject *Watched, QEvent *Event) {
    if (Event->type() == QEvent::MouseButtonDblClick && qobject_cast<QLabel *>(Watched)) {
        KnobDblClick(Watched);
        return true;
    }
    return QObject::eventFilter(Watched, Event);
}

QLabel *TGUIKnobList::CopyLabel(const QLabel *Prototype, QWidget *Parent) {
    auto *l = new QLabel(Parent);
    l->setAlignment(Prototype->alignment());
    l->setFont(Prototype->font());
    l->setPalette(Prototype->palette());
    l->setAutoFillBackground(Prototype->autoFillBackground());
    l->setAttribute(Qt::WA_TranslucentBackground,
                    Prototype->testAttribute(Qt::WA_TranslucentBackground));
    l->setForegroundRole(Prototype->foregroundRole());
    l->setCursor(Prototype->cursor());
    l->setToolTip(Prototype->toolTip());
    l->setStatusTip(Prototype->statusTip());
    l->resize(Prototype->size());
    WatchLabel(l);
    return l;
}

// --- Entries ---------------------------------------------------------------------------------

TGUIKnobEntry &TGUIKnobList::GuiEntry(int Index) const {
    return static_cast<TGUIKnobEntry &>(Entry(Index));
}

TWheel *TGUIKnobList::Wheel(int Index) const {
    return GuiEntry(Index).Wheel;
}

QLabel *TGUIKnobList::NameLabel(int Index) const {
    return GuiEntry(Index).NameLabel;
}

QLabel *TGUIKnobList::ValueLabel(int Index) const {
    return GuiEntry(Index).ValueLabel;
}

int TGUIKnobList::IndexOf(const QObject *Sender) const {
    if (!Sender)
        return -1;
    for (int i = 0; i < Count(); ++i) {
        const TGUIKnobEntry &e = GuiEntry(i);
        if (Sender == e.Wheel || Sender == e.NameLabel || Sender == e.ValueLabel)
            return i;
    }
    return -1;
}

void TGUIKnobList::RenumberTags() {
    for (int i = 0; i < Count(); ++i) {
        const TGUIKnobEntry &e = GuiEntry(i);
        for (QObject *o :
             {static_cast<QObject *>(e.Wheel.data()), static_cast<QObject *>(e.NameLabel.data()),
              static_cast<QObject *>(e.ValueLabel.data())})
            if (o)
                o->setProperty(TagProperty, i);
    }
}

void TGUIKnobList::AddEntry(const QString &Caption, int IUser, int DisplayMode, int DefaultValue) {
    if (Count() >= MaxCount())
        return;
    const int d = Count();
    auto entry = std::make_unique<TGUIKnobEntry>(IUser, DisplayMode, DefaultValue);
    if (d == 0) {
        entry->NameLabel = FNameLabelPrototype;
        entry->ValueLabel = FValueLabelPrototype;
        entry->Wheel = FWheelPrototype;
    } else if (FWheelPrototype) {
        QWidget *parent = FWheelPrototype->parentWidget();
        auto *wheel = new TWheel(parent);
        wheel->resize(FWheelPrototype->size());
        wheel->SetPositionMax(FWheelPrototype->PositionMax());
        wheel->SetPositionMin(FWheelPrototype->PositionMin());
        wheel->SetPointerDistance(FWheelPrototype->PointerDistance());
        wheel->SetScale(FWheelPrototype->Scale());
        wheel->SetScaleColor(FWheelPrototype->ScaleColor());
        wheel->SetScaleLength(FWheelPrototype->ScaleLength());
        wheel->SetWheelFrame(FWheelPrototype->WheelFrame());
        wheel->SetWheelColor(FWheelPrototype->WheelColor());
        wheel->SetFocusAction(FWheelPrototype->FocusAction());
        wheel->setFocusPolicy(FWheelPrototype->focusPolicy());
        wheel->SetFocusColor(FWheelPrototype->FocusColor());
        wheel->SetShowTrackHint(FWheelPrototype->ShowTrackHint());
        wheel->setToolTip(FWheelPrototype->toolTip());
        wheel->setStatusTip(FWheelPrototype->statusTip());
        BindWheel(wheel);
        entry->Wheel = wheel;
        if (FValueLabelPrototype)
            entry->ValueLabel = CopyLabel(FValueLabelPrototype, parent);
        if (FNameLabelPrototype)
            entry->NameLabel = CopyLabel(FNameLabelPrototype, parent);
        // A provisional place in the grid, with the name label's width as column width.
        const int column =
            FNameLabelPrototype ? FNameLabelPrototype->width() : FWheelPrototype->width();
        const int x = FAreaLeft + (d / 2) * column;
        const int rowOffset = (d % 2) * RowPitch();
        wheel->move(x, FWheelPrototype->y() + rowOffset);
        if (entry->NameLabel)
            entry->NameLabel->move(x, FNameLabelPrototype->y() + rowOffset);
        if (entry->ValueLabel)
            entry->ValueLabel->move(x + wheel->width(),
                                    wheel->geometry().bottom() + 1 - entry->ValueLabel->height());
    } else if (FNameLabelPrototype) {
        entry->NameLabel = CopyLabel(FNameLabelPrototype, FNameLabelPrototype->parentWidget());
    }
    TGUIKnobEntry *e = entry.get();
    AppendEntry(std::move(entry));
    e->SetCaption(Caption);
    RenumberTags();
    for (QWidget *w :
         {static_cast<QWidget *>(e->NameLabel.data()), static_cast<QWidget *>(e->Wheel.data()),
          static_cast<QWidget *>(e->ValueLabel.data())})
        if (w)
            w->hide();
    if (e->Wheel) {
        e->Wheel->SetPosition(DefaultValue);
        e->Wheel->OnGetTrackHint = [this](QObject *s, QString &c) { WheelGetTrackHint(s, c); };
    }
}

void TGUIKnobList::Add(const QString &Caption, int IUser, int DisplayMode, int DefaultValue) {
    TKnobList::Add(Caption, IUser, DisplayMode, DefaultValue);
    Arrange();
}

void TGUIKnobList::Assign(const TKnobList &Source) {
    TKnobList::Assign(Source);
    Arrange();
}

void TGUIKnobList::DeleteEntry(TKnobEntry *Entry) {
    auto *e = static_cast<TGUIKnobEntry *>(Entry);
    if (e->Wheel && e->Wheel != FWheelPrototype) {
        delete e->NameLabel.data();
        delete e->Wheel.data();
        delete e->ValueLabel.data();
    } else if (e->Wheel) {
        // The prototypes stay, but must not go on showing a knob that is gone.
        for (QWidget *w : {static_cast<QWidget *>(FNameLabelPrototype.data()),
                           static_cast<QWidget *>(FWheelPrototype.data()),
                           static_cast<QWidget *>(FValueLabelPrototype.data())})
            if (w)
                w->hide();
    } else if (e->NameLabel && e->NameLabel != FNameLabelPrototype) {
        delete e->NameLabel.data();
    }
    TKnobList::DeleteEntry(Entry);
    RenumberTags();
}

void TGUIKnobList::Clear() {
    TKnobList::Clear();
    for (QWidget *w : {static_cast<QWidget *>(FNameLabelPrototype.data()),
                       static_cast<QWidget *>(FWheelPrototype.data()),
                       static_cast<QWidget *>(FValueLabelPrototype.data())})
        if (w)
            w->hide();
}

void TGUIKnobList::LoadFromIni(const TCustomIniFile &Ini, const QString &Section) {
    TKnobList::LoadFromIni(Ini, Section);
    Arrange();
}

// --- Layout ----------------------------------------------------------------------------------

void TGUIKnobList::SetArea(int Left, int Width) {
    FAreaLeft = Left;
    FAreaWidth = Width;
    Arrange();
}

int TGUIKnobList::RowPitch() const {
    if (!FWheelPrototype)
        return 0;
    const int nameTop = FNameLabelPrototype ? FNameLabelPrototype->y() : FWheelPrototype->y();
    return FWheelPrototype->y() + FWheelPrototype->height() - nameTop + 2;
}

int TGUIKnobList::MinColumnWidth() const {
    if (!FWheelPrototype)
        return 0;
    return FWheelPrototype->width() + (FValueLabelPrototype ? FValueLabelPrototype->width() : 0);
}

int TGUIKnobList::ColumnWidth() const {
    const int columns = (Count() + 1) / 2;
    const int wheel = FWheelPrototype->width();
    int width = FAreaWidth;
    // Knobs beyond the parent's edge would be cut off.
    if (const QWidget *parent = FWheelPrototype->parentWidget())
        width = std::min(width, parent->width() - FAreaLeft);
    return std::clamp(width / std::max(1, columns), wheel, 4 * wheel);
}

void TGUIKnobList::Arrange() {
    if (Count() == 0 || !FWheelPrototype)
        return;
    const int pitch = RowPitch();
    const int column = ColumnWidth();
    const QSize wheelSize = FWheelPrototype->size();
    FValuesShown =
        FValueLabelPrototype && FValueLabelPrototype->width() + wheelSize.width() <= column;
    for (int i = 0; i < Count(); ++i) {
        const TGUIKnobEntry &e = GuiEntry(i);
        const int x = FAreaLeft + (i / 2) * column;
        const int rowOffset = (i % 2) * pitch;
        if (e.Wheel) {
            e.Wheel->SetShowTrackHint(!FValuesShown);
            const QPoint at(x, FWheelPrototype->y() + rowOffset);
            if (e.Wheel->pos() != at)
                e.Wheel->SetBounds(at.x(), at.y(), wheelSize.width(), wheelSize.height());
            e.Wheel->show();
        }
        if (e.NameLabel) {
            const int top = FNameLabelPrototype ? FNameLabelPrototype->y() : 0;
            const int height = FNameLabelPrototype ? FNameLabelPrototype->height() : 0;
            e.NameLabel->setGeometry(x, top + rowOffset, column - 2, height);
            GuiEntry(i).ShowCaption();
            e.NameLabel->show();
        }
        if (e.ValueLabel) {
            if (FValuesShown && e.Wheel) {
                const QSize s = FValueLabelPrototype->size();
                const QPoint at(e.Wheel->geometry().right() + 1,
                                e.Wheel->geometry().bottom() + 1 - s.height());
                if (e.ValueLabel->pos() != at)
                    e.ValueLabel->setGeometry(QRect(at, s));
                e.ValueLabel->show();
            } else {
                e.ValueLabel->hide();
            }
        }
    }
}

// --- Values ----------------------------------------------------------------------------------

QString TGUIKnobList::ValueText(int DisplayMode, int Position) {
    if (DisplayMode == dmRelative) {
        const int v = Position - 64;
        return Position >= 64 ? QStringLiteral("+%1").arg(v) : QString::number(v);
    }
    return QString::number(Position);
}

void TGUIKnobList::SetKnobPosition(int Index, int Value) {
    if (!FWheelPrototype)
        return;
    if (TWheel *w = Wheel(Index))
        w->SetPosition(Value);
}

std::vector<TKnobValue> TGUIKnobList::KnobValues() const {
    std::vector<TKnobValue> values;
    for (int i = 0; i < Count(); ++i) {
        const TGUIKnobEntry &e = GuiEntry(i);
        values.emplace_back(e.IUser & 0x7F, e.Wheel ? e.Wheel->Position() & 0x7F : 0);
    }
    return values;
}

// --- Handlers --------------------------------------------------------------------------------

void TGUIKnobList::WheelPosChange(QObject *Sender) {
    const int i = IndexOf(Sender);
    if (i < 0)
        return;
    const TGUIKnobEntry &e = GuiEntry(i);
    if (!e.ValueLabel || !e.Wheel)
        return;
    if (e.DisplayMode == dmAbsolute || e.DisplayMode == dmRelative)
        e.ValueLabel->setText(ValueText(e.DisplayMode, e.Wheel->Position()));
}

void TGUIKnobList::WheelTrack(QObject *Sender) {
    const int i = IndexOf(Sender);
    if (i < 0 || !OnKnobChange)
        return;
    const TGUIKnobEntry &e = GuiEntry(i);
    if (e.Wheel)
        OnKnobChange(this, e.IUser & 0x7F, e.Wheel->Position() & 0x7F);
}

void TGUIKnobList::KnobDblClick(QObject *Sender) {
    const int i = IndexOf(Sender);
    if (i < 0)
        return;
    const TGUIKnobEntry &e = GuiEntry(i);
    SetKnobPosition(i, e.DefaultValue);
    if (OnKnobChange && e.Wheel)
        OnKnobChange(this, e.IUser & 0x7F, e.Wheel->Position() & 0x7F);
}

void TGUIKnobList::WheelGetTrackHint(QObject *Sender, QString &Caption) {
    const int i = IndexOf(Sender);
    if (i < 0)
        return;
    const TGUIKnobEntry &e = GuiEntry(i);
    const int p = e.Wheel ? e.Wheel->Position() : 0;
    Caption = e.GetCaption() + QStringLiteral(": ") +
              (e.DisplayMode == dmRelative ? ValueText(dmRelative, p) : QString::number(p));
}
