<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" sourcelanguage="en">
<context>
    <name>AboutView</name>
    <message>
        <source>Tesserly icon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Made by %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Tesserly</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AppInfo</name>
    <message>
        <source>Version %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image boards — made offline, on your computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Designed and made independently by Vandrel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BackgroundButton</name>
    <message>
        <source>%1 board background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BoardFooter</name>
    <message>
        <source>Unsaved changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This board has unsaved changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy PNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy the finished board as an image</source>
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
        <source>Export the finished board as PNG or PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 images</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BoardLimits</name>
    <message>
        <source>A board can contain up to %1 images.</source>
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
        <source>The remaining 1 file was skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The remaining %1 files were skipped.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 additional image exceeded the %1-image limit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 additional images exceeded the %2-image limit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1 additional image exceeded the board limit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 additional images exceeded the board limit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: the board is full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: adding this image would exceed the board&apos;s %2 source-image limit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This image exceeds the %1 import limit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The original images in one board can total up to %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An image in this board is empty or exceeds the %1 limit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This image exceeds the %1-pixel import limit per side. Export a smaller copy first.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This image exceeds the %1-megapixel import limit. Export a smaller copy first.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BoardOptions</name>
    <message>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>None</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom captions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square · 1:1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Landscape · 4:3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Widescreen · 16:9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Portrait · 3:4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BoardPreview</name>
    <message>
        <source>Board preview</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BoardProjectError</name>
    <message>
        <source>This board uses project format %1, which this version of Tesserly cannot open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The saved image %1 is incomplete or has changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a Tesserly project. Choose a .tesserly file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The board&apos;s project information is incomplete or damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the project with the .tesserly extension.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The board could not be opened. Make sure it is fully downloaded and is not a symbolic link.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>That location contains something other than a supported Tesserly project. Choose a different name to keep its contents safe.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The board&apos;s project information exceeds the supported size.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The board contains duplicate image identifiers and cannot be opened safely.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The board contains an invalid image reference.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The board&apos;s Images folder is missing or is a symbolic link.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The board could not be opened because its image &quot;%1&quot; is missing from the package.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BoardRenderError</name>
    <message>
        <source>Tesserly could not render &quot;%1&quot;. Remove it and import the image again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add at least one image before exporting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This board is too large to export. Increase the column count or choose a smaller export width.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough memory to create this export. Try a smaller export width.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tesserly could not finish the export. Try again with a smaller board.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
        <source>…and %1 more files could not be added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>…and 1 more file could not be added.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” was changed by another window or application.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replacing it discards those changes. To keep them, cancel and save this board with Save Board As…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BoundedFileError</name>
    <message>
        <source>Choose a regular image file, rather than a folder or special file.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is larger than the available %1 import limit.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ByteCount</name>
    <message>
        <source>1 byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CaptionEditor</name>
    <message>
        <source>Caption for %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select an image to write its caption.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select another image to edit its caption.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ContentView</name>
    <message>
        <source>Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add images from this computer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open a saved Tesserly project</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save an editable copy of this board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dimensions of the exported board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An unexpected error occurred.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportMenuButton</name>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImageImportError</name>
    <message>
        <source>Choose an image stored on this computer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image file is empty.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image is damaged or could not be decoded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use PNG, JPEG, HEIC, TIFF, GIF, or BMP. Animated images use their first frame.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InspectorSlider</name>
    <message>
        <source>%1 pixels</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InspectorView</name>
    <message>
        <source>Board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore the default layout and appearance. Images stay on the board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Layout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of columns</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image shape</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image fit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Appearance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Outer margin</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Corners</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Labels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image numbers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Captions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Caption size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Board title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optional title</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Title size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export width in pixels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fit keeps the entire image visible.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fill crops the image to match its cell.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use more columns or a smaller width to export this board.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG for sharing. PDF for printing.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PhotoKeyboard</name>
    <message>
        <source>Arrow keys select an image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 and %2 select an image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, %2 and %3 the first and last; %4 and %5 move it earlier or later; %6 or %7 removes it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PhotoStripView</name>
    <message>
        <source>Paste copied images (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move selected image earlier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move selected image later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove selected image from this board</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove selected image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add images above, or drop them onto the preview.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your images will appear here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drag to reorder</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PhotoThumbnail</name>
    <message>
        <source>Image %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Earlier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Move Later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove from Board</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PosixError</name>
    <message>
        <source>The operation couldn&apos;t be completed. (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The operation on &quot;%1&quot; couldn&apos;t be completed. (%2)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreviewEmptyState</name>
    <message>
        <source>Add Images…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste Images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bring your images together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drop images here to create a comparison sheet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Photos · Film stills · Design variations</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PreviewTile</name>
    <message>
        <source>Select %1. Drag to change its position.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtBoardPlatform</name>
    <message>
        <source>Tesserly Projects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TesserlyAppDelegate</name>
    <message>
        <source>Tesserly is finishing an operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait for the current import or export to finish, then quit again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
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
<context>
    <name>TesserlySettingsView</name>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Light</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tesserly Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>App appearance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A small, private contact-sheet maker.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
