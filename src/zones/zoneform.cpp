#include "zones/zoneform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// A key chosen by its name ("C3"), typed as a name or a number.
class TNoteBox final : public QSpinBox {
public:
    TNoteBox(std::function<QString(int)> Name, QWidget *Parent)
        : QSpinBox(Parent), FName(std::move(Name)) {
        setRange(1, 127);
    }

protected:
    QString textFromValue(int Value) const override {
        return FName ? FName(Value) : QString::number(Value);
    }
    int valueFromText(const QString &Text) const override {
        for (int note = minimum(); note <= maximum(); ++note)
            if (textFromValue(note).compare(Text.trimmed(), Qt::CaseInsensitive) == 0)
                return note;
        return Text.toInt();
    }
    QValidator::State validate(QString &, int &) const override { return QValidator::Acceptable; }

private:
    std::function<QString(int)> FName;
};

QSpinBox *Spin(int Min, int Max, QWidget *Parent, const QString &None = QString()) {
    auto *box = new QSpinBox(Parent);
    box->setRange(Min, Max);
    if (!None.isEmpty())
        box->setSpecialValueText(None);
    return box;
}

void SelectData(QComboBox *Box, const QString &Data) {
    const int index = Box->findData(Data);
    Box->setCurrentIndex(index >= 0 ? index : 0);
}

} // namespace

TZoneForm::TZoneForm(const TZoneSet &Zones, const QStringList &Chords, const QStringList &Ports,
                     std::function<QString(int)> NoteName, QWidget *Owner)
    : QDialog(Owner), FNoteName(std::move(NoteName)), FZones(Zones) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Zones and Arpeggiator"));
    // Compact enough for a 1024 x 600 screen: the split and the settings of all zones side by
    // side, the zone's own values two to a row where they belong together.
    auto *layout = new QVBoxLayout(this);
    auto *top = new QHBoxLayout;
    layout->addLayout(top);

    auto *split = new QGroupBox(tr("Split"), this);
    auto *splitLayout = new QGridLayout(split);
    SplitCheck = new QCheckBox(tr("&Split the keyboard into zones"), split);
    SplitCheck->setToolTip(tr("Ctrl + middle button on a key sets or removes a split point"));
    splitLayout->addWidget(SplitCheck, 0, 0, 1, 4);
    auto *countLabel = new QLabel(tr("&Zones:"), split);
    ZoneCountBox = Spin(2, TZoneSet::MaxZones, split);
    countLabel->setBuddy(ZoneCountBox);
    splitLayout->addWidget(countLabel, 1, 0);
    splitLayout->addWidget(ZoneCountBox, 1, 1);
    // The split points after the count, two to a row.
    for (int i = 0; i < TZoneSet::MaxSplits; ++i) {
        auto *label = new QLabel(tr("Zone %1 from:").arg(i + 2), split);
        auto *box = new TNoteBox(FNoteName, split);
        label->setBuddy(box);
        const int row = 1 + (i + 1) / 2, column = (i + 1) % 2 * 2;
        splitLayout->addWidget(label, row, column);
        splitLayout->addWidget(box, row, column + 1);
        SplitBoxes[size_t(i)] = box;
        connect(box, &QSpinBox::valueChanged, this, [this] { UpdateEnabled(); });
    }
    top->addWidget(split);

    auto *play = new QGroupBox(tr("All zones"), this);
    auto *playLayout = new QGridLayout(play);
    LatchCheck =
        new QCheckBox(tr("&Latch: notes sound on after their keys are let go (Insert)"), play);
    ArpeggiatorCheck = new QCheckBox(tr("&Arpeggiator"), play);
    ArpeggiatorCheck->setToolTip(tr("The zones whose arpeggiator is on play their notes one by "
                                    "one in time"));
    ClockBox = new QComboBox(play);
    ClockBox->addItems({tr("Own tempo"), tr("JACK transport"), tr("MIDI clock")});
    ClockBox->setToolTip(tr("JACK transport: the tempo and bar position of the transport master "
                            "while it rolls. MIDI clock: the clock arriving at Midi In."));
    TempoBox = Spin(20, 300, play);
    TempoBox->setSuffix(tr(" BPM"));
    auto *clockLabel = new QLabel(tr("&Clock:"), play);
    clockLabel->setBuddy(ClockBox);
    auto *tempoLabel = new QLabel(tr("&Tempo:"), play);
    tempoLabel->setBuddy(TempoBox);
    playLayout->addWidget(LatchCheck, 0, 0, 1, 4);
    playLayout->addWidget(ArpeggiatorCheck, 1, 0, 1, 4);
    playLayout->addWidget(clockLabel, 2, 0);
    playLayout->addWidget(ClockBox, 2, 1);
    playLayout->addWidget(tempoLabel, 2, 2);
    playLayout->addWidget(TempoBox, 2, 3);
    top->addWidget(play);

    ZoneTabs = new QTabWidget(this);
    for (int zone = 0; zone < TZoneSet::MaxZones; ++zone)
        ZoneTabs->addTab(BuildPage(zone, Chords, Ports), tr("Zone %1").arg(zone + 1));
    layout->addWidget(ZoneTabs);

    Buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
    layout->addWidget(Buttons);
    connect(Buttons, &QDialogButtonBox::accepted, this, [this] {
        Apply();
        accept();
    });
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(Buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this,
            &TZoneForm::Apply);
    connect(SplitCheck, &QCheckBox::toggled, this, [this] { UpdateEnabled(); });
    connect(ZoneCountBox, &QSpinBox::valueChanged, this, [this] { UpdateEnabled(); });
    connect(ClockBox, &QComboBox::currentIndexChanged, this, [this] { UpdateEnabled(); });
    SetZones(Zones);
}

