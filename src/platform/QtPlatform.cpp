#include "QtPlatform.h"

#include <QApplication>
#include <QInputDialog>
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

} // namespace

// Where the theme cannot sound, the window system's bell rings.
QtPlatform::QtPlatform() : bell(QApplication::beep) {}

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
    dialog.setTextValue(defaultAnswer);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.textValue();
}

void QtPlatform::MsgBox(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationDisplayName(), text,
                    QMessageBox::Ok, Owner());
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
