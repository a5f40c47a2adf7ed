#pragma once

// A picture shared by several controls: it owns the pixmap, tells every attached control when the
// picture changes, and loads itself from the program's drawn pictures by name.

#include "core/keyboardtypes.h"

#include <QList>
#include <QObject>
#include <QPixmap>
#include <QString>

class QPainter;
class TImgControlBase;

class TSharedImage : public QObject {
    Q_OBJECT
public:
    explicit TSharedImage(QObject *Parent = nullptr);
    // Attached controls lose their image (their FrameImage becomes null).
    ~TSharedImage() override;

    const QPixmap &Bitmap() const { return FBitmap; }
    // Copies the picture in; the frame geometry and every attached control follow.
    void SetBitmap(const QPixmap &Value);
    bool Empty() const { return FBitmap.isNull(); }
    // The picture's size in device-independent pixels.
    QSize PictureSize() const;

    // The picture's size here; a frame image answers with the size of one frame.
    virtual int Width() const { return PictureSize().width(); }
    virtual int Height() const { return PictureSize().height(); }

    // Draws as "empty" (a cross) whatever the picture holds.
    bool AlwaysDisplayEmpty() const { return FAlwaysDisplayEmpty; }
    void SetAlwaysDisplayEmpty(bool Value);

    // Names of the drawn pictures (see ControlPictures): the full-colour one is used on screens
    // of 15 bits per pixel or more, the 256-colour one otherwise. Setting either loads at once.
    const QString &ResBitmap() const { return FResBitmap; }
    void SetResBitmap(const QString &Value);
    const QString &ResBitmap256() const { return FResBitmap256; }
    void SetResBitmap256(const QString &Value);
    // Loads the named picture; an unknown name leaves the picture as it was.
    void LoadResourceImage();

    // The device pixel ratio the named picture is drawn for; a control on a screen of another
    // ratio asks for its own so the picture stays crisp. Without a name this does nothing.
    qreal PixelRatio() const { return FPixelRatio; }
    void SetPixelRatio(qreal Value);

    TNotifyEvent OnChange;

    void AttachControl(TImgControlBase *Control);
    void DetachControl(TImgControlBase *Control);
    const QList<TImgControlBase *> &Controls() const { return FControls; }
    // Fires OnChange, then tells every attached control.
    void Changed();

    // Copies the picture's top-left W x H pixels (at most the picture) to (X, Y).
    void Draw(QPainter &Painter, int X, int Y, int W, int H) const;

    // Colour depth of the screen, read at first use; may be set when the display changes.
    static int ScreenBitsPerPixel();
    static void SetScreenBitsPerPixel(int Bits);

protected:
    // The picture was replaced.
    virtual void PictureChanged();
    // Draws W x H pixels of the picture from Source (device-independent pixels) to (X, Y),
    // without scaling and without reaching past the picture.
    void CopyRect(QPainter &Painter, QPoint Source, int X, int Y, int W, int H) const;

private:
    QPixmap FBitmap;
    bool FAlwaysDisplayEmpty = false;
    QString FResBitmap;
    QString FResBitmap256;
    QString FLoaded; // the name the picture was loaded from, if it was
    qreal FPixelRatio;
    QList<TImgControlBase *> FControls;
};
