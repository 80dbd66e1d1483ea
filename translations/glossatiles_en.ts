<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>PlayAnnouncer</name>
    <message numerus="yes">
        <source>Fast auto finish removed %n pair(s).</source>
        <translation>
            <numerusform>Fast auto finish removed %n pair.</numerusform>
            <numerusform>Fast auto finish removed %n pairs.</numerusform>
        </translation>
    </message>
</context>
</TS>
