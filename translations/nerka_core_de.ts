<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>ChangeText</name>
    <message>
        <source>on</source>
        <translation>ein</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>nicht gesetzt</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Talkgroup</source>
        <translation>Sprechgruppe</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>APRS system</source>
        <translation>APRS-System</translation>
    </message>
    <message>
        <source>Day theme</source>
        <translation>Tag-Theme</translation>
    </message>
    <message>
        <source>Night theme</source>
        <translation>Nacht-Theme</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>elements updated</source>
        <translation>Bahndaten aktualisiert</translation>
    </message>
    <message>
        <source>elements updated (epoch %1)</source>
        <translation>Bahndaten aktualisiert (Epoche %1)</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 und %n weiterer</numerusform>
            <numerusform>%1 und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>adds %1</source>
        <translation>fügt %1 hinzu</translation>
    </message>
    <message>
        <source>removes %1</source>
        <translation>entfernt %1</translation>
    </message>
    <message>
        <source>order changed</source>
        <translation>Reihenfolge geändert</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>talkgroup</source>
        <translation>Sprechgruppe</translation>
    </message>
    <message>
        <source>talkgroups</source>
        <translation>Sprechgruppen</translation>
    </message>
    <message>
        <source>zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>zones</source>
        <translation>Zonen</translation>
    </message>
    <message>
        <source>aprs system</source>
        <translation>APRS-System</translation>
    </message>
    <message>
        <source>aprs systems</source>
        <translation>APRS-Systeme</translation>
    </message>
    <message>
        <source>satellite</source>
        <translation>Satellit</translation>
    </message>
    <message>
        <source>satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>region</source>
        <translation>Bereich</translation>
    </message>
    <message>
        <source>regions</source>
        <translation>Bereiche</translation>
    </message>
    <message>
        <source>no family</source>
        <translation>keine Familie</translation>
    </message>
    <message>
        <source>region %1</source>
        <translation>Bereich %1</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 hinzugefügt</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>%1 entfernt</translation>
    </message>
    <message>
        <source>bytes outside known records in %1 differ at offset 0x%2 (%3 byte)</source>
        <translation>Bytes außerhalb bekannter Datensätze in %1 weichen ab bei Versatz 0x%2 (%3 Byte)</translation>
    </message>
    <message>
        <source>bytes outside known records in %1 differ at offset 0x%2 (%3 bytes)</source>
        <translation>Bytes außerhalb bekannter Datensätze in %1 weichen ab bei Versatz 0x%2 (%3 Bytes)</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <source>name cleared</source>
        <translation>Name gelöscht</translation>
    </message>
    <message>
        <source>renamed to %1</source>
        <translation>umbenannt in %1</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <translation>%1 geändert</translation>
    </message>
    <message>
        <source>The codeplugs are of different radio families (%1 and %2) and cannot be compared.</source>
        <translation>Die Codeplugs gehören zu verschiedenen Gerätefamilien (%1 und %2) und lassen sich nicht vergleichen.</translation>
    </message>
    <message>
        <source>%1 other %2 renumbered</source>
        <translation>%1 weitere %2 neu nummeriert</translation>
    </message>
    <message>
        <source>%1 %2 renumbered</source>
        <translation>%1 %2 neu nummeriert</translation>
    </message>
    <message>
        <source>%1 %2 %3 inserted</source>
        <translation>%1 %2 %3 eingefügt</translation>
    </message>
    <message>
        <source>%1 inserted at %2</source>
        <translation>%1 eingefügt bei %2</translation>
    </message>
    <message>
        <source>%1 after it renumbered</source>
        <translation>%1 danach neu nummeriert</translation>
    </message>
    <message>
        <source>%1 after them renumbered</source>
        <translation>%1 danach neu nummeriert</translation>
    </message>
    <message>
        <source>%1 deleted</source>
        <translation>%1 gelöscht</translation>
    </message>
    <message>
        <source>%1 moved to %2</source>
        <translation>%1 verschoben nach %2</translation>
    </message>
    <message>
        <source>%1 renumbered to %2</source>
        <translation>%1 umnummeriert auf %2</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
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
        <source>Zones</source>
        <translation>Zonen</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>die Einstellungen</translation>
    </message>
    <message>
        <source>APRS systems</source>
        <translation>APRS-Systeme</translation>
    </message>
    <message>
        <source>day theme colour</source>
        <translation>Tag-Theme-Farbe</translation>
    </message>
    <message>
        <source>day theme colours</source>
        <translation>Tag-Theme-Farben</translation>
    </message>
    <message>
        <source>night theme colour</source>
        <translation>Nacht-Theme-Farbe</translation>
    </message>
    <message>
        <source>night theme colours</source>
        <translation>Nacht-Theme-Farben</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>Other bytes</source>
        <translation>Sonstige Bytes</translation>
    </message>
    <message>
        <source>Nothing changed</source>
        <translation>Nichts geändert</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>Codeplug</source>
        <translation>Codeplug</translation>
    </message>
</context>
<context>
    <name>CodeplugBackups</name>
    <message>
        <source>No folder for backups is known on this system.</source>
        <translation>Auf diesem System ist kein Ordner für Sicherungen bekannt.</translation>
    </message>
    <message>
        <source>Cannot create the backup folder %1.</source>
        <translation>Der Sicherungsordner %1 kann nicht angelegt werden.</translation>
    </message>
</context>
<context>
    <name>CodeplugDocument</name>
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
        <source>%1 added</source>
        <translation>%1 hinzugefügt</translation>
    </message>
    <message>
        <source>%1 added as a copy</source>
        <translation>%1 als Kopie hinzugefügt</translation>
    </message>
    <message>
        <source>%1 replaced</source>
        <translation>%1 ersetzt</translation>
    </message>
    <message>
        <source>%1 already there</source>
        <translation>%1 schon vorhanden</translation>
    </message>
    <message>
        <source>%1 from %2: %3.</source>
        <translation>%1 aus %2: %3.</translation>
    </message>
    <message>
        <source>No record chosen to merge.</source>
        <translation>Kein Eintrag zum Übernehmen gewählt.</translation>
    </message>
    <message>
        <source>Merge from %1</source>
        <translation>Aus %1 übernehmen</translation>
    </message>
</context>
<context>
    <name>CodeplugFile</name>
    <message>
        <source>Invalid codeplug file: %1</source>
        <translation>Ungültige Codeplug-Datei: %1</translation>
    </message>
    <message>
        <source>Wrong signature — not a valid codeplug file (v2).</source>
        <translation>Falsche Signatur — keine gültige Codeplug-Datei (v2).</translation>
    </message>
    <message>
        <source>File too large.</source>
        <translation>Datei zu groß.</translation>
    </message>
    <message>
        <source>%1 regions; a codeplug file has at most %2.</source>
        <translation>%1 Bereiche; eine Codeplug-Datei hat höchstens %2.</translation>
    </message>
    <message>
        <source>File too short.</source>
        <translation>Datei zu kurz.</translation>
    </message>
    <message>
        <source>File too short for region.</source>
        <translation>Datei zu kurz für den Bereich.</translation>
    </message>
</context>
<context>
    <name>CodeplugMerge</name>
    <message>
        <source>No room for more contacts: a codeplug holds %1.</source>
        <translation>Kein Platz für weitere Kontakte: Ein Codeplug fasst %1.</translation>
    </message>
    <message>
        <source>No room for more talkgroups: a codeplug holds %1.</source>
        <translation>Kein Platz für weitere Sprechgruppen: Ein Codeplug fasst %1.</translation>
    </message>
    <message>
        <source>No room for more channels: a codeplug holds %1.</source>
        <translation>Kein Platz für weitere Kanäle: Ein Codeplug fasst %1.</translation>
    </message>
    <message>
        <source>No room for more zones: a codeplug holds %1.</source>
        <translation>Kein Platz für weitere Zonen: Ein Codeplug fasst %1.</translation>
    </message>
    <message>
        <source>The other codeplug is for another radio family: nothing was taken.</source>
        <translation>Der andere Codeplug ist für eine andere Gerätefamilie: Nichts wurde übernommen.</translation>
    </message>
