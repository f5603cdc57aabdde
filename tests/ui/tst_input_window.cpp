// The input window driven through its controls: lists, tab order, key
// filters, pasting, the input check from the button and from the File menu,
// the place lookup, and places from the atlas with their clocks.
#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QAbstractItemView>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QUrlQuery>
#include <QtTest/QtTest>

#include "engine/input_check.h"
#include "engine/zones.h"
#include "places/atlas.h"
#include "places/geonames_source.h"
#include "presentation/reading_labels.h"
#include "support.h"

using namespace lunarys;
using namespace lunarys::ui;
using namespace lunarys::ui::testing;

namespace {

// Records the readings the window hands over instead of showing them.
class RecordingPresenter final : public ReadingPresenter {
public:
    void ShowReading(const engine::Reading& reading, QWidget& inputWindow) override
    {
        ++shown;
        lastReading = reading;
        lastInputWindow = &inputWindow;
    }
    int shown = 0;
    engine::Reading lastReading;
    QWidget* lastInputWindow = nullptr;
};

// One input window on fakes, without start-up.
struct InputWindow {
    FakePlatform fakes;
    engine::ChartState chart;
    Program program{fakes.services};
    RecordingPresenter presenter;
    FrmMain window{program, chart, presenter};

    template <typename T>
    T& Get(const char* objectName) { return Control<T>(window, objectName); }

    // Valid details that pass every check: the 1990-07-04 birth.
    void FillValid()
    {
        Get<QLineEdit>("txtName").setText(QStringLiteral("MARY ANN"));
        Get<QComboBox>("cboMonth").setCurrentIndex(6);
        Get<QComboBox>("cboDate").setCurrentIndex(3);
        Get<QComboBox>("cboYear").setCurrentText(QStringLiteral("1990"));
        Get<QComboBox>("cboHH").setCurrentText(QStringLiteral("6"));
        Get<QComboBox>("cboMM").setCurrentText(QStringLiteral("30"));
        Get<QComboBox>("cmbTimeZone").setCurrentIndex(34);
        Get<QLineEdit>("txtLonD").setText(QStringLiteral("72"));
        Get<QLineEdit>("txtLonM").setText(QStringLiteral("50"));
        Get<QLineEdit>("txtLatD").setText(QStringLiteral("18"));
        Get<QLineEdit>("txtLatM").setText(QStringLiteral("57"));
    }
};

QStringList Items(const QComboBox& list)
{
    QStringList items;
    for (int i = 0; i < list.count(); ++i)
        items << list.itemText(i);
    return items;
}

QStringList Numbers(int first, int last)
{
    QStringList numbers;
    for (int n = first; n <= last; ++n)
        numbers << QString::number(n);
    return numbers;
}

// Three places as GeoNames has them.
std::shared_ptr<const places::Atlas> SmallAtlas()
{
    return std::make_shared<const places::Atlas>(std::vector<places::Place>{
        {QStringLiteral("Mumbra"), QStringLiteral("Maharashtra"), QStringLiteral("India"), QStringLiteral("Asia/Kolkata"),
         19.17667, 73.02278, 1000000},
        {QStringLiteral("Mumbai"), QStringLiteral("Maharashtra"), QStringLiteral("India"), QStringLiteral("Asia/Kolkata"),
         19.07283, 72.88261, 12691836},
        {QStringLiteral("Madrid"), QStringLiteral("Madrid"), QStringLiteral("Spain"), QStringLiteral("Europe/Madrid"),
         40.4165, -3.70256, 3255944},
    });
}

// Types into the City box and clicks the place offered under that name.
void TakePlace(FrmMain& window, const QString& typed, const QString& offered)
{
    auto& city = Control<QLineEdit>(window, "txtMCity");
    city.setFocus();
    Send(city, Typed(typed));
    QAbstractItemView& list = *city.findChild<QCompleter*>()->popup();
    QVERIFY(QTest::qWaitForWindowExposed(&list));
    const QModelIndexList rows = list.model()->match(list.model()->index(0, 0), Qt::DisplayRole, offered, 1,
                                                     Qt::MatchExactly);
    QCOMPARE(rows.size(), 1);
    QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(rows.front()).center());
}

const ShownMessage kOnlyNumbers{QString::fromLatin1(engine::messages::OnlyNumbers), MessageIcon::Error};
const ShownMessage kOnlyLetters{QString::fromLatin1(engine::messages::OnlyLetters), MessageIcon::Information};

}  // namespace

class InputWindowTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { DeleteLaterNow(); }

    void captionAndInitialState();
    void listsFilledInOrder();
    void tabOrder();
    void keyFilters_data();
    void keyFilters();
    void editingShortcuts_data();
    void editingShortcuts();
    void altCombinations_data();
    void altCombinations();
    void pasteByKey_data();
    void pasteByKey();
    void pasteFromContextMenu_data();
    void pasteFromContextMenu();
    void inputMethodText_data();
    void inputMethodText();
    void placeBoxesKeepControlCharactersOut_data();
    void placeBoxesKeepControlCharactersOut();
    void inputCheck_data();
    void inputCheck();
    void passingCheckHandsOverTheReading();
    void detailsReadFromControls_data();
    void detailsReadFromControls();
    void secondsChangeNothing();
    void placeLookup_data();
    void placeLookup();
    void placeFromTheAtlas();
    void placeByAnotherName();
    void zoneSetByHand();
};

