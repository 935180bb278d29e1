#include "GuiTestRegistry.h"
#include "app/MainWindow.h"
#include "app/PageTable.h"
#include "device/DeviceLink.h"
#include "gui/app/AppAssembly.h"
#include "gui/app/PageView.h"
#include "support/TempFolder.h"

#include <QImage>
#include <QMessageBox>
#include <QProcess>
#include <QtTest>

// Opening a page directly: every row of the page table against the demo devices, and
// the program itself drawing a page into a file.
class OpenPageTest : public QObject {
    Q_OBJECT
public:
    OpenPageTest()
    {
        connect(&answering, &QTimer::timeout, this, [this] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                messages << box->text();
                box->reject();
            }
        });
    }

private slots:
    void initTestCase();
    void everyRowOpensItsPageConnected();
    void theProgramDrawsAnOpenedPage();
    void theProgramRefusesAPageThatIsNotThere();

private:
    TempFolder data;
    QTimer answering;
    QStringList messages;
};

void OpenPageTest::initTestCase()
{
    qputenv("QLX700_DATA_DIR", QByteArray::fromStdString(data.path().string()));
    answering.start(20);
}

void OpenPageTest::everyRowOpensItsPageConnected()
{
    AppAssembly program(true);
    program.window().show();
    for (const PageRow& row : pageTable()) {
        // Rows that open a separate modal window over their page are drawn by the
        // screenshot run; here the pages themselves are checked.
        if (row.openWindow != nullptr)
            continue;
        const QByteArray name = QByteArray::fromStdString(pageRowName(row));
        bool shownCalled = false;
        QVERIFY2(program.openDemoPage(row, [&] { shownCalled = true; }), name.constData());
        QVERIFY2(messages.isEmpty(), qPrintable(messages.join(" | ")));
        QVERIFY(shownCalled);
        QVERIFY(program.logic().comm().connected());
        QCOMPARE(program.logic().deviceTypeIndex(), row.deviceType);
        QCOMPARE(program.logic().shownPage(), std::optional<PageId>(row.page));
        // The page has a view, and it is what the client area shows.
        QWidget* host = program.window().pageHost(row.page);
        auto* view = host->findChild<PageView*>();
        QVERIFY2(view != nullptr, name.constData());
        QVERIFY2(view->isVisible(), name.constData());
    }
}

void OpenPageTest::theProgramDrawsAnOpenedPage()
{
    const QString picture = QString::fromStdString((data / "page.png").string());
    QProcess program;
    program.start(QLX700_PROGRAM, {"--demo", "--open", "t", "--screenshot", picture});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), 0);
    const QImage image(picture);
    QVERIFY(!image.isNull());
    QVERIFY(image.width() >= 778);
}

// Without a display: the reason comes before any window would.
void OpenPageTest::theProgramRefusesAPageThatIsNotThere()
{
    QProcessEnvironment noDisplay = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        noDisplay.remove(name);
    for (const char* page : {"T:bogus", "P:setpoints", "Q:general"}) {
        QProcess program;
        program.setProcessEnvironment(noDisplay);
        program.start(QLX700_PROGRAM, {"--demo", "--open", page});
        QVERIFY(program.waitForFinished(60000));
        QCOMPARE(program.exitCode(), 2);
        const QString error = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(error.contains(QString::fromStdString(pageRowNames())), qPrintable(error));
    }
}

QLX700_GUI_TEST(OpenPageTest)
#include "OpenPageTest.moc"
