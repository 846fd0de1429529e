#include <QTest>

// Placeholder: the real tests replace this file.
class Placeholder_tst_install : public QObject {
    Q_OBJECT
};

QTEST_MAIN(Placeholder_tst_install)
#include "tst_install.moc"