void InputWindowTest::captionAndInitialState()
{
    InputWindow w;
    QCOMPARE(w.window.objectName(), QStringLiteral("frmMain"));
    QCOMPARE(w.window.windowTitle(), QStringLiteral("Lunarys v1.15"));
    QVERIFY(!w.window.windowIcon().isNull());
    for (const char* name : {"txtName", "txtLonD", "txtLonM", "txtLatD", "txtLatM", "txtMCity", "txtMState", "txtMCountry"})
        QVERIFY2(w.Get<QLineEdit>(name).text().isEmpty(), name);
    QCOMPARE(w.Get<QLineEdit>("txtLonD").maxLength(), 3);
    QCOMPARE(w.Get<QLineEdit>("txtLonM").maxLength(), 2);
    QCOMPARE(w.Get<QLineEdit>("txtLatD").maxLength(), 2);
    QCOMPARE(w.Get<QLineEdit>("txtLatM").maxLength(), 2);
    QVERIFY(!w.Get<QCheckBox>("chkDST").isChecked());
    QCOMPARE(w.Get<QCheckBox>("chkDST").text(), QStringLiteral("Daylight Saving Time"));

    const QButtonGroup& longitude = w.Get<QButtonGroup>("optLong");
    const QButtonGroup& latitude = w.Get<QButtonGroup>("optLat");
    QCOMPARE(longitude.button(0)->text(), QStringLiteral("East"));
    QCOMPARE(longitude.button(1)->text(), QStringLiteral("West"));
    QCOMPARE(latitude.button(0)->text(), QStringLiteral("North"));
    QCOMPARE(latitude.button(1)->text(), QStringLiteral("South"));
    QCOMPARE(longitude.checkedId(), 0);
    QCOMPARE(latitude.checkedId(), 0);
    QVERIFY(longitude.exclusive() && latitude.exclusive());

    QCOMPARE(w.Get<QPushButton>("cmdRashi").text(), QStringLiteral("Find My Midpoint Astrology Reading"));
    QCOMPARE(w.Get<QPushButton>("cmdBrowser").text(), QStringLiteral("Click Here To Find Latitude && Longitude"));
    QVERIFY(w.Get<QLabel>("lblDescription").text().startsWith(
        QStringLiteral("Lunarys shows the midpoint between the two planets")));
    QVERIFY(w.Get<QLabel>("lblCobrand").text().startsWith(QStringLiteral("Co-brand this software for your site.")));
    QVERIFY(w.Get<QLabel>("lblCobrand").text().endsWith(QStringLiteral("Click Here for more info on co-branding.")));
    QCOMPARE(w.Get<QLabel>("lblFullBrand").text(),
             QStringLiteral("Home Business Opportunity. Start your own Internet business and make money online. "
                            "Get this software fully branded for your website. Click here for more details."));
    QVERIFY(w.Get<QLabel>("lblPromotion").text().contains(QStringLiteral("https://lunarys.example.org/")));
    QVERIFY(w.fakes.dialogs.messages.isEmpty());
}

