// The generator, the number formats, and the Qt boxes as a player meets them.
#include "runtime/qtdialogs.h"
#include "runtime/random.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <set>

using namespace zarvento;

namespace {

TEST(Runtime, ReseedsFromZeroStillGiveVaryingDrawsBelowOne)
{
    MixingRandom random;
    std::set<float> seen;
    for (int i = 0; i < 1000; ++i) {
        random.reseed(0); // as the handlers do before every draw
        seen.insert(random.draw());
    }
    EXPECT_TRUE(*seen.begin() >= 0 && *seen.rbegin() < 1 && seen.size() > 900);
    EXPECT_EQ(MixingRandom(7).draw(), MixingRandom(7).draw());
}

// What a player sees of the next box that opens; it then types and presses a key.
struct Seen {
    QString title, text;
    bool plain = true;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons; // in order of appearance, access keys left out
};

void answerSoon(Seen &seen, Qt::Key key, const QString &typed = {})
{
    QTimer::singleShot(20, [&seen, key, typed] {
        QWidget *box = QApplication::activeModalWidget();
        seen.title = box->windowTitle();
        if (auto *message = qobject_cast<QMessageBox *>(box)) {
            seen.text = message->text();
            seen.plain = message->textFormat() == Qt::PlainText;
            seen.icon = message->icon();
        } else {
            seen.text = qobject_cast<QInputDialog *>(box)->labelText();
            for (const QLabel *label : box->findChildren<QLabel *>())
                seen.plain = seen.plain && label->textFormat() == Qt::PlainText;
        }
        for (const QPushButton *button : box->findChildren<QPushButton *>())
            seen.buttons << button->text().remove(QLatin1Char('&'));
        QTest::keyClicks(box->focusWidget(), typed);
        QTest::keyClick(box, key);
    });
}

TEST(QtDialogs, MessageBoxesShowTheirTextPlainWithTheirTitleIconAndButtons)
{
    struct BoxCase {
        const char *name;
        MsgBoxStyle style;
        QString title;
        Qt::Key key;
        MsgBoxAnswer answer;
        QString shownTitle;
        QMessageBox::Icon icon;
        QStringList buttons;
    };
    const QStringList yesNo{QStringLiteral("Sì"), QStringLiteral("No")};
    const QString zarvento = QStringLiteral("Zarvento");
    using S = MsgBoxStyle;
    const S newGame{S::Buttons::YesNo, S::Icon::Question, S::Default::Second};
    const BoxCase cases[] = {
        {"NewGameEnterKeepsPlaying", newGame, QStringLiteral("INIZIARE NUOVA GARA"), Qt::Key_Return,
         MsgBoxAnswer::No, QStringLiteral("INIZIARE NUOVA GARA"), QMessageBox::Question, yesNo},
        {"Warning",
         {},
         {},
         Qt::Key_Return,
         MsgBoxAnswer::Ok,
         zarvento,
         QMessageBox::NoIcon,
         {QStringLiteral("OK")}},
        {"ErrorReport",
         {S::Buttons::OkOnly, S::Icon::Critical},
         zarvento,
         Qt::Key_Return,
         MsgBoxAnswer::Ok,
         zarvento,
         QMessageBox::Critical,
         {QStringLiteral("OK")}},
    };
    for (const BoxCase &c : cases) {
        SCOPED_TRACE(c.name);
        Seen seen;
        answerSoon(seen, c.key);
        EXPECT_EQ(QtDialogs().messageBox(QStringLiteral("<b>Ugo</b>"), c.style, c.title), c.answer);
        EXPECT_EQ(seen.title, c.shownTitle);
        EXPECT_EQ(seen.text, QStringLiteral("<b>Ugo</b>"));
        EXPECT_TRUE(seen.plain);
        EXPECT_EQ(seen.icon, c.icon);
        EXPECT_EQ(seen.buttons, c.buttons);
    }
}

TEST(QtDialogs, TheNameBoxGivesWhatIsTypedOrNothingOnCancelWhileTimersTick)
{
    struct NameCase {
        const char *name;
        QString typed;
        Qt::Key key;
        QString answer;
    };
    const NameCase cases[] = {
        {"BlanksKept", QStringLiteral(" <i>Anna</i> "), Qt::Key_Return,
         QStringLiteral(" <i>Anna</i> ")},
        {"Cancelled", QStringLiteral("Anna"), Qt::Key_Escape, QString()},
    };
    QTimer timer;
    QSignalSpy ticks(&timer, &QTimer::timeout);
    timer.start(5);
    for (const NameCase &c : cases) {
        SCOPED_TRACE(c.name);
        Seen seen;
        answerSoon(seen, c.key, c.typed);
        EXPECT_EQ(QtDialogs().inputBox(QStringLiteral("<b>Come</b>")), c.answer);
        EXPECT_EQ(seen.title, QStringLiteral("Zarvento"));
        EXPECT_EQ(seen.text, QStringLiteral("<b>Come</b>"));
        EXPECT_TRUE(seen.plain);
        EXPECT_EQ(seen.buttons, (QStringList{QStringLiteral("OK"), QStringLiteral("Annulla")}));
    }
    EXPECT_GE(ticks.count(), 4) << "while the boxes were open";
}

} // namespace
