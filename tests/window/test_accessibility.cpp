// What a screen reader hears: every control that can take the focus, and each target, has a name.
#include "window/tavolawindow.h"

#include <QAccessible>
#include <QAccessibleInterface>

#include <gtest/gtest.h>

namespace zarvento {
namespace {

QString accessibleName(QWidget *widget)
{
    QAccessibleInterface *face = QAccessible::queryAccessibleInterface(widget);
    return face != nullptr ? face->text(QAccessible::Name) : QStringLiteral("<none>");
}

TEST(Accessibility, ButtonsAreNamedForWhatTheyShow)
{
    TavolaWindow window;
    window.load();
    window.setCaption(Control::paricmd, QStringLiteral("42"));
    window.setCaption(Control::disparicmd2, QStringLiteral("1801"));
    EXPECT_EQ(accessibleName(window.widget(Control::cmdExit)), QStringLiteral("Exit"));
    EXPECT_EQ(accessibleName(window.widget(Control::cmdNext)), QStringLiteral("Clicca per iniziare"));
    EXPECT_EQ(accessibleName(window.widget(Control::paricmd)), QStringLiteral("42"));
    EXPECT_EQ(accessibleName(window.widget(Control::disparicmd2)), QStringLiteral("1801"));
    // A target renumbered later is heard with its new number.
    window.setCaption(Control::paricmd, QStringLiteral("44"));
    EXPECT_EQ(accessibleName(window.widget(Control::paricmd)), QStringLiteral("44"));
}

TEST(Accessibility, EveryControlThatCanTakeTheFocusHasAName)
{
    TavolaWindow window;
    window.load();
    for (const Control c : {Control::disparicmd, Control::disparicmd1, Control::disparicmd2,
                            Control::paricmd, Control::paricmd1, Control::paricmd2})
        window.setCaption(c, QStringLiteral("8"));
    for (int i = 0; i < controlCount; ++i) {
        QWidget *widget = window.widget(static_cast<Control>(i));
        ASSERT_NE(widget, nullptr);
        if (widget->focusPolicy() == Qt::NoFocus)
            continue;
        EXPECT_FALSE(accessibleName(widget).isEmpty()) << widget->objectName().toStdString();
    }
}

} // namespace
} // namespace zarvento
