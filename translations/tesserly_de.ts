<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>BoardStore</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>Bereit</translation>
    </message>
    <message>
        <source>Untitled Board</source>
        <translation>Unbenanntes Board</translation>
    </message>
    <message>
        <source> · Edited</source>
        <translation> · Bearbeitet</translation>
    </message>
    <message>
        <source>Undid last change</source>
        <translation>Letzte Änderung widerrufen</translation>
    </message>
    <message>
        <source>Redid last change</source>
        <translation>Letzte Änderung wiederholt</translation>
    </message>
    <message>
        <source>Image removed from board</source>
        <translation>Bild vom Board entfernt</translation>
    </message>
    <message>
        <source>Layout reset</source>
        <translation>Layout zurückgesetzt</translation>
    </message>
    <message>
        <source>Export failed</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>Preparing board for clipboard…</source>
        <translation>Board wird für die Zwischenablage vorbereitet …</translation>
    </message>
    <message>
        <source>Board copied as PNG</source>
        <translation>Board als PNG kopiert</translation>
    </message>
    <message>
        <source>Copy failed</source>
        <translation>Kopieren fehlgeschlagen</translation>
    </message>
    <message>
        <source>The board could not be copied. Try exporting a PNG instead.</source>
        <translation>Das Board konnte nicht kopiert werden. Exportieren Sie stattdessen ein PNG.</translation>
    </message>
    <message>
        <source>Export Board as PDF</source>
        <translation>Board als PDF exportieren</translation>
    </message>
    <message>
        <source>Export Board as PNG</source>
        <translation>Board als PNG exportieren</translation>
    </message>
    <message>
        <source>Exporting PDF…</source>
        <translation>PDF wird exportiert …</translation>
    </message>
    <message>
        <source>Exporting PNG…</source>
        <translation>PNG wird exportiert …</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>A board can contain up to %1 images. Remove an image before adding more.</source>
        <translation>Ein Board kann bis zu %1 Bilder enthalten. Entfernen Sie ein Bild, bevor Sie weitere hinzufügen.</translation>
    </message>
    <message>
        <source>This board already contains %1 images.</source>
        <translation>Dieses Board enthält bereits %1 Bilder.</translation>
    </message>
    <message>
        <source>Copy an image or an image file first, then choose Paste Images.</source>
        <translation>Kopieren Sie zuerst ein Bild oder eine Bilddatei und wählen Sie dann „Bilder einfügen“.</translation>
    </message>
    <message>
        <source>Adding images…</source>
        <translation>Bilder werden hinzugefügt …</translation>
    </message>
    <message>
        <source>Reading dropped images…</source>
        <translation>Abgelegte Bilder werden gelesen …</translation>
    </message>
    <message>
        <source>Pasting image…</source>
        <translation>Bild wird eingefügt …</translation>
    </message>
    <message>
        <source>A dropped file could not be read. Try Add Images instead.</source>
        <translation>Eine abgelegte Datei konnte nicht gelesen werden. Verwenden Sie stattdessen „Bilder hinzufügen“.</translation>
    </message>
    <message>
        <source>A dropped image was not available in a supported format.</source>
        <translation>Ein abgelegtes Bild lag in keinem unterstützten Format vor.</translation>
    </message>
    <message>
        <source>No images added</source>
        <translation>Keine Bilder hinzugefügt</translation>
    </message>
    <message>
        <source>%1 additional images exceeded the board limit.</source>
        <translation>%1 weitere Bilder überschritten die Höchstzahl des Boards.</translation>
    </message>
    <message>
        <source>Added 1 image</source>
        <translation>1 Bild hinzugefügt</translation>
    </message>
    <message>
        <source>Added %1 images</source>
        <translation>%1 Bilder hinzugefügt</translation>
    </message>
    <message>
        <source>Add Images to Tesserly</source>
        <translation>Bilder zu Tesserly hinzufügen</translation>
    </message>
    <message>
        <source>Choose photos, screenshots, or reference images. Your originals stay unchanged.</source>
        <translation>Wählen Sie Fotos, Bildschirmfotos oder Referenzbilder. Ihre Originale bleiben unverändert.</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>Bilder hinzufügen</translation>
    </message>
    <message>
        <source>The operation could not be completed.</source>
        <translation>Der Vorgang konnte nicht abgeschlossen werden.</translation>
    </message>
    <message>
        <source>Printing board…</source>
        <translation>Board wird gedruckt …</translation>
    </message>
    <message>
        <source>Board printed</source>
        <translation>Board gedruckt</translation>
    </message>
    <message>
        <source>Print failed</source>
        <translation>Drucken fehlgeschlagen</translation>
    </message>
    <message>
        <source>The board could not be printed. Check the printer, then try again.</source>
        <translation>Das Board konnte nicht gedruckt werden. Prüfen Sie den Drucker und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>New board</source>
        <translation>Neues Board</translation>
    </message>
    <message>
        <source>Opening board…</source>
        <translation>Board wird geöffnet …</translation>
    </message>
    <message>
        <source>Could not open board</source>
        <translation>Board konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Board saved</source>
        <translation>Board gespeichert</translation>
    </message>
    <message>
        <source>Could not save board</source>
        <translation>Board konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Save…</source>
        <translation>Speichern …</translation>
    </message>
    <message>
        <source>Discard Changes</source>
        <translation>Änderungen verwerfen</translation>
    </message>
    <message>
        <source>Open Tesserly Project</source>
        <translation>Tesserly-Projekt öffnen</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 geöffnet</translation>
    </message>
    <message>
        <source>Save Tesserly Project</source>
        <translation>Tesserly-Projekt speichern</translation>
    </message>
    <message>
        <source>The project includes your images, captions, and layout.</source>
        <translation>Das Projekt enthält Ihre Bilder, Beschriftungen und das Layout.</translation>
    </message>
    <message>
        <source>Save changes to this board?</source>
        <translation>Änderungen an diesem Board speichern?</translation>
    </message>
    <message>
        <source>Save a Tesserly project to keep your images, order, captions, and layout.</source>
        <translation>Speichern Sie ein Tesserly-Projekt, um Bilder, Reihenfolge, Beschriftungen und Layout zu behalten.</translation>
    </message>
    <message>
        <source>%1 additional images exceeded the %2-image limit.</source>
        <translation>%1 weitere Bilder überschritten die Grenze von %2 Bildern.</translation>
    </message>
    <message>
        <source>%1: the board is full.</source>
        <translation>%1: Das Board ist voll.</translation>
    </message>
    <message>
        <source>%1: adding this image would exceed the board&apos;s 256 MB source-image limit.</source>
        <translation>%1: Mit diesem Bild würde das Board die Grenze von 256 MB für Quellbilder überschreiten.</translation>
    </message>
    <message>
        <source>…and %1 more files could not be added.</source>
        <translation>… und %1 weitere Dateien konnten nicht hinzugefügt werden.</translation>
    </message>
</context>
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
