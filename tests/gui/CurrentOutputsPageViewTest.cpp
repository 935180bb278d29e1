#include "GuiTestRegistry.h"
#include "GuiTestSupport.h"
#include "MessageBoxCloser.h"
#include "SimServer.h"
#include "device/DeviceLink.h"
#include "gui/app/QtEventPump.h"
#include "gui/app/QtUi.h"
#include "gui/screens/thermal/CurrentOutputsPageView.h"
#include "screens/thermal/CurrentOutputsPage.h"
#include "unit/AppScriptedUi.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QRadioButton>
#include <QtTest>

// The current output page's wiring against simulated devices on pseudo-terminals:
// the range, the full scales and the channel lists reach the device and come back.
class CurrentOutputsPageViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void theThermalPageDrawsAndSendsItsOutputs();
    void theFixedRangeBoardReplacesTheRange();
    void theRegulatorsCurrentFullScaleUsesTheSystemsSeparator();
    void aRangeClickWithAnInvalidFullScaleTakesEffect();

private:
    void openPage(const std::string& model);

    QtEventPump pump;
    ScriptedUi ui;
    std::unique_ptr<qlxsim::SimServer> sim;
    std::unique_ptr<DeviceLink> comm;
    std::unique_ptr<CurrentOutputsPage> page;
    std::unique_ptr<CurrentOutputsPageView> view;
};

void CurrentOutputsPageViewTest::init()
{
    ui = ScriptedUi{};
    comm = std::make_unique<DeviceLink>(pump);
    page = std::make_unique<CurrentOutputsPage>(ui, [] { return 2; });
}

void CurrentOutputsPageViewTest::cleanup()
{
    view.reset();
    page.reset();
    comm.reset();
    sim.reset();
    QLocale::setDefault(QLocale::c());
}

void CurrentOutputsPageViewTest::openPage(const std::string& model)
{
    view = std::make_unique<CurrentOutputsPageView>(*page);
    comm->setDeviceType(model == "R" ? 2 : 0);
    QVERIFY(comm->openSerial(sim->serialPath(), {}, false));
    page->activate(*comm, 0);
    view->render();
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
}

void CurrentOutputsPageViewTest::theThermalPageDrawsAndSendsItsOutputs()
{
    sim = qlxsim::SimServer::start({.model = "T"}, {.serial = true});
    sim->setReg(1020, 1);
    sim->setReg(1003, 3);
    sim->setReg(1021, 3);
    sim->setReg(312, 5);
    openPage("T");
    QCOMPARE(child<QGroupBox>(*view, "rangeGroup")->title(), QString("Escala"));
    QVERIFY(child<QRadioButton>(*view, "rangeGroup4")->isChecked());
    QVERIFY(!child<QLabel>(*view, "fixedRangePanel")->isVisible());
    QCOMPARE(child<QLineEdit>(*view, "fullScaleEdit")->text(), QString("150"));
    QVERIFY(!child<QLineEdit>(*view, "currentFullScaleEdit")->isVisible());
    QVERIFY(child<QComboBox>(*view, "outputChannelCombo2")->isVisible());
    QVERIFY(!child<QComboBox>(*view, "outputChannelCombo3")->isVisible());
    auto* list = child<QComboBox>(*view, "outputChannelCombo2");
    QCOMPARE(list->count(), 4);
    QCOMPARE(list->currentText(), QString("RTD 3"));
    QCOMPARE(child<QLabel>(*view, "outputChannelLabel2")->text(), QString("Canal Associado à Saída 3"));

    QTest::mouseClick(child<QRadioButton>(*view, "rangeGroup2"), Qt::LeftButton);
    QCOMPARE(sim->reg(301), 2);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(sim->reg(312), 4);
    QCOMPARE(list->currentText(), QString("RTD 2"));

    auto* fullScale = child<QLineEdit>(*view, "fullScaleEdit");
    fullScale->setFocus();
    fullScale->selectAll();
    QTest::keyClicks(fullScale, "256");
    QTest::keyClick(fullScale, Qt::Key_Return);
    QCOMPARE(ui.messageTexts(),
             std::vector<std::string>{"Valor inválido no Fundo de Escala. Deve ser um inteiro entre 0 e 255."});
    QCOMPARE(fullScale->text(), QString("150"));
    fullScale->setFocus();
    fullScale->selectAll();
    QTest::keyClicks(fullScale, "255");
    QTest::keyClick(fullScale, Qt::Key_Return);
    QCOMPARE(sim->reg(302), 255);
}

