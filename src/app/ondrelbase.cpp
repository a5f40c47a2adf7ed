#include "ondrelbase.h"

#include "controlpictures.h"
#include "custominifile.h"
#include "frameimage.h"
#include "general.h"
#include "imgcontrol.h"
#include "updown.h"
#include "vclutil.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QSlider>
#include <QStatusBar>

#include <cmath>

namespace {
const QString ValMWCtrl = QStringLiteral("MWCtrl");
const QString ValShowBasenoteButtons = QStringLiteral("ShowBasenoteButtons");
constexpr int KeyboardLeft = 80;
constexpr int KeyboardTop = 88;
constexpr int ArrowWidth = 16;
} // namespace

TClientArea::TClientArea(QWidget *Parent) : QWidget(Parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::black);
    p.setColor(QPalette::WindowText, Qt::white);
    setPalette(p);
}

void TClientArea::SetBackground(const QPixmap &Picture) {
    FBackground = Picture;
    update();
}

void TClientArea::paintEvent(QPaintEvent *Event) {
    QPainter p(this);
    const QRect clip = Event->rect();
    if (FBackground.isNull()) {
        p.fillRect(clip, Qt::black);
        return;
    }
    // Only the tiles that meet the repainted rectangle.
    const QSize tile = FBackground.deviceIndependentSize().toSize();
    for (int col = clip.left() / tile.width(); col <= clip.right() / tile.width(); ++col)
        for (int row = clip.top() / tile.height(); row <= clip.bottom() / tile.height(); ++row)
            p.drawPixmap(col * tile.width(), row * tile.height(), FBackground);
}

