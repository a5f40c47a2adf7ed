#pragma once

// A round knob: a face with a bevelled frame, an optional scale of ticks and a pointer from the
// centre. It holds Position in PositionMin..PositionMax on a grid of PositionStep and is turned
// by a vertical drag (one unit per pixel, upward increases), the arrow and paging keys and the
// mouse wheel (one notch of 120 moves PosLargeStep, with Shift PositionStep).
//
// Events: every Position that is set fires OnPosChange (also setting the current value again,
// but not a value that snaps back to it); a user change fires OnTrack for each step and OnSelect
// when it is complete, so owners that reflect outside values on the knob never hear them back.
// Order: key or wheel: OnPosChange, OnTrack, OnSelect; drag: press OnTrack, each move
// OnPosChange then OnTrack, release OnTrack then OnSelect.

#include "controls/imgcontroltypes.h"
#include "controls/movinghint.h"
#include "controls/transparent.h"

#include <QColor>
#include <QPixmap>

enum class TFocusAction : uint8_t { faNone, faFocusRect, faFocusColor, faBoth };
enum class TFillScheme : uint8_t { Raised, Lowered, Flat };
enum class TFaceStyle : uint8_t { fsWin95, fsWin31, fsSpeedButton, fsSingleBevel };

// Supplies the text of the track hint (Caption arrives empty).
using TOnGetTrackHint = std::function<void(QObject *Sender, QString &Caption)>;

class TWheel : public TTransparent {
    Q_OBJECT
public:
    static constexpr int DefaultSize = 47;

    explicit TWheel(QWidget *Parent = nullptr);
    ~TWheel() override;

    // Symmetric range around 0 with a centre tick. Turning it on makes the bounds -m..m (see
    // WheelRules::BalanceBound); turning it off keeps them.
    bool Balance() const { return FBalance; }
    void SetBalance(bool Value);
    int Position() const { return FPosition; }
    void SetPosition(int Value);
    // Width and height stay equal; on or off, both stay odd.
    bool ForceSquare() const { return FForceSquare; }
    void SetForceSquare(bool Value);
    TFocusAction FocusAction() const { return FFocusAction; }
    void SetFocusAction(TFocusAction Value);
    // Refused silently: a Max not above Min, a Min not below Max. The range never gets smaller
    // than the step (the step shrinks), and Position is clamped and snapped again.
    int PositionMax() const { return FPositionMax; }
    void SetPositionMax(int Value);
    int PositionMin() const { return FPositionMin; }
    void SetPositionMin(int Value);
    // Refused unless 0 < Value <= range and the range is a multiple of it.
    int PositionStep() const { return FPositionStep; }
    void SetPositionStep(int Value);
    int PosLargeStep() const { return FPosLargeStep; }
    void SetPosLargeStep(int Value) { FPosLargeStep = Value; }
    // Gap between the pointer's tip and the scale, limited to what the knob's size leaves.
    int PointerDistance() const { return FPointerDistance; }
    void SetPointerDistance(int Value);
    bool Scale() const { return FScale; }
    void SetScale(bool Value);
    QColor ScaleColor() const { return FScaleColor; }
    void SetScaleColor(const QColor &Value);
    // Length of a tick, also the margin around the face; 0 is refused.
    int ScaleLength() const { return FScaleLength; }
    void SetScaleLength(int Value);
    // Pen width of ticks and pointer; 0 is refused.
    int ScaleWidth() const { return FScaleWidth; }
    void SetScaleWidth(int Value);
    // 1..360.
    int ScaleDegrees() const { return FScaleDegrees; }
    void SetScaleDegrees(int Value);
    // Intervals between ticks, at least 2.
    int ScaleTicks() const { return FScaleTicks; }
    void SetScaleTicks(int Value);
    TFillScheme WheelStyle() const { return FWheelStyle; }
    void SetWheelStyle(TFillScheme Value);
    TFaceStyle WheelFrame() const { return FWheelFrame; }
    void SetWheelFrame(TFaceStyle Value);
    QColor WheelColor() const { return FWheelColor; }
    void SetWheelColor(const QColor &Value);
    QColor DisabledColor() const { return FDisabledColor; }
    void SetDisabledColor(const QColor &Value);
    QColor FocusColor() const { return FFocusColor; }
    void SetFocusColor(const QColor &Value);
    // Shows the value (or OnGetTrackHint's text) beside the knob while it is dragged.
    bool ShowTrackHint() const { return FShowTrackHint; }
    void SetShowTrackHint(bool Value) { FShowTrackHint = Value; }
    // Takes the focus by Tab and by a click.
    bool TabStop() const { return focusPolicy() != Qt::NoFocus; }
    void SetTabStop(bool Value);
    // The colour under the focus rectangle.
    QColor Color() const;
    void SetColor(const QColor &Value);

