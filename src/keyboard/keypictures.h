#pragma once

// The key pictures, drawn in code at start instead of shipped as bitmaps: one octave of white keys
// with their black keys, released ("UP…") or pressed ("DOWN…"), in three sizes.

#include "core/keyboardmodel.h"
#include "core/keyboardtypes.h"

#include <QPixmap>
#include <QString>

namespace KeyPictures {

// "UPSMALL", "DOWNNORMAL", "UPBIG256", … ; a null pixmap for a name that is not a key picture.
// The picture is drawn for the device pixel ratio Dpr and carries it, so it stays crisp; it is
// Height pixels tall, its black keys in proportion.
QPixmap Load(const QString &Name, qreal Dpr, int Height = TKeyboardModel::ImageHeight);

// The resource name of a size and state.
QString Name(bool Down, TImageSize Size, bool LowColour = false);

} // namespace KeyPictures