TOndrel::TOndrel(QWidget *Parent) : QMainWindow(Parent) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    FClient = new TClientArea(this);
    setCentralWidget(FClient);
    QFont font = this->font();
    font.setPointSizeF(8);
    setFont(font);

    Label(QStringLiteral("Chord"), 8, 8);
    CBChord = new QComboBox(FClient);
    CBChord->setGeometry(8, 24, 105, 21);
    CBChord->setToolTip(QStringLiteral("Change Chord (Home/End)"));
    CBChord->setStatusTip(CBChord->toolTip());
    CBChord->addItems({QStringLiteral("None"), QStringLiteral("Major"), QStringLiteral("Minor"),
                       QStringLiteral("Major m7"), QStringLiteral("Minor m7"),
                       QStringLiteral("Fifths"), QStringLiteral("Octave"),
                       QStringLiteral("Power")});

    SmallLabel(QStringLiteral("Channel"), 8, 50);
    EChannel = new QLineEdit(FClient);
    EChannel->setGeometry(8, 61, 33, 18);
    EChannel->installEventFilter(this);
    SBChannel = new TUpDown(FClient);
    SBChannel->setGeometry(41, 61, 15, 18);
    SBChannel->SetRange(1, 16);
    SBChannel->OnClick = [this](int position) {
        Keyboard1->Model().SetChannel(position - 1);
        SetChannelField(Keyboard1->Model().Channel());
    };

    // The pitch and modulation strips and the two scroll arrows.
    FIWheel = new TFrameImage(this);
    FIWheel->SetResBitmap256(QStringLiteral("WHEEL256"));
    FIWheel->SetResBitmap(QStringLiteral("WHEEL"));
    FIWheel->SetCount(ControlPictures::WheelFrames);
    const auto arrowImage = [this](const QString &name) {
        auto *image = new TFrameImage(this);
        image->SetResBitmap(name);
        image->SetCount(2);
        image->SetButton(true);
        return image;
    };
    FILeftArrow = arrowImage(QStringLiteral("LEFTARROW"));
    FIRightArrow = arrowImage(QStringLiteral("RIGHTARROW"));

    ICPitch = new TImgControl(FClient);
    ICPitch->SetFrameImage(FIWheel);
    ICPitch->move(8, KeyboardTop);
    ICPitch->SetMin(-8192);
    ICPitch->SetMax(8191);
    ICPitch->SetSmallChange(96);
    ICPitch->SetLargeChange(512);
    ICPitch->SetMiddleSnap(5);
    ICPitch->SetShowScrollHint(true);
    ICPitch->SetTabStop(false);
    ICPitch->setToolTip(
        QStringLiteral("Pitch wheel (use SHIFT for fine mode, CTRL to disable scrollback)"));
    ICPitch->OnScroll = [this](QObject *, int &position) { ICPitchScroll(position); };
    ICPitch->OnMouseUp = [this](QObject *, Qt::MouseButton, TShiftState shift, int, int) {
        ICPitchMouseUp(shift);
    };
    ICPitch->OnGetScrollHint = [this](QObject *, QString &caption) {
        caption = QStringLiteral("Pitch: %1").arg(ICPitch->Position());
    };

    ICMW = new TImgControl(FClient);
    ICMW->SetFrameImage(FIWheel);
    ICMW->move(36, KeyboardTop);
    ICMW->SetMin(0);
    ICMW->SetMax(127);
    ICMW->SetMiddleSnap(0);
    ICMW->SetShowScrollHint(true);
    ICMW->SetTabStop(false);
    ICMW->setToolTip(QStringLiteral("Modulation wheel (use SHIFT for fine mode)"));
    ICMW->OnScroll = [this](QObject *, int &position) { ICMWScroll(position); };
    ICMW->OnDblClick = [this](QObject *) { ICMWDblClick(); };
    ICMW->OnGetScrollHint = [this](QObject *, QString &caption) {
        caption = QStringLiteral("Modulation: %1").arg(ICMW->Position());
    };

    const auto arrow = [this](TFrameImage *image, int x, const QString &hint, int step) {
        auto *c = new TImgControl(FClient);
        c->SetFrameImage(image);
        c->move(x, KeyboardTop);
        c->SetMax(1);
        c->SetAutoRepeat(true);
        c->SetAutoRepeatInitDelay(500);
        c->SetAutoRepeatDelay(60);
        c->SetTabStop(false);
        c->setCursor(Qt::PointingHandCursor);
        c->setToolTip(hint);
        c->OnButtonClick = [this, step](QObject *) {
            Keyboard1->Model().SetBaseWhiteKey(Keyboard1->Model().BaseWhiteKey() + step);
        };
        return c;
    };
    ICLeftArrow = arrow(FILeftArrow, 64, QStringLiteral("Scroll visible keys down"), -1);
    ICRightArrow = arrow(FIRightArrow, 408, QStringLiteral("Scroll visible keys up"), 1);
    for (QWidget *w : std::initializer_list<QWidget *>{ICPitch, ICMW, ICLeftArrow, ICRightArrow})
        w->setStatusTip(w->toolTip());

    Keyboard1 = new TKeyboard(FClient);
    Keyboard1->setGeometry(KeyboardLeft, KeyboardTop, 329, 76);
    Keyboard1->setToolTip(
        QStringLiteral("Left Button: normal play mode   Right button: special hold mode"));
    Keyboard1->setStatusTip(Keyboard1->toolTip());
    TKeyboardModel &m = Keyboard1->Model();
    m.SetBounds(329, 76);
    m.SetBaseNote(36);
    m.SetMarkNote(60);
    m.SetVelocity(100);
    m.SetVelocityShiftFactor(0.6f);
    Keyboard1->SetPaintStyle(TPaintStyle::psImage);
    Keyboard1->SetImageSize(TImageSize::isSmall);
    m.SetRegKey(QStringLiteral("Keyboard"));
    m.SetRegPath(CompanyKeyName.toString() + QLatin1Char('\\') + ProgramKeyName());

    TBKeyWidth = new QSlider(Qt::Horizontal, FClient);
    TBKeyWidth->setRange(1, 10);
    TBKeyWidth->setValue(3);
    TBKeyWidth->hide();
    connect(TBKeyWidth, &QSlider::valueChanged, this, &TOndrel::TBKeyWidthChange);

    setFocusProxy(Keyboard1);
    UpdateFromKeyboard();
}

