#include "platform/QtPlatform.h"
#include "platform/ThemeBell.h"

#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

// The desktop's own dialogs, answered as a user would once they show, and
// its bell.
namespace {

template <typename Dialog, typename Answer> void WhenShown(Answer answer)
{
    QTimer::singleShot(0,
                       [=] { answer(qobject_cast<Dialog*>(QApplication::activeModalWidget())); });
}

} // namespace

class DesktopTest : public QObject
{
    Q_OBJECT

private slots:
    // The game breaks lines with a carriage return alone, which a label does
    // not show as a break; Cancel gives no answer at all.
    void promptsShowTheirTextsAndTellCancelFromAnAnswer()
    {
        QtPlatform desktop;
        QStringList shown;
        WhenShown<QInputDialog>([&](QInputDialog* dialog) {
            shown << dialog->windowTitle() << dialog->labelText() << dialog->textValue();
            dialog->setTextValue("0810");
            dialog->accept();
        });
        QCOMPARE(desktop.InputBox("a\rb", "title", "1919"), "0810");
        QCOMPARE(shown, QStringList({"title", "a\nb", "1919"}));
        WhenShown<QInputDialog>([](QInputDialog* dialog) { dialog->reject(); });
        QCOMPARE(desktop.InputBox("a", "title", "1919"), std::nullopt);
        WhenShown<QMessageBox>([&](QMessageBox* box) {
            shown = {box->text(), QString::number(box->buttons().size())};
            box->accept();
        });
        desktop.MsgBox("黑子1  白子2");
        QCOMPARE(shown, QStringList({"黑子1  白子2", "1"}));
    }

    // Run once where canberra has no driver, where every beep falls back to
    // the window system's bell, and once where it plays, where none does.
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
