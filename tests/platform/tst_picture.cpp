#include "platform/PictureFile.h"

#include <QBuffer>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

namespace {

const QString kSuiteDir = QStringLiteral(VLM_BMPSUITE_DIR);

// A BITMAPINFOHEADER file built byte by byte, independent of the program's writer.
struct FixtureBitmap {
    int width = 4;
    int height = 3;
    int bitsPerPixel = 8;
    QList<QRgb> palette;
    QByteArray pixels; // as stored: rows bottom-up, padded, or run-length data
    quint32 compression = 0;
    quint32 clrImportant = 0;
};

QByteArray bitmapFile(const FixtureBitmap& bitmap) {
    QByteArray data;
    QDataStream out(&data, QIODevice::WriteOnly);
    out.setByteOrder(QDataStream::LittleEndian);
    const auto offset = quint32(54 + 4 * bitmap.palette.size());
    out.writeRawData("BM", 2);
    out << quint32(offset + bitmap.pixels.size()) << quint32(0) << offset;
    out << quint32(40) << qint32(bitmap.width) << qint32(bitmap.height) << quint16(1)
        << quint16(bitmap.bitsPerPixel);
    out << bitmap.compression << quint32(bitmap.pixels.size()) << qint32(0) << qint32(0)
        << quint32(bitmap.palette.size()) << bitmap.clrImportant;
    for (const QRgb colour : bitmap.palette)
        out << quint8(qBlue(colour)) << quint8(qGreen(colour)) << quint8(qRed(colour)) << quint8(0);
    out.writeRawData(bitmap.pixels.constData(), int(bitmap.pixels.size()));
    return data;
}

QList<QRgb> samplePalette(int count) {
    QList<QRgb> palette;
    for (int i = 0; i < count; ++i)
        palette.append(qRgb(i * 255 / std::max(count - 1, 1), i, 255 - i));
    return palette;
}

// The 320 x 400 256-colour screen every action screen is.
QByteArray screenFile(quint32 clrImportant) {
    FixtureBitmap bitmap{320, 400, 8, samplePalette(256), {}, 0, clrImportant};
    for (int i = 0; i < 320 * 400; ++i)
        bitmap.pixels.append(char((i % 320 + 3 * (i / 320)) % 256));
    return bitmapFile(bitmap);
}

QByteArray smallBitmap() {
    return bitmapFile({4, 3, 8, samplePalette(4), QByteArray(12, '\1'), 0, 0});
}

QByteArray withField(QByteArray data, int offset, qint64 value, int size = 4) {
    for (int i = 0; i < size; ++i)
        data[offset + i] = char(value >> (8 * i));
    return data;
}

quint32 field(const QByteArray& data, int offset, int size = 4) {
    quint32 value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | quint8(data[offset + i]);
    return value;
}

QImage indexedImage(const QByteArrayList& rows, const QList<QRgb>& palette) {
    QImage image(int(rows.first().size()), int(rows.size()), QImage::Format_Indexed8);
    image.setColorTable(palette);
    for (int y = 0; y < image.height(); ++y)
        std::copy(rows[y].begin(), rows[y].end(), image.scanLine(y));
    return image;
}

QByteArrayList indexRows(const QImage& image) {
    QByteArrayList rows;
    for (int y = 0; y < image.height(); ++y)
        rows.append(QByteArray(reinterpret_cast<const char*>(image.constScanLine(y)), image.width()));
    return rows;
}

QByteArray readFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& data) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// Where two images differ by more than `tolerance` in a channel of their visible
// (premultiplied) colour; empty when they do not.
QString firstDifference(const QImage& actual, const QImage& expected, int tolerance = 0) {
    if (actual.size() != expected.size())
        return QStringLiteral("size %1x%2, expected %3x%4")
            .arg(actual.width())
            .arg(actual.height())
            .arg(expected.width())
            .arg(expected.height());
    const QImage a = actual.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage e = expected.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = e.pixel(x, y);
            const int difference = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                             std::abs(qBlue(p) - qBlue(q))});
            if (difference > tolerance)
                return QStringLiteral("pixel (%1,%2) is #%3, expected #%4")
                    .arg(x)
                    .arg(y)
                    .arg(p, 8, 16, QLatin1Char('0'))
                    .arg(q, 8, 16, QLatin1Char('0'));
        }
    }
    return {};
}

