#pragma once

// A bevel (box, frame or one edge line) in the button colours, or with NoBevel an empty spacer
// that only takes its place in the layout.

#include <QWidget>

enum class TBevelShape : uint8_t {
    bsBox,
    bsFrame,
    bsTopLine,
    bsBottomLine,
    bsLeftLine,
    bsRightLine,
    bsSpacer
};
enum class TBevelStyle : uint8_t { bsLowered, bsRaised };

class TBevel : public QWidget {
    Q_OBJECT
public:
    explicit TBevel(QWidget *Parent = nullptr);

    TBevelShape Shape() const { return FShape; }
    void SetShape(TBevelShape Value);
    TBevelStyle Style() const { return FStyle; }
    void SetStyle(TBevelStyle Value);
    // Paints nothing at all.
    bool NoBevel() const { return FNoBevel; }
    void SetNoBevel(bool Value);

protected:
    void paintEvent(QPaintEvent *Event) override;

private:
    TBevelShape FShape = TBevelShape::bsBox;
    TBevelStyle FStyle = TBevelStyle::bsLowered;
    bool FNoBevel = false;
};