</context>
<context>
    <name>CodeplugReport</name>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Offset (MHz)</source>
        <translation>Ablage (MHz)</translation>
    </message>
    <message>
        <source>Tone / colour code</source>
        <translation>Ton / Farbcode</translation>
    </message>
    <message>
        <source>Contact / group list</source>
        <translation>Kontakt / Gruppenliste</translation>
    </message>
    <message>
        <source>Other settings</source>
        <translation>Weitere Einstellungen</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unbekannt</translation>
    </message>
    <message>
        <source>Codeplug report</source>
        <translation>Codeplug-Bericht</translation>
    </message>
    <message>
        <source>Radio family</source>
        <translation>Gerätefamilie</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Quelle</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Zone %1: %2</source>
        <translation>Zone %1: %2</translation>
    </message>
    <message>
        <source>Channels in no zone</source>
        <translation>Kanäle in keiner Zone</translation>
    </message>
    <message>
        <source>Talkgroup lists</source>
        <translation>Sprechgruppenlisten</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satelliten</translation>
    </message>
    <message>
        <source>No zones.</source>
        <translation>Keine Zonen.</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>outside this radio&apos;s bands (%1)</source>
        <translation>außerhalb der Bänder dieses Funkgeräts (%1)</translation>
    </message>
    <message>
        <source>channel %1 %2 %3</source>
        <translation>Kanal %1 %2 %3</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 weitere</translation>
    </message>
    <message>
        <source>%1 %2 %3: %4</source>
        <translation>%1 %2 %3: %4</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>line %1 %2</source>
        <translation>Zeile %1 %2</translation>
    </message>
    <message>
        <source>row</source>
        <translation>Zeile</translation>
    </message>
    <message>
        <source>rows</source>
        <translation>Zeilen</translation>
    </message>
    <message>
        <source>Channel memory is full (max %1): %2 to %3, %4 free.</source>
        <translation>Der Kanalspeicher ist voll (max. %1): %2 zum %3, %4 frei.</translation>
    </message>
    <message>
        <source>1 channel set to simplex (TX would leave the band)</source>
        <translation>1 Kanal auf Simplex gesetzt (TX läge außerhalb des Bands)</translation>
    </message>
    <message>
        <source>%1 channels set to simplex (TX would leave the band)</source>
        <translation>%1 Kanäle auf Simplex gesetzt (TX läge außerhalb des Bands)</translation>
    </message>
    <message>
        <source>contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>group list</source>
        <translation>Gruppenliste</translation>
    </message>
    <message>
        <source>zone &apos;%1&apos;</source>
        <translation>Zone &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 %2 not in this codeplug, left empty: %3</source>
        <translation>%1 %2 nicht in diesem Codeplug, leer gelassen: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>names</source>
        <translation>Namen</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>kein Name</translation>
    </message>
    <message>
        <source>DMR ID &apos;%1&apos; is not 1–16777215</source>
        <translation>DMR-ID &apos;%1&apos; liegt nicht zwischen 1 und 16777215</translation>
    </message>
    <message>
        <source>type &apos;%1&apos; unknown</source>
        <translation>Typ &apos;%1&apos; unbekannt</translation>
    </message>
    <message>
        <source>time slot &apos;%1&apos; unknown</source>
        <translation>Zeitschlitz &apos;%1&apos; unbekannt</translation>
    </message>
    <message>
        <source>quote not closed (the rest of the file was taken into this row)</source>
        <translation>Anführungszeichen nicht geschlossen (der Rest der Datei wurde in diese Zeile übernommen)</translation>
    </message>
    <message>
        <source>%1 missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>frequency %1 MHz not available</source>
        <translation>Frequenz %1 MHz nicht verfügbar</translation>
    </message>
    <message>
        <source>%1 %2 not readable</source>
        <translation>%1 %2 nicht lesbar</translation>
    </message>
    <message>
        <source>offset missing</source>
        <translation>Ablage fehlt</translation>
    </message>
    <message>
        <source>offset %1 not readable</source>
        <translation>Ablage %1 nicht lesbar</translation>
    </message>
    <message>
        <source>tone %1 not readable</source>
        <translation>Ton %1 nicht lesbar</translation>
    </message>
    <message>
        <source>tone %1 Hz not available</source>
        <translation>Ton %1 Hz nicht verfügbar</translation>
    </message>
    <message>
        <source>DTCS code %1 not readable</source>
        <translation>DTCS-Code %1 nicht lesbar</translation>
    </message>
    <message>
        <source>DTCS code %1 not available</source>
        <translation>DTCS-Code %1 nicht verfügbar</translation>
    </message>
    <message>
        <source>cross mode %1 not available</source>
        <translation>Cross-Modus %1 nicht verfügbar</translation>
    </message>
    <message>
        <source>tone mode %1 not available</source>
        <translation>Tonmodus %1 nicht verfügbar</translation>
    </message>
    <message>
        <source>DTCS polarity %1 not readable</source>
        <translation>DTCS-Polarität %1 nicht lesbar</translation>
    </message>
    <message>
        <source>Mode missing</source>
        <translation>Betriebsart fehlt</translation>
    </message>
    <message>
        <source>%1 mode</source>
        <translation>Betriebsart %1</translation>
    </message>
    <message>
        <source>TX frequency %1 MHz not available</source>
        <translation>TX-Frequenz %1 MHz nicht verfügbar</translation>
    </message>
    <message>
        <source>duplex %1 not available</source>
        <translation>Duplex %1 nicht verfügbar</translation>
    </message>
    <message>
        <source>quote not closed</source>
        <translation>Anführungszeichen nicht geschlossen</translation>
    </message>
    <message>
        <source>%1 %2 skipped: %3</source>
        <translation>%1 %2 übersprungen: %3</translation>
    </message>
</context>
<context>
    <name>DMRSelection</name>
    <message>
        <source>Writing %1 of %2 entries</source>
        <translation>Schreibe %1 von %2 Einträgen</translation>
    </message>
    <message>
        <source>%1, lowest IDs first.</source>
        <translation>%1, niedrigste IDs zuerst.</translation>
    </message>
    <message>
        <source>without entries</source>
        <translation>ohne Einträge</translation>
    </message>
    <message>
        <source>complete</source>
        <translation>vollständig</translation>
    </message>
    <message>
        <source>left out</source>
        <translation>ausgelassen</translation>
    </message>
    <message>
        <source>%1 cut to %2 of %3</source>
        <translation>%1 gekürzt auf %2 von %3</translation>
    </message>
    <message>
        <source>the rest filled by lowest ID</source>
        <translation>der Rest nach niedrigster ID aufgefüllt</translation>
    </message>
    <message>
        <source>no other entries</source>
        <translation>keine weiteren Einträge</translation>
    </message>
</context>
<context>
    <name>DeviceDoctor</name>
    <message>
        <source>it belongs to %1:%2 with mode %3</source>
        <translation>er gehört %1:%2 mit den Rechten %3</translation>
    </message>
    <message>
        <source>Install Nerka&apos;s package, or copy %1 (packaging/linux in Nerka&apos;s source) to /etc/udev/rules.d/, run `sudo udevadm control --reload` and plug the radio in again. The rule lets the logged-in user open the radio and tells ModemManager to leave it alone.</source>
        <translation>Installieren Sie das Paket von Nerka oder kopieren Sie %1 (packaging/linux im Quelltext von Nerka) nach /etc/udev/rules.d/, führen Sie `sudo udevadm control --reload` aus und stecken Sie das Funkgerät neu ein. Die Regel erlaubt dem angemeldeten Benutzer, das Funkgerät zu öffnen, und weist ModemManager an, es in Ruhe zu lassen.</translation>
    </message>
    <message>
        <source>You are in group %1.</source>
        <translation>Sie sind in der Gruppe %1.</translation>
    </message>
    <message>
        <source>You were added to group %1, but this login began before that, so it does not have the group yet.</source>
        <translation>Sie wurden der Gruppe %1 hinzugefügt, aber diese Anmeldung begann vorher und hat die Gruppe daher noch nicht.</translation>
    </message>
    <message>
        <source>Log out and log in again (or restart the computer). For one terminal, `newgrp %1` gives the group at once.</source>
        <translation>Melden Sie sich ab und wieder an (oder starten Sie den Rechner neu). Für ein einzelnes Terminal gibt `newgrp %1` die Gruppe sofort.</translation>
    </message>
    <message>
        <source>You are not in group %1.</source>
        <translation>Sie sind nicht in der Gruppe %1.</translation>
    </message>
    <message>
        <source>Install the udev rule (it gives the logged-in user the radio), or join the group: `sudo usermod -aG %1 $USER`, then log out and log in again. Do not run Nerka with sudo.</source>
        <translation>Installieren Sie die udev-Regel (sie gibt dem angemeldeten Benutzer das Funkgerät) oder treten Sie der Gruppe bei: `sudo usermod -aG %1 $USER`, dann ab- und wieder anmelden. Starten Sie Nerka nicht mit sudo.</translation>
    </message>
    <message>
        <source>Another program has %1 open: %2.</source>
        <translation>Ein anderes Programm hat %1 geöffnet: %2.</translation>
    </message>
    <message>
        <source>Close it and connect again.</source>
        <translation>Schließen Sie es und verbinden Sie erneut.</translation>
    </message>
    <message>
        <source>%1 is busy: another program holds it.</source>
        <translation>%1 ist belegt: ein anderes Programm hält ihn.</translation>
    </message>
    <message>
        <source>Close other programs that use serial ports (another Nerka or nerka-cli, a serial terminal) and connect again. Right after the radio is plugged in, ModemManager may be probing it: wait half a minute. Programs of other users are hidden without root: `sudo fuser -v %1` names them.</source>
        <translation>Schließen Sie andere Programme, die serielle Ports nutzen (ein weiteres Nerka oder nerka-cli, ein serielles Terminal), und verbinden Sie erneut. Direkt nach dem Einstecken des Funkgeräts prüft es ModemManager womöglich: warten Sie eine halbe Minute. Programme anderer Benutzer sind ohne root verborgen: `sudo fuser -v %1` nennt sie.</translation>
    </message>
    <message>
        <source>A radio (USB %1) is attached at %2.</source>
        <translation>Ein Funkgerät (USB %1) ist an %2 angeschlossen.</translation>
    </message>
    <message>
        <source>A USB device %1 is attached, but no serial port belongs to it.</source>
        <translation>Ein USB-Gerät %1 ist angeschlossen, aber kein serieller Port gehört dazu.</translation>
    </message>
    <message>
        <source>The kernel&apos;s cdc_acm driver should give it a port /dev/ttyACM…: unplug the radio, plug it in again and look at `sudo dmesg | tail`. If brltty is running, it may have claimed the device.</source>
        <translation>Der cdc_acm-Treiber des Kernels sollte ihm einen Port /dev/ttyACM… geben: stecken Sie das Funkgerät aus und wieder ein und sehen Sie in `sudo dmesg | tail` nach. Läuft brltty, hat es das Gerät womöglich belegt.</translation>
    </message>
    <message>
        <source>No device with the radio&apos;s USB identity %1 is attached.</source>
        <translation>Kein Gerät mit der USB-Kennung %1 des Funkgeräts ist angeschlossen.</translation>
    </message>
    <message>
        <source>Switch the radio on, connect it with a USB data cable (some cables only charge) and check that it runs the OpenGD77 firmware; `lsusb` then lists 1fc9:0094.</source>
        <translation>Schalten Sie das Funkgerät ein, verbinden Sie es mit einem USB-Datenkabel (manche Kabel laden nur) und prüfen Sie, dass die OpenGD77-Firmware läuft; `lsusb` zeigt dann 1fc9:0094.</translation>
    </message>
    <message>
        <source>The port %1 does not exist.</source>
        <translation>Der Port %1 existiert nicht.</translation>
    </message>
    <message>
        <source>The radio was unplugged or switched off, or the name is wrong: `nerka-cli ports --all` lists the ports there are.</source>
        <translation>Das Funkgerät wurde ausgesteckt oder ausgeschaltet, oder der Name ist falsch: `nerka-cli ports --all` listet die vorhandenen Ports.</translation>
    </message>
    <message>
        <source>You run as root: %1 opens, but files you save belong to root.</source>
        <translation>Sie arbeiten als root: %1 lässt sich öffnen, aber gespeicherte Dateien gehören root.</translation>
    </message>
    <message>
        <source>Run Nerka as yourself; if the port then refuses you, run `nerka-cli ports --doctor` as yourself.</source>
        <translation>Starten Sie Nerka als Sie selbst; verweigert der Port Ihnen dann den Zugriff, führen Sie `nerka-cli ports --doctor` als Sie selbst aus.</translation>
    </message>
    <message>
        <source>You may read and write %1 (%2).</source>
        <translation>Sie dürfen %1 lesen und schreiben (%2).</translation>
    </message>
    <message>
        <source>You may not open %1: %2.</source>
        <translation>Sie dürfen %1 nicht öffnen: %2.</translation>
    </message>
    <message>
        <source>Its group may not read and write it either; </source>
        <translation>Auch seine Gruppe darf ihn nicht lesen und schreiben; </translation>
    </message>
    <message>
        <source>Opening %1 fails: %2.</source>
        <translation>Das Öffnen von %1 schlägt fehl: %2.</translation>
    </message>
    <message>
        <source>Unplug the radio, switch it off and on, and plug it in again.</source>
        <translation>Stecken Sie das Funkgerät aus, schalten Sie es aus und wieder ein und stecken Sie es wieder ein.</translation>
    </message>
    <message>
        <source>A udev rule for the radio is installed: %1.</source>
        <translation>Eine udev-Regel für das Funkgerät ist installiert: %1.</translation>
    </message>
    <message>
        <source>No udev rule for the radio&apos;s USB identity %1 is installed.</source>
        <translation>Keine udev-Regel für die USB-Kennung %1 des Funkgeräts ist installiert.</translation>
    </message>
    <message>
        <source>ModemManager is not running.</source>
        <translation>ModemManager läuft nicht.</translation>
    </message>
    <message>
        <source>ModemManager is running; the udev rule tells it to leave the radio alone.</source>
        <translation>ModemManager läuft; die udev-Regel weist ihn an, das Funkgerät in Ruhe zu lassen.</translation>
    </message>
    <message>
        <source>ModemManager is running and probes every new serial port: after the radio is plugged in, its port is busy for a while and the probing can upset the radio.</source>
        <translation>ModemManager läuft und prüft jeden neuen seriellen Port: nach dem Einstecken des Funkgeräts ist sein Port eine Weile belegt, und die Prüfung kann das Funkgerät stören.</translation>
    </message>
    <message>
        <source>Install the udev rule, or, if this computer uses no mobile-broadband modem: `sudo systemctl disable --now ModemManager`.</source>
        <translation>Installieren Sie die udev-Regel oder, wenn dieser Rechner kein Mobilfunkmodem nutzt: `sudo systemctl disable --now ModemManager`.</translation>
    </message>
    <message>
        <source>brltty is not running.</source>
        <translation>brltty läuft nicht.</translation>
    </message>
    <message>
        <source>brltty (the Braille display service) is running. It claims some USB serial devices when they are plugged in, and their port disappears.</source>
        <translation>brltty (der Dienst für Braillezeilen) läuft. Er belegt manche seriellen USB-Geräte beim Einstecken, und ihr Port verschwindet.</translation>
    </message>
    <message>
        <source>If the radio&apos;s port vanishes right after plugging in and no Braille display is used here: `sudo systemctl mask brltty-udev.service brltty.service`, or `sudo apt remove brltty`.</source>
        <translation>Wenn der Port des Funkgeräts direkt nach dem Einstecken verschwindet und hier keine Braillezeile genutzt wird: `sudo systemctl mask brltty-udev.service brltty.service` oder `sudo apt remove brltty`.</translation>
    </message>
    <message>
        <source>Fix: </source>
        <translation>Abhilfe: </translation>
    </message>
    <message>
        <source>No problem found.
