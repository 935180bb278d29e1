#include "GuiTestRegistry.h"
#include "GuiTestSupport.h"
#include "NullConnectionSources.h"
#include "SimServer.h"
#include "app/AppPageFactory.h"
#include "app/FolderAppSettings.h"
#include "app/MainWindow.h"
#include "device/DeviceLink.h"
#include "device/LinkActivity.h"
#include "gui/app/ClickableLabel.h"
#include "gui/app/GuiResources.h"
#include "gui/app/MainWindowView.h"
#include "gui/app/PageViews.h"
#include "gui/app/QtEventPump.h"
#include "settings/ProgramVersion.h"
#include "screens/common/FileChooser.h"
#include "support/TempFolder.h"
#include "unit/AppScriptedUi.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QStackedWidget>
#include <QMessageBox>
#include <QtTest>

// The main window's wiring: clicks and keys reach the logic, its state reaches the
// widgets.
class MainWindowViewTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void startupDrawsTheLogicsState();
    void aDeviceTypeClickSwitchesTheModel();
    void aFlagSwitchesTheLanguage();
    void qtsOwnTextsFollowTheLanguage();
    void flagsAndIconsAreReachedByKeyboard();
    void theAccessWordTypedAnywhereRevealsCalibration();
    void ctrlRightClickOnTheLogoRevealsCalibration();
    void iconsOpenPagesOnlyWhileConnected();
    void theShownPagesIconIsTheHighlightedOne();

private:
    QWidget* client() const { return view->findChild<QStackedWidget*>("clientArea")->currentWidget(); }

    std::unique_ptr<TempFolder> folder;
    std::unique_ptr<FolderAppSettings> settings;
    QtEventPump pump;
    ScriptedUi ui;
    NullConnectionSources none;
    NoFiles files;
    AppPageFactory pageFactory{{pump, none.sources, files}};
    std::unique_ptr<MainWindow> logic;
    std::unique_ptr<MainWindowView> view;
};

void MainWindowViewTest::init()
{
    folder = std::make_unique<TempFolder>();
    settings = std::make_unique<FolderAppSettings>(folder->path());
    logic = std::make_unique<MainWindow>(pump, *settings, ui, pageFactory);
    logic->start();
    view = std::make_unique<MainWindowView>(*logic);
    attachPageViews(*logic, *view);
    view->show();
    QVERIFY(QTest::qWaitForWindowExposed(view.get()));
}

void MainWindowViewTest::cleanup()
{
    view.reset();
    logic.reset();
}

void MainWindowViewTest::startupDrawsTheLogicsState()
{
    QCOMPARE(view->windowTitle(), QString("Controle do QLX700-T  ") + QString::fromStdString(VersionToText(GetProgramVersion())));
    QCOMPARE(view->size(), QSize(778, 680));
    QVERIFY(view->deviceTypeButton(0)->isChecked());
    QCOMPARE(view->deviceTypeButton(3)->text(), QString("QLX700-IRR"));
    QVERIFY(view->image(MainImage::SetPoints)->isVisible());
    QVERIFY(!view->image(MainImage::Calibration)->isVisible());
    QVERIFY(!view->image(MainImage::DeviceSettings)->isVisible());
    QCOMPARE(view->image(MainImage::Events)->y(), 404);
    QCOMPARE(view->label(MainLabel::Events)->y(), 466);
    QCOMPARE(view->label(MainLabel::General)->text(), QString("Conf. Geral"));
    QCOMPARE(client(), view->pageHost(PageId::ThermalGeneral));
    QVERIFY(view->pageHost(PageId::ThermalGeneral)->findChild<QPushButton*>("connectSerialButton")->isVisible());
    // Every page of every model has its view.
    for (int id = 0; id < kPageCount; ++id)
        QVERIFY2(!view->pageHost(static_cast<PageId>(id))->children().isEmpty(), QByteArray::number(id));
}

