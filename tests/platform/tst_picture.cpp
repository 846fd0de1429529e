#include <QTest>

// Placeholder: the real tests replace this file.
class Placeholder_tst_picture : public QObject {
    Q_OBJECT
};

QTEST_MAIN(Placeholder_tst_picture)
#include "tst_picture.moc"