</source>
        <translation>Kein Problem gefunden.
</translation>
    </message>
    <message>
        <source>1 problem found.
</source>
        <translation>1 Problem gefunden.
</translation>
    </message>
    <message>
        <source>%1 problems found.
</source>
        <translation>%1 Probleme gefunden.
</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>&apos;%1&apos; is neither yes nor no</source>
        <translation>&apos;%1&apos; ist weder ja noch nein</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no tone of the radio&apos;s tables (88.5, D023N or Off)</source>
        <translation>&apos;%1&apos; ist kein Ton aus den Tabellen des Funkgeräts (88.5, D023N oder Off)</translation>
    </message>
    <message>
        <source>no %1 named &apos;%2&apos;</source>
        <translation>kein %1 namens &apos;%2&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not one of %2</source>
        <translation>&apos;%1&apos; ist keins von %2</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>enter a name</source>
        <translation>Namen eingeben</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Betriebsart</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Leistung</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandbreite</translation>
    </message>
    <message>
        <source>12.5 kHz</source>
        <translation>12,5 kHz</translation>
    </message>
    <message>
        <source>25 kHz</source>
        <translation>25 kHz</translation>
    </message>
    <message>
        <source>Time slot</source>
        <translation>Zeitschlitz</translation>
    </message>
    <message>
        <source>TS1</source>
        <translation>TS1</translation>
    </message>
    <message>
        <source>TS2</source>
        <translation>TS2</translation>
    </message>
    <message>
        <source>Farbcode</source>
        <translation>Farbcode</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not 0–%2</source>
        <translation>&apos;%1&apos; liegt nicht zwischen 0 und %2</translation>
    </message>
    <message>
        <source>Squelch</source>
        <translation>Rauschsperre</translation>
    </message>
    <message>
        <source>Squelch level</source>
        <translation>Rauschsperren-Stufe</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not 1–9</source>
        <translation>&apos;%1&apos; liegt nicht zwischen 1 und 9</translation>
    </message>
    <message>
        <source>APRS</source>
        <translation>APRS</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not 1–%2</source>
        <translation>&apos;%1&apos; liegt nicht zwischen 1 und %2</translation>
    </message>
    <message>
        <source>Zones</source>
        <translation>Zonen</translation>
    </message>
    <message>
        <source>zone</source>
        <translation>Zone</translation>
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
        <source>Receive only (RX-only)</source>
        <translation>Nur Empfang (RX-only)</translation>
    </message>
    <message>
        <source>RX tone</source>
        <translation>RX-Ton</translation>
    </message>
    <message>
        <source>TX tone</source>
        <translation>TX-Ton</translation>
    </message>
    <message>
        <source>Contact (TX)</source>
        <translation>Kontakt (TX)</translation>
    </message>
    <message>
        <source>contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>RX group list</source>
        <translation>RX-Gruppenliste</translation>
    </message>
    <message>
        <source>group list</source>
        <translation>Gruppenliste</translation>
    </message>
    <message>
        <source>Skip when scanning</source>
        <translation>Beim Suchlauf überspringen</translation>
    </message>
    <message>
        <source>Skip in zone scan</source>
        <translation>Im Zonen-Suchlauf überspringen</translation>
    </message>
    <message>
        <source>VOX</source>
        <translation>VOX</translation>
    </message>
    <message>
        <source>Monitor (open squelch)</source>
        <translation>Monitor (Rauschsperre offen)</translation>
    </message>
    <message>
        <source>Power save</source>
        <translation>Stromsparen</translation>
    </message>
    <message>
        <source>Key beep</source>
        <translation>Tastenton</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Private Call</source>
        <translation>Einzelruf</translation>
    </message>
    <message>
        <source>All Call</source>
        <translation>Sammelruf</translation>
    </message>
    <message>
        <source>Group Call</source>
        <translation>Gruppenruf</translation>
    </message>
    <message>
        <source>No override</source>
        <translation>Nicht vorgegeben</translation>
    </message>
    <message>
        <source>Force TS1</source>
        <translation>Immer TS1</translation>
    </message>
    <message>
        <source>Force TS2</source>
        <translation>Immer TS2</translation>
    </message>
    <message>
        <source>enter a frequency in MHz</source>
        <translation>Frequenz in MHz eingeben</translation>
    </message>
    <message>
        <source>not a number in MHz</source>
        <translation>keine Zahl in MHz</translation>
    </message>
    <message>
        <source>must be below 1000 MHz</source>
        <translation>muss unter 1000 MHz liegen</translation>
    </message>
    <message>
        <source>must be above 0 MHz</source>
        <translation>muss über 0 MHz liegen</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Offen</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Closed</source>
        <translation>Geschlossen</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Niedrig</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>High</source>
        <translation>Hoch</translation>
    </message>
    <message>
        <source>Max</source>
        <translation>Max</translation>
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
        <translation>Zeitschlitz-Vorgabe</translation>
    </message>
    <message>
        <source>Callsign</source>
        <translation>Rufzeichen</translation>
    </message>
    <message>
        <source>VHF Minimum (MHz)</source>
        <translation>VHF-Minimum (MHz)</translation>
    </message>
    <message>
        <source>VHF Maximum (MHz)</source>
        <translation>VHF-Maximum (MHz)</translation>
    </message>
    <message>
        <source>UHF Minimum (MHz)</source>
        <translation>UHF-Minimum (MHz)</translation>
    </message>
    <message>
        <source>UHF Maximum (MHz)</source>
        <translation>UHF-Maximum (MHz)</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>Contact names</source>
        <translation>Kontaktnamen</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>Channel names</source>
        <translation>Kanalnamen</translation>
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
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Decoration</source>
        <translation>Verzierung</translation>
    </message>
    <message>
        <source>Text input</source>
        <translation>Texteingabe</translation>
    </message>
    <message>
        <source>Boot text</source>
        <translation>Starttext</translation>
    </message>
    <message>
        <source>Boot background</source>
        <translation>Start-Hintergrund</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Benachrichtigung</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Notification background</source>
        <translation>Benachrichtigungs-Hintergrund</translation>
    </message>
    <message>
        <source>Menu name</source>
        <translation>Menüname</translation>
    </message>
    <message>
        <source>Menu name background</source>
        <translation>Menüname-Hintergrund</translation>
    </message>
    <message>
        <source>Menu item</source>
        <translation>Menüeintrag</translation>
    </message>
    <message>
        <source>Menu highlight</source>
        <translation>Menü-Hervorhebung</translation>
    </message>
    <message>
        <source>Option value</source>
        <translation>Optionswert</translation>
    </message>
    <message>
        <source>Header text</source>
        <translation>Kopfzeilentext</translation>
    </message>
    <message>
        <source>Header background</source>
        <translation>Kopfzeilen-Hintergrund</translation>
    </message>
    <message>
        <source>RSSI bar</source>
        <translation>RSSI-Balken</translation>
    </message>
    <message>
        <source>RSSI bar S9+</source>
        <translation>RSSI-Balken S9+</translation>
    </message>
    <message>
        <source>Channel name</source>
        <translation>Kanalname</translation>
    </message>
    <message>
        <source>Channel / VFO TG</source>
        <translation>Kanal / VFO-TG</translation>
    </message>
    <message>
        <source>Contact info</source>
        <translation>Kontaktinfo</translation>
    </message>
    <message>
        <source>Zone name</source>
        <translation>Zonenname</translation>
    </message>
    <message>
        <source>VFO RX frequency</source>
        <translation>VFO-RX-Frequenz</translation>
    </message>
    <message>
        <source>VFO TX frequency</source>
        <translation>VFO-TX-Frequenz</translation>
    </message>
    <message>
        <source>CSS/SQL values</source>
        <translation>CSS/SQL-Werte</translation>
    </message>
    <message>
        <source>TX counter</source>
        <translation>TX-Zähler</translation>
    </message>
    <message>
        <source>Polar</source>
        <translation>Polar</translation>
    </message>
    <message>
        <source>Satellite spot</source>
        <translation>Satellitenpunkt</translation>
    </message>
    <message>
        <source>GPS number</source>
        <translation>GPS-Nummer</translation>
    </message>
    <message>
        <source>GPS spot</source>
        <translation>GPS-Punkt</translation>
    </message>
    <message>
        <source>Beidou spot</source>
        <translation>Beidou-Punkt</translation>
    </message>
    <message>
        <source>Color %1</source>
        <translation>Farbe %1</translation>
    </message>
    <message>
        <source>Keps line 1</source>
        <translation>Keps-Zeile 1</translation>
    </message>
    <message>
        <source>Keps line 2</source>
        <translation>Keps-Zeile 2</translation>
    </message>
    <message>
        <source>Keps epoch (UTC)</source>
        <translation>Keps-Epoche (UTC)</translation>
    </message>
    <message>
        <source>Voice RX (MHz)</source>
        <translation>Sprache RX (MHz)</translation>
    </message>
    <message>
        <source>Voice TX (MHz)</source>
        <translation>Sprache TX (MHz)</translation>
    </message>
    <message>
        <source>TX CTCSS</source>
        <translation>TX-CTCSS</translation>
    </message>
    <message>
        <source>Arm CTCSS</source>
        <translation>Aktivierungs-CTCSS</translation>
    </message>
    <message>
        <source>APRS RX (MHz)</source>
        <translation>APRS RX (MHz)</translation>
    </message>
    <message>
        <source>APRS TX (MHz)</source>
        <translation>APRS TX (MHz)</translation>
    </message>
    <message>
        <source>Other RX (MHz)</source>
        <translation>Sonstige RX (MHz)</translation>
    </message>
    <message>
        <source>Other TX (MHz)</source>
        <translation>Sonstige TX (MHz)</translation>
    </message>
    <message>
        <source>Additional data</source>
        <translation>Zusatzdaten</translation>
    </message>
