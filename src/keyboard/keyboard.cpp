#include "keyboard/keyboard.h"

#include "core/virtualkeys.h"
#include "keyboard/keyboardaccessible.h"
#include "keyboard/keylabels.h"
#include "keyboard/keypictures.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPointingDevice>
#include <QScreen>
#include <QTimer>
#include <QToolTip>
#include <QTouchEvent>
#include <QValidator>
#include <QVarLengthArray>

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

namespace {

constexpr int DeadZone = 5;
constexpr int PitchBendPerPixel = 80;
constexpr int SpaceScanCode = 57;

// Marks over the keys. The keys are white and black whatever the desktop's colours, so the marks
// are chosen against them: amber for keys the pedal holds (apart from the blue of pressed
// keys), grey veiling the keys outside the scale, text dark on white keys and light on black.
const QColor SustainTint(0xf0, 0xa0, 0x10, 110);
const QColor SustainBar(0xe0, 0x90, 0x00);
const QColor DimWhite(0x70, 0x70, 0x70, 120);
const QColor DimBlack(0xa0, 0xa0, 0xa0, 110);
const QColor TextOnWhite(0x20, 0x20, 0x28);
const QColor TextOnBlack(0xf0, 0xf0, 0xf0);
const QColor CapOnWhite(0x5c, 0x6c, 0x90);
const QColor CapOnBlack(0xa8, 0xc0, 0xe8);

bool Tracked(Qt::MouseButton B) {
    return B == Qt::LeftButton || B == Qt::RightButton || B == Qt::MiddleButton;
}

// The name of a computer key as written on the keys; the same for a key all the run long.
QString ComputerKeyName(int ScanCode) {
    static std::array<QString, 64> names;
    static std::array<bool, 64> known{};
    if (ScanCode < 0 || ScanCode >= int(names.size()))
        return {};
    if (!known[size_t(ScanCode)]) {
        names[size_t(ScanCode)] = KeyNameText(ScanCode, false);
        known[size_t(ScanCode)] = true;
    }
    return names[size_t(ScanCode)];
}

// Whether W, the focused widget, is a field that types Key: a number field takes the digits and
// the signs, any other field that can be typed into takes every key that types a character. Such
// a key types only; the other keys go on playing.
bool FieldTakesKey(const QWidget *W, const TKeyData &Key, TShiftState Shift) {
    if (!W)
        return false;
    bool number = false;
    if (const auto *spin = qobject_cast<const QAbstractSpinBox *>(W)) {
        if (spin->isReadOnly())
            return false;
        number = true;
    } else if (const auto *edit = qobject_cast<const QLineEdit *>(W)) {
        if (edit->isReadOnly())
            return false;
        number = qobject_cast<const QAbstractSpinBox *>(edit->parentWidget()) ||
                 (edit->inputMethodHints() &
                  (Qt::ImhDigitsOnly | Qt::ImhFormattedNumbersOnly | Qt::ImhPreferNumbers)) ||
                 qobject_cast<const QIntValidator *>(edit->validator()) ||
                 qobject_cast<const QDoubleValidator *>(edit->validator());
    } else if (const auto *combo = qobject_cast<const QComboBox *>(W)) {
        if (!combo->isEditable())
            return false;
    } else {
        return false;
    }
    if (Key.Character.isEmpty())
        return false;
    if (!number)
        return true;
    const QChar c = Key.Character.at(0);
    return c.isDigit() || c == u'-' || (c == u'=' && Shift.testFlag(TShiftStateFlag::ssShift));
}

// The dotted focus frame inside Frame, only where Painted crosses it: a dashed outline is
// stroked whole whatever the clip, which cost more than the keys at every one-key repaint. The
// dots keep their places (every third pixel from the corners) whatever part is painted.
void DrawFocusFrame(QPainter &P, const QRect &Frame, const QRect &Painted) {
    const QRect area = Painted & Frame;
    if (area.isEmpty())
        return;
    QVarLengthArray<QPoint, 256> dots;
    auto first = [](int From, int Origin) { return From + (3 - (From - Origin) % 3) % 3; };
    for (const int y : {Frame.top(), Frame.bottom()})
        if (y >= area.top() && y <= area.bottom())
            for (int x = first(area.left(), Frame.left()); x <= area.right(); x += 3)
                dots.append(QPoint(x, y));
    for (const int x : {Frame.left(), Frame.right()})
        if (x >= area.left() && x <= area.right())
            for (int y = first(area.top(), Frame.top()); y <= area.bottom(); y += 3)
                dots.append(QPoint(x, y));
    P.setPen(QPen(QColor(0x30, 0x60, 0xa0), 0));
    P.drawPoints(dots.constData(), int(dots.size()));
}

} // namespace

TKeyboard::TKeyboard(QWidget *Parent) : QWidget(Parent) {
    // Every pixel is painted here; the system never erases the background.
    setAttribute(Qt::WA_OpaquePaintEvent);
    // One note per finger; the mouse is not made up from touches (that would be one note).
    setAttribute(Qt::WA_AcceptTouchEvents);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);
    FModel.Sender = this;
    TKeyboardAccessible::Install();
    FModel.OnKeyChanged = [this](int Note) { KeyChanged(Note); };
    FModel.OnRepaintAll = [this] {
        ApplyWidthLimit();
        update();
    };
    FModel.OnScroll = [this](int OldOffset, int NewOffset) { Scroll(OldOffset, NewOffset); };
    if (const QScreen *screen = QGuiApplication::primaryScreen(); screen && screen->depth() <= 7)
        FModel.SetImagesAvailable(false);
    resize(TKeyboardModel::DefaultWidth, TKeyboardModel::DefaultHeight);
    ApplyWidthLimit();
    FHook.SetHandler([this](TKeyboardHook *, const TKeyData &Key, bool &Handled) {
        Handled = KeyHook(Key, TKeyboardHook::ShiftState());
    });
    // Once another program has the keyboard, the releases of keys held now go there.
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState State) {
                if (State != Qt::ApplicationActive)
                    KeyboardLost();
            });
}

