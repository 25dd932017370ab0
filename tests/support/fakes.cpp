// Stand-ins for the window, the dialogs, the generator, the sounds and the system.
#include "fakes.h"

namespace zarvento::testing {

namespace {
constexpr Control targets[] = {Control::paricmd,    Control::paricmd1,    Control::paricmd2,
                               Control::disparicmd, Control::disparicmd1, Control::disparicmd2};
}

void FakeForm::load()
{
    controls = {};
    for (Control c : targets) {
        at(c).visible = false;
        at(c).backColour = 0xFFFF00;
    }
    at(Control::disparicmd1).caption = QStringLiteral("63");
    at(Control::lblconto).caption = QStringLiteral("00.00.00");
    at(Control::lblpunti).caption = QStringLiteral("0");
    at(Control::lblnome).caption = QStringLiteral("nome");
    at(Control::Punteggio).caption = QStringLiteral("0");
    timers = {true, false};
    windowCaption = QStringLiteral("Zarvento");
    loaded = true;
    ++loads;
    log << QStringLiteral("load");
}

void FakeForm::unload()
{
    loaded = false;
    shown = false;
    timers = {false, false};
    log << QStringLiteral("unload");
}

void FakeForm::show()
{
    shown = true;
    log << QStringLiteral("show");
    if (onResize)
        onResize();
}

void FakeForm::setCaption(Control c, const QString &text)
{
    at(c).caption = text;
    log << QStringLiteral("caption %1").arg(static_cast<int>(c));
}

void FakeForm::setBackColour(Control c, Colour colour)
{
    at(c).backColour = colour;
    ++backColourSets;
}

void FakeForm::paintBands(int first, int second)
{
    paintings.emplace_back(first, second);
    log << QStringLiteral("paint");
}

FakeForm::State &FakeForm::at(Control c)
{
    return controls[static_cast<std::size_t>(c)];
}

const FakeForm::State &FakeForm::at(Control c) const
{
    return controls[static_cast<std::size_t>(c)];
}

int ScriptedDialogs::messageBox(const QString &text, int style, const QString &title)
{
    boxes.push_back({text, style, title});
    for (const auto &[start, action] : whileOpen)
        if (text.startsWith(start))
            action();
    if (answers.empty())
        return MsgBox::Ok;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

QString ScriptedDialogs::inputBox(const QString &prompt)
{
    prompts << prompt;
    if (names.empty())
        return QString();
    QString name = names.front();
    names.pop_front();
    return name;
}

void ScriptedRandom::reseedFromClock()
{
    reseeds.emplace_back(std::nullopt);
    fallback_.reseedFromClock();
}

void ScriptedRandom::reseed(std::int16_t value)
{
    reseeds.emplace_back(value);
    fallback_.reseed(value);
}

float ScriptedRandom::draw()
{
    ++draws;
    if (script.empty())
        return fallback_.draw();
    const float r = script.front();
    script.pop_front();
    return r;
}

} // namespace zarvento::testing