</context>
<context>
    <name>FileStore</name>
    <message>
        <source>The CSV file could not be read: %1 is not UTF-8 text.</source>
        <translation>Die CSV-Datei konnte nicht gelesen werden: %1 ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>a codeplug file</source>
        <translation>eine Codeplug-Datei</translation>
    </message>
    <message>
        <source>a channel CSV file</source>
        <translation>eine Kanal-CSV-Datei</translation>
    </message>
    <message>
        <source>a DMR ID list</source>
        <translation>eine DMR-ID-Liste</translation>
    </message>
    <message>
        <source>a keps file</source>
        <translation>eine Keps-Datei</translation>
    </message>
    <message>
        <source>a SatNOGS transmitter list</source>
        <translation>eine SatNOGS-Senderliste</translation>
    </message>
    <message>
        <source>a .gtm theme</source>
        <translation>ein .gtm-Theme</translation>
    </message>
    <message>
        <source>an operations file</source>
        <translation>eine Operationsdatei</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>%1 konnte nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>it is larger than %1, the limit for %2.</source>
        <translation>sie ist größer als %1, die Grenze für %2.</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>es ist ein Ordner.</translation>
    </message>
    <message>
        <source>it is not a regular file (a device, pipe or socket).</source>
        <translation>es ist keine reguläre Datei (ein Gerät, eine Pipe oder ein Socket).</translation>
    </message>
    <message>
        <source>its old contents could not be kept while the files are replaced.</source>
        <translation>ihr alter Inhalt konnte während des Ersetzens der Dateien nicht bewahrt werden.</translation>
    </message>
    <message>
        <source>it is named twice; the files would overwrite each other.</source>
        <translation>sie ist doppelt genannt; die Dateien würden einander überschreiben.</translation>
    </message>
</context>
<context>
    <name>LinkError</name>
    <message>
        <source>Invalid response from device: %1</source>
        <translation>Ungültige Antwort vom Gerät: %1</translation>
    </message>
    <message>
        <source>Unbekannter OpenGD77-Radiotyp: %1.</source>
        <translation>Unbekannter OpenGD77-Radiotyp: %1.</translation>
    </message>
    <message>
        <source>Device has not been identified yet.</source>
        <translation>Das Gerät wurde noch nicht erkannt.</translation>
    </message>
    <message>
        <source>Invalid request: %1</source>
        <translation>Ungültige Anfrage: %1</translation>
    </message>
    <message>
        <source>Interrupted: the write stopped after the current block.</source>
        <translation>Unterbrochen: das Schreiben endete nach dem laufenden Block.</translation>
    </message>
    <message>
        <source>Lese-Antwort Typ &apos;%1&apos; @ 0x%2</source>
        <translation>Lese-Antwort Typ &apos;%1&apos; @ 0x%2</translation>
    </message>
    <message>
        <source>Unexpected block length %1 @ 0x%2</source>
        <translation>Unerwartete Blocklänge %1 @ 0x%2</translation>
    </message>
    <message>
        <source>%1: Antwort &apos;%2&apos;</source>
        <translation>%1: Antwort &apos;%2&apos;</translation>
    </message>
    <message>
        <source>command of %1 bytes exceeds %2</source>
        <translation>Kommando mit %1 Bytes überschreitet %2</translation>
    </message>
    <message>
        <source>Kommando-Antwort &apos;%1&apos;</source>
        <translation>Kommando-Antwort &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 bytes do not fit one write request</source>
        <translation>%1 Bytes passen nicht in eine Schreibanfrage</translation>
    </message>
    <message>
        <source>block of %1 bytes @ 0x%2 is not one block</source>
        <translation>Block mit %1 Bytes @ 0x%2 ist nicht ein Block</translation>
    </message>
    <message>
        <source>Firmware-Info Typ &apos;%1&apos;</source>
        <translation>Firmware-Info Typ &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Could not parse firmware info.</source>
        <translation>Die Firmware-Info konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Serieller Port</source>
        <translation>Serieller Port</translation>
    </message>
    <message>
        <source>Could not open serial port: %1</source>
        <translation>Serieller Port konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Could not configure serial port: %1</source>
        <translation>Serieller Port konnte nicht eingerichtet werden: %1</translation>
    </message>
    <message>
        <source>Writing to the serial port failed: %1</source>
        <translation>Schreiben auf den seriellen Port fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Reading from the serial port failed: %1</source>
        <translation>Lesen vom seriellen Port fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>Incomplete write (%1/%2 bytes).</source>
        <translation>Unvollständig geschrieben (%1/%2 Bytes).</translation>
    </message>
    <message>
        <source>Serial port is not open.</source>
        <translation>Serieller Port ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>Timeout while reading from the device.</source>
        <translation>Zeitüberschreitung beim Lesen vom Gerät.</translation>
    </message>
    <message>
        <source>Port busy: another program is using the serial port. Nothing was sent.</source>
        <translation>Port belegt: ein anderes Programm nutzt den seriellen Port. Nichts wurde gesendet.</translation>
    </message>
