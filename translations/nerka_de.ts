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
    <name>nerka::ActivityLogView</name>
    <message>
        <source>Activity log</source>
        <translation>Aktivitätsprotokoll</translation>
    </message>
    <message>
        <source>No activity yet.</source>
        <translation>Noch keine Aktivität.</translation>
    </message>
</context>
<context>
    <name>nerka::BackupsDialog</name>
    <message>
        <source>Unreadable</source>
        <translation>Nicht lesbar</translation>
    </message>
    <message>
        <source>No codeplug in memory</source>
        <translation>Kein Codeplug im Speicher</translation>
    </message>
    <message>
        <source>Other radio family</source>
        <translation>Andere Gerätefamilie</translation>
    </message>
    <message>
        <source>Codeplug</source>
        <translation>Codeplug</translation>
    </message>
    <message>
        <source>Same as in memory</source>
        <translation>Gleich wie im Speicher</translation>
    </message>
    <message>
        <source>Restoring this backup would:</source>
        <translation>Das Wiederherstellen dieser Sicherung würde:</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Sicherungen</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Funkgerät</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Unterschiede</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>No backups yet. One is saved automatically before every write.</source>
        <translation>Noch keine Sicherungen. Vor jedem Schreiben wird automatisch eine gespeichert.</translation>
    </message>
    <message>
        <source>Backups of the connected radio, newest first:</source>
        <translation>Sicherungen des verbundenen Funkgeräts, neueste zuerst:</translation>
    </message>
    <message>
        <source>Backups of every radio, newest first:</source>
        <translation>Sicherungen aller Funkgeräte, neueste zuerst:</translation>
    </message>
    <message>
        <source>They will be replaced by the backup.</source>
        <translation>Sie werden durch die Sicherung ersetzt.</translation>
    </message>
    <message>
        <source>Restore this backup?</source>
        <translation>Diese Sicherung wiederherstellen?</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>nerka::ChangeSections</name>
    <message>
        <source>1 region changed</source>
        <translation>1 Bereich geändert</translation>
    </message>
    <message>
        <source>%1 regions changed</source>
        <translation>%1 Bereiche geändert</translation>
    </message>
    <message>
        <source>%1 in memory, not yet written to the device. %2</source>
        <translation>%1 im Speicher, noch nicht auf das Gerät geschrieben. %2</translation>
    </message>
</context>
<context>
    <name>nerka::ChannelBulkForm</name>
    <message>
        <source>offset</source>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>%1 left alone on 1 channel</source>
        <translation>%1 auf 1 Kanal unverändert</translation>
    </message>
    <message>
        <source>%1 left alone on %2 channels</source>
        <translation>%1 auf %2 Kanälen unverändert</translation>
    </message>
    <message>
        <source>%1 left alone on 1 DMR channel</source>
        <translation>%1 auf 1 DMR-Kanal unverändert</translation>
    </message>
    <message>
        <source>%1 left alone on %2 DMR channels</source>
        <translation>%1 auf %2 DMR-Kanälen unverändert</translation>
    </message>
    <message>
        <source>%1 left alone on 1 FM channel</source>
        <translation>%1 auf 1 FM-Kanal unverändert</translation>
    </message>
    <message>
        <source>%1 left alone on %2 FM channels</source>
        <translation>%1 auf %2 FM-Kanälen unverändert</translation>
    </message>
</context>
<context>
    <name>nerka::ChannelCellEdit</name>
    <message>
        <source>cannot be set in a cell</source>
        <translation>kann nicht in einer Zelle gesetzt werden</translation>
    </message>
</context>
<context>
    <name>nerka::ChannelEditView</name>
    <message>
        <source>Mixed</source>
        <translation>Gemischt</translation>
    </message>
    <message>
        <source>Previous channel (saves)</source>
        <translation>Vorheriger Kanal (speichert)</translation>
    </message>
    <message>
        <source>Next channel (saves)</source>
        <translation>Nächster Kanal (speichert)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>RX (MHz)</source>
        <translation>RX (MHz)</translation>
    </message>
    <message>
        <source>Ablage</source>
        <translation>Ablage</translation>
    </message>
    <message>
        <source>Ablage (MHz)</source>
        <translation>Ablage (MHz)</translation>
    </message>
    <message>
        <source>TX (MHz)</source>
        <translation>TX (MHz)</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>DMR</source>
        <translation>DMR</translation>
    </message>
    <message>
        <source>FM</source>
        <translation>FM</translation>
    </message>
    <message>
        <source>Farbcode</source>
        <translation>Farbcode</translation>
    </message>
    <message>
        <source>Farbcode: </source>
        <translation>Farbcode: </translation>
    </message>
    <message>
        <source>Contact (TX)</source>
        <translation>Kontakt (TX)</translation>
    </message>
    <message>
        <source>RX group list</source>
        <translation>RX-Gruppenliste</translation>
    </message>
    <message>
        <source>RX tone</source>
        <translation>RX-Ton</translation>
    </message>
    <message>
        <source>RX tone Frequenz</source>
        <translation>Frequenz des RX-Tons</translation>
    </message>
    <message>
        <source>RX tone Code</source>
        <translation>Code des RX-Tons</translation>
    </message>
    <message>
        <source>RX tone invertiert (D…I)</source>
        <translation>RX-Ton invertiert (D…I)</translation>
    </message>
    <message>
        <source>TX tone</source>
        <translation>TX-Ton</translation>
    </message>
    <message>
        <source>TX tone Frequenz</source>
        <translation>Frequenz des TX-Tons</translation>
    </message>
    <message>
        <source>TX tone Code</source>
        <translation>Code des TX-Tons</translation>
    </message>
    <message>
        <source>TX tone invertiert (D…I)</source>
        <translation>TX-Ton invertiert (D…I)</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>CTCSS</source>
        <translation>CTCSS</translation>
    </message>
    <message>
        <source>DCS</source>
        <translation>DCS</translation>
    </message>
    <message>
        <source>Squelch</source>
        <translation>Rauschsperre</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Stufe</translation>
    </message>
    <message>
        <source>Level: </source>
        <translation>Stufe: </translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Suchlauf</translation>
    </message>
    <message>
        <source>More</source>
        <translation>Mehr</translation>
    </message>
    <message>
        <source>APRS</source>
        <translation>APRS</translation>
    </message>
    <message>
        <source>Edit %1 channels</source>
        <translation>%1 Kanäle bearbeiten</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
    <message>
        <source>APRS %1: %2</source>
        <translation>APRS %1: %2</translation>
    </message>
    <message>
        <source>APRS %1</source>
        <translation>APRS %1</translation>
    </message>
    <message>
        <source>enter a name</source>
        <translation>Geben Sie einen Namen ein</translation>
    </message>
    <message>
        <source>New channel %1</source>
        <translation>Neuer Kanal %1</translation>
    </message>
    <message>
        <source>Edit channel %1</source>
        <translation>Kanal %1 bearbeiten</translation>
    </message>
