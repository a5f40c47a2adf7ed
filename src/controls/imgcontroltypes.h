#pragma once

// Vocabulary of the picture-strip controls and their events.

#include "core/keyboardtypes.h"

#include <QString>

#include <functional>

class QObject;

// Which way frames lie in a picture, or which way a strip is dragged.
enum class TScrollBarKind : uint8_t { sbHorizontal, sbVertical };

// Where a strip's caption goes; kept for the owner, the caption is always drawn below.
enum class TCaptionLayout : uint8_t { caLeft, caRight, caTop, caBottom };

enum class TAlignment : uint8_t { taLeftJustify, taRightJustify, taCenter };

// Called before every change made by the user; the handler may alter ScrollPos.
using TOnImgScrollEvent = std::function<void(QObject *Sender, int &ScrollPos)>;
// Supplies the text of the moving hint (Caption arrives empty).
using TOnGetScrollHint = std::function<void(QObject *Sender, QString &Caption)>;
// Mouse events with the point in the control's own coordinates.
using TControlMouseEvent =
    std::function<void(QObject *Sender, Qt::MouseButton Button, TShiftState Shift, int X, int Y)>;
// Key events; a handler that sets Key to 0 keeps the control from acting on it.
using TControlKeyEvent = std::function<void(QObject *Sender, int &Key, TShiftState Shift)>;