</context>
<context>
    <name>RepeaterDirectory</name>
    <message>
        <source>no call sign</source>
        <translation>kein Rufzeichen</translation>
    </message>
    <message>
        <source>%1: no frequency</source>
        <translation>%1: keine Frequenz</translation>
    </message>
    <message>
        <source>%1: offset &apos;%2&apos; unreadable</source>
        <translation>%1: Ablage &apos;%2&apos; nicht lesbar</translation>
    </message>
    <message>
        <source>%1: offset below 0 Hz</source>
        <translation>%1: Ablage unter 0 Hz</translation>
    </message>
    <message>
        <source>%1: colour code not 0–15</source>
        <translation>%1: Farbcode nicht zwischen 0 und 15</translation>
    </message>
    <message>
        <source>The repeater list is not JSON: %1.</source>
        <translation>Die Relaisliste ist kein JSON: %1.</translation>
    </message>
    <message>
        <source>The JSON holds no repeater list (no &quot;results&quot; or &quot;rptrs&quot;).</source>
        <translation>Das JSON enthält keine Relaisliste (kein &quot;results&quot; oder &quot;rptrs&quot;).</translation>
    </message>
    <message>
        <source>Neither a repeater list of the DMR-ID registry (JSON) nor a repeater-list CSV.</source>
        <translation>Weder eine Relaisliste des DMR-ID-Registers (JSON) noch eine Relaislisten-CSV.</translation>
    </message>
    <message>
        <source>This list has no coordinates, so it cannot be searched by distance: choose by city, state or country.</source>
        <translation>Diese Liste hat keine Koordinaten und lässt sich daher nicht nach Entfernung durchsuchen: wählen Sie nach Stadt, Bundesland oder Land.</translation>
    </message>
    <message>
        <source>Unknown band &apos;%1&apos;: use 2m or 70cm.</source>
        <translation>Unbekanntes Band &apos;%1&apos;: 2m oder 70cm verwenden.</translation>
    </message>
    <message>
        <source>Unknown mode &apos;%1&apos;: use fm or dmr.</source>
        <translation>Unbekannte Betriebsart &apos;%1&apos;: fm oder dmr verwenden.</translation>
    </message>
    <message>
        <source>%1: not in the list</source>
        <translation>%1: nicht in der Liste</translation>
    </message>
    <message>
        <source>colour code %1 → %2</source>
        <translation>Farbcode %1 → %2</translation>
    </message>
</context>
<context>
    <name>RepeaterDownload</name>
    <message>
        <source>The repeater list at %1 is larger than %2 MB.</source>
        <translation>Die Relaisliste unter %1 ist größer als %2 MB.</translation>
    </message>
    <message>
        <source>The repeater list at %1 did not arrive in time.</source>
        <translation>Die Relaisliste unter %1 kam nicht rechtzeitig an.</translation>
    </message>
    <message>
        <source>The repeater list at %1 was refused (HTTP %2).</source>
        <translation>Die Relaisliste unter %1 wurde verweigert (HTTP %2).</translation>
    </message>
    <message>
        <source>The repeater list at %1 could not be fetched: %2. Without a connection, save the list as a file and give its path instead.</source>
        <translation>Die Relaisliste unter %1 konnte nicht abgerufen werden: %2. Ohne Verbindung speichern Sie die Liste als Datei und geben stattdessen ihren Pfad an.</translation>
    </message>
</context>
<context>
    <name>SatelliteCodec</name>
    <message>
        <source>This codeplug has no OpenGD77 custom-data signature, so no satellite block can be added.</source>
        <translation>Dieser Codeplug hat keine OpenGD77-Custom-Data-Signatur, daher kann kein Satellitenblock hinzugefügt werden.</translation>
    </message>
    <message>
        <source>There&apos;s no room left in the codeplug&apos;s custom-data area for a satellite block.</source>
        <translation>Im Custom-Data-Bereich des Codeplugs ist kein Platz mehr für einen Satellitenblock.</translation>
    </message>
</context>
<context>
    <name>WriteSteps</name>
    <message>
        <source>Verified</source>
        <translation>Geprüft</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Sicherung</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Reboot</source>
        <translation>Neustart</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Prüfen</translation>
    </message>
    <message>
        <source>Verify count</source>
        <translation>Anzahl prüfen</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Wartet</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
</context>
<context>
    <name>nerka::ActivityLog</name>
    <message>
        <source>Error: %1</source>
        <translation>Fehler: %1</translation>
    </message>
