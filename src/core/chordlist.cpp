#include "core/chordlist.h"

#include "core/custominifile.h"
#include "core/registryinifile.h"

#include <QHash>
#include <QSet>

#include <algorithm>

namespace {

int HexDigit(QChar C) {
    const char16_t c = C.unicode();
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// The byte of the two hex digits at Pos, or -1.
int HexByte(const QString &Text, qsizetype Pos) {
    if (Pos + 2 > Text.size())
        return -1;
    const int high = HexDigit(Text[Pos]);
    const int low = HexDigit(Text[Pos + 1]);
    return high < 0 || low < 0 ? -1 : high * 16 + low;
}

QString HexPair(int Byte) {
    return QStringLiteral("%1").arg(Byte & 0xFF, 2, 16, QLatin1Char('0')).toUpper();
}

} // namespace

EChordAssertion::EChordAssertion(const QString &Message)
    : std::logic_error(QStringLiteral("%1 (UChordList)").arg(Message).toStdString()),
      FMessage(Message) {}

// --- TChordEntry --------------------------------------------------------------------------------

TChordEntry::TChordEntry(const QString &Name) : FName(Name) {}

TChordEntry::TChordEntry(const QString &Name, const QString &Text) {
    FromText(Name, Text);
}

void TChordEntry::Reset() {
    FRoot = -1;
    FCount = 0;
    FOffsets.fill(0);
}

void TChordEntry::ToggleNote(int Note) {
    if (Note < 0 || Note > 127)
        return;
    if (FCount == 0 && (FRoot < 0 || Note == FRoot)) {
        FRoot = FRoot < 0 ? Note : -1;
        return;
    }
    const int d = Note - FRoot;
    if (d == 0 || d < MinOffset || d > MaxOffset)
        return;
    const auto begin = FOffsets.begin();
    const auto end = begin + FCount;
    const auto found = std::find(begin, end, int8_t(d));
    if (found != end) {
        std::move(found + 1, end, found);
        FOffsets[size_t(--FCount)] = 0;
    } else if (FCount < MaxOffsets) {
        FOffsets[size_t(FCount++)] = int8_t(d);
    }
}

QString TChordEntry::ToText() const {
    if (FRoot < 0)
        return {};
    QString text = HexPair(FRoot);
    for (int i = 0; i < FCount; ++i)
        text += HexPair(FOffsets[size_t(i)]);
    return text;
}

void TChordEntry::FromText(const QString &Name, const QString &Text) {
    Reset();
    FName = Name;
    const int root = HexByte(Text, 0);
    // A root above 127 is no note: such a chord could only ever be shown and played wrongly.
    if (root < 0 || root > 127)
        return;
    FRoot = root;
    for (qsizetype pos = 2; FCount < MaxOffsets; pos += 2) {
        const int byte = HexByte(Text, pos);
        if (byte <= 0)
            break;
        FOffsets[size_t(FCount++)] = int8_t(uint8_t(byte));
    }
}

// --- TChordList ---------------------------------------------------------------------------------

TChordEntry &TChordList::Items(int Index) const {
    if (Index < 0 || Index >= Count())
        throw EChordAssertion(QStringLiteral("Index out of bounds"));
    return *FItems[size_t(Index)];
}

int TChordList::IndexOf(const TChordEntry *Entry) const {
    for (int i = 0; i < Count(); ++i)
        if (FItems[size_t(i)].get() == Entry)
            return i;
    return -1;
}

QString TChordList::NameKey(const QString &Name) {
    // Full Unicode case folding, so that names like "Ärger" and "ärger" meet, also when one of
    // them was typed with a combining mark.
    return Name.normalized(QString::NormalizationForm_C).toCaseFolded();
}

int TChordList::IndexOfName(const QString &Name) const {
    const QString wanted = NameKey(Name);
    for (int i = 0; i < Count(); ++i)
        if (NameKey(FItems[size_t(i)]->Name()) == wanted)
            return i;
    return -1;
}

TChordEntry &TChordList::NewChord() {
    QString name = NewChordName;
    for (int n = 2; IndexOfName(name) >= 0; ++n)
        name = QStringLiteral("%1 %2").arg(NewChordName).arg(n);
    FItems.push_back(std::make_unique<TChordEntry>(name));
    return *FItems.back();
}

bool TChordList::DeleteChord(const TChordEntry *Entry) {
    const int index = IndexOf(Entry);
    if (index < 0)
        return false;
    FItems.erase(FItems.begin() + index);
    return true;
}

int TChordList::LoadFromIni(const TCustomIniFile &Ini, bool Keep) {
    if (!Keep)
        Clear();
    // One pass with the names in a hash: a file of thousands of chords loads in linear time.
    // A replaced entry is only marked; the list is rebuilt once at the end.
    struct TSlot {
        std::unique_ptr<TChordEntry> Entry;
        bool Replaced = false;
    };
    std::vector<TSlot> loaded;
    loaded.reserve(FItems.size());
    QHash<QString, size_t> byName;
    for (auto &item : FItems) {
        byName.insert(NameKey(item->Name()), loaded.size());
        loaded.push_back({std::move(item), false});
    }
    int added = 0;
    for (int n = 1;; ++n) {
        const QString name = Ini.ReadString(Section, ValName + QString::number(n), QString());
        const QString text = Ini.ReadString(Section, ValChord + QString::number(n), QString());
        if (name.isEmpty() || text.isEmpty())
            break;
        auto entry = std::make_unique<TChordEntry>(name, text);
        // A definition that gives no chord must not wipe out a good one of the same name.
        if (entry->OffsetCount() == 0)
            continue;
        const QString key = NameKey(name);
        if (const auto older = byName.find(key); older != byName.end()) {
            loaded[*older].Replaced = true;
            *older = loaded.size();
        } else {
            byName.insert(key, loaded.size());
        }
        loaded.push_back({std::move(entry), false});
        ++added;
    }
    FItems.clear();
    FItems.reserve(loaded.size());
    for (auto &slot : loaded)
        if (!slot.Replaced)
            FItems.push_back(std::move(slot.Entry));
    return added;
}

int TChordList::SaveToIni(TCustomIniFile &Ini) const {
    Ini.EraseSection(Section);
    // Reading stops at the first empty name or text, so writing a chord without notes (or
    // without a name) would hide every chord after it; such a chord would not load anyway.
    int written = 0;
    for (const auto &e : FItems) {
        if (e->OffsetCount() == 0 || e->Name().trimmed().isEmpty())
            continue;
        ++written;
        Ini.WriteString(Section, ValName + QString::number(written), e->Name());
        Ini.WriteString(Section, ValChord + QString::number(written), e->ToText());
    }
    return written;
}

void TChordList::RememberStored() {
    FStored.clear();
    for (const auto &e : FItems)
        FStored.insert(NameKey(e->Name()), {e->Name(), e->ToText()});
}

void TChordList::LoadFromRegistry() {
    try {
        const TRegistryIniFile store;
        LoadFromIni(store, false);
    } catch (const EIniFileException &e) {
        qWarning("Chords not read: %s", qUtf8Printable(e.Message()));
    } catch (const std::exception &e) {
        qWarning("Chords not read: %s", e.what());
    }
    RememberStored();
}

void TChordList::MergeStored(const TChordList &Stored) {
    QHash<QString, const TChordEntry *> there;
    for (const auto &e : Stored.FItems)
        there.insert(NameKey(e->Name()), e.get());
    std::vector<std::unique_ptr<TChordEntry>> merged;
    QSet<QString> mine;
    for (auto &e : FItems) {
        const QString key = NameKey(e->Name());
        mine.insert(key);
        const auto was = FStored.constFind(key);
        // A new spelling of the name ("jazz" to "Jazz") is a change too.
        if (was == FStored.cend() || was->second != e->ToText() || was->first != e->Name()) {
            merged.push_back(std::move(e)); // added or changed here
        } else if (const TChordEntry *other = there.value(key)) {
            // Untouched here: as it stands now, perhaps changed elsewhere. The entry itself
            // stays, so that what points to it still does.
            if (other->ToText() != e->ToText() || other->Name() != e->Name())
                e->FromText(other->Name(), other->ToText());
            merged.push_back(std::move(e));
        }
        // Untouched here and no longer stored: deleted elsewhere.
    }
    for (const auto &e : Stored.FItems) {
        const QString key = NameKey(e->Name());
        // Neither here nor known here: added elsewhere. Known but not here: deleted here.
        if (!mine.contains(key) && !FStored.contains(key))
            merged.push_back(std::make_unique<TChordEntry>(e->Name(), e->ToText()));
    }
    FItems = std::move(merged);
}

QString TChordList::SaveToRegistry() {
    try {
        TRegistryIniFile::Update([this](TRegistryIniFile &store) {
            TChordList stored;
            stored.LoadFromIni(store, false);
            MergeStored(stored);
            SaveToIni(store);
        });
    } catch (const EIniFileException &e) {
        return e.Message();
    } catch (const std::exception &e) {
        qWarning("Chords not saved: %s", e.what());
        return QString::fromLocal8Bit(e.what());
    }
    // Kept in memory after a failed save too: the store saves it later.
    RememberStored();
    return {};
}
