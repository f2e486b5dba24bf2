<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="en">
<context>
    <name>BoardStore</name>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Untitled Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> · Edited</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undid last change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redid last change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image removed from board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layout reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preparing board for clipboard…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board copied as PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The board could not be copied. Try exporting a PNG instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Board as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Board as PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting PDF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exporting PNG…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A board can contain up to %1 images. Remove an image before adding more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This board already contains %1 images.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy an image or an image file first, then choose Paste Images.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Adding images…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading dropped images…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pasting image…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A dropped file could not be read. Try Add Images instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A dropped image was not available in a supported format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No images added</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 additional images exceeded the board limit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added 1 image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Added %1 images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Images to Tesserly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose photos, screenshots, or reference images. Your originals stay unchanged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The operation could not be completed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing board…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board printed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print failed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The board could not be printed. Check the printer, then try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opening board…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not open board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board saved</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discard Changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Tesserly Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Tesserly Project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The project includes your images, captions, and layout.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes to this board?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save a Tesserly project to keep your images, order, captions, and layout.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 additional images exceeded the %2-image limit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the board is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: adding this image would exceed the board&apos;s 256 MB source-image limit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>…and %1 more files could not be added.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
