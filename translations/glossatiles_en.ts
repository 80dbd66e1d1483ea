<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>CChoiceDlg</name>
    <message numerus="yes">
        <source>The round is over: %n question(s).</source>
        <translation>
            <numerusform>The round is over: %n question.</numerusform>
            <numerusform>The round is over: %n questions.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CFlashcardDlg</name>
    <message numerus="yes">
        <source>The round is over: %n card(s).</source>
        <translation>
            <numerusform>The round is over: %n card.</numerusform>
            <numerusform>The round is over: %n cards.</numerusform>
        </translation>
    </message>
</context>
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
    <name>CReviewSettingsDlg</name>
    <message numerus="yes">
        <source>At %1 you can expect about %n review(s) a day over the next %2 days.</source>
        <translation>
            <numerusform>At %1 you can expect about %n review a day over the next %2 days.</numerusform>
            <numerusform>At %1 you can expect about %n reviews a day over the next %2 days.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>That is %n more a day than at the %1 in use now.</source>
        <translation>
            <numerusform>That is %n more a day than at the %1 in use now.</numerusform>
            <numerusform>That is %n more a day than at the %1 in use now.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>That is %n fewer a day than at the %1 in use now.</source>
        <translation>
            <numerusform>That is %n fewer a day than at the %1 in use now.</numerusform>
            <numerusform>That is %n fewer a day than at the %1 in use now.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassResultsDlg</name>
    <message numerus="yes">
        <source>The class&apos;s results for %1: %n learner(s)</source>
        <translation>
            <numerusform>The class&apos;s results for %1: %n learner</numerusform>
            <numerusform>The class&apos;s results for %1: %n learners</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DueReminder</name>
    <message numerus="yes">
        <source>%n pairs are due today</source>
        <translation>
            <numerusform>%n pair is due today</numerusform>
            <numerusform>%n pairs are due today</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>GameLearning</name>
    <message numerus="yes">
        <source>missed by %1 of %n learner(s)</source>
        <translation>
            <numerusform>missed by %1 of %n learner</numerusform>
            <numerusform>missed by %1 of %n learners</numerusform>
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
    <name>QObject</name>
    <message numerus="yes">
        <source>In use: parameters fitted on %1 to %n review(s).</source>
        <translation>
            <numerusform>In use: parameters fitted on %1 to %n review.</numerusform>
            <numerusform>In use: parameters fitted on %1 to %n reviews.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The last fit, on %1, was judged on %n review(s):</source>
        <translation>
            <numerusform>The last fit, on %1, was judged on %n review:</numerusform>
            <numerusform>The last fit, on %1, was judged on %n reviews:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The fitted parameters predict your %n review(s) better (log loss %1 instead of %2) and are now in use: every schedule follows them.</source>
        <translation>
            <numerusform>The fitted parameters predict your %n review better (log loss %1 instead of %2) and are now in use: every schedule follows them.</numerusform>
            <numerusform>The fitted parameters predict your %n reviews better (log loss %1 instead of %2) and are now in use: every schedule follows them.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The fitted parameters predict your %n review(s) no better than those in use (log loss %1 against %2), so those stay.</source>
        <translation>
            <numerusform>The fitted parameters predict your %n review no better than those in use (log loss %1 against %2), so those stay.</numerusform>
            <numerusform>The fitted parameters predict your %n reviews no better than those in use (log loss %1 against %2), so those stay.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ReviewMemory</name>
    <message numerus="yes">
        <source>The memory model was fitted to your %n review(s) and now schedules your pairs.</source>
        <translation>
            <numerusform>The memory model was fitted to your %n review and now schedules your pairs.</numerusform>
            <numerusform>The memory model was fitted to your %n reviews and now schedules your pairs.</numerusform>
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