QWidget *TZoneForm::BuildPage(int Zone, const QStringList &Chords, const QStringList &Ports) {
    auto *page = new QWidget;
    auto *columns = new QHBoxLayout(page);
    auto *form = new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    TZonePage &p = Pages[size_t(Zone)];
    p.Channel = Spin(1, 16, page);
    p.Layer = new QComboBox(page);
    p.Layer->addItem(tr("none"), -1);
    for (int channel = 0; channel < 16; ++channel)
        p.Layer->addItem(QString::number(channel + 1), channel);
    p.Layer->setToolTip(tr("A second channel the zone plays on too"));
    p.Octave = Spin(TZone::OctaveMin, TZone::OctaveMax, page);
    p.Transpose = Spin(TZone::TransposeMin, TZone::TransposeMax, page);
    p.Program = Spin(0, 128, page, tr("none"));
    p.Msb = Spin(-1, 127, page, tr("none"));
    p.Lsb = Spin(-1, 127, page, tr("none"));
    p.Chord = new QComboBox(page);
    p.Chord->addItem(tr("as the chord box"), QString());
    for (const QString &chord : Chords)
        p.Chord->addItem(chord, chord);
    p.Velocity = Spin(0, 127, page, tr("as struck"));
    p.Port = new QComboBox(page);
    p.Port->addItem(tr("Ondrel's output"), QString());
    for (const QString &port : Ports)
        p.Port->addItem(port, port);
    p.Port->setToolTip(tr("A synthesizer of the zone's own; it opens as soon as it is there"));
    form->addRow(tr("C&hannel:"), p.Channel);
    form->addRow(tr("La&yer:"), p.Layer);
    const auto pair = [page, form](const QString &First, QWidget *FirstBox, const QString &Second,
                                   QWidget *SecondBox) {
        auto *row = new QHBoxLayout;
        auto *firstLabel = new QLabel(First, page);
        firstLabel->setBuddy(FirstBox);
        auto *secondLabel = new QLabel(Second, page);
        secondLabel->setBuddy(SecondBox);
        row->addWidget(FirstBox);
        row->addSpacing(8);
        row->addWidget(secondLabel);
        row->addWidget(SecondBox);
        row->addStretch();
        form->addRow(firstLabel, row);
    };
    pair(tr("&Octave:"), p.Octave, tr("T&ranspose:"), p.Transpose);
    form->addRow(tr("&Program:"), p.Program);
    pair(tr("Bank &MSB:"), p.Msb, tr("Bank LS&B:"), p.Lsb);
    form->addRow(tr("Chor&d:"), p.Chord);
    form->addRow(tr("&Velocity:"), p.Velocity);
    form->addRow(tr("O&utput port:"), p.Port);
    columns->addLayout(form);

    p.Arp = new QGroupBox(tr("Arpegg&iate"), page);
    p.Arp->setCheckable(true);
    auto *arp = new QFormLayout(p.Arp);
    p.Mode = new QComboBox(p.Arp);
    p.Mode->addItems(
        {tr("Up"), tr("Down"), tr("Up and down"), tr("As played"), tr("Random"), tr("Chord")});
    p.Rate = new QComboBox(p.Arp);
    for (const char *value : {"1/4", "1/8", "1/16", "1/32"})
        p.Rate->addItems({QString::fromLatin1(value),
                          tr("%1 triplets").arg(QString::fromLatin1(value)),
                          tr("%1 dotted").arg(QString::fromLatin1(value))});
    p.Gate = Spin(TArpSettings::GateMin, TArpSettings::GateMax, p.Arp);
    p.Gate->setSuffix(QStringLiteral(" %"));
    p.Gate->setToolTip(tr("How much of its step a note sounds"));
    p.Swing = Spin(TArpSettings::SwingMin, TArpSettings::SwingMax, p.Arp);
    p.Swing->setSuffix(QStringLiteral(" %"));
    p.Swing->setToolTip(tr("Where the second step of each pair starts: 50 % is straight, 66 % "
                           "a triplet feel"));
    p.Octaves = Spin(TArpSettings::OctavesMin, TArpSettings::OctavesMax, p.Arp);
    arp->addRow(tr("Patt&ern:"), p.Mode);
    arp->addRow(tr("&Note value:"), p.Rate);
    arp->addRow(tr("&Gate:"), p.Gate);
    arp->addRow(tr("S&wing:"), p.Swing);
    arp->addRow(tr("Octave range:"), p.Octaves);
    columns->addSpacing(16);
    columns->addWidget(p.Arp, 0, Qt::AlignTop);
    columns->addStretch();
    return page;
}

