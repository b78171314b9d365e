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
    <name>nerka::ActivityLogView</name>
    <message>
        <source>Activity log</source>
        <translation>Activity log</translation>
    </message>
    <message>
        <source>No activity yet.</source>
        <translation>No activity yet.</translation>
    </message>
</context>
<context>
    <name>nerka::BackupsDialog</name>
    <message>
        <source>Unreadable</source>
        <translation>Unreadable</translation>
    </message>
    <message>
        <source>No codeplug in memory</source>
        <translation>No codeplug in memory</translation>
    </message>
    <message>
        <source>Other radio family</source>
        <translation>Other radio family</translation>
    </message>
    <message>
        <source>Codeplug</source>
        <translation>Codeplug</translation>
    </message>
    <message>
        <source>Same as in memory</source>
        <translation>Same as in memory</translation>
    </message>
    <message>
        <source>Restoring this backup would:</source>
        <translation>Restoring this backup would:</translation>
    </message>
    <message>
        <source>Backups</source>
        <translation>Backups</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>Differences</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Restore</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>No backups yet. One is saved automatically before every write.</source>
        <translation>No backups yet. One is saved automatically before every write.</translation>
    </message>
    <message>
        <source>Backups of the connected radio, newest first:</source>
        <translation>Backups of the connected radio, newest first:</translation>
    </message>
    <message>
        <source>Backups of every radio, newest first:</source>
        <translation>Backups of every radio, newest first:</translation>
    </message>
    <message>
        <source>They will be replaced by the backup.</source>
        <translation>They will be replaced by the backup.</translation>
    </message>
    <message>
        <source>Restore this backup?</source>
        <translation>Restore this backup?</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>nerka::ChangeSections</name>
    <message>
        <source>1 region changed</source>
        <translation>1 region changed</translation>
    </message>
    <message>
        <source>%1 regions changed</source>
        <translation>%1 regions changed</translation>
    </message>
    <message>
        <source>%1 in memory, not yet written to the device. %2</source>
        <translation>%1 in memory, not yet written to the device. %2</translation>
    </message>
</context>
<context>
    <name>nerka::ChannelBulkForm</name>
    <message>
        <source>offset</source>
        <translation>offset</translation>
    </message>
    <message>
        <source>%1 left alone on 1 channel</source>
        <translation>%1 left alone on 1 channel</translation>
    </message>
    <message>
        <source>%1 left alone on %2 channels</source>
        <translation>%1 left alone on %2 channels</translation>
    </message>
    <message>
        <source>%1 left alone on 1 DMR channel</source>
        <translation>%1 left alone on 1 DMR channel</translation>
    </message>
    <message>
        <source>%1 left alone on %2 DMR channels</source>
        <translation>%1 left alone on %2 DMR channels</translation>
    </message>
    <message>
        <source>%1 left alone on 1 FM channel</source>
        <translation>%1 left alone on 1 FM channel</translation>
    </message>
    <message>
        <source>%1 left alone on %2 FM channels</source>
        <translation>%1 left alone on %2 FM channels</translation>
    </message>
</context>
<context>
    <name>nerka::ChannelCellEdit</name>
    <message>
        <source>cannot be set in a cell</source>
        <translation>cannot be set in a cell</translation>
    </message>