</context>
<context>
    <name>nerka::ChannelForm</name>
    <message>
        <source>Simplex</source>
        <translation>Simplex</translation>
    </message>
    <message>
        <source>− Ablage (%1)</source>
        <translation>− Ablage (%1)</translation>
    </message>
    <message>
        <source>+ Ablage (%1)</source>
        <translation>+ Ablage (%1)</translation>
    </message>
    <message>
        <source>Eigene Ablage</source>
        <translation>Eigene Ablage</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Split</translation>
    </message>
</context>
<context>
    <name>nerka::ChannelTableModel</name>
    <message>
        <source>TX set to RX: with its offset, TX would have left the band</source>
        <translation>TX auf RX gesetzt: Mit der Ablage hätte TX das Band verlassen</translation>
    </message>
    <message>
        <source>TS%1</source>
        <translation>TS%1</translation>
    </message>
    <message>
        <source>CC %1</source>
        <translation>CC %1</translation>
    </message>
    <message>
        <source>25 kHz</source>
        <translation>25 kHz</translation>
    </message>
    <message>
        <source>12.5 kHz</source>
        <translation>12,5 kHz</translation>
    </message>
    <message>
        <source>Receive only</source>
        <translation>Nur Empfang</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
</context>
<context>
    <name>nerka::ChannelsSection</name>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Search channels</source>
        <translation>Kanäle durchsuchen</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move selection up</source>
        <translation>Auswahl nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Move selection down</source>
        <translation>Auswahl nach unten</translation>
    </message>
    <message>
        <source>Delete (0)</source>
        <translation>Löschen (0)</translation>
    </message>
    <message>
        <source>Delete selected channels</source>
        <translation>Ausgewählte Kanäle löschen</translation>
    </message>
    <message>
        <source>Renumber in this order</source>
        <translation>In dieser Reihenfolge neu nummerieren</translation>
    </message>
    <message>
        <source>Export to CSV (all fields)…</source>
        <translation>Als CSV exportieren (alle Felder)…</translation>
    </message>
    <message>
        <source>PMR446 (16 channels)</source>
        <translation>PMR446 (16 Kanäle)</translation>
    </message>
    <message>
        <source>dPMR446 (16 channels)</source>
        <translation>dPMR446 (16 Kanäle)</translation>
    </message>
    <message>
        <source>Freenet (6 channels)</source>
        <translation>Freenet (6 Kanäle)</translation>
    </message>
    <message>
        <source>From CSV file…</source>
        <translation>Aus CSV-Datei…</translation>
    </message>
    <message>
        <source>Add repeaters…</source>
        <translation>Relais hinzufügen…</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Import channels</source>
        <translation>Kanäle importieren</translation>
    </message>
    <message>
        <source>Export channels…</source>
        <translation>Kanäle exportieren…</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Fill down</source>
        <translation>Nach unten füllen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Channel &apos;%1&apos;</source>
        <translation>Kanal &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 Kanäle</translation>
    </message>
    <message>
        <source>channel %1 %2</source>
        <translation>Kanal %1 %2</translation>
    </message>
    <message>
        <source>%1 not filled: %2</source>
        <translation>%1 nicht gefüllt: %2</translation>
    </message>
    <message>
        <source>Import channels from CSV</source>
        <translation>Kanäle aus CSV importieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export channels</source>
        <translation>Kanäle exportieren</translation>
    </message>
    <message>
        <source>Export channels (all fields)</source>
        <translation>Kanäle exportieren (alle Felder)</translation>
    </message>
    <message>
        <source>Edit %1 channels…</source>
        <translation>%1 Kanäle bearbeiten…</translation>
    </message>
    <message>
        <source>Delete (%1)</source>
        <translation>Löschen (%1)</translation>
    </message>
    <message>
        <source>Delete %1 channels</source>
        <translation>%1 Kanäle löschen</translation>
    </message>
</context>
<context>
    <name>nerka::CompareDialog</name>
    <message>
        <source>Cannot compare</source>
        <translation>Vergleich nicht möglich</translation>
    </message>
    <message>
        <source>Compare with File</source>
        <translation>Mit Datei vergleichen</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Änderungen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Codeplug files (*.nerka *.ogd77)</source>
        <translation>Codeplug-Dateien (*.nerka *.ogd77)</translation>
    </message>
    <message>
        <source>Nerka codeplug (*.nerka)</source>
        <translation>Nerka-Codeplug (*.nerka)</translation>
    </message>
    <message>
        <source>OpenGD77 codeplug (*.ogd77)</source>
        <translation>OpenGD77-Codeplug (*.ogd77)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No codeplug loaded.</source>
        <translation>Kein Codeplug geladen.</translation>
    </message>
    <message>
        <source>The codeplug in memory holds the same as %1.</source>
        <translation>Der Codeplug im Speicher enthält dasselbe wie %1.</translation>
    </message>
    <message>
        <source>From this codeplug to the file %1: %2.</source>
        <translation>Von diesem Codeplug zur Datei %1: %2.</translation>
    </message>
</context>
<context>
    <name>nerka::ConnectionView</name>
    <message>
        <source>UV380 (STM32, &apos;X&apos;)</source>
        <translation>UV380 (STM32, &apos;X&apos;)</translation>
    </message>
    <message>
        <source>GD77 (MK22, &apos;W&apos;)</source>
        <translation>GD77 (MK22, &apos;W&apos;)</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>Refresh ports</source>
        <translation>Anschlüsse aktualisieren</translation>
    </message>
    <message>
        <source>No device found</source>
        <translation>Kein Gerät gefunden</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Verbinden</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Build</source>
        <translation>Build</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Protokoll</translation>
    </message>
    <message>
        <source>Flash serial no.</source>
        <translation>Flash-Seriennr.</translation>
    </message>
    <message>
        <source>The device must be switched on and connected via USB.</source>
        <translation>Das Gerät muss eingeschaltet und per USB verbunden sein.</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>nerka::ContactEditView</name>
    <message>
        <source>New contact (slot %1)</source>
        <translation>Neuer Kontakt (Platz %1)</translation>
    </message>
    <message>
        <source>Edit contact %1</source>
        <translation>Kontakt %1 bearbeiten</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>DMR-ID</source>
        <translation>DMR-ID</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Typ</translation>
    </message>
    <message>
        <source>Time slot override</source>
        <translation>Zeitschlitz erzwingen</translation>
    </message>
    <message>
        <source>Name: enter a name</source>
        <translation>Name: Geben Sie einen Namen ein</translation>
    </message>
    <message>
        <source>DMR-ID: must be a number from 1 to 16777215</source>
        <translation>DMR-ID: muss eine Zahl von 1 bis 16777215 sein</translation>
    </message>
