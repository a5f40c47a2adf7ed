#include "keyboard.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QSpinBox>
#include <QStatusBar>
#include <QVBoxLayout>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ondrel"));
    QApplication::setOrganizationName(QStringLiteral("Tavrel"));
    QApplication::setApplicationVersion(QStringLiteral(ONDREL_VERSION));

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Ondrel"));
    auto *central = new QWidget(&window);
    auto *column = new QVBoxLayout(central);
    auto *row = new QHBoxLayout;
    auto *chord = new QComboBox(central);
    chord->addItems({QStringLiteral("No Chord"), QStringLiteral("Major"), QStringLiteral("Minor"),
                     QStringLiteral("Major 7th"), QStringLiteral("Minor 7th"),
                     QStringLiteral("Fifths"), QStringLiteral("Octave"), QStringLiteral("Power")});
    auto *transpose = new QSpinBox(central);
    transpose->setRange(-99, 99);
    transpose->setPrefix(QStringLiteral("Transpose "));
    row->addWidget(new QLabel(QStringLiteral("Chord:"), central));
    row->addWidget(chord);
    row->addWidget(transpose);
    row->addStretch();
    column->addLayout(row);
    auto *keys = new TKeyboard(central);
    TKeyboardModel &model = keys->Model();
    keys->SetPaintStyle(TPaintStyle::psImage);
    keys->SetImageSize(TImageSize::isSmall);
    model.SetBaseNote(36);
    model.SetVelocityShiftFactor(0.6f);
    keys->setMinimumSize(329, 76);
    column->addWidget(keys, 1);
    window.setCentralWidget(central);

    QObject::connect(chord, &QComboBox::currentIndexChanged,
                     [&model](int i) { model.SetChord(static_cast<TChord>(i)); });
    QObject::connect(transpose, &QSpinBox::valueChanged,
                     [&model](int v) { model.SetTranspose(v); });
    model.OnNote = [&window](QObject *, uint8_t typ, uint8_t note, uint8_t vel) {
        window.statusBar()->showMessage(
            QStringLiteral("%1 %2 %3 (%4)")
                .arg(typ, 2, 16, QLatin1Char('0'))
                .arg(note, 2, 16, QLatin1Char('0'))
                .arg(vel, 2, 16, QLatin1Char('0'))
                .arg(TKeyboardModel::NoteName(note, TLanguage::International))
                .toUpper());
    };
    model.OnBaseNoteChange = [&window](QObject *, const QString &name) {
        window.statusBar()->showMessage(name);
    };
    window.statusBar()->showMessage(QStringLiteral("Ready"));
    window.show();
    return app.exec();
}
