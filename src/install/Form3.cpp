#include "install/Form3.h"

#include "app/SettingsStore.h"
#include "platform/Fonts.h"
#include "platform/Twips.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

namespace {

QLabel* addLabel(QWidget* parent, const QString& name, const QString& text, const QFont& font,
                 Qt::Alignment alignment, QRect geometry) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setFont(font);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setGeometry(geometry);
    return label;
}

} // namespace

Form3::Form3(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Important information"));
    // Opens where it was designed: the client area at this position of the screen.
    setGeometry(QRect(Twips::point(1356, 2700), Twips::size(6432, 3324)));
    setFixedSize(Twips::size(6432, 3324));

    Label1 = addLabel(this, QStringLiteral("Label1"), QStringLiteral("The new action screens were installed"),
                      Fonts::arial(10, true), Qt::AlignHCenter, Twips::rect(120, 240, 6252, 252));
    Label3 = addLabel(this, QStringLiteral("Label3"),
                      QStringLiteral("(Your original screens have been overwritten)"), Fonts::msSansSerif(),
                      Qt::AlignHCenter, Twips::rect(120, 960, 6132, 372));
    Label2 = addLabel(
        this, QStringLiteral("Label2"),
        QStringLiteral("You can restore your original screens by clicking on the <restore originals> "
                       "menu anytime you want."),
        Fonts::arial(10, true), Qt::AlignLeft, Twips::rect(120, 1680, 6132, 732));
    Label2->setTextFormat(Qt::PlainText);
    Label2->setWordWrap(true);

    Check1 = new QCheckBox(QStringLiteral("Don't show this again"), this);
    Check1->setObjectName(QStringLiteral("Check1"));
    Check1->setGeometry(Twips::rect(120, 2760, 3612, 372));

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));
    Command1->setGeometry(Twips::rect(4920, 2760, 1452, 372));
    Command1->setDefault(true);
    connect(Command1, &QPushButton::clicked, this, &Form3::Command1_Click);
}

void Form3::Command1_Click() {
    if (Check1->isChecked())
        SettingsStore().save(QStringLiteral("Main"), QStringLiteral("Don'tShowHintAgain"),
                             SettingsStore::TrueText);
    accept();
}
