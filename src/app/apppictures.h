#pragma once

// Pictures of the main window drawn in code at start: the tiled background ("BACKGROUND",
// "BACKGROUND256") and the splash picture ("SPLASH").

#include <QPixmap>
#include <QString>

namespace AppPictures {

// A null pixmap for a name that is not one of these pictures.
QPixmap Load(const QString &Name, qreal Dpr);

} // namespace AppPictures
