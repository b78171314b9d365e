<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>ChangeText</name>
    <message>
        <source>on</source>
        <translation>on</translation>
    </message>
    <message>
        <source>off</source>
        <translation>off</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>None</source>
        <translation>None</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>not set</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>Channel</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Talkgroup</source>
        <translation>Talkgroup</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>APRS system</source>
        <translation>APRS system</translation>
    </message>
    <message>
        <source>Day theme</source>
        <translation>Day theme</translation>
    </message>
    <message>
        <source>Night theme</source>
        <translation>Night theme</translation>
    </message>
    <message>
        <source>Satellite</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Region</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>elements updated</source>
        <translation>elements updated</translation>
    </message>
    <message>
        <source>elements updated (epoch %1)</source>
        <translation>elements updated (epoch %1)</translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <translation>
            <numerusform>%1 and %n more</numerusform>
            <numerusform>%1 and %n more</numerusform>
        </translation>
    </message>
    <message>
        <source>adds %1</source>
        <translation>adds %1</translation>
    </message>
    <message>
        <source>removes %1</source>
        <translation>removes %1</translation>
    </message>
    <message>
        <source>order changed</source>
        <translation>order changed</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>channel</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>channels</translation>
    </message>
    <message>
        <source>contact</source>
        <translation>contact</translation>
    </message>
    <message>
        <source>contacts</source>
        <translation>contacts</translation>
    </message>
    <message>
        <source>talkgroup</source>
        <translation>talkgroup</translation>
    </message>
    <message>
        <source>talkgroups</source>
        <translation>talkgroups</translation>
    </message>
    <message>
        <source>zone</source>
        <translation>zone</translation>
    </message>
    <message>
        <source>zones</source>
        <translation>zones</translation>
    </message>
    <message>
        <source>aprs system</source>
        <translation>aprs system</translation>
    </message>
    <message>
        <source>aprs systems</source>
        <translation>aprs systems</translation>
    </message>
    <message>
        <source>satellite</source>
        <translation>satellite</translation>
    </message>
    <message>
        <source>satellites</source>
        <translation>satellites</translation>
    </message>
    <message>
        <source>region</source>
        <translation>region</translation>
    </message>
    <message>
        <source>regions</source>
        <translation>regions</translation>
    </message>
    <message>
        <source>no family</source>
        <translation>no family</translation>
    </message>
    <message>
        <source>region %1</source>
        <translation>region %1</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 added</translation>
    </message>
    <message>
        <source>%1 removed</source>
        <translation>%1 removed</translation>
    </message>
    <message>
        <source>bytes outside known records in %1 differ at offset 0x%2 (%3 byte)</source>
        <translation>bytes outside known records in %1 differ at offset 0x%2 (%3 byte)</translation>
    </message>
    <message>
        <source>bytes outside known records in %1 differ at offset 0x%2 (%3 bytes)</source>
        <translation>bytes outside known records in %1 differ at offset 0x%2 (%3 bytes)</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>channel %1</translation>
    </message>
    <message>
        <source>name cleared</source>
        <translation>name cleared</translation>
    </message>
    <message>
        <source>renamed to %1</source>
        <translation>renamed to %1</translation>
    </message>
    <message>
        <source>%1 changed</source>
        <translation>%1 changed</translation>
    </message>
    <message>
        <source>The codeplugs are of different radio families (%1 and %2) and cannot be compared.</source>
        <translation>The codeplugs are of different radio families (%1 and %2) and cannot be compared.</translation>
    </message>
    <message>
        <source>%1 other %2 renumbered</source>
        <translation>%1 other %2 renumbered</translation>
    </message>
    <message>
        <source>%1 %2 renumbered</source>
        <translation>%1 %2 renumbered</translation>
    </message>
    <message>
        <source>%1 %2 %3 inserted</source>
        <translation>%1 %2 %3 inserted</translation>
    </message>
    <message>
        <source>%1 inserted at %2</source>
        <translation>%1 inserted at %2</translation>
    </message>
    <message>
        <source>%1 after it renumbered</source>
        <translation>%1 after it renumbered</translation>
    </message>
    <message>
        <source>%1 after them renumbered</source>
        <translation>%1 after them renumbered</translation>
    </message>
    <message>
        <source>%1 deleted</source>
        <translation>%1 deleted</translation>
    </message>
    <message>
        <source>%1 moved to %2</source>
        <translation>%1 moved to %2</translation>
    </message>
    <message>
        <source>%1 renumbered to %2</source>
        <translation>%1 renumbered to %2</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Channels</translation>
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
        <source>Zones</source>
        <translation>Zones</translation>
    </message>
    <message>
        <source>the settings</source>
        <translation>the settings</translation>
    </message>
    <message>
        <source>APRS systems</source>
        <translation>APRS systems</translation>
    </message>
    <message>
        <source>day theme colour</source>
        <translation>day theme colour</translation>
    </message>
    <message>
        <source>day theme colours</source>
        <translation>day theme colours</translation>
    </message>
    <message>
        <source>night theme colour</source>
        <translation>night theme colour</translation>
    </message>
    <message>
        <source>night theme colours</source>
        <translation>night theme colours</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>Other bytes</source>
        <translation>Other bytes</translation>
    </message>
    <message>
        <source>Nothing changed</source>
        <translation>Nothing changed</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 and %2</translation>
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
        <translation>No folder for backups is known on this system.</translation>
    </message>
    <message>
        <source>Cannot create the backup folder %1.</source>
        <translation>Cannot create the backup folder %1.</translation>
    </message>
</context>
<context>
    <name>CodeplugDocument</name>
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
        <source>%1 added</source>
        <translation>%1 added</translation>
    </message>
    <message>
        <source>%1 added as a copy</source>
        <translation>%1 added as a copy</translation>
    </message>
    <message>
        <source>%1 replaced</source>
        <translation>%1 replaced</translation>
    </message>
    <message>
        <source>%1 already there</source>
        <translation>%1 already there</translation>
    </message>
    <message>
        <source>%1 from %2: %3.</source>
        <translation>%1 from %2: %3.</translation>
    </message>
    <message>
        <source>No record chosen to merge.</source>
        <translation>No record chosen to merge.</translation>
    </message>
    <message>
        <source>Merge from %1</source>
        <translation>Merge from %1</translation>
    </message>
</context>
<context>
    <name>CodeplugFile</name>
    <message>
        <source>Invalid codeplug file: %1</source>
        <translation>Invalid codeplug file: %1</translation>
    </message>
    <message>
        <source>Wrong signature — not a valid codeplug file (v2).</source>
        <translation>Wrong signature — not a valid codeplug file (v2).</translation>
    </message>
    <message>
        <source>File too large.</source>
        <translation>File too large.</translation>
    </message>
    <message>
        <source>%1 regions; a codeplug file has at most %2.</source>
        <translation>%1 regions; a codeplug file has at most %2.</translation>
    </message>
    <message>
        <source>File too short.</source>
        <translation>File too short.</translation>
    </message>
    <message>
        <source>File too short for region.</source>
        <translation>File too short for region.</translation>
    </message>
</context>
<context>
    <name>CodeplugMerge</name>
    <message>
        <source>No room for more contacts: a codeplug holds %1.</source>
        <translation>No room for more contacts: a codeplug holds %1.</translation>
    </message>
    <message>
        <source>No room for more talkgroups: a codeplug holds %1.</source>
        <translation>No room for more talkgroups: a codeplug holds %1.</translation>
    </message>
    <message>
        <source>No room for more channels: a codeplug holds %1.</source>
        <translation>No room for more channels: a codeplug holds %1.</translation>
    </message>
    <message>
        <source>No room for more zones: a codeplug holds %1.</source>
        <translation>No room for more zones: a codeplug holds %1.</translation>
    </message>
    <message>
        <source>The other codeplug is for another radio family: nothing was taken.</source>
        <translation>The other codeplug is for another radio family: nothing was taken.</translation>
    </message>
</context>
<context>
    <name>CodeplugReport</name>
    <message>
        <source>No.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Offset (MHz)</source>
        <translation>Offset (MHz)</translation>
    </message>
    <message>
        <source>Tone / colour code</source>
        <translation>Tone / colour code</translation>
    </message>
    <message>
        <source>Contact / group list</source>
        <translation>Contact / group list</translation>
    </message>
    <message>
        <source>Other settings</source>
        <translation>Other settings</translation>
    </message>
    <message>
        <source>Unknown</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Codeplug report</source>
        <translation>Codeplug report</translation>
    </message>
    <message>
        <source>Radio family</source>
        <translation>Radio family</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>Source</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Zone %1: %2</source>
        <translation>Zone %1: %2</translation>
    </message>
    <message>
        <source>Channels in no zone</source>
        <translation>Channels in no zone</translation>
    </message>
    <message>
        <source>Talkgroup lists</source>
        <translation>Talkgroup lists</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Satellites</source>
        <translation>Satellites</translation>
    </message>
    <message>
        <source>No zones.</source>
        <translation>No zones.</translation>
    </message>