void TZoneForm::SetZones(const TZoneSet &Zones) {
    FZones = Zones;
    SplitCheck->setChecked(Zones.Split());
    const QList<int> points = Zones.SplitPoints();
    ZoneCountBox->setValue(std::max(2, int(points.size()) + 1));
    for (int i = 0; i < TZoneSet::MaxSplits; ++i)
        SplitBoxes[size_t(i)]->setValue(
            i < points.size()
                ? points[i]
                : std::min(127, (points.isEmpty() ? TZoneSet::DefaultSplit : points.last()) +
                                    12 * (i - int(points.size()) + 1)));
    LatchCheck->setChecked(Zones.Latch());
    ArpeggiatorCheck->setChecked(Zones.Arpeggiator());
    ClockBox->setCurrentIndex(int(Zones.Clock()));
    TempoBox->setValue(Zones.Tempo());
    for (int zone = 0; zone < TZoneSet::MaxZones; ++zone)
        ShowZone(zone, Zones.Zone(zone));
    UpdateEnabled();
}

void TZoneForm::ShowZone(int Zone, const TZone &Value) {
    TZonePage &p = Pages[size_t(Zone)];
    p.Channel->setValue(Value.Channel + 1);
    p.Layer->setCurrentIndex(std::max(0, p.Layer->findData(Value.Layer)));
    p.Octave->setValue(Value.Octave);
    p.Transpose->setValue(Value.Transpose);
    p.Program->setValue(Value.Program + 1);
    p.Msb->setValue(Value.Msb);
    p.Lsb->setValue(Value.Lsb);
    if (!Value.Chord.isEmpty() && p.Chord->findData(Value.Chord) < 0)
        p.Chord->addItem(tr("%1 (not in the chord box)").arg(Value.Chord), Value.Chord);
    SelectData(p.Chord, Value.Chord);
    p.Velocity->setValue(Value.Velocity);
    if (!Value.Port.isEmpty() && p.Port->findData(Value.Port) < 0)
        p.Port->addItem(tr("%1 (not there now)").arg(Value.Port), Value.Port);
    SelectData(p.Port, Value.Port);
    p.Arp->setChecked(Value.Arp.On);
    p.Mode->setCurrentIndex(int(Value.Arp.Mode));
    p.Rate->setCurrentIndex(Value.Arp.Rate);
    p.Gate->setValue(Value.Arp.Gate);
    p.Swing->setValue(Value.Arp.Swing);
    p.Octaves->setValue(Value.Arp.Octaves);
}

