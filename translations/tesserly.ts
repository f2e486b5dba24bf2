<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="en">
<context>
    <name>TesserlyCommands</name>
    <message>
        <source>About Tesserly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Recent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Board…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Images…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Board As…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export PNG…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export PDF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo Board Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo Board Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Board as PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tesserly Quick Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1. Drop images onto the preview, or choose Add Images.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2. Set the columns, image shape, captions, and background. Drag the thumbnails to reorder; use the arrow buttons for precise movement.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3. Copy a PNG or export a PNG/PDF. Save a .tesserly project to continue editing later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Everything stays on your computer. Original images are never edited.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make a board in three steps</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Got It</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