</context>
<context>
    <name>CsvImport</name>
    <message>
        <source>outside this radio&apos;s bands (%1)</source>
        <translation>outside this radio&apos;s bands (%1)</translation>
    </message>
    <message>
        <source>channel %1 %2 %3</source>
        <translation>channel %1 %2 %3</translation>
    </message>
    <message>
        <source>%1 more</source>
        <translation>%1 more</translation>
    </message>
    <message>
        <source>%1 %2 %3: %4</source>
        <translation>%1 %2 %3: %4</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>channel</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>channels</translation>
    </message>
    <message>
        <source>line %1 %2</source>
        <translation>line %1 %2</translation>
    </message>
    <message>
        <source>row</source>
        <translation>row</translation>
    </message>
    <message>
        <source>rows</source>
        <translation>rows</translation>
    </message>
    <message>
        <source>Channel memory is full (max %1): %2 to %3, %4 free.</source>
        <translation>Channel memory is full (max %1): %2 to %3, %4 free.</translation>
    </message>
    <message>
        <source>1 channel set to simplex (TX would leave the band)</source>
        <translation>1 channel set to simplex (TX would leave the band)</translation>
    </message>
    <message>
        <source>%1 channels set to simplex (TX would leave the band)</source>
        <translation>%1 channels set to simplex (TX would leave the band)</translation>
    </message>
    <message>
        <source>contact</source>
        <translation>contact</translation>
    </message>
    <message>
        <source>group list</source>
        <translation>group list</translation>
    </message>
    <message>
        <source>zone &apos;%1&apos;</source>
        <translation>zone &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 %2 not in this codeplug, left empty: %3</source>
        <translation>%1 %2 not in this codeplug, left empty: %3</translation>
    </message>
    <message>
        <source>name</source>
        <translation>name</translation>
    </message>
    <message>
        <source>names</source>
        <translation>names</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>no name</translation>
    </message>
    <message>
        <source>DMR ID &apos;%1&apos; is not 1–16777215</source>
        <translation>DMR ID &apos;%1&apos; is not 1–16777215</translation>
    </message>
    <message>
        <source>type &apos;%1&apos; unknown</source>
        <translation>type &apos;%1&apos; unknown</translation>
    </message>
    <message>
        <source>time slot &apos;%1&apos; unknown</source>
        <translation>time slot &apos;%1&apos; unknown</translation>
    </message>
    <message>
        <source>quote not closed (the rest of the file was taken into this row)</source>
        <translation>quote not closed (the rest of the file was taken into this row)</translation>
    </message>
    <message>
        <source>%1 missing</source>
        <translation>%1 missing</translation>
    </message>
    <message>
        <source>frequency %1 MHz not available</source>
        <translation>frequency %1 MHz not available</translation>
    </message>
    <message>
        <source>%1 %2 not readable</source>
        <translation>%1 %2 not readable</translation>
    </message>
    <message>
        <source>offset missing</source>
        <translation>offset missing</translation>
    </message>
    <message>
        <source>offset %1 not readable</source>
        <translation>offset %1 not readable</translation>
    </message>
    <message>
        <source>tone %1 not readable</source>
        <translation>tone %1 not readable</translation>
    </message>
    <message>
        <source>tone %1 Hz not available</source>
        <translation>tone %1 Hz not available</translation>
    </message>
    <message>
        <source>DTCS code %1 not readable</source>
        <translation>DTCS code %1 not readable</translation>
    </message>
    <message>
        <source>DTCS code %1 not available</source>
        <translation>DTCS code %1 not available</translation>
    </message>
    <message>
        <source>cross mode %1 not available</source>
        <translation>cross mode %1 not available</translation>
    </message>
    <message>
        <source>tone mode %1 not available</source>
        <translation>tone mode %1 not available</translation>
    </message>
    <message>
        <source>DTCS polarity %1 not readable</source>
        <translation>DTCS polarity %1 not readable</translation>
    </message>
    <message>
        <source>Mode missing</source>
        <translation>Mode missing</translation>
    </message>
    <message>
        <source>%1 mode</source>
        <translation>%1 mode</translation>
    </message>
    <message>
        <source>TX frequency %1 MHz not available</source>
        <translation>TX frequency %1 MHz not available</translation>
    </message>
    <message>
        <source>duplex %1 not available</source>
        <translation>duplex %1 not available</translation>
    </message>
    <message>
        <source>quote not closed</source>
        <translation>quote not closed</translation>
    </message>
    <message>
        <source>%1 %2 skipped: %3</source>
        <translation>%1 %2 skipped: %3</translation>
    </message>
</context>
<context>
    <name>DMRSelection</name>
    <message>
        <source>Writing %1 of %2 entries</source>
        <translation>Writing %1 of %2 entries</translation>
    </message>
    <message>
        <source>%1, lowest IDs first.</source>
        <translation>%1, lowest IDs first.</translation>
    </message>
    <message>
        <source>without entries</source>
        <translation>without entries</translation>
    </message>
    <message>
        <source>complete</source>
        <translation>complete</translation>
    </message>
    <message>
        <source>left out</source>
        <translation>left out</translation>
    </message>
    <message>
        <source>%1 cut to %2 of %3</source>
        <translation>%1 cut to %2 of %3</translation>
    </message>
    <message>
        <source>the rest filled by lowest ID</source>
        <translation>the rest filled by lowest ID</translation>
    </message>
    <message>
        <source>no other entries</source>
        <translation>no other entries</translation>
    </message>
</context>
<context>
    <name>DeviceDoctor</name>
    <message>
        <source>it belongs to %1:%2 with mode %3</source>
        <translation>it belongs to %1:%2 with mode %3</translation>
    </message>
    <message>
        <source>Install Nerka&apos;s package, or copy %1 (packaging/linux in Nerka&apos;s source) to /etc/udev/rules.d/, run `sudo udevadm control --reload` and plug the radio in again. The rule lets the logged-in user open the radio and tells ModemManager to leave it alone.</source>
        <translation>Install Nerka&apos;s package, or copy %1 (packaging/linux in Nerka&apos;s source) to /etc/udev/rules.d/, run `sudo udevadm control --reload` and plug the radio in again. The rule lets the logged-in user open the radio and tells ModemManager to leave it alone.</translation>
    </message>
    <message>
        <source>You are in group %1.</source>
        <translation>You are in group %1.</translation>
    </message>
    <message>
        <source>You were added to group %1, but this login began before that, so it does not have the group yet.</source>
        <translation>You were added to group %1, but this login began before that, so it does not have the group yet.</translation>
    </message>
    <message>
        <source>Log out and log in again (or restart the computer). For one terminal, `newgrp %1` gives the group at once.</source>
        <translation>Log out and log in again (or restart the computer). For one terminal, `newgrp %1` gives the group at once.</translation>
    </message>
    <message>
        <source>You are not in group %1.</source>
        <translation>You are not in group %1.</translation>
    </message>
    <message>
        <source>Install the udev rule (it gives the logged-in user the radio), or join the group: `sudo usermod -aG %1 $USER`, then log out and log in again. Do not run Nerka with sudo.</source>
        <translation>Install the udev rule (it gives the logged-in user the radio), or join the group: `sudo usermod -aG %1 $USER`, then log out and log in again. Do not run Nerka with sudo.</translation>
    </message>
    <message>
        <source>Another program has %1 open: %2.</source>
        <translation>Another program has %1 open: %2.</translation>
    </message>
    <message>
        <source>Close it and connect again.</source>
        <translation>Close it and connect again.</translation>
    </message>
    <message>
        <source>%1 is busy: another program holds it.</source>
        <translation>%1 is busy: another program holds it.</translation>
    </message>
    <message>
        <source>Close other programs that use serial ports (another Nerka or nerka-cli, a serial terminal) and connect again. Right after the radio is plugged in, ModemManager may be probing it: wait half a minute. Programs of other users are hidden without root: `sudo fuser -v %1` names them.</source>
        <translation>Close other programs that use serial ports (another Nerka or nerka-cli, a serial terminal) and connect again. Right after the radio is plugged in, ModemManager may be probing it: wait half a minute. Programs of other users are hidden without root: `sudo fuser -v %1` names them.</translation>
    </message>
    <message>
        <source>A radio (USB %1) is attached at %2.</source>
        <translation>A radio (USB %1) is attached at %2.</translation>
    </message>
    <message>
        <source>A USB device %1 is attached, but no serial port belongs to it.</source>
        <translation>A USB device %1 is attached, but no serial port belongs to it.</translation>
    </message>
    <message>
        <source>The kernel&apos;s cdc_acm driver should give it a port /dev/ttyACM…: unplug the radio, plug it in again and look at `sudo dmesg | tail`. If brltty is running, it may have claimed the device.</source>
        <translation>The kernel&apos;s cdc_acm driver should give it a port /dev/ttyACM…: unplug the radio, plug it in again and look at `sudo dmesg | tail`. If brltty is running, it may have claimed the device.</translation>
    </message>
    <message>
        <source>No device with the radio&apos;s USB identity %1 is attached.</source>
        <translation>No device with the radio&apos;s USB identity %1 is attached.</translation>
    </message>
    <message>
        <source>Switch the radio on, connect it with a USB data cable (some cables only charge) and check that it runs the OpenGD77 firmware; `lsusb` then lists 1fc9:0094.</source>
        <translation>Switch the radio on, connect it with a USB data cable (some cables only charge) and check that it runs the OpenGD77 firmware; `lsusb` then lists 1fc9:0094.</translation>
    </message>
    <message>
        <source>The port %1 does not exist.</source>
        <translation>The port %1 does not exist.</translation>
    </message>
    <message>
        <source>The radio was unplugged or switched off, or the name is wrong: `nerka-cli ports --all` lists the ports there are.</source>
        <translation>The radio was unplugged or switched off, or the name is wrong: `nerka-cli ports --all` lists the ports there are.</translation>
    </message>
    <message>
        <source>You run as root: %1 opens, but files you save belong to root.</source>
        <translation>You run as root: %1 opens, but files you save belong to root.</translation>
    </message>
    <message>
        <source>Run Nerka as yourself; if the port then refuses you, run `nerka-cli ports --doctor` as yourself.</source>
        <translation>Run Nerka as yourself; if the port then refuses you, run `nerka-cli ports --doctor` as yourself.</translation>
    </message>
    <message>
        <source>You may read and write %1 (%2).</source>
        <translation>You may read and write %1 (%2).</translation>
    </message>
    <message>
        <source>You may not open %1: %2.</source>
        <translation>You may not open %1: %2.</translation>
    </message>
    <message>
        <source>Its group may not read and write it either; </source>
        <translation>Its group may not read and write it either; </translation>
    </message>
    <message>
        <source>Opening %1 fails: %2.</source>
        <translation>Opening %1 fails: %2.</translation>
    </message>
    <message>
        <source>Unplug the radio, switch it off and on, and plug it in again.</source>
        <translation>Unplug the radio, switch it off and on, and plug it in again.</translation>
    </message>
    <message>
        <source>A udev rule for the radio is installed: %1.</source>
        <translation>A udev rule for the radio is installed: %1.</translation>
    </message>
    <message>
        <source>No udev rule for the radio&apos;s USB identity %1 is installed.</source>
        <translation>No udev rule for the radio&apos;s USB identity %1 is installed.</translation>
    </message>
    <message>
        <source>ModemManager is not running.</source>
        <translation>ModemManager is not running.</translation>
    </message>
    <message>
        <source>ModemManager is running; the udev rule tells it to leave the radio alone.</source>
        <translation>ModemManager is running; the udev rule tells it to leave the radio alone.</translation>
    </message>
    <message>
        <source>ModemManager is running and probes every new serial port: after the radio is plugged in, its port is busy for a while and the probing can upset the radio.</source>
        <translation>ModemManager is running and probes every new serial port: after the radio is plugged in, its port is busy for a while and the probing can upset the radio.</translation>
    </message>
    <message>
        <source>Install the udev rule, or, if this computer uses no mobile-broadband modem: `sudo systemctl disable --now ModemManager`.</source>
        <translation>Install the udev rule, or, if this computer uses no mobile-broadband modem: `sudo systemctl disable --now ModemManager`.</translation>
    </message>
    <message>
        <source>brltty is not running.</source>
        <translation>brltty is not running.</translation>
    </message>
    <message>
        <source>brltty (the Braille display service) is running. It claims some USB serial devices when they are plugged in, and their port disappears.</source>
        <translation>brltty (the Braille display service) is running. It claims some USB serial devices when they are plugged in, and their port disappears.</translation>
    </message>
    <message>
        <source>If the radio&apos;s port vanishes right after plugging in and no Braille display is used here: `sudo systemctl mask brltty-udev.service brltty.service`, or `sudo apt remove brltty`.</source>
        <translation>If the radio&apos;s port vanishes right after plugging in and no Braille display is used here: `sudo systemctl mask brltty-udev.service brltty.service`, or `sudo apt remove brltty`.</translation>
    </message>
    <message>
        <source>Fix: </source>
        <translation>Fix: </translation>
    </message>
    <message>
        <source>No problem found.