</context>
<context>
    <name>nerka::ChannelEditView</name>
    <message>
        <source>Mixed</source>
        <translation>Mixed</translation>
    </message>
    <message>
        <source>Previous channel (saves)</source>
        <translation>Previous channel (saves)</translation>
    </message>
    <message>
        <source>Next channel (saves)</source>
        <translation>Next channel (saves)</translation>
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
        <translation>Offset</translation>
    </message>
    <message>
        <source>Ablage (MHz)</source>
        <translation>Offset (MHz)</translation>
    </message>
    <message>
        <source>TX (MHz)</source>
        <translation>TX (MHz)</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
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
        <translation>Colour code</translation>
    </message>
    <message>
        <source>Farbcode: </source>
        <translation>Colour code: </translation>
    </message>
    <message>
        <source>Contact (TX)</source>
        <translation>Contact (TX)</translation>
    </message>
    <message>
        <source>RX group list</source>
        <translation>RX group list</translation>
    </message>
    <message>
        <source>RX tone</source>
        <translation>RX tone</translation>
    </message>
    <message>
        <source>RX tone Frequenz</source>
        <translation>RX tone frequency</translation>
    </message>
    <message>
        <source>RX tone Code</source>
        <translation>RX tone code</translation>
    </message>
    <message>
        <source>RX tone invertiert (D…I)</source>
        <translation>RX tone inverted (D…I)</translation>
    </message>
    <message>
        <source>TX tone</source>
        <translation>TX tone</translation>
    </message>
    <message>
        <source>TX tone Frequenz</source>
        <translation>TX tone frequency</translation>
    </message>
    <message>
        <source>TX tone Code</source>
        <translation>TX tone code</translation>
    </message>
    <message>
        <source>TX tone invertiert (D…I)</source>
        <translation>TX tone inverted (D…I)</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
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
        <translation>Squelch</translation>
    </message>
    <message>
        <source>Level</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>Level: </source>
        <translation>Level: </translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>Scan</translation>
    </message>
    <message>
        <source>More</source>
        <translation>More</translation>
    </message>
    <message>
        <source>APRS</source>
        <translation>APRS</translation>
    </message>
    <message>
        <source>Edit %1 channels</source>
        <translation>Edit %1 channels</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
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
        <translation>enter a name</translation>
    </message>
    <message>
        <source>New channel %1</source>
        <translation>New channel %1</translation>
    </message>
    <message>
        <source>Edit channel %1</source>
        <translation>Edit channel %1</translation>
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
        <translation>− Offset (%1)</translation>
    </message>
    <message>
        <source>+ Ablage (%1)</source>
        <translation>+ Offset (%1)</translation>
    </message>
    <message>
        <source>Eigene Ablage</source>
        <translation>Custom offset</translation>
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
        <translation>TX set to RX: with its offset, TX would have left the band</translation>
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
        <translation>12.5 kHz</translation>
    </message>
    <message>
        <source>Receive only</source>
        <translation>Receive only</translation>
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
        <translation>Channels</translation>
    </message>
    <message>
        <source>Search channels</source>
        <translation>Search channels</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>channels</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Move selection up</source>
        <translation>Move selection up</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>Move selection down</source>
        <translation>Move selection down</translation>
    </message>
    <message>
        <source>Delete (0)</source>
        <translation>Delete (0)</translation>
    </message>
    <message>
        <source>Delete selected channels</source>
        <translation>Delete selected channels</translation>
    </message>
    <message>
        <source>Renumber in this order</source>
        <translation>Renumber in this order</translation>
    </message>
    <message>
        <source>Export to CSV (all fields)…</source>
        <translation>Export to CSV (all fields)…</translation>
    </message>
    <message>
        <source>PMR446 (16 channels)</source>
        <translation>PMR446 (16 channels)</translation>
    </message>
    <message>
        <source>dPMR446 (16 channels)</source>
        <translation>dPMR446 (16 channels)</translation>
    </message>
    <message>
        <source>Freenet (6 channels)</source>
        <translation>Freenet (6 channels)</translation>
    </message>
    <message>
        <source>From CSV file…</source>
        <translation>From CSV file…</translation>
    </message>
    <message>
        <source>Add repeaters…</source>
        <translation>Add repeaters…</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Import channels</source>
        <translation>Import channels</translation>
    </message>
    <message>
        <source>Export channels…</source>
        <translation>Export channels…</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicate</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Fill down</source>
        <translation>Fill down</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Columns</translation>
    </message>
    <message>
        <source>Channel &apos;%1&apos;</source>
        <translation>Channel &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 channels</translation>
    </message>
    <message>
        <source>channel %1 %2</source>
        <translation>channel %1 %2</translation>
    </message>
    <message>
        <source>%1 not filled: %2</source>
        <translation>%1 not filled: %2</translation>
    </message>
    <message>
        <source>Import channels from CSV</source>
        <translation>Import channels from CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Export channels</source>
        <translation>Export channels</translation>
    </message>
    <message>
        <source>Export channels (all fields)</source>
        <translation>Export channels (all fields)</translation>
    </message>
    <message>
        <source>Edit %1 channels…</source>
        <translation>Edit %1 channels…</translation>
    </message>
    <message>
        <source>Delete (%1)</source>
        <translation>Delete (%1)</translation>
    </message>
    <message>
        <source>Delete %1 channels</source>
        <translation>Delete %1 channels</translation>
    </message>
</context>
<context>
    <name>nerka::CompareDialog</name>
    <message>
        <source>Cannot compare</source>
        <translation>Cannot compare</translation>
    </message>
    <message>
        <source>Compare with File</source>
        <translation>Compare with File</translation>
    </message>
    <message>
        <source>Changes</source>
        <translation>Changes</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Codeplug files (*.nerka *.ogd77)</source>
        <translation>Codeplug files (*.nerka *.ogd77)</translation>
    </message>
    <message>
        <source>Nerka codeplug (*.nerka)</source>
        <translation>Nerka codeplug (*.nerka)</translation>
    </message>
    <message>
        <source>OpenGD77 codeplug (*.ogd77)</source>
        <translation>OpenGD77 codeplug (*.ogd77)</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No codeplug loaded.</source>
        <translation>No codeplug loaded.</translation>
    </message>
    <message>
        <source>The codeplug in memory holds the same as %1.</source>
        <translation>The codeplug in memory holds the same as %1.</translation>
    </message>
    <message>
        <source>From this codeplug to the file %1: %2.</source>
        <translation>From this codeplug to the file %1: %2.</translation>
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
        <translation>Connection</translation>
    </message>
    <message>
        <source>Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Refresh ports</source>
        <translation>Refresh ports</translation>
    </message>
    <message>
        <source>No device found</source>
        <translation>No device found</translation>
    </message>
    <message>
        <source>Connect</source>
        <translation>Connect</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
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
        <translation>Protocol</translation>
    </message>
    <message>
        <source>Flash serial no.</source>
        <translation>Flash serial no.</translation>
    </message>
    <message>
        <source>The device must be switched on and connected via USB.</source>
        <translation>The device must be switched on and connected via USB.</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>Connected</source>
        <translation>Connected</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnected</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>nerka::ContactEditView</name>
    <message>
        <source>New contact (slot %1)</source>
        <translation>New contact (slot %1)</translation>
    </message>
    <message>
        <source>Edit contact %1</source>
        <translation>Edit contact %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>DMR-ID</source>
        <translation>DMR ID</translation>
    </message>
    <message>
        <source>Type</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Time slot override</source>
        <translation>Time slot override</translation>
    </message>
    <message>
        <source>Name: enter a name</source>
        <translation>Name: enter a name</translation>
    </message>
    <message>
        <source>DMR-ID: must be a number from 1 to 16777215</source>
        <translation>DMR ID: must be a number from 1 to 16777215</translation>
    </message>
</context>
<context>
    <name>nerka::ContactsSection</name>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>contact</source>
        <translation>contact</translation>
    </message>
    <message>
        <source>Import contacts…</source>
        <translation>Import contacts…</translation>
    </message>
    <message>
        <source>Export contacts…</source>
        <translation>Export contacts…</translation>
    </message>
    <message>
        <source>Search contacts</source>
        <translation>Search contacts</translation>
    </message>
    <message>
        <source>contacts</source>
        <translation>contacts</translation>
    </message>
    <message>
        <source>Contact &apos;%1&apos;</source>
        <translation>Contact &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Import contacts from CSV</source>
        <translation>Import contacts from CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Export contacts</source>
        <translation>Export contacts</translation>
    </message>
