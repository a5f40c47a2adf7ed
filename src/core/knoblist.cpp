#include "core/knoblist.h"

#include "core/custominifile.h"
#include "core/general.h"
#include "core/midivocabulary.h"
#include "core/registryinifile.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace {

const QString ValCaption = QStringLiteral("Caption");
const QString ValIUser = QStringLiteral("IUser");
const QString ValDisplayMode = QStringLiteral("DisplayMode");
const QString ValDefaultValue = QStringLiteral("DefaultValue");

QString Numbered(const QString &Base, int N) {
    return Base + QString::number(N);
}

QString Hex2(int Value) {
    return QStringLiteral("%1").arg(Value & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace

EKnobAssertion::EKnobAssertion(const QString &Message)
    : std::logic_error(
          QCoreApplication::translate("TKnobList", "%1 (UKnobList)").arg(Message).toStdString()),
      FMessage(Message) {}

TKnobEntry::TKnobEntry(const QString &Caption, int IUser, int DisplayMode, int DefaultValue)
    : IUser(IUser), DisplayMode(DisplayMode), DefaultValue(DefaultValue), FCaption(Caption) {}

// --- TKnobList -------------------------------------------------------------------------------

TKnobList::TKnobList() = default;

TKnobList::~TKnobList() {
    // Derived lists clear their own entries first; here only the entries themselves go.
    while (!FEntries.empty())
        FEntries.pop_back();
}

TKnobEntry &TKnobList::Entry(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EKnobAssertion(QStringLiteral("Index out of bounds"));
    return *FEntries[size_t(Index)];
}

void TKnobList::AppendEntry(std::unique_ptr<TKnobEntry> Entry) {
    const int before = Count();
    FEntries.push_back(std::move(Entry));
    if (Count() != before + 1)
        throw EKnobAssertion(QStringLiteral("Assertion failure"));
}

void TKnobList::AddEntry(const QString &Caption, int IUser, int DisplayMode, int DefaultValue) {
    if (Count() >= FMaxCount)
        return;
    AppendEntry(std::make_unique<TKnobEntry>(Caption, IUser, DisplayMode, DefaultValue));
}

void TKnobList::Add(const QString &Caption, int IUser, int DisplayMode, int DefaultValue) {
    AddEntry(Caption, IUser, DisplayMode, DefaultValue);
}

void TKnobList::Assign(const TKnobList &Source) {
    if (&Source == this)
        return; // clearing first would lose everything to copy
    Clear();
    for (const auto &e : Source.FEntries) {
        const QString caption = e->GetCaption();
        if (!caption.isEmpty())
            AddEntry(caption, e->IUser, e->DisplayMode, e->DefaultValue);
    }
}

void TKnobList::DeleteEntry(TKnobEntry *Entry) {
    const auto it = std::find_if(FEntries.begin(), FEntries.end(),
                                 [Entry](const auto &e) { return e.get() == Entry; });
    if (it != FEntries.end())
        FEntries.erase(it);
}

void TKnobList::Clear() {
    for (int i = Count() - 1; i >= 0; --i)
        DeleteEntry(FEntries[size_t(i)].get());
}

void TKnobList::LoadFromIni(const TCustomIniFile &Ini, const QString &Section) {
    Clear();
    FLoadErrors.clear();
    for (int n = 1; Count() < FMaxCount; ++n) {
        const QString caption = Ini.ReadString(Section, Numbered(ValCaption, n), QString());
        const QString iuserText = Ini.ReadString(Section, Numbered(ValIUser, n), QString());
        const int mode = Ini.ReadInteger(Section, Numbered(ValDisplayMode, n), -1);
        const int value = Ini.ReadInteger(Section, Numbered(ValDefaultValue, n), 0);
        if (caption.isEmpty() || mode < 0 || mode > 127)
            break;
        // MIDI has no controller beyond 127: sending it would hit the controller its low seven
        // bits name (135 would turn the volume).
        int iuser = 0; // a knob stored without a controller sends controller 0, as ever
        if (!iuserText.trimmed().isEmpty() &&
            (!TCustomIniFile::ParseInteger(iuserText, iuser) || iuser < 0 || iuser > 127)) {
            FLoadErrors.append(QCoreApplication::translate(
                                   "TKnobList",
                                   "Knob preset \"%1\": knob %2 (\"%3\") has the controller number "
                                   "%4; controller numbers run from 0 to 127, so this knob was not "
                                   "loaded.")
                                   .arg(Section)
                                   .arg(n)
                                   .arg(caption, iuserText.trimmed()));
            continue;
        }
        const int before = Count();
        AddEntry(caption, iuser, mode, value);
        if (Count() == before)
            break; // a derived list that refuses more would loop for ever
    }
}

void TKnobList::SaveToIni(TCustomIniFile &Ini, const QString &Section) const {
    if (!IsStorablePresetName(Section))
        throw EIniFileException(
            QStringLiteral("A knob preset cannot be stored under the name \"%1\".").arg(Section));
    Ini.EraseSection(Section);
    for (int i = 0; i < Count(); ++i) {
        const TKnobEntry &e = *FEntries[size_t(i)];
        const int n = i + 1;
        Ini.WriteString(Section, Numbered(ValCaption, n), e.GetCaption());
        Ini.WriteInteger(Section, Numbered(ValDisplayMode, n), e.DisplayMode);
        Ini.WriteInteger(Section, Numbered(ValDefaultValue, n), e.DefaultValue);
        Ini.WriteInteger(Section, Numbered(ValIUser, n), e.IUser);
    }
}

void TKnobList::LoadPreset(const QString &KeyPath, const QString &Name) {
    const TRegistryIniFile store(KeyPath);
    LoadFromIni(store, Name);
}

void TKnobList::SavePreset(const QString &KeyPath, const QString &Name) const {
    TRegistryIniFile store(KeyPath);
    SaveToIni(store, Name);
}

// --- Free functions --------------------------------------------------------------------------

void ListKnobPresets(const TCustomIniFile &Ini, QStringList &Names) {
    Names = Ini.ReadSections();
    Names.removeIf([](const QString &n) {
        return n.compare(DefaultPresetName, Qt::CaseInsensitive) == 0 ||
               n.compare(CurrentPresetName, Qt::CaseInsensitive) == 0;
    });
}

void ListKnobPresetsInRegistry(QStringList &Names, const QString &KeyPath) {
    const TRegistryIniFile store(KeyPath);
    ListKnobPresets(store, Names);
}

int NewKnobController(const TKnobList &List) {
    static constexpr std::array<int, 8> General{16, 17, 18, 19, 80, 81, 82, 83};
    const auto used = [&List](int Controller) {
        for (int i = 0; i < List.Count(); ++i)
            if (List.IUser(i) == Controller)
                return true;
        return false;
    };
    for (int c : General)
        if (!used(c))
            return c;
    // More undefined controllers than a list holds knobs: one is always free.
    for (int c = 0; c < MidiTool::ControllerCount; ++c)
        if (MidiTool::ControllerName(c).isEmpty() && !used(c))
            return c;
    return General.front();
}

bool IsStorablePresetName(const QString &Name) {
    if (Name.isEmpty() || Name.trimmed() != Name)
        return false;
    for (QChar c : Name)
        if (c == u']' || c == u'\\' || c == u'\n' || c == u'\r')
            return false;
    return true;
}

bool IsValidPresetName(const QString &Name) {
    return IsStorablePresetName(Name) &&
           Name.compare(DefaultPresetName, Qt::CaseInsensitive) != 0 &&
           Name.compare(CurrentPresetName, Qt::CaseInsensitive) != 0;
}

QString SnapshotValuesText(std::span<const TKnobValue> Knobs) {
    QString text;
    std::vector<int> seen;
    for (const auto &[controller, value] : Knobs) {
        if (std::find(seen.begin(), seen.end(), controller) != seen.end())
            continue;
        seen.push_back(controller);
        text += Hex2(controller) + Hex2(value);
    }
    return text;
}

std::vector<std::pair<uint8_t, uint8_t>> DecodeSnapshotValues(const QString &Text) {
    std::vector<uint8_t> bytes;
    for (qsizetype i = 0;; i += 2) {
        uint8_t b = 0;
        if (!HexToByte(Text, i, b))
            break;
        bytes.push_back(b);
    }
    std::vector<std::pair<uint8_t, uint8_t>> pairs;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2)
        if (bytes[i] < 128 && bytes[i + 1] < 128)
            pairs.emplace_back(bytes[i], bytes[i + 1]);
    return pairs;
}