</context>
<context>
    <name>nerka::CodeplugDocument</name>
    <message>
        <source>Channel pasted → %1.</source>
        <translation>Kanal eingefügt → %1.</translation>
    </message>
    <message>
        <source>%1 channels pasted → %2.</source>
        <translation>%1 Kanäle eingefügt → %2.</translation>
    </message>
    <message numerus="yes">
        <source>; added to %n zone(s)</source>
        <translation>
            <numerusform>; zu %n Zone hinzugefügt</numerusform>
            <numerusform>; zu %n Zonen hinzugefügt</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 left out of full zones</source>
        <translation>, %1 aus vollen Zonen ausgelassen</translation>
    </message>
    <message>
        <source>paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Paste channel %1</source>
        <translation>Kanal %1 einfügen</translation>
    </message>
    <message>
        <source>Paste %1 channels</source>
        <translation>%1 Kanäle einfügen</translation>
    </message>
    <message>
        <source>The channels could not be pasted.</source>
        <translation>Die Kanäle konnten nicht eingefügt werden.</translation>
    </message>
    <message>
        <source>Could not locate channel %1 in memory.</source>
        <translation>Kanal %1 wurde im Speicher nicht gefunden.</translation>
    </message>
    <message>
        <source>Edit %1 channels</source>
        <translation>%1 Kanäle bearbeiten</translation>
    </message>
    <message>
        <source>The channels could not be changed.</source>
        <translation>Die Kanäle konnten nicht geändert werden.</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>%1 bearbeiten</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>Kanal %1</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 Kanäle</translation>
    </message>
    <message>
        <source>Channel %1 changed.</source>
        <translation>Kanal %1 geändert.</translation>
    </message>
    <message>
        <source>%1 channels changed.</source>
        <translation>%1 Kanäle geändert.</translation>
    </message>
    <message>
        <source>The zones could not be changed.</source>
        <translation>Die Zonen konnten nicht geändert werden.</translation>
    </message>
    <message>
        <source>name &apos;%1&apos; given twice</source>
        <translation>Name &apos;%1&apos; doppelt angegeben</translation>
    </message>
    <message>
        <source>name &apos;%1&apos; matches %2 %3</source>
        <translation>Name &apos;%1&apos; passt auf %2 %3</translation>
    </message>
    <message>
        <source>%1 updated</source>
        <translation>%1 aktualisiert</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 hinzugefügt</translation>
    </message>
    <message>
        <source>%1 deleted</source>
        <translation>%1 gelöscht</translation>
    </message>
    <message>
        <source>nothing changed</source>
        <translation>nichts geändert</translation>
    </message>
    <message>
        <source>%1 memory is full (max %2): %3 to import, %4 free.</source>
        <translation>Speicher für %1 ist voll (max. %2): %3 zum Importieren, %4 frei.</translation>
    </message>
    <message>
        <source>%1 %2, at most %3</source>
        <translation>%1 %2, höchstens %3</translation>
    </message>
    <message>
        <source>line %1 %2</source>
        <translation>Zeile %1 %2</translation>
    </message>
    <message>
        <source>%1 not found, left out: %2</source>
        <translation>%1 nicht gefunden, ausgelassen: %2</translation>
    </message>
    <message>
        <source>1 member</source>
        <translation>1 Mitglied</translation>
    </message>
    <message>
        <source>%1 members</source>
        <translation>%1 Mitglieder</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 und %2 weitere</translation>
    </message>
    <message>
        <source>append</source>
        <translation>anhängen</translation>
    </message>
    <message>
        <source>update</source>
        <translation>aktualisieren</translation>
    </message>
    <message>
        <source>replace</source>
        <translation>ersetzen</translation>
    </message>
    <message>
        <source>%1 talkgroup lists exported to %2.</source>
        <translation>%1 Sprechgruppenlisten nach %2 exportiert.</translation>
    </message>
    <message>
        <source>%1 zones exported to %2.</source>
        <translation>%1 Zonen nach %2 exportiert.</translation>
    </message>
    <message>
        <source>Codeplug exported as 4 CSV files to %1.</source>
        <translation>Codeplug als 4 CSV-Dateien nach %1 exportiert.</translation>
    </message>
    <message>
        <source>No CSV files to import: the folder holds none of %1.</source>
        <translation>Keine CSV-Dateien zu importieren: der Ordner enthält keine von %1.</translation>
    </message>
    <message>
        <source>Import codeplug from CSV files</source>
        <translation>Codeplug aus CSV-Dateien importieren</translation>
    </message>
    <message>
        <source>Codeplug imported from %1 (%2).</source>
        <translation>Codeplug aus %1 importiert (%2).</translation>
    </message>
    <message>
        <source>1 CSV file</source>
        <translation>1 CSV-Datei</translation>
    </message>
    <message>
        <source>%1 CSV files</source>
        <translation>%1 CSV-Dateien</translation>
    </message>
    <message>
        <source>The CSV files hold what the codeplug holds: nothing changed.</source>
        <translation>Die CSV-Dateien enthalten, was der Codeplug enthält: nichts geändert.</translation>
    </message>
    <message>
        <source>contacts</source>
        <translation>Kontakte</translation>
    </message>
    <message>
        <source>The contacts could not be changed.</source>
        <translation>Die Kontakte konnten nicht geändert werden.</translation>
    </message>
    <message>
        <source>The talkgroup CSV has no Name column.</source>
        <translation>Die Sprechgruppen-CSV hat keine Spalte Name.</translation>
    </message>
    <message>
        <source>contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Talkgroup</source>
        <translation>Sprechgruppe</translation>
    </message>
    <message>
        <source>The talkgroup lists could not be changed.</source>
        <translation>Die Sprechgruppenlisten konnten nicht geändert werden.</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>Kanäle</translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>ausgelassen: %1</translation>
    </message>
    <message>
        <source>The zone CSV has no Name column.</source>
        <translation>Die Zonen-CSV hat keine Spalte Name.</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>Kanal</translation>
    </message>
    <message>
        <source>zones</source>
        <translation>Zonen</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>No codeplug loaded.</source>
        <translation>Kein Codeplug geladen.</translation>
    </message>
    <message>
        <source>Channel memory is full (max %1).</source>
        <translation>Der Kanalspeicher ist voll (max. %1).</translation>
    </message>
    <message>
        <source>Could not locate %1 %2 in memory.</source>
        <translation>%1 %2 wurde im Speicher nicht gefunden.</translation>
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
        <source>Edit channel %1</source>
        <translation>Kanal %1 bearbeiten</translation>
    </message>
    <message>
        <source>Channel %1 changed: %2 (RX %3)</source>
        <translation>Kanal %1 geändert: %2 (RX %3)</translation>
    </message>
    <message>
        <source>New channel %1</source>
        <translation>Neuer Kanal %1</translation>
    </message>
    <message>
        <source>Channel %1 created.</source>
        <translation>Kanal %1 angelegt.</translation>
    </message>
    <message>
        <source>Channel %1 created: %2 (RX %3)</source>
        <translation>Kanal %1 angelegt: %2 (RX %3)</translation>
    </message>
    <message>
        <source>Nichts zu importieren.</source>
        <translation>Nichts zu importieren.</translation>
    </message>
    <message>
        <source>import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Channel memory is full.</source>
        <translation>Der Kanalspeicher ist voll.</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>%1 importieren</translation>
    </message>
    <message>
        <source>%1 channels imported.</source>
        <translation>%1 Kanäle importiert.</translation>
    </message>
    <message>
        <source>The clipboard holds no channel record.</source>
        <translation>Die Zwischenablage enthält keinen Kanal.</translation>
    </message>
    <message>
        <source>Duplicate channel %1</source>
        <translation>Kanal %1 duplizieren</translation>
    </message>
    <message>
        <source>Channel %1 duplicated → %2.</source>
        <translation>Kanal %1 dupliziert → %2.</translation>
    </message>
    <message>
        <source>Channel %1 deleted</source>
        <translation>Kanal %1 gelöscht</translation>
    </message>
    <message>
        <source>%1 channels deleted</source>
        <translation>%1 Kanäle gelöscht</translation>
    </message>
    <message numerus="yes">
        <source>; removed from %n zone(s)</source>
        <translation>
            <numerusform>; aus %n Zone entfernt</numerusform>
            <numerusform>; aus %n Zonen entfernt</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete channel %1</source>
        <translation>Kanal %1 löschen</translation>
    </message>
    <message>
        <source>Delete %1 channels</source>
        <translation>%1 Kanäle löschen</translation>
    </message>
    <message>
        <source>Reorder channels</source>
        <translation>Kanäle umordnen</translation>
    </message>
    <message>
        <source>The channels could not be reordered.</source>
        <translation>Die Kanäle konnten nicht umgeordnet werden.</translation>
    </message>
    <message>
        <source>Channels reordered.</source>
        <translation>Kanäle umgeordnet.</translation>
    </message>
    <message>
        <source>No contacts to import.</source>
        <translation>Keine Kontakte zu importieren.</translation>
    </message>
    <message>
        <source>Contact memory is full (max %1): %2 to import, %3 free.</source>
        <translation>Der Kontaktspeicher ist voll (max. %1): %2 zum Importieren, %3 frei.</translation>
    </message>
    <message>
        <source>%1 imported.</source>
        <translation>%1 importiert.</translation>
    </message>
    <message>
        <source>New contact %1</source>
        <translation>Neuer Kontakt %1</translation>
    </message>
    <message>
        <source>Edit contact %1</source>
        <translation>Kontakt %1 bearbeiten</translation>
    </message>
    <message>
        <source>Contact %1 changed: %2 (ID %3)</source>
        <translation>Kontakt %1 geändert: %2 (ID %3)</translation>
    </message>
    <message>
        <source>Contact %1 deleted</source>
        <translation>Kontakt %1 gelöscht</translation>
    </message>
    <message>
        <source>; cleared from %1 channel(s) and %2 talkgroup(s)</source>
        <translation>; aus %1 Kanal/Kanälen und %2 Sprechgruppe(n) entfernt</translation>
    </message>
    <message>
        <source>Delete contact %1</source>
        <translation>Kontakt %1 löschen</translation>
    </message>
    <message>
        <source>Reorder contacts</source>
        <translation>Kontakte umordnen</translation>
    </message>
    <message>
        <source>The contacts could not be reordered.</source>
        <translation>Die Kontakte konnten nicht umgeordnet werden.</translation>
    </message>
    <message>
        <source>Contacts reordered.</source>
        <translation>Kontakte umgeordnet.</translation>
    </message>
    <message>
        <source>Talkgroup &apos;%1&apos; holds at most %2 contacts, not %3.</source>
        <translation>Sprechgruppe &apos;%1&apos; fasst höchstens %2 Kontakte, nicht %3.</translation>
    </message>
    <message>
        <source>New talkgroup %1</source>
        <translation>Neue Sprechgruppe %1</translation>
    </message>
    <message>
        <source>Edit talkgroup %1</source>
        <translation>Sprechgruppe %1 bearbeiten</translation>
    </message>
    <message>
        <source>talkgroup</source>
        <translation>Sprechgruppe</translation>
    </message>
    <message>
        <source>Talkgroup %1 changed: %2 (%3 contacts)</source>
        <translation>Sprechgruppe %1 geändert: %2 (%3 Kontakte)</translation>
    </message>
    <message>
        <source>Talkgroup %1 deleted</source>
        <translation>Sprechgruppe %1 gelöscht</translation>
    </message>
    <message numerus="yes">
        <source>; cleared from %n channel(s)</source>
        <translation>
            <numerusform>; aus %n Kanal entfernt</numerusform>
            <numerusform>; aus %n Kanälen entfernt</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete talkgroup %1</source>
        <translation>Sprechgruppe %1 löschen</translation>
    </message>
    <message>
        <source>Reorder talkgroups</source>
        <translation>Sprechgruppen umordnen</translation>
    </message>
    <message>
        <source>The talkgroups could not be reordered.</source>
        <translation>Die Sprechgruppen konnten nicht umgeordnet werden.</translation>
    </message>
    <message>
        <source>Talkgroups reordered.</source>
        <translation>Sprechgruppen umgeordnet.</translation>
    </message>
    <message>
        <source>Zone &apos;%1&apos; holds at most %2 channels, not %3.</source>
        <translation>Zone &apos;%1&apos; fasst höchstens %2 Kanäle, nicht %3.</translation>
    </message>
    <message>
        <source>New zone %1</source>
        <translation>Neue Zone %1</translation>
    </message>
    <message>
        <source>Edit zone %1</source>
        <translation>Zone %1 bearbeiten</translation>
    </message>
    <message>
        <source>zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Zone %1 changed: %2 (%3 channels)</source>
        <translation>Zone %1 geändert: %2 (%3 Kanäle)</translation>
    </message>
    <message>
        <source>Delete zone %1</source>
        <translation>Zone %1 löschen</translation>
    </message>
    <message>
        <source>Zone %1 deleted.</source>
        <translation>Zone %1 gelöscht.</translation>
    </message>
    <message>
        <source>Reorder zones</source>
        <translation>Zonen umordnen</translation>
    </message>
    <message>
        <source>The zones could not be reordered.</source>
        <translation>Die Zonen konnten nicht umgeordnet werden.</translation>
    </message>
    <message>
        <source>Zones reordered.</source>
        <translation>Zonen umgeordnet.</translation>
    </message>
    <message>
        <source>Edit settings</source>
        <translation>Einstellungen bearbeiten</translation>
    </message>
    <message>
        <source>Could not write settings.</source>
        <translation>Die Einstellungen konnten nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Device settings changed: VHF %1–%2, UHF %3–%4 MHz.</source>
        <translation>Geräteeinstellungen geändert: VHF %1–%2, UHF %3–%4 MHz.</translation>
    </message>
    <message>
        <source>Edit theme (%1)</source>
        <translation>Theme bearbeiten (%1)</translation>
    </message>
    <message>
        <source>Could not write theme.</source>
        <translation>Das Theme konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 %2 exported to %3.</source>
        <translation>%1 %2 nach %3 exportiert.</translation>
    </message>
    <message>
        <source>No channels to export.</source>
        <translation>Keine Kanäle zu exportieren.</translation>
    </message>
    <message>
        <source>No contacts to export.</source>
        <translation>Keine Kontakte zu exportieren.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>No valid channels found in the %1CSV%2.</source>
        <translation>Keine gültigen Kanäle in der %1CSV gefunden%2.</translation>
    </message>
    <message>
        <source>repeater-list </source>
        <translation>Relaislisten-</translation>
    </message>
    <message>
        <source>No valid channels found in the CSV. Format: Name,RX,TX,Mode,…</source>
        <translation>Keine gültigen Kanäle in der CSV gefunden. Format: Name,RX,TX,Mode,…</translation>
    </message>
    <message>
        <source>No channels imported: %1.</source>
        <translation>Keine Kanäle importiert: %1.</translation>
    </message>
    <message>
        <source>Channel %1 copied.</source>
        <translation>Kanal %1 kopiert.</translation>
    </message>
    <message>
        <source>%1 channels copied.</source>
        <translation>%1 Kanäle kopiert.</translation>
    </message>
    <message>
        <source>Nothing to paste.</source>
        <translation>Nichts einzufügen.</translation>
    </message>
    <message>
        <source>No channels pasted: %1.</source>
        <translation>Keine Kanäle eingefügt: %1.</translation>
    </message>
    <message>
        <source>No channel changed; %1.</source>
        <translation>Kein Kanal geändert; %1.</translation>
    </message>
    <message>
        <source>No valid contacts found in the CSV%1</source>
        <translation>Keine gültigen Kontakte in der CSV gefunden%1</translation>
    </message>
    <message>
        <source>. Format: Name,DMR-ID,Type,Time slot</source>
        <translation>. Format: Name,DMR-ID,Type,Time slot</translation>
    </message>
    <message>
        <source>Kein Theme im Codeplug vorhanden.</source>
        <translation>Kein Theme im Codeplug vorhanden.</translation>
    </message>
    <message>
        <source>Invalid .gtm file.</source>
        <translation>Ungültige .gtm-Datei.</translation>
    </message>
    <message>
        <source>Theme (%1) imported from %2.</source>
        <translation>Theme (%1) aus %2 importiert.</translation>
    </message>
    <message>
        <source>Kein Theme vorhanden.</source>
        <translation>Kein Theme vorhanden.</translation>
    </message>
    <message>
        <source>Theme (%1) exported to %2.</source>
        <translation>Theme (%1) nach %2 exportiert.</translation>
    </message>
    <message>
        <source>Zone &apos;%1&apos; holds at most %2 channels: it has %3, so %4 cannot be added.</source>
        <translation>Zone &apos;%1&apos; fasst höchstens %2 Kanäle: sie hat %3, daher kann %4 nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Add %1 to zone %2</source>
        <translation>%1 zu Zone %2 hinzufügen</translation>
    </message>
    <message>
        <source>Remove %1 from zone %2</source>
        <translation>%1 aus Zone %2 entfernen</translation>
    </message>
    <message>
        <source>zone %1</source>
        <translation>Zone %1</translation>
    </message>
    <message>
        <source>Add %1 to %2</source>
        <translation>%1 zu %2 hinzufügen</translation>
    </message>
    <message>
        <source>Remove %1 from %2</source>
        <translation>%1 aus %2 entfernen</translation>
    </message>
    <message>
        <source>Talkgroup &apos;%1&apos; holds at most %2 contacts.</source>
        <translation>Sprechgruppe &apos;%1&apos; fasst höchstens %2 Kontakte.</translation>
    </message>
    <message>
        <source>contact %1</source>
        <translation>Kontakt %1</translation>
    </message>
    <message>
        <source>talkgroup %1</source>
        <translation>Sprechgruppe %1</translation>
    </message>
    <message>
        <source>A zone needs a name.</source>
        <translation>Eine Zone braucht einen Namen.</translation>
    </message>
    <message>
        <source>Zone memory is full (max %1).</source>
        <translation>Der Zonenspeicher ist voll (max. %1).</translation>
    </message>
    <message>
        <source>A zone holds at most %1 channels; %2 are selected.</source>
        <translation>Eine Zone fasst höchstens %1 Kanäle; %2 sind ausgewählt.</translation>
    </message>
    <message>
        <source>Zone %1 created: %2 (%3 channels)</source>
        <translation>Zone %1 angelegt: %2 (%3 Kanäle)</translation>
    </message>
    <message>
        <source>Add contact %1 to talkgroup %2</source>
        <translation>Kontakt %1 zu Sprechgruppe %2 hinzufügen</translation>
    </message>
    <message>
        <source>Remove contact %1 from talkgroup %2</source>
        <translation>Kontakt %1 aus Sprechgruppe %2 entfernen</translation>
    </message>
    <message>
        <source>already channels</source>
        <translation>schon Kanäle</translation>
    </message>
    <message>
        <source>with the offset&apos;s sign from the band plan</source>
        <translation>mit der Ablagerichtung aus dem Bandplan</translation>
    </message>
    <message>
        <source>No repeaters to add.</source>
        <translation>Keine Relais hinzuzufügen.</translation>
    </message>
    <message>
        <source>No repeaters added: %1.</source>
        <translation>Keine Relais hinzugefügt: %1.</translation>
    </message>
    <message>
        <source>add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Add %1 repeaters</source>
        <translation>%1 Relais hinzufügen</translation>
    </message>
    <message>
        <source>%1 repeaters added as channels</source>
        <translation>%1 Relais als Kanäle hinzugefügt</translation>
    </message>
    <message>
        <source>%1 in zone &apos;%2&apos;</source>
        <translation>%1 in Zone &apos;%2&apos;</translation>
    </message>
    <message>
        <source>without a talkgroup list (the table is full)</source>
        <translation>ohne Sprechgruppenliste (die Tabelle ist voll)</translation>
    </message>
    <message>
        <source>Could not write the satellite.</source>
        <translation>Der Satellit konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Added a satellite block to the codeplug.</source>
        <translation>Dem Codeplug wurde ein Satellitenblock hinzugefügt.</translation>
    </message>
    <message>
        <source>Refresh keps</source>
        <translation>Keps auffrischen</translation>
    </message>
    <message numerus="yes">
        <source>Refreshed the keps of %n satellite(s)</source>
        <translation>
            <numerusform>Keps von %n Satellit aufgefrischt</numerusform>
            <numerusform>Keps von %n Satelliten aufgefrischt</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 — no TLE for: %2</source>
        <translation>%1 — kein TLE für: %2</translation>
    </message>
    <message>
        <source>Load a codeplug first.</source>
        <translation>Laden Sie zuerst einen Codeplug.</translation>
    </message>
    <message>
        <source>Add satellites</source>
        <translation>Satelliten hinzufügen</translation>
    </message>
    <message numerus="yes">
        <source>Added %n satellite(s)</source>
        <translation>
            <numerusform>%n Satellit hinzugefügt</numerusform>
            <numerusform>%n Satelliten hinzugefügt</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2 skipped — only %3 slots)</source>
        <translation>%1 (%2 übersprungen — nur %3 Plätze)</translation>
    </message>
    <message>
        <source>Satellite memory is full (max %1).</source>
        <translation>Der Satellitenspeicher ist voll (max. %1).</translation>
    </message>
    <message>
        <source>Edit satellite %1</source>
        <translation>Satellit %1 bearbeiten</translation>
    </message>
    <message>
        <source>Satellite %1 changed: %2</source>
        <translation>Satellit %1 geändert: %2</translation>
    </message>
    <message>
        <source>Could not locate satellite %1 in memory.</source>
        <translation>Satellit %1 wurde im Speicher nicht gefunden.</translation>
    </message>
    <message>
        <source>Delete satellite %1</source>
        <translation>Satellit %1 löschen</translation>
    </message>
    <message>
        <source>Satellite deleted: %1</source>
        <translation>Satellit gelöscht: %1</translation>
    </message>
