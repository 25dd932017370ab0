// The message and input boxes as Qt dialog objects, always showing their text as plain text.
#include "runtime/qtdialogs.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>

namespace zarvento {

namespace {

QMessageBox::Icon iconFor(int style)
{
    switch (style & 0x70) {
    case MsgBox::Critical:
        return QMessageBox::Critical;
    case MsgBox::Question:
        return QMessageBox::Question;
    case 48:
        return QMessageBox::Warning;
    case 64:
        return QMessageBox::Information;
    default:
        return QMessageBox::NoIcon;
    }
}

// Qt's translations give the standard buttons access keys ("&Sì"); the game's boxes have always
// shown them without ("Sì"), answered with Enter and Escape.
void removeAccessKeys(const QList<QAbstractButton *> &buttons)
{
    static const QRegularExpression mark(QStringLiteral("&(.)"));
    for (QAbstractButton *button : buttons)
        button->setText(button->text().replace(mark, QStringLiteral("\\1")));
}

} // namespace

int QtDialogs::messageBox(const QString &text, int style, const QString &title)
{
    QMessageBox box;
    box.setWindowTitle(title.isEmpty() ? programTitle : title);
    // A name or a record file's content may look like markup; it is shown as typed.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setIcon(iconFor(style));

    const bool yesNo = (style & 0x7) == MsgBox::YesNo;
    if (yesNo) {
        QPushButton *yes = box.addButton(QMessageBox::Yes);
        QPushButton *no = box.addButton(QMessageBox::No);
        box.setDefaultButton((style & MsgBox::DefaultButton2) ? no : yes);
        box.setEscapeButton(no);
    } else {
        box.setDefaultButton(box.addButton(QMessageBox::Ok));
    }
    removeAccessKeys(box.buttons());

    // Wide enough for its whole title: the goodbye's date is read there.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        const int titleWidth = box.fontMetrics().horizontalAdvance(box.windowTitle()) + 120;
        grid->addItem(new QSpacerItem(titleWidth, 0), grid->rowCount(), 0, 1, grid->columnCount());
    }

    box.exec();
    const QAbstractButton *clicked = box.clickedButton();
    if (!clicked) // the program ended while the box was open
        return 0;
    switch (box.standardButton(const_cast<QAbstractButton *>(clicked))) {
    case QMessageBox::Yes:
        return MsgBox::Yes;
    case QMessageBox::No:
        return MsgBox::No;
    default:
        return MsgBox::Ok;
    }
}

QString QtDialogs::inputBox(const QString &prompt)
{
    QInputDialog dialog;
    dialog.setWindowTitle(programTitle);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(prompt);
    dialog.setTextValue(QString());
    for (QLabel *label : dialog.findChildren<QLabel *>())
        label->setTextFormat(Qt::PlainText);
    for (const QDialogButtonBox *buttons : dialog.findChildren<QDialogButtonBox *>())
        removeAccessKeys(buttons->buttons());
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

} // namespace zarvento