void MainWindowViewTest::aDeviceTypeClickSwitchesTheModel()
{
    QTest::mouseClick(view->deviceTypeButton(3), Qt::LeftButton);
    QCOMPARE(logic->comm().deviceType(), 3);
    QVERIFY(view->windowTitle().startsWith("Controle do QLX700IRR  "));
    QCOMPARE(view->image(MainImage::DeviceSettings)->y(), 110);
    QCOMPARE(view->image(MainImage::Events)->y(), 208);
    QCOMPARE(view->label(MainLabel::Events)->text(), QString("Registros"));
    QVERIFY(!view->image(MainImage::SerialPorts)->isVisible());
    QCOMPARE(client(), view->pageHost(PageId::IrrigationGeneral));
    QVERIFY(TempFolder::read(*folder / "conf.ini").find("LastDevice=3") != std::string::npos);

    // A model switch made by the logic (a general page finding another signature)
    // reaches the selector too.
    logic->selectDeviceType(1);
    QVERIFY(view->deviceTypeButton(1)->isChecked());
    QVERIFY(view->image(MainImage::Parallelism)->isVisible());
    QCOMPARE(view->image(MainImage::Events)->y(), 404);
}

void MainWindowViewTest::aFlagSwitchesTheLanguage()
{
    QTest::mouseClick(view->languageSelector(1), Qt::LeftButton);
    QVERIFY(view->windowTitle().startsWith("QLX700-T Control  "));
    // The page shown follows at once.
    QCOMPARE(view->pageHost(PageId::ThermalGeneral)->findChild<QPushButton*>("connectSerialButton")->text(),
             QString("Connect Serial"));
    QCOMPARE(view->label(MainLabel::CurrentOutputs)->text(), QString("Output Conf."));
    QCOMPARE(view->findChild<QLabel*>("deviceTypeLabel")->text(), QString("Device:"));
    QTest::mouseClick(view->findChild<ClickableLabel*>("labelSpanish"), Qt::LeftButton);
    QCOMPARE(view->label(MainLabel::General)->text(), QString("Conf. General"));
    QVERIFY(TempFolder::read(*folder / "conf.ini").find("LastLanguage=2") != std::string::npos);
}

// Qt's own texts follow the tool's language: the buttons of a question, for one.
void MainWindowViewTest::qtsOwnTextsFollowTheLanguage()
{
    const auto yes = [] {
        QMessageBox box(QMessageBox::Question, "QLX700", "?", QMessageBox::Yes | QMessageBox::No);
        return box.button(QMessageBox::Yes)->text().remove('&');
    };
    QTest::mouseClick(view->languageSelector(0), Qt::LeftButton);
    QCOMPARE(yes(), QString("Sim"));
    QTest::mouseClick(view->languageSelector(2), Qt::LeftButton);
    QCOMPARE(yes(), QString("Sí"));
    QTest::mouseClick(view->languageSelector(1), Qt::LeftButton);
    QCOMPARE(yes(), QString("Yes"));
}

// The language flags and the page icons are reached with Tab and clicked with Space.
void MainWindowViewTest::flagsAndIconsAreReachedByKeyboard()
{
    QApplication::setActiveWindow(view.get());
    ClickableLabel* english = view->languageSelector(1);
    QCOMPARE(english->focusPolicy(), Qt::StrongFocus);
    english->setFocus();
    QTest::keyClick(english, Qt::Key_Space);
    QVERIFY(view->windowTitle().startsWith("QLX700-T Control  "));
    QCOMPARE(view->image(MainImage::General)->focusPolicy(), Qt::StrongFocus);
}