bool hasSuite() {
    return QFileInfo(kSuiteDir).isDir();
}

// Pairs of "g/pal8.bmp" and its reference image path from the suite's map. Missing
// run-length pixels decode as index 0, so a "-0" reference is preferred where there is one.
QList<std::pair<QString, QString>> suiteReferences(const QString& folder) {
    QList<std::pair<QString, QString>> pairs;
    const auto lines =
        QString::fromUtf8(readFile(kSuiteDir + QStringLiteral("/reference-map.txt"))).split(u'\n');
    for (const QString& line : lines) {
        const QStringList parts = line.split(u' ', Qt::SkipEmptyParts);
        if (parts.size() != 2 || !parts[0].startsWith(folder + u'/'))
            continue;
        QString reference = parts[1];
        const QString indexZero =
            QString(reference).replace(QStringLiteral(".png"), QStringLiteral("-0.png"));
        if (QFile::exists(kSuiteDir + u'/' + indexZero))
            reference = indexZero;
        pairs.append({parts[0], reference});
    }
    return pairs;
}

// Fills freed heap memory with a pattern, so that a decoder that leaves pixels
// unwritten shows it on the next decode.
void scribbleFreedMemory(qsizetype bytes) {
    const QByteArray junk(bytes, '\x5a');
}

} // namespace

class TestPicture : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void goodSuiteFilesMatchReferences_data();
    void goodSuiteFilesMatchReferences();
    void questionableSuiteFilesMatchReferencesOrAreRefused_data();
    void questionableSuiteFilesMatchReferencesOrAreRefused();
    void damagedSuiteFilesDecodeTheSameTwiceOrAreRefused_data();
    void damagedSuiteFilesDecodeTheSameTwiceOrAreRefused();
    void missingPixelsBecomeIndexZero_data();
    void missingPixelsBecomeIndexZero();
    void hostileHeadersAreRefused_data();
    void hostileHeadersAreRefused();

    void bitmapsRoundTripByteForByte_data();
    void bitmapsRoundTripByteForByte();
    void paletteAndPixelsFollowTheOffsets_data();
    void paletteAndPixelsFollowTheOffsets();
    void savingKeepsDepthPaletteAndIndices_data();
    void savingKeepsDepthPaletteAndIndices();
    void trueColourSavesAs24BitExactly();
    void clrImportantIsWrittenBack_data();
    void clrImportantIsWrittenBack();
    void emptyPictureSavesNothing();

    void stretchKeepsPaletteAndIndices_data();
    void stretchKeepsPaletteAndIndices();
    void stretchTrueColourIsSmooth();
    void picturesShareByValue();

    void loadReportsWhatWentWrong_data();
    void loadReportsWhatWentWrong();
    void otherFormatsLoadByContent_data();
    void otherFormatsLoadByContent();
};

void TestPicture::goodSuiteFilesMatchReferences_data() {
    if (!hasSuite())
        QSKIP(qPrintable(QStringLiteral("BMP Suite not found at ") + kSuiteDir));
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reference");
    const auto pairs = suiteReferences(QStringLiteral("g"));
    for (const auto& [file, reference] : pairs)
        QTest::newRow(qPrintable(file)) << file << reference;
}

void TestPicture::goodSuiteFilesMatchReferences() {
    QFETCH(QString, file);
    QFETCH(QString, reference);
    const PictureLoad load = PictureFile::load(kSuiteDir + u'/' + file);
    QVERIFY(load.ok());
    const QImage expected(kSuiteDir + u'/' + reference);
    QVERIFY(!expected.isNull());
    QCOMPARE(firstDifference(load.picture.image(), expected), QString());
}

