#include "core/midivocabulary.h"

#include <QCoreApplication>

#include <array>

namespace MidiTool {

namespace {

constexpr std::array<const char *, ControllerCount> Names = [] {
    std::array<const char *, ControllerCount> n{};
    for (auto &s : n)
        s = "";
    n[0] = QT_TRANSLATE_NOOP("MidiTool", "Bank Sel MSB");
    n[1] = QT_TRANSLATE_NOOP("MidiTool", "Modulation");
    n[2] = QT_TRANSLATE_NOOP("MidiTool", "Breath Control");
    n[4] = QT_TRANSLATE_NOOP("MidiTool", "Pedal");
    n[5] = QT_TRANSLATE_NOOP("MidiTool", "Porta Time");
    n[6] = QT_TRANSLATE_NOOP("MidiTool", "Data MSB");
    n[7] = QT_TRANSLATE_NOOP("MidiTool", "Main Volume");
    n[8] = QT_TRANSLATE_NOOP("MidiTool", "Balance");
    n[10] = QT_TRANSLATE_NOOP("MidiTool", "Panpot");
    n[11] = QT_TRANSLATE_NOOP("MidiTool", "Expression");
    n[12] = QT_TRANSLATE_NOOP("MidiTool", "Effect 1");
    n[13] = QT_TRANSLATE_NOOP("MidiTool", "Effect 2");
    n[16] = QT_TRANSLATE_NOOP("MidiTool", "Foot Control / General 1");
    n[17] = QT_TRANSLATE_NOOP("MidiTool", "General 2");
    n[18] = QT_TRANSLATE_NOOP("MidiTool", "General 3");
    n[19] = QT_TRANSLATE_NOOP("MidiTool", "General 4");
    n[32] = QT_TRANSLATE_NOOP("MidiTool", "Bank Sel LSB");
    n[33] = QT_TRANSLATE_NOOP("MidiTool", "Mod Wheel LSB");
    n[34] = QT_TRANSLATE_NOOP("MidiTool", "Breath Control LSB");
    n[36] = QT_TRANSLATE_NOOP("MidiTool", "Pedal LSB");
    n[37] = QT_TRANSLATE_NOOP("MidiTool", "Porta Time LSB");
    n[38] = QT_TRANSLATE_NOOP("MidiTool", "Data LSB");
    n[39] = QT_TRANSLATE_NOOP("MidiTool", "Volume LSB");
    n[40] = QT_TRANSLATE_NOOP("MidiTool", "Balance LSB");
    n[42] = QT_TRANSLATE_NOOP("MidiTool", "Panpot LSB");
    n[43] = QT_TRANSLATE_NOOP("MidiTool", "Expression LSB");
    n[44] = QT_TRANSLATE_NOOP("MidiTool", "Effect 1 LSB");
    n[45] = QT_TRANSLATE_NOOP("MidiTool", "Effect 2 LSB");
    n[48] = QT_TRANSLATE_NOOP("MidiTool", "General 1 LSB");
    n[49] = QT_TRANSLATE_NOOP("MidiTool", "General 2 LSB");
    n[50] = QT_TRANSLATE_NOOP("MidiTool", "General 3 LSB");
    n[51] = QT_TRANSLATE_NOOP("MidiTool", "General 4 LSB");
    n[64] = QT_TRANSLATE_NOOP("MidiTool", "Sustain Sw");
    n[65] = QT_TRANSLATE_NOOP("MidiTool", "Porta Switch");
    n[66] = QT_TRANSLATE_NOOP("MidiTool", "Sostenuto");
    n[67] = QT_TRANSLATE_NOOP("MidiTool", "Soft Pedal");
    n[68] = QT_TRANSLATE_NOOP("MidiTool", "Legato Footswitch");
    n[69] = QT_TRANSLATE_NOOP("MidiTool", "Hold 2");
    n[70] = QT_TRANSLATE_NOOP("MidiTool", "Sound Variation");
    n[71] = QT_TRANSLATE_NOOP("MidiTool", "Harmonic");
    n[72] = QT_TRANSLATE_NOOP("MidiTool", "Release Time");
    n[73] = QT_TRANSLATE_NOOP("MidiTool", "Attack Time");
    n[74] = QT_TRANSLATE_NOOP("MidiTool", "Brightness");
    n[75] = QT_TRANSLATE_NOOP("MidiTool", "Sound Control 6");
    n[76] = QT_TRANSLATE_NOOP("MidiTool", "Sound Control 7");
    n[77] = QT_TRANSLATE_NOOP("MidiTool", "Sound Control 8");
    n[78] = QT_TRANSLATE_NOOP("MidiTool", "Sound Control 9");
    n[79] = QT_TRANSLATE_NOOP("MidiTool", "Sound Control 10");
    n[80] = QT_TRANSLATE_NOOP("MidiTool", "General 5");
    n[81] = QT_TRANSLATE_NOOP("MidiTool", "General 6");
    n[82] = QT_TRANSLATE_NOOP("MidiTool", "General 7");
    n[83] = QT_TRANSLATE_NOOP("MidiTool", "General 8");
    n[84] = QT_TRANSLATE_NOOP("MidiTool", "Portamento");
    n[91] = QT_TRANSLATE_NOOP("MidiTool", "Reverb");
    n[92] = QT_TRANSLATE_NOOP("MidiTool", "Tremolo");
    n[93] = QT_TRANSLATE_NOOP("MidiTool", "Chorus");
    n[94] = QT_TRANSLATE_NOOP("MidiTool", "Variation");
    n[95] = QT_TRANSLATE_NOOP("MidiTool", "Phaser");
    n[96] = QT_TRANSLATE_NOOP("MidiTool", "Data Increment");
    n[97] = QT_TRANSLATE_NOOP("MidiTool", "Data Decrement");
    n[98] = QT_TRANSLATE_NOOP("MidiTool", "NRPN LSB");
    n[99] = QT_TRANSLATE_NOOP("MidiTool", "NRPN MSB");
    n[100] = QT_TRANSLATE_NOOP("MidiTool", "RPN LSB");
    n[101] = QT_TRANSLATE_NOOP("MidiTool", "RPN MSB");
    n[120] = QT_TRANSLATE_NOOP("MidiTool", "All Sounds off");
    n[121] = QT_TRANSLATE_NOOP("MidiTool", "Reset Controllers");
    n[122] = QT_TRANSLATE_NOOP("MidiTool", "Local Control");
    n[123] = QT_TRANSLATE_NOOP("MidiTool", "All Notes Off");
    n[124] = QT_TRANSLATE_NOOP("MidiTool", "Omni Mode On");
    n[125] = QT_TRANSLATE_NOOP("MidiTool", "Omni Mode Off");
    n[126] = QT_TRANSLATE_NOOP("MidiTool", "Mono Mode On");
    n[127] = QT_TRANSLATE_NOOP("MidiTool", "Poly Mode On");
    return n;
}();

} // namespace

QString ControllerName(int n) {
    if (n < 0 || n >= ControllerCount)
        return {};
    const char *name = Names[static_cast<size_t>(n)];
    return *name ? QCoreApplication::translate("MidiTool", name) : QString();
}

QString ControllerEntry(int n) {
    const QString name = ControllerName(n);
    return QStringLiteral("%1 %2")
        .arg(n, 3, 10, QLatin1Char('0'))
        .arg(name.isEmpty() ? QCoreApplication::translate("MidiTool", "Undefined") : name);
}

QStringList ControllerEntries() {
    QStringList list;
    list.reserve(ControllerCount);
    for (int n = 0; n < ControllerCount; ++n)
        list << ControllerEntry(n);
    return list;
}

} // namespace MidiTool
