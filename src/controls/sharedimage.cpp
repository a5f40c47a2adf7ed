#include "controls/sharedimage.h"

#include "controls/controlpictures.h"
#include "controls/imgcontrolbase.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include <algorithm>

namespace {

int GScreenBits = 0;

} // namespace

TSharedImage::TSharedImage(QObject *Parent)
    : QObject(Parent), FPixelRatio(qGuiApp ? qGuiApp->devicePixelRatio() : 1.0) {}

TSharedImage::~TSharedImage() {
    const auto controls = FControls;
    FControls.clear();
    for (TImgControlBase *c : controls)
        c->ImageDestroyed(this);
}

QSize TSharedImage::PictureSize() const {
    return FBitmap.isNull() ? QSize() : FBitmap.deviceIndependentSize().toSize();
}

void TSharedImage::SetBitmap(const QPixmap &Value) {
    FLoaded.clear();
    FBitmap = Value;
    PictureChanged();
}

void TSharedImage::SetAlwaysDisplayEmpty(bool Value) {
    if (Value == FAlwaysDisplayEmpty)
        return;
    FAlwaysDisplayEmpty = Value;
    Changed();
}

void TSharedImage::SetResBitmap(const QString &Value) {
    FResBitmap = Value;
    LoadResourceImage();
}

void TSharedImage::SetResBitmap256(const QString &Value) {
    FResBitmap256 = Value;
    LoadResourceImage();
}

void TSharedImage::LoadResourceImage() {
    QString name = FResBitmap256;
    if (ScreenBitsPerPixel() >= 15 && !FResBitmap.isEmpty())
        name = FResBitmap;
    // Setting both names in turn would otherwise draw the same picture twice.
    if (name.isEmpty() ||
        (name == FLoaded && qFuzzyCompare(FBitmap.devicePixelRatio(), FPixelRatio)))
        return;
    const QPixmap pix = ControlPictures::Load(name, FPixelRatio);
    if (pix.isNull())
        return;
    SetBitmap(pix);
    FLoaded = name;
}

void TSharedImage::SetPixelRatio(qreal Value) {
    if (Value <= 0 || qFuzzyCompare(Value, FPixelRatio))
        return;
    FPixelRatio = Value;
    if (!FResBitmap.isEmpty() || !FResBitmap256.isEmpty())
        LoadResourceImage();
}

void TSharedImage::AttachControl(TImgControlBase *Control) {
    if (!Control || FControls.contains(Control))
        return;
    FControls.append(Control);
    Control->ImageChanged();
}

void TSharedImage::DetachControl(TImgControlBase *Control) {
    if (!FControls.removeOne(Control))
        return;
    Control->ImageChanged();
}

void TSharedImage::Changed() {
    if (OnChange)
        OnChange(this);
    // A control may detach itself from its handler; walk a copy.
    const auto controls = FControls;
    for (TImgControlBase *c : controls)
        if (FControls.contains(c))
            c->ImageChanged();
}

void TSharedImage::PictureChanged() {
    Changed();
}

void TSharedImage::CopyRect(QPainter &Painter, QPoint Source, int X, int Y, int W, int H) const {
    const QSize size = PictureSize();
    const int w = std::min(W, size.width() - Source.x());
    const int h = std::min(H, size.height() - Source.y());
    if (FBitmap.isNull() || w <= 0 || h <= 0 || Source.x() < 0 || Source.y() < 0)
        return;
    const qreal dpr = FBitmap.devicePixelRatio();
    Painter.drawPixmap(QRectF(X, Y, w, h), FBitmap,
                       QRectF(Source.x() * dpr, Source.y() * dpr, w * dpr, h * dpr));
}

void TSharedImage::Draw(QPainter &Painter, int X, int Y, int W, int H) const {
    CopyRect(Painter, QPoint(0, 0), X, Y, W, H);
}

int TSharedImage::ScreenBitsPerPixel() {
    if (GScreenBits <= 0) {
        const QScreen *screen = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
        GScreenBits = screen ? screen->depth() : 32;
    }
    return GScreenBits;
}

void TSharedImage::SetScreenBitsPerPixel(int Bits) {
    GScreenBits = Bits;
}
