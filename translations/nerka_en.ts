<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>QComboBox</name>
    <message>
        <source>Open the combo box selection popup</source>
        <translation>Open the combo box selection popup</translation>
    </message>
</context>
<context>
    <name>nerka::PreferencesWindow</name>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Applies the next time Nerka starts.</source>
        <translation>Applies the next time Nerka starts.</translation>
    </message>
</context>
</TS>