</source>
        <translation>No problem found.
</translation>
    </message>
    <message>
        <source>1 problem found.
</source>
        <translation>1 problem found.
</translation>
    </message>
    <message>
        <source>%1 problems found.
</source>
        <translation>%1 problems found.
</translation>
    </message>
</context>
<context>
    <name>Fields</name>
    <message>
        <source>&apos;%1&apos; is neither yes nor no</source>
        <translation>&apos;%1&apos; is neither yes nor no</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is no tone of the radio&apos;s tables (88.5, D023N or Off)</source>
        <translation>&apos;%1&apos; is no tone of the radio&apos;s tables (88.5, D023N or Off)</translation>
    </message>
    <message>
        <source>no %1 named &apos;%2&apos;</source>
        <translation>no %1 named &apos;%2&apos;</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not one of %2</source>
        <translation>&apos;%1&apos; is not one of %2</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>enter a name</source>
        <translation>enter a name</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Power</source>
        <translation>Power</translation>
    </message>
    <message>
        <source>Bandwidth</source>
        <translation>Bandwidth</translation>
    </message>
    <message>
        <source>12.5 kHz</source>
        <translation>12.5 kHz</translation>
    </message>
    <message>
        <source>25 kHz</source>
        <translation>25 kHz</translation>
    </message>
    <message>
        <source>Time slot</source>
        <translation>Time slot</translation>
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
        <translation>Colour code</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not 0–%2</source>
        <translation>&apos;%1&apos; is not 0–%2</translation>
    </message>
    <message>
        <source>Squelch</source>
        <translation>Squelch</translation>
    </message>
    <message>
        <source>Squelch level</source>
        <translation>Squelch level</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not 1–9</source>
        <translation>&apos;%1&apos; is not 1–9</translation>
    </message>
    <message>
        <source>APRS</source>
        <translation>APRS</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not 1–%2</source>
        <translation>&apos;%1&apos; is not 1–%2</translation>
    </message>
    <message>
        <source>Zones</source>
        <translation>Zones</translation>
    </message>
    <message>
        <source>zone</source>
        <translation>zone</translation>
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
        <translation>Receive only (RX-only)</translation>
    </message>
    <message>
        <source>RX tone</source>
        <translation>RX tone</translation>
    </message>
    <message>
        <source>TX tone</source>
        <translation>TX tone</translation>
    </message>
    <message>
        <source>Contact (TX)</source>
        <translation>Contact (TX)</translation>
    </message>
    <message>
        <source>contact</source>
        <translation>contact</translation>
    </message>
    <message>
        <source>RX group list</source>
        <translation>RX group list</translation>
    </message>
    <message>
        <source>group list</source>
        <translation>group list</translation>
    </message>
    <message>
        <source>Skip when scanning</source>
        <translation>Skip when scanning</translation>
    </message>
    <message>
        <source>Skip in zone scan</source>
        <translation>Skip in zone scan</translation>
    </message>
    <message>
        <source>VOX</source>
        <translation>VOX</translation>
    </message>
    <message>
        <source>Monitor (open squelch)</source>
        <translation>Monitor (open squelch)</translation>
    </message>
    <message>
        <source>Power save</source>
        <translation>Power save</translation>
    </message>
    <message>
        <source>Key beep</source>
        <translation>Key beep</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Yes</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Private Call</source>
        <translation>Private Call</translation>
    </message>
    <message>
        <source>All Call</source>
        <translation>All Call</translation>
    </message>
    <message>
        <source>Group Call</source>
        <translation>Group Call</translation>
    </message>
    <message>
        <source>No override</source>
        <translation>No override</translation>
    </message>
    <message>
        <source>Force TS1</source>
        <translation>Force TS1</translation>
    </message>
    <message>
        <source>Force TS2</source>
        <translation>Force TS2</translation>
    </message>
    <message>
        <source>enter a frequency in MHz</source>
        <translation>enter a frequency in MHz</translation>
    </message>
    <message>
        <source>not a number in MHz</source>
        <translation>not a number in MHz</translation>
    </message>
    <message>
        <source>must be below 1000 MHz</source>
        <translation>must be below 1000 MHz</translation>
    </message>
    <message>
        <source>must be above 0 MHz</source>
        <translation>must be above 0 MHz</translation>
    </message>
    <message>
        <source>Global</source>
        <translation>Global</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Closed</source>
        <translation>Closed</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>Low</translation>
    </message>
    <message>
        <source>Mid</source>
        <translation>Mid</translation>
    </message>
    <message>
        <source>High</source>
        <translation>High</translation>
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
        <translation>Type</translation>
    </message>
    <message>
        <source>Time slot override</source>
        <translation>Time slot override</translation>
    </message>
    <message>
        <source>Callsign</source>
        <translation>Callsign</translation>
    </message>
    <message>
        <source>VHF Minimum (MHz)</source>
        <translation>VHF Minimum (MHz)</translation>
    </message>
    <message>
        <source>VHF Maximum (MHz)</source>
        <translation>VHF Maximum (MHz)</translation>
    </message>
    <message>
        <source>UHF Minimum (MHz)</source>
        <translation>UHF Minimum (MHz)</translation>
    </message>
    <message>
        <source>UHF Maximum (MHz)</source>
        <translation>UHF Maximum (MHz)</translation>
    </message>
    <message>
        <source>Contacts</source>
        <translation>Contacts</translation>
    </message>
    <message>
        <source>Contact names</source>
        <translation>Contact names</translation>
    </message>
    <message>
        <source>Channels</source>
        <translation>Channels</translation>
    </message>
    <message>
        <source>Channel names</source>
        <translation>Channel names</translation>
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
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>Decoration</source>
        <translation>Decoration</translation>
    </message>
    <message>
        <source>Text input</source>
        <translation>Text input</translation>
    </message>
    <message>
        <source>Boot text</source>
        <translation>Boot text</translation>
    </message>
    <message>
        <source>Boot background</source>
        <translation>Boot background</translation>
    </message>
    <message>
        <source>Notification</source>
        <translation>Notification</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warning</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Notification background</source>
        <translation>Notification background</translation>
    </message>
    <message>
        <source>Menu name</source>
        <translation>Menu name</translation>
    </message>
    <message>
        <source>Menu name background</source>
        <translation>Menu name background</translation>
    </message>
    <message>
        <source>Menu item</source>
        <translation>Menu item</translation>
    </message>
    <message>
        <source>Menu highlight</source>
        <translation>Menu highlight</translation>
    </message>
    <message>
        <source>Option value</source>
        <translation>Option value</translation>
    </message>
    <message>
        <source>Header text</source>
        <translation>Header text</translation>
    </message>
    <message>
        <source>Header background</source>
        <translation>Header background</translation>
    </message>
    <message>
        <source>RSSI bar</source>
        <translation>RSSI bar</translation>
    </message>
    <message>
        <source>RSSI bar S9+</source>
        <translation>RSSI bar S9+</translation>
    </message>
    <message>
        <source>Channel name</source>
        <translation>Channel name</translation>
    </message>
    <message>
        <source>Channel / VFO TG</source>
        <translation>Channel / VFO TG</translation>
    </message>
    <message>
        <source>Contact info</source>
        <translation>Contact info</translation>
    </message>
    <message>
        <source>Zone name</source>
        <translation>Zone name</translation>
    </message>
    <message>
        <source>VFO RX frequency</source>
        <translation>VFO RX frequency</translation>
    </message>
    <message>
        <source>VFO TX frequency</source>
        <translation>VFO TX frequency</translation>
    </message>
    <message>
        <source>CSS/SQL values</source>
        <translation>CSS/SQL values</translation>
    </message>
    <message>
        <source>TX counter</source>
        <translation>TX counter</translation>
    </message>
    <message>
        <source>Polar</source>
        <translation>Polar</translation>
    </message>
    <message>
        <source>Satellite spot</source>
        <translation>Satellite spot</translation>
    </message>
    <message>
        <source>GPS number</source>
        <translation>GPS number</translation>
    </message>
    <message>
        <source>GPS spot</source>
        <translation>GPS spot</translation>
    </message>
    <message>
        <source>Beidou spot</source>
        <translation>Beidou spot</translation>
    </message>
    <message>
        <source>Color %1</source>
        <translation>Color %1</translation>
    </message>
    <message>
        <source>Keps line 1</source>
        <translation>Keps line 1</translation>
    </message>
    <message>
        <source>Keps line 2</source>
        <translation>Keps line 2</translation>
    </message>
    <message>
        <source>Keps epoch (UTC)</source>
        <translation>Keps epoch (UTC)</translation>
    </message>
    <message>
        <source>Voice RX (MHz)</source>
        <translation>Voice RX (MHz)</translation>
    </message>
    <message>
        <source>Voice TX (MHz)</source>
        <translation>Voice TX (MHz)</translation>
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
        <source>APRS RX (MHz)</source>
        <translation>APRS RX (MHz)</translation>
    </message>
    <message>
        <source>APRS TX (MHz)</source>
        <translation>APRS TX (MHz)</translation>
    </message>
    <message>
        <source>Other RX (MHz)</source>
        <translation>Other RX (MHz)</translation>
    </message>
    <message>
        <source>Other TX (MHz)</source>
        <translation>Other TX (MHz)</translation>
    </message>
    <message>
        <source>Additional data</source>
        <translation>Additional data</translation>
    </message>
