#include "GuiTestSupport.h"
#include "SimServer.h"
#include "device/EquipCommF.h"
#include "gui/app/QtEventPump.h"
#include "gui/screens/thermal/FrameConfSaidaCorrenteView.h"
#include "screens/thermal/FrameConfSaidaCorrenteF.h"
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
class FrameConfSaidaCorrenteViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void theThermalPageDrawsAndSendsItsOutputs();
    void theFixedRangeBoardReplacesTheRange();
    void theRegulatorsCurrentFullScaleUsesTheSystemsSeparator();

private:
    void openPage(const std::string& model);

    QtEventPump pump;
    ScriptedUi ui;
    std::unique_ptr<qlxsim::SimServer> sim;
    std::unique_ptr<TEquipComm> comm;
    std::unique_ptr<TFrameConfSaidaCorrente> frame;
    std::unique_ptr<FrameConfSaidaCorrenteView> view;
};

void FrameConfSaidaCorrenteViewTest::init()
{
    ui = ScriptedUi{};
    comm = std::make_unique<TEquipComm>(pump);
    frame = std::make_unique<TFrameConfSaidaCorrente>(ui, [] { return 2; });
}

void FrameConfSaidaCorrenteViewTest::cleanup()
{
    view.reset();
    frame.reset();
    comm.reset();
    sim.reset();
    QLocale::setDefault(QLocale::c());
}

void FrameConfSaidaCorrenteViewTest::openPage(const std::string& model)
{
    view = std::make_unique<FrameConfSaidaCorrenteView>(*frame);
    comm->setDeviceType(model == "R" ? 2 : 0);
    QVERIFY(comm->openSerial(sim->serialPath(), {}, false));
    frame->AtivarFrame(*comm, 0);
    view->render();
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
}

void FrameConfSaidaCorrenteViewTest::theThermalPageDrawsAndSendsItsOutputs()
{
    sim = qlxsim::SimServer::start({.model = "T"}, {.serial = true});
    sim->setReg(1020, 1);
    sim->setReg(1003, 3);
    sim->setReg(1021, 3);
    sim->setReg(312, 5);
    openPage("T");
    QCOMPARE(child<QGroupBox>(*view, "rgEscala")->title(), QString("Escala"));
    QVERIFY(child<QRadioButton>(*view, "rgEscala4")->isChecked());
    QVERIFY(!child<QLabel>(*view, "pnEscala0_1ma")->isVisible());
    QCOMPARE(child<QLineEdit>(*view, "edFundoEscala")->text(), QString("150"));
    QVERIFY(!child<QLineEdit>(*view, "edFundoEscalaCorrente")->isVisible());
    QVERIFY(child<QComboBox>(*view, "cbSaidaAssociada2")->isVisible());
    QVERIFY(!child<QComboBox>(*view, "cbSaidaAssociada3")->isVisible());
    auto* list = child<QComboBox>(*view, "cbSaidaAssociada2");
    QCOMPARE(list->count(), 4);
    QCOMPARE(list->currentText(), QString("RTD 3"));
    QCOMPARE(child<QLabel>(*view, "lblSaidaAssociada2")->text(), QString("Canal Associado à Saída 3"));

    QTest::mouseClick(child<QRadioButton>(*view, "rgEscala2"), Qt::LeftButton);
    QCOMPARE(sim->reg(301), 2);
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Up);
    QCOMPARE(sim->reg(312), 4);
    QCOMPARE(list->currentText(), QString("RTD 2"));

    auto* fullScale = child<QLineEdit>(*view, "edFundoEscala");
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

void FrameConfSaidaCorrenteViewTest::theFixedRangeBoardReplacesTheRange()
{
    sim = qlxsim::SimServer::start({.model = "T"}, {.serial = true});
    sim->setReg(2660, 2);
    openPage("T");
    QVERIFY(!child<QGroupBox>(*view, "rgEscala")->isVisible());
    QVERIFY(child<QLabel>(*view, "pnEscala0_1ma")->isVisible());
    QCOMPARE(child<QLabel>(*view, "pnEscala0_1ma")->text(), QString("Escala: 0 - 1 mA"));
}

void FrameConfSaidaCorrenteViewTest::theRegulatorsCurrentFullScaleUsesTheSystemsSeparator()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    sim = qlxsim::SimServer::start({.model = "R"}, {.serial = true});
    sim->setReg(303, 25);
    openPage("R");
    auto* current = child<QLineEdit>(*view, "edFundoEscalaCorrente");
    QVERIFY(current->isVisible());
    QCOMPARE(current->text(), QString("2,5"));
    QCOMPARE(child<QLabel>(*view, "lblFundoEscala")->text(), QString("Fundo de Escala Tensão"));
    QVERIFY(child<QComboBox>(*view, "cbSaidaAssociada1")->isVisible());
    QVERIFY(!child<QComboBox>(*view, "cbSaidaAssociada2")->isVisible());
    QCOMPARE(child<QComboBox>(*view, "cbSaidaAssociada0")->itemText(2), QString("TAP"));
    current->setFocus();
    current->selectAll();
    QTest::keyClicks(current, "7,5");
    QTest::keyClick(current, Qt::Key_Return);
    QCOMPARE(sim->reg(303), 75);
    QCOMPARE(current->text(), QString("7,5"));
}

QTEST_MAIN(FrameConfSaidaCorrenteViewTest)
#include "FrameConfSaidaCorrenteViewTest.moc"
