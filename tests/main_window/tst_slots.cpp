#include <QTest>

// Placeholder: the real tests replace this file.
class Placeholder_tst_slots : public QObject {
    Q_OBJECT
};

QTEST_MAIN(Placeholder_tst_slots)
#include "tst_slots.moc"
