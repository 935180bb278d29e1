#include "GeneralPageViewFixture.h"
#include "GuiTestRegistry.h"
#include "gui/app/RadioGroupBox.h"
#include "gui/screens/regulator/RegulatorGeneralPageView.h"
#include "screens/regulator/RegulatorGeneralPage.h"

#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QtTest>

// The QLX700-R general page's wiring against a simulated regulator on a
// pseudo-terminal: clicks reach the logic and the device, the timer's refresh
// reaches the grids and the relays.
class RegulatorGeneralPageViewTest : public QObject, private GeneralPageViewFixture {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void connectDrawsTheRegulatorAndTheButtonsReachIt();

private:
    QString cell(const char* grid, int row)
    {
        return child<QTableWidget>(*view, grid)->item(row, 1)->text();
    }

    std::vector<int> outputCounts;
    std::unique_ptr<RegulatorGeneralPage> page;
    std::unique_ptr<RegulatorGeneralPageView> view;
};

void RegulatorGeneralPageViewTest::init()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    setUp();
    outputCounts.clear();
    page = std::make_unique<RegulatorGeneralPage>(pageContext(), [this](int n) { outputCounts.push_back(n); });
    view = std::make_unique<RegulatorGeneralPageView>(*page);
    comm->setDeviceType(2);
    page->activate(*comm, 0);
    page->setTimerEnabled(true);
    view->render();
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
}

void RegulatorGeneralPageViewTest::cleanup()
{
    view.reset();
    page.reset();
    tearDown();
    QLocale::setDefault(QLocale::c());
}

void RegulatorGeneralPageViewTest::connectDrawsTheRegulatorAndTheButtonsReachIt()
{
    QCOMPARE(child<QLabel>(*view, "serialNumberPanel")->text(), QString("Não Conectado"));
    QCOMPARE(cell("measurementGrid", 0), QString());
    QCOMPARE(child<QTableWidget>(*view, "measurementGrid")->item(8, 0)->text(), QString("Pos. Atual"));
    QCOMPARE(child<QLabel>(*view, "relayLabel9")->text(), QString("Pré Sin. Subir"));

    startSim("R");
    sim->setReg(1001, 1153);
    sim->setReg(1015, 12);
    sim->setReg(703, 0);
    sim->setReg(1102, 1);
    answerPortDialogWithSim();
    typePassword("qwkz");
    QTest::mouseClick(child<QPushButton>(*view, "connectSerialButton"), Qt::LeftButton);
    QVERIFY2(ui.messages.empty(), ui.messages.empty() ? "" : ui.messages.front().text.c_str());
    QCOMPARE(outputCounts, std::vector<int>{3});
    QVERIFY(child<QRadioButton>(*view, "indicationModeGroup0")->isChecked());
    QTRY_COMPARE(cell("measurementGrid", 0), QString("115,3 V"));
    QTRY_VERIFY(child<QLabel>(*view, "relayLamp3")->styleSheet().contains("#ff0000"));
    QCOMPARE(cell("measurementGrid", 8), QString("12"));

    QTest::mouseClick(child<QPushButton>(*view, "positionUpButton"), Qt::LeftButton);
    QCOMPARE(sim->reg(1015), 13);
    QCOMPARE(ui.messages.back().text, std::string("Comando enviado"));
    QTRY_COMPARE(cell("measurementGrid", 8), QString("13"));

    QTest::mouseClick(child<QRadioButton>(*view, "indicationModeGroup3"), Qt::LeftButton);
    QCOMPARE(sim->reg(703), 3);
    QTRY_COMPARE(cell("measurementGrid", 8), QString("4L")); // neutral 17
}

QLX700_GUI_TEST(RegulatorGeneralPageViewTest)
#include "RegulatorGeneralPageViewTest.moc"
