<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>AboutView</name>
    <message>
        <source>Tesserly icon</source>
        <translation>Tesserly-Symbol</translation>
    </message>
    <message>
        <source>Made by %1</source>
        <translation>Von %1</translation>
    </message>
    <message>
        <source>About Tesserly</source>
        <translation>Über Tesserly</translation>
    </message>
</context>
<context>
    <name>AppInfo</name>
    <message>
        <source>Version %1 (%2)</source>
        <translation>Version %1 (%2)</translation>
    </message>
    <message>
        <source>Image boards — made offline, on your computer.</source>
        <translation>Bild-Boards – offline erstellt, auf Ihrem Computer.</translation>
    </message>
    <message>
        <source>Designed and made independently by Vandrel</source>
        <translation>Unabhängig entworfen und gebaut von Vandrel</translation>
    </message>
</context>
<context>
    <name>BackgroundButton</name>
    <message>
        <source>%1 board background</source>
        <translation>Board-Hintergrund %1</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>Nicht ausgewählt</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Ausgewählt</translation>
    </message>
</context>
<context>
    <name>BoardFooter</name>
    <message>
        <source>Unsaved changes</source>
        <translation>Ungesicherte Änderungen</translation>
    </message>
    <message>
        <source>This board has unsaved changes</source>
        <translation>Dieses Board hat ungesicherte Änderungen</translation>
    </message>
    <message>
        <source>Copy PNG</source>
        <translation>PNG kopieren</translation>
    </message>
    <message>
        <source>Copy the finished board as an image</source>
        <translation>Das fertige Board als Bild kopieren</translation>
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
        <source>Export the finished board as PNG or PDF</source>
        <translation>Das fertige Board als PNG oder PDF exportieren</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>1 image</source>
        <translation>1 Bild</translation>
    </message>
    <message>
        <source>%1 images</source>
        <translation>%1 Bilder</translation>
    </message>
</context>
<context>
    <name>BoardLimits</name>
    <message>
        <source>A board can contain up to %1 images.</source>
        <translation>Ein Board kann bis zu %1 Bilder enthalten.</translation>
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
        <source>The remaining 1 file was skipped.</source>
        <translation>Die übrige Datei wurde übersprungen.</translation>
    </message>
    <message>
        <source>The remaining %1 files were skipped.</source>
        <translation>Die übrigen %1 Dateien wurden übersprungen.</translation>
    </message>
    <message>
        <source>1 additional image exceeded the %1-image limit.</source>
        <translation>1 weiteres Bild überschritt die Grenze von %1 Bildern.</translation>
    </message>
    <message>
        <source>%1 additional images exceeded the %2-image limit.</source>
        <translation>%1 weitere Bilder überschritten die Grenze von %2 Bildern.</translation>
    </message>
    <message>
        <source>1 additional image exceeded the board limit.</source>
        <translation>1 weiteres Bild überschritt die Höchstzahl des Boards.</translation>
    </message>
    <message>
        <source>%1 additional images exceeded the board limit.</source>
        <translation>%1 weitere Bilder überschritten die Höchstzahl des Boards.</translation>
    </message>
    <message>
        <source>%1: the board is full.</source>
        <translation>%1: Das Board ist voll.</translation>
    </message>
    <message>
        <source>%1: adding this image would exceed the board&apos;s %2 source-image limit.</source>
        <translation>%1: Mit diesem Bild würde das Board die Grenze von %2 für Quellbilder überschreiten.</translation>
    </message>
    <message>
        <source>This image exceeds the %1 import limit.</source>
        <translation>Dieses Bild überschreitet die Importgrenze von %1.</translation>
    </message>
    <message>
        <source>The original images in one board can total up to %1.</source>
        <translation>Die Originalbilder eines Boards dürfen zusammen bis zu %1 groß sein.</translation>
    </message>
    <message>
        <source>An image in this board is empty or exceeds the %1 limit.</source>
        <translation>Ein Bild in diesem Board ist leer oder überschreitet die Grenze von %1.</translation>
    </message>
    <message>
        <source>This image exceeds the %1-pixel import limit per side. Export a smaller copy first.</source>
        <translation>Dieses Bild überschreitet die Importgrenze von %1 Pixeln pro Seite. Exportieren Sie zuerst eine kleinere Kopie.</translation>
    </message>
    <message>
        <source>This image exceeds the %1-megapixel import limit. Export a smaller copy first.</source>
        <translation>Dieses Bild überschreitet die Importgrenze von %1 Megapixeln. Exportieren Sie zuerst eine kleinere Kopie.</translation>
    </message>