</context>
<context>
    <name>FileStore</name>
    <message>
        <source>The CSV file could not be read: %1 is not UTF-8 text.</source>
        <translation>The CSV file could not be read: %1 is not UTF-8 text.</translation>
    </message>
    <message>
        <source>a codeplug file</source>
        <translation>a codeplug file</translation>
    </message>
    <message>
        <source>a channel CSV file</source>
        <translation>a channel CSV file</translation>
    </message>
    <message>
        <source>a DMR ID list</source>
        <translation>a DMR ID list</translation>
    </message>
    <message>
        <source>a keps file</source>
        <translation>a keps file</translation>
    </message>
    <message>
        <source>a SatNOGS transmitter list</source>
        <translation>a SatNOGS transmitter list</translation>
    </message>
    <message>
        <source>a .gtm theme</source>
        <translation>a .gtm theme</translation>
    </message>
    <message>
        <source>an operations file</source>
        <translation>an operations file</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>Could not read %1: %2</translation>
    </message>
    <message>
        <source>Could not save %1: %2</source>
        <translation>Could not save %1: %2</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unknown error</translation>
    </message>
    <message>
        <source>it is larger than %1, the limit for %2.</source>
        <translation>it is larger than %1, the limit for %2.</translation>
    </message>
    <message>
        <source>it is a folder.</source>
        <translation>it is a folder.</translation>
    </message>
    <message>
        <source>it is not a regular file (a device, pipe or socket).</source>
        <translation>it is not a regular file (a device, pipe or socket).</translation>
    </message>
    <message>
        <source>its old contents could not be kept while the files are replaced.</source>
        <translation>its old contents could not be kept while the files are replaced.</translation>
    </message>
    <message>
        <source>it is named twice; the files would overwrite each other.</source>
        <translation>it is named twice; the files would overwrite each other.</translation>
    </message>
</context>
<context>
    <name>LinkError</name>
    <message>
        <source>Invalid response from device: %1</source>
        <translation>Invalid response from device: %1</translation>
    </message>
    <message>
        <source>Unbekannter OpenGD77-Radiotyp: %1.</source>
        <translation>Unknown OpenGD77 radio type: %1.</translation>
    </message>
    <message>
        <source>Device has not been identified yet.</source>
        <translation>Device has not been identified yet.</translation>
    </message>
    <message>
        <source>Invalid request: %1</source>
        <translation>Invalid request: %1</translation>
    </message>
    <message>
        <source>Interrupted: the write stopped after the current block.</source>
        <translation>Interrupted: the write stopped after the current block.</translation>
    </message>
    <message>
        <source>Lese-Antwort Typ &apos;%1&apos; @ 0x%2</source>
        <translation>Read reply type &apos;%1&apos; @ 0x%2</translation>
    </message>
    <message>
        <source>Unexpected block length %1 @ 0x%2</source>
        <translation>Unexpected block length %1 @ 0x%2</translation>
    </message>
    <message>
        <source>%1: Antwort &apos;%2&apos;</source>
        <translation>%1: reply &apos;%2&apos;</translation>
    </message>
    <message>
        <source>command of %1 bytes exceeds %2</source>
        <translation>command of %1 bytes exceeds %2</translation>
    </message>
    <message>
        <source>Kommando-Antwort &apos;%1&apos;</source>
        <translation>Command reply &apos;%1&apos;</translation>
    </message>
    <message>
        <source>%1 bytes do not fit one write request</source>
        <translation>%1 bytes do not fit one write request</translation>
    </message>
    <message>
        <source>block of %1 bytes @ 0x%2 is not one block</source>
        <translation>block of %1 bytes @ 0x%2 is not one block</translation>
    </message>
    <message>
        <source>Firmware-Info Typ &apos;%1&apos;</source>
        <translation>Firmware info type &apos;%1&apos;</translation>
    </message>
    <message>
        <source>Could not parse firmware info.</source>
        <translation>Could not parse firmware info.</translation>
    </message>
    <message>
        <source>Serieller Port</source>
        <translation>Serial port</translation>
    </message>
    <message>
        <source>Could not open serial port: %1</source>
        <translation>Could not open serial port: %1</translation>
    </message>
    <message>
        <source>Could not configure serial port: %1</source>
        <translation>Could not configure serial port: %1</translation>
    </message>
    <message>
        <source>Writing to the serial port failed: %1</source>
        <translation>Writing to the serial port failed: %1</translation>
    </message>
    <message>
        <source>Reading from the serial port failed: %1</source>
        <translation>Reading from the serial port failed: %1</translation>
    </message>
    <message>
        <source>Incomplete write (%1/%2 bytes).</source>
        <translation>Incomplete write (%1/%2 bytes).</translation>
    </message>
    <message>
        <source>Serial port is not open.</source>
        <translation>Serial port is not open.</translation>
    </message>
    <message>
        <source>Timeout while reading from the device.</source>
        <translation>Timeout while reading from the device.</translation>
    </message>
    <message>
        <source>Port busy: another program is using the serial port. Nothing was sent.</source>
        <translation>Port busy: another program is using the serial port. Nothing was sent.</translation>
    </message>
