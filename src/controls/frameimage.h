#pragma once

// A shared picture cut into equal frames lying side by side (or stacked), optionally with a
// separator between them. A control shows one frame at a time.

#include "controls/imgcontroltypes.h"
#include "controls/sharedimage.h"

// The frame layout rules, apart from any picture: how Count and the frame size follow from each
// other and from the picture's size.
namespace FrameGeometry {

struct TFrames {
    int Count = 0;
    int Width = 0;
    int Height = 0;
    bool operator==(const TFrames &) const = default;
};

// The frame can be no larger than the picture.
TFrames Clip(TFrames F, QSize Picture);
// Frame size from Count (without a Count: Clip).
TFrames SizeFromCount(TFrames F, QSize Picture, TScrollBarKind Orientation, int Separator);
// Count from the frame size; a frame size of 0 takes the size from Count instead.
TFrames CountFromSize(TFrames F, QSize Picture, TScrollBarKind Orientation, int Separator);

} // namespace FrameGeometry

class TFrameImage : public TSharedImage {
    Q_OBJECT
public:
    explicit TFrameImage(QObject *Parent = nullptr);

    // Number of frames; setting it sizes the frames to fit the picture.
    int Count() const { return FFrames.Count; }
    void SetCount(int Value);
    // Size of one frame; setting it derives Count from the picture.
    int Width() const override { return FFrames.Width; }
    void SetWidth(int Value);
    int Height() const override { return FFrames.Height; }
    void SetHeight(int Value);

    TScrollBarKind Orientation() const { return FOrientation; }
    void SetOrientation(TScrollBarKind Value);
    // Pixels between two neighbouring frames; a negative value is refused.
    int SeparatorSize() const { return FSeparatorSize; }
    void SetSeparatorSize(int Value);

    // Controls showing this image act as push buttons, or as toggles with TwoState.
    bool Button() const { return FButton; }
    void SetButton(bool Value);
    bool TwoState() const { return FTwoState; }
    void SetTwoState(bool Value);

    // Whether DrawFrame draws the cross instead of a frame.
    bool ShowsCross() const;
    // Draws frame Frame (at most one frame's W x H pixels) to (X, Y), or a cross with the
    // painter's pen over X, Y, W, H when there is nothing to show.
    void DrawFrame(QPainter &Painter, int Frame, int X, int Y, int W, int H) const;

protected:
    void PictureChanged() override;

private:
    void ApplyClip();
    void ApplySizeFromCount();
    void ApplyCountFromSize();

    FrameGeometry::TFrames FFrames;
    TScrollBarKind FOrientation = TScrollBarKind::sbHorizontal;
    int FSeparatorSize = 0;
    bool FButton = false;
    bool FTwoState = false;
};
