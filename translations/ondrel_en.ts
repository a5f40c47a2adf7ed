<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="en">
<context>
    <name>TExImport</name>
    <message numerus="yes">
        <source>%n knob presets saved successfully.</source>
        <translation>
            <numerusform>%n knob preset saved successfully.</numerusform><numerusform>%n knob presets saved successfully.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n knob snapshots saved successfully.</source>
        <translation>
            <numerusform>%n knob snapshot saved successfully.</numerusform><numerusform>%n knob snapshots saved successfully.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n custom chords saved successfully.</source>
        <translation>
            <numerusform>%n custom chord saved successfully.</numerusform><numerusform>%n custom chords saved successfully.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n knob presets loaded successfully.</source>
        <translation>
            <numerusform>%n knob preset loaded successfully.</numerusform><numerusform>%n knob presets loaded successfully.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n knob snapshots loaded successfully.</source>
        <translation>
            <numerusform>%n knob snapshot loaded successfully.</numerusform><numerusform>%n knob snapshots loaded successfully.</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n custom chords loaded successfully.</source>
        <translation>
            <numerusform>%n custom chord loaded successfully.</numerusform><numerusform>%n custom chords loaded successfully.</numerusform></translation>
    </message>
</context>
<context>
    <name>TFileOperations</name>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n item</numerusform><numerusform>%n items</numerusform></translation>
    </message>
</context>
<context>
    <name>TMidiRouter</name>
    <message numerus="yes">
        <source>MIDI input overflowed: %n messages lost</source>
        <translation>
            <numerusform>MIDI input overflowed: %n message lost</numerusform><numerusform>MIDI input overflowed: %n messages lost</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>MIDI thru overflowed: %n messages lost</source>
        <translation>
            <numerusform>MIDI thru overflowed: %n message lost</numerusform><numerusform>MIDI thru overflowed: %n messages lost</numerusform></translation>
    </message>
</context>
<context>
    <name>TSystemListView</name>
    <message numerus="yes">
        <source>Delete these %n items permanently?</source>
        <translation>
            <numerusform>Delete this item permanently?</numerusform><numerusform>Delete these %n items permanently?</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n items</source>
        <translation>
            <numerusform>%n item</numerusform><numerusform>%n items</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n folders</source>
        <translation>
            <numerusform>%n folder</numerusform><numerusform>%n folders</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n files</source>
        <translation>
            <numerusform>%n file</numerusform><numerusform>%n files</numerusform></translation>
    </message>
</context>
</TS>