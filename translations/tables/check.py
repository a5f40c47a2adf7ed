#!/usr/bin/env python3
"""Checks a filled .ts file: usage: check.py ondrel_xx.ts...

Fails (status 1) when a translation
- drops or adds a placeholder (%1, %L1, %n, %s),
- drops the "..." that ends a menu item opening a dialog, or a line break,
- repeats an accelerator letter within one menu or dialog page,
- (French) keeps the English double quotes, or lacks the no-break spaces inside « ».
or when a text is left unfinished."""
import collections, re, sys, xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r'%L?(?:\d+|n)|%s')
MNEMONIC = re.compile(r'&(?!&)(.)')

# The texts that share one menu or one dialog page, where a context holds several (or a menu
# gathers texts of several contexts). Other contexts are one group each.
# Each group: (name, [(context, source), ...]).
def g(context, *sources):
    return [(context, s) for s in sources]

GROUPS = [
    ('menu bar', g('TMainWindow', '&File', 'Midi &In', 'Midi O&ut', '&Patches', '&Knobs',
                   '&Options', '&Help')),
    ('File menu', g('TMainTakes', 'Save Last &Take...', 'P&lay MIDI File...')
     + g('TExImport', '&Import', '&Export') + g('TMainWindow', 'E&xit')),
    ('Import menu', g('TExImport', '&Settings', 'Knob &Presets...', '&Knob Snapshots',
                      '&Chords...')),
    ('Export menu', g('TExImport', '&Settings', 'Knob &Presets', '&Knob Snapshots', '&Chords')),
    ('Midi Out menu', g('TMainWindow', 'MIDI &Service')),
    ('Patches menu', g('TMainWindow', '&Choose Patch Set...')),
    ('Knobs menu', g('TMainWindow', '&Presets', '&Snapshots', 'Set &up...')),
    ('Snapshots menu', g('TMainWindow', '&Define')),
    ('Options menu', g('TMainWindow', 'Stay &on Top', 'Midi &Thru', 'Split &Keyboard', '&Latch',
                       '&Arpeggiator', '&Zones and Arpeggiator...', 'T&ranspose...',
                       'Chord &Editor...', '&Settings...', '&Uninstall')),
    ('Help menu', g('TMainWindow', '&Readme', '&Messages...', '&About')),
    # The settings dialog: its buttons show with every page.
    ('Settings: General', g('TSettings', '&OK', '&Apply', '&International', '&German',
                            '&French / Italian')),
    ('Settings: Playing', g('TSettings', '&OK', '&Apply', '% &Louder', '% &Quieter',
                            'Louder towards the &front of a key', 'Finger &pressure as aftertouch',
                            '&Touch:')),
    ('Settings: Controller', g('TSettings', '&OK', '&Apply', '&Up/Down Controller',
                               '&Left/Right Controller', '&Mod Wheel Controller')),
    ('Settings: Joystick', g('TSettings', '&OK', '&Apply', '&Joystick/Action', '&Controller')),
    ('Settings: Mouse Wheel', g('TSettings', '&OK', '&Apply', '&Controller', '&Sensitivity')),
    ('Settings: Keys', g('TSettings', '&OK', '&Apply', '&Sharps (C#)', '&Flats (Db)',
                         'The &computer key that plays each note',
                         "The patch's names of the keys (drum &kits)", '&Note names:',
                         '&Middle C (note 60):', "The computer keys &play only the scale's notes",
                         'Ke&y:', 'Scal&e:')),
    # The file view's menus.
    ('file view menu', g('TSystemListView', '&View', 'Arrange &Icons', 'Line &Up Icons',
                         'Re&fresh', '&Paste', 'Paste &Shortcut', '&New', 'P&roperties')),
    ('View menu', g('TSystemListView', 'Lar&ge Icons', 'S&mall Icons', '&List', '&Details')),
    ('Arrange Icons menu', g('TSystemListView', 'by &Name', 'by &Type', 'by Si&ze', 'by &Date',
                             '&Auto Arrange')),
    ('New menu', g('TSystemListView', '&Folder')),
    ('item menu', g('TSystemListView', '&Open', 'Re&name', 'Cu&t', '&Copy', 'Move to &Trash',
                    '&Delete Permanently')),
]
GROUPED = {c for _, members in GROUPS for c, _ in members}


def forms(message):
    tr = message.find('translation')
    if message.get('numerus') == 'yes':
        return [f.text or '' for f in tr.findall('numerusform')]
    return [tr.text or '']


def main(path):
    root = ET.parse(path).getroot()
    french = root.get('language', '').startswith('fr')
    faults, unfinished = [], 0
    texts = {}
    for ctx in root.findall('context'):
        name = ctx.find('name').text
        for m in ctx.findall('message'):
            src = m.find('source').text or ''
            tr = m.find('translation')
            if tr.get('type') == 'unfinished' or not any(forms(m)):
                unfinished += 1
                continue
            said = forms(m)
            texts[(name, src)] = said[-1]
            where = f'{name}: {src!r}'
            want = collections.Counter(PLACEHOLDER.findall(src))
            for text in said:
                got = collections.Counter(PLACEHOLDER.findall(text))
                if m.get('numerus') == 'yes':
                    # One form may leave the count unsaid ("this item"), not both.
                    want.pop('%n', None), got.pop('%n', None)
                if got != want:
                    faults.append(f'{where}: placeholders {sorted(want.elements())} '
                                  f'became {sorted(got.elements())} in {text!r}')
                if src.endswith('...') and not text.endswith('...'):
                    faults.append(f'{where}: the trailing "..." is lost in {text!r}')
                if src.count('\n') != text.count('\n'):
                    faults.append(f'{where}: {src.count(chr(10))} line breaks became '
                                  f'{text.count(chr(10))} in {text!r}')
                if french:
                    if '"' in text:
                        faults.append(f'{where}: English quotes in {text!r}')
                    if re.search(r'«(?!\u00a0)|(?<!\u00a0)»', text):
                        faults.append(f'{where}: « » without no-break spaces in {text!r}')
            if m.get('numerus') == 'yes' and not any('%n' in t for t in said):
                faults.append(f'{where}: no form says %n')

    groups = list(GROUPS)
    by_context = collections.defaultdict(list)
    for (name, src) in texts:
        if name not in GROUPED and MNEMONIC.search(src):
            by_context[name].append((name, src))
    groups += sorted(by_context.items())
    for group, members in groups:
        letters = collections.defaultdict(list)
        for key in members:
            if key not in texts:
                continue
            hit = MNEMONIC.search(texts[key])
            if hit is None:
                if MNEMONIC.search(key[1]):
                    faults.append(f'{key[0]}: {key[1]!r}: the accelerator is lost in '
                                  f'{texts[key]!r}')
                continue
            letters[hit.group(1).lower()].append(texts[key])
        for letter, said in letters.items():
            if len(said) > 1:
                faults.append(f'{group}: accelerator {letter!r} repeats: {said}')

    for fault in faults:
        print(fault)
    print(f'{path}: {len(faults)} faults, {unfinished} unfinished', file=sys.stderr)
    return 1 if faults or unfinished else 0


if __name__ == '__main__':
    sys.exit(max(main(path) for path in sys.argv[1:]))