void InputWindowTest::listsFilledInOrder()
{
    InputWindow w;
    const QStringList months{QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
                             QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
                             QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
                             QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
    QStringList zones;
    for (const engine::Zone& zone : engine::Zones)
        zones << QString::fromUtf8(zone.Item.data(), static_cast<qsizetype>(zone.Item.size()));

    const struct {
        const char* name;
        QStringList items;
        int selected;
    } lists[] = {
        {"cboMonth", months, 0},          {"cboDate", Numbers(1, 31), 0}, {"cboYear", Numbers(1901, 2050), 0},
        {"cboHH", Numbers(0, 23), 0},     {"cboMM", Numbers(0, 59), 0},   {"cboSS", Numbers(0, 59), 0},
        {"cmbTimeZone", zones, 29},
    };
    for (const auto& list : lists) {
        const QComboBox& box = w.Get<QComboBox>(list.name);
        QCOMPARE(Items(box), list.items);
        QCOMPARE(box.currentIndex(), list.selected);
        QVERIFY2(!box.isEditable(), list.name);
    }
    QCOMPARE(w.Get<QComboBox>("cmbTimeZone").count(), 71);
    QCOMPARE(w.Get<QComboBox>("cmbTimeZone").currentText(), QStringLiteral("Greenwich Mean Time,GMT,0.0"));
    QCOMPARE(w.Get<QComboBox>("cmbTimeZone").itemText(34), QStringLiteral("Indian Time, IST, +5.3"));
}

void InputWindowTest::tabOrder()
{
    InputWindow w;
    const QStringList expected{
        QStringLiteral("txtName"),   QStringLiteral("cboMonth"),    QStringLiteral("cboDate"),
        QStringLiteral("cboYear"),   QStringLiteral("cboHH"),       QStringLiteral("cboMM"),
        QStringLiteral("cboSS"),     QStringLiteral("chkDST"),      QStringLiteral("txtLonM"),
        QStringLiteral("optLong_0"), QStringLiteral("optLong_1"),   QStringLiteral("txtLatD"),
        QStringLiteral("txtLatM"),   QStringLiteral("optLat_0"),    QStringLiteral("optLat_1"),
        QStringLiteral("txtMCity"),  QStringLiteral("txtMState"),   QStringLiteral("txtMCountry"),
        QStringLiteral("cmdBrowser"), QStringLiteral("cmdRashi"),   QStringLiteral("txtLonD"),
        QStringLiteral("cmbTimeZone")};
    // Walk the focus chain once round from the name box, keeping the controls
    // that take the focus by Tab.
    QStringList order;
    QWidget* start = &w.Get<QLineEdit>("txtName");
    QWidget* widget = start;
    do {
        if ((widget->focusPolicy() & Qt::TabFocus) && !widget->objectName().isEmpty()
            && !widget->objectName().startsWith(QStringLiteral("qt_")))
            order << widget->objectName();
        widget = widget->nextInFocusChain();
    } while (widget != start);
    QCOMPARE(order, expected);
}

void InputWindowTest::keyFilters_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<KeyStrokes>("keys");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<QList<ShownMessage>>("expectedMessages");

    const QList<ShownMessage> none;
    // The name box: letters pass in capitals; blank, Backspace and Enter pass.
    QTest::newRow("name in lower case") << "txtName" << Typed("mary ann") << "MARY ANN" << none;
    QTest::newRow("name in capitals") << "txtName" << Typed("MARY") << "MARY" << none;
    QTest::newRow("name, other alphabets") << "txtName" << Typed(QStringLiteral("josé ñandú ωμέγα"))
                                           << QStringLiteral("JOSÉ ÑANDÚ ΩΜΈΓΑ") << none;
    QTest::newRow("name, digit") << "txtName" << Typed("ann1") << "ANN" << QList<ShownMessage>{kOnlyLetters};
    QTest::newRow("name, full stop") << "txtName" << Typed("a.b") << "AB" << QList<ShownMessage>{kOnlyLetters};
    QTest::newRow("name, minus") << "txtName" << Typed("-") << "" << QList<ShownMessage>{kOnlyLetters};
    QTest::newRow("name, backspace")
        << "txtName" << (Typed("abc") << Key(Qt::Key_Backspace)) << "AB" << none;
    QTest::newRow("name, enter") << "txtName" << (Typed("ab") << Key(Qt::Key_Return)) << "AB" << none;
    QTest::newRow("name, copy key") << "txtName" << (Typed("ab") << Key(Qt::Key_C, Qt::ControlModifier)) << "AB"
                                    << none;
    QTest::newRow("name, other control key")
        << "txtName" << (Typed("ab") << Key(Qt::Key_B, Qt::ControlModifier)) << "AB" << QList<ShownMessage>{kOnlyLetters};
    QTest::newRow("name with a hyphen") << "txtName" << Typed("jo-ann") << "JO-ANN" << none;
    QTest::newRow("name with apostrophes") << "txtName" << Typed(QStringLiteral("o'brien d\u2019arcy"))
                                           << QStringLiteral("O'BRIEN D\u2019ARCY") << none;
    QTest::newRow("name, hyphen first") << "txtName" << Typed("-jo") << "JO" << QList<ShownMessage>{kOnlyLetters};
    QTest::newRow("name, two hyphens") << "txtName" << Typed("jo--ann") << "JO-ANN" << QList<ShownMessage>{kOnlyLetters};
    QTest::newRow("name, hyphen after a blank")
        << "txtName" << Typed("jo -ann") << "JO ANN" << QList<ShownMessage>{kOnlyLetters};
    QTest::newRow("name, apostrophe put between letters")
        << "txtName" << (Typed("obrien") << Key(Qt::Key_Home) << Key(Qt::Key_Right) << Typed("'")) << "O'BRIEN" << none;
    QTest::newRow("name, keys that type nothing")
        << "txtName" << (Typed("ab") << Key(Qt::Key_Left) << Key(Qt::Key_Delete) << Key(Qt::Key_Shift)) << "A"
        << none;

    // The coordinate boxes: digits and Backspace only.
    QTest::newRow("longitude degrees") << "txtLonD" << Typed("072") << "072" << none;
    QTest::newRow("longitude degrees, three at most") << "txtLonD" << Typed("12345") << "123" << none;
    QTest::newRow("longitude minutes, two at most") << "txtLonM" << Typed("567") << "56" << none;
    QTest::newRow("latitude degrees, two at most") << "txtLatD" << Typed("189") << "18" << none;
    QTest::newRow("latitude minutes, letter")
        << "txtLatM" << Typed("5x7") << "57" << QList<ShownMessage>{kOnlyNumbers};
    QTest::newRow("longitude minutes, minus") << "txtLonM" << Typed("-5") << "5" << QList<ShownMessage>{kOnlyNumbers};
    QTest::newRow("latitude degrees, decimal point")
        << "txtLatD" << Typed("1.") << "1" << QList<ShownMessage>{kOnlyNumbers};
    QTest::newRow("latitude degrees, blank") << "txtLatD" << Typed(" ") << "" << QList<ShownMessage>{kOnlyNumbers};
    QTest::newRow("longitude degrees, enter") << "txtLonD" << (Typed("7") << Key(Qt::Key_Return)) << "7" << none;
    QTest::newRow("longitude degrees, keypad enter")
        << "txtLonD" << (Typed("7") << Key(Qt::Key_Enter, Qt::KeypadModifier)) << "7" << none;
    QTest::newRow("latitude degrees, escape")
        << "txtLatD" << (Typed("7") << Key(Qt::Key_Escape)) << "7" << QList<ShownMessage>{kOnlyNumbers};
    QTest::newRow("latitude minutes, backspace")
        << "txtLatM" << (Typed("57") << Key(Qt::Key_Backspace)) << "5" << none;
    QTest::newRow("longitude minutes, copy key")
        << "txtLonM" << (Typed("5") << Key(Qt::Key_C, Qt::ControlModifier)) << "5" << none;
    QTest::newRow("longitude minutes, other control key")
        << "txtLonM" << (Typed("5") << Key(Qt::Key_B, Qt::ControlModifier)) << "5" << QList<ShownMessage>{kOnlyNumbers};
    QTest::newRow("longitude minutes, arrows") << "txtLonM" << (Typed("5") << Key(Qt::Key_Left) << Typed("4"))
                                               << "45" << none;
}

