#include "cli/RenderHelp.h"

#include "model/BoardLimits.h"
#include "model/ByteCount.h"
#include "store/BoardStore.h"

QString RenderHelp::usage()
{
    return QStringLiteral("Usage: tesserly render [OPTIONS] INPUT... -o OUTPUT\n"
                          "Try 'tesserly render --help' for more information.\n");
}

QString RenderHelp::text()
{
    return QStringLiteral(
        "Usage:\n"
        "  tesserly                          start the application with an empty board\n"
        "  tesserly FILE...                  start the application with FILE: the first .tesserly among\n"
        "                                    them opens; without one, the images are added to a new\n"
        "                                    board exactly as Add Images adds them\n"
        "  tesserly render [OPTIONS] INPUT... -o OUTPUT\n"
        "  tesserly render --help | tesserly --version\n"
        "\n"
        "Makes the same board the window exports, without a window or a display.\n"
        "\n"
        "INPUT   image files (PNG, JPEG, HEIC, TIFF, GIF, BMP) in board order, checked and\n"
        "        limited exactly as Add Images does (%1 images, %2 each, %3 in all);\n"
        "        or exactly one .tesserly project, whose photos, order, captions and settings\n"
        "        are used (the options below override its settings).\n"
        "OUTPUT  chosen by its extension, in any letter case: .png (PNG export, 144 DPI),\n"
        "        .pdf (one-page PDF export), .tesserly (project package); - writes the PNG\n"
        "        to standard output. An existing file is replaced in one step; an input\n"
        "        image is never overwritten.\n"
        "\n"
        "Options (--name=value and --name value both work; -- ends the options):\n"
        "  -o, --output OUTPUT          where to write the board (required)\n"
        "  --columns N                  columns, 1 to 6 (default 3)\n"
        "  --cell-aspect ASPECT         square|landscape|widescreen|portrait (default landscape)\n"
        "  --photo-fit FIT              fit|fill (default fit)\n"
        "  --background BACKGROUND      light|dark (default light)\n"
        "  --numbers, --no-numbers      show or hide the number badges (default shown)\n"
        "  --captions MODE              none|filename|custom (default filename)\n"
        "  --caption TEXT               custom caption of the next INPUT image, in order;\n"
        "                               repeat it; at most %4 characters each; without\n"
        "                               --captions it switches to custom captions. More\n"
        "                               captions than images is an error; images without\n"
        "                               one keep their own (the file name without extension,\n"
        "                               or the project's caption).\n"
        "  --title TEXT                 board title, at most 120 characters (default none)\n"
        "  --spacing X                  space between cells, 0 to 100 (default 24)\n"
        "  --padding X                  outer margin, 0 to 160 (default 48)\n"
        "  --corner-radius X            image corner radius, 0 to 60 (default 12)\n"
        "  --width N                    output width in pixels, 800 to 6000 (default 2400)\n"
        "  --caption-size X             caption font size, 16 to 60 (default 26)\n"
        "  --title-size X               title font size, 24 to 96 (default 48)\n"
        "  -h, --help                   show this help\n"
        "  --version                    show the version\n"
        "\n"
        "Sizes are in pixels of the PNG (half points in the PDF). N is a whole number and X\n"
        "any finite number; values outside a range are brought into it, as the window does.\n"
        "\n"
        "Standard output carries nothing but the PNG of -o -. Standard error gets one line\n"
        "per refused input, with the window's texts, then any error.\n"
        "\n"
        "Exit status: 0 written; 3 written, but some inputs were refused; 1 nothing\n"
        "written; 2 usage error.\n")
        .arg(QString::number(BoardLimits::maxPhotos), ByteCount::text(BoardLimits::maxSourceFileBytes),
            ByteCount::text(BoardLimits::maxTotalSourceBytes),
            QString::number(BoardStore::maximumTypedCaptionCharacters));
}