</context>
<context>
    <name>nerka::RadioController</name>
    <message>
        <source>Connecting…</source>
        <translation>Verbinde…</translation>
    </message>
    <message>
        <source>No serial port selected.</source>
        <translation>Kein serieller Port ausgewählt.</translation>
    </message>
    <message>
        <source>Auto-connect not possible yet: %1</source>
        <translation>Automatisches Verbinden noch nicht möglich: %1</translation>
    </message>
    <message>
        <source>Connected: %1 — FW %2 (%3)</source>
        <translation>Verbunden: %1 — FW %2 (%3)</translation>
    </message>
    <message>
        <source>Auto-read: reading codeplug…</source>
        <translation>Automatisches Lesen: lese Codeplug…</translation>
    </message>
    <message>
        <source>Auto-connect: looking for remembered device…</source>
        <translation>Automatisches Verbinden: suche bekanntes Gerät…</translation>
    </message>
    <message>
        <source>Auto-connect cancelled (30 s timeout).</source>
        <translation>Automatisches Verbinden abgebrochen (30 s Zeitlimit).</translation>
    </message>
    <message>
        <source>Could not verify: the radio did not reconnect.</source>
        <translation>Prüfung nicht möglich: das Funkgerät hat sich nicht wieder verbunden.</translation>
    </message>
    <message>
        <source>Device is rebooting — auto-reconnect will follow…</source>
        <translation>Gerät startet neu — automatisches Wiederverbinden folgt…</translation>
    </message>
    <message>
        <source>Nicht verbunden.</source>
        <translation>Nicht verbunden.</translation>
    </message>
    <message>
        <source>Downloading DMR database…</source>
        <translation>Lade DMR-Datenbank herunter…</translation>
    </message>
    <message>
        <source>Writing DMR database…</source>
        <translation>Schreibe DMR-Datenbank…</translation>
    </message>
    <message>
        <source>Reading DMR database…</source>
        <translation>Lese DMR-Datenbank…</translation>
    </message>
    <message>
        <source>No usable DMR IDs found in the file.</source>
        <translation>Keine verwendbaren DMR-IDs in der Datei gefunden.</translation>
    </message>
    <message>
        <source>No usable DMR IDs found in the download.</source>
        <translation>Keine verwendbaren DMR-IDs im Download gefunden.</translation>
    </message>
    <message>
        <source>Download failed.</source>
        <translation>Download fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Download timed out.</source>
        <translation>Zeitüberschreitung beim Download.</translation>
    </message>
    <message>
        <source>A download of the DMR database is running.</source>
        <translation>Ein Download der DMR-Datenbank läuft.</translation>
    </message>
    <message>
        <source>No DMR database found on the device.</source>
        <translation>Keine DMR-Datenbank auf dem Gerät gefunden.</translation>
    </message>
    <message>
        <source>Writing DMR database: %1 entries (%2 KB)</source>
        <translation>Schreibe DMR-Datenbank: %1 Einträge (%2 KB)</translation>
    </message>
    <message>
        <source>%1 duplicate IDs merged</source>
        <translation>%1 doppelte IDs zusammengeführt</translation>
    </message>
    <message>
        <source>%1 dropped (over capacity)</source>
        <translation>%1 verworfen (über der Kapazität)</translation>
    </message>
    <message>
        <source>Imported DMR database from %1: %2 entries (%3 skipped).</source>
        <translation>DMR-Datenbank aus %1 importiert: %2 Einträge (%3 übersprungen).</translation>
    </message>
    <message>
        <source>Download failed (HTTP %1).</source>
        <translation>Download fehlgeschlagen (HTTP %1).</translation>
    </message>
    <message>
        <source>Downloaded DMR database: %1 entries (%2 skipped).</source>
        <translation>DMR-Datenbank heruntergeladen: %1 Einträge (%2 übersprungen).</translation>
    </message>
    <message>
        <source>Downloading DMR database from %1…</source>
        <translation>Lade DMR-Datenbank von %1 herunter…</translation>
    </message>
    <message>
        <source>No DMR database imported.</source>
        <translation>Keine DMR-Datenbank importiert.</translation>
    </message>
    <message>
        <source>%1 entries, %2 KB</source>
        <translation>%1 Einträge, %2 KB</translation>
    </message>
    <message>
        <source>DMR database written. Device is rebooting — disconnected.</source>
        <translation>DMR-Datenbank geschrieben. Gerät startet neu — getrennt.</translation>
    </message>
    <message>
        <source>Could not verify: %1</source>
        <translation>Prüfung nicht möglich: %1</translation>
    </message>
    <message>
        <source>The radio reports %1 entries; %2 were written.</source>
        <translation>Das Funkgerät meldet %1 Einträge; %2 wurden geschrieben.</translation>
    </message>
    <message>
        <source>%1 entries on the device</source>
        <translation>%1 Einträge auf dem Gerät</translation>
    </message>
    <message>
        <source>Reading DMR database from device: %1 entries (%2 KB) — this can take a while…</source>
        <translation>Lese DMR-Datenbank vom Gerät: %1 Einträge (%2 KB) — das kann eine Weile dauern…</translation>
    </message>
    <message>
        <source>Read DMR database from device: %1 entries.</source>
        <translation>DMR-Datenbank vom Gerät gelesen: %1 Einträge.</translation>
    </message>
    <message>
        <source>No DMR database to export.</source>
        <translation>Keine DMR-Datenbank zu exportieren.</translation>
    </message>
    <message>
        <source>Exported %1 DMR entries to %2.</source>
        <translation>%1 DMR-Einträge nach %2 exportiert.</translation>
    </message>
    <message>
        <source>Busy: wait for the running transfer to finish.</source>
        <translation>Beschäftigt: warten Sie, bis die laufende Übertragung endet.</translation>
    </message>
    <message>
        <source>Verbindung getrennt.</source>
        <translation>Verbindung getrennt.</translation>
    </message>
    <message>
        <source>Radio disconnected (unplugged?). The codeplug stays in memory; nothing was lost.</source>
        <translation>Funkgerät getrennt (ausgesteckt?). Der Codeplug bleibt im Speicher; nichts ging verloren.</translation>
    </message>
    <message>
        <source>Radio disconnected (unplugged?).</source>
        <translation>Funkgerät getrennt (ausgesteckt?).</translation>
    </message>
    <message>
        <source>Could not read the radio&apos;s codeplug: %1 Nothing was written.</source>
        <translation>Der Codeplug des Funkgeräts konnte nicht gelesen werden: %1 Nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>Reading the radio&apos;s codeplug for the backup…</source>
        <translation>Lese den Codeplug des Funkgeräts für die Sicherung…</translation>
    </message>
    <message>
        <source>Could not back up the radio&apos;s codeplug: %1 Nothing was written.</source>
        <translation>Der Codeplug des Funkgeräts konnte nicht gesichert werden: %1 Nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>Could not save the backup: %1 Nothing was written.</source>
        <translation>Die Sicherung konnte nicht gespeichert werden: %1 Nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>Backup saved: %1</source>
        <translation>Sicherung gespeichert: %1</translation>
    </message>
    <message>
        <source>The radio&apos;s codeplug is not what it was when last read; reading it again…</source>
        <translation>Der Codeplug des Funkgeräts ist nicht mehr der zuletzt gelesene; lese ihn erneut…</translation>
    </message>
    <message>
        <source>Verification failed: region %1 on the radio differs from what was written, first at %2 address %3. </source>
        <translation>Prüfung fehlgeschlagen: Bereich %1 im Funkgerät weicht vom Geschriebenen ab, zuerst bei %2-Adresse %3. </translation>
    </message>
    <message>
        <source>No backup was taken before the write.</source>
        <translation>Vor dem Schreiben wurde keine Sicherung angelegt.</translation>
    </message>
    <message>
        <source>The radio&apos;s codeplug from before the write is in the backup %1.</source>
        <translation>Der Codeplug des Funkgeräts von vor dem Schreiben liegt in der Sicherung %1.</translation>
    </message>
    <message>
        <source>Verifying the write…</source>
        <translation>Prüfe das Schreiben…</translation>
    </message>
    <message>
        <source>Could not verify: a different radio connected (flash serial %1, the write went to %2).</source>
        <translation>Prüfung nicht möglich: ein anderes Funkgerät ist verbunden (Flash-Seriennummer %1, geschrieben wurde auf %2).</translation>
    </message>
    <message numerus="yes">
        <source>Verified: %n region(s) match the radio.</source>
        <translation>
            <numerusform>Geprüft: %n Bereich stimmt mit dem Funkgerät überein.</numerusform>
            <numerusform>Geprüft: %n Bereiche stimmen mit dem Funkgerät überein.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Backup opened: %1 — %n region(s) will be written with the next write.</source>
        <translation>
            <numerusform>Sicherung geöffnet: %1 — %n Bereich wird beim nächsten Schreiben geschrieben.</numerusform>
            <numerusform>Sicherung geöffnet: %1 — %n Bereiche werden beim nächsten Schreiben geschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <source>Downloading TLEs…</source>
        <translation>Lade TLEs herunter…</translation>
    </message>
    <message>
        <source>No TLEs found in the file.</source>
        <translation>Keine TLEs in der Datei gefunden.</translation>
    </message>
    <message>
        <source>A keps download is running.</source>
        <translation>Ein Keps-Download läuft.</translation>
    </message>
    <message>
        <source>No TLEs found in the download.</source>
        <translation>Keine TLEs im Download gefunden.</translation>
    </message>
    <message>
        <source>Downloading satellite keps from %1…</source>
        <translation>Lade Satelliten-Keps von %1 herunter…</translation>
    </message>
    <message>
        <source>Loaded %1 TLEs from %2</source>
        <translation>%1 TLEs aus %2 geladen</translation>
    </message>
    <message>
        <source>. Frequencies unavailable (SatNOGS could not be reached).</source>
        <translation>. Frequenzen nicht verfügbar (SatNOGS war nicht erreichbar).</translation>
    </message>
    <message>
        <source>; %1 have FM frequencies from SatNOGS.</source>
        <translation>; %1 haben FM-Frequenzen von SatNOGS.</translation>
    </message>
    <message>
        <source>Reading codeplug…</source>
        <translation>Lese Codeplug…</translation>
    </message>
    <message>
        <source>Writing changes…</source>
        <translation>Schreibe Änderungen…</translation>
    </message>
    <message>
        <source>Nothing to write: the radio already holds this codeplug.</source>
        <translation>Nichts zu schreiben: das Funkgerät enthält diesen Codeplug bereits.</translation>
    </message>
    <message>
        <source>the %1 family</source>
        <translation>die Familie %1</translation>
    </message>
    <message>
        <source>no radio family</source>
        <translation>keine Gerätefamilie</translation>
    </message>
    <message>
        <source>The codeplug is for %1, but the connected radio is %2 family. Nothing was written.</source>
        <translation>Der Codeplug ist für %1, aber das verbundene Funkgerät gehört zur Familie %2. Nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>Region %1 starts at flash address 0x%2, which the radio cannot write. Nothing was written.</source>
        <translation>Bereich %1 beginnt bei Flash-Adresse 0x%2, die das Funkgerät nicht schreiben kann. Nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>Region %1 (%2 0x%3, %4 bytes) is not a region of the %5 codeplug. Nothing was written.</source>
        <translation>Bereich %1 (%2 0x%3, %4 Bytes) ist kein Bereich des %5-Codeplugs. Nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>Lese Codeplug (%1 KB, %2)…</source>
        <translation>Lese Codeplug (%1 KB, %2)…</translation>
    </message>
    <message>
        <source>%1-Layout</source>
        <translation>%1-Layout</translation>
    </message>
    <message>
        <source>Codeplug read: %1 channels, %2 contacts, %3 talkgroups, %4 zones.</source>
        <translation>Codeplug gelesen: %1 Kanäle, %2 Kontakte, %3 Sprechgruppen, %4 Zonen.</translation>
    </message>
    <message>
        <source>region %1 whole: the radio&apos;s copy is not known</source>
        <translation>Bereich %1 ganz: die Kopie des Funkgeräts ist unbekannt</translation>
    </message>
    <message>
        <source>region %1 whole: most of it changed</source>
        <translation>Bereich %1 ganz: größtenteils geändert</translation>
    </message>
    <message>
        <source>region %1 whole, as asked</source>
        <translation>Bereich %1 ganz, wie verlangt</translation>
    </message>
    <message>
        <source>Sending %1 of %2 block(s): %3 EEPROM, %4 into %5 flash sector(s).</source>
        <translation>Sende %1 von %2 Block/Blöcken: %3 EEPROM, %4 in %5 Flash-Sektor(en).</translation>
    </message>
    <message numerus="yes">
        <source>Writing %n changed region(s) (%1 KB)…</source>
        <translation>
            <numerusform>Schreibe %n geänderten Bereich (%1 KB)…</numerusform>
            <numerusform>Schreibe %n geänderte Bereiche (%1 KB)…</numerusform>
        </translation>
    </message>
    <message>
        <source>Changes written. Device is rebooting — disconnected.</source>
        <translation>Änderungen geschrieben. Gerät startet neu — getrennt.</translation>
    </message>
    <message>
        <source>File loaded: %1 (%2)</source>
        <translation>Datei geladen: %1 (%2)</translation>
    </message>
    <message>
        <source>No codeplug loaded.</source>
        <translation>Kein Codeplug geladen.</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Gespeichert: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n block(s), %1 bytes</source>
        <translation>
            <numerusform>%n Block, %1 Bytes</numerusform>
            <numerusform>%n Blöcke, %1 Bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>New codeplug (UV380 family).</source>
        <translation>Neuer Codeplug (UV380-Familie).</translation>
    </message>
    <message>
        <source>New codeplug (GD77 family).</source>
        <translation>Neuer Codeplug (GD77-Familie).</translation>
    </message>
</context>
</TS>
