<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CGameFinishedDlg</name>
    <message numerus="yes">
        <source>missed %n time(s)</source>
        <translation>
            <numerusform>missed once</numerusform>
            <numerusform>missed %n times</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>hinted %n time(s)</source>
        <translation>
            <numerusform>hinted once</numerusform>
            <numerusform>hinted %n times</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>peeked %n time(s)</source>
        <translation>
            <numerusform>peeked once</numerusform>
            <numerusform>peeked %n times</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HomePage</name>
    <message numerus="yes">
        <source>%n pairs are due today</source>
        <translation>
            <numerusform>%n pair is due today</numerusform>
            <numerusform>%n pairs are due today</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Nothing is due today. Next: %n pairs on %1</source>
        <translation>
            <numerusform>Nothing is due today. Next: %n pair on %1</numerusform>
            <numerusform>Nothing is due today. Next: %n pairs on %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n pairs practised today</source>
        <translation>
            <numerusform>%1 of %n pair practised today</numerusform>
            <numerusform>%1 of %n pairs practised today</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Streak: %n days</source>
        <translation>
            <numerusform>Streak: %n day</numerusform>
            <numerusform>Streak: %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>longest: %n days</source>
        <translation>
            <numerusform>longest: %n day</numerusform>
            <numerusform>longest: %n days</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message numerus="yes">
        <source>Fast auto finish removed %n pairs.</source>
        <translation>
            <numerusform>Fast auto finish removed %n pair.</numerusform>
            <numerusform>Fast auto finish removed %n pairs.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n cloze notes were left out, since they are not word pairs.</source>
        <translation>
            <numerusform>%n cloze note was left out, since they are not word pairs.</numerusform>
            <numerusform>%n cloze notes were left out, since they are not word pairs.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>A blank line ends the list in %1 after %n pairs:</source>
        <translation>
            <numerusform>A blank line ends the list in %1 after %n pair:</numerusform>
            <numerusform>A blank line ends the list in %1 after %n pairs:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines after it were not read.</source>
        <translation>
            <numerusform>%n line after it was not read.</numerusform>
            <numerusform>%n lines after it were not read.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n lines of %1 are longer than 998 bytes; each was read as several words.</source>
        <translation>
            <numerusform>%n line of %1 is longer than 998 bytes; it was read as several words.</numerusform>
            <numerusform>%n lines of %1 are longer than 998 bytes; each was read as several words.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n rows of %1 were left out because a word or its translation is empty.
Lines %2</source>
        <translation>
            <numerusform>%n row of %1 was left out because a word or its translation is empty.
Line %2</numerusform>
            <numerusform>%n rows of %1 were left out because a word or its translation is empty.
Lines %2</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n media files of the package were refused (larger than %2 MB, of another size than it declares, damaged, or named outside its folder): %1</source>
        <translation>
            <numerusform>One media file of the package was refused (larger than %2 MB, of another size than it declares, damaged, or named outside its folder): %1</numerusform>
            <numerusform>%n media files of the package were refused (larger than %2 MB, of another size than it declares, damaged, or named outside its folder): %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n media files could not be used; they were looked for in %1.</source>
        <translation>
            <numerusform>One media file could not be used; it was looked for in %1.</numerusform>
            <numerusform>%n media files could not be used; they were looked for in %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Again · %n days</source>
        <translation>
            <numerusform>Again · 1 day</numerusform>
            <numerusform>Again · %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hard · %n days</source>
        <translation>
            <numerusform>Hard · 1 day</numerusform>
            <numerusform>Hard · %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Easy · %n days</source>
        <translation>
            <numerusform>Easy · 1 day</numerusform>
            <numerusform>Easy · %n days</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Good · %n days</source>
        <translation>
            <numerusform>Good · 1 day</numerusform>
            <numerusform>Good · %n days</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>WordListEditor</name>
    <message numerus="yes">
        <source>%n pair(s).</source>
        <translation>
            <numerusform>%n pair.</numerusform>
            <numerusform>%n pairs.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) must be corrected before the list can be saved.</source>
        <translation>
            <numerusform>%n row must be corrected before the list can be saved.</numerusform>
            <numerusform>%n rows must be corrected before the list can be saved.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n row(s) have notes.</source>
        <translation>
            <numerusform>%n row has notes.</numerusform>
            <numerusform>%n rows have notes.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>YearCalendar</name>
    <message numerus="yes">
        <source>%1: %n pairs</source>
        <comment>a day of the calendar</comment>
        <translation>
            <numerusform>%1: %n pair</numerusform>
            <numerusform>%1: %n pairs</numerusform>
        </translation>
    </message>
</context>
</TS>