</context>
<context>
    <name>nerka::DMRDatabaseFigures</name>
    <message>
        <source>Imported %1 entries exceed the ~%2 that fit; the preferred prefixes decide which are written.</source>
        <translation>Imported %1 entries exceed the ~%2 that fit; the preferred prefixes decide which are written.</translation>
    </message>
    <message>
        <source>Imported %1 entries exceed the ~%2 that fit; only the first %2 (lowest DMR IDs) will be written.</source>
        <translation>Imported %1 entries exceed the ~%2 that fit; only the first %2 (lowest DMR IDs) will be written.</translation>
    </message>
    <message>
        <source>Imported %1 entries exceed the ~%2 that fit uncompressed; switch Format to Compressed to fit the full worldwide database.</source>
        <translation>Imported %1 entries exceed the ~%2 that fit uncompressed; switch Format to Compressed to fit the full worldwide database.</translation>
    </message>
    <message>
        <source>showing first %1 of %2</source>
        <translation>showing first %1 of %2</translation>
    </message>
    <message>
        <source>Download from %1</source>
        <translation>Download from %1</translation>
    </message>
    <message>
        <source>Use Import CSV…, Download from %1, or Read from device to load entries.</source>
        <translation>Use Import CSV…, Download from %1, or Read from device to load entries.</translation>
    </message>
    <message>
        <source>Only %1 of the %2 entries fit: the %1 with the lowest DMR IDs will be written to the DMR-ID database flash area. The device will reboot afterwards. Your codeplug is not affected.</source>
        <translation>Only %1 of the %2 entries fit: the %1 with the lowest DMR IDs will be written to the DMR-ID database flash area. The device will reboot afterwards. Your codeplug is not affected.</translation>
    </message>
    <message>
        <source>%1 entries will be written to the DMR-ID database flash area. The device will reboot afterwards. Your codeplug is not affected.</source>
        <translation>%1 entries will be written to the DMR-ID database flash area. The device will reboot afterwards. Your codeplug is not affected.</translation>
    </message>
    <message>
        <source>The device will reboot afterwards. Your codeplug is not affected.</source>
        <translation>The device will reboot afterwards. Your codeplug is not affected.</translation>
    </message>
    <message>
        <source>No preferred prefixes</source>
        <translation>No preferred prefixes</translation>
    </message>
    <message>
        <source>; not a prefix or a known country: %1</source>
        <translation>; not a prefix or a known country: %1</translation>
    </message>
    <message>
        <source>No preferred prefixes: the lowest IDs fill the radio.</source>
        <translation>No preferred prefixes: the lowest IDs fill the radio.</translation>
    </message>
    <message>
        <source>%1 entries in the selection, all fit</source>
        <translation>%1 entries in the selection, all fit</translation>
    </message>
    <message>
        <source>%1 entries in the selection, %2 fit</source>
        <translation>%1 entries in the selection, %2 fit</translation>
    </message>
    <message>
        <source>%1; %2 more fill the rest of the radio.</source>
        <translation>%1; %2 more fill the rest of the radio.</translation>
    </message>
    <message>
        <source>%1; nothing else is written.</source>
        <translation>%1; nothing else is written.</translation>
    </message>
    <message>
        <source>%1 keeps none of %2</source>
        <translation>%1 keeps none of %2</translation>
    </message>
    <message>
        <source>%1 keeps %2 of %3</source>
        <translation>%1 keeps %2 of %3</translation>
    </message>
    <message>
        <source>Cut: %1</source>
        <translation>Cut: %1</translation>
    </message>
    <message>
        <source>No matches</source>
        <translation>No matches</translation>
    </message>
    <message>
        <source>1 match</source>
        <translation>1 match</translation>
    </message>
    <message>
        <source>%1 matches</source>
        <translation>%1 matches</translation>
    </message>
    <message>
        <source>showing first %1 of %2 matches</source>
        <translation>showing first %1 of %2 matches</translation>
    </message>
    <message>
        <source>Compressed (worldwide)</source>
        <translation>Compressed (worldwide)</translation>
    </message>
    <message>
        <source>Uncompressed</source>
        <translation>Uncompressed</translation>
    </message>
    <message>
        <source>First name</source>
        <translation>First name</translation>
    </message>
    <message>
        <source>Full name</source>
        <translation>Full name</translation>
    </message>
