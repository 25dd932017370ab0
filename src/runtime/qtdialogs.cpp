// SPDX-FileCopyrightText: 2026 Zarvento contributors
// SPDX-License-Identifier: GPL-3.0-or-later
// The message and input boxes as Qt dialog objects, always showing their text as plain text.
#include "runtime/qtdialogs.h"

#include "runtime/heldkeys.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace zarvento {

namespace {

QMessageBox::Icon iconFor(MsgBoxStyle::Icon icon)
{
    switch (icon) {
    case MsgBoxStyle::Icon::Critical:
        return QMessageBox::Critical;
    case MsgBoxStyle::Icon::Question:
        return QMessageBox::Question;
    case MsgBoxStyle::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// The boxes' buttons are named by the game, in every language it speaks: Qt translates its own
// into only some of them. They carry no access keys ("Sì", not "&Sì"), as the game's boxes always
// have: they are answered with Enter and Escape.
QString yesText()
{
    return QCoreApplication::translate("Dialogs", "Sì");
}
QString noText()
{
    return QCoreApplication::translate("Dialogs", "No");
}
QString okText()
{
    return QCoreApplication::translate("Dialogs", "OK");
}
QString cancelText()
{
    return QCoreApplication::translate("Dialogs", "Annulla");
}

} // namespace

// A minimized window would take its boxes out of sight with it.
QWidget *QtDialogs::parentForBox() const
{
    return owner_ != nullptr && owner_->isVisible() && !owner_->isMinimized() ? owner_ : nullptr;
}

MsgBoxAnswer QtDialogs::messageBox(const QString &text, MsgBoxStyle style, const QString &title)
{
    QMessageBox box(parentForBox());
    box.setWindowTitle(title.isEmpty() ? programTitle : title);
    // A name or a record file's content may look like markup; it is shown as typed.
    box.setTextFormat(Qt::PlainText);
    box.setText(text);
    box.setIcon(iconFor(style.icon));

    if (style.buttons == MsgBoxStyle::Buttons::YesNo) {
        QPushButton *yes = box.addButton(QMessageBox::Yes);
        QPushButton *no = box.addButton(QMessageBox::No);
        yes->setText(yesText());
        no->setText(noText());
        box.setDefaultButton(style.defaultButton == MsgBoxStyle::Default::Second ? no : yes);
        box.setEscapeButton(no);
    } else {
        QPushButton *ok = box.addButton(QMessageBox::Ok);
        ok->setText(okText());
        box.setDefaultButton(ok);
    }

    // Wide enough for its whole title: the goodbye's date is read there.
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        const int titleWidth = box.fontMetrics().horizontalAdvance(box.windowTitle()) + 120;
        grid->addItem(new QSpacerItem(titleWidth, 0), grid->rowCount(), 0, 1, grid->columnCount());
    }

    HeldKeys heldKeys(&box);
    box.exec();
    QAbstractButton *clicked = box.clickedButton();
    if (!clicked) // the program ended while the box was open
        return MsgBoxAnswer::None;
    switch (box.standardButton(clicked)) {
    case QMessageBox::Yes:
        return MsgBoxAnswer::Yes;
    case QMessageBox::No:
        return MsgBoxAnswer::No;
    default:
        return MsgBoxAnswer::Ok;
    }
}

QString QtDialogs::inputBox(const QString &prompt)
{
    QInputDialog dialog(parentForBox());
    dialog.setWindowTitle(programTitle);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(prompt);
    dialog.setTextValue(QString());
    for (QLabel *label : dialog.findChildren<QLabel *>())
        label->setTextFormat(Qt::PlainText);
    dialog.setOkButtonText(okText());
    dialog.setCancelButtonText(cancelText());
    HeldKeys heldKeys(&dialog);
    return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
}

} // namespace zarvento