void TestPicture::questionableSuiteFilesMatchReferencesOrAreRefused_data() {
    if (!hasSuite())
        QSKIP(qPrintable(QStringLiteral("BMP Suite not found at ") + kSuiteDir));
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<bool>("decodes");
    QTest::addColumn<int>("tolerance");
    // Encodings this program does not read: Huffman, embedded JPEG and PNG, 64-bit.
    const QStringList refused{QStringLiteral("q/pal1huffmsb.bmp"), QStringLiteral("q/rgb24jpeg.bmp"),
                              QStringLiteral("q/rgb24png.bmp"), QStringLiteral("q/rgba64.bmp")};
    const auto pairs = suiteReferences(QStringLiteral("q"));
    for (const auto& [file, reference] : pairs) {
        // Its colours are only right through its ICC profile, which is not applied.
        if (file == QStringLiteral("q/rgb24prof2.bmp"))
            continue;
        // Channels wider than 8 bits: the reference rounds one level differently.
        const int tolerance = file == QStringLiteral("q/rgb32-111110.bmp") ? 1 : 0;
        QTest::newRow(qPrintable(file)) << file << reference << !refused.contains(file) << tolerance;
    }
}

void TestPicture::questionableSuiteFilesMatchReferencesOrAreRefused() {
    QFETCH(QString, file);
    QFETCH(QString, reference);
    QFETCH(bool, decodes);
    QFETCH(int, tolerance);
    const PictureLoad load = PictureFile::load(kSuiteDir + u'/' + file);
    if (!decodes) {
        QCOMPARE(load.error, PictureError::NotAPicture);
        return;
    }
    QVERIFY(load.ok());
    QCOMPARE(firstDifference(load.picture.image(), QImage(kSuiteDir + u'/' + reference), tolerance),
             QString());
}

void TestPicture::damagedSuiteFilesDecodeTheSameTwiceOrAreRefused_data() {
    if (!hasSuite())
        QSKIP(qPrintable(QStringLiteral("BMP Suite not found at ") + kSuiteDir));
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("mustRefuse");
    // Headers that describe no possible image, one of them 3000000 x 2000000 pixels.
    const QStringList impossible{QStringLiteral("b/badbitcount.bmp"), QStringLiteral("b/badheadersize.bmp"),
                                 QStringLiteral("b/badplanes.bmp"),   QStringLiteral("b/badwidth.bmp"),
                                 QStringLiteral("b/reallybig.bmp"),   QStringLiteral("x/ba-bm.bmp")};
    for (const QString& folder : {QStringLiteral("b"), QStringLiteral("q"), QStringLiteral("x")}) {
        const QStringList names = QDir(kSuiteDir + u'/' + folder).entryList(QDir::Files, QDir::Name);
        for (const QString& name : names) {
            const QString file = folder + u'/' + name;
            QTest::newRow(qPrintable(file)) << file << impossible.contains(file);
        }
    }
}

void TestPicture::damagedSuiteFilesDecodeTheSameTwiceOrAreRefused() {
    QFETCH(QString, file);
    QFETCH(bool, mustRefuse);
    const QByteArray data = readFile(kSuiteDir + u'/' + file);
    QVERIFY(!data.isEmpty());
    const PictureLoad first = PictureFile::decode(data);
    scribbleFreedMemory(first.picture.image().sizeInBytes() + 1);
    const PictureLoad second = PictureFile::decode(data);
    QCOMPARE(first.error, second.error);
    if (mustRefuse)
        QCOMPARE(first.error, PictureError::NotAPicture);
    QVERIFY(first.picture.image() == second.picture.image());
    const QImage& image = first.picture.image();
    if (image.format() == QImage::Format_Indexed8) {
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                QVERIFY(image.pixelIndex(x, y) < image.colorCount());
    }
}