TKeyboard::~TKeyboard() {
    FHook.Remove();
    // The owner releases notes before it closes its output; no messages from here.
    FModel.OnNote = nullptr;
    FModel.OnDisplayEvent = nullptr;
    FModel.OnKeyChanged = nullptr;
    FModel.OnRepaintAll = nullptr;
    FModel.OnScroll = nullptr;
}

QSize TKeyboard::sizeHint() const {
    return {329, 76};
}

QSize TKeyboard::minimumSizeHint() const {
    return {TKeyboardModel::MinWidth, TKeyboardModel::MinHeight};
}

void TKeyboard::SetTabStop(bool Value) {
    setFocusPolicy(Value ? Qt::StrongFocus : Qt::NoFocus);
    update();
}

void TKeyboard::SetPaintStyle(TPaintStyle Value) {
    FModel.SetPaintStyle(Value);
    if (FModel.PaintStyle() == TPaintStyle::psImage)
        PrepareImages();
    else
        DropImages();
    ApplyWidthLimit();
    update();
}

void TKeyboard::SetImageSize(TImageSize Value) {
    FModel.SetImageSize(Value);
    if (FImagesLoaded)
        PrepareImages();
    ApplyWidthLimit();
    update();
}

void TKeyboard::SetKeyWidth(int Value) {
    FModel.SetKeyWidth(Value);
    ApplyWidthLimit();
}

void TKeyboard::LoadKeyboardSettings(const TCustomIniFile &Store) {
    FModel.LoadKeyboardSettings(Store);
    if (FModel.PaintStyle() == TPaintStyle::psImage)
        PrepareImages();
    else
        DropImages();
    ApplyWidthLimit();
    update();
}

void TKeyboard::SaveKeyboardSettings(TCustomIniFile &Store) const {
    FModel.SaveKeyboardSettings(Store);
}

void TKeyboard::ApplyWidthLimit() {
    const int limit = TKeyboardModel::WhiteKeyCount * FModel.KeyWidth();
    if (maximumWidth() != limit)
        setMaximumWidth(limit);
}

// --- Mouse play
// -----------------------------------------------------------------------------------

int TKeyboard::HitTest(int X, int Y) {
    FLastHit = FModel.HitTest(X, Y);
    return FLastHit;
}

uint8_t TKeyboard::PlayVelocity(TShiftState Shift) const {
    return Shift.testFlag(TShiftStateFlag::ssShift) ? FModel.ShiftVelocity() : FModel.Velocity();
}

void TKeyboard::MousePress(Qt::MouseButton Button, TShiftState Shift, int X, int Y) {
    auto &m = FModel;
    const auto releaseHeldNote = [&m] {
        if (m.Holding) {
            m.SendChord(m.Channel(), m.HeldNote, 0, true);
            m.Holding = false;
        }
    };
    if (Button == Qt::LeftButton && m.EnableBaseNoteDrag() &&
        Shift.testFlag(TShiftStateFlag::ssAlt) && m.MouseMode == TMouseMode::None) {
        FButtonsDown |= Button;
        FDragX = X;
        FDragOffset = m.ScrollOffset();
        releaseHeldNote();
        m.SetMouseMode(TMouseMode::BaseNoteDrag);
        UpdateCursor(Shift);
        return;
    }
    if (m.MouseMode == TMouseMode::BaseNoteDrag)
        return;

    int note = HitTest(X, Y);
    FLastMoveNote = note;
    if (OnMousePress)
        OnMousePress(this, note, Button, Shift);
    if (note < 0 || note >= TKeyboardModel::NoteCount)
        return;
    const uint8_t velocity = m.StrikeVelocity(note, Y, Shift.testFlag(TShiftStateFlag::ssShift));

    if (Button == Qt::LeftButton || (Button == Qt::RightButton && m.EnableSpecialMode())) {
        const TMouseMode previous = m.MouseMode;
        FButtonsDown |= Button;
        if (previous == TMouseMode::None)
            releaseHeldNote();
        m.SetMouseMode(Button == Qt::LeftButton ? TMouseMode::Normal : TMouseMode::Hold);
        if (previous == TMouseMode::None) {
            m.SendChord(m.Channel(), note, velocity, true);
            m.HeldNote = note;
            m.HeldVelocity = velocity;
        }
        FPressX = X;
        FPressY = Y;
        m.ControllerStart = {m.ControllerValue(0), m.ControllerValue(1)};
    }
    if (TabStop() && !hasFocus())
        setFocus(Qt::MouseFocusReason);
}

void TKeyboard::MouseMove(TShiftState Shift, int X, int Y) {
    auto &m = FModel;
    UpdateCursor(Shift);
    if (m.MouseMode == TMouseMode::BaseNoteDrag) {
        m.DragScrollTo(FDragOffset + FDragX - X);
        return;
    }
    if (m.MouseMode == TMouseMode::Hold)
        DriveControllers(X, Y);

    int note = HitTest(X, Y);
    if (note == FLastMoveNote)
        return;
    FLastMoveNote = note;
    if (OnMouseDrag) {
        if (m.MouseMode == TMouseMode::Normal)
            OnMouseDrag(this, note, Qt::LeftButton, Shift);
        else if (m.MouseMode == TMouseMode::Hold)
            OnMouseDrag(this, note, Qt::RightButton, Shift);
    }
    if (note >= 0 && note < TKeyboardModel::NoteCount && m.MouseMode == TMouseMode::Normal) {
        const uint8_t velocity =
            m.StrikeVelocity(note, Y, Shift.testFlag(TShiftStateFlag::ssShift));
        m.SendChord(m.Channel(), m.HeldNote, 0, true);
        m.SendChord(m.Channel(), note, velocity, true);
        m.HeldNote = note;
        m.HeldVelocity = velocity;
    }
    Hover(m.NoteDisplayName(FLastMoveNote));
}