</context>
<context>
    <name>nerka::DMRDatabaseView</name>
    <message>
        <source>DMR Database</source>
        <translation>DMR Database</translation>
    </message>
    <message>
        <source>Import CSV…</source>
        <translation>Import CSV…</translation>
    </message>
    <message>
        <source>Read from device</source>
        <translation>Read from device</translation>
    </message>
    <message>
        <source>Export CSV…</source>
        <translation>Export CSV…</translation>
    </message>
    <message>
        <source>Write to device</source>
        <translation>Write to device</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>On device</source>
        <translation>On device</translation>
    </message>
    <message>
        <source>Imported</source>
        <translation>Imported</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capacity</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Name shown</source>
        <translation>Name shown</translation>
    </message>
    <message>
        <source>Text length</source>
        <translation>Text length</translation>
    </message>
    <message>
        <source>Preferred prefixes</source>
        <translation>Preferred prefixes</translation>
    </message>
    <message>
        <source>e.g. 262, 263, 232 or Germany, Austria</source>
        <translation>e.g. 262, 263, 232 or Germany, Austria</translation>
    </message>
    <message>
        <source>DMR ID prefixes in priority order. Their entries are written first; a prefix that does not fit whole keeps its lowest IDs.</source>
        <translation>DMR ID prefixes in priority order. Their entries are written first; a prefix that does not fit whole keeps its lowest IDs.</translation>
    </message>
    <message>
        <source>Prefixes read</source>
        <translation>Prefixes read</translation>
    </message>
    <message>
        <source>Fill the rest of the radio</source>
        <translation>Fill the rest of the radio</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Selection</translation>
    </message>
    <message>
        <source>Cut prefixes</source>
        <translation>Cut prefixes</translation>
    </message>
    <message>
        <source>No DMR database loaded</source>
        <translation>No DMR database loaded</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Search by ID, callsign or name</source>
        <translation>Search by ID, callsign or name</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Preview</translation>
    </message>
    <message>
        <source>not known</source>
        <translation>not known</translation>
    </message>
    <message>
        <source>Importing DMR IDs…</source>
        <translation>Importing DMR IDs…</translation>
    </message>
    <message>
        <source>Import DMR IDs from CSV</source>
        <translation>Import DMR IDs from CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv *.txt)</source>
        <translation>CSV files (*.csv *.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Export DMR IDs to CSV</source>
        <translation>Export DMR IDs to CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>Write DMR database to the device?</source>
        <translation>Write DMR database to the device?</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>nerka::DMRPreviewModel</name>
    <message>
        <source>DMR ID</source>
        <translation>DMR ID</translation>
    </message>
    <message>
        <source>Callsign / Name</source>
        <translation>Callsign / Name</translation>
    </message>
</context>
<context>
    <name>nerka::Dialogs</name>
    <message>
        <source>Save to file…</source>
        <translation>Save to file…</translation>
    </message>
</context>
<context>
    <name>nerka::ErrorAlert</name>
    <message>
        <source>Error</source>
        <translation>Error</translation>
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
        <translation>Open…</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Save As…</translation>
    </message>
    <message>
        <source>Backups…</source>
        <translation>Backups…</translation>
    </message>
    <message>
        <source>Compare with File…</source>
        <translation>Compare with File…</translation>
    </message>
    <message>
        <source>Codeplug as CSV files…</source>
        <translation>Codeplug as CSV files…</translation>
    </message>
    <message>
        <source>Codeplug from CSV files…</source>
        <translation>Codeplug from CSV files…</translation>
    </message>
    <message>
        <source>Codeplug files (*.nerka *.ogd77)</source>
        <translation>Codeplug files (*.nerka *.ogd77)</translation>
    </message>
    <message>
        <source>Nerka codeplug (*.nerka)</source>
        <translation>Nerka codeplug (*.nerka)</translation>
    </message>
    <message>
        <source>OpenGD77 codeplug (*.ogd77)</source>
        <translation>OpenGD77 codeplug (*.ogd77)</translation>
    </message>
    <message>
        <source>Open codeplug file</source>
        <translation>Open codeplug file</translation>
    </message>
    <message>
        <source>Discard unsaved changes?</source>
        <translation>Discard unsaved changes?</translation>
    </message>
    <message>
        <source>They will be lost when opening the file.</source>
        <translation>They will be lost when opening the file.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Save codeplug</source>
        <translation>Save codeplug</translation>
    </message>
    <message>
        <source>Export codeplug as CSV files</source>
        <translation>Export codeplug as CSV files</translation>
    </message>
    <message>
        <source>Import codeplug from CSV files</source>
        <translation>Import codeplug from CSV files</translation>
    </message>
    <message>
        <source>Found %1.

Update: a row changes the record of its name; other rows are added.
Append: every row becomes a new record.
Replace: the records of each kind become the file&apos;s rows.</source>
        <translation>Found %1.

Update: a row changes the record of its name; other rows are added.
Append: every row becomes a new record.
Replace: the records of each kind become the file&apos;s rows.</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>Append</source>
        <translation>Append</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Replace</translation>
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
    <name>nerka::ListSection</name>
    <message>
        <source>Clear search</source>
        <translation>Clear search</translation>
    </message>
    <message>
        <source>More commands</source>
        <translation>More commands</translation>
    </message>
    <message>
        <source>No %1 match &apos;%2&apos;</source>
        <translation>No %1 match &apos;%2&apos;</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 channel</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 channels</translation>
    </message>
    <message>
        <source>1 talkgroup</source>
        <translation>1 talkgroup</translation>
    </message>
    <message>
        <source>%1 talkgroups</source>
        <translation>%1 talkgroups</translation>
    </message>
    <message>
        <source>1 zone</source>
        <translation>1 zone</translation>
    </message>
    <message>
        <source>%1 zones</source>
        <translation>%1 zones</translation>
    </message>
    <message>
        <source>%1 are used by %2. Delete them and clear those references?</source>
        <translation>%1 are used by %2. Delete them and clear those references?</translation>
    </message>
    <message>
        <source>%1 is used by %2. Delete it and clear those references?</source>
        <translation>%1 is used by %2. Delete it and clear those references?</translation>
    </message>
    <message>
        <source> and </source>
        <translation> and </translation>
    </message>
    <message>
        <source>Delete and clear references?</source>
        <translation>Delete and clear references?</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Edit %1</translation>
    </message>
    <message>
        <source>Delete %1</source>
        <translation>Delete %1</translation>
    </message>
</context>
<context>
    <name>nerka::MainToolbar</name>
    <message>
        <source>Transfer</source>
        <translation>Transfer</translation>
    </message>
    <message>
        <source>Load from device</source>
        <translation>Load from device</translation>
    </message>
    <message>
        <source>Write changes</source>
        <translation>Write changes</translation>
    </message>
    <message>
        <source>Write changes to device</source>
        <translation>Write changes to device</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Disconnect</source>
        <translation>Disconnect</translation>
    </message>
    <message>
        <source>More commands</source>
        <translation>More commands</translation>
    </message>
    <message numerus="yes">
        <source>%n ungespeichert</source>
        <translation>
            <numerusform>%n unwritten change</numerusform>
            <numerusform>%n unwritten changes</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>nerka::MainWindow</name>
    <message>
        <source>1 changed region will be written to the device.</source>
        <translation>1 changed region will be written to the device.</translation>
    </message>
    <message>
        <source>%1 changed regions will be written to the device.</source>
        <translation>%1 changed regions will be written to the device.</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>More menus</source>
        <translation>More menus</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Export</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Import</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>&amp;Device</source>
        <translation>&amp;Device</translation>
    </message>
    <message>
        <source>Connection…</source>
        <translation>Connection…</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>Fill down</source>
        <translation>Fill down</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>Find</translation>
    </message>
    <message>
        <source>Columns…</source>
        <translation>Columns…</translation>
    </message>
    <message>
        <source>Preferences…</source>
        <translation>Preferences…</translation>
    </message>
    <message>
        <source>Discard unsaved changes?</source>
        <translation>Discard unsaved changes?</translation>
    </message>
    <message>
        <source>They will be lost when reading again.</source>
        <translation>They will be lost when reading again.</translation>
    </message>
    <message>
        <source>Reload</source>
        <translation>Reload</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Write changes to the device?</source>
        <translation>Write changes to the device?</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>The radio&apos;s codeplug has not been read in this connection, so the changes cannot be listed. It is read and saved as a backup before anything is written.</source>
        <translation>The radio&apos;s codeplug has not been read in this connection, so the changes cannot be listed. It is read and saved as a backup before anything is written.</translation>
    </message>
    <message>
        <source>No record differs from what the radio holds now; 1 changed region will be written to the device.</source>
        <translation>No record differs from what the radio holds now; 1 changed region will be written to the device.</translation>
    </message>
    <message>
        <source>No record differs from what the radio holds now; %1 changed regions will be written to the device.</source>
        <translation>No record differs from what the radio holds now; %1 changed regions will be written to the device.</translation>
    </message>
    <message>
        <source>%1. These changes will be written to the device.</source>
        <translation>%1. These changes will be written to the device.</translation>
    </message>
    <message>
        <source>What the write changes on the radio:</source>
        <translation>What the write changes on the radio:</translation>
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
        <translation>Connected</translation>
    </message>
    <message>
        <source>Disconnected</source>
        <translation>Disconnected</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Undo %1</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Redo %1</translation>
    </message>
</context>
<context>
    <name>nerka::MemberSelection</name>
    <message>
        <source>%1/%2 contacts</source>
        <translation>%1/%2 contacts</translation>
    </message>
    <message>
        <source>%1/%2 channels — drag to reorder</source>
        <translation>%1/%2 channels — drag to reorder</translation>
    </message>
</context>
<context>
    <name>nerka::MembershipGridView</name>
    <message>
        <source>Zone membership</source>
        <translation>Zone membership</translation>
    </message>
    <message>
        <source>Talkgroup membership</source>
        <translation>Talkgroup membership</translation>
    </message>
</context>
<context>
    <name>nerka::MembershipModel</name>
    <message>
        <source>Talkgroup %1</source>
        <translation>Talkgroup %1</translation>
    </message>
    <message>
        <source> — private call</source>
        <translation> — private call</translation>
    </message>
    <message>
        <source> — all call</source>
        <translation> — all call</translation>
    </message>
    <message>
        <source>%1: %2/%3 channels</source>
        <translation>%1: %2/%3 channels</translation>
    </message>
    <message>
        <source>%1: %2/%3 contacts</source>
        <translation>%1: %2/%3 contacts</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
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
    <message>
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message>
        <source>Connection</source>
        <translation>Connection</translation>
    </message>
    <message>
        <source>Auto-connect on launch</source>
        <translation>Auto-connect on launch</translation>
    </message>
    <message>
        <source>On launch, tries to reconnect to the last used device with exponential backoff (max. 30 s).</source>
        <translation>On launch, tries to reconnect to the last used device with exponential backoff (max. 30 s).</translation>
    </message>
    <message>
        <source>Load codeplug after auto-connect</source>
        <translation>Load codeplug after auto-connect</translation>
    </message>
    <message>
        <source>Reads the codeplug automatically — but only if no codeplug is loaded and there are no unsaved changes.</source>
        <translation>Reads the codeplug automatically — but only if no codeplug is loaded and there are no unsaved changes.</translation>
    </message>
    <message>
        <source>Writing</source>
        <translation>Writing</translation>
    </message>
    <message>
        <source>Write whole regions (slower, for troubleshooting)</source>
        <translation>Write whole regions (slower, for troubleshooting)</translation>
    </message>
    <message>
        <source>By default a write sends only the blocks that changed since the radio&apos;s codeplug was read.</source>
        <translation>By default a write sends only the blocks that changed since the radio&apos;s codeplug was read.</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Ports</source>
        <translation>Ports</translation>
    </message>
    <message>
        <source>Show all serial ports</source>
        <translation>Show all serial ports</translation>
    </message>
    <message>
        <source>By default only OpenGD77 devices (USB 1FC9:0094) are shown.</source>
        <translation>By default only OpenGD77 devices (USB 1FC9:0094) are shown.</translation>
    </message>
    <message>
        <source>Remembered port</source>
        <translation>Remembered port</translation>
    </message>
    <message>
        <source>Forget remembered port</source>
        <translation>Forget remembered port</translation>
    </message>
</context>
<context>
    <name>nerka::QuitGuard</name>
    <message>
        <source>The radio is being written. Quitting now can leave it with part of the codeplug; do not unplug it until the write is verified.</source>
        <translation>The radio is being written. Quitting now can leave it with part of the codeplug; do not unplug it until the write is verified.</translation>
    </message>
    <message>
        <source>A write is in progress</source>
        <translation>A write is in progress</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Unsaved changes</source>
        <translation>Unsaved changes</translation>
    </message>
    <message>
        <source>They will be lost on quit.</source>
        <translation>They will be lost on quit.</translation>
    </message>
</context>
<context>
    <name>nerka::RecordEditors</name>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Could not locate channel %1 in memory.</source>
        <translation>Could not locate channel %1 in memory.</translation>
    </message>
    <message>
        <source>Contact memory is full (max %1).</source>
        <translation>Contact memory is full (max %1).</translation>
    </message>
    <message>
        <source>Talkgroup memory is full (max %1).</source>
        <translation>Talkgroup memory is full (max %1).</translation>
    </message>
    <message>
        <source>Zone memory is full (max %1).</source>
        <translation>Zone memory is full (max %1).</translation>
    </message>
    <message>
        <source>Satellite memory is full (max %1).</source>
        <translation>Satellite memory is full (max %1).</translation>
    </message>
</context>
<context>
    <name>nerka::RecordSheet</name>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>Nothing is saved while the input is invalid.</source>
        <translation>Nothing is saved while the input is invalid.</translation>
    </message>
</context>
<context>
    <name>nerka::RepeaterSheet</name>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>Add repeaters</source>
        <translation>Add repeaters</translation>
    </message>
    <message>
        <source>Repeaters</source>
        <translation>Repeaters</translation>
    </message>
    <message>
        <source>Call sign</source>
        <translation>Call sign</translation>
    </message>
    <message>
        <source>City</source>
        <translation>City</translation>
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
        <translation>Mode</translation>
    </message>
    <message>
        <source>Distance (km)</source>
        <translation>Distance (km)</translation>
    </message>
    <message>
        <source>Bearing</source>
        <translation>Bearing</translation>
    </message>
    <message>
        <source>List</source>
        <translation>List</translation>
    </message>
    <message>
        <source>File or https:// address</source>
        <translation>File or https:// address</translation>
    </message>
    <message>
        <source>Choose file…</source>
        <translation>Choose file…</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Repeater list</source>
        <translation>Repeater list</translation>
    </message>
    <message>
        <source>Repeater lists (*.json *.csv)</source>
        <translation>Repeater lists (*.json *.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Near</source>
        <translation>Near</translation>
    </message>
    <message>
        <source>Locator (JN58td) or latitude, longitude</source>
        <translation>Locator (JN58td) or latitude, longitude</translation>
    </message>
    <message>
        <source>Radius (km)</source>
        <translation>Radius (km)</translation>
    </message>
    <message>
        <source>Any</source>
        <translation>Any</translation>
    </message>
    <message>
        <source>State</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Country</translation>
    </message>
    <message>
        <source>Bands</source>
        <translation>Bands</translation>
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
        <translation>Modes</translation>
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
        <translation>Check channels</translation>
    </message>
    <message>
        <source>Compare the zone&apos;s channels with the list</source>
        <translation>Compare the zone&apos;s channels with the list</translation>
    </message>
    <message>
        <source>Reading %1…</source>
        <translation>Reading %1…</translation>
    </message>
    <message>
        <source>Near: not a locator or latitude, longitude.</source>
        <translation>Near: not a locator or latitude, longitude.</translation>
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
        <translation>Choose a band.</translation>
    </message>
    <message>
        <source>Choose a mode.</source>
        <translation>Choose a mode.</translation>
    </message>
    <message>
        <source>DMR CC%1</source>
        <translation>DMR CC%1</translation>
    </message>
    <message>
        <source>Choose a repeater list: a file, or the address of a list.</source>
        <translation>Choose a repeater list: a file, or the address of a list.</translation>
    </message>
    <message>
        <source>1 repeater</source>
        <translation>1 repeater</translation>
    </message>
    <message>
        <source>%1 repeaters</source>
        <translation>%1 repeaters</translation>
    </message>
    <message>
        <source>No zone is named &apos;%1&apos;.</source>
        <translation>No zone is named &apos;%1&apos;.</translation>
    </message>
    <message>
        <source>Every channel of zone &apos;%1&apos; agrees with the list.</source>
        <translation>Every channel of zone &apos;%1&apos; agrees with the list.</translation>
    </message>
    <message>
        <source>Zone: a name is needed.</source>
        <translation>Zone: a name is needed.</translation>
    </message>
</context>
<context>
    <name>nerka::ReportCommands</name>
    <message>
        <source>Print…</source>
        <translation>Print…</translation>
    </message>
    <message>
        <source>Report as PDF…</source>
        <translation>Report as PDF…</translation>
    </message>
    <message>
        <source>Report as HTML…</source>
        <translation>Report as HTML…</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Print the whole report, or a pocket card with a page per zone?</source>
        <translation>Print the whole report, or a pocket card with a page per zone?</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>Pocket card</source>
        <translation>Pocket card</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Export report as PDF</source>
        <translation>Export report as PDF</translation>
    </message>
    <message>
        <source>PDF (*.pdf)</source>
        <translation>PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export report as HTML</source>
        <translation>Export report as HTML</translation>
    </message>
    <message>
        <source>HTML (*.html *.htm)</source>
        <translation>HTML (*.html *.htm)</translation>
    </message>
    <message>
        <source>Could not lay out the report.</source>
        <translation>Could not lay out the report.</translation>
    </message>
    <message>
        <source>Report written to %1.</source>
        <translation>Report written to %1.</translation>
    </message>
</context>
<context>
    <name>nerka::SatelliteEditView</name>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Up to 8 characters, and it must match the satellite&apos;s name in the TLE data (e.g. SO-50, AO-91) so Import can find its orbital data.</source>
        <translation>Up to 8 characters, and it must match the satellite&apos;s name in the TLE data (e.g. SO-50, AO-91) so Import can find its orbital data.</translation>
    </message>
    <message>
        <source>Voice</source>
        <translation>Voice</translation>
    </message>
    <message>
        <source>APRS</source>
        <translation>APRS</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Other</translation>
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
        <translation>not set</translation>
    </message>
    <message>
        <source>TX CTCSS</source>
        <translation>TX CTCSS</translation>
    </message>
    <message>
        <source>Arm CTCSS</source>
        <translation>Arm CTCSS</translation>
    </message>
    <message>
        <source>Keps epoch (UTC)</source>
        <translation>Keps epoch (UTC)</translation>
    </message>
    <message>
        <source>Name: enter a name</source>
        <translation>Name: enter a name</translation>
    </message>
    <message>
        <source> (or empty for not set)</source>
        <translation> (or empty for not set)</translation>
    </message>
    <message>
        <source>New satellite (slot %1)</source>
        <translation>New satellite (slot %1)</translation>
    </message>
    <message>
        <source>Edit satellite %1</source>
        <translation>Edit satellite %1</translation>
    </message>
</context>
<context>
    <name>nerka::SatelliteFormRules</name>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
</context>
<context>
    <name>nerka::SatellitePickerRules</name>
    <message>
        <source>no FM transponder</source>
        <translation>no FM transponder</translation>
    </message>
    <message>
        <source>RX %1 · TX %2</source>
        <translation>RX %1 · TX %2</translation>
    </message>
    <message>
        <source>%1 selected — %2 free slot(s)</source>
        <translation>%1 selected — %2 free slots</translation>
    </message>
    <message>
        <source>Too many for the free slots</source>
        <translation>Too many for the free slots</translation>
    </message>
</context>
<context>
    <name>nerka::SatellitePickerView</name>
    <message>
        <source>Add satellites</source>
        <translation>Add satellites</translation>
    </message>
    <message>
        <source>Frequencies come from the SatNOGS database. CTCSS tones are filled in where SatNOGS lists one — check them, and set any arming tone in the editor.</source>
        <translation>Frequencies come from the SatNOGS database. CTCSS tones are filled in where SatNOGS lists one — check them, and set any arming tone in the editor.</translation>
    </message>
    <message>
        <source>Only FM satellites</source>
        <translation>Only FM satellites</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Clear search</source>
        <translation>Clear search</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>  in codeplug</source>
        <translation>  in codeplug</translation>
    </message>
    <message>
        <source>selected</source>
        <translation>selected</translation>
    </message>
    <message>
        <source>not selected</source>
        <translation>not selected</translation>
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
        <translation>Keps epoch (UTC)</translation>
    </message>
</context>
<context>
    <name>nerka::SatellitesSection</name>
    <message>
        <source>Satellites</source>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>satellite</source>
        <translation>satellite</translation>
    </message>
    <message>
        <source>From TLE file…</source>
        <translation>From TLE file…</translation>
    </message>
    <message>
        <source>Import satellite TLEs</source>
        <translation>Import satellite TLEs</translation>
    </message>
    <message>
        <source>Search satellites</source>
        <translation>Search satellites</translation>
    </message>
    <message>
        <source>satellites</source>
        <translation>satellites</translation>
    </message>
    <message>
        <source>No satellites in this codeplug. Use Import to download the current keps and pick the satellites you want.</source>
        <translation>No satellites in this codeplug. Use Import to download the current keps and pick the satellites you want.</translation>
    </message>
    <message>
        <source>Keps files (*.txt *.tle *.all)</source>
        <translation>Keps files (*.txt *.tle *.all)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Download satellites (%1)</source>
        <translation>Download satellites (%1)</translation>
    </message>
</context>
<context>
    <name>nerka::SettingsEditView</name>
    <message>
        <source>Device settings</source>
        <translation>Device settings</translation>
    </message>
    <message>
        <source>Changes take effect only after writing to the device.</source>
        <translation>Changes take effect only after writing to the device.</translation>
    </message>
    <message>
        <source>Radio</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Callsign</source>
        <translation>Callsign</translation>
    </message>
    <message>
        <source>DMR-ID</source>
        <translation>DMR ID</translation>
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
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Apply</translation>
    </message>
    <message>
        <source>No settings loaded</source>
        <translation>No settings loaded</translation>
    </message>
    <message>
        <source>Please load a codeplug first — via Load from device or the File › Open menu.</source>
        <translation>Please load a codeplug first — via Load from device or the File › Open menu.</translation>
    </message>
    <message>
        <source>The call sign or the DMR ID is empty: a radio written with this codeplug has no identity on the air, unless the write keeps the radio&apos;s own.</source>
        <translation>The call sign or the DMR ID is empty: a radio written with this codeplug has no identity on the air, unless the write keeps the radio&apos;s own.</translation>
    </message>
</context>
<context>
    <name>nerka::SettingsForm</name>
    <message>
        <source>DMR-ID: must be a number from 1 to 16777215</source>
        <translation>DMR ID: must be a number from 1 to 16777215</translation>
    </message>
    <message>
        <source>: must be a whole number of MHz from %1 to %2</source>
        <translation>: must be a whole number of MHz from %1 to %2</translation>
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
        <translation> Maximum (MHz): must not be below the minimum (%1)</translation>
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
        <translation>Connection</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
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
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Talkgroups</source>
        <translation>Talkgroups</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>DMR Database</source>
        <translation>DMR Database</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Theme</translation>
    </message>
    <message>
        <source>Sidebar</source>
        <translation>Sidebar</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Codeplug</source>
        <translation>Codeplug</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Display</translation>
    </message>
</context>
<context>
    <name>nerka::TalkgroupEditView</name>
    <message>
        <source>New talkgroup (slot %1)</source>
        <translation>New talkgroup (slot %1)</translation>
    </message>
    <message>
        <source>Edit talkgroup %1</source>
        <translation>Edit talkgroup %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>No contacts available.</source>
        <translation>No contacts available.</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source> — private call, not a talkgroup</source>
        <translation> — private call, not a talkgroup</translation>
    </message>
    <message>
        <source> — all call, not a talkgroup</source>
        <translation> — all call, not a talkgroup</translation>
    </message>
    <message>
        <source> — no such contact</source>
        <translation> — no such contact</translation>
    </message>
</context>
<context>
    <name>nerka::TalkgroupListModel</name>
    <message>
        <source>No members</source>
        <translation>No members</translation>
    </message>
    <message>
        <source>1 member: %1</source>
        <translation>1 member: %1</translation>
    </message>
    <message>
        <source>%1 members: %2</source>
        <translation>%1 members: %2</translation>
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
        <translation>Talkgroups</translation>
    </message>
    <message>
        <source>talkgroup</source>
        <translation>talkgroup</translation>
    </message>
    <message>
        <source>Membership</source>
        <translation>Membership</translation>
    </message>
    <message>
        <source>Contacts × talkgroups</source>
        <translation>Contacts × talkgroups</translation>
    </message>
    <message>
        <source>Search talkgroups</source>
        <translation>Search talkgroups</translation>
    </message>
    <message>
        <source>talkgroups</source>
        <translation>talkgroups</translation>
    </message>
    <message>
        <source>Search contacts</source>
        <translation>Search contacts</translation>
    </message>
    <message>
        <source>Talkgroup &apos;%1&apos;</source>
        <translation>Talkgroup &apos;%1&apos;</translation>
    </message>
</context>
<context>
    <name>nerka::ThemeView</name>
    <message>
        <source>Theme (*.gtm)</source>
        <translation>Theme (*.gtm)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Theme</translation>
    </message>
    <message>
        <source>Day</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Night</source>
        <translation>Night</translation>
    </message>
    <message>
        <source>Import theme (.gtm)</source>
        <translation>Import theme (.gtm)</translation>
    </message>
    <message>
        <source>Export theme (.gtm)</source>
        <translation>Export theme (.gtm)</translation>
    </message>
    <message>
        <source>Please load a codeplug first.</source>
        <translation>Please load a codeplug first.</translation>
    </message>
    <message>
        <source>This device has no %1 theme in the codeplug.</source>
        <translation>This device has no %1 theme in the codeplug.</translation>
    </message>
</context>
<context>
    <name>nerka::WritePanel</name>
    <message>
        <source>Write progress</source>
        <translation>Write progress</translation>
    </message>
    <message>
        <source>Changes written</source>
        <translation>Changes written</translation>
    </message>
    <message>
        <source>%1 progress</source>
        <translation>%1 progress</translation>
    </message>
    <message>
        <source>Do not unplug the radio</source>
        <translation>Do not unplug the radio</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1 failed: %2</source>
        <translation>%1 failed: %2</translation>
    </message>
    <message>
        <source>Verified</source>
        <translation>Verified</translation>
    </message>
    <message>
        <source>Written; not verified (switched off)</source>
        <translation>Written; not verified (switched off)</translation>
    </message>
    <message>
        <source>%1. Backup: %2</source>
        <translation>%1. Backup: %2</translation>
    </message>
    <message>
        <source>Writing the DMR database</source>
        <translation>Writing the DMR database</translation>
    </message>
    <message>
        <source>Writing the codeplug</source>
        <translation>Writing the codeplug</translation>
    </message>
    <message>
        <source>The write failed</source>
        <translation>The write failed</translation>
    </message>
    <message>
        <source>The write is finished</source>
        <translation>The write is finished</translation>
    </message>
</context>
<context>
    <name>nerka::ZoneEditView</name>
    <message>
        <source>New zone (slot %1)</source>
        <translation>New zone (slot %1)</translation>
    </message>
    <message>
        <source>Edit zone %1</source>
        <translation>Edit zone %1</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Filter channels</source>
        <translation>Filter channels</translation>
    </message>
    <message>
        <source>Clear filter</source>
        <translation>Clear filter</translation>
    </message>
    <message>
        <source>Channels to add</source>
        <translation>Channels to add</translation>
    </message>
    <message>
        <source>Add channel</source>
        <translation>Add channel</translation>
    </message>
    <message>
        <source>No channels in the zone yet.</source>
        <translation>No channels in the zone yet.</translation>
    </message>
    <message>
        <source>Channels in the zone</source>
        <translation>Channels in the zone</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>Remove from zone</source>
        <translation>Remove from zone</translation>
    </message>
    <message>
        <source>Only %1 more fit (max %2 channels).</source>
        <translation>Only %1 more fit (max %2 channels).</translation>
    </message>
</context>
<context>
    <name>nerka::ZoneListModel</name>
    <message>
        <source>No channels</source>
        <translation>No channels</translation>
    </message>
    <message>
        <source>1 channel: %1</source>
        <translation>1 channel: %1</translation>
    </message>
    <message>
        <source>%1 channels: %2</source>
        <translation>%1 channels: %2</translation>
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
        <translation>Add to zone</translation>
    </message>
    <message>
        <source>Remove from zone</source>
        <translation>Remove from zone</translation>
    </message>
    <message>
        <source>New zone from selection…</source>
        <translation>New zone from selection…</translation>
    </message>
    <message>
        <source>Zone %1</source>
        <translation>Zone %1</translation>
    </message>
    <message>
        <source>New zone from selection</source>
        <translation>New zone from selection</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Create</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>nerka::ZonesSection</name>
    <message>
        <source>Zones</source>
        <translation>Zones</translation>
    </message>
    <message>
        <source>zone</source>
        <translation>zone</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Move zone up</source>
        <translation>Move zone up</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>Move zone down</source>
        <translation>Move zone down</translation>
    </message>
    <message>
        <source>Membership</source>
        <translation>Membership</translation>
    </message>
    <message>
        <source>Channels × zones</source>
        <translation>Channels × zones</translation>
    </message>
    <message>
        <source>Search zones</source>
        <translation>Search zones</translation>
    </message>
    <message>
        <source>zones</source>
        <translation>zones</translation>
    </message>
    <message>
        <source>Search channels</source>
        <translation>Search channels</translation>
    </message>
</context>
</TS>