void TestPicture::missingPixelsBecomeIndexZero_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArrayList>("expected"); // indices, top row first

    const auto rows = [](std::initializer_list<const char*> list) {
        QByteArrayList result;
        for (const char* row : list)
            result.append(QByteArray::fromHex(row));
        return result;
    };
    const auto rle8 = [](const char* hex) {
        return bitmapFile({4, 3, 8, samplePalette(4), QByteArray::fromHex(hex), 1, 0});
    };
    const auto rle4 = [](const char* hex) {
        return bitmapFile({4, 3, 4, samplePalette(16), QByteArray::fromHex(hex), 2, 0});
    };
    const auto uncompressed = [](const char* hex) {
        return bitmapFile({4, 3, 8, samplePalette(4), QByteArray::fromHex(hex), 0, 0});
    };

    QTest::newRow("complete") << uncompressed("010101010202020203030303")
                              << rows({"03030303", "02020202", "01010101"});
    QTest::newRow("last row missing")
        << uncompressed("0101010102020202") << rows({"00000000", "02020202", "01010101"});
    QTest::newRow("file ends inside a row")
        << uncompressed("010101010202") << rows({"00000000", "02020000", "01010101"});
    QTest::newRow("no pixel data after the palette byte")
        << uncompressed("01") << rows({"00000000", "00000000", "01000000"});
    QTest::newRow("RLE8 ends the bitmap early")
        << rle8("040300000001") << rows({"00000000", "00000000", "03030303"});
    QTest::newRow("RLE8 data just stops") << rle8("0403") << rows({"00000000", "00000000", "03030303"});
    QTest::newRow("RLE8 delta skips pixels")
        << rle8("02010002010101020001") << rows({"00000000", "00000002", "01010000"});
    QTest::newRow("RLE8 run past the row end is clipped")
        << rle8("0602000002030001") << rows({"00000000", "03030000", "02020202"});
    QTest::newRow("RLE8 delta past the bottom ends it")
        << rle8("01010002000901020001") << rows({"00000000", "00000000", "01000000"});
    QTest::newRow("RLE8 literal cut by the end of the file")
        << rle8("00040102") << rows({"00000000", "00000000", "01020000"});
    QTest::newRow("RLE4 run and cut literal")
        << rle4("04120000000434") << rows({"00000000", "03040000", "01020102"});
    QTest::newRow("index past the palette reads as black")
        << uncompressed("09000000") << rows({"00000000", "00000000", "09000000"});
}

void TestPicture::missingPixelsBecomeIndexZero() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArrayList, expected);
    const PictureLoad load = PictureFile::decode(file);
    QVERIFY(load.ok());
    const QImage& image = load.picture.image();
    QCOMPARE(image.format(), QImage::Format_Indexed8);
    QCOMPARE(indexRows(image), expected);
    const int paletteSize = int(field(file, 46));
    for (int index = paletteSize; index < image.colorCount(); ++index)
        QCOMPARE(image.color(index), qRgb(0, 0, 0));
    for (const QByteArray& row : expected)
        for (const char index : row)
            QVERIFY(quint8(index) < image.colorCount());
}

void TestPicture::hostileHeadersAreRefused_data() {
    QTest::addColumn<QByteArray>("file");
    const QByteArray valid = smallBitmap();
    QVERIFY(PictureFile::decode(valid).ok());

    QTest::newRow("only the file header") << valid.left(20);
    QTest::newRow("header size 0") << withField(valid, 14, 0);
    QTest::newRow("header size 66") << withField(valid, 14, 66);
    QTest::newRow("header larger than the file") << withField(valid, 14, 124);
    QTest::newRow("zero width") << withField(valid, 18, 0);
    QTest::newRow("negative width") << withField(valid, 18, -4);
    QTest::newRow("zero height") << withField(valid, 22, 0);
    QTest::newRow("two planes") << withField(valid, 26, 2, 2);
    QTest::newRow("3 bits per pixel") << withField(valid, 28, 3, 2);
    QTest::newRow("unknown compression") << withField(valid, 30, 9);
    QTest::newRow("RLE4 on 8 bits") << withField(valid, 30, 2);
    QTest::newRow("bit fields on 8 bits") << withField(valid, 30, 3);
    QTest::newRow("embedded JPEG") << withField(valid, 30, 4);
    QTest::newRow("top-down RLE8") << withField(withField(valid, 30, 1), 22, -3);
    QTest::newRow("pixels past the end of the file") << withField(valid, 10, valid.size() + 100);
    QTest::newRow("pixels inside the header") << withField(valid, 10, 20);
    QTest::newRow("60000 x 60000 pixels") << withField(withField(valid, 18, 60000), 22, 60000);
    QTest::newRow("2^31-1 x 1 pixels") << withField(withField(valid, 18, 0x7fffffff), 22, 1);
    QTest::newRow("1 x -2^31 pixels") << withField(withField(valid, 18, 1), 22, -0x80000000LL);
}