void TKeyboard::MouseRelease(Qt::MouseButton Button, TShiftState Shift, int X, int Y) {
    auto &m = FModel;
    if (Tracked(Button))
        FButtonsDown &= ~Qt::MouseButtons(Button);
    if (m.MouseMode == TMouseMode::BaseNoteDrag) {
        m.DragScrollTo(FDragOffset + FDragX - X);
    } else {
        // A press that started no play (vetoed, middle button) has nothing to release: sending
        // a release for the last held note here would end a note the user never touched.
        const bool playing = m.MouseMode == TMouseMode::Normal || m.MouseMode == TMouseMode::Hold;
        if (playing)
            m.Holding = Shift.testFlag(TShiftStateFlag::ssCtrl) && FButtonsDown == Qt::NoButton;
        const bool release = playing && !m.Holding && FButtonsDown == Qt::NoButton;
        int note = release ? m.HeldNote : HitTest(X, Y);
        if (OnMouseRelease)
            OnMouseRelease(this, note, Button, Shift);
        if (release) {
            m.SendChord(m.Channel(), note, 0, true);
            m.HeldNote = note;
        }
    }
    // The other button still down takes over the play.
    if (Button == Qt::RightButton && (FButtonsDown & Qt::LeftButton)) {
        UpdateCursor(Shift);
        MousePress(Qt::LeftButton, Shift, X, Y);
        return;
    }
    if (Button == Qt::LeftButton && (FButtonsDown & Qt::RightButton)) {
        UpdateCursor(Shift);
        MousePress(Qt::RightButton, Shift, X, Y);
        return;
    }
    if (FButtonsDown == Qt::NoButton)
        m.SetMouseMode(TMouseMode::None);
    UpdateCursor(Shift);
}

void TKeyboard::DriveControllers(int X, int Y) {
    auto &m = FModel;
    for (int i = 0; i < 2; ++i) {
        const int assign = m.ControllerAssign(i);
        if (assign == ControllerCode::None)
            continue;
        const int d = i == TKeyboardModel::UpDown ? FPressY - Y : X - FPressX;
        const int start = m.ControllerStart[size_t(i)];
        int value = start;
        if (std::abs(d) > DeadZone) {
            const int beyond = d > 0 ? d - DeadZone : d + DeadZone;
            if (assign == ControllerCode::PitchBend)
                value = std::clamp(start + PitchBendPerPixel * beyond, PitchBendMin, PitchBendMax);
            else
                value = std::clamp(start + beyond + 1, 0, 127);
        }
        if (value == m.ControllerValue(i))
            continue;
        m.SendControllerEvent(assign == ControllerCode::PitchBend
                                  ? TShortMessage::PitchBend(m.Channel(), value)
                                  : TShortMessage::ControlChange(m.Channel(), assign, value));
        m.SetControllerValueAt(i, value);
    }
}

void TKeyboard::UpdateCursor(TShiftState Shift) {
    const bool hand = (Shift.testFlag(TShiftStateFlag::ssAlt) && FButtonsDown == Qt::NoButton) ||
                      FModel.MouseMode == TMouseMode::BaseNoteDrag;
    if (hand == FHandCursor)
        return;
    FHandCursor = hand;
    if (hand)
        setCursor(Qt::OpenHandCursor);
    else
        unsetCursor();
}

void TKeyboard::Hover(const QString &Text) {
    if (FModel.OnNoteHover)
        FModel.OnNoteHover(this, Text);
}

void TKeyboard::mousePressEvent(QMouseEvent *Event) {
    const QPoint p = Event->position().toPoint();
    MousePress(Event->button(), ShiftStateOf(Event->modifiers(), Event->buttons()), p.x(), p.y());
}

void TKeyboard::mouseDoubleClickEvent(QMouseEvent *Event) {
    // The second press of a double click is a press like any other.
    const QPoint p = Event->position().toPoint();
    MousePress(Event->button(),
               ShiftStateOf(Event->modifiers(), Event->buttons()) | TShiftStateFlag::ssDouble,
               p.x(), p.y());
}

void TKeyboard::mouseMoveEvent(QMouseEvent *Event) {
    const QPoint p = Event->position().toPoint();
    MouseMove(ShiftStateOf(Event->modifiers(), Event->buttons()), p.x(), p.y());
}

void TKeyboard::mouseReleaseEvent(QMouseEvent *Event) {
    const QPoint p = Event->position().toPoint();
    MouseRelease(Event->button(), ShiftStateOf(Event->modifiers(), Event->buttons()), p.x(), p.y());
}

void TKeyboard::enterEvent(QEnterEvent *Event) {
    QWidget::enterEvent(Event);
    Hover(FModel.NoteDisplayName(FLastHit));
}

void TKeyboard::leaveEvent(QEvent *Event) {
    QWidget::leaveEvent(Event);
    Hover(QString());
}

void TKeyboard::focusInEvent(QFocusEvent *Event) {
    QWidget::focusInEvent(Event);
    update();
}

void TKeyboard::focusOutEvent(QFocusEvent *Event) {
    QWidget::focusOutEvent(Event);
    FModel.ReleaseDisplayedNotes();
    update();
}

// --- Computer-keyboard play
// ------------------------------------------------------------------------------

