# English singular forms of the texts said with a count.
T = {
'%n knob presets saved successfully.': ('%n knob preset saved successfully.', '%n knob presets saved successfully.'),
'%n knob snapshots saved successfully.': ('%n knob snapshot saved successfully.', '%n knob snapshots saved successfully.'),
'%n custom chords saved successfully.': ('%n custom chord saved successfully.', '%n custom chords saved successfully.'),
'%n knob presets loaded successfully.': ('%n knob preset loaded successfully.', '%n knob presets loaded successfully.'),
'%n knob snapshots loaded successfully.': ('%n knob snapshot loaded successfully.', '%n knob snapshots loaded successfully.'),
'%n custom chords loaded successfully.': ('%n custom chord loaded successfully.', '%n custom chords loaded successfully.'),
'%n items': ('%n item', '%n items'),
'MIDI input overflowed: %n messages lost': ('MIDI input overflowed: %n message lost', 'MIDI input overflowed: %n messages lost'),
'MIDI thru overflowed: %n messages lost': ('MIDI thru overflowed: %n message lost', 'MIDI thru overflowed: %n messages lost'),
'Delete these %n items permanently?': ('Delete this item permanently?', 'Delete these %n items permanently?'),
'%n folders': ('%n folder', '%n folders'), '%n files': ('%n file', '%n files'),
}
