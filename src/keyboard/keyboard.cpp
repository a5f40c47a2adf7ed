#include "keyboard/keyboard.h"

#include "core/virtualkeys.h"
#include "keyboard/keyboardaccessible.h"
#include "keyboard/keypictures.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QValidator>
#include <QVarLengthArray>

#include <algorithm>

namespace {

constexpr int DeadZone = 5;
constexpr int PitchBendPerPixel = 80;

bool Tracked(Qt::MouseButton B) {
    return B == Qt::LeftButton || B == Qt::RightButton || B == Qt::MiddleButton;
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
    const uint8_t velocity = PlayVelocity(Shift);

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
        const uint8_t velocity = PlayVelocity(Shift);
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

void TKeyboard::KeyboardLost() {
    FModel.ReleaseComputerKeys();
    UpdateCursor({});
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
    QPainter p(this);
    const QRect r = Event->rect();
    const int first = std::max(0, FModel.HitTest(r.left(), 0) - 2);
    const int last = std::min(TKeyboardModel::NoteCount - 1, FModel.HitTest(r.right(), 0) + 2);
    if (FImagesLoaded)
        PaintImage(p, first, last);
    else
        PaintDraw(p, first, last);
    if (TabStop() && hasFocus())
        DrawFocusFrame(p, rect().adjusted(0, 0, -1, -1), r);
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
    if (FModel.IsPressed(Note) || Note == FModel.MarkNote())
        DrawDot(P, Note, x);
}

void TKeyboard::DrawDot(QPainter &P, int Note, int X) {
    const bool black = TKeyboardModel::IsBlack(Note);
    QColor c = black ? QColor(Qt::black) : QColor(Qt::white);
    if (FModel.IsPressed(Note))
        c = QColor(0x80, 0x80, 0x80);
    else if (Note == FModel.MarkNote())
        c = QColor(0xC0, 0xC0, 0xC0);
    const int h = height();
    const int cx = X + FModel.KeyWidth() / 2;
    const int cy = (black ? h * 3 / 5 : h) - h / 7;
    const QRect r = black ? QRect(cx - 2, cy - 5, 6, 6) : QRect(cx - 3, cy - 4, 6, 6);
    P.save();
    P.setRenderHint(QPainter::Antialiasing, true);
    P.setPen(Qt::NoPen);
    P.setBrush(c);
    P.drawEllipse(r);
    P.restore();
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
    if (Note == FModel.MarkNote()) {
        const int drawnHeight = black ? FModel.ImageBlackKeyHeight() : FModel.ImageKeyHeight();
        const int cx = x + FModel.KeyPixelWidth(Note) / 2;
        const int cy = drawnHeight * 2 / 3 + (pressed ? drawnHeight / 7 : 0);
        P.save();
        P.setRenderHint(QPainter::Antialiasing, true);
        P.setPen(Qt::NoPen);
        P.setBrush(QColor(0xC0, 0xC0, 0xC0));
        P.drawEllipse(QRect(cx - 3, cy - 4, 6, 6));
        P.restore();
    }
}
