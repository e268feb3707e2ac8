<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<!-- The English forms of the messages that carry a count: the source texts are written in the
     plural, and Qt picks the singular here for a count of one. -->
<TS version="2.1" language="en" sourcelanguage="en">
<context>
    <name>vantro::fileio</name>
    <message numerus="yes">
        <source>It was still locked after %n second(s).</source>
        <translation>
            <numerusform>It was still locked after %n second.</numerusform>
            <numerusform>It was still locked after %n seconds.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>"%1" has %n names (hard links); a new file in its place would leave the old content under the others. Remove the other links and give it its one name, or work on a copy.</source>
        <translation>
            <numerusform>"%1" has %n name (hard links); a new file in its place would leave the old content under the others. Remove the other links and give it its one name, or work on a copy.</numerusform>
            <numerusform>"%1" has %n names (hard links); a new file in its place would leave the old content under the others. Remove the other links and give it its one name, or work on a copy.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Cannot read: it is a FIFO, and no program wrote to it within %n second(s).</source>
        <translation>
            <numerusform>Cannot read: it is a FIFO, and no program wrote to it within %n second.</numerusform>
            <numerusform>Cannot read: it is a FIFO, and no program wrote to it within %n seconds.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantro::builder</name>
    <message numerus="yes">
        <source>%n entries</source>
        <translation>
            <numerusform>%n entry</numerusform>
            <numerusform>%n entries</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantro::cli</name>
    <message numerus="yes">
        <source>"%1" is locked by another program; waiting up to %n seconds for it to let go.</source>
        <translation>
            <numerusform>"%1" is locked by another program; waiting up to %n second for it to let go.</numerusform>
            <numerusform>"%1" is locked by another program; waiting up to %n seconds for it to let go.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, replacing %n earlier filter entries</source>
        <translation>
            <numerusform>, replacing %n earlier filter entry</numerusform>
            <numerusform>, replacing %n earlier filter entries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source> and %n empty lines that opened their blocks.</source>
        <translation>
            <numerusform> and %n empty line that opened its block.</numerusform>
            <numerusform> and %n empty lines that opened their blocks.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 is up to date: its filter is the one this Build writes (%n entries).</source>
        <translation>
            <numerusform>%1 is up to date: its filter is the one this Build writes (%n entry).</numerusform>
            <numerusform>%1 is up to date: its filter is the one this Build writes (%n entries).</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n entries to standard output.</source>
        <translation>
            <numerusform>Wrote %n entry to standard output.</numerusform>
            <numerusform>Wrote %n entries to standard output.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n entries to %1.</source>
        <translation>
            <numerusform>Wrote %n entry to %1.</numerusform>
            <numerusform>Wrote %n entries to %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Wrote %n entries to %1</source>
        <translation>
            <numerusform>Wrote %n entry to %1</numerusform>
            <numerusform>Wrote %n entries to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Would write %n entries to standard output.</source>
        <translation>
            <numerusform>Would write %n entry to standard output.</numerusform>
            <numerusform>Would write %n entries to standard output.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Would write %n entries to %1.</source>
        <translation>
            <numerusform>Would write %n entry to %1.</numerusform>
            <numerusform>Would write %n entries to %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>and %n more entries</source>
        <translation>
            <numerusform>and %n more entry</numerusform>
            <numerusform>and %n more entries</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>vantro::MainWindow</name>
    <message numerus="yes">
        <source>%n entries written to %1</source>
        <translation>
            <numerusform>%n entry written to %1</numerusform>
            <numerusform>%n entries written to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>, replacing %n earlier filter entries,</source>
        <translation>
            <numerusform>, replacing %n earlier filter entry,</numerusform>
            <numerusform>, replacing %n earlier filter entries,</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries appended to %1</source>
        <translation>
            <numerusform>%n entry appended to %1</numerusform>
            <numerusform>%n entries appended to %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries are back in the word list.</source>
        <translation>
            <numerusform>%n entry is back in the word list.</numerusform>
            <numerusform>%n entries are back in the word list.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words added from "%1"</source>
        <translation>
            <numerusform>%n word added from "%1"</numerusform>
            <numerusform>%n words added from "%1"</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; %n of them were in the list already.</source>
        <translation>
            <numerusform>; %n of them was in the list already.</numerusform>
            <numerusform>; %n of them were in the list already.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n entries taken out of the word list (the words of "%1"); Ctrl+Z puts them back.</source>
        <translation>
            <numerusform>%n entry taken out of the word list (the words of "%1"); Ctrl+Z puts it back.</numerusform>
            <numerusform>%n entries taken out of the word list (the words of "%1"); Ctrl+Z puts them back.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>... and %n more</source>
        <translation>
            <numerusform>... and %n more</numerusform>
            <numerusform>... and %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>; the next Build writes %n entries</source>
        <translation>
            <numerusform>; the next Build writes %n entry</numerusform>
            <numerusform>; the next Build writes %n entries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n words</source>
        <translation>
            <numerusform>%n word</numerusform>
            <numerusform>%n words</numerusform>
        </translation>
    </message>
</context>
</TS>
