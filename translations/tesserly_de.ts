<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>TesserlyCommands</name>
    <message>
        <source>About Tesserly</source>
        <translation>Über Tesserly</translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation>Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation>Menü leeren</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken …</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>New Board</source>
        <translation>Neues Board</translation>
    </message>
    <message>
        <source>Open Board…</source>
        <translation>Board öffnen …</translation>
    </message>
    <message>
        <source>Add Images…</source>
        <translation>Bilder hinzufügen …</translation>
    </message>
    <message>
        <source>Save Board</source>
        <translation>Board speichern</translation>
    </message>
    <message>
        <source>Save Board As…</source>
        <translation>Board speichern unter …</translation>
    </message>
    <message>
        <source>Export PNG…</source>
        <translation>Als PNG exportieren …</translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation>Als PDF exportieren …</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Undo Board Change</source>
        <translation>Board-Änderung widerrufen</translation>
    </message>
    <message>
        <source>Redo Board Change</source>
        <translation>Board-Änderung wiederholen</translation>
    </message>
    <message>
        <source>Paste Images</source>
        <translation>Bilder einfügen</translation>
    </message>
    <message>
        <source>Copy Board as PNG</source>
        <translation>Board als PNG kopieren</translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation>Einstellungen …</translation>
    </message>
    <message>
        <source>Tesserly Quick Guide</source>
        <translation>Tesserly-Kurzanleitung</translation>
    </message>
    <message>
        <source>1. Drop images onto the preview, or choose Add Images.</source>
        <translation>1. Ziehen Sie Bilder auf die Vorschau oder wählen Sie „Bilder hinzufügen“.</translation>
    </message>
    <message>
        <source>2. Set the columns, image shape, captions, and background. Drag the thumbnails to reorder; use the arrow buttons for precise movement.</source>
        <translation>2. Legen Sie Spalten, Bildform, Beschriftungen und Hintergrund fest. Ziehen Sie die Miniaturen, um die Reihenfolge zu ändern; mit den Pfeilschaltflächen verschieben Sie genau.</translation>
    </message>
    <message>
        <source>3. Copy a PNG or export a PNG/PDF. Save a .tesserly project to continue editing later.</source>
        <translation>3. Kopieren Sie ein PNG oder exportieren Sie ein PNG/PDF. Speichern Sie ein .tesserly-Projekt, um später weiterzuarbeiten.</translation>
    </message>
    <message>
        <source>Everything stays on your computer. Original images are never edited.</source>
        <translation>Alles bleibt auf Ihrem Computer. Originalbilder werden nie verändert.</translation>
    </message>
    <message>
        <source>Make a board in three steps</source>
        <translation>Ein Board in drei Schritten</translation>
    </message>
    <message>
        <source>Got It</source>
        <translation>Verstanden</translation>
    </message>
</context>
</TS>