void TestPicture::hostileHeadersAreRefused() {
    QFETCH(QByteArray, file);
    QCOMPARE(PictureFile::decode(file).error, PictureError::NotAPicture);
}

void TestPicture::bitmapsRoundTripByteForByte_data() {
    QTest::addColumn<QByteArray>("file");
    const QList<QRgb> whiteFirst{qRgb(255, 255, 255), qRgb(0, 0, 0)};
    QTest::newRow("320 x 400 screen, 256 colours") << screenFile(236);
    QTest::newRow("8-bit, 2 colours")
        << bitmapFile({3, 1, 8, whiteFirst, QByteArray::fromHex("01000100"), 0, 1});
    QTest::newRow("4-bit, 16 colours")
        << bitmapFile({5, 2, 4, samplePalette(16), QByteArray::fromHex("01234000fedcb000"), 0, 0});
    QTest::newRow("1-bit, white before black")
        << bitmapFile({9, 2, 1, whiteFirst, QByteArray::fromHex("a58000007f800000"), 0, 0});
    const QByteArray bgrRows = QByteArray::fromHex("010203040506070809000000a0b0c0d0e0f0102030000000");
    QTest::newRow("24-bit, rows padded") << bitmapFile({3, 2, 24, {}, bgrRows, 0, 0});
}

void TestPicture::bitmapsRoundTripByteForByte() {
    QFETCH(QByteArray, file);
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("LOGO.SYS"));
    QVERIFY(writeFile(path, file));
    const PictureLoad load = PictureFile::load(path);
    QVERIFY(load.ok());
    QCOMPARE(load.picture.image().colorCount(), int(field(file, 46)));
    QCOMPARE(PictureFile::encodeBmp(load.picture), file);
}

void TestPicture::paletteAndPixelsFollowTheOffsets_data() {
    QTest::addColumn<QByteArray>("file");
    const QByteArray twoEntries =
        bitmapFile({4, 1, 8, samplePalette(2), QByteArray::fromHex("00010100"), 0, 0});
    QTest::newRow("header claims more entries than fit") << withField(twoEntries, 46, 4);
    QByteArray gap = withField(twoEntries, 10, field(twoEntries, 10) + 8);
    gap.insert(field(twoEntries, 10), QByteArray::fromHex("0203040506070809"));
    QTest::newRow("gap between palette and pixels") << gap;
}

void TestPicture::paletteAndPixelsFollowTheOffsets() {
    QFETCH(QByteArray, file);
    const PictureLoad load = PictureFile::decode(file);
    QVERIFY(load.ok());
    QCOMPARE(load.picture.image().colorTable(), samplePalette(2));
    QCOMPARE(indexRows(load.picture.image()), QByteArrayList{QByteArray::fromHex("00010100")});
}