</context>
<context>
    <name>RepeaterDirectory</name>
    <message>
        <source>no call sign</source>
        <translation>no call sign</translation>
    </message>
    <message>
        <source>%1: no frequency</source>
        <translation>%1: no frequency</translation>
    </message>
    <message>
        <source>%1: offset &apos;%2&apos; unreadable</source>
        <translation>%1: offset &apos;%2&apos; unreadable</translation>
    </message>
    <message>
        <source>%1: offset below 0 Hz</source>
        <translation>%1: offset below 0 Hz</translation>
    </message>
    <message>
        <source>%1: colour code not 0–15</source>
        <translation>%1: colour code not 0–15</translation>
    </message>
    <message>
        <source>The repeater list is not JSON: %1.</source>
        <translation>The repeater list is not JSON: %1.</translation>
    </message>
    <message>
        <source>The JSON holds no repeater list (no &quot;results&quot; or &quot;rptrs&quot;).</source>
        <translation>The JSON holds no repeater list (no &quot;results&quot; or &quot;rptrs&quot;).</translation>
    </message>
    <message>
        <source>Neither a repeater list of the DMR-ID registry (JSON) nor a repeater-list CSV.</source>
        <translation>Neither a repeater list of the DMR-ID registry (JSON) nor a repeater-list CSV.</translation>
    </message>
    <message>
        <source>This list has no coordinates, so it cannot be searched by distance: choose by city, state or country.</source>
        <translation>This list has no coordinates, so it cannot be searched by distance: choose by city, state or country.</translation>
    </message>
    <message>
        <source>Unknown band &apos;%1&apos;: use 2m or 70cm.</source>
        <translation>Unknown band &apos;%1&apos;: use 2m or 70cm.</translation>
    </message>
    <message>
        <source>Unknown mode &apos;%1&apos;: use fm or dmr.</source>
        <translation>Unknown mode &apos;%1&apos;: use fm or dmr.</translation>
    </message>
    <message>
        <source>%1: not in the list</source>
        <translation>%1: not in the list</translation>
    </message>
    <message>
        <source>colour code %1 → %2</source>
        <translation>colour code %1 → %2</translation>
    </message>
</context>
<context>
    <name>RepeaterDownload</name>
    <message>
        <source>The repeater list at %1 is larger than %2 MB.</source>
        <translation>The repeater list at %1 is larger than %2 MB.</translation>
    </message>
    <message>
        <source>The repeater list at %1 did not arrive in time.</source>
        <translation>The repeater list at %1 did not arrive in time.</translation>
    </message>
    <message>
        <source>The repeater list at %1 was refused (HTTP %2).</source>
        <translation>The repeater list at %1 was refused (HTTP %2).</translation>
    </message>
    <message>
        <source>The repeater list at %1 could not be fetched: %2. Without a connection, save the list as a file and give its path instead.</source>
        <translation>The repeater list at %1 could not be fetched: %2. Without a connection, save the list as a file and give its path instead.</translation>
    </message>
</context>
<context>
    <name>SatelliteCodec</name>
    <message>
        <source>This codeplug has no OpenGD77 custom-data signature, so no satellite block can be added.</source>
        <translation>This codeplug has no OpenGD77 custom-data signature, so no satellite block can be added.</translation>
    </message>
    <message>
        <source>There&apos;s no room left in the codeplug&apos;s custom-data area for a satellite block.</source>
        <translation>There&apos;s no room left in the codeplug&apos;s custom-data area for a satellite block.</translation>
    </message>
</context>
<context>
    <name>WriteSteps</name>
    <message>
        <source>Verified</source>
        <translation>Verified</translation>
    </message>
    <message>
        <source>Backup</source>
        <translation>Backup</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Reboot</source>
        <translation>Reboot</translation>
    </message>
    <message>
        <source>Verify</source>
        <translation>Verify</translation>
    </message>
    <message>
        <source>Verify count</source>
        <translation>Verify count</translation>
    </message>
    <message>
        <source>Waiting</source>
        <translation>Waiting</translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Running</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Failed</source>
        <translation>Failed</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Skipped</translation>
    </message>
</context>
<context>
    <name>nerka::ActivityLog</name>
    <message>
        <source>Error: %1</source>
        <translation>Error: %1</translation>
    </message>
