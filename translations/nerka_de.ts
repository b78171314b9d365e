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
    <name>WriteQuestion</name>
    <message>
        <source>This radio (flash serial %1) is not the one the codeplug was read from (%2): its codeplug is read first, and everything that differs is written.</source>
        <translation>Dieses Funkgerät (Flash-Seriennummer %1) ist nicht das, aus dem der Codeplug gelesen wurde (%2): Sein Codeplug wird zuerst gelesen, und alles, was abweicht, wird geschrieben.</translation>
    </message>
    <message>
        <source>The codeplug was started without a radio: only its records replace the radio&apos;s, whose own settings stay.</source>
        <translation>Der Codeplug wurde ohne Funkgerät angelegt: Nur seine Einträge ersetzen die des Funkgeräts; dessen eigene Einstellungen bleiben.</translation>
    </message>
    <message>
        <source>The codeplug has no call sign or DMR ID; the radio keeps its own.</source>
        <translation>Der Codeplug hat kein Rufzeichen und keine DMR-ID; das Funkgerät behält seine eigenen.</translation>
    </message>
    <message>
        <source>Call sign and DMR ID to be written: %1, %2.</source>
        <translation>Zu schreibendes Rufzeichen und DMR-ID: %1, %2.</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keines)</translation>
    </message>
    <message>
        <source>Write with this radio&apos;s own identity</source>
        <translation>Mit der eigenen Kennung dieses Funkgeräts schreiben</translation>
    </message>
</context>
<context>
    <name>nerka::LibraryCommands</name>
    <message>
        <source>New…</source>
        <translation>Neu…</translation>
    </message>
    <message>
        <source>Merge from codeplug…</source>
        <translation>Aus Codeplug übernehmen…</translation>
    </message>
    <message>
        <source>Discard unsaved changes?</source>
        <translation>Ungespeicherte Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>They will be lost when starting a new codeplug.</source>
        <translation>Sie gehen verloren, wenn ein neuer Codeplug angelegt wird.</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>New codeplug</source>
        <translation>Neuer Codeplug</translation>
    </message>
    <message>
        <source>Which radio family is the codeplug for? It starts without channels, contacts, talkgroups, zones and call sign; written to a radio, only its records replace the radio&apos;s, whose own settings stay.</source>
        <translation>Für welche Gerätefamilie ist der Codeplug? Er beginnt ohne Kanäle, Kontakte, Sprechgruppen, Zonen und Rufzeichen; auf ein Funkgerät geschrieben, ersetzen nur seine Einträge die des Funkgeräts, dessen eigene Einstellungen bleiben.</translation>
    </message>
    <message>
        <source>GD-77 family</source>
        <translation>GD-77-Familie</translation>
    </message>
    <message>
        <source>UV380 family</source>
        <translation>UV380-Familie</translation>
    </message>
    <message>
        <source>Merge from codeplug</source>
        <translation>Aus Codeplug übernehmen</translation>
    </message>
</context>
<context>
    <name>nerka::MergeSheet</name>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>Talkgroups</source>
        <translation>Sprechgruppen</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Zones</source>
        <translation>Zonen</translation>
    </message>
    <message>
        <source>contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>talkgroups</source>
        <translation>Sprechgruppen</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>zones</source>
        <translation>Zonen</translation>
    </message>
    <message>
        <source>new</source>
        <translation>neu</translation>
    </message>
    <message>
        <source>same as here</source>
        <translation>wie hier</translation>
    </message>
    <message>
        <source>differs from the one of this name here</source>
        <translation>weicht vom gleichnamigen hier ab</translation>
    </message>
    <message>
        <source>Merge from %1</source>
        <translation>Aus %1 übernehmen</translation>
    </message>
    <message>
        <source>Tick the records to take. A zone brings its channels, a channel its TX contact and group list, a group list its contacts; what is here under the same name and holds the same is used.</source>
        <translation>Die zu übernehmenden Einträge ankreuzen. Eine Zone bringt ihre Kanäle mit, ein Kanal seinen TX-Kontakt und seine Gruppenliste, eine Gruppenliste ihre Kontakte; was hier gleichnamig und gleich ist, wird verwendet.</translation>
    </message>
    <message>
        <source>Record</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Here</source>
        <translation>Hier</translation>
    </message>
    <message>
        <source>Records of %1</source>
        <translation>Einträge von %1</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 %2 of %3 have the name of a different record here: %4. What should happen to them?</source>
        <translation>%1 %2 aus %3 tragen den Namen eines anderen Eintrags hier: %4. Was soll mit ihnen geschehen?</translation>
    </message>
    <message>
        <source>Name clash</source>
        <translation>Namensgleichheit</translation>
    </message>
    <message>
        <source>Use existing</source>
        <translation>Vorhandenen verwenden</translation>
    </message>
    <message>
        <source>Add as a copy</source>
        <translation>Als Kopie hinzufügen</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
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
<context>
    <name>nerka::SettingsEditView</name>
    <message>
        <source>The call sign or the DMR ID is empty: a radio written with this codeplug has no identity on the air, unless the write keeps the radio&apos;s own.</source>
        <translation>Rufzeichen oder DMR-ID ist leer: Ein mit diesem Codeplug beschriebenes Funkgerät hat keine Kennung auf der Luft, es sei denn, das Schreiben behält die eigene des Funkgeräts.</translation>
    </message>
</context>
</TS>