void InputWindowTest::editingShortcuts_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<KeyStrokes>("keys");
    QTest::addColumn<QString>("expectedText");

    const KeyStroke selectAll = Key(Qt::Key_A, Qt::ControlModifier);
    const KeyStroke cut = Key(Qt::Key_X, Qt::ControlModifier);
    const KeyStroke copy = Key(Qt::Key_C, Qt::ControlModifier);
    const KeyStroke paste = Key(Qt::Key_V, Qt::ControlModifier);
    const KeyStroke undo = Key(Qt::Key_Z, Qt::ControlModifier);
    const KeyStroke redo = Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::newRow("select all, type over") << "txtLonD" << (Typed("12") << selectAll << Typed("7")) << "7";
    QTest::newRow("select all, cut, paste twice")
        << "txtLonD" << (Typed("1") << selectAll << cut << paste << paste) << "11";
    QTest::newRow("cut leaves the box empty") << "txtLatM" << (Typed("45") << selectAll << cut) << "";
    QTest::newRow("copy, move to the end, paste")
        << "txtLonD" << (Typed("1") << selectAll << copy << Key(Qt::Key_End) << paste << paste) << "111";
    QTest::newRow("undo typing") << "txtLatD" << (Typed("12") << undo) << "";
    QTest::newRow("undo a cut") << "txtLatD" << (Typed("12") << selectAll << cut << undo) << "12";
    QTest::newRow("undo, then redo") << "txtLonM" << (Typed("12") << selectAll << cut << undo << redo) << "";
    QTest::newRow("name: select all, cut, paste")
        << "txtName" << (Typed("jo-ann") << selectAll << cut << Typed("x") << paste) << "XJO-ANN";
    QTest::newRow("name: undo") << "txtName" << (Typed("ann") << selectAll << cut << undo) << "ANN";
}

// The shortcuts act as in any text box and bring no message; the same keys
// in a plain line edit give the same text.
void InputWindowTest::editingShortcuts()
{
    QFETCH(QString, box);
    QFETCH(KeyStrokes, keys);
    QFETCH(QString, expectedText);

    InputWindow w;
    QLineEdit& edit = w.Get<QLineEdit>(box.toLatin1().constData());
    Send(edit, keys);
    QCOMPARE(edit.text(), expectedText);
    QCOMPARE(w.fakes.dialogs.messages, QList<ShownMessage>{});
    if (box != QStringLiteral("txtName")) {
        QLineEdit plain;
        plain.setMaxLength(edit.maxLength());
        Send(plain, keys);
        QCOMPARE(plain.text(), expectedText);
    }
}

void InputWindowTest::keyFilters()
{
    QFETCH(QString, box);
    QFETCH(KeyStrokes, keys);
    QFETCH(QString, expectedText);
    QFETCH(QList<ShownMessage>, expectedMessages);

    InputWindow w;
    QLineEdit& edit = w.Get<QLineEdit>(box.toLatin1().constData());
    Send(edit, keys);
    QCOMPARE(edit.text(), expectedText);
    QCOMPARE(w.fakes.dialogs.messages, expectedMessages);
}

void InputWindowTest::altCombinations_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("menu");   // the menu it opens; "" = none

    QTest::newRow("Alt+Q in a degree box") << "txtLonD" << int(Qt::Key_Q) << int(Qt::AltModifier) << "";
    QTest::newRow("Alt+3 in the name box") << "txtName" << int(Qt::Key_3) << int(Qt::AltModifier) << "";
    QTest::newRow("Alt+Shift+A in a minute box") << "txtLatM" << int(Qt::Key_A)
                                                 << int(Qt::AltModifier | Qt::ShiftModifier) << "";
    QTest::newRow("Meta+7 in the name box") << "txtName" << int(Qt::Key_7) << int(Qt::MetaModifier) << "";
    QTest::newRow("Alt+F from the name box") << "txtName" << int(Qt::Key_F) << int(Qt::AltModifier) << "mnuFile";
    QTest::newRow("Alt+H from a degree box") << "txtLatD" << int(Qt::Key_H) << int(Qt::AltModifier) << "mnuHelp";
}

// Keys go the whole way a keyboard's do, through the window's shortcuts: an
// access key opens its menu, any other Alt or Meta combination types nothing.
void InputWindowTest::altCombinations()
{
    QFETCH(QString, box);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, menu);

    InputWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowActive(&w.window));
    QLineEdit& edit = w.Get<QLineEdit>(box.toLatin1().constData());
    const QString before = box == QStringLiteral("txtName") ? QStringLiteral("ANN") : QStringLiteral("1");
    edit.setText(before);
    edit.setFocus();

    QTest::keyClick(&edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    QWidget* popup = QApplication::activePopupWidget();
    QCOMPARE(popup ? popup->objectName() : QString(), menu);
    if (popup)
        popup->close();
    QCOMPARE(edit.text(), before);
    QVERIFY(w.fakes.dialogs.messages.isEmpty());
}

void InputWindowTest::pasteByKey_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<KeyStroke>("pasteKey");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<QList<ShownMessage>>("expectedMessages");

    const KeyStroke ctrlV = Key(Qt::Key_V, Qt::ControlModifier);
    const KeyStroke shiftInsert = Key(Qt::Key_Insert, Qt::ShiftModifier);
    const QList<ShownMessage> none;
    QTest::newRow("name, lower case to capitals") << "txtName" << "mary ann" << ctrlV << "XMARY ANN" << none;
    QTest::newRow("name, by shift insert") << "txtName" << "ann" << shiftInsert << "XANN" << none;
    QTest::newRow("name, other alphabet") << "txtName" << QStringLiteral("zoë") << ctrlV << QStringLiteral("XZOË")
                                          << none;
    QTest::newRow("name, with a digit refused")
        << "txtName" << "ann2" << ctrlV << "X" << QList<ShownMessage>{kOnlyLetters};
    QTest::newRow("name, with a line break refused")
        << "txtName" << "ann\n" << ctrlV << "X" << QList<ShownMessage>{kOnlyLetters};
    QTest::newRow("degrees") << "txtLonD" << "72" << ctrlV << "172" << none;
    QTest::newRow("degrees, cut to the box") << "txtLonD" << "7250" << ctrlV << "172" << none;
    QTest::newRow("degrees, by shift insert") << "txtLatD" << "8" << shiftInsert << "18" << none;
    QTest::newRow("degrees, minus refused")
        << "txtLonD" << "-7" << ctrlV << "1" << QList<ShownMessage>{kOnlyNumbers};
    QTest::newRow("minutes, letters refused")
        << "txtLatM" << "5a" << ctrlV << "1" << QList<ShownMessage>{kOnlyNumbers};
    QTest::newRow("minutes, blank refused")
        << "txtLonM" << " 5" << ctrlV << "1" << QList<ShownMessage>{kOnlyNumbers};
}

