#include <QTest>

// Placeholder: the real tests replace this file.
class Placeholder_tst_settings : public QObject {
    Q_OBJECT
};

QTEST_MAIN(Placeholder_tst_settings)
#include "tst_settings.moc"