</context>
<context>
    <name>BoardOptions</name>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>File names</source>
        <translation>Dateinamen</translation>
    </message>
    <message>
        <source>Custom captions</source>
        <translation>Eigene Beschriftungen</translation>
    </message>
    <message>
        <source>Square · 1:1</source>
        <translation>Quadrat · 1:1</translation>
    </message>
    <message>
        <source>Landscape · 4:3</source>
        <translation>Querformat · 4:3</translation>
    </message>
    <message>
        <source>Widescreen · 16:9</source>
        <translation>Breitbild · 16:9</translation>
    </message>
    <message>
        <source>Portrait · 3:4</source>
        <translation>Hochformat · 3:4</translation>
    </message>
    <message>
        <source>Fit</source>
        <translation>Einpassen</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
</context>
<context>
    <name>BoardPreview</name>
    <message>
        <source>Board preview</source>
        <translation>Board-Vorschau</translation>
    </message>
</context>
<context>
    <name>BoardProjectError</name>
    <message>
        <source>This board uses project format %1, which this version of Tesserly cannot open.</source>
        <translation>Dieses Board verwendet das Projektformat %1, das diese Version von Tesserly nicht öffnen kann.</translation>
    </message>
    <message>
        <source>The saved image %1 is incomplete or has changed.</source>
        <translation>Das gespeicherte Bild %1 ist unvollständig oder wurde verändert.</translation>
    </message>
    <message>
        <source>This is not a Tesserly project. Choose a .tesserly file.</source>
        <translation>Dies ist kein Tesserly-Projekt. Wählen Sie eine .tesserly-Datei.</translation>
    </message>
    <message>
        <source>The board&apos;s project information is incomplete or damaged.</source>
        <translation>Die Projektdaten des Boards sind unvollständig oder beschädigt.</translation>
    </message>
    <message>
        <source>Save the project with the .tesserly extension.</source>
        <translation>Speichern Sie das Projekt mit der Endung .tesserly.</translation>
    </message>
    <message>
        <source>The board could not be opened. Make sure it is fully downloaded and is not a symbolic link.</source>
        <translation>Das Board konnte nicht geöffnet werden. Stellen Sie sicher, dass es vollständig heruntergeladen und kein symbolischer Link ist.</translation>
    </message>
    <message>
        <source>That location contains something other than a supported Tesserly project. Choose a different name to keep its contents safe.</source>
        <translation>An diesem Ort liegt etwas anderes als ein unterstütztes Tesserly-Projekt. Wählen Sie einen anderen Namen, damit sein Inhalt erhalten bleibt.</translation>
    </message>
    <message>
        <source>The board&apos;s project information exceeds the supported size.</source>
        <translation>Die Projektdaten des Boards überschreiten die unterstützte Größe.</translation>
    </message>
    <message>
        <source>The board contains duplicate image identifiers and cannot be opened safely.</source>
        <translation>Das Board enthält doppelte Bildkennungen und kann nicht sicher geöffnet werden.</translation>
    </message>
    <message>
        <source>The board contains an invalid image reference.</source>
        <translation>Das Board enthält einen ungültigen Bildverweis.</translation>
    </message>
    <message>
        <source>The board&apos;s Images folder is missing or is a symbolic link.</source>
        <translation>Der Bilder-Ordner des Boards fehlt oder ist ein symbolischer Link.</translation>
    </message>
    <message>
        <source>The board could not be opened because its image &quot;%1&quot; is missing from the package.</source>
        <translation>Das Board konnte nicht geöffnet werden, weil sein Bild „%1“ im Paket fehlt.</translation>
    </message>
