#include "QtPlatform.h"

#include "ThemeBell.h"

#include <QApplication>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QWidget>

namespace {

constexpr std::chrono::milliseconds EventInterval(1);

// The game separates lines with a carriage return or a line feed alone;
// a label breaks lines only at line feeds.
QString WithLineFeeds(QString text)
{
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(u'\r', u'\n');
}

// Qt draws the frame itself on Wayland: the title centred on the dialog in a
// font a little larger than the dialog's, and cut off where the frame's
// buttons start. Window managers draw theirs alike.
constexpr double TitleFontGrowth = 1.25;
constexpr int ButtonsRoomInLines = 5;

// Wide enough for the title and, on either side of it, the frame's buttons.
int WidthForTitle(const QWidget& dialog)
{
    const QFontMetrics font = dialog.fontMetrics();
    return int(font.horizontalAdvance(dialog.windowTitle()) * TitleFontGrowth)
           + 2 * ButtonsRoomInLines * font.height();
}

} // namespace

// The sound theme's bell; where it cannot sound, the window system's bell
// rings, from the window's thread.
QtPlatform::QtPlatform()
    : bell([theme = std::make_shared<ThemeBell>()] { return theme->Ring(); },
           [] { QMetaObject::invokeMethod(qApp, &QApplication::beep, Qt::QueuedConnection); })
{
}

// Before the window is shown a dialog takes the desktop's default place.
QWidget* QtPlatform::Owner() const
{
    return dialogParent && dialogParent->isVisible() ? dialogParent : nullptr;
}

std::optional<QString> QtPlatform::InputBox(const QString& prompt, const QString& title,
                                             const QString& defaultAnswer)
{
    QInputDialog dialog(Owner());
    dialog.setWindowTitle(title);
    dialog.setLabelText(WithLineFeeds(prompt));
    // The dialog's layout sets its size from its parts alone.
    dialog.findChild<QLabel*>()->setMinimumWidth(WidthForTitle(dialog));
    dialog.setTextValue(defaultAnswer);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

void QtPlatform::MsgBox(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, Owner());
    box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->setMinimumWidth(WidthForTitle(box));
    box.exec();
}

// A search yields thousands of times a click, and letting events run costs
// about a microsecond even when none are pending: once a millisecond is
// soon enough for input.
void QtPlatform::YieldToEvents()
{
    const auto now = std::chrono::steady_clock::now();
    if (now - eventsLastRan < EventInterval)
        return;
    eventsLastRan = now;
    QApplication::processEvents();
}