void InputWindowTest::pasteByKey()
{
    QFETCH(QString, box);
    QFETCH(QString, clipboard);
    QFETCH(KeyStroke, pasteKey);
    QFETCH(QString, expectedText);
    QFETCH(QList<ShownMessage>, expectedMessages);

    InputWindow w;
    QLineEdit& edit = w.Get<QLineEdit>(box.toLatin1().constData());
    // Something already typed, so that "unchanged" can be seen.
    Send(edit, Typed(box == QStringLiteral("txtName") ? QStringLiteral("x") : QStringLiteral("1")));
    QGuiApplication::clipboard()->setText(clipboard);
    Send(edit, KeyStrokes{pasteKey});
    QCOMPARE(edit.text(), expectedText);
    QCOMPARE(w.fakes.dialogs.messages, expectedMessages);
}

void InputWindowTest::pasteFromContextMenu_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<QList<ShownMessage>>("expectedMessages");
    QTest::newRow("name") << "txtName" << "ann" << "ANN" << QList<ShownMessage>{};
    QTest::newRow("name refused") << "txtName" << "ann!" << "" << QList<ShownMessage>{kOnlyLetters};
    QTest::newRow("digits") << "txtLatM" << "57" << "57" << QList<ShownMessage>{};
    QTest::newRow("digits refused") << "txtLatM" << "5.7" << "" << QList<ShownMessage>{kOnlyNumbers};
}

void InputWindowTest::pasteFromContextMenu()
{
    QFETCH(QString, box);
    QFETCH(QString, clipboard);
    QFETCH(QString, expectedText);
    QFETCH(QList<ShownMessage>, expectedMessages);

    InputWindow w;
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    QLineEdit& edit = w.Get<QLineEdit>(box.toLatin1().constData());
    QGuiApplication::clipboard()->setText(clipboard);

    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(2, 2), edit.mapToGlobal(QPoint(2, 2)));
    QCoreApplication::sendEvent(&edit, &request);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QAction* paste = nullptr;
    for (QAction* action : menu->actions())
        if (action->text().startsWith(QStringLiteral("&Paste")))
            paste = action;
    QVERIFY(paste);
    paste->trigger();
    menu->close();

    QCOMPARE(edit.text(), expectedText);
    QCOMPARE(w.fakes.dialogs.messages, expectedMessages);
}

void InputWindowTest::inputMethodText_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("committed");
    QTest::addColumn<QString>("preedit");         // text still being composed
    QTest::addColumn<QString>("expectedText");
    QTest::addColumn<QList<ShownMessage>>("expectedMessages");
    QTest::newRow("name") << "txtName" << QStringLiteral("é") << "" << QStringLiteral("É") << QList<ShownMessage>{};
    QTest::newRow("name refused") << "txtName" << "?" << "" << "" << QList<ShownMessage>{kOnlyLetters};
    QTest::newRow("digits") << "txtLonD" << "7" << "" << "7" << QList<ShownMessage>{};
    QTest::newRow("digits refused") << "txtLonD" << QStringLiteral("٧") << "" << "" << QList<ShownMessage>{kOnlyNumbers};
    QTest::newRow("name while composing") << "txtName" << "ab" << "k" << "AB" << QList<ShownMessage>{};
    QTest::newRow("name refused while composing") << "txtName" << "a1" << "k" << "" << QList<ShownMessage>{kOnlyLetters};
    QTest::newRow("digits while composing") << "txtLonD" << "12" << "3" << "12" << QList<ShownMessage>{};
    QTest::newRow("digits refused while composing") << "txtLonD" << "ab" << "9" << "" << QList<ShownMessage>{kOnlyNumbers};
}

void InputWindowTest::inputMethodText()
{
    QFETCH(QString, box);
    QFETCH(QString, committed);
    QFETCH(QString, preedit);
    QFETCH(QString, expectedText);
    QFETCH(QList<ShownMessage>, expectedMessages);

    InputWindow w;
    QLineEdit& edit = w.Get<QLineEdit>(box.toLatin1().constData());
    QInputMethodEvent event(preedit, {});
    event.setCommitString(committed);
    QCoreApplication::sendEvent(&edit, &event);
    QCOMPARE(edit.text(), expectedText);
    QCOMPARE(w.fakes.dialogs.messages, expectedMessages);
}

void InputWindowTest::placeBoxesKeepControlCharactersOut_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("how");   // "paste", "typed", "input method"
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("expectedText");
    QTest::newRow("terminal escapes and a line break pasted")
        << "txtMCity" << "paste" << QStringLiteral("Par\x1b[2Jis\x1b]0;x\a\n") << QStringLiteral("Par[2Jis]0;x");
    QTest::newRow("a right-to-left override typed")
        << "txtMState" << "typed" << QStringLiteral("Te\u202exas") << QStringLiteral("Texas");
    QTest::newRow("C1, DEL and a line separator from an input method")
        << "txtMCountry" << "input method" << QStringLiteral("Fr\u0085an\u007fce\u2028") << QStringLiteral("France");
    QTest::newRow("Persian spelling keeps its non-joiner")
        << "txtMCity" << "paste" << QStringLiteral("\u200f\u0645\u06cc\u200c\u0631\u0648\u062f")
        << QStringLiteral("\u0645\u06cc\u200c\u0631\u0648\u062f");
}