    // Moves and sizes the knob by the size rule (WheelRules::SquareBounds against its size now).
    void SetBounds(int Left, int Top, int Width, int Height);

    TOnGetTrackHint OnGetTrackHint;
    TNotifyEvent OnTrack;
    TNotifyEvent OnSelect;
    TNotifyEvent OnPosChange;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TControlMouseEvent OnMouseDown;
    TControlMouseEvent OnMouseUp;
    TControlKeyEvent OnKeyDown;

    bool Dragging() const { return FDragging; }
    const TMovingHint &TrackHint() const { return FHint; }
    // Pixels the face frame takes for the current WheelFrame.
    int FrameInset() const;
    // The pointer line as drawn (centre to tip), in the knob's pixel grid.
    QPoint Centre() const;
    QPoint PointerTip() const;
    // The face colour now: disabled, focused or plain.
    QColor FaceColor() const;

    QSize sizeHint() const override { return {DefaultSize, DefaultSize}; }

protected:
    void DoTrack();
    void DoSelect();
    void DoPosChange();

    void paintEvent(QPaintEvent *Event) override;
    void resizeEvent(QResizeEvent *Event) override;
    void changeEvent(QEvent *Event) override;
    void focusInEvent(QFocusEvent *Event) override;
    void focusOutEvent(QFocusEvent *Event) override;
    void mousePressEvent(QMouseEvent *Event) override;
    void mouseMoveEvent(QMouseEvent *Event) override;
    void mouseReleaseEvent(QMouseEvent *Event) override;
    void mouseDoubleClickEvent(QMouseEvent *Event) override;
    void keyPressEvent(QKeyEvent *Event) override;
    void wheelEvent(QWheelEvent *Event) override;

private:
    // Sets Position by the snapping rule without the "same value" shortcut: used after a range
    // change so Position stays inside it.
    void ApplyPosition(int64_t Value);
    void ApplyStepLimit();
    int SquareSide() const;
    void LimitPointerDistance();
    void FaceChanged();
    void RenderFace(qreal Ratio);
    bool ShowsFocusColor() const;
    bool ShowsFocusRect() const;

    bool FBalance = false;
    int FPosition = 0;
    bool FForceSquare = true;
    TFocusAction FFocusAction = TFocusAction::faFocusRect;
    int FPositionMax = 100;
    int FPositionMin = 0;
    int FPositionStep = 1;
    int FPosLargeStep = 10;
    int FPointerDistance = 1;
    bool FScale = true;
    QColor FScaleColor = Qt::black;
    int FScaleLength = 5;
    int FScaleWidth = 1;
    int FScaleDegrees = 320;
    int FScaleTicks = 10;
    TFillScheme FWheelStyle = TFillScheme::Raised;
    TFaceStyle FWheelFrame = TFaceStyle::fsWin95;
    QColor FWheelColor;
    QColor FDisabledColor;
    QColor FFocusColor;
    bool FShowTrackHint = false;

    int FStartPosition = 0;
    int FAnchorY = 0;
    bool FDragging = false;
    bool FSizing = false;
    TMovingHint FHint;
    QPixmap FFace;
    bool FFaceValid = false;
};