TZone TZoneForm::ReadZone(int Zone) const {
    const TZonePage &p = Pages[size_t(Zone)];
    TZone z = FZones.Zone(Zone);
    z.Channel = p.Channel->value() - 1;
    z.Layer = p.Layer->currentData().toInt();
    z.Octave = p.Octave->value();
    z.Transpose = p.Transpose->value();
    z.Program = p.Program->value() - 1;
    z.Msb = p.Msb->value();
    z.Lsb = p.Lsb->value();
    z.Chord = p.Chord->currentData().toString();
    z.Velocity = p.Velocity->value();
    z.Port = p.Port->currentData().toString();
    z.Arp.On = p.Arp->isChecked();
    z.Arp.Mode = TArpMode(std::max(0, p.Mode->currentIndex()));
    z.Arp.Rate = uint8_t(std::max(0, p.Rate->currentIndex()));
    z.Arp.Gate = uint8_t(p.Gate->value());
    z.Arp.Swing = uint8_t(p.Swing->value());
    z.Arp.Octaves = uint8_t(p.Octaves->value());
    return z.Valid();
}

TZoneSet TZoneForm::Zones() const {
    TZoneSet zones = FZones;
    QList<int> points;
    for (int i = 0; i < ZoneCountBox->value() - 1; ++i)
        points << SplitBoxes[size_t(i)]->value();
    std::sort(points.begin(), points.end());
    zones.SetSplitPoints(points);
    zones.SetSplit(SplitCheck->isChecked());
    zones.SetLatch(LatchCheck->isChecked());
    zones.SetArpeggiator(ArpeggiatorCheck->isChecked());
    zones.SetClock(TArpClock(std::max(0, ClockBox->currentIndex())));
    zones.SetTempo(TempoBox->value());
    for (int zone = 0; zone < TZoneSet::MaxZones; ++zone)
        zones.SetZone(zone, ReadZone(zone));
    return zones;
}

void TZoneForm::UpdateEnabled() {
    const bool split = SplitCheck->isChecked();
    const int count = split ? ZoneCountBox->value() : 1;
    ZoneCountBox->setEnabled(split);
    for (int i = 0; i < TZoneSet::MaxSplits; ++i)
        SplitBoxes[size_t(i)]->setEnabled(split && i < count - 1);
    TempoBox->setEnabled(ClockBox->currentIndex() != int(TArpClock::acMidiClock));
    for (int zone = 0; zone < TZoneSet::MaxZones; ++zone) {
        ZoneTabs->setTabEnabled(zone, zone < count);
        // Without a split the whole keyboard plays as the keyboard does, with the first
        // zone's arpeggiator: only that is edited then.
        const TZonePage &p = Pages[size_t(zone)];
        for (QWidget *w :
             std::initializer_list<QWidget *>{p.Channel, p.Layer, p.Octave, p.Transpose, p.Program,
                                              p.Msb, p.Lsb, p.Chord, p.Velocity, p.Port})
            w->setEnabled(split);
    }
    ZoneTabs->setTabToolTip(0, split ? QString()
                                     : tr("Without a split the whole keyboard plays on the "
                                          "keyboard's channel, with this arpeggiator"));
}

void TZoneForm::Apply() {
    FZones = Zones();
    if (OnApply)
        OnApply(FZones);
}