void TKeyboard::SetCaptureKeyboard(bool Value) {
    FModel.SetCaptureKeyboard(Value);
    if (Value == FHook.IsInstalled())
        return;
    if (Value) {
        FHook.Add();
    } else {
        FModel.ReleaseAll();
        LiftSpaceSustain(); // its release will not come here any more either
        FHook.Remove();
        UpdateCursor({}); // the release of a held Alt will not come here any more
    }
}

bool TKeyboard::KeyHook(const TKeyData &Key, TShiftState Shift) {
    if (Key.Extended || Key.IsAutoRepeat() || Key.RepeatCount > 1)
        return false;
    const bool release = Key.IsRelease();
    const QWidget *form = window() != this ? window() : nullptr;
    const bool formActive = form && form->isActiveWindow();

    if (Key.VirtualKey == VirtualKeys::vkMenu) {
        // Alt announces the base-note drag with the hand cursor, and is kept from the menus.
        UpdateCursor(release ? TShiftState() : TShiftState(TShiftStateFlag::ssAlt));
        return true;
    }
    const bool edit = form && FieldTakesKey(form->focusWidget(), Key, Shift);
    if (Key.ScanCode == SpaceScanCode)
        return SpaceKey(Key, Shift, edit);
    if (Key.ScanCode < 2 || Key.ScanCode > 53)
        return false;
    if (release) {
        // Whatever the modifiers and the active window now: the key's note ends. A key that
        // started nothing (or whose note ReleaseAll already ended) sends nothing.
        const int note = FModel.ComputerKeyUp(Key.ScanCode);
        if (note < 0)
            return false;
        Hover(FModel.NoteDisplayName(note));
        return true;
    }
    if (Shift.testFlag(TShiftStateFlag::ssAlt) || Shift.testFlag(TShiftStateFlag::ssCtrl) ||
        !formActive)
        return false;
    // Typed into the focused field: a program number, a name.
    if (FieldTakesKey(form->focusWidget(), Key, Shift))
        return false;
    // Already sounding: a repeat the platform did not mark as one.
    if (FModel.ComputerKeyNote(Key.ScanCode) >= 0)
        return false;
    const int note = FModel.ScanCodeNote(Key.ScanCode);
    if (note < 0 || note >= TKeyboardModel::NoteCount)
        return false;
    FModel.ComputerKeyDown(Key.ScanCode, note, PlayVelocity(Shift));
    Hover(FModel.NoteDisplayName(note));
    return true;
}

bool TKeyboard::SpaceKey(const TKeyData &Key, TShiftState Shift, bool Edit) {
    if (Key.IsRelease()) {
        if (!FSpaceSustain)
            return false;
        LiftSpaceSustain();
        return !Edit;
    }
    // Ctrl+Space is Panic, Alt+Space the window menu.
    const QWidget *form = window() != this ? window() : nullptr;
    if (Shift.testFlag(TShiftStateFlag::ssAlt) || Shift.testFlag(TShiftStateFlag::ssCtrl) ||
        !form || !form->isActiveWindow() || FSpaceSustain || Edit)
        return false; // a space typed into a name field types only
    FSpaceSustain = true;
    FModel.SendPedal(TKeyboardModel::SustainPedal, true);
    return !Edit;
}

void TKeyboard::LiftSpaceSustain() {
    if (!FSpaceSustain)
        return;
    FSpaceSustain = false;
    FModel.SendPedal(TKeyboardModel::SustainPedal, false);
}

void TKeyboard::KeyboardLost() {
    FModel.ReleaseComputerKeys();
    LiftSpaceSustain();
    UpdateCursor({});
}

// --- Touch ------------------------------------------------------------------------------------

bool TKeyboard::event(QEvent *Event) {
    switch (Event->type()) {
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        // An owner that follows the mouse play (the chord editor picks notes by it) gets the
        // mouse Qt makes of the first finger instead.
        if (OnMousePress)
            return QWidget::event(Event);
        TouchEvent(static_cast<QTouchEvent *>(Event));
        return true;
    case QEvent::ToolTip: {
        const auto *help = static_cast<QHelpEvent *>(Event);
        const QString tip = KeyToolTip(FModel.HitTest(help->pos().x(), help->pos().y()));
        if (tip.isEmpty())
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), tip, this);
        return true;
    }
    default:
        return QWidget::event(Event);
    }
}

QString TKeyboard::KeyToolTip(int Note) const {
    const QString name = FModel.KeyName(Note);
    return name.isEmpty() ? toolTip() : QStringLiteral("%1 (%2)").arg(name, FModel.NoteName(Note));
}

void TKeyboard::TouchEvent(QTouchEvent *Event) {
    Event->accept();
    if (Event->type() == QEvent::TouchCancel) {
        EndTouches();
        return;
    }
    const bool sensed = Event->device() && Event->device()->capabilities().testFlag(
                                               QInputDevice::Capability::Pressure);
    const bool shift = Event->modifiers().testFlag(Qt::ShiftModifier);
    for (const QEventPoint &point : Event->points())
        TouchPoint(point.id(), point.state(), point.position().toPoint(),
                   sensed ? int(std::lround(std::clamp(point.pressure(), 0.0, 1.0) * 127.0)) : -1,
                   shift);
    if (Event->type() == QEvent::TouchEnd)
        EndTouches(); // every finger is off now, whether each said so or not
}