</context>
<context>
    <name>nerka::ContactsSection</name>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Import contacts…</source>
        <translation>Kontakte importieren…</translation>
    </message>
    <message>
        <source>Export contacts…</source>
        <translation>Kontakte exportieren…</translation>
    </message>
    <message>
        <source>Search contacts</source>
        <translation>Kontakte durchsuchen</translation>
    </message>
    <message>
        <source>contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>Contact &apos;%1&apos;</source>
        <translation>Kontakt &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Import contacts from CSV</source>
        <translation>Kontakte aus CSV importieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export contacts</source>
        <translation>Kontakte exportieren</translation>
    </message>
</context>
<context>
    <name>nerka::DMRDatabaseFigures</name>
    <message>
        <source>Imported %1 entries exceed the ~%2 that fit; the preferred prefixes decide which are written.</source>
        <translation>Die %1 importierten Einträge übersteigen die ~%2, die passen; die bevorzugten Präfixe entscheiden, welche geschrieben werden.</translation>
    </message>
    <message>
        <source>Imported %1 entries exceed the ~%2 that fit; only the first %2 (lowest DMR IDs) will be written.</source>
        <translation>Die %1 importierten Einträge übersteigen die ~%2, die passen; nur die ersten %2 (niedrigste DMR-IDs) werden geschrieben.</translation>
    </message>
    <message>
        <source>Imported %1 entries exceed the ~%2 that fit uncompressed; switch Format to Compressed to fit the full worldwide database.</source>
        <translation>Die %1 importierten Einträge übersteigen die ~%2, die unkomprimiert passen; stellen Sie das Format auf Komprimiert, damit die ganze weltweite Datenbank passt.</translation>
    </message>
    <message>
        <source>showing first %1 of %2</source>
        <translation>die ersten %1 von %2</translation>
    </message>
    <message>
        <source>Download from %1</source>
        <translation>Von %1 herunterladen</translation>
    </message>
    <message>
        <source>Use Import CSV…, Download from %1, or Read from device to load entries.</source>
        <translation>Laden Sie Einträge mit CSV importieren…, Von %1 herunterladen oder Vom Gerät lesen.</translation>
    </message>
    <message>
        <source>Only %1 of the %2 entries fit: the %1 with the lowest DMR IDs will be written to the DMR-ID database flash area. The device will reboot afterwards. Your codeplug is not affected.</source>
        <translation>Nur %1 der %2 Einträge passen: Die %1 mit den niedrigsten DMR-IDs werden in den Flash-Bereich der DMR-ID-Datenbank geschrieben. Das Gerät startet danach neu. Ihr Codeplug bleibt unberührt.</translation>
    </message>
    <message>
        <source>%1 entries will be written to the DMR-ID database flash area. The device will reboot afterwards. Your codeplug is not affected.</source>
        <translation>%1 Einträge werden in den Flash-Bereich der DMR-ID-Datenbank geschrieben. Das Gerät startet danach neu. Ihr Codeplug bleibt unberührt.</translation>
    </message>
    <message>
        <source>The device will reboot afterwards. Your codeplug is not affected.</source>
        <translation>Das Gerät startet danach neu. Ihr Codeplug bleibt unberührt.</translation>
    </message>
    <message>
        <source>No preferred prefixes</source>
        <translation>Keine bevorzugten Präfixe</translation>
    </message>
    <message>
        <source>; not a prefix or a known country: %1</source>
        <translation>; kein Präfix und kein bekanntes Land: %1</translation>
    </message>
    <message>
        <source>No preferred prefixes: the lowest IDs fill the radio.</source>
        <translation>Keine bevorzugten Präfixe: Die niedrigsten IDs füllen das Funkgerät.</translation>
    </message>
    <message>
        <source>%1 entries in the selection, all fit</source>
        <translation>%1 Einträge in der Auswahl, alle passen</translation>
    </message>
    <message>
        <source>%1 entries in the selection, %2 fit</source>
        <translation>%1 Einträge in der Auswahl, %2 passen</translation>
    </message>
    <message>
        <source>%1; %2 more fill the rest of the radio.</source>
        <translation>%1; %2 weitere füllen den Rest des Funkgeräts.</translation>
    </message>
    <message>
        <source>%1; nothing else is written.</source>
        <translation>%1; sonst wird nichts geschrieben.</translation>
    </message>
    <message>
        <source>%1 keeps none of %2</source>
        <translation>%1 behält keinen von %2</translation>
    </message>
    <message>
        <source>%1 keeps %2 of %3</source>
        <translation>%1 behält %2 von %3</translation>
    </message>
    <message>
        <source>Cut: %1</source>
        <translation>Gekürzt: %1</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>Keine Treffer</translation>
    </message>
    <message>
        <source>1 match</source>
        <translation>1 Treffer</translation>
    </message>
    <message>
        <source>%1 matches</source>
        <translation>%1 Treffer</translation>
    </message>
    <message>
        <source>showing first %1 of %2 matches</source>
        <translation>die ersten %1 von %2 Treffern</translation>
    </message>
    <message>
        <source>Compressed (worldwide)</source>
        <translation>Komprimiert (weltweit)</translation>
    </message>
    <message>
        <source>Uncompressed</source>
        <translation>Unkomprimiert</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>Vorname</translation>
    </message>
    <message>
        <source>Full name</source>
        <translation>Vollständiger Name</translation>
    </message>
