#include "platform/QtPlatform.h"
#include "platform/ThemeBell.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

// The desktop's own dialogs, answered as a user would once they show.
namespace {

template <typename Dialog> void WhenShown(const std::function<void(Dialog&)>& answer)
{
    QTimer::singleShot(
        0, [answer] { answer(*qobject_cast<Dialog*>(QApplication::activeModalWidget())); });
}

} // namespace

class DesktopTest : public QObject
{
    Q_OBJECT

private slots:
    // The game breaks lines with a carriage return alone, which a label
    // would not show as a break; Cancel gives no answer at all.
    void promptsShowTheirTextAndTellCancelFromAnAnswer()
    {
        QtPlatform desktop;
        QStringList shown;
        WhenShown<QInputDialog>([&](QInputDialog& dialog) {
            shown << dialog.windowTitle() << dialog.labelText() << dialog.textValue();
            dialog.setTextValue(QStringLiteral("0810"));
            dialog.accept();
        });
        QCOMPARE(desktop.InputBox(QStringLiteral("first\rsecond"), QStringLiteral("title"),
                                  QStringLiteral("1919")),
                 QStringLiteral("0810"));
        QCOMPARE(shown, QStringList({"title", "first\nsecond", "1919"}));

        WhenShown<QInputDialog>([](QInputDialog& dialog) { dialog.reject(); });
        QCOMPARE(desktop.InputBox(QStringLiteral("prompt"), QStringLiteral("title"),
                                  QStringLiteral("1919")),
                 std::nullopt);
    }

    void theCountShowsInABoxWithOnlyAnOkButton()
    {
        QtPlatform desktop;
        QString shown;
        WhenShown<QMessageBox>([&](QMessageBox& box) {
            shown = box.text() + QString::number(box.buttons().size());
            box.button(QMessageBox::Ok)->click();
        });
        desktop.MsgBox(QStringLiteral("黑子1  白子2"));
        QCOMPARE(shown, QStringLiteral("黑子1  白子21"));
    }

    // Run once where canberra has no driver and once where it plays: every
    // beep falls back to the window system's bell in the first, none in the
    // second.
    void theBellFallsBackWhereCanberraCannotPlay()
    {
        static int fallbacks = 0;
        RingThemeBell([] { ++fallbacks; });
        RingThemeBell([] { ++fallbacks; });
        QCOMPARE(fallbacks, qgetenv("CANBERRA_DRIVER") == "absent" ? 2 : 0);
    }
};

QTEST_MAIN(DesktopTest)
#include "tst_desktop.moc"