void TKeyboard::TouchPoint(int Id, QEventPoint::State State, QPoint Position, int Pressure,
                           bool Shift) {
    auto finger = std::find_if(FFingers.begin(), FFingers.end(),
                               [Id](const TFinger &F) { return F.Id == Id; });
    if (State == QEventPoint::Released) {
        if (finger != FFingers.end()) {
            FModel.TouchUp(Id);
            FFingers.erase(finger);
        }
        return;
    }
    const bool moved = State != QEventPoint::Stationary;
    const int note =
        moved || finger == FFingers.end() ? HitTest(Position.x(), Position.y()) : finger->Note;
    if (finger == FFingers.end()) {
        // A finger first down: its note starts with the velocity of where it struck.
        FModel.TouchDown(Id, note, FModel.StrikeVelocity(note, Position.y(), Shift));
        FFingers.push_back({Id, note, -1});
        finger = FFingers.end() - 1;
        if (TabStop() && !hasFocus())
            setFocus(Qt::OtherFocusReason);
        Hover(FModel.NoteDisplayName(note));
    } else if (note != finger->Note) {
        // Sliding onto another key glides: the old note ends, the new one starts.
        FModel.TouchDown(Id, note, FModel.StrikeVelocity(note, Position.y(), Shift));
        finger->Note = note;
        finger->Pressure = -1;
        Hover(FModel.NoteDisplayName(note));
    }
    if (Pressure >= 0 && FModel.TouchPressure() && Pressure != finger->Pressure &&
        FModel.TouchNote(Id) >= 0) {
        finger->Pressure = Pressure;
        FModel.TouchPressure(Id, Pressure);
    }
}

void TKeyboard::EndTouches() {
    for (const TFinger &finger : std::exchange(FFingers, {}))
        FModel.TouchUp(finger.Id);
}

// --- Size, scrolling, repaint requests
// -------------------------------------------------------------

void TKeyboard::resizeEvent(QResizeEvent *Event) {
    QWidget::resizeEvent(Event);
    FModel.SetBounds(width(), height());
    update();
}

void TKeyboard::showEvent(QShowEvent *Event) {
    QWidget::showEvent(Event);
    if (FModel.PaintStyle() == TPaintStyle::psImage && !FImagesLoaded)
        PrepareImages();
    FModel.SetBounds(width(), height());
    FModel.ApplyBaseNote(FModel.BaseNote(), true);
}

void TKeyboard::changeEvent(QEvent *Event) {
    QWidget::changeEvent(Event);
    if (Event->type() == QEvent::EnabledChange || Event->type() == QEvent::PaletteChange)
        update();
    if (Event->type() == QEvent::FontChange) {
        FLabelLayouts.clear();
        FLabelPictures.clear();
        update();
    }
}

void TKeyboard::KeyChanged(int Note) {
    TKeyboardAccessible::KeyChanged(this, Note);
    if (FFollowNotes && FModel.IsPressed(Note)) {
        FFollowLatest = Note;
        if (!FFollowPending) {
            FFollowPending = true;
            QTimer::singleShot(0, this, [this] { FollowPressed(); });
        }
    }
    const int w = FModel.KeyWidth();
    const int x = FModel.KeyLeft(Note) - FModel.ScrollOffset();
    if (FImagesLoaded) // a white slice shows parts of its black neighbours
        update(QRect(x - w, 0, 3 * w, height()));
    else
        update(QRect(x, 0, FModel.KeyPixelWidth(Note), height()));
}

void TKeyboard::FollowPressed() {
    FFollowPending = false;
    if (!FFollowNotes || !isVisible())
        return;
    int low = -1;
    int high = -1;
    for (int n = 0; n < TKeyboardModel::NoteCount; ++n)
        if (FModel.IsPressed(n)) {
            if (low < 0)
                low = n;
            high = n;
        }
    if (low < 0)
        return;
    // In white keys, each black key with the white one below it.
    const int first = TKeyboardModel::WhiteKeyIndex(low);
    const int last = TKeyboardModel::WhiteKeyIndex(high) + (TKeyboardModel::IsBlack(high) ? 1 : 0);
    const int shown = std::max(1, width() / FModel.KeyWidth());
    const int base = FModel.BaseWhiteKey();
    if (first >= base && last < base + shown)
        return;
    int wanted = base;
    if (last - first < shown)
        wanted = first < base ? first : last - shown + 1;
    else // too far apart: the latest in the middle
        wanted = TKeyboardModel::WhiteKeyIndex(std::max(0, FFollowLatest)) - shown / 2;
    FModel.SetBaseWhiteKey(wanted);
}

void TKeyboard::Scroll(int OldOffset, int NewOffset) {
    if (OldOffset == NewOffset)
        return;
    if (std::abs(NewOffset - OldOffset) > width() - 20 || !isVisible())
        update();
    else
        scroll(OldOffset - NewOffset, 0); // copies the picture; Qt repaints the uncovered band
}

// --- Pictures
// --------------------------------------------------------------------------------------

void TKeyboard::PrepareImages() {
    DropImages();
    if (!FModel.ImagesAvailable()) {
        FModel.SetPaintStyle(TPaintStyle::psDraw);
        return;
    }
    const qreal dpr = devicePixelRatioF();
    const TImageSize size = FModel.ImageSize();
    const int height = FModel.ImageKeyHeight();
    const QPixmap up = KeyPictures::Load(KeyPictures::Name(false, size), dpr, height);
    if (up.isNull()) {
        FModel.SetImagesAvailable(false); // falls back to drawing for good
        return;
    }
    const QPixmap down = KeyPictures::Load(KeyPictures::Name(true, size), dpr, height);
    const int w = up.width() / 7; // device pixels
    // F shares C's slice and B shares E's: their black neighbours stand at the same places.
    static constexpr std::array<int, 7> SliceOf{0, 1, 2, 0, 4, 5, 2};
    const auto slice = [&](const QPixmap &octave, int i) {
        QPixmap p = octave.copy(SliceOf[size_t(i)] * w, 0, w, octave.height());
        p.setDevicePixelRatio(dpr);
        return p;
    };
    const auto black = [&](const QPixmap &octave) {
        const QRectF r(TKeyboardModel::ImageBlackX(size, 0) * dpr, 0,
                       TKeyboardModel::ImageBlackWidth(size) * dpr,
                       FModel.ImageBlackKeyHeight() * dpr);
        QPixmap p = octave.copy(r.toRect());
        p.setDevicePixelRatio(dpr);
        return p;
    };
    for (int i = 0; i < 7; ++i) {
        FWhiteUp[size_t(i)] = slice(up, i);
        if (!down.isNull())
            FWhiteDown[size_t(i)] = slice(down, i);
    }
    FBlackUp = black(up);
    if (!down.isNull())
        FBlackDown = black(down);
    FImagesLoaded = true;
    FImagesDpr = dpr;
    FImagesHeight = height;
}

