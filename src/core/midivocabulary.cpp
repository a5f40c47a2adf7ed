#include "core/midivocabulary.h"

#include <array>

namespace MidiTool {

namespace {

constexpr std::array<const char *, ControllerCount> Names = [] {
    std::array<const char *, ControllerCount> n{};
    for (auto &s : n)
        s = "";
    n[0] = "Bank Sel MSB";
    n[1] = "Modulation";
    n[2] = "Breath Control";
    n[4] = "Pedal";
    n[5] = "Porta Time";
    n[6] = "Data MSB";
    n[7] = "Main Volume";
    n[8] = "Balance";
    n[10] = "Panpot";
    n[11] = "Expression";
    n[12] = "Effect 1";
    n[13] = "Effect 2";
    n[16] = "Foot Control / General 1";
    n[17] = "General 2";
    n[18] = "General 3";
    n[19] = "General 4";
    n[32] = "Bank Sel LSB";
    n[33] = "Mod Wheel LSB";
    n[34] = "Breath Control LSB";
    n[36] = "Pedal LSB";
    n[37] = "Porta Time LSB";
    n[38] = "Data LSB";
    n[39] = "Volume LSB";
    n[40] = "Balance LSB";
    n[42] = "Panpot LSB";
    n[43] = "Expression LSB";
    n[44] = "Effect 1 LSB";
    n[45] = "Effect 2 LSB";
    n[48] = "General 1 LSB";
    n[49] = "General 2 LSB";
    n[50] = "General 3 LSB";
    n[51] = "General 4 LSB";
    n[64] = "Sustain Sw";
    n[65] = "Porta Switch";
    n[66] = "Sostenuto";
    n[67] = "Soft Pedal";
    n[68] = "Legato Footswitch";
    n[69] = "Hold 2";
    n[70] = "Sound Variation";
    n[71] = "Harmonic";
    n[72] = "Release Time";
    n[73] = "Attack Time";
    n[74] = "Brightness";
    n[75] = "Sound Control 6";
    n[76] = "Sound Control 7";
    n[77] = "Sound Control 8";
    n[78] = "Sound Control 9";
    n[79] = "Sound Control 10";
    n[80] = "General 5";
    n[81] = "General 6";
    n[82] = "General 7";
    n[83] = "General 8";
    n[84] = "Portamento";
    n[91] = "Reverb";
    n[92] = "Tremolo";
    n[93] = "Chorus";
    n[94] = "Variation";
    n[95] = "Phaser";
    n[96] = "Data Increment";
    n[97] = "Data Decrement";
    n[98] = "NRPN LSB";
    n[99] = "NRPN MSB";
    n[100] = "RPN LSB";
    n[101] = "RPN MSB";
    n[120] = "All Sounds off";
    n[121] = "Reset Controllers";
    n[122] = "Local Control";
    n[123] = "All Notes Off";
    n[124] = "Omni Mode On";
    n[125] = "Omni Mode Off";
    n[126] = "Mono Mode On";
    n[127] = "Poly Mode On";
    return n;
}();

} // namespace

QString ControllerName(int n) {
    if (n < 0 || n >= ControllerCount)
        return {};
    return QString::fromLatin1(Names[static_cast<size_t>(n)]);
}

QString ControllerEntry(int n) {
    const QString name = ControllerName(n);
    return QStringLiteral("%1 %2")
        .arg(n, 3, 10, QLatin1Char('0'))
        .arg(name.isEmpty() ? QStringLiteral("Undefined") : name);
}

QStringList ControllerEntries() {
    QStringList list;
    list.reserve(ControllerCount);
    for (int n = 0; n < ControllerCount; ++n)
        list << ControllerEntry(n);
    return list;
}

} // namespace MidiTool