</context>
<context>
    <name>BoardRenderError</name>
    <message>
        <source>Tesserly could not render &quot;%1&quot;. Remove it and import the image again.</source>
        <translation>Tesserly konnte „%1“ nicht zeichnen. Entfernen Sie es und importieren Sie das Bild erneut.</translation>
    </message>
    <message>
        <source>Add at least one image before exporting.</source>
        <translation>Fügen Sie vor dem Exportieren mindestens ein Bild hinzu.</translation>
    </message>
    <message>
        <source>This board is too large to export. Increase the column count or choose a smaller export width.</source>
        <translation>Dieses Board ist zu groß für den Export. Erhöhen Sie die Spaltenzahl oder wählen Sie eine geringere Exportbreite.</translation>
    </message>
    <message>
        <source>There is not enough memory to create this export. Try a smaller export width.</source>
        <translation>Für diesen Export ist nicht genug Speicher vorhanden. Versuchen Sie eine geringere Exportbreite.</translation>
    </message>
    <message>
        <source>Tesserly could not finish the export. Try again with a smaller board.</source>
        <translation>Tesserly konnte den Export nicht abschließen. Versuchen Sie es mit einem kleineren Board erneut.</translation>
    </message>
</context>
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
        <source>…and %1 more files could not be added.</source>
        <translation>… und %1 weitere Dateien konnten nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>…and 1 more file could not be added.</source>
        <translation>… und 1 weitere Datei konnte nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>“%1” was changed by another window or application.</source>
        <translation>„%1“ wurde von einem anderen Fenster oder Programm geändert.</translation>
    </message>
    <message>
        <source>Replacing it discards those changes. To keep them, cancel and save this board with Save Board As…</source>
        <translation>Beim Ersetzen gehen diese Änderungen verloren. Um sie zu behalten, brechen Sie ab und sichern Sie dieses Board mit „Board speichern unter …“.</translation>
    </message>
</context>
<context>
    <name>BoundedFileError</name>
    <message>
        <source>Choose a regular image file, rather than a folder or special file.</source>
        <translation>Wählen Sie eine normale Bilddatei statt eines Ordners oder einer Spezialdatei.</translation>
    </message>
    <message>
        <source>The file is larger than the available %1 import limit.</source>
        <translation>Die Datei ist größer als die verfügbare Importgrenze von %1.</translation>
    </message>
</context>
<context>
    <name>ByteCount</name>
    <message>
        <source>1 byte</source>
        <translation>1 Byte</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Byte</translation>
    </message>
</context>
<context>
    <name>CaptionEditor</name>
    <message>
        <source>Caption for %1</source>
        <translation>Beschriftung für %1</translation>
    </message>
    <message>
        <source>Select an image to write its caption.</source>
        <translation>Wählen Sie ein Bild, um seine Beschriftung zu schreiben.</translation>
    </message>
    <message>
        <source>Select another image to edit its caption.</source>
        <translation>Wählen Sie ein anderes Bild, um seine Beschriftung zu bearbeiten.</translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Board</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation>Bilder hinzufügen</translation>
    </message>
    <message>
        <source>Add images from this computer</source>
        <translation>Bilder von diesem Computer hinzufügen</translation>
    </message>
    <message>
        <source>Open Board</source>
        <translation>Board öffnen</translation>
    </message>
    <message>
        <source>Open a saved Tesserly project</source>
        <translation>Ein gespeichertes Tesserly-Projekt öffnen</translation>
    </message>
    <message>
        <source>Save Board</source>
        <translation>Board speichern</translation>
    </message>
    <message>
        <source>Save an editable copy of this board</source>
        <translation>Eine bearbeitbare Kopie dieses Boards speichern</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Dimensions of the exported board</source>
        <translation>Abmessungen des exportierten Boards</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation>Ein unerwarteter Fehler ist aufgetreten.</translation>
    </message>
</context>
<context>
    <name>ExportMenuButton</name>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
</context>
<context>
    <name>ImageImportError</name>
    <message>
        <source>Choose an image stored on this computer.</source>
        <translation>Wählen Sie ein Bild, das auf diesem Computer gespeichert ist.</translation>
    </message>
    <message>
        <source>The image file is empty.</source>
        <translation>Die Bilddatei ist leer.</translation>
    </message>
    <message>
        <source>The image is damaged or could not be decoded.</source>
        <translation>Das Bild ist beschädigt oder konnte nicht dekodiert werden.</translation>
    </message>
    <message>
        <source>Use PNG, JPEG, HEIC, TIFF, GIF, or BMP. Animated images use their first frame.</source>
        <translation>Verwenden Sie PNG, JPEG, HEIC, TIFF, GIF oder BMP. Von animierten Bildern wird das erste Bild verwendet.</translation>
    </message>