// City, State and Country take any text but what would act rather than show
// in a saved document, left out without a message.
void InputWindowTest::placeBoxesKeepControlCharactersOut()
{
    QFETCH(QString, box);
    QFETCH(QString, how);
    QFETCH(QString, given);
    QFETCH(QString, expectedText);

    InputWindow w;
    QLineEdit& edit = w.Get<QLineEdit>(box.toLatin1().constData());
    if (how == u"paste") {
        QGuiApplication::clipboard()->setText(given);
        Send(edit, KeyStrokes{Key(Qt::Key_V, Qt::ControlModifier)});
    } else if (how == u"typed") {
        Send(edit, Typed(given));
    } else {
        QInputMethodEvent event(QString(), {});
        event.setCommitString(given);
        QCoreApplication::sendEvent(&edit, &event);
    }
    QCOMPARE(edit.text(), expectedText);
    QCOMPARE(w.fakes.dialogs.messages, QList<ShownMessage>{});
}

void InputWindowTest::inputCheck_data()
{
    QTest::addColumn<QString>("route");           // "button" or "menu"
    QTest::addColumn<QString>("control");         // the control whose text changes
    QTest::addColumn<QString>("value");           // new text, or list index for lists
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("icon");
    QTest::addColumn<QString>("focus");           // where the focus goes; "" = stays

    const int error = int(MessageIcon::Error);
    const int information = int(MessageIcon::Information);
    for (const char* route : {"button", "menu"}) {
        auto row = [route](const char* name) -> QTestData& { return QTest::addRow("%s: %s", route, name) << QString::fromLatin1(route); };
        row("empty name") << "txtName" << "" << engine::messages::EnterName << error << "txtName";
        row("name of blanks") << "txtName" << "   " << engine::messages::EnterName << error << "txtName";
        row("longitude degrees empty") << "txtLonD" << "" << engine::messages::LongitudeDegrees << error << "txtLonD";
        row("longitude degrees 180") << "txtLonD" << "180" << engine::messages::LongitudeDegrees << error << "txtLonD";
        row("longitude minutes empty") << "txtLonM" << "" << engine::messages::LongitudeMinutes << error << "txtLonM";
        row("longitude minutes 60") << "txtLonM" << "60" << engine::messages::LongitudeMinutes << error << "txtLonM";
        row("latitude degrees 90") << "txtLatD" << "90" << engine::messages::LatitudeDegrees << error << "txtLatD";
        row("latitude minutes empty") << "txtLatM" << "" << engine::messages::LatitudeMinutes << error << "txtLatM";
        row("30 February") << "cboDate" << "29" << engine::messages::FebruaryDate << information << "";
        row("31 April") << "cboDate+April" << "30" << engine::messages::ShortMonthDate << information << "";
    }
}

void InputWindowTest::inputCheck()
{
    QFETCH(QString, route);
    QFETCH(QString, control);
    QFETCH(QString, value);
    QFETCH(QString, message);
    QFETCH(int, icon);
    QFETCH(QString, focus);

    InputWindow w;
    w.FillValid();
    if (control.startsWith(QStringLiteral("cboDate"))) {
        w.Get<QComboBox>("cboMonth").setCurrentIndex(control.endsWith(QStringLiteral("April")) ? 3 : 1);
        w.Get<QComboBox>("cboDate").setCurrentIndex(value.toInt());
    } else {
        w.Get<QLineEdit>(control.toLatin1().constData()).setText(value);
    }
    const engine::ChartState before = w.chart;

    // The button is pressed from the keyboard, the menu entry chosen with the
    // focus left in the city box; a check that moves no focus leaves it there.
    QWidget* focusBefore = nullptr;
    if (route == QStringLiteral("button")) {
        QPushButton& button = w.Get<QPushButton>("cmdRashi");
        button.setFocus();
        focusBefore = &button;
        QTest::keyClick(&button, Qt::Key_Space);
    } else {
        QLineEdit& city = w.Get<QLineEdit>("txtMCity");
        city.setFocus();
        focusBefore = &city;
        w.Get<QAction>("mnuFileReading").trigger();
    }

    QCOMPARE(w.fakes.dialogs.messages, (QList<ShownMessage>{{message, MessageIcon(icon)}}));
    QWidget* expectedFocus =
        focus.isEmpty() ? focusBefore : &w.Get<QLineEdit>(focus.toLatin1().constData());
    QCOMPARE(w.window.focusWidget(), expectedFocus);
    QCOMPARE(w.presenter.shown, 0);
    QCOMPARE(w.chart.BirthYear, before.BirthYear);
    QCOMPARE(w.chart.SunLongitude, before.SunLongitude);
}

void InputWindowTest::passingCheckHandsOverTheReading()
{
    InputWindow w;
    w.FillValid();
    for (const char* route : {"button", "menu"}) {
        if (QByteArray(route) == "button")
            QTest::mouseClick(&w.Get<QPushButton>("cmdRashi"), Qt::LeftButton);
        else
            w.Get<QAction>("mnuFileReading").trigger();
    }
    QVERIFY(w.fakes.dialogs.messages.isEmpty());
    QCOMPARE(w.presenter.shown, 2);
    QCOMPARE(w.presenter.lastInputWindow, &w.window);
    // The chart handed over is the one the window was given.
    QCOMPARE(w.chart.BirthYear, 1990);
    QCOMPARE(presentation::MidpointCaption(w.presenter.lastReading.Midpoint), QStringLiteral("19º Virgo"));
}

void InputWindowTest::detailsReadFromControls_data()
{
    QTest::addColumn<bool>("westSouth");
    QTest::addColumn<bool>("daylightSaving");
    QTest::newRow("east, north") << false << false;
    QTest::newRow("west, south, summer time") << true << true;
}