TOndrel::~TOndrel() = default;

QLabel *TOndrel::Label(const QString &Text, int X, int Y) {
    auto *l = new QLabel(Text, FClient);
    l->move(X, Y);
    l->adjustSize();
    return l;
}

QLabel *TOndrel::SmallLabel(const QString &Text, int X, int Y) {
    QLabel *l = Label(Text, X, Y);
    QFont f = l->font();
    f.setPointSizeF(6.5);
    l->setFont(f);
    l->adjustSize();
    return l;
}

void TOndrel::UpdateFromKeyboard() {
    SyncKeyWidthBar();
    const TKeyboardModel &m = Keyboard1->Model();
    if (m.Chord() != TChord::chCustom) {
        const QSignalBlocker block(CBChord);
        CBChord->setCurrentIndex(int(m.Chord()));
    }
    SetChannelField(m.Channel());
}

void TOndrel::SetChannelField(int Channel) {
    EChannel->setText(QString::number(Channel + 1));
    SBChannel->SetPosition(Channel + 1);
}

int TOndrel::MinWidth() const {
    return SBChannel->geometry().right() + 1 + 5;
}

int TOndrel::MaxWidth() const {
    // Room for the right arrow too, so the widest window shows the whole strip.
    return TKeyboardModel::WhiteKeyCount * Keyboard1->Model().KeyWidth() +
           Keyboard1->geometry().left() + 5 + (FArrowsVisible ? ICRightArrow->width() : 0);
}

void TOndrel::ApplyWidthLimits() {
    const int h = (menuWidget() ? menuWidget()->sizeHint().height() : 0) + ClientHeight;
    setMinimumSize(MinWidth(), h);
    setMaximumSize(MaxWidth(), h);
}

void TOndrel::resizeEvent(QResizeEvent *Event) {
    QMainWindow::resizeEvent(Event);
    FormResize();
}

void TOndrel::FormResize() {
    const int clientWidth = FClient->width();
    if (FArrowsVisible) {
        ICRightArrow->move(clientWidth - ICRightArrow->width() - 5, ICRightArrow->y());
        Keyboard1->resize(ICRightArrow->x() - Keyboard1->x(), Keyboard1->height());
    } else {
        Keyboard1->resize(clientWidth - Keyboard1->x() - 5, Keyboard1->height());
    }
}

void TOndrel::SetArrowsVisible(bool Value) {
    FArrowsVisible = Value;
    ICLeftArrow->setVisible(Value);
    ICRightArrow->setVisible(Value);
    Keyboard1->move(Value ? ICLeftArrow->x() + ICLeftArrow->width() : ICLeftArrow->x(),
                    Keyboard1->y());
    ApplyWidthLimits();
    FormResize();
}

void TOndrel::AlignStrips() {
    if (Keyboard1->Model().PaintStyle() == TPaintStyle::psImage)
        Keyboard1->resize(Keyboard1->width(), TKeyboardModel::ImageHeight);
    for (TImgControl *c : {ICPitch, ICMW, ICLeftArrow, ICRightArrow})
        c->move(c->x(), Keyboard1->y());
}

void TOndrel::TBKeyWidthChange(int Position) {
    if (FSyncingKeyWidth)
        return;
    Keyboard1->SetKeyWidth(int(std::nearbyint(std::exp(Position / 3.0))) + 6);
    const int range = TBKeyWidth->maximum() - TBKeyWidth->minimum();
    const int offset = Position - TBKeyWidth->minimum();
    Keyboard1->SetImageSize(offset < range / 3       ? TImageSize::isSmall
                            : offset < 2 * range / 3 ? TImageSize::isNormal
                                                     : TImageSize::isBig);
    ApplyWidthLimits();
    FormResize();
    AlignStrips();
}

