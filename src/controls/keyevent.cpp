#include "controls/keyevent.h"

#include "core/virtualkeys.h"
#include "hook/keyboardhook.h"

namespace {

QString NameOf(int ScanCode, bool Extended, uint8_t VirtualKey) {
    if (ScanCode == 0)
        ScanCode = VirtualKeys::ToScanCode(VirtualKey);
    return KeyNameText(ScanCode, Extended);
}

} // namespace

TKeyEvent::TKeyEvent(const TKeyData &Data)
    : VirtualKey(Data.VirtualKey), Extended(Data.Extended),
      Released(Data.PreviousState && Data.Transition),
      Name(NameOf(Data.ScanCode, Data.Extended, Data.VirtualKey)) {}

TKeyEvent::TKeyEvent(int ScanCode, bool Extended, bool Released)
    : VirtualKey(VirtualKeys::FromScanCode(ScanCode, Extended)), Extended(Extended),
      Released(Released), Name(NameOf(ScanCode, Extended, VirtualKey)) {}

int TKeyEvent::EventScanCode() const {
    return VirtualKeys::ToScanCode(VirtualKey);
}