void InputWindowTest::detailsReadFromControls()
{
    QFETCH(bool, westSouth);
    QFETCH(bool, daylightSaving);
    InputWindow w;
    w.FillValid();
    w.Get<QRadioButton>(westSouth ? "optLong_1" : "optLong_0").setChecked(true);
    w.Get<QRadioButton>(westSouth ? "optLat_1" : "optLat_0").setChecked(true);
    w.Get<QCheckBox>("chkDST").setChecked(daylightSaving);

    const engine::BirthInput input = w.window.CurrentInput();
    QCOMPARE(input.Name, QStringLiteral("MARY ANN"));
    QCOMPARE(input.MonthIndex, 6);
    QCOMPARE(input.DayIndex, 3);
    QCOMPARE(input.Year, 1990);
    QCOMPARE(input.Hour, 6);
    QCOMPARE(input.Minute, 30);
    QCOMPARE(input.ZoneIndex, 34);
    QCOMPARE(input.DaylightSaving, daylightSaving);
    QCOMPARE(input.LongitudeDegrees, QStringLiteral("72"));
    QCOMPARE(input.LongitudeMinutes, QStringLiteral("50"));
    QCOMPARE(input.LatitudeDegrees, QStringLiteral("18"));
    QCOMPARE(input.LatitudeMinutes, QStringLiteral("57"));
    QCOMPARE(input.LongitudeIsEast, !westSouth);
    QCOMPARE(input.LatitudeIsSouth, westSouth);
}

void InputWindowTest::secondsChangeNothing()
{
    InputWindow w;
    w.FillValid();
    QPushButton& button = w.Get<QPushButton>("cmdRashi");
    QTest::mouseClick(&button, Qt::LeftButton);
    const engine::Reading first = w.presenter.lastReading;
    w.Get<QComboBox>("cboSS").setCurrentIndex(59);
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(w.presenter.shown, 2);
    QCOMPARE(w.presenter.lastReading.Sun.Longitude, first.Sun.Longitude);
    QCOMPARE(w.presenter.lastReading.Moon.Longitude, first.Moon.Longitude);
    QCOMPARE(w.presenter.lastReading.AscendantLongitude, first.AscendantLongitude);
}

void InputWindowTest::placeLookup_data()
{
    QTest::addColumn<QString>("city");
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("country");
    QTest::addColumn<QString>("message");   // "" when the search opens
    QTest::addColumn<QString>("focus");
    QTest::addColumn<QByteArray>("address");

    QTest::newRow("nothing") << "" << "" << "" << "Please Enter City" << "txtMCity" << QByteArray();
    QTest::newRow("no state") << "Pune" << "" << "India" << "Please Enter State" << "txtMState" << QByteArray();
    QTest::newRow("no country") << "Pune" << "Maharashtra" << "" << "Please Enter Country" << "txtMCountry"
                                << QByteArray();
    QTest::newRow("no city, the rest given") << "" << "Maharashtra" << "India" << "Please Enter City" << "txtMCity"
                                             << QByteArray();
    QTest::newRow("all three") << "Pune" << "Maharashtra" << "India" << "" << ""
                               << QByteArray("https://www.openstreetmap.org/search?query="
                                             "Pune%20Maharashtra%20India%20Latitude%20Longitude");
    QTest::newRow("blanks count as given") << " " << " " << " " << "" << ""
                                           << QByteArray("https://www.openstreetmap.org/search?query="
                                                         "%20%20%20%20%20%20Latitude%20Longitude");
    QTest::newRow("signs and accents encoded")
        << QStringLiteral("São Paulo") << "A&B+C" << "#1/2" << "" << ""
        << QByteArray("https://www.openstreetmap.org/search?query="
                      "S%C3%A3o%20Paulo%20A%26B%2BC%20%231%2F2%20Latitude%20Longitude");
}

void InputWindowTest::placeLookup()
{
    QFETCH(QString, city);
    QFETCH(QString, state);
    QFETCH(QString, country);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    QFETCH(QByteArray, address);

    InputWindow w;
    w.Get<QLineEdit>("txtMCity").setText(city);
    w.Get<QLineEdit>("txtMState").setText(state);
    w.Get<QLineEdit>("txtMCountry").setText(country);
    QPushButton& button = w.Get<QPushButton>("cmdBrowser");
    button.setFocus();
    QTest::keyClick(&button, Qt::Key_Space);

    if (message.isEmpty()) {
        QVERIFY(w.fakes.dialogs.messages.isEmpty());
        QCOMPARE(w.fakes.web.opened.size(), 1);
        const QUrl opened = w.fakes.web.opened.first();
        QCOMPARE(opened.toEncoded(), address);
        QCOMPARE(QUrlQuery(opened).queryItemValue(QStringLiteral("query"), QUrl::FullyDecoded),
                 city + u' ' + state + u' ' + country + QStringLiteral(" Latitude Longitude"));
        QCOMPARE(w.window.focusWidget(), &button);
    } else {
        QCOMPARE(w.fakes.dialogs.messages, (QList<ShownMessage>{{message, MessageIcon::Information}}));
        QVERIFY(w.fakes.web.opened.isEmpty());
        QCOMPARE(w.window.focusWidget(), &w.Get<QLineEdit>(focus.toLatin1().constData()));
    }
    // Nothing is filled in or changed.
    QCOMPARE(w.Get<QLineEdit>("txtMCity").text(), city);
    QVERIFY(w.Get<QLineEdit>("txtLonD").text().isEmpty());
}

