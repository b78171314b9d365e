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
    <name>WriteQuestion</name>
    <message>
        <source>This radio (flash serial %1) is not the one the codeplug was read from (%2): its codeplug is read first, and everything that differs is written.</source>
        <translation>This radio (flash serial %1) is not the one the codeplug was read from (%2): its codeplug is read first, and everything that differs is written.</translation>
    </message>
    <message>
        <source>The codeplug was started without a radio: only its records replace the radio&apos;s, whose own settings stay.</source>
        <translation>The codeplug was started without a radio: only its records replace the radio&apos;s, whose own settings stay.</translation>
    </message>
    <message>
        <source>The codeplug has no call sign or DMR ID; the radio keeps its own.</source>
        <translation>The codeplug has no call sign or DMR ID; the radio keeps its own.</translation>
    </message>
    <message>
        <source>Call sign and DMR ID to be written: %1, %2.</source>
        <translation>Call sign and DMR ID to be written: %1, %2.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(none)</translation>
    </message>
    <message>
        <source>Write with this radio&apos;s own identity</source>
        <translation>Write with this radio&apos;s own identity</translation>
    </message>
</context>
<context>
    <name>nerka::LibraryCommands</name>
    <message>
        <source>New…</source>
        <translation>New…</translation>
    </message>
    <message>
        <source>Merge from codeplug…</source>
        <translation>Merge from codeplug…</translation>
    </message>
    <message>
        <source>Discard unsaved changes?</source>
        <translation>Discard unsaved changes?</translation>
    </message>
    <message>
        <source>They will be lost when starting a new codeplug.</source>
        <translation>They will be lost when starting a new codeplug.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>New codeplug</source>
        <translation>New codeplug</translation>
    </message>
    <message>
        <source>Which radio family is the codeplug for? It starts without channels, contacts, talkgroups, zones and call sign; written to a radio, only its records replace the radio&apos;s, whose own settings stay.</source>
        <translation>Which radio family is the codeplug for? It starts without channels, contacts, talkgroups, zones and call sign; written to a radio, only its records replace the radio&apos;s, whose own settings stay.</translation>
    </message>
    <message>
        <source>GD-77 family</source>
        <translation>GD-77 family</translation>
    </message>
    <message>
        <source>UV380 family</source>
        <translation>UV380 family</translation>
    </message>
    <message>
        <source>Merge from codeplug</source>
        <translation>Merge from codeplug</translation>
    </message>
</context>
<context>
    <name>nerka::MergeSheet</name>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Talkgroups</source>
        <translation>Talkgroups</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>Zones</source>
        <translation>Zones</translation>
    </message>
    <message>
        <source>contacts</source>
        <translation>contacts</translation>
    </message>
    <message>
        <source>talkgroups</source>
        <translation>talkgroups</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>channels</translation>
    </message>
    <message>
        <source>zones</source>
        <translation>zones</translation>
    </message>
    <message>
        <source>new</source>
        <translation>new</translation>
    </message>
    <message>
        <source>same as here</source>
        <translation>same as here</translation>
    </message>
    <message>
        <source>differs from the one of this name here</source>
        <translation>differs from the one of this name here</translation>
    </message>
    <message>
        <source>Merge from %1</source>
        <translation>Merge from %1</translation>
    </message>
    <message>
        <source>Tick the records to take. A zone brings its channels, a channel its TX contact and group list, a group list its contacts; what is here under the same name and holds the same is used.</source>
        <translation>Tick the records to take. A zone brings its channels, a channel its TX contact and group list, a group list its contacts; what is here under the same name and holds the same is used.</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>Here</source>
        <translation>Here</translation>
    </message>
    <message>
        <source>Records of %1</source>
        <translation>Records of %1</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Merge</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>%1 %2 of %3 have the name of a different record here: %4. What should happen to them?</source>
        <translation>%1 %2 of %3 have the name of a different record here: %4. What should happen to them?</translation>
    </message>
    <message>
        <source>Name clash</source>
        <translation>Name clash</translation>
    </message>
    <message>
        <source>Use existing</source>
        <translation>Use existing</translation>
    </message>
    <message>
        <source>Add as a copy</source>
        <translation>Add as a copy</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Replace</translation>
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
<context>
    <name>nerka::SettingsEditView</name>
    <message>
        <source>The call sign or the DMR ID is empty: a radio written with this codeplug has no identity on the air, unless the write keeps the radio&apos;s own.</source>
        <translation>The call sign or the DMR ID is empty: a radio written with this codeplug has no identity on the air, unless the write keeps the radio&apos;s own.</translation>
    </message>
</context>
</TS>