</context>
<context>
    <name>nerka::DMRDatabaseView</name>
    <message>
        <source>DMR Database</source>
        <translation>DMR-Datenbank</translation>
    </message>
    <message>
        <source>Import CSV…</source>
        <translation>CSV importieren…</translation>
    </message>
    <message>
        <source>Read from device</source>
        <translation>Vom Gerät lesen</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>CSV exportieren…</translation>
    </message>
    <message>
        <source>Write to device</source>
        <translation>Auf das Gerät schreiben</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>On device</source>
        <translation>Auf dem Gerät</translation>
    </message>
    <message>
        <source>Imported</source>
        <translation>Importiert</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapazität</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Name shown</source>
        <translation>Angezeigter Name</translation>
    </message>
    <message>
        <source>Text length</source>
        <translation>Textlänge</translation>
    </message>
    <message>
        <source>Preferred prefixes</source>
        <translation>Bevorzugte Präfixe</translation>
    </message>
    <message>
        <source>e.g. 262, 263, 232 or Germany, Austria</source>
        <translation>z. B. 262, 263, 232 oder Germany, Austria</translation>
    </message>
    <message>
        <source>DMR ID prefixes in priority order. Their entries are written first; a prefix that does not fit whole keeps its lowest IDs.</source>
        <translation>DMR-ID-Präfixe nach Vorrang. Ihre Einträge werden zuerst geschrieben; ein Präfix, das nicht ganz passt, behält seine niedrigsten IDs.</translation>
    </message>
    <message>
        <source>Prefixes read</source>
        <translation>Erkannte Präfixe</translation>
    </message>
    <message>
        <source>Fill the rest of the radio</source>
        <translation>Rest des Funkgeräts auffüllen</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Cut prefixes</source>
        <translation>Gekürzte Präfixe</translation>
    </message>
    <message>
        <source>No DMR database loaded</source>
        <translation>Keine DMR-Datenbank geladen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Search by ID, callsign or name</source>
        <translation>Nach ID, Rufzeichen oder Name suchen</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Importing DMR IDs…</source>
        <translation>DMR-IDs werden importiert…</translation>
    </message>
    <message>
        <source>Import DMR IDs from CSV</source>
        <translation>DMR-IDs aus CSV importieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv *.txt)</source>
        <translation>CSV-Dateien (*.csv *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export DMR IDs to CSV</source>
        <translation>DMR-IDs als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>Write DMR database to the device?</source>
        <translation>DMR-Datenbank auf das Gerät schreiben?</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>nerka::DMRPreviewModel</name>
    <message>
        <source>DMR ID</source>
        <translation>DMR-ID</translation>
    </message>
    <message>
        <source>Callsign / Name</source>
        <translation>Rufzeichen / Name</translation>
    </message>
</context>
<context>
    <name>nerka::Dialogs</name>
    <message>
        <source>Save to file…</source>
        <translation>In Datei speichern…</translation>
    </message>
</context>
<context>
    <name>nerka::ErrorAlert</name>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>nerka::FileCommands</name>
    <message>
        <source>Open…</source>
        <translation>Öffnen…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Speichern unter…</translation>
    </message>
    <message>
        <source>Backups…</source>
        <translation>Sicherungen…</translation>
    </message>
    <message>
        <source>Compare with File…</source>
        <translation>Mit Datei vergleichen…</translation>
    </message>
    <message>
        <source>Codeplug as CSV files…</source>
        <translation>Codeplug als CSV-Dateien…</translation>
    </message>
    <message>
        <source>Codeplug from CSV files…</source>
        <translation>Codeplug aus CSV-Dateien…</translation>
    </message>
    <message>
        <source>Codeplug files (*.nerka *.ogd77)</source>
        <translation>Codeplug-Dateien (*.nerka *.ogd77)</translation>
    </message>
    <message>
        <source>Nerka codeplug (*.nerka)</source>
        <translation>Nerka-Codeplug (*.nerka)</translation>
    </message>
    <message>
        <source>OpenGD77 codeplug (*.ogd77)</source>
        <translation>OpenGD77-Codeplug (*.ogd77)</translation>
    </message>
    <message>
        <source>Open codeplug file</source>
        <translation>Codeplug-Datei öffnen</translation>
    </message>
    <message>
        <source>Discard unsaved changes?</source>
        <translation>Ungespeicherte Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>They will be lost when opening the file.</source>
        <translation>Sie gehen beim Öffnen der Datei verloren.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save codeplug</source>
        <translation>Codeplug speichern</translation>
    </message>
    <message>
        <source>Export codeplug as CSV files</source>
        <translation>Codeplug als CSV-Dateien exportieren</translation>
    </message>
    <message>
        <source>Import codeplug from CSV files</source>
        <translation>Codeplug aus CSV-Dateien importieren</translation>
    </message>
    <message>
        <source>Found %1.

Update: a row changes the record of its name; other rows are added.
Append: every row becomes a new record.
Replace: the records of each kind become the file&apos;s rows.</source>
        <translation>Gefunden: %1.

Aktualisieren: Eine Zeile ändert den Eintrag ihres Namens; andere Zeilen werden hinzugefügt.
Anhängen: Jede Zeile wird ein neuer Eintrag.
Ersetzen: Die Einträge jeder Art werden die Zeilen der Datei.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Anhängen</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
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
    <name>nerka::ListSection</name>
    <message>
        <source>Clear search</source>
        <translation>Suche leeren</translation>
    </message>
    <message>
        <source>More commands</source>
        <translation>Weitere Befehle</translation>
    </message>
    <message>
        <source>No %1 match &apos;%2&apos;</source>
        <translation>Keine %1 passen zu &apos;%2&apos;</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 Kanal</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 Kanälen</translation>
    </message>
    <message>
        <source>1 talkgroup</source>
        <translation>1 Sprechgruppe</translation>
    </message>
    <message>
        <source>%1 talkgroups</source>
        <translation>%1 Sprechgruppen</translation>
    </message>
    <message>
        <source>1 zone</source>
        <translation>1 Zone</translation>
    </message>
    <message>
        <source>%1 zones</source>
        <translation>%1 Zonen</translation>
    </message>
    <message>
        <source>%1 are used by %2. Delete them and clear those references?</source>
        <translation>%1 werden von %2 verwendet. Löschen und diese Verweise leeren?</translation>
    </message>
    <message>
        <source>%1 is used by %2. Delete it and clear those references?</source>
        <translation>%1 wird von %2 verwendet. Löschen und diese Verweise leeren?</translation>
    </message>
    <message>
        <source> and </source>
        <translation> und </translation>
    </message>
    <message>
        <source>Delete and clear references?</source>
        <translation>Löschen und Verweise leeren?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>%1 löschen</translation>
    </message>
</context>
<context>
    <name>nerka::MainToolbar</name>
    <message>
        <source>Transfer</source>
        <translation>Übertragung</translation>
    </message>
    <message>
        <source>Load from device</source>
        <translation>Vom Gerät laden</translation>
    </message>
    <message>
        <source>Write changes</source>
        <translation>Änderungen schreiben</translation>
    </message>
    <message>
        <source>Write changes to device</source>
        <translation>Änderungen auf das Gerät schreiben</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Trennen</translation>
    </message>
    <message>
        <source>More commands</source>
        <translation>Weitere Befehle</translation>
    </message>
    <message numerus="yes">
        <source>%n ungespeichert</source>
        <translation>
            <numerusform>%n ungespeichert</numerusform>
            <numerusform>%n ungespeichert</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>nerka::MainWindow</name>
    <message>
        <source>1 changed region will be written to the device.</source>
        <translation>1 geänderter Bereich wird auf das Gerät geschrieben.</translation>
    </message>
    <message>
        <source>%1 changed regions will be written to the device.</source>
        <translation>%1 geänderte Bereiche werden auf das Gerät geschrieben.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>Weitere Menüs</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>&amp;Gerät</translation>
    </message>
    <message>
        <source>Connection…</source>
        <translation>Verbindung…</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Fill down</source>
        <translation>Nach unten füllen</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Columns…</source>
        <translation>Spalten…</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Einstellungen…</translation>
    </message>
    <message>
        <source>Discard unsaved changes?</source>
        <translation>Ungespeicherte Änderungen verwerfen?</translation>
    </message>
    <message>
        <source>They will be lost when reading again.</source>
        <translation>Sie gehen beim erneuten Lesen verloren.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Neu lesen</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Write changes to the device?</source>
        <translation>Änderungen auf das Gerät schreiben?</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>The radio&apos;s codeplug has not been read in this connection, so the changes cannot be listed. It is read and saved as a backup before anything is written.</source>
        <translation>Der Codeplug des Funkgeräts wurde in dieser Verbindung nicht gelesen, daher können die Änderungen nicht aufgelistet werden. Er wird vor dem Schreiben gelesen und als Sicherung gespeichert.</translation>
    </message>
    <message>
        <source>No record differs from what the radio holds now; 1 changed region will be written to the device.</source>
        <translation>Kein Eintrag unterscheidet sich vom Inhalt des Funkgeräts; 1 geänderter Bereich wird auf das Gerät geschrieben.</translation>
    </message>
    <message>
        <source>No record differs from what the radio holds now; %1 changed regions will be written to the device.</source>
        <translation>Kein Eintrag unterscheidet sich vom Inhalt des Funkgeräts; %1 geänderte Bereiche werden auf das Gerät geschrieben.</translation>
    </message>
    <message>
        <source>%1. These changes will be written to the device.</source>
        <translation>%1. Diese Änderungen werden auf das Gerät geschrieben.</translation>
    </message>
    <message>
        <source>What the write changes on the radio:</source>
        <translation>Was das Schreiben auf dem Funkgerät ändert:</translation>
    </message>
    <message>
        <source>Codeplug</source>
        <translation>Codeplug</translation>
    </message>
    <message>
        <source> — Nerka</source>
        <translation> — Nerka</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Verbunden</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Getrennt</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>%1 rückgängig</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>%1 wiederholen</translation>
    </message>
</context>
<context>
    <name>nerka::MemberSelection</name>
    <message>
        <source>%1/%2 contacts</source>
        <translation>%1/%2 Kontakte</translation>
    </message>
    <message>
        <source>%1/%2 channels — drag to reorder</source>
        <translation>%1/%2 Kanäle — zum Umordnen ziehen</translation>
    </message>
</context>
<context>
    <name>nerka::MembershipGridView</name>
    <message>
        <source>Zone membership</source>
        <translation>Zonen-Mitgliedschaft</translation>
    </message>
    <message>
        <source>Talkgroup membership</source>
        <translation>Sprechgruppen-Mitgliedschaft</translation>
    </message>
</context>
<context>
    <name>nerka::MembershipModel</name>
    <message>
        <source>Talkgroup %1</source>
        <translation>Sprechgruppe %1</translation>
    </message>
    <message>
        <source> — private call</source>
        <translation> — Einzelruf</translation>
    </message>
    <message>
        <source> — all call</source>
        <translation> — Sammelruf</translation>
    </message>
    <message>
        <source>%1: %2/%3 channels</source>
        <translation>%1: %2/%3 Kanäle</translation>
    </message>
    <message>
        <source>%1: %2/%3 contacts</source>
        <translation>%1: %2/%3 Kontakte</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
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
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Auto-connect on launch</source>
        <translation>Beim Start automatisch verbinden</translation>
    </message>
    <message>
        <source>On launch, tries to reconnect to the last used device with exponential backoff (max. 30 s).</source>
        <translation>Versucht beim Start, sich mit wachsenden Abständen (max. 30 s) wieder mit dem zuletzt verwendeten Gerät zu verbinden.</translation>
    </message>
    <message>
        <source>Load codeplug after auto-connect</source>
        <translation>Codeplug nach automatischem Verbinden laden</translation>
    </message>
    <message>
        <source>Reads the codeplug automatically — but only if no codeplug is loaded and there are no unsaved changes.</source>
        <translation>Liest den Codeplug automatisch — aber nur, wenn kein Codeplug geladen ist und es keine ungespeicherten Änderungen gibt.</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Write whole regions (slower, for troubleshooting)</source>
        <translation>Ganze Bereiche schreiben (langsamer, zur Fehlersuche)</translation>
    </message>
    <message>
        <source>By default a write sends only the blocks that changed since the radio&apos;s codeplug was read.</source>
        <translation>Standardmäßig sendet ein Schreibvorgang nur die Blöcke, die sich seit dem Lesen des Codeplugs geändert haben.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>Anschlüsse</translation>
    </message>
    <message>
        <source>Show all serial ports</source>
        <translation>Alle seriellen Anschlüsse zeigen</translation>
    </message>
    <message>
        <source>By default only OpenGD77 devices (USB 1FC9:0094) are shown.</source>
        <translation>Standardmäßig werden nur OpenGD77-Geräte (USB 1FC9:0094) angezeigt.</translation>
    </message>
    <message>
        <source>Remembered port</source>
        <translation>Gemerkter Anschluss</translation>
    </message>
    <message>
        <source>Forget remembered port</source>
        <translation>Gemerkten Anschluss vergessen</translation>
    </message>
</context>
<context>
    <name>nerka::QuitGuard</name>
    <message>
        <source>The radio is being written. Quitting now can leave it with part of the codeplug; do not unplug it until the write is verified.</source>
        <translation>Das Funkgerät wird beschrieben. Wenn Sie jetzt beenden, kann es einen unvollständigen Codeplug behalten; stecken Sie es nicht ab, bis das Schreiben geprüft ist.</translation>
    </message>
    <message>
        <source>A write is in progress</source>
        <translation>Ein Schreibvorgang läuft</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>They will be lost on quit.</source>
        <translation>Sie gehen beim Beenden verloren.</translation>
    </message>
</context>
<context>
    <name>nerka::RecordEditors</name>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Could not locate channel %1 in memory.</source>
        <translation>Kanal %1 wurde im Speicher nicht gefunden.</translation>
    </message>
    <message>
        <source>Contact memory is full (max %1).</source>
        <translation>Der Kontaktspeicher ist voll (max. %1).</translation>
    </message>
    <message>
        <source>Talkgroup memory is full (max %1).</source>
        <translation>Der Sprechgruppenspeicher ist voll (max. %1).</translation>
    </message>
    <message>
        <source>Zone memory is full (max %1).</source>
        <translation>Der Zonenspeicher ist voll (max. %1).</translation>
    </message>
    <message>
        <source>Satellite memory is full (max %1).</source>
        <translation>Der Satellitenspeicher ist voll (max. %1).</translation>
    </message>
</context>
<context>
    <name>nerka::RecordSheet</name>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>Nothing is saved while the input is invalid.</source>
        <translation>Solange die Eingabe ungültig ist, wird nichts gespeichert.</translation>
    </message>
</context>
<context>
    <name>nerka::RepeaterSheet</name>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add repeaters</source>
        <translation>Relais hinzufügen</translation>
    </message>
    <message>
        <source>Repeaters</source>
        <translation>Relais</translation>
    </message>
    <message>
        <source>Call sign</source>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>RX (MHz)</source>
        <translation>RX (MHz)</translation>
    </message>
    <message>
        <source>TX (MHz)</source>
        <translation>TX (MHz)</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>Distance (km)</source>
        <translation>Entfernung (km)</translation>
    </message>
    <message>
        <source>Bearing</source>
        <translation>Richtung</translation>
    </message>
    <message>
        <source>List</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>File or https:// address</source>
        <translation>Datei oder https://-Adresse</translation>
    </message>
    <message>
        <source>Choose file…</source>
        <translation>Datei wählen…</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>Repeater list</source>
        <translation>Relaisliste</translation>
    </message>
    <message>
        <source>Repeater lists (*.json *.csv)</source>
        <translation>Relaislisten (*.json *.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Near</source>
        <translation>In der Nähe von</translation>
    </message>
    <message>
        <source>Locator (JN58td) or latitude, longitude</source>
        <translation>Locator (JN58td) oder Breite, Länge</translation>
    </message>
    <message>
        <source>Radius (km)</source>
        <translation>Umkreis (km)</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Bundesland</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Bänder</translation>
    </message>
    <message>
        <source>2 m</source>
        <translation>2 m</translation>
    </message>
    <message>
        <source>70 cm</source>
        <translation>70 cm</translation>
    </message>
    <message>
        <source>Modes</source>
        <translation>Betriebsarten</translation>
    </message>
    <message>
        <source>FM</source>
        <translation>FM</translation>
    </message>
    <message>
        <source>DMR</source>
        <translation>DMR</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Check channels</source>
        <translation>Kanäle prüfen</translation>
    </message>
    <message>
        <source>Compare the zone&apos;s channels with the list</source>
        <translation>Kanäle der Zone mit der Liste vergleichen</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>%1 wird gelesen…</translation>
    </message>
    <message>
        <source>Near: not a locator or latitude, longitude.</source>
        <translation>In der Nähe von: kein Locator und keine Breite, Länge.</translation>
    </message>
    <message>
        <source>2m</source>
        <translation>2m</translation>
    </message>
    <message>
        <source>70cm</source>
        <translation>70cm</translation>
    </message>
    <message>
        <source>Choose a band.</source>
        <translation>Wählen Sie ein Band.</translation>
    </message>
    <message>
        <source>Choose a mode.</source>
        <translation>Wählen Sie eine Betriebsart.</translation>
    </message>
    <message>
        <source>DMR CC%1</source>
        <translation>DMR CC%1</translation>
    </message>
    <message>
        <source>Choose a repeater list: a file, or the address of a list.</source>
        <translation>Wählen Sie eine Relaisliste: eine Datei oder die Adresse einer Liste.</translation>
    </message>
    <message>
        <source>1 repeater</source>
        <translation>1 Relais</translation>
    </message>
    <message>
        <source>%1 repeaters</source>
        <translation>%1 Relais</translation>
    </message>
    <message>
        <source>No zone is named &apos;%1&apos;.</source>
        <translation>Keine Zone heißt &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Every channel of zone &apos;%1&apos; agrees with the list.</source>
        <translation>Jeder Kanal der Zone &apos;%1&apos; stimmt mit der Liste überein.</translation>
    </message>
    <message>
        <source>Zone: a name is needed.</source>
        <translation>Zone: Ein Name wird benötigt.</translation>
    </message>
</context>
<context>
    <name>nerka::ReportCommands</name>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Report as PDF…</source>
        <translation>Bericht als PDF…</translation>
    </message>
    <message>
        <source>Report as HTML…</source>
        <translation>Bericht als HTML…</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Print the whole report, or a pocket card with a page per zone?</source>
        <translation>Den ganzen Bericht drucken oder eine Taschenkarte mit einer Seite je Zone?</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Pocket card</source>
        <translation>Taschenkarte</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Export report as PDF</source>
        <translation>Bericht als PDF exportieren</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export report as HTML</source>
        <translation>Bericht als HTML exportieren</translation>
    </message>
    <message>
        <source>HTML (*.html *.htm)</source>
        <translation>HTML (*.html *.htm)</translation>
    </message>
    <message>
        <source>Could not lay out the report.</source>
        <translation>Der Bericht konnte nicht gesetzt werden.</translation>
    </message>
    <message>
        <source>Report written to %1.</source>
        <translation>Bericht nach %1 geschrieben.</translation>
    </message>
</context>
<context>
    <name>nerka::SatelliteEditView</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Up to 8 characters, and it must match the satellite&apos;s name in the TLE data (e.g. SO-50, AO-91) so Import can find its orbital data.</source>
        <translation>Bis zu 8 Zeichen; er muss dem Namen des Satelliten in den TLE-Daten entsprechen (z. B. SO-50, AO-91), damit der Import seine Bahndaten findet.</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>APRS</source>
        <translation>APRS</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Sonstige</translation>
    </message>
    <message>
        <source>RX (MHz)</source>
        <translation>RX (MHz)</translation>
    </message>
    <message>
        <source>TX (MHz)</source>
        <translation>TX (MHz)</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>nicht gesetzt</translation>
    </message>
    <message>
        <source>TX CTCSS</source>
        <translation>TX-CTCSS</translation>
    </message>
    <message>
        <source>Arm CTCSS</source>
        <translation>CTCSS zum Aktivieren</translation>
    </message>
    <message>
        <source>Keps epoch (UTC)</source>
        <translation>Keps-Epoche (UTC)</translation>
    </message>
    <message>
        <source>Name: enter a name</source>
        <translation>Name: Geben Sie einen Namen ein</translation>
    </message>
    <message>
        <source> (or empty for not set)</source>
        <translation> (oder leer für nicht gesetzt)</translation>
    </message>
    <message>
        <source>New satellite (slot %1)</source>
        <translation>Neuer Satellit (Platz %1)</translation>
    </message>
    <message>
        <source>Edit satellite %1</source>
        <translation>Satellit %1 bearbeiten</translation>
    </message>
</context>
<context>
    <name>nerka::SatelliteFormRules</name>
    <message>
        <source>None</source>
        <translation>Keiner</translation>
    </message>
</context>
<context>
    <name>nerka::SatellitePickerRules</name>
    <message>
        <source>no FM transponder</source>
        <translation>kein FM-Transponder</translation>
    </message>
    <message>
        <source>RX %1 · TX %2</source>
        <translation>RX %1 · TX %2</translation>
    </message>
    <message>
        <source>%1 selected — %2 free slot(s)</source>
        <translation>%1 ausgewählt — %2 freie Plätze</translation>
    </message>
    <message>
        <source>Too many for the free slots</source>
        <translation>Zu viele für die freien Plätze</translation>
    </message>
</context>
<context>
    <name>nerka::SatellitePickerView</name>
    <message>
        <source>Add satellites</source>
        <translation>Satelliten hinzufügen</translation>
    </message>
    <message>
        <source>Frequencies come from the SatNOGS database. CTCSS tones are filled in where SatNOGS lists one — check them, and set any arming tone in the editor.</source>
        <translation>Die Frequenzen stammen aus der SatNOGS-Datenbank. CTCSS-Töne werden eingetragen, wo SatNOGS einen nennt — prüfen Sie sie und setzen Sie einen Aktivierungston im Editor.</translation>
    </message>
    <message>
        <source>Only FM satellites</source>
        <translation>Nur FM-Satelliten</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Suche leeren</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>  in codeplug</source>
        <translation>  im Codeplug</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>ausgewählt</translation>
    </message>
    <message>
        <source>not selected</source>
        <translation>nicht ausgewählt</translation>
    </message>
</context>
<context>
    <name>nerka::SatelliteTableModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>RX (MHz)</source>
        <translation>RX (MHz)</translation>
    </message>
    <message>
        <source>TX (MHz)</source>
        <translation>TX (MHz)</translation>
    </message>
    <message>
        <source>CTCSS</source>
        <translation>CTCSS</translation>
    </message>
    <message>
        <source>Keps epoch (UTC)</source>
        <translation>Keps-Epoche (UTC)</translation>
    </message>
</context>
<context>
    <name>nerka::SatellitesSection</name>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>From TLE file…</source>
        <translation>Aus TLE-Datei…</translation>
    </message>
    <message>
        <source>Import satellite TLEs</source>
        <translation>Satelliten-TLEs importieren</translation>
    </message>
    <message>
        <source>Search satellites</source>
        <translation>Satelliten durchsuchen</translation>
    </message>
    <message>
        <source>satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>No satellites in this codeplug. Use Import to download the current keps and pick the satellites you want.</source>
        <translation>Keine Satelliten in diesem Codeplug. Laden Sie mit Importieren die aktuellen Keps herunter und wählen Sie die gewünschten Satelliten.</translation>
    </message>
    <message>
        <source>Keps files (*.txt *.tle *.all)</source>
        <translation>Keps-Dateien (*.txt *.tle *.all)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Download satellites (%1)</source>
        <translation>Satelliten herunterladen (%1)</translation>
    </message>
</context>
<context>
    <name>nerka::SettingsEditView</name>
    <message>
        <source>Device settings</source>
        <translation>Geräteeinstellungen</translation>
    </message>
    <message>
        <source>Changes take effect only after writing to the device.</source>
        <translation>Änderungen wirken erst nach dem Schreiben auf das Gerät.</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Funkgerät</translation>
    </message>
    <message>
        <source>Callsign</source>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>DMR-ID</source>
        <translation>DMR-ID</translation>
    </message>
    <message>
        <source>VHF</source>
        <translation>VHF</translation>
    </message>
    <message>
        <source>Minimum (MHz)</source>
        <translation>Minimum (MHz)</translation>
    </message>
    <message>
        <source>Maximum (MHz)</source>
        <translation>Maximum (MHz)</translation>
    </message>
    <message>
        <source>UHF</source>
        <translation>UHF</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>No settings loaded</source>
        <translation>Keine Einstellungen geladen</translation>
    </message>
    <message>
        <source>Please load a codeplug first — via Load from device or the File › Open menu.</source>
        <translation>Bitte laden Sie zuerst einen Codeplug — über Vom Gerät laden oder das Menü Datei › Öffnen.</translation>
    </message>
    <message>
        <source>The call sign or the DMR ID is empty: a radio written with this codeplug has no identity on the air, unless the write keeps the radio&apos;s own.</source>
        <translation>Rufzeichen oder DMR-ID ist leer: Ein mit diesem Codeplug beschriebenes Funkgerät hat keine Kennung auf der Luft, es sei denn, das Schreiben behält die eigene des Funkgeräts.</translation>
    </message>
</context>
<context>
    <name>nerka::SettingsForm</name>
    <message>
        <source>DMR-ID: must be a number from 1 to 16777215</source>
        <translation>DMR-ID: muss eine Zahl von 1 bis 16777215 sein</translation>
    </message>
    <message>
        <source>: must be a whole number of MHz from %1 to %2</source>
        <translation>: muss eine ganze Zahl von MHz zwischen %1 und %2 sein</translation>
    </message>
    <message>
        <source> Minimum (MHz)</source>
        <translation> Minimum (MHz)</translation>
    </message>
    <message>
        <source> Maximum (MHz)</source>
        <translation> Maximum (MHz)</translation>
    </message>
    <message>
        <source> Maximum (MHz): must not be below the minimum (%1)</source>
        <translation> Maximum (MHz): darf nicht unter dem Minimum (%1) liegen</translation>
    </message>
    <message>
        <source>VHF</source>
        <translation>VHF</translation>
    </message>
    <message>
        <source>UHF</source>
        <translation>UHF</translation>
    </message>
</context>
<context>
    <name>nerka::Sidebar</name>
    <message>
        <source>Connection</source>
        <translation>Verbindung</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
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
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>Talkgroups</source>
        <translation>Sprechgruppen</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>DMR Database</source>
        <translation>DMR-Datenbank</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Farbschema</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Seitenleiste</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>Codeplug</source>
        <translation>Codeplug</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
</context>
<context>
    <name>nerka::TalkgroupEditView</name>
    <message>
        <source>New talkgroup (slot %1)</source>
        <translation>Neue Sprechgruppe (Platz %1)</translation>
    </message>
    <message>
        <source>Edit talkgroup %1</source>
        <translation>Sprechgruppe %1 bearbeiten</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>No contacts available.</source>
        <translation>Keine Kontakte vorhanden.</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source> — private call, not a talkgroup</source>
        <translation> — Einzelruf, keine Sprechgruppe</translation>
    </message>
    <message>
        <source> — all call, not a talkgroup</source>
        <translation> — Sammelruf, keine Sprechgruppe</translation>
    </message>
    <message>
        <source> — no such contact</source>
        <translation> — Kontakt nicht vorhanden</translation>
    </message>
</context>
<context>
    <name>nerka::TalkgroupListModel</name>
    <message>
        <source>No members</source>
        <translation>Keine Mitglieder</translation>
    </message>
    <message>
        <source>1 member: %1</source>
        <translation>1 Mitglied: %1</translation>
    </message>
    <message>
        <source>%1 members: %2</source>
        <translation>%1 Mitglieder: %2</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>nerka::TalkgroupsSection</name>
    <message>
        <source>Talkgroups</source>
        <translation>Sprechgruppen</translation>
    </message>
    <message>
        <source>talkgroup</source>
        <translation>Sprechgruppe</translation>
    </message>
    <message>
        <source>Membership</source>
        <translation>Mitgliedschaft</translation>
    </message>
    <message>
        <source>Contacts × talkgroups</source>
        <translation>Kontakte × Sprechgruppen</translation>
    </message>
    <message>
        <source>Search talkgroups</source>
        <translation>Sprechgruppen durchsuchen</translation>
    </message>
    <message>
        <source>talkgroups</source>
        <translation>Sprechgruppen</translation>
    </message>
    <message>
        <source>Search contacts</source>
        <translation>Kontakte durchsuchen</translation>
    </message>
    <message>
        <source>Talkgroup &apos;%1&apos;</source>
        <translation>Sprechgruppe &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>nerka::ThemeView</name>
    <message>
        <source>Theme (*.gtm)</source>
        <translation>Farbschema (*.gtm)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Farbschema</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Tag</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Nacht</translation>
    </message>
    <message>
        <source>Import theme (.gtm)</source>
        <translation>Farbschema importieren (.gtm)</translation>
    </message>
    <message>
        <source>Export theme (.gtm)</source>
        <translation>Farbschema exportieren (.gtm)</translation>
    </message>
    <message>
        <source>Please load a codeplug first.</source>
        <translation>Bitte laden Sie zuerst einen Codeplug.</translation>
    </message>
    <message>
        <source>This device has no %1 theme in the codeplug.</source>
        <translation>Dieses Gerät hat kein Farbschema „%1“ im Codeplug.</translation>
    </message>
</context>
<context>
    <name>nerka::WritePanel</name>
    <message>
        <source>Write progress</source>
        <translation>Schreibfortschritt</translation>
    </message>
    <message>
        <source>Changes written</source>
        <translation>Änderungen geschrieben</translation>
    </message>
    <message>
        <source>%1 progress</source>
        <translation>Fortschritt: %1</translation>
    </message>
    <message>
        <source>Do not unplug the radio</source>
        <translation>Funkgerät nicht abstecken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Geprüft</translation>
    </message>
    <message>
        <source>Written; not verified (switched off)</source>
        <translation>Geschrieben; nicht geprüft (abgeschaltet)</translation>
    </message>
    <message>
        <source>%1. Backup: %2</source>
        <translation>%1. Sicherung: %2</translation>
    </message>
    <message>
        <source>Writing the DMR database</source>
        <translation>DMR-Datenbank wird geschrieben</translation>
    </message>
    <message>
        <source>Writing the codeplug</source>
        <translation>Codeplug wird geschrieben</translation>
    </message>
    <message>
        <source>The write failed</source>
        <translation>Das Schreiben ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>The write is finished</source>
        <translation>Das Schreiben ist abgeschlossen</translation>
    </message>
</context>
<context>
    <name>nerka::ZoneEditView</name>
    <message>
        <source>New zone (slot %1)</source>
        <translation>Neue Zone (Platz %1)</translation>
    </message>
    <message>
        <source>Edit zone %1</source>
        <translation>Zone %1 bearbeiten</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Filter channels</source>
        <translation>Kanäle filtern</translation>
    </message>
    <message>
        <source>Clear filter</source>
        <translation>Filter leeren</translation>
    </message>
    <message>
        <source>Channels to add</source>
        <translation>Hinzuzufügende Kanäle</translation>
    </message>
    <message>
        <source>Add channel</source>
        <translation>Kanal hinzufügen</translation>
    </message>
    <message>
        <source>No channels in the zone yet.</source>
        <translation>Noch keine Kanäle in der Zone.</translation>
    </message>
    <message>
        <source>Channels in the zone</source>
        <translation>Kanäle in der Zone</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Remove from zone</source>
        <translation>Aus Zone entfernen</translation>
    </message>
    <message>
        <source>Only %1 more fit (max %2 channels).</source>
        <translation>Nur noch %1 passen (max. %2 Kanäle).</translation>
    </message>
</context>
<context>
    <name>nerka::ZoneListModel</name>
    <message>
        <source>No channels</source>
        <translation>Keine Kanäle</translation>
    </message>
    <message>
        <source>1 channel: %1</source>
        <translation>1 Kanal: %1</translation>
    </message>
    <message>
        <source>%1 channels: %2</source>
        <translation>%1 Kanäle: %2</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
</context>
<context>
    <name>nerka::ZoneMembershipMenu</name>
    <message>
        <source>Add to zone</source>
        <translation>Zu Zone hinzufügen</translation>
    </message>
    <message>
        <source>Remove from zone</source>
        <translation>Aus Zone entfernen</translation>
    </message>
    <message>
        <source>New zone from selection…</source>
        <translation>Neue Zone aus Auswahl…</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <translation>Zone %1</translation>
    </message>
    <message>
        <source>New zone from selection</source>
        <translation>Neue Zone aus Auswahl</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Anlegen</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>nerka::ZonesSection</name>
    <message>
        <source>Zones</source>
        <translation>Zonen</translation>
    </message>
    <message>
        <source>zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move zone up</source>
        <translation>Zone nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Move zone down</source>
        <translation>Zone nach unten</translation>
    </message>
    <message>
        <source>Membership</source>
        <translation>Mitgliedschaft</translation>
    </message>
    <message>
        <source>Channels × zones</source>
        <translation>Kanäle × Zonen</translation>
    </message>
    <message>
        <source>Search zones</source>
        <translation>Zonen durchsuchen</translation>
    </message>
    <message>
        <source>zones</source>
        <translation>Zonen</translation>
    </message>
    <message>
        <source>Search channels</source>
        <translation>Kanäle durchsuchen</translation>
    </message>
</context>
</TS>