// Typing in the City box offers places, the most populous first; the one taken
// fills the place and coordinate boxes, and the zone list and the box follow
// the time-zone database.
void InputWindowTest::placeFromTheAtlas()
{
    InputWindow w;
    w.window.UseAtlas(SmallAtlas());
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    w.FillValid();
    w.Get<QComboBox>("cmbTimeZone").setCurrentIndex(engine::DefaultZoneIndex);
    w.Get<QCheckBox>("chkDST").setChecked(true);

    Send(w.Get<QLineEdit>("txtMCity"), Typed(QStringLiteral("M")));
    QVERIFY(!w.Get<QLineEdit>("txtMCity").findChild<QCompleter*>()->popup()->isVisible());
    w.Get<QLineEdit>("txtMCity").clear();
    TakePlace(w.window, QStringLiteral("Mumb"), QStringLiteral("Mumbai, Maharashtra, India"));
    QCOMPARE(w.Get<QLineEdit>("txtMCity").findChild<QCompleter*>()->completionModel()->index(0, 0).data().toString(),
             QStringLiteral("Mumbai, Maharashtra, India"));

    // 72.88261 E, 19.07283 N to the nearest minute.
    const QStringList filled{w.Get<QLineEdit>("txtMCity").text(), w.Get<QLineEdit>("txtMState").text(),
                             w.Get<QLineEdit>("txtMCountry").text(), w.Get<QLineEdit>("txtLonD").text(),
                             w.Get<QLineEdit>("txtLonM").text(),    w.Get<QLineEdit>("txtLatD").text(),
                             w.Get<QLineEdit>("txtLatM").text()};
    QCOMPARE(filled, (QStringList{"Mumbai", "Maharashtra", "India", "72", "53", "19", "4"}));
    QVERIFY(w.Get<QRadioButton>("optLong_0").isChecked() && w.Get<QRadioButton>("optLat_0").isChecked());
    QCOMPARE(w.Get<QComboBox>("cmbTimeZone").currentText(), QStringLiteral("Indian Time, IST, +5.3"));
    QVERIFY(!w.Get<QCheckBox>("chkDST").isChecked());
    QCOMPARE(w.Get<QLabel>("lblClockNote").text(),
             QString::fromUtf8("Asia/Kolkata on 4 July 1990 06:30: UT+5:30, no daylight saving \u2192 01:00 UT"));

    // The worked example's reading, through the database's clock.
    w.Get<QPushButton>("cmdRashi").click();
    QCOMPARE(w.presenter.shown, 1);
    QCOMPARE(w.presenter.lastReading.Clock.TimeZone, QStringLiteral("Asia/Kolkata"));
    QCOMPARE(presentation::UniversalTimeText(w.presenter.lastReading.Clock), QStringLiteral("1990-07-04T01:00Z"));
}

// With the whole atlas, a place typed by its older name (GeoNames: Mumbai,
// 1275339, also Bombay) is offered with that name, and taken under its own.
void InputWindowTest::placeByAnotherName()
{
    InputWindow w;
    w.window.UseAtlas(places::Atlas::Load(places::ReadGeoNamesPlaces()));
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    TakePlace(w.window, QStringLiteral("Bomba"), QString::fromUtf8("Mumbai, Maharashtra, India \u2014 Bombay"));
    QCOMPARE(w.Get<QLineEdit>("txtMCity").text(), QStringLiteral("Mumbai"));
    QCOMPARE(w.Get<QLineEdit>("txtMCountry").text(), QStringLiteral("India"));
}

// A zone set by hand after a place was chosen is what the reading takes, and
// the note warns that the database says otherwise; new coordinates typed by
// hand forget the place.
void InputWindowTest::zoneSetByHand()
{
    InputWindow w;
    w.window.UseAtlas(SmallAtlas());
    w.window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w.window));
    w.FillValid();
    w.Get<QComboBox>("cboYear").setCurrentText(QStringLiteral("1975"));
    w.Get<QComboBox>("cboMonth").setCurrentIndex(6);
    w.Get<QComboBox>("cboDate").setCurrentIndex(0);
    w.Get<QComboBox>("cboHH").setCurrentIndex(12);
    w.Get<QComboBox>("cboMM").setCurrentIndex(0);
    TakePlace(w.window, QStringLiteral("madr"), QStringLiteral("Madrid, Madrid, Spain"));
    // Spain kept summer time, UT+2, in 1975.
    QCOMPARE(w.Get<QComboBox>("cmbTimeZone").currentText(), QStringLiteral("Central European Time,CET,+1.0"));
    QVERIFY(w.Get<QCheckBox>("chkDST").isChecked());
    QCOMPARE(w.Get<QLabel>("lblClockNote").text(),
             QString::fromUtf8("Europe/Madrid on 1 July 1975 12:00: UT+2:00, daylight saving \u2192 10:00 UT"));

    QTest::mouseClick(&w.Get<QCheckBox>("chkDST"), Qt::LeftButton);
    QCOMPARE(w.Get<QLabel>("lblClockNote").text(),
             QString::fromUtf8("Central European Time,CET,+1.0 on 1 July 1975 12:00: UT+1:00, no daylight saving "
                               "\u2192 11:00 UT. The time-zone database gives UT+2:00 (daylight saving) for Madrid "
                               "on that date; the list and box say UT+1:00."));
    w.Get<QComboBox>("cboHH").setCurrentIndex(13);  // the list and the box stay as set
    QVERIFY(!w.Get<QCheckBox>("chkDST").isChecked());
    w.Get<QPushButton>("cmdRashi").click();
    QCOMPARE(w.presenter.lastReading.Clock.UtcOffsetMinutes, 60);
    QVERIFY(w.presenter.lastReading.Clock.TimeZone.isEmpty());

    auto& minutes = w.Get<QLineEdit>("txtLonM");
    minutes.setFocus();
    Send(minutes, KeyStrokes{Key(Qt::Key_Backspace)} << Typed(QStringLiteral("0")));
    QCOMPARE(w.Get<QLabel>("lblClockNote").text(),
             QString::fromUtf8("Central European Time,CET,+1.0 on 1 July 1975 13:00: UT+1:00, no daylight saving "
                               "\u2192 12:00 UT"));
}

QTEST_MAIN(InputWindowTest)
#include "tst_input_window.moc"