</context>
<context>
    <name>InspectorSlider</name>
    <message>
        <source>%1 pixels</source>
        <translation>%1 Pixel</translation>
    </message>
</context>
<context>
    <name>InspectorView</name>
    <message>
        <source>Board</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>Reset Settings</source>
        <translation>Einstellungen zurücksetzen</translation>
    </message>
    <message>
        <source>Restore the default layout and appearance. Images stay on the board.</source>
        <translation>Standardlayout und -aussehen wiederherstellen. Die Bilder bleiben auf dem Board.</translation>
    </message>
    <message>
        <source>Layout</source>
        <translation>Layout</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>Spalten</translation>
    </message>
    <message>
        <source>Number of columns</source>
        <translation>Anzahl der Spalten</translation>
    </message>
    <message>
        <source>Image shape</source>
        <translation>Bildform</translation>
    </message>
    <message>
        <source>Image fit</source>
        <translation>Bildanpassung</translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation>Aussehen</translation>
    </message>
    <message>
        <source>Board background</source>
        <translation>Board-Hintergrund</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>Outer margin</source>
        <translation>Außenrand</translation>
    </message>
    <message>
        <source>Corners</source>
        <translation>Ecken</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Beschriftung</translation>
    </message>
    <message>
        <source>Image numbers</source>
        <translation>Bildnummern</translation>
    </message>
    <message>
        <source>Captions</source>
        <translation>Bildunterschriften</translation>
    </message>
    <message>
        <source>Caption size</source>
        <translation>Größe der Bildunterschrift</translation>
    </message>
    <message>
        <source>Board title</source>
        <translation>Board-Titel</translation>
    </message>
    <message>
        <source>Optional title</source>
        <translation>Titel (optional)</translation>
    </message>
    <message>
        <source>Title size</source>
        <translation>Titelgröße</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Output width</source>
        <translation>Ausgabebreite</translation>
    </message>
    <message>
        <source>Export width in pixels</source>
        <translation>Exportbreite in Pixeln</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Fit keeps the entire image visible.</source>
        <translation>Einpassen zeigt das ganze Bild.</translation>
    </message>
    <message>
        <source>Fill crops the image to match its cell.</source>
        <translation>Füllen beschneidet das Bild passend zu seiner Zelle.</translation>
    </message>
    <message>
        <source>Use more columns or a smaller width to export this board.</source>
        <translation>Verwenden Sie mehr Spalten oder eine geringere Breite, um dieses Board zu exportieren.</translation>
    </message>
    <message>
        <source>PNG for sharing. PDF for printing.</source>
        <translation>PNG zum Teilen. PDF zum Drucken.</translation>
    </message>
</context>
<context>
    <name>PhotoKeyboard</name>
    <message>
        <source>Arrow keys select an image</source>
        <translation>Pfeiltasten wählen ein Bild</translation>
    </message>
    <message>
        <source>%1 and %2 select an image</source>
        <translation>%1 und %2 wählen ein Bild</translation>
    </message>
    <message>
        <source>%1, %2 and %3 the first and last; %4 and %5 move it earlier or later; %6 or %7 removes it.</source>
        <translation>%1, %2 und %3 das erste und letzte; %4 und %5 verschieben es nach vorn oder hinten; %6 oder %7 entfernt es.</translation>
    </message>