void TestPicture::savingKeepsDepthPaletteAndIndices_data() {
    QTest::addColumn<QImage>("image");
    QTest::addColumn<int>("requestedDepth"); // 0: from the image
    QTest::addColumn<int>("savedDepth");

    const auto pattern = [](int colours, int width = 9) {
        QByteArrayList rows;
        for (int y = 0; y < 5; ++y) {
            QByteArray row;
            for (int x = 0; x < width; ++x)
                row.append(char((x * 7 + y * 3) % colours));
            rows.append(row);
        }
        return indexedImage(rows, samplePalette(colours));
    };
    const QList<QRgb> whiteFirst{qRgb(255, 255, 255), qRgb(0, 0, 0)};
    const QImage whiteBlack =
        indexedImage({QByteArray::fromHex("000101000100010001"), QByteArray(9, '\1')}, whiteFirst);

    QTest::newRow("8-bit, 2 colours") << pattern(2) << 0 << 8;
    QTest::newRow("8-bit, 16 colours") << pattern(16) << 0 << 8;
    QTest::newRow("8-bit, 17 colours") << pattern(17) << 8 << 8;
    QTest::newRow("8-bit, 256 colours") << pattern(256, 37) << 8 << 8;
    QTest::newRow("4-bit, 16 colours") << pattern(16, 11) << 4 << 4;
    QTest::newRow("4-bit asked, 17 colours") << pattern(17) << 4 << 8;
    QTest::newRow("1-bit, white before black") << whiteBlack << 1 << 1;
    QTest::newRow("1-bit image of Qt's own format")
        << whiteBlack.convertToFormat(QImage::Format_Mono, whiteFirst) << 0 << 1;
}

void TestPicture::savingKeepsDepthPaletteAndIndices() {
    QFETCH(QImage, image);
    QFETCH(int, requestedDepth);
    QFETCH(int, savedDepth);
    const QByteArray file = PictureFile::encodeBmp(Picture(image, std::nullopt, requestedDepth));
    QCOMPARE(int(field(file, 28, 2)), savedDepth);
    QCOMPARE(field(file, 30), 0u); // uncompressed
    QCOMPARE(int(field(file, 46)), image.colorCount());
    QCOMPARE(int(field(file, 10)), 54 + 4 * image.colorCount());
    for (int i = 0; i < image.colorCount(); ++i)
        QCOMPARE(field(file, 54 + 4 * i), image.color(i) & 0xffffffu);

    const PictureLoad load = PictureFile::decode(file);
    QVERIFY(load.ok());
    QCOMPARE(load.picture.bitsPerPixel(), savedDepth);
    QCOMPARE(load.picture.image().colorTable(), image.colorTable());
    QCOMPARE(indexRows(load.picture.image()), indexRows(image.convertToFormat(QImage::Format_Indexed8)));
}

void TestPicture::trueColourSavesAs24BitExactly() {
    QImage image(5, 3, QImage::Format_RGB32); // 15 bytes a row: one byte of padding
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(x * 50 + 1, y * 100 + 2, (x * y * 37 + 3) % 256));
    const Picture picture(image);
    QCOMPARE(picture.bitsPerPixel(), 24);
    const QByteArray file = PictureFile::encodeBmp(picture);
    QCOMPARE(int(field(file, 28, 2)), 24);
    QCOMPARE(field(file, 46), 0u);
    QCOMPARE(file.size(), 54 + 3 * 16);
    const PictureLoad load = PictureFile::decode(file);
    QVERIFY(load.ok());
    QCOMPARE(load.picture.image().convertToFormat(QImage::Format_RGB32), image);
}

void TestPicture::clrImportantIsWrittenBack_data() {
    QTest::addColumn<Picture>("picture");
    QTest::addColumn<quint32>("written");
    const Picture animated = PictureFile::decode(screenFile(236)).picture;
    QTest::newRow("loaded with 236") << animated << 236u;
    QTest::newRow("loaded with 0") << PictureFile::decode(screenFile(0)).picture << 0u;
    QTest::newRow("loaded with 0x12345678")
        << PictureFile::decode(screenFile(0x12345678)).picture << 0x12345678u;
    QTest::newRow("stretched") << animated.stretched(QSize(64, 80)) << 236u;
    QTest::newRow("not from a bitmap") << Picture(animated.image()) << 0u;
}

void TestPicture::clrImportantIsWrittenBack() {
    QFETCH(Picture, picture);
    QFETCH(quint32, written);
    QVERIFY(!picture.isEmpty());
    QCOMPARE(field(PictureFile::encodeBmp(picture), 0x32), written);
}

