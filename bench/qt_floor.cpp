// The least a Qt Widgets window does for a played key: a window titled like the program, a
// keyboard-sized widget that paints one key darker while a letter is held, and a label that
// names the key. No MIDI. The end-to-end probe plays it like the program, so the CPU a keystroke
// costs there is the floor that Qt, X11 and this machine set for any Qt program.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <QWidget>

namespace {

class TFloorKeys final : public QWidget {
public:
    explicit TFloorKeys(QLabel *Name) : FName(Name) {
        setFocusPolicy(Qt::StrongFocus);
        setFixedSize(476, 120);
    }

protected:
    void keyPressEvent(QKeyEvent *Event) override { Press(Event, true); }
    void keyReleaseEvent(QKeyEvent *Event) override { Press(Event, false); }

    void paintEvent(QPaintEvent *Event) override {
        QPainter Painter(this);
        Painter.setClipRegion(Event->region());
        for (int Key = 0; Key < Keys; ++Key) {
            const QRect Area = KeyRect(Key);
            if (!Event->region().intersects(Area))
                continue;
            Painter.fillRect(Area, Key == FDown ? QColor(150, 150, 150) : Qt::white);
            Painter.setPen(Qt::black);
            Painter.drawRect(Area.adjusted(0, 0, -1, -1));
        }
    }

private:
    static constexpr int Keys = 31, KeyWidth = 15;
    static QRect KeyRect(int Key) { return {Key * KeyWidth, 0, KeyWidth, 120}; }

    void Press(QKeyEvent *Event, bool Down) {
        if (Event->isAutoRepeat() || Event->text().isEmpty())
            return;
        const int Key = (Event->text().at(0).unicode() * 7) % Keys;
        if (FDown >= 0)
            update(KeyRect(FDown));
        FDown = Down ? Key : -1;
        update(KeyRect(Key));
        if (Down)
            FName->setText(QStringLiteral("Key %1").arg(Key));
    }

    QLabel *FName;
    int FDown = -1;
};

} // namespace

int main(int argc, char **argv) {
    // As the program does (it measured less CPU per repaint without shared memory).
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");
    QApplication App(argc, argv);
    QWidget Window;
    Window.setWindowTitle(QStringLiteral("Ondrel"));
    auto *Layout = new QVBoxLayout(&Window);
    auto *Name = new QLabel(QStringLiteral("Key"));
    Name->setFixedSize(80, 20);
    auto *Keys = new TFloorKeys(Name);
    Layout->addWidget(Keys);
    Layout->addWidget(Name);
    Window.show();
    Keys->setFocus();
    return App.exec();
}