</context>
<context>
    <name>nerka::CodeplugDocument</name>
    <message>
        <source>Channel pasted → %1.</source>
        <translation>Channel pasted → %1.</translation>
    </message>
    <message>
        <source>%1 channels pasted → %2.</source>
        <translation>%1 channels pasted → %2.</translation>
    </message>
    <message numerus="yes">
        <source>; added to %n zone(s)</source>
        <translation>
            <numerusform>; added to %n zone</numerusform>
            <numerusform>; added to %n zones</numerusform>
        </translation>
    </message>
    <message>
        <source>, %1 left out of full zones</source>
        <translation>, %1 left out of full zones</translation>
    </message>
    <message>
        <source>paste</source>
        <translation>paste</translation>
    </message>
    <message>
        <source>Paste channel %1</source>
        <translation>Paste channel %1</translation>
    </message>
    <message>
        <source>Paste %1 channels</source>
        <translation>Paste %1 channels</translation>
    </message>
    <message>
        <source>The channels could not be pasted.</source>
        <translation>The channels could not be pasted.</translation>
    </message>
    <message>
        <source>Could not locate channel %1 in memory.</source>
        <translation>Could not locate channel %1 in memory.</translation>
    </message>
    <message>
        <source>Edit %1 channels</source>
        <translation>Edit %1 channels</translation>
    </message>
    <message>
        <source>The channels could not be changed.</source>
        <translation>The channels could not be changed.</translation>
    </message>
    <message>
        <source>Edit %1</source>
        <translation>Edit %1</translation>
    </message>
    <message>
        <source>channel %1</source>
        <translation>channel %1</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 channels</translation>
    </message>
    <message>
        <source>Channel %1 changed.</source>
        <translation>Channel %1 changed.</translation>
    </message>
    <message>
        <source>%1 channels changed.</source>
        <translation>%1 channels changed.</translation>
    </message>
    <message>
        <source>The zones could not be changed.</source>
        <translation>The zones could not be changed.</translation>
    </message>
    <message>
        <source>name &apos;%1&apos; given twice</source>
        <translation>name &apos;%1&apos; given twice</translation>
    </message>
    <message>
        <source>name &apos;%1&apos; matches %2 %3</source>
        <translation>name &apos;%1&apos; matches %2 %3</translation>
    </message>
    <message>
        <source>%1 updated</source>
        <translation>%1 updated</translation>
    </message>
    <message>
        <source>%1 added</source>
        <translation>%1 added</translation>
    </message>
    <message>
        <source>%1 deleted</source>
        <translation>%1 deleted</translation>
    </message>
    <message>
        <source>nothing changed</source>
        <translation>nothing changed</translation>
    </message>
    <message>
        <source>%1 memory is full (max %2): %3 to import, %4 free.</source>
        <translation>%1 memory is full (max %2): %3 to import, %4 free.</translation>
    </message>
    <message>
        <source>%1 %2, at most %3</source>
        <translation>%1 %2, at most %3</translation>
    </message>
    <message>
        <source>line %1 %2</source>
        <translation>line %1 %2</translation>
    </message>
    <message>
        <source>%1 not found, left out: %2</source>
        <translation>%1 not found, left out: %2</translation>
    </message>
    <message>
        <source>1 member</source>
        <translation>1 member</translation>
    </message>
    <message>
        <source>%1 members</source>
        <translation>%1 members</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 and %2 more</translation>
    </message>
    <message>
        <source>append</source>
        <translation>append</translation>
    </message>
    <message>
        <source>update</source>
        <translation>update</translation>
    </message>
    <message>
        <source>replace</source>
        <translation>replace</translation>
    </message>
    <message>
        <source>%1 talkgroup lists exported to %2.</source>
        <translation>%1 talkgroup lists exported to %2.</translation>
    </message>
    <message>
        <source>%1 zones exported to %2.</source>
        <translation>%1 zones exported to %2.</translation>
    </message>
    <message>
        <source>Codeplug exported as 4 CSV files to %1.</source>
        <translation>Codeplug exported as 4 CSV files to %1.</translation>
    </message>
    <message>
        <source>No CSV files to import: the folder holds none of %1.</source>
        <translation>No CSV files to import: the folder holds none of %1.</translation>
    </message>
    <message>
        <source>Import codeplug from CSV files</source>
        <translation>Import codeplug from CSV files</translation>
    </message>
    <message>
        <source>Codeplug imported from %1 (%2).</source>
        <translation>Codeplug imported from %1 (%2).</translation>
    </message>
    <message>
        <source>1 CSV file</source>
        <translation>1 CSV file</translation>
    </message>
    <message>
        <source>%1 CSV files</source>
        <translation>%1 CSV files</translation>
    </message>
    <message>
        <source>The CSV files hold what the codeplug holds: nothing changed.</source>
        <translation>The CSV files hold what the codeplug holds: nothing changed.</translation>
    </message>
    <message>
        <source>contacts</source>
        <translation>contacts</translation>
    </message>
    <message>
        <source>The contacts could not be changed.</source>
        <translation>The contacts could not be changed.</translation>
    </message>
    <message>
        <source>The talkgroup CSV has no Name column.</source>
        <translation>The talkgroup CSV has no Name column.</translation>
    </message>
    <message>
        <source>contact</source>
        <translation>contact</translation>
    </message>
    <message>
        <source>Talkgroup</source>
        <translation>Talkgroup</translation>
    </message>
    <message>
        <source>The talkgroup lists could not be changed.</source>
        <translation>The talkgroup lists could not be changed.</translation>
    </message>
    <message>
        <source>channels</source>
        <translation>channels</translation>
    </message>
    <message>
        <source>left out: %1</source>
        <translation>left out: %1</translation>
    </message>
    <message>
        <source>The zone CSV has no Name column.</source>
        <translation>The zone CSV has no Name column.</translation>
    </message>
    <message>
        <source>channel</source>
        <translation>channel</translation>
    </message>
    <message>
        <source>zones</source>
        <translation>zones</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>No codeplug loaded.</source>
        <translation>No codeplug loaded.</translation>
    </message>
    <message>
        <source>Channel memory is full (max %1).</source>
        <translation>Channel memory is full (max %1).</translation>
    </message>
    <message>
        <source>Could not locate %1 %2 in memory.</source>
        <translation>Could not locate %1 %2 in memory.</translation>
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
        <source>Edit channel %1</source>
        <translation>Edit channel %1</translation>
    </message>
    <message>
        <source>Channel %1 changed: %2 (RX %3)</source>
        <translation>Channel %1 changed: %2 (RX %3)</translation>
    </message>
    <message>
        <source>New channel %1</source>
        <translation>New channel %1</translation>
    </message>
    <message>
        <source>Channel %1 created.</source>
        <translation>Channel %1 created.</translation>
    </message>
    <message>
        <source>Channel %1 created: %2 (RX %3)</source>
        <translation>Channel %1 created: %2 (RX %3)</translation>
    </message>
    <message>
        <source>Nichts zu importieren.</source>
        <translation>Nothing to import.</translation>
    </message>
    <message>
        <source>import</source>
        <translation>import</translation>
    </message>
    <message>
        <source>Channel memory is full.</source>
        <translation>Channel memory is full.</translation>
    </message>
    <message>
        <source>Import %1</source>
        <translation>Import %1</translation>
    </message>
    <message>
        <source>%1 channels imported.</source>
        <translation>%1 channels imported.</translation>
    </message>
    <message>
        <source>The clipboard holds no channel record.</source>
        <translation>The clipboard holds no channel record.</translation>
    </message>
    <message>
        <source>Duplicate channel %1</source>
        <translation>Duplicate channel %1</translation>
    </message>
    <message>
        <source>Channel %1 duplicated → %2.</source>
        <translation>Channel %1 duplicated → %2.</translation>
    </message>
    <message>
        <source>Channel %1 deleted</source>
        <translation>Channel %1 deleted</translation>
    </message>
    <message>
        <source>%1 channels deleted</source>
        <translation>%1 channels deleted</translation>
    </message>
    <message numerus="yes">
        <source>; removed from %n zone(s)</source>
        <translation>
            <numerusform>; removed from %n zone</numerusform>
            <numerusform>; removed from %n zones</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete channel %1</source>
        <translation>Delete channel %1</translation>
    </message>
    <message>
        <source>Delete %1 channels</source>
        <translation>Delete %1 channels</translation>
    </message>
    <message>
        <source>Reorder channels</source>
        <translation>Reorder channels</translation>
    </message>
    <message>
        <source>The channels could not be reordered.</source>
        <translation>The channels could not be reordered.</translation>
    </message>
    <message>
        <source>Channels reordered.</source>
        <translation>Channels reordered.</translation>
    </message>
    <message>
        <source>No contacts to import.</source>
        <translation>No contacts to import.</translation>
    </message>
    <message>
        <source>Contact memory is full (max %1): %2 to import, %3 free.</source>
        <translation>Contact memory is full (max %1): %2 to import, %3 free.</translation>
    </message>
    <message>
        <source>%1 imported.</source>
        <translation>%1 imported.</translation>
    </message>
    <message>
        <source>New contact %1</source>
        <translation>New contact %1</translation>
    </message>
    <message>
        <source>Edit contact %1</source>
        <translation>Edit contact %1</translation>
    </message>
    <message>
        <source>Contact %1 changed: %2 (ID %3)</source>
        <translation>Contact %1 changed: %2 (ID %3)</translation>
    </message>
    <message>
        <source>Contact %1 deleted</source>
        <translation>Contact %1 deleted</translation>
    </message>
    <message>
        <source>; cleared from %1 channel(s) and %2 talkgroup(s)</source>
        <translation>; cleared from %1 channel(s) and %2 talkgroup(s)</translation>
    </message>
    <message>
        <source>Delete contact %1</source>
        <translation>Delete contact %1</translation>
    </message>
    <message>
        <source>Reorder contacts</source>
        <translation>Reorder contacts</translation>
    </message>
    <message>
        <source>The contacts could not be reordered.</source>
        <translation>The contacts could not be reordered.</translation>
    </message>
    <message>
        <source>Contacts reordered.</source>
        <translation>Contacts reordered.</translation>
    </message>
    <message>
        <source>Talkgroup &apos;%1&apos; holds at most %2 contacts, not %3.</source>
        <translation>Talkgroup &apos;%1&apos; holds at most %2 contacts, not %3.</translation>
    </message>
    <message>
        <source>New talkgroup %1</source>
        <translation>New talkgroup %1</translation>
    </message>
    <message>
        <source>Edit talkgroup %1</source>
        <translation>Edit talkgroup %1</translation>
    </message>
    <message>
        <source>talkgroup</source>
        <translation>talkgroup</translation>
    </message>
    <message>
        <source>Talkgroup %1 changed: %2 (%3 contacts)</source>
        <translation>Talkgroup %1 changed: %2 (%3 contacts)</translation>
    </message>
    <message>
        <source>Talkgroup %1 deleted</source>
        <translation>Talkgroup %1 deleted</translation>
    </message>
    <message numerus="yes">
        <source>; cleared from %n channel(s)</source>
        <translation>
            <numerusform>; cleared from %n channel</numerusform>
            <numerusform>; cleared from %n channels</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete talkgroup %1</source>
        <translation>Delete talkgroup %1</translation>
    </message>
    <message>
        <source>Reorder talkgroups</source>
        <translation>Reorder talkgroups</translation>
    </message>
    <message>
        <source>The talkgroups could not be reordered.</source>
        <translation>The talkgroups could not be reordered.</translation>
    </message>
    <message>
        <source>Talkgroups reordered.</source>
        <translation>Talkgroups reordered.</translation>
    </message>
    <message>
        <source>Zone &apos;%1&apos; holds at most %2 channels, not %3.</source>
        <translation>Zone &apos;%1&apos; holds at most %2 channels, not %3.</translation>
    </message>
    <message>
        <source>New zone %1</source>
        <translation>New zone %1</translation>
    </message>
    <message>
        <source>Edit zone %1</source>
        <translation>Edit zone %1</translation>
    </message>
    <message>
        <source>zone</source>
        <translation>zone</translation>
    </message>
    <message>
        <source>Zone %1 changed: %2 (%3 channels)</source>
        <translation>Zone %1 changed: %2 (%3 channels)</translation>
    </message>
    <message>
        <source>Delete zone %1</source>
        <translation>Delete zone %1</translation>
    </message>
    <message>
        <source>Zone %1 deleted.</source>
        <translation>Zone %1 deleted.</translation>
    </message>
    <message>
        <source>Reorder zones</source>
        <translation>Reorder zones</translation>
    </message>
    <message>
        <source>The zones could not be reordered.</source>
        <translation>The zones could not be reordered.</translation>
    </message>
    <message>
        <source>Zones reordered.</source>
        <translation>Zones reordered.</translation>
    </message>
    <message>
        <source>Edit settings</source>
        <translation>Edit settings</translation>
    </message>
    <message>
        <source>Could not write settings.</source>
        <translation>Could not write settings.</translation>
    </message>
    <message>
        <source>Device settings changed: VHF %1–%2, UHF %3–%4 MHz.</source>
        <translation>Device settings changed: VHF %1–%2, UHF %3–%4 MHz.</translation>
    </message>
    <message>
        <source>Edit theme (%1)</source>
        <translation>Edit theme (%1)</translation>
    </message>
    <message>
        <source>Could not write theme.</source>
        <translation>Could not write theme.</translation>
    </message>
    <message>
        <source>%1 %2 exported to %3.</source>
        <translation>%1 %2 exported to %3.</translation>
    </message>
    <message>
        <source>No channels to export.</source>
        <translation>No channels to export.</translation>
    </message>
    <message>
        <source>No contacts to export.</source>
        <translation>No contacts to export.</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nothing was written.</translation>
    </message>
    <message>
        <source>No valid channels found in the %1CSV%2.</source>
        <translation>No valid channels found in the %1CSV%2.</translation>
    </message>
    <message>
        <source>repeater-list </source>
        <translation>repeater-list </translation>
    </message>
    <message>
        <source>No valid channels found in the CSV. Format: Name,RX,TX,Mode,…</source>
        <translation>No valid channels found in the CSV. Format: Name,RX,TX,Mode,…</translation>
    </message>
    <message>
        <source>No channels imported: %1.</source>
        <translation>No channels imported: %1.</translation>
    </message>
    <message>
        <source>Channel %1 copied.</source>
        <translation>Channel %1 copied.</translation>
    </message>
    <message>
        <source>%1 channels copied.</source>
        <translation>%1 channels copied.</translation>
    </message>
    <message>
        <source>Nothing to paste.</source>
        <translation>Nothing to paste.</translation>
    </message>
    <message>
        <source>No channels pasted: %1.</source>
        <translation>No channels pasted: %1.</translation>
    </message>
    <message>
        <source>No channel changed; %1.</source>
        <translation>No channel changed; %1.</translation>
    </message>
    <message>
        <source>No valid contacts found in the CSV%1</source>
        <translation>No valid contacts found in the CSV%1</translation>
    </message>
    <message>
        <source>. Format: Name,DMR-ID,Type,Time slot</source>
        <translation>. Format: Name,DMR-ID,Type,Time slot</translation>
    </message>
    <message>
        <source>Kein Theme im Codeplug vorhanden.</source>
        <translation>The codeplug holds no theme.</translation>
    </message>
    <message>
        <source>Invalid .gtm file.</source>
        <translation>Invalid .gtm file.</translation>
    </message>
    <message>
        <source>Theme (%1) imported from %2.</source>
        <translation>Theme (%1) imported from %2.</translation>
    </message>
    <message>
        <source>Kein Theme vorhanden.</source>
        <translation>There is no theme.</translation>
    </message>
    <message>
        <source>Theme (%1) exported to %2.</source>
        <translation>Theme (%1) exported to %2.</translation>
    </message>
    <message>
        <source>Zone &apos;%1&apos; holds at most %2 channels: it has %3, so %4 cannot be added.</source>
        <translation>Zone &apos;%1&apos; holds at most %2 channels: it has %3, so %4 cannot be added.</translation>
    </message>
    <message>
        <source>Add %1 to zone %2</source>
        <translation>Add %1 to zone %2</translation>
    </message>
    <message>
        <source>Remove %1 from zone %2</source>
        <translation>Remove %1 from zone %2</translation>
    </message>
    <message>
        <source>zone %1</source>
        <translation>zone %1</translation>
    </message>
    <message>
        <source>Add %1 to %2</source>
        <translation>Add %1 to %2</translation>
    </message>
    <message>
        <source>Remove %1 from %2</source>
        <translation>Remove %1 from %2</translation>
    </message>
    <message>
        <source>Talkgroup &apos;%1&apos; holds at most %2 contacts.</source>
        <translation>Talkgroup &apos;%1&apos; holds at most %2 contacts.</translation>
    </message>
    <message>
        <source>contact %1</source>
        <translation>contact %1</translation>
    </message>
    <message>
        <source>talkgroup %1</source>
        <translation>talkgroup %1</translation>
    </message>
    <message>
        <source>A zone needs a name.</source>
        <translation>A zone needs a name.</translation>
    </message>
    <message>
        <source>Zone memory is full (max %1).</source>
        <translation>Zone memory is full (max %1).</translation>
    </message>
    <message>
        <source>A zone holds at most %1 channels; %2 are selected.</source>
        <translation>A zone holds at most %1 channels; %2 are selected.</translation>
    </message>
    <message>
        <source>Zone %1 created: %2 (%3 channels)</source>
        <translation>Zone %1 created: %2 (%3 channels)</translation>
    </message>
    <message>
        <source>Add contact %1 to talkgroup %2</source>
        <translation>Add contact %1 to talkgroup %2</translation>
    </message>
    <message>
        <source>Remove contact %1 from talkgroup %2</source>
        <translation>Remove contact %1 from talkgroup %2</translation>
    </message>
    <message>
        <source>already channels</source>
        <translation>already channels</translation>
    </message>
    <message>
        <source>with the offset&apos;s sign from the band plan</source>
        <translation>with the offset&apos;s sign from the band plan</translation>
    </message>
    <message>
        <source>No repeaters to add.</source>
        <translation>No repeaters to add.</translation>
    </message>
    <message>
        <source>No repeaters added: %1.</source>
        <translation>No repeaters added: %1.</translation>
    </message>
    <message>
        <source>add</source>
        <translation>add</translation>
    </message>
    <message>
        <source>Add %1 repeaters</source>
        <translation>Add %1 repeaters</translation>
    </message>
    <message>
        <source>%1 repeaters added as channels</source>
        <translation>%1 repeaters added as channels</translation>
    </message>
    <message>
        <source>%1 in zone &apos;%2&apos;</source>
        <translation>%1 in zone &apos;%2&apos;</translation>
    </message>
    <message>
        <source>without a talkgroup list (the table is full)</source>
        <translation>without a talkgroup list (the table is full)</translation>
    </message>
    <message>
        <source>Could not write the satellite.</source>
        <translation>Could not write the satellite.</translation>
    </message>
    <message>
        <source>Added a satellite block to the codeplug.</source>
        <translation>Added a satellite block to the codeplug.</translation>
    </message>
    <message>
        <source>Refresh keps</source>
        <translation>Refresh keps</translation>
    </message>
    <message numerus="yes">
        <source>Refreshed the keps of %n satellite(s)</source>
        <translation>
            <numerusform>Refreshed the keps of %n satellite</numerusform>
            <numerusform>Refreshed the keps of %n satellites</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 — no TLE for: %2</source>
        <translation>%1 — no TLE for: %2</translation>
    </message>
    <message>
        <source>Load a codeplug first.</source>
        <translation>Load a codeplug first.</translation>
    </message>
    <message>
        <source>Add satellites</source>
        <translation>Add satellites</translation>
    </message>
    <message numerus="yes">
        <source>Added %n satellite(s)</source>
        <translation>
            <numerusform>Added %n satellite</numerusform>
            <numerusform>Added %n satellites</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (%2 skipped — only %3 slots)</source>
        <translation>%1 (%2 skipped — only %3 slots)</translation>
    </message>
    <message>
        <source>Satellite memory is full (max %1).</source>
        <translation>Satellite memory is full (max %1).</translation>
    </message>
    <message>
        <source>Edit satellite %1</source>
        <translation>Edit satellite %1</translation>
    </message>
    <message>
        <source>Satellite %1 changed: %2</source>
        <translation>Satellite %1 changed: %2</translation>
    </message>
    <message>
        <source>Could not locate satellite %1 in memory.</source>
        <translation>Could not locate satellite %1 in memory.</translation>
    </message>
    <message>
        <source>Delete satellite %1</source>
        <translation>Delete satellite %1</translation>
    </message>
    <message>
        <source>Satellite deleted: %1</source>
        <translation>Satellite deleted: %1</translation>
    </message>
