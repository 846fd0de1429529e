#include "platform/Twips.h"

#include <QTest>

class TestTwips : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void toPixels_data();
    void toPixels();
};

void TestTwips::toPixels_data() {
    QTest::addColumn<int>("twips");
    QTest::addColumn<int>("pixels");
    QTest::newRow("zero") << 0 << 0;
    QTest::newRow("one pixel") << 15 << 1;
    QTest::newRow("rounds down below half") << 22 << 1;
    QTest::newRow("rounds up at half") << 23 << 2;
    QTest::newRow("main window width") << 7944 << 530;
    QTest::newRow("main window height") << 6384 << 426;
    QTest::newRow("negative, off screen") << -8000 << -533;
}

void TestTwips::toPixels() {
    QFETCH(int, twips);
    QFETCH(int, pixels);
    QCOMPARE(Twips::toPixels(twips), pixels);
}

QTEST_APPLESS_MAIN(TestTwips)
#include "tst_twips.moc"