void TOndrel::SyncKeyWidthBar() {
    const TKeyboardModel &m = Keyboard1->Model();
    const int min = TBKeyWidth->minimum();
    const int max = TBKeyWidth->maximum();
    int position;
    if (m.PaintStyle() == TPaintStyle::psImage)
        position = m.ImageSize() == TImageSize::isSmall    ? min
                   : m.ImageSize() == TImageSize::isNormal ? min + (max - min) / 2
                                                           : max;
    else
        position = int(std::nearbyint(3.0 * std::log(std::max(1, m.KeyWidth() - 6))));
    FSyncingKeyWidth = true;
    TBKeyWidth->setValue(position);
    FSyncingKeyWidth = false;
}

void TOndrel::SendController(uint8_t Controller, uint8_t Value) {
    const uint8_t status = uint8_t(0xB0 | Keyboard1->Model().Channel());
    if (PutShort)
        PutShort(status, Controller, Value);
    else
        Keyboard1->Model().SetControllerValue(Controller, Value);
    if (OnMidiEvent)
        OnMidiEvent(status, Controller, Value);
}

void TOndrel::ICPitchScroll(int Position) {
    if (PutShort)
        PutShort(uint8_t(0xE0 | Keyboard1->Model().Channel()), uint8_t((Position + 8192) % 128),
                 uint8_t((Position + 8192) / 128));
}

void TOndrel::ICPitchMouseUp(TShiftState Shift) {
    if (Shift.testFlag(TShiftStateFlag::ssCtrl))
        return;
    // Springs back in halving steps, each sent at once: at most ten messages from full scale.
    while (ICPitch->Position() != 0) {
        int p = ICPitch->Position() / 2;
        if (p < 10)
            p = 0;
        ICPitch->SetPosition(p);
        ICPitchScroll(p);
    }
}

void TOndrel::ICMWScroll(int Position) {
    SendController(ModWheelController, uint8_t(Position));
}

void TOndrel::ICMWDblClick() {
    ICMW->SetPosition(0);
    SendController(ModWheelController, 0);
}

void TOndrel::EChannelExit() {
    bool ok = false;
    const int n = EChannel->text().trimmed().toInt(&ok);
    if (ok && n >= 1 && n <= 16)
        Keyboard1->Model().SetChannel(n - 1);
    SetChannelField(Keyboard1->Model().Channel());
}

bool TOndrel::eventFilter(QObject *Watched, QEvent *Event) {
    if (Watched == EChannel) {
        if (Event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent *>(Event)->key();
            if (key == Qt::Key_Escape) {
                SetChannelField(Keyboard1->Model().Channel());
                return true;
            }
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                // Text that is not a channel number stays as typed.
                bool ok = false;
                const int n = EChannel->text().trimmed().toInt(&ok);
                if (ok && n >= 1 && n <= 16) {
                    Keyboard1->Model().SetChannel(n - 1);
                    SetChannelField(Keyboard1->Model().Channel());
                }
                return true;
            }
        } else if (Event->type() == QEvent::FocusOut) {
            EChannelExit();
        }
    }
    return QMainWindow::eventFilter(Watched, Event);
}

void TOndrel::ReadSettings(TCustomIniFile &Store) {
    LoadFormState(*this, Store, RegKey,
                  FormState::Size | FormState::Position | FormState::Maximized);
    ModWheelController = uint8_t(Store.ReadInteger(RegKey, ValMWCtrl, ModWheelController) & 127);
    SetArrowsVisible(Store.ReadBool(RegKey, ValShowBasenoteButtons, FArrowsVisible));
    Keyboard1->LoadKeyboardSettings(Store);
    ApplyWidthLimits();
    FormResize();
    AlignStrips();
    UpdateFromKeyboard();
}

void TOndrel::WriteSettings(TCustomIniFile &Store) {
    SaveFormState(*this, Store, RegKey,
                  FormState::Size | FormState::Position | FormState::Maximized);
    Store.WriteInteger(RegKey, ValMWCtrl, ModWheelController);
    Store.WriteBool(RegKey, ValShowBasenoteButtons, FArrowsVisible);
    Keyboard1->SaveKeyboardSettings(Store);
}