void TKeyboard::DropImages() {
    FImagesLoaded = false;
    FWhiteUp = {};
    FWhiteDown = {};
    FBlackUp = {};
    FBlackDown = {};
}

void TKeyboard::paintEvent(QPaintEvent *Event) {
    FLastPainted = Event->region();
    if (FModel.PaintStyle() == TPaintStyle::psImage &&
        (!FImagesLoaded || FImagesDpr != devicePixelRatioF() ||
         FImagesHeight != FModel.ImageKeyHeight()))
        PrepareImages();
    if (FLabelsDpr != devicePixelRatioF()) {
        FLabelPictures.clear(); // drawn for another screen
        FLabelsDpr = devicePixelRatioF();
    }
    QPainter p(this);
    const QRect r = Event->rect();
    const int first = std::max(0, FModel.HitTest(r.left(), 0) - 2);
    const int last = std::min(TKeyboardModel::NoteCount - 1, FModel.HitTest(r.right(), 0) + 2);
    if (FImagesLoaded)
        PaintImage(p, first, last);
    else
        PaintDraw(p, first, last);
    DrawZoneBands(p, r);
    if (TabStop() && hasFocus())
        DrawFocusFrame(p, rect().adjusted(0, 0, -1, -1), r);
}

// --- Zones
// -------------------------------------------------------------------------------------------

void TKeyboard::SetZoneBands(const QList<TZoneBand> &Bands, const std::bitset<128> &Latched) {
    if (Bands.size() == FZoneBands.size() && Latched == FLatched &&
        std::equal(Bands.begin(), Bands.end(), FZoneBands.begin(),
                   [](const TZoneBand &A, const TZoneBand &B) {
                       return A.First == B.First && A.Last == B.Last && A.Colour == B.Colour;
                   }))
        return;
    FZoneBands = Bands;
    FLatched = Latched;
    update(0, 0, width(), height() / 3 + 1);
}

QColor TKeyboard::ZoneColour(int Index) {
    // Saturated middle tones: bright enough beside black keys, dark enough beside white ones.
    static const std::array<QColor, 4> Colours{QColor(0x1f, 0x77, 0xd4), QColor(0xe0, 0x6c, 0x00),
                                               QColor(0x1b, 0x9e, 0x4b), QColor(0xc2, 0x2e, 0xa8)};
    return Colours[size_t(std::abs(Index) % int(Colours.size()))];
}

void TKeyboard::DrawZoneBands(QPainter &P, const QRect &Area) {
    if (FZoneBands.isEmpty() && FLatched.none())
        return;
    const int band = std::max(4, height() / 11);
    // Without a split only the latched keys are marked, in the first zone's colour.
    const bool whole = FZoneBands.isEmpty();
    const QList<TZoneBand> bands = whole ? QList<TZoneBand>{TZoneBand()} : FZoneBands;
    const int offset = FModel.ScrollOffset();
    const auto left = [&](int Note) {
        // A zone starts at its first key's left edge, or the middle of the white key below a
        // black one, so that neighbouring bands meet without a gap.
        return FModel.KeyLeft(Note) - offset;
    };
    for (const TZoneBand &zone : bands) {
        const int x0 = left(zone.First);
        const int x1 = zone.Last >= TKeyboardModel::NoteCount - 1
                           ? TKeyboardModel::WhiteKeyCount * FModel.KeyWidth() - offset
                           : left(zone.Last + 1);
        const QRect r(x0, 0, x1 - x0, band);
        if (!r.intersects(Area))
            continue;
        const QColor colour = ZoneColour(zone.Colour);
        if (!whole)
            P.fillRect(r, colour);
        // A split point: a line down the key edge, in the zone colour's darker shade.
        if (zone.First > 0)
            P.fillRect(x0, 0, 1, height() / 3, colour.darker(150));
        // Keys the latch holds: a white mark in the band (in the zone colour without bands),
        // framed darker, so that it shows over white and black keys alike.
        for (int note = zone.First; note <= zone.Last; ++note)
            if (FLatched.test(size_t(note))) {
                const QRect mark(left(note) + 2, 1, std::max(FModel.KeyPixelWidth(note) - 4, 3),
                                 band - 2);
                P.fillRect(mark, colour.darker(170));
                P.fillRect(mark.adjusted(1, 1, -1, -1), whole ? colour : QColor(Qt::white));
            }
    }
}

void TKeyboard::PaintDraw(QPainter &P, int First, int Last) {
    // Past the last key (a very wide control) stays black rather than unpainted.
    const int stripEnd = TKeyboardModel::WhiteKeyCount * FModel.KeyWidth() - FModel.ScrollOffset();
    if (stripEnd < width())
        P.fillRect(stripEnd, 0, width() - stripEnd, height(), Qt::black);
    for (int n = std::max(0, First - 1); n <= Last; ++n) {
        if (FModel.KeyLeft(n) - FModel.ScrollOffset() > width())
            break;
        DrawKeyDraw(P, n);
    }
}