</context>
<context>
    <name>nerka::RadioController</name>
    <message>
        <source>Connecting…</source>
        <translation>Connecting…</translation>
    </message>
    <message>
        <source>No serial port selected.</source>
        <translation>No serial port selected.</translation>
    </message>
    <message>
        <source>Auto-connect not possible yet: %1</source>
        <translation>Auto-connect not possible yet: %1</translation>
    </message>
    <message>
        <source>Connected: %1 — FW %2 (%3)</source>
        <translation>Connected: %1 — FW %2 (%3)</translation>
    </message>
    <message>
        <source>Auto-read: reading codeplug…</source>
        <translation>Auto-read: reading codeplug…</translation>
    </message>
    <message>
        <source>Auto-connect: looking for remembered device…</source>
        <translation>Auto-connect: looking for remembered device…</translation>
    </message>
    <message>
        <source>Auto-connect cancelled (30 s timeout).</source>
        <translation>Auto-connect cancelled (30 s timeout).</translation>
    </message>
    <message>
        <source>Could not verify: the radio did not reconnect.</source>
        <translation>Could not verify: the radio did not reconnect.</translation>
    </message>
    <message>
        <source>Device is rebooting — auto-reconnect will follow…</source>
        <translation>Device is rebooting — auto-reconnect will follow…</translation>
    </message>
    <message>
        <source>Nicht verbunden.</source>
        <translation>Not connected.</translation>
    </message>
    <message>
        <source>Downloading DMR database…</source>
        <translation>Downloading DMR database…</translation>
    </message>
    <message>
        <source>Writing DMR database…</source>
        <translation>Writing DMR database…</translation>
    </message>
    <message>
        <source>Reading DMR database…</source>
        <translation>Reading DMR database…</translation>
    </message>
    <message>
        <source>No usable DMR IDs found in the file.</source>
        <translation>No usable DMR IDs found in the file.</translation>
    </message>
    <message>
        <source>No usable DMR IDs found in the download.</source>
        <translation>No usable DMR IDs found in the download.</translation>
    </message>
    <message>
        <source>Download failed.</source>
        <translation>Download failed.</translation>
    </message>
    <message>
        <source>Download timed out.</source>
        <translation>Download timed out.</translation>
    </message>
    <message>
        <source>A download of the DMR database is running.</source>
        <translation>A download of the DMR database is running.</translation>
    </message>
    <message>
        <source>No DMR database found on the device.</source>
        <translation>No DMR database found on the device.</translation>
    </message>
    <message>
        <source>Writing DMR database: %1 entries (%2 KB)</source>
        <translation>Writing DMR database: %1 entries (%2 KB)</translation>
    </message>
    <message>
        <source>%1 duplicate IDs merged</source>
        <translation>%1 duplicate IDs merged</translation>
    </message>
    <message>
        <source>%1 dropped (over capacity)</source>
        <translation>%1 dropped (over capacity)</translation>
    </message>
    <message>
        <source>Imported DMR database from %1: %2 entries (%3 skipped).</source>
        <translation>Imported DMR database from %1: %2 entries (%3 skipped).</translation>
    </message>
    <message>
        <source>Download failed (HTTP %1).</source>
        <translation>Download failed (HTTP %1).</translation>
    </message>
    <message>
        <source>Downloaded DMR database: %1 entries (%2 skipped).</source>
        <translation>Downloaded DMR database: %1 entries (%2 skipped).</translation>
    </message>
    <message>
        <source>Downloading DMR database from %1…</source>
        <translation>Downloading DMR database from %1…</translation>
    </message>
    <message>
        <source>No DMR database imported.</source>
        <translation>No DMR database imported.</translation>
    </message>
    <message>
        <source>%1 entries, %2 KB</source>
        <translation>%1 entries, %2 KB</translation>
    </message>
    <message>
        <source>DMR database written. Device is rebooting — disconnected.</source>
        <translation>DMR database written. Device is rebooting — disconnected.</translation>
    </message>
    <message>
        <source>Could not verify: %1</source>
        <translation>Could not verify: %1</translation>
    </message>
    <message>
        <source>The radio reports %1 entries; %2 were written.</source>
        <translation>The radio reports %1 entries; %2 were written.</translation>
    </message>
    <message>
        <source>%1 entries on the device</source>
        <translation>%1 entries on the device</translation>
    </message>
    <message>
        <source>Reading DMR database from device: %1 entries (%2 KB) — this can take a while…</source>
        <translation>Reading DMR database from device: %1 entries (%2 KB) — this can take a while…</translation>
    </message>
    <message>
        <source>Read DMR database from device: %1 entries.</source>
        <translation>Read DMR database from device: %1 entries.</translation>
    </message>
    <message>
        <source>No DMR database to export.</source>
        <translation>No DMR database to export.</translation>
    </message>
    <message>
        <source>Exported %1 DMR entries to %2.</source>
        <translation>Exported %1 DMR entries to %2.</translation>
    </message>
    <message>
        <source>Busy: wait for the running transfer to finish.</source>
        <translation>Busy: wait for the running transfer to finish.</translation>
    </message>
    <message>
        <source>Verbindung getrennt.</source>
        <translation>Disconnected.</translation>
    </message>
    <message>
        <source>Radio disconnected (unplugged?). The codeplug stays in memory; nothing was lost.</source>
        <translation>Radio disconnected (unplugged?). The codeplug stays in memory; nothing was lost.</translation>
    </message>
    <message>
        <source>Radio disconnected (unplugged?).</source>
        <translation>Radio disconnected (unplugged?).</translation>
    </message>
    <message>
        <source>Could not read the radio&apos;s codeplug: %1 Nothing was written.</source>
        <translation>Could not read the radio&apos;s codeplug: %1 Nothing was written.</translation>
    </message>
    <message>
        <source>Reading the radio&apos;s codeplug for the backup…</source>
        <translation>Reading the radio&apos;s codeplug for the backup…</translation>
    </message>
    <message>
        <source>Could not back up the radio&apos;s codeplug: %1 Nothing was written.</source>
        <translation>Could not back up the radio&apos;s codeplug: %1 Nothing was written.</translation>
    </message>
    <message>
        <source>Could not save the backup: %1 Nothing was written.</source>
        <translation>Could not save the backup: %1 Nothing was written.</translation>
    </message>
    <message>
        <source>Backup saved: %1</source>
        <translation>Backup saved: %1</translation>
    </message>
    <message>
        <source>The radio&apos;s codeplug is not what it was when last read; reading it again…</source>
        <translation>The radio&apos;s codeplug is not what it was when last read; reading it again…</translation>
    </message>
    <message>
        <source>Verification failed: region %1 on the radio differs from what was written, first at %2 address %3. </source>
        <translation>Verification failed: region %1 on the radio differs from what was written, first at %2 address %3. </translation>
    </message>
    <message>
        <source>No backup was taken before the write.</source>
        <translation>No backup was taken before the write.</translation>
    </message>
    <message>
        <source>The radio&apos;s codeplug from before the write is in the backup %1.</source>
        <translation>The radio&apos;s codeplug from before the write is in the backup %1.</translation>
    </message>
    <message>
        <source>Verifying the write…</source>
        <translation>Verifying the write…</translation>
    </message>
    <message>
        <source>Could not verify: a different radio connected (flash serial %1, the write went to %2).</source>
        <translation>Could not verify: a different radio connected (flash serial %1, the write went to %2).</translation>
    </message>
    <message numerus="yes">
        <source>Verified: %n region(s) match the radio.</source>
        <translation>
            <numerusform>Verified: %n region matches the radio.</numerusform>
            <numerusform>Verified: %n regions match the radio.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Backup opened: %1 — %n region(s) will be written with the next write.</source>
        <translation>
            <numerusform>Backup opened: %1 — %n region will be written with the next write.</numerusform>
            <numerusform>Backup opened: %1 — %n regions will be written with the next write.</numerusform>
        </translation>
    </message>
    <message>
        <source>Downloading TLEs…</source>
        <translation>Downloading TLEs…</translation>
    </message>
    <message>
        <source>No TLEs found in the file.</source>
        <translation>No TLEs found in the file.</translation>
    </message>
    <message>
        <source>A keps download is running.</source>
        <translation>A keps download is running.</translation>
    </message>
    <message>
        <source>No TLEs found in the download.</source>
        <translation>No TLEs found in the download.</translation>
    </message>
    <message>
        <source>Downloading satellite keps from %1…</source>
        <translation>Downloading satellite keps from %1…</translation>
    </message>
    <message>
        <source>Loaded %1 TLEs from %2</source>
        <translation>Loaded %1 TLEs from %2</translation>
    </message>
    <message>
        <source>. Frequencies unavailable (SatNOGS could not be reached).</source>
        <translation>. Frequencies unavailable (SatNOGS could not be reached).</translation>
    </message>
    <message>
        <source>; %1 have FM frequencies from SatNOGS.</source>
        <translation>; %1 have FM frequencies from SatNOGS.</translation>
    </message>
    <message>
        <source>Reading codeplug…</source>
        <translation>Reading codeplug…</translation>
    </message>
    <message>
        <source>Writing changes…</source>
        <translation>Writing changes…</translation>
    </message>
    <message>
        <source>Nothing to write: the radio already holds this codeplug.</source>
        <translation>Nothing to write: the radio already holds this codeplug.</translation>
    </message>
    <message>
        <source>the %1 family</source>
        <translation>the %1 family</translation>
    </message>
    <message>
        <source>no radio family</source>
        <translation>no radio family</translation>
    </message>
    <message>
        <source>The codeplug is for %1, but the connected radio is %2 family. Nothing was written.</source>
        <translation>The codeplug is for %1, but the connected radio is %2 family. Nothing was written.</translation>
    </message>
    <message>
        <source>Region %1 starts at flash address 0x%2, which the radio cannot write. Nothing was written.</source>
        <translation>Region %1 starts at flash address 0x%2, which the radio cannot write. Nothing was written.</translation>
    </message>
    <message>
        <source>Region %1 (%2 0x%3, %4 bytes) is not a region of the %5 codeplug. Nothing was written.</source>
        <translation>Region %1 (%2 0x%3, %4 bytes) is not a region of the %5 codeplug. Nothing was written.</translation>
    </message>
    <message>
        <source>Lese Codeplug (%1 KB, %2)…</source>
        <translation>Reading codeplug (%1 KB, %2)…</translation>
    </message>
    <message>
        <source>%1-Layout</source>
        <translation>%1 layout</translation>
    </message>
    <message>
        <source>Codeplug read: %1 channels, %2 contacts, %3 talkgroups, %4 zones.</source>
        <translation>Codeplug read: %1 channels, %2 contacts, %3 talkgroups, %4 zones.</translation>
    </message>
    <message>
        <source>region %1 whole: the radio&apos;s copy is not known</source>
        <translation>region %1 whole: the radio&apos;s copy is not known</translation>
    </message>
    <message>
        <source>region %1 whole: most of it changed</source>
        <translation>region %1 whole: most of it changed</translation>
    </message>
    <message>
        <source>region %1 whole, as asked</source>
        <translation>region %1 whole, as asked</translation>
    </message>
    <message>
        <source>Sending %1 of %2 block(s): %3 EEPROM, %4 into %5 flash sector(s).</source>
        <translation>Sending %1 of %2 block(s): %3 EEPROM, %4 into %5 flash sector(s).</translation>
    </message>
    <message numerus="yes">
        <source>Writing %n changed region(s) (%1 KB)…</source>
        <translation>
            <numerusform>Writing %n changed region (%1 KB)…</numerusform>
            <numerusform>Writing %n changed regions (%1 KB)…</numerusform>
        </translation>
    </message>
    <message>
        <source>Changes written. Device is rebooting — disconnected.</source>
        <translation>Changes written. Device is rebooting — disconnected.</translation>
    </message>
    <message>
        <source>File loaded: %1 (%2)</source>
        <translation>File loaded: %1 (%2)</translation>
    </message>
    <message>
        <source>No codeplug loaded.</source>
        <translation>No codeplug loaded.</translation>
    </message>
    <message>
        <source>Gespeichert: %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n block(s), %1 bytes</source>
        <translation>
            <numerusform>%n block, %1 bytes</numerusform>
            <numerusform>%n blocks, %1 bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>New codeplug (UV380 family).</source>
        <translation>New codeplug (UV380 family).</translation>
    </message>
    <message>
        <source>New codeplug (GD77 family).</source>
        <translation>New codeplug (GD77 family).</translation>
    </message>
</context>
</TS>
