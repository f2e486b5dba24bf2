#pragma once

// The benchmark photographs, shared by every benchmark: sixty photograph-like 4000 × 3000 JPEGs
// and one 10000 × 10000 PNG. They are made once and cached outside the repository in
// ~/.cache/tesserly-bench/ as photo-01.jpg … photo-60.jpg and large.png. `make bench` runs
// scripts/bench.sh, which makes missing photos first, with ImageMagick and all upright, so that
// every tool it compares reads the same files. Photos made here instead (a benchmark run on its
// own) store every fourth one sideways with EXIF orientation 6, as a camera held upright does.

#include <cstdio>
#include <png.h>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QRadialGradient>
#include <QString>
#include <random>
#include <vector>

class BenchPhotos
{
public:
    static constexpr int photoCount = 60;
    static constexpr QSize photoSize { 4000, 3000 };
    static constexpr int largeSide = 10000;

    static QString folder() { return QDir::home().filePath(QStringLiteral(".cache/tesserly-bench")); }
    static QString photoPath(int index)
    {
        return QDir(folder()).filePath(QStringLiteral("photo-%1.jpg").arg(index, 2, 10, QLatin1Char('0')));
    }
    static QString largePngPath() { return QDir(folder()).filePath(QStringLiteral("large.png")); }

    // Makes whatever is missing; false when something could not be written.
    static bool ensure()
    {
        if (!QDir().mkpath(folder())) {
            return false;
        }
        for (int index = 1; index <= photoCount; ++index) {
            if (QFile::exists(photoPath(index))) {
                continue;
            }
            std::fprintf(stderr, "making %s\n", qPrintable(photoPath(index)));
            if (!writeAtomically(photoPath(index), jpeg(index))) {
                return false;
            }
        }
        if (!QFile::exists(largePngPath())) {
            std::fprintf(stderr, "making %s\n", qPrintable(largePngPath()));
            if (!writeAtomically(largePngPath(), largePng())) {
                return false;
            }
        }
        return true;
    }

    // Sky, ground, blurred shapes and sensor-like noise: compresses like a real photograph
    // (about 2 to 4 MB at quality 88).
    static QImage photograph(int index)
    {
        QImage image(photoSize, QImage::Format_RGB32);
        std::minstd_rand random(quint32(index) * 7919u);
        QPainter painter(&image);
        QLinearGradient sky(0, 0, 0, photoSize.height());
        sky.setColorAt(0, QColor::fromHsv(int(random() % 360), 120, 230));
        sky.setColorAt(0.55, QColor::fromHsv(int(random() % 360), 60, 250));
        sky.setColorAt(0.56, QColor::fromHsv(int(random() % 360), 150, 120));
        sky.setColorAt(1, QColor::fromHsv(int(random() % 360), 180, 60));
        painter.fillRect(image.rect(), sky);
        painter.setPen(Qt::NoPen);
        painter.setRenderHint(QPainter::Antialiasing);
        for (int shape = 0; shape < 60; ++shape) {
            const QPointF centre(random() % 4000, random() % 3000);
            const qreal radius = 40 + random() % 600;
            QRadialGradient blob(centre, radius);
            blob.setColorAt(
                0, QColor::fromHsv(int(random() % 360), int(random() % 256), int(random() % 256), 220));
            blob.setColorAt(1, Qt::transparent);
            painter.setBrush(blob);
            painter.drawEllipse(centre, radius, radius * (0.5 + double(random() % 100) / 100.0));
        }
        painter.end();
        for (int y = 0; y < image.height(); ++y) {
            auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int noise = int(random() % 13) - 6;
                const QRgb pixel = row[x];
                row[x] = qRgb(std::clamp(qRed(pixel) + noise, 0, 255),
                    std::clamp(qGreen(pixel) + noise, 0, 255), std::clamp(qBlue(pixel) + noise, 0, 255));
            }
        }
        return image;
    }

    static QByteArray jpeg(int index)
    {
        const bool sideways = index % 4 == 0;
        QImage picture = photograph(index);
        if (sideways) {
            // What a camera held upright stores: the scene turned a quarter anticlockwise.
            picture = picture.transformed(QTransform().rotate(-90));
        }
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, "jpeg");
        writer.setQuality(88);
        if (!writer.write(picture)) {
            return {};
        }
        if (sideways) {
            bytes.insert(2, exifOrientationSix());
        }
        return bytes;
    }

    // Smooth bands and gradients, written row by row so that making it needs little memory;
    // it stays well inside the 64 MB file limit.
    static QByteArray largePng()
    {
        QByteArray bytes;
        png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
        png_infop info = png_create_info_struct(png);
        if (setjmp(png_jmpbuf(png))) {
            png_destroy_write_struct(&png, &info);
            return {};
        }
        png_set_write_fn(png, &bytes, appendToByteArray, nullptr);
        png_set_IHDR(png, info, largeSide, largeSide, 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
            PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        std::vector<png_byte> row(std::size_t(largeSide) * 3);
        for (int y = 0; y < largeSide; ++y) {
            for (int x = 0; x < largeSide; ++x) {
                row[std::size_t(x) * 3] = png_byte(x * 255 / largeSide);
                row[std::size_t(x) * 3 + 1] = png_byte(y * 255 / largeSide);
                row[std::size_t(x) * 3 + 2] = png_byte(((x / 500 + y / 500) % 2) ? 200 : 40);
            }
            png_write_row(png, row.data());
        }
        png_write_end(png, info);
        png_destroy_write_struct(&png, &info);
        return bytes;
    }

private:
    static void appendToByteArray(png_structp png, png_bytep data, png_size_t length)
    {
        static_cast<QByteArray*>(png_get_io_ptr(png))
            ->append(reinterpret_cast<const char*>(data), qsizetype(length));
    }

    static QByteArray exifOrientationSix()
    {
        // APP1 "Exif": a little-endian TIFF block whose IFD0 holds only the orientation.
        return QByteArray::fromHex("ffe10022"
                                   "457869660000"
                                   "49492a0008000000"
                                   "0100"
                                   "120103000100000006000000"
                                   "00000000");
    }

    static bool writeAtomically(const QString& path, const QByteArray& bytes)
    {
        if (bytes.isEmpty()) {
            return false;
        }
        const QString partial = path + QStringLiteral(".partial");
        QFile file(partial);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
            return false;
        }
        file.close();
        QFile::remove(path);
        return QFile::rename(partial, path);
    }
};