void MainWindowViewTest::theAccessWordTypedAnywhereRevealsCalibration()
{
    QApplication::setActiveWindow(view.get());
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
    QWidget* target = view->deviceTypeButton(2);
    target->setFocus();
    QCOMPARE(QApplication::focusWidget(), target);
    for (QChar c : QString("TorvaKelmDrusi")) {
        const auto key = static_cast<Qt::Key>(Qt::Key_A + (c.toUpper().unicode() - 'A'));
        QTest::keyClick(target, key, c.isUpper() ? Qt::ShiftModifier : Qt::NoModifier);
    }
    QVERIFY(!view->image(MainImage::Calibration)->isVisible());
    QTest::keyClick(target, Qt::Key_N);
    QVERIFY(view->image(MainImage::Calibration)->isVisible());
    QVERIFY(view->label(MainLabel::Calibration)->isVisible());
    QCOMPARE(view->image(MainImage::Calibration)->y(), 502);
}

void MainWindowViewTest::ctrlRightClickOnTheLogoRevealsCalibration()
{
    QTest::mouseClick(view->logo(), Qt::RightButton);
    QVERIFY(!view->image(MainImage::Calibration)->isVisible());
    QTest::mouseClick(view->logo(), Qt::RightButton, Qt::ControlModifier);
    QVERIFY(view->image(MainImage::Calibration)->isVisible());
}

void MainWindowViewTest::iconsOpenPagesOnlyWhileConnected()
{
    QTest::mouseClick(view->image(MainImage::SetPoints), Qt::LeftButton);
    QCOMPARE(client(), view->pageHost(PageId::ThermalGeneral));

    auto sim = qlxsim::SimServer::start(qlxsim::SimConfig{}, {.serial = true});
    QVERIFY(logic->comm().openSerial(sim->serialPath(), {9600, 0, 0}, true));
    QTest::mouseClick(view->image(MainImage::SetPoints), Qt::LeftButton);
    QCOMPARE(client(), view->pageHost(PageId::SetPoints));
    QVERIFY(view->width() >= 900);
    QTest::mouseClick(view->image(MainImage::CurrentOutputs), Qt::LeftButton);
    QCOMPARE(client(), view->pageHost(PageId::CurrentOutputs));
    QTest::mouseClick(view->image(MainImage::General), Qt::LeftButton);
    QCOMPARE(client(), view->pageHost(PageId::ThermalGeneral));

    // Page number 7 has no page on the T: the client area is empty.
    logic->showPage(7);
    QVERIFY(client() != view->pageHost(PageId::ThermalGeneral));
    QVERIFY(client()->children().isEmpty());
}

// While the link's work runs (a configuration load), a click on another icon waits for
// its end: the icon of the page shown stays the highlighted one until the page changes.
// The program's own style sheet draws the highlight.
void MainWindowViewTest::theShownPagesIconIsTheHighlightedOne()
{
    applyAppStyleSheet();
    const auto plainStyle = qScopeGuard([] { qApp->setStyleSheet({}); });
    auto sim = qlxsim::SimServer::start(qlxsim::SimConfig{}, {.serial = true});
    QVERIFY(logic->comm().openSerial(sim->serialPath(), {9600, 0, 0}, true));
    QApplication::setActiveWindow(view.get());
    QVERIFY(QTest::qWaitForWindowActive(view.get()));
    QWidget* general = view->image(MainImage::General);
    QWidget* serial = view->image(MainImage::SerialPorts);
    const auto look = [](QWidget* icon) { return icon->grab().toImage(); };
    const QImage generalShown = look(general);
    const QImage serialPlain = look(serial);
    QVERIFY(generalShown != serialPlain);
    {
        const LinkActivity::Hold load(logic->comm().activity(), LinkActivity::Kind::Action);
        QTest::mouseClick(serial, Qt::LeftButton);
        QCOMPARE(client(), view->pageHost(PageId::ThermalGeneral));
        QCOMPARE(look(serial), serialPlain);
        QCOMPARE(look(general), generalShown);
    }
    QCOMPARE(client(), view->pageHost(PageId::SerialPorts));
    QVERIFY(look(serial) != serialPlain);
    QVERIFY(look(general) != generalShown);
}

QLX700_GUI_TEST(MainWindowViewTest)
#include "MainWindowViewTest.moc"