</context>
<context>
    <name>PhotoStripView</name>
    <message>
        <source>Paste copied images (%1)</source>
        <translation>Kopierte Bilder einfügen (%1)</translation>
    </message>
    <message>
        <source>Paste images</source>
        <translation>Bilder einfügen</translation>
    </message>
    <message>
        <source>Move selected image earlier</source>
        <translation>Ausgewähltes Bild nach vorn verschieben</translation>
    </message>
    <message>
        <source>Move selected image later</source>
        <translation>Ausgewähltes Bild nach hinten verschieben</translation>
    </message>
    <message>
        <source>Remove selected image from this board</source>
        <translation>Ausgewähltes Bild von diesem Board entfernen</translation>
    </message>
    <message>
        <source>Remove selected image</source>
        <translation>Ausgewähltes Bild entfernen</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Bilder</translation>
    </message>
    <message>
        <source>Add images above, or drop them onto the preview.</source>
        <translation>Fügen Sie oben Bilder hinzu oder legen Sie sie auf der Vorschau ab.</translation>
    </message>
    <message>
        <source>Your images will appear here</source>
        <translation>Hier erscheinen Ihre Bilder</translation>
    </message>
    <message>
        <source>Drag to reorder</source>
        <translation>Zum Umordnen ziehen</translation>
    </message>
</context>
<context>
    <name>PhotoThumbnail</name>
    <message>
        <source>Image %1, %2</source>
        <translation>Bild %1, %2</translation>
    </message>
    <message>
        <source>Selected</source>
        <translation>Ausgewählt</translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation>Nicht ausgewählt</translation>
    </message>
    <message>
        <source>Move Earlier</source>
        <translation>Nach vorn</translation>
    </message>
    <message>
        <source>Move Later</source>
        <translation>Nach hinten</translation>
    </message>
    <message>
        <source>Remove from Board</source>
        <translation>Vom Board entfernen</translation>
    </message>
</context>
<context>
    <name>PosixError</name>
    <message>
        <source>The operation couldn&apos;t be completed. (%1)</source>
        <translation>Der Vorgang konnte nicht abgeschlossen werden. (%1)</translation>
    </message>
    <message>
        <source>The operation on &quot;%1&quot; couldn&apos;t be completed. (%2)</source>
        <translation>Der Vorgang mit „%1“ konnte nicht abgeschlossen werden. (%2)</translation>
    </message>
</context>
<context>
    <name>PreviewEmptyState</name>
    <message>
        <source>Add Images…</source>
        <translation>Bilder hinzufügen …</translation>
    </message>
    <message>
        <source>Paste Images</source>
        <translation>Bilder einfügen</translation>
    </message>
    <message>
        <source>Bring your images together</source>
        <translation>Bringen Sie Ihre Bilder zusammen</translation>
    </message>
    <message>
        <source>Drop images here to create a comparison sheet.</source>
        <translation>Legen Sie Bilder hier ab, um einen Vergleichsbogen zu erstellen.</translation>
    </message>
    <message>
        <source>Photos · Film stills · Design variations</source>
        <translation>Fotos · Filmstandbilder · Designvarianten</translation>
    </message>
</context>
<context>
    <name>PreviewTile</name>
    <message>
        <source>Select %1. Drag to change its position.</source>
        <translation>%1 auswählen. Ziehen, um die Position zu ändern.</translation>
    </message>
    <message>
        <source>Image %1, %2</source>
        <translation>Bild %1, %2</translation>
    </message>
</context>
<context>
    <name>QtBoardPlatform</name>
    <message>
        <source>Tesserly Projects</source>
        <translation>Tesserly-Projekte</translation>
    </message>
    <message>
        <source>Images</source>
        <translation>Bilder</translation>
    </message>
</context>
<context>
    <name>TesserlyAppDelegate</name>
    <message>
        <source>Tesserly is finishing an operation</source>
        <translation>Tesserly schließt einen Vorgang ab</translation>
    </message>
    <message>
        <source>Wait for the current import or export to finish, then quit again.</source>
        <translation>Warten Sie, bis der laufende Import oder Export abgeschlossen ist, und beenden Sie dann erneut.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
<context>
    <name>TesserlySettingsView</name>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Light</source>
        <translation>Hell</translation>
    </message>
    <message>
        <source>Dark</source>
        <translation>Dunkel</translation>
    </message>
    <message>
        <source>Tesserly Settings</source>
        <translation>Tesserly-Einstellungen</translation>
    </message>
    <message>
        <source>App appearance</source>
        <translation>Erscheinungsbild</translation>
    </message>
    <message>
        <source>A small, private contact-sheet maker.</source>
        <translation>Ein kleines, privates Programm für Kontaktbögen.</translation>
    </message>
</context>
</TS>