void TestPicture::emptyPictureSavesNothing() {
    const Picture empty;
    QVERIFY(empty.isEmpty());
    QVERIFY(PictureFile::encodeBmp(empty).isEmpty());
    QVERIFY(empty.stretched(QSize(320, 400)).isEmpty());
    QVERIFY(Picture(QImage(), 236u).isEmpty());
    const Picture screen = PictureFile::decode(screenFile(0)).picture;
    QVERIFY(screen.stretched(QSize(0, 400)).isEmpty());
}

void TestPicture::stretchKeepsPaletteAndIndices_data() {
    QTest::addColumn<QByteArrayList>("source");
    QTest::addColumn<int>("depth");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QByteArrayList>("expected");
    const auto hex = [](std::initializer_list<const char*> list) {
        QByteArrayList rows;
        for (const char* row : list)
            rows.append(QByteArray::fromHex(row));
        return rows;
    };
    QTest::newRow("doubled") << hex({"0001", "0200"}) << 8 << QSize(4, 4)
                             << hex({"00000101", "00000101", "02020000", "02020000"});
    QTest::newRow("stretched one way")
        << hex({"0102"}) << 8 << QSize(6, 2) << hex({"010101020202", "010101020202"});
    QTest::newRow("halved, centres sampled")
        << hex({"00010203", "04050607", "08090a0b", "0c0d0e0f"}) << 8 << QSize(2, 2) << hex({"0507", "0d0f"});
    QTest::newRow("1-bit stays 1-bit") << hex({"0001"}) << 1 << QSize(4, 1) << hex({"00000101"});
}

void TestPicture::stretchKeepsPaletteAndIndices() {
    QFETCH(QByteArrayList, source);
    QFETCH(int, depth);
    QFETCH(QSize, size);
    QFETCH(QByteArrayList, expected);
    const QList<QRgb> palette = samplePalette(depth == 1 ? 2 : 17); // more entries than used
    const Picture stretched = Picture(indexedImage(source, palette), 20u, depth).stretched(size);
    QCOMPARE(stretched.size(), size);
    QCOMPARE(stretched.image().format(), QImage::Format_Indexed8);
    QCOMPARE(stretched.image().colorTable(), palette);
    QCOMPARE(indexRows(stretched.image()), expected);
    QCOMPARE(stretched.bitsPerPixel(), depth);
    QCOMPARE(stretched.clrImportant(), std::optional<quint32>(20));
}

void TestPicture::stretchTrueColourIsSmooth() {
    QImage image(2, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, qRgb(0, 0, 0));
    image.setPixel(1, 0, qRgb(200, 200, 200));
    const Picture stretched = Picture(image).stretched(QSize(8, 3));
    QCOMPARE(stretched.size(), QSize(8, 3));
    QCOMPARE(stretched.bitsPerPixel(), 24);
    const int middle = qRed(stretched.image().pixel(4, 1));
    QVERIFY2(middle > 0 && middle < 200, qPrintable(QString::number(middle)));
}

void TestPicture::picturesShareByValue() {
    const QByteArray file = screenFile(236);
    const Picture first = PictureFile::decode(file).picture;
    const Picture copy = first;
    QVERIFY(copy.isSameAs(first));
    QVERIFY(Picture(first.image(), 5u).isSameAs(first));
    QVERIFY(!PictureFile::decode(file).picture.isSameAs(first));
    QVERIFY(!first.stretched(first.size()).isSameAs(first));

    QImage changed = copy.image();
    changed.setPixel(0, 0, 1);
    QVERIFY(!Picture(changed).isSameAs(first));
    QCOMPARE(first.image().pixelIndex(0, 0), 3 * 399 % 256); // the first file row is the bottom one
    QVERIFY(Picture().isSameAs(Picture()));
}

