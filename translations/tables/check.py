#!/usr/bin/env python3
"""Checks a filled .ts catalogue for the faults a translator makes by hand.

    python3 check.py ../ondrel_es.ts [more.ts ...]

Fails (exit status 1) when a finished translation
- drops or adds a placeholder (%1, %L1, %n, %s ...),
- drops a trailing "..." (a menu item or button that opens a dialog) or changes the number of
  line breaks,
- loses the blank at either end of a fragment that the program joins to other text (a fragment
  of punctuation alone may attach directly),
- drops the accelerator (&) of a text that has one,
- gives two entries of one menu or one dialog page the same accelerator letter.

The menus and dialog pages are grouped below as the program builds them; a context that is not
grouped here counts as one group of all its texts with an accelerator."""
import re
import sys
import xml.etree.ElementTree as ET
from collections import Counter

PLACEHOLDER = re.compile(r'%L?(?:\d+|n)|%s')


def G(context, *sources):
    return [(context, s) for s in sources]


SETTINGS_BUTTONS = G('TSettings', '&OK', '&Apply')
ZONE_FORM = G('TZoneForm', '&Split the keyboard into zones', '&Zones:',
              '&Latch: notes sound on after their keys are let go (Insert)', '&Arpeggiator',
              '&Clock:', '&Tempo:', 'C&hannel:', 'La&yer:', '&Octave:', 'T&ranspose:', '&Program:',
              'Bank &MSB:', 'Bank LS&B:', 'Chor&d:', '&Velocity:', 'O&utput port:', 'Arpegg&iate',
              'Patt&ern:', '&Note value:', '&Gate:', 'S&wing:')

GROUPS = {
    'menu bar': G('TMainWindow', '&File', 'Midi &In', 'Midi O&ut', '&Patches', '&Knobs', '&Options',
                  '&Help'),
    'File menu': G('TExImport', '&Import', '&Export')
    + G('TMainTakes', 'Save Last &Take...', 'P&lay MIDI File...') + G('TMainWindow', 'E&xit'),
    'Import menu': G('TExImport', '&Settings', 'Knob &Presets...', '&Knob Snapshots', '&Chords...'),
    'Export menu': G('TExImport', '&Settings', 'Knob &Presets', '&Knob Snapshots', '&Chords'),
    'Midi Out menu': G('TMainWindow', 'MIDI &Service'),
    'Patches menu': G('TMainWindow', '&Choose Patch Set...'),
    'Knobs menu': G('TMainWindow', '&Presets', '&Snapshots', 'Set &up...'),
    'Snapshots menu': G('TMainWindow', '&Define'),
    'Options menu': G('TMainWindow', 'Stay &on Top', 'Midi &Thru', 'Split &Keyboard', '&Latch',
                      '&Arpeggiator', '&Zones and Arpeggiator...', 'T&ranspose...',
                      'Chord &Editor...', '&Settings...', '&Uninstall'),
    'Help menu': G('TMainWindow', '&Readme', '&Messages...', '&About'),
    'settings, General': SETTINGS_BUTTONS
    + G('TSettings', '&International', '&German', '&French / Italian'),
    'settings, Playing': SETTINGS_BUTTONS
    + G('TSettings', '% &Louder', '% &Quieter', 'Louder towards the &front of a key',
        'Finger &pressure as aftertouch', '&Touch:'),
    'settings, Keys': SETTINGS_BUTTONS
    + G('TSettings', '&Sharps (C#)', '&Flats (Db)', 'The &computer key that plays each note',
        "The patch's names of the keys (drum &kits)", '&Note names:', '&Middle C (note 60):',
        "The computer keys &play only the scale's notes", 'Ke&y:', 'Scal&e:'),
    'settings, Controller': SETTINGS_BUTTONS
    + G('TSettings', '&Up/Down Controller', '&Left/Right Controller', '&Mod Wheel Controller'),
    'settings, Joystick': SETTINGS_BUTTONS + G('TSettings', '&Joystick/Action', '&Controller'),
    'settings, Mouse Wheel': SETTINGS_BUTTONS + G('TSettings', '&Controller', '&Sensitivity'),
    'folder menu': G('TSystemListView', '&View', 'Arrange &Icons', 'Line &Up Icons', 'Re&fresh',
                     '&Paste', 'Paste &Shortcut', '&New', 'P&roperties'),
    'folder View menu': G('TSystemListView', 'Lar&ge Icons', 'S&mall Icons', '&List', '&Details'),
    'folder Arrange menu': G('TSystemListView', 'by &Name', 'by &Type', 'by Si&ze', 'by &Date',
                             '&Auto Arrange'),
    'folder item menu': G('TSystemListView', '&Open', 'Re&name', 'Cu&t', '&Copy',
                          'Move to &Trash', '&Delete Permanently'),
    'zones dialog': ZONE_FORM,
}


