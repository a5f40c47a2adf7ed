#include "controls/frameimage.h"

#include <QPainter>

#include <algorithm>

namespace FrameGeometry {

TFrames Clip(TFrames F, QSize Picture) {
    F.Width = std::min(F.Width, Picture.width());
    F.Height = std::min(F.Height, Picture.height());
    return F;
}

TFrames SizeFromCount(TFrames F, QSize Picture, TScrollBarKind Orientation, int Separator) {
    if (F.Count < 1)
        return Clip(F, Picture);
    // More frames than the picture has pixels leave frames of no size, never a negative one.
    if (Orientation == TScrollBarKind::sbHorizontal) {
        F.Width = std::max(0, (Picture.width() + Separator) / F.Count - Separator);
        F.Height = Picture.height();
    } else {
        F.Height = std::max(0, (Picture.height() + Separator) / F.Count - Separator);
        F.Width = Picture.width();
    }
    return F;
}

TFrames CountFromSize(TFrames F, QSize Picture, TScrollBarKind Orientation, int Separator) {
    const bool horizontal = Orientation == TScrollBarKind::sbHorizontal;
    const int size = horizontal ? F.Width : F.Height;
    if (size < 1)
        return F.Count >= 1 ? SizeFromCount(F, Picture, Orientation, Separator) : F;
    const int length = horizontal ? Picture.width() : Picture.height();
    F.Count = (length + Separator) / (Separator + size);
    return F;
}

} // namespace FrameGeometry

TFrameImage::TFrameImage(QObject *Parent) : TSharedImage(Parent) {}

void TFrameImage::ApplyClip() {
    if (!Empty())
        FFrames = FrameGeometry::Clip(FFrames, PictureSize());
}

void TFrameImage::ApplySizeFromCount() {
    if (!Empty())
        FFrames =
            FrameGeometry::SizeFromCount(FFrames, PictureSize(), FOrientation, FSeparatorSize);
}

void TFrameImage::ApplyCountFromSize() {
    if (!Empty())
        FFrames =
            FrameGeometry::CountFromSize(FFrames, PictureSize(), FOrientation, FSeparatorSize);
}

void TFrameImage::SetCount(int Value) {
    if (Value < 0 || Value == FFrames.Count)
        return;
    FFrames.Count = Value;
    ApplySizeFromCount();
    Changed();
}

void TFrameImage::SetWidth(int Value) {
    if (Value < 0 || Value == FFrames.Width)
        return;
    FFrames.Width = Value;
    ApplyClip();
    ApplyCountFromSize();
    Changed();
}

void TFrameImage::SetHeight(int Value) {
    if (Value < 0 || Value == FFrames.Height)
        return;
    FFrames.Height = Value;
    ApplyClip();
    ApplyCountFromSize();
    Changed();
}

void TFrameImage::SetOrientation(TScrollBarKind Value) {
    if (Value == FOrientation)
        return;
    FOrientation = Value;
    ApplySizeFromCount();
    ApplyCountFromSize();
    Changed();
}

void TFrameImage::SetSeparatorSize(int Value) {
    if (Value < 0 || Value == FSeparatorSize)
        return;
    FSeparatorSize = Value;
    ApplySizeFromCount();
    ApplyCountFromSize();
    Changed();
}

void TFrameImage::SetButton(bool Value) {
    if (Value == FButton)
        return;
    FButton = Value;
    Changed();
}

void TFrameImage::SetTwoState(bool Value) {
    if (Value == FTwoState)
        return;
    FTwoState = Value;
    Changed();
}

void TFrameImage::PictureChanged() {
    if (FFrames.Count <= 0)
        ApplyClip();
    else
        ApplySizeFromCount();
    Changed();
}

bool TFrameImage::ShowsCross() const {
    return AlwaysDisplayEmpty() || Empty() || Count() <= 0;
}

void TFrameImage::DrawFrame(QPainter &Painter, int Frame, int X, int Y, int W, int H) const {
    if (ShowsCross()) {
        Painter.drawLine(X, Y, X + W, Y + H);
        Painter.drawLine(X, Y + H, X + W, Y);
        return;
    }
    const QPoint source = FOrientation == TScrollBarKind::sbHorizontal
                              ? QPoint(Frame * (Width() + FSeparatorSize), 0)
                              : QPoint(0, Frame * (Height() + FSeparatorSize));
    // One frame at most: a control larger than its frame shows no part of the next one.
    const int w = Width() > 0 ? std::min(W, Width()) : W;
    const int h = Height() > 0 ? std::min(H, Height()) : H;
    CopyRect(Painter, source, X, Y, w, h);
}