void TestPicture::loadReportsWhatWentWrong_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("error");
    QTest::newRow("a bitmap") << QStringLiteral("screen.bmp") << int(PictureError::None);
    QTest::newRow("no such file") << QStringLiteral("missing.bmp") << int(PictureError::NotFound);
    QTest::newRow("no such folder") << QStringLiteral("nowhere/screen.bmp") << int(PictureError::NotFound);
    QTest::newRow("empty path") << QString() << int(PictureError::NotFound);
    QTest::newRow("a folder") << QStringLiteral("folder") << int(PictureError::Unreadable);
    QTest::newRow("a named pipe, never opened") << QStringLiteral("pipe") << int(PictureError::Unreadable);
    QTest::newRow("text") << QStringLiteral("readme.txt") << int(PictureError::NotAPicture);
    QTest::newRow("empty file") << QStringLiteral("empty.bmp") << int(PictureError::NotAPicture);
    QTest::newRow("only a bitmap's headers")
        << QStringLiteral("headers.bmp") << int(PictureError::NotAPicture);
    QTest::newRow("larger than any picture") << QStringLiteral("huge.bmp") << int(PictureError::NotAPicture);
}

void TestPicture::loadReportsWhatWentWrong() {
    QFETCH(QString, name);
    QFETCH(int, error);
    const QTemporaryDir dir;
    QVERIFY(writeFile(dir.filePath(QStringLiteral("screen.bmp")), screenFile(0)));
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder")));
    QCOMPARE(::mkfifo(QFile::encodeName(dir.filePath(QStringLiteral("pipe"))).constData(), 0600), 0);
    QVERIFY(writeFile(dir.filePath(QStringLiteral("readme.txt")), "BMP files are pictures.\n"));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("empty.bmp")), {}));
    QVERIFY(writeFile(dir.filePath(QStringLiteral("headers.bmp")), screenFile(0).left(54)));
    QFile huge(dir.filePath(QStringLiteral("huge.bmp")));
    QVERIFY(huge.open(QIODevice::WriteOnly) && huge.write(screenFile(0)) > 0 &&
            huge.resize(qint64(300) << 20));
    huge.close();

    const PictureLoad load = PictureFile::load(name.isEmpty() ? name : dir.filePath(name));
    QCOMPARE(int(load.error), error);
    QCOMPARE(load.picture.isEmpty(), !load.ok());
}

void TestPicture::otherFormatsLoadByContent_data() {
    QTest::addColumn<QImage>("image");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<int>("depth");
    QImage palettized(7, 3, QImage::Format_Indexed8);
    palettized.setColorTable(samplePalette(5));
    for (int i = 0; i < 21; ++i)
        palettized.setPixel(i % 7, i / 7, uint(i % 5));
    QImage trueColour(4, 4, QImage::Format_RGB32);
    for (int i = 0; i < 16; ++i)
        trueColour.setPixel(i % 4, i / 4, qRgb(i * 16, 255 - i, i * 3));
    const QImage mono = palettized.convertToFormat(QImage::Format_Mono, {qRgb(0, 0, 255), qRgb(255, 255, 0)});

    QTest::newRow("palettized PNG") << palettized << QByteArray("PNG") << 8;
    QTest::newRow("true-colour PNG") << trueColour << QByteArray("PNG") << 24;
    QTest::newRow("1-bit PNG") << mono << QByteArray("PNG") << 1;
    QTest::newRow("PPM") << trueColour << QByteArray("PPM") << 24;
}

void TestPicture::otherFormatsLoadByContent() {
    QFETCH(QImage, image);
    QFETCH(QByteArray, format);
    QFETCH(int, depth);
    QByteArray data;
    QBuffer buffer(&data);
    QVERIFY(buffer.open(QIODevice::WriteOnly) && image.save(&buffer, format.constData()));
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("named-like-a.bmp"));
    QVERIFY(writeFile(path, data));

    const PictureLoad load = PictureFile::load(path);
    QVERIFY(load.ok());
    QCOMPARE(load.picture.bitsPerPixel(), depth);
    QVERIFY(!load.picture.clrImportant().has_value());
    if (depth <= 8) {
        QCOMPARE(load.picture.image().format(), QImage::Format_Indexed8);
        QCOMPARE(load.picture.image().colorTable(), image.colorTable());
        QCOMPARE(indexRows(load.picture.image()), indexRows(image.convertToFormat(QImage::Format_Indexed8)));
    }
    QCOMPARE(firstDifference(load.picture.image(), image), QString());
}

QTEST_MAIN(TestPicture)
#include "tst_picture.moc"
