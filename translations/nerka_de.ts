<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>QComboBox</name>
    <message>
        <source>Open the combo box selection popup</source>
        <translation>Auswahlliste öffnen</translation>
    </message>
</context>
<context>
    <name>nerka::PreferencesWindow</name>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Applies the next time Nerka starts.</source>
        <translation>Gilt ab dem nächsten Start von Nerka.</translation>
    </message>
</context>
</TS>