void CurrentOutputsPageViewTest::theFixedRangeBoardReplacesTheRange()
{
    sim = qlxsim::SimServer::start({.model = "T"}, {.serial = true});
    sim->setReg(2660, 2);
    openPage("T");
    QVERIFY(!child<QGroupBox>(*view, "rangeGroup")->isVisible());
    QVERIFY(child<QLabel>(*view, "fixedRangePanel")->isVisible());
    QCOMPARE(child<QLabel>(*view, "fixedRangePanel")->text(), QString("Escala: 0 - 1 mA"));
}

void CurrentOutputsPageViewTest::theRegulatorsCurrentFullScaleUsesTheSystemsSeparator()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    sim = qlxsim::SimServer::start({.model = "R"}, {.serial = true});
    sim->setReg(303, 25);
    openPage("R");
    auto* current = child<QLineEdit>(*view, "currentFullScaleEdit");
    QVERIFY(current->isVisible());
    QCOMPARE(current->text(), QString("2,5"));
    QCOMPARE(child<QLabel>(*view, "fullScaleLabel")->text(), QString("Fundo de Escala Tensão"));
    QVERIFY(child<QComboBox>(*view, "outputChannelCombo1")->isVisible());
    QVERIFY(!child<QComboBox>(*view, "outputChannelCombo2")->isVisible());
    QCOMPARE(child<QComboBox>(*view, "outputChannelCombo0")->itemText(2), QString("TAP"));
    current->setFocus();
    current->selectAll();
    QTest::keyClicks(current, "7,5");
    QTest::keyClick(current, Qt::Key_Return);
    QCOMPARE(sim->reg(303), 75);
    QCOMPARE(current->text(), QString("7,5"));
}

// The full scale's message must not swallow the click that took the focus from it:
// real message boxes, and the mouse through the window as a user's, whose button may
// come up while the box shows.
void CurrentOutputsPageViewTest::aRangeClickWithAnInvalidFullScaleTakesEffect()
{
    sim = qlxsim::SimServer::start({.model = "T"}, {.serial = true});
    QtUi boxes;
    MessageBoxCloser closer;
    CurrentOutputsPage logic(boxes, [] { return 2; });
    CurrentOutputsPageView shown(logic);
    comm->setDeviceType(0);
    QVERIFY(comm->openSerial(sim->serialPath(), {}, false));
    logic.activate(*comm, 0);
    shown.render();
    shown.show();
    shown.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&shown));
    QCOMPARE(sim->reg(301), 4);
    auto* fullScale = child<QLineEdit>(shown, "fullScaleEdit");
    fullScale->setFocus();
    fullScale->selectAll();
    QTest::keyClicks(fullScale, "256");

    auto* range = child<QRadioButton>(shown, "rangeGroup1");
    closer.click(shown, *range);
    QTRY_COMPARE(closer.texts.size(), 1);
    QCOMPARE(closer.texts.front(), QString("Valor inválido no Fundo de Escala. Deve ser um inteiro entre 0 e 255."));
    QVERIFY(!range->isDown());
    QVERIFY(range->isChecked());
    QCOMPARE(sim->reg(301), 1);
    QCOMPARE(sim->reg(302), 150);
    QCoreApplication::processEvents(); // nothing waits to apply the full scale again
    QCOMPARE(closer.texts.size(), 1);
}

QLX700_GUI_TEST(CurrentOutputsPageViewTest)
#include "CurrentOutputsPageViewTest.moc"