void TKeyboard::DrawKeyDraw(QPainter &P, int Note) {
    const int x = FModel.KeyLeft(Note) - FModel.ScrollOffset();
    const int h = height();
    const int w = FModel.KeyWidth();
    const int s = FModel.ShadowWidth();
    const int top = h * 3 / 5;
    if (TKeyboardModel::IsBlack(Note)) {
        P.fillRect(x, 0, w, top, Qt::black);
        if (s > 0) {
            QPen pen(Qt::white, s, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
            P.setPen(pen);
            const int lx = x + s / 2 + 1;
            const int ly = top - 3 * s / 2 - 1;
            const QPoint line[] = {{lx, 0}, {lx, ly}, {x + w - s / 2 - 1, ly}};
            P.drawPolyline(line, 3);
        }
    } else {
        P.fillRect(x, top, w - 1, h - top, Qt::white);
        const auto half = TKeyboardModel::WhiteUpperHalf(Note);
        if (half == TKeyboardModel::TUpperHalf::Left)
            P.fillRect(x, 0, w / 2, top, Qt::white);
        else if (half == TKeyboardModel::TUpperHalf::Right)
            P.fillRect(x + w / 2, 0, w - 1 - w / 2, top, Qt::white);
        const int lineTop = half == TKeyboardModel::TUpperHalf::Right ? 0 : top;
        P.fillRect(x + w - 1, lineTop, 1, h - lineTop, Qt::black);
    }
    DrawMarks(P, Note, x);
    const qreal labelsTop = DrawLabels(P, Note, x);
    if (FModel.IsPressed(Note) || Note == FModel.MarkNote())
        DrawDot(P, Note, x, labelsTop);
}

void TKeyboard::DrawDot(QPainter &P, int Note, int X, qreal Above) {
    const bool black = TKeyboardModel::IsBlack(Note);
    QColor c = black ? QColor(Qt::black) : QColor(Qt::white);
    if (FModel.IsPressed(Note))
        c = QColor(0x80, 0x80, 0x80);
    else if (Note == FModel.MarkNote())
        c = QColor(0xC0, 0xC0, 0xC0);
    const int h = height();
    const int cx = X + FModel.KeyWidth() / 2;
    const int cy = (black ? h * 3 / 5 : h) - h / 7;
    QRect r = black ? QRect(cx - 2, cy - 5, 6, 6) : QRect(cx - 3, cy - 4, 6, 6);
    // Labels on the key keep the dot above them.
    if (r.bottom() + 2 > Above)
        r.moveBottom(int(std::floor(Above)) - 2);
    P.save();
    P.setRenderHint(QPainter::Antialiasing, true);
    P.setPen(Qt::NoPen);
    P.setBrush(c);
    P.drawEllipse(r);
    P.restore();
}

void TKeyboard::DrawMarks(QPainter &P, int Note, int X) {
    const bool sustained = FModel.IsSustained(Note);
    const bool dim = !FModel.InScale(Note);
    if (!sustained && !dim)
        return;
    const bool black = TKeyboardModel::IsBlack(Note);
    // The key's own area: in pictures the whole slice (the black keys are drawn again over
    // it), drawn keys only where they are white or black.
    QVarLengthArray<QRect, 2> parts;
    const int w = FModel.KeyPixelWidth(Note);
    const int h = FModel.KeyPixelHeight(Note);
    if (black || FImagesLoaded) {
        parts.append(QRect(X, 0, w, h));
    } else {
        const int top = height() * 3 / 5;
        parts.append(QRect(X, top, w - 1, height() - top));
        const auto half = TKeyboardModel::WhiteUpperHalf(Note);
        if (half == TKeyboardModel::TUpperHalf::Left)
            parts.append(QRect(X, 0, w / 2, top));
        else if (half == TKeyboardModel::TUpperHalf::Right)
            parts.append(QRect(X + w / 2, 0, w - 1 - w / 2, top));
    }
    for (const QRect &r : parts) {
        if (dim)
            P.fillRect(r, black ? DimBlack : DimWhite);
        if (sustained)
            P.fillRect(r, SustainTint);
    }
    if (sustained) // a bar along the front edge says "held" even where the tint is faint
        P.fillRect(QRect(X + 1, h - 4, std::max(1, w - 3), 3), SustainBar);
}

QRectF TKeyboard::LabelFace(int Note, int X) const {
    const bool black = TKeyboardModel::IsBlack(Note);
    const int w = FModel.KeyPixelWidth(Note);
    if (FImagesLoaded) {
        const int blackHeight = TKeyboardModel::ImageBlackHeight(FModel.ImageSize());
        return black ? QRectF(X, 0, w, blackHeight)
                     : QRectF(X, blackHeight, w, TKeyboardModel::ImageHeight - blackHeight);
    }
    const int top = height() * 3 / 5;
    if (!black)
        return QRectF(X, top, w - 1, height() - top);
    // Inside the highlight lines along the left side and the front.
    const int s = FModel.ShadowWidth();
    const int inset = s > 0 ? s + 1 : 0;
    return QRectF(X + inset, 0, w - inset, top - (s > 0 ? 3 * s / 2 + 1 : 0));
}

qreal TKeyboard::DrawLabels(QPainter &P, int Note, int X) {
    const TKeyboardModel &m = FModel;
    const QString keyName = m.KeyNamesOnKeys() ? m.KeyName(Note) : QString();
    const QString noteLabel = m.NoteLabel(Note);
    QStringList keys;
    if (m.ComputerKeyLabels())
        for (int scan : m.ComputerKeysOf(Note))
            keys << ComputerKeyName(scan);
    if (keyName.isEmpty() && noteLabel.isEmpty() && keys.isEmpty())
        return std::numeric_limits<qreal>::max();
    const bool black = TKeyboardModel::IsBlack(Note);
    const QRectF face = LabelFace(Note, X);
    // Laid out once per face size and texts, relative to the face, and each label drawn once
    // into a picture: text is the costly part of a repaint.
    // One size for all the keys, as a white key's face allows it.
    const int size = KeyLabels::PixelSizeFor(m.KeyWidth(), LabelFace(0, 0).height());
    const QString layoutKey = QStringLiteral("%1x%2|%3|%4|%5|%6")
                                  .arg(face.width())
                                  .arg(face.height())
                                  .arg(size)
                                  .arg(noteLabel, keys.join(QChar(0x1f)), keyName);
    auto layout = FLabelLayouts.find(layoutKey);
    if (layout == FLabelLayouts.end()) {
        if (FLabelLayouts.size() > 4096)
            FLabelLayouts.clear();
        layout = FLabelLayouts.insert(layoutKey,
                                      KeyLabels::Layout(QRectF(QPointF(0, 0), face.size()), size,
                                                        noteLabel, keys, keyName, font()));
    }
    qreal top = std::numeric_limits<qreal>::max();
    for (const TKeyLabel &label : *layout) {
        const QRectF at = label.Rect.translated(face.topLeft());
        P.drawPixmap(QPointF(std::floor(at.left()), std::floor(at.top())),
                     LabelPicture(label, at, black));
        top = std::min(top, at.top());
    }
    return top;
}

QPixmap TKeyboard::LabelPicture(const TKeyLabel &Label, const QRectF &At, bool Black) {
    // Where the label starts within its first pixel, so that the picture sits as text would.
    const QPointF offset(At.left() - std::floor(At.left()), At.top() - std::floor(At.top()));
    const QString key =
        QStringLiteral("%1|%2|%3|%4|%5|%6|%7,%8|%9")
            .arg(Label.Text)
            .arg(int(Label.Kind))
            .arg(int(Label.Shape))
            .arg(Label.PixelSize)
            .arg(Label.Framed)
            .arg(Black)
            .arg(offset.x(), 0, 'f', 2)
            .arg(offset.y(), 0, 'f', 2)
            .arg(QStringLiteral("%1x%2").arg(At.width(), 0, 'f', 2).arg(At.height(), 0, 'f', 2));
    if (const auto it = FLabelPictures.constFind(key); it != FLabelPictures.cend())
        return *it;
    if (FLabelPictures.size() > 4096)
        FLabelPictures.clear();
    const qreal dpr = devicePixelRatioF();
    const QSize size(int(std::ceil(offset.x() + At.width())) + 1,
                     int(std::ceil(offset.y() + At.height())) + 1);
    QPixmap picture(size * dpr);
    picture.setDevicePixelRatio(dpr);
    picture.fill(Qt::transparent);
    {
        QPainter p(&picture);
        TKeyLabel placed = Label;
        placed.Rect = QRectF(offset, At.size());
        KeyLabels::Draw(p, placed, font(), Black ? TextOnBlack : TextOnWhite,
                        Black ? CapOnBlack : CapOnWhite);
    }
    FLabelPictures.insert(key, picture);
    return picture;
}

void TKeyboard::PaintImage(QPainter &P, int First, int Last) {
    // White keys first, then every black key over them: a white slice shows parts of its black
    // neighbours as released, so they are always drawn again in their own state.
    for (int pass = 0; pass < 2; ++pass)
        for (int n = First; n <= Last; ++n)
            if (TKeyboardModel::IsBlack(n) == (pass == 1))
                DrawKeyImage(P, n);
    const int imageHeight = FModel.ImageKeyHeight();
    if (imageHeight < height())
        P.fillRect(0, imageHeight, width(), height() - imageHeight, Qt::black);
    const int stripEnd = TKeyboardModel::WhiteKeyCount * FModel.KeyWidth() - FModel.ScrollOffset();
    if (stripEnd < width())
        P.fillRect(stripEnd, 0, width() - stripEnd, height(), Qt::black);
}

void TKeyboard::DrawKeyImage(QPainter &P, int Note) {
    const int w = FModel.KeyWidth();
    const int x = FModel.KeyLeft(Note) - FModel.ScrollOffset();
    if (x > width() + w || x + 2 * w < 0)
        return;
    const bool pressed = FModel.IsPressed(Note);
    const bool black = TKeyboardModel::IsBlack(Note);
    const int white = TKeyboardModel::WhiteKeyIndex(Note) % 7;
    const QPixmap &pix = black ? (pressed ? FBlackDown : FBlackUp)
                               : (pressed ? FWhiteDown[size_t(white)] : FWhiteUp[size_t(white)]);
    if (!pix.isNull())
        P.drawPixmap(x, 0, pix);
    DrawMarks(P, Note, x);
    const qreal labelsTop = DrawLabels(P, Note, x);
    if (Note == FModel.MarkNote()) {
        const int drawnHeight = black ? FModel.ImageBlackKeyHeight() : FModel.ImageKeyHeight();
        const int cx = x + FModel.KeyPixelWidth(Note) / 2;
        int cy = drawnHeight * 2 / 3 + (pressed ? drawnHeight / 7 : 0);
        if (cy + 4 > labelsTop) // above the labels, as on drawn keys
            cy = int(std::floor(labelsTop)) - 4;
        P.save();
        P.setRenderHint(QPainter::Antialiasing, true);
        P.setPen(Qt::NoPen);
        P.setBrush(QColor(0xC0, 0xC0, 0xC0));
        P.drawEllipse(QRect(cx - 3, cy - 4, 6, 6));
        P.restore();
    }
}