def accelerator(text):
    """The letter after a single &, lower-cased; None without one (&& is a literal &)."""
    m = re.search(r'(?<!&)&(?!&)(.)', text.replace('&&', ''))
    return m.group(1).lower() if m and m.group(1).isalnum() else None


def forms(message):
    tr = message.find('translation')
    if tr.get('type') in ('unfinished', 'obsolete', 'vanished'):
        return []
    if message.get('numerus') == 'yes':
        return [f.text or '' for f in tr.findall('numerusform')]
    return [tr.text or '']


def check(path):
    faults = []
    texts = {}  # (context, source) -> translation (the last form of a counted text)
    root = ET.parse(path).getroot()
    for ctx in root.findall('context'):
        name = ctx.find('name').text
        for m in ctx.findall('message'):
            src = m.find('source').text or ''
            fs = forms(m)
            if not fs:
                continue
            texts[(name, src)] = fs[-1]
            where = f'{name}: {src!r}'
            want = Counter(PLACEHOLDER.findall(src))
            for i, t in enumerate(fs):
                got = Counter(PLACEHOLDER.findall(t))
                if m.get('numerus') == 'yes' and i < len(fs) - 1:
                    # A singular may say "this item" instead of "1 item".
                    got['%n'] = want['%n']
                if got != want:
                    faults.append(f'{where}: placeholders {sorted(want.elements())} became '
                                  f'{sorted(got.elements())} in {t!r}')
                if src.endswith('...') and not t.endswith('...'):
                    faults.append(f'{where}: the trailing "..." is missing in {t!r}')
                if src.count('\n') != t.count('\n'):
                    faults.append(f'{where}: {src.count(chr(10))} line breaks became '
                                  f'{t.count(chr(10))} in {t!r}')
                if any(c.isalnum() for c in t):
                    for edge, test in (('leading', str.startswith), ('trailing', str.endswith)):
                        if test(src, ' ') != test(t, ' '):
                            faults.append(f'{where}: the {edge} blank differs in {t!r}')
                if accelerator(src) and not accelerator(t):
                    faults.append(f'{where}: the accelerator is missing in {t!r}')

    grouped = {ctx for group in GROUPS.values() for ctx, _ in group}
    groups = dict(GROUPS)
    for (ctx, src) in texts:
        if ctx not in grouped and accelerator(src):
            groups.setdefault(ctx, []).append((ctx, src))
    for label, members in groups.items():
        seen = {}
        for key in members:
            if key not in texts:
                continue  # not in this catalogue, or not finished
            letter = accelerator(texts[key])
            if letter is None:
                continue
            if letter in seen:
                faults.append(f'{label}: {texts[seen[letter]]!r} and {texts[key]!r} '
                              f'share the accelerator "{letter}"')
            else:
                seen[letter] = key
    return faults


def main():
    failed = False
    for path in sys.argv[1:]:
        faults = check(path)
        for f in faults:
            print(f'{path}: {f}')
        print(f'{path}: {len(faults)} faults', file=sys.stderr)
        failed = failed or bool(faults)
    sys.exit(1 if failed else 0)


if __name__ == '__main__':
    main()
