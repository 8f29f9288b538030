<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>VnStrings</name>
    <message>
        <source>Varnox  Pneumatic Engineering &amp; Sizing</source>
        <comment>12</comment>
        <translation>Varnox Pneumatik Technik &amp; Auslegung</translation>
    </message>
    <message>
        <source>Varnox Electric Engineering &amp; Sizing</source>
        <comment>110</comment>
        <translation>Varnox Elektro Technik &amp; Auslegung</translation>
    </message>
    <message>
        <source>Torque</source>
        <comment>13</comment>
        <translation>Drehmoment</translation>
    </message>
    <message>
        <source>English</source>
        <comment>16</comment>
        <translation>Englisch</translation>
    </message>
</context>
<context>
    <name>VnMenu</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
</context>
<context>
    <name>VnVersion</name>
    <message>
        <source>ProductNameKAV</source>
        <translation>Pruefpaket</translation>
    </message>
    <message>
        <source>ProductVersionKAV</source>
        <translation>1.0-test</translation>
    </message>
    <message>
        <source>ProductNameQU</source>
        <translation>Pruefpaket</translation>
    </message>
    <message>
        <source>ProductVersionQU</source>
        <translation>1.0-test</translation>
    </message>
    <message>
        <source>SpecialBuild</source>
        <translation>Testbau</translation>
    </message>
</context>
<context>
    <name>VnSetup</name>
    <message>
        <source>LanguageListEnabled</source>
        <translation>1</translation>
    </message>
</context>
</TS>
