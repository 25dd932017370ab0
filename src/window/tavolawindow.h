// The game window Tavola on screen: its controls, band-painted background, timers and menu bar.
#pragma once

#include "table/form.h"

#include <QCursor>
#include <QImage>
#include <QMainWindow>

#include <array>
#include <optional>

class QAction;
class QTimer;

namespace zarvento {

class Canvas;
class CanvasLabel;
class GraphicButton;

class TavolaWindow : public QMainWindow, public Form {
    Q_OBJECT
public:
    explicit TavolaWindow(QWidget *parent = nullptr);
    ~TavolaWindow() override;

    // Where clicks, ticks, resizes, menu choices and closing are reported; may be null.
    void setEvents(FormEvents *events);

    void load() override;
    void unload() override;
    void show() override;

    QString caption(Control control) const override;
    void setCaption(Control control, const QString &text) override;
    void setBackColour(Control control, Colour colour) override;
    bool isVisible(Control control) const override;
    void setVisible(Control control, bool visible) override;
    void setLeft(Control control, float left) override;
    void setTop(Control control, float top) override;

    void setTimerEnabled(Timer timer, bool enabled) override;
    bool isTimerEnabled(Timer timer) const override;

    void setWindowCaption(const QString &text) override;
    bool isMinimized() const override;

    void paintBands(int firstFactor, int secondFactor) override;

    using QMainWindow::isVisible;
    using QMainWindow::setVisible;

    // For tests: a control while loaded (else null), the painted background, a menu entry.
    QWidget *widget(Control control) const;
    const QImage &background() const;
    QAction *menuAction(MenuItem item) const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    struct Slot {
        QWidget *widget = nullptr;
        CanvasLabel *label = nullptr;
        GraphicButton *button = nullptr;
    };

    void ensureBuilt() const;
    void build();
    void buildMenu();
    void buildControls();
    void buildControl(Control control);
    // Drops the controls, the timers and the painted background; the window stays as it is.
    void discardControls();
    void reportResize();
    const Slot &slot(Control control) const
    {
        ensureBuilt();
        return controls_[static_cast<std::size_t>(control)];
    }
    QTimer *&timer(Timer which) { return timers_[static_cast<std::size_t>(which)]; }
    QTimer *timer(Timer which) const { return timers_[static_cast<std::size_t>(which)]; }

    FormEvents *events_ = nullptr;
    Canvas *canvas_;
    QCursor sightCursor_;
    QCursor iconCursor_;
    std::array<Slot, controlCount> controls_{};
    std::array<QTimer *, 2> timers_{};
    std::array<QAction *, 7> menu_{};
    // The client height at the last band painting; none while places are still in twips.
    std::optional<int> bandHeight_;
    bool resizeReported_ = false;
    bool windowBuilt_ = false;
    // Loaded, with the controls still to be built at their first use.
    bool controlsPending_ = false;
};

} // namespace zarvento
