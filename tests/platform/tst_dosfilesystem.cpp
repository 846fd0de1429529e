#include <QTest>

// Placeholder: the real tests replace this file.
class Placeholder_tst_dosfilesystem : public QObject {
    Q_OBJECT
};

QTEST_MAIN(Placeholder_tst_dosfilesystem)
#include "tst_dosfilesystem.moc"
