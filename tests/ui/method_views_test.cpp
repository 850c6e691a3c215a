// The six method views over a known results record, in both languages with the locale pinned:
// their value lines, the unlimited-exposure texts, the derived sweat-rate rows, the IREQ
// square's colour, and where the arrows and markers stand, read back from the widgets'
// geometry against the labels they must face. Then the keyboard and the exit picture.

#include "model/presentation/scale_positions.h"
#include "test_support.h"
#include "ui/results/hsi_scale.h"
#include "ui/results/hsi_view.h"
#include "ui/results/ireq_view.h"
#include "ui/results/pmv_view.h"
#include "ui/results/register.h"
#include "ui/results/sweat_view.h"
#include "ui/results/wbgt_view.h"
#include "ui/results/wci_view.h"
#include "ui/shell/app_state.h"
#include "ui/shell/rating_light.h"
#include "ui/shell/twips.h"
#include "ui/shell/value_area.h"
#include "ui/shell/windows.h"

#include <QAccessible>
#include <QLabel>
#include <QTableWidget>
#include <QTest>

using namespace kalvora;
using namespace kalvora::ui;

namespace {

using model::Language;

constexpr int es = int(Language::Spanish);
constexpr int en = int(Language::English);

QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

QLocale localeOf(int language)
{
    return language == en ? QLocale(QLocale::English, QLocale::UnitedStates)
                          : QLocale(QLocale::Spanish, QLocale::Spain);
}

/// A view opened through the registry in a language, over a fresh application state.
class Views
{
public:
    explicit Views(int language)
    {
        QLocale::setDefault(localeOf(language));
        state.setLanguage(Language(language));
        registerMethodViews(state, windows);
    }
    ~Views()
    {
        for (WindowId id : { WindowId::WbgtView, WindowId::PmvView, WindowId::WindChillView,
                 WindowId::HsiView, WindowId::SweatRateView, WindowId::IreqView })
            windows.close(id);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    template <class View> View *open(WindowId id, const model::MethodResults &results)
    {
        auto *view = qobject_cast<View *>(windows.open(id));
        if (!view)
            qFatal("window %d did not open", int(id));
        view->show(results);
        return view;
    }

    AppState state;
    Windows windows;
};

template <class T = QWidget> T *control(QWidget *window, const QString &name)
{
    T *found = window->findChild<T *>(name);
    if (!found)
        qFatal("no control %s", qPrintable(name));
    return found;
}

QString text(QWidget *window, const QString &name)
{
    return control<QLabel>(window, name)->text();
}

QString description(QWidget *widget)
{
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Description);
}

/// Vertical middle of a widget in its window's coordinates.
int middle(QWidget *widget)
{
    return widget->mapTo(widget->window(), widget->rect().center()).y();
}

/// The widget among candidates whose vertical middle is nearest to the arrow's.
QString facedBy(QWidget *arrow, QWidget *window, const QStringList &candidates)
{
    QString nearest;
    int distance = INT_MAX;
    for (const QString &name : candidates) {
        const int d = std::abs(middle(control(window, name)) - middle(arrow));
        if (d < distance) {
            distance = d;
            nearest = name;
        }
    }
    return nearest;
}

const QStringList kPmvSteps { "T3", "T2", "T1", "T0", "T_1", "T_2", "T_3" };
const QStringList kColdCategories { "calor", "confort", "Frio", "mfrio", "cortante", "cong_0",
    "cong_1", "cong_2" };
const QStringList kStrainCategories { "criticas", "maximo", "msevera", "severa", "moderada",
    "suave", "confort", "frio" };

} // namespace

class MethodViewsTest : public QObject
{
    Q_OBJECT
private slots:
    void wbgtView_data();
    void wbgtView();
    void pmvView_data();
    void pmvView();
    void pmvArrowFacesItsStep_data();
    void pmvArrowFacesItsStep();
    void windChillView_data();
    void windChillView();
    void hsiView_data();
    void hsiView();
    void sweatView_data();
    void sweatView();
    void ireqView_data();
    void ireqView();
    void ireqMarkersStandAtTheirRows();
    void ireqMarkersReadSideBySide_data();
    void ireqMarkersReadSideBySide();
    void keysAndExitPicture_data();
    void keysAndExitPicture();
};

void MethodViewsTest::wbgtView_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<double>("wbgt");
    QTest::addColumn<QString>("typedM");
    QTest::addColumn<QStringList>("expected"); // name=text

    QTest::newRow("es") << es << 27.456 << "150"
                        << QStringList { "indice=WBGT = 27,46°C", "M=M = 150,00 W/m²",
                               "Label3=Metabolismo:", "Label4=Valores de referencia máximos" };
    // The metabolic power is the one typed, read by the input rule (a comma ends the number).
    QTest::newRow("en, cold, typed text")
        << en << -3.2 << "95,5"
        << QStringList { "indice=WBGT = -3.20°C", "M=M = 95.00 W/m²", "Label3=Metabolic Power",
               "Label4=Valores de referencia máximos",
               "Label1=WET BULB GLOBE TEMPERATURE INDEX (WBGT)" };
}

void MethodViewsTest::wbgtView()
{
    QFETCH(int, language);
    QFETCH(double, wbgt);
    QFETCH(QString, typedM);
    QFETCH(QStringList, expected);
    Views views(language);
    views.state.setText(model::Field::Metabolismo, typedM.toStdString());
    model::MethodResults results;
    results.WBGT = wbgt;
    QWidget *view = views.open<WbgtView>(WindowId::WbgtView, results);
    QCOMPARE(view->windowTitle(), QStringLiteral("WBGT (ISO 7243)"));
    for (const QString &pair : expected)
        QCOMPARE(text(view, pair.section('=', 0, 0)), pair.section('=', 1));
}

void MethodViewsTest::pmvView_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<double>("vote");
    QTest::addColumn<double>("percentage");
    QTest::addColumn<QStringList>("expected"); // name=text

    QTest::newRow("es") << es << -0.25 << 6.3
                        << QStringList { "PicIVM=IVM = -0,25", "PicPPI=PPI = 6,30 %",
                               "T3= 3  MUY CALIENTE", "T_1=-1  LIGERAMENTE FRIO",
                               "Label4=Valor recomendado:      -0.5 < IVM < 0.5" };
    QTest::newRow("en") << en << 1.5 << 100.0
                        << QStringList { "PicIVM=PMV = 1.50", "PicPPI=PPD = 100.00 %",
                               "Label1=      PREDICTED MEAN VOTE INDEX (PMV)", "T3= 3   HOT",
                               "T_3=-3  COLD" };
    QTest::newRow("en, grouped") << en << 0.0 << 1234.5
                                 << QStringList { "PicIVM=PMV = 0.00", "PicPPI=PPD = 1,234.50 %" };
}

void MethodViewsTest::pmvView()
{
    QFETCH(int, language);
    QFETCH(double, vote);
    QFETCH(double, percentage);
    QFETCH(QStringList, expected);
    Views views(language);
    model::MethodResults results;
    results.IVM = vote;
    results.PPI = percentage;
    QWidget *view = views.open<PmvView>(WindowId::PmvView, results);
    QCOMPARE(view->windowTitle(), language == en ? "PMV (ISO 7730)" : "IVM (ISO 7730)");
    for (const QString &pair : expected)
        QCOMPARE(text(view, pair.section('=', 0, 0)), pair.section('=', 1));
}

void MethodViewsTest::pmvArrowFacesItsStep_data()
{
    QTest::addColumn<double>("vote");
    QTest::addColumn<QString>("faced"); // the step label level with the arrow, or above/below
    QTest::addColumn<QString>("words"); // in the arrow's description

    QTest::newRow("0") << 0.0 << "T0"
                       << "AMBIENTE NEUTRO";
    QTest::newRow("-1") << -1.0 << "T_1"
                        << "LIGERAMENTE FRIO";
    QTest::newRow("2") << 2.0 << "T2"
                       << "CALIENTE";
    QTest::newRow("-2") << -2.0 << "T_2"
                        << "FRIO";
    QTest::newRow("2.99") << 2.99 << "T3"
                          << "MUY CALIENTE";
    QTest::newRow("1.5 between +1 and +2") << 1.5 << "T1|T2"
                                           << "CALIENTE";
    QTest::newRow("3 above the scale") << 3.0 << "above T3"
                                       << "MUY CALIENTE";
    QTest::newRow("4.2") << 4.2 << "above T3"
                         << "MUY CALIENTE";
    QTest::newRow("-3 below the scale") << -3.0 << "below T_3"
                                        << "MUY FRIO";
    QTest::newRow("-5") << -5.0 << "below T_3"
                        << "MUY FRIO";
}

void MethodViewsTest::pmvArrowFacesItsStep()
{
    QFETCH(double, vote);
    QFETCH(QString, faced);
    QFETCH(QString, words);
    Views views(es);
    model::MethodResults results;
    results.IVM = vote;
    QWidget *view = views.open<PmvView>(WindowId::PmvView, results);
    QWidget *arrow = control(view, QStringLiteral("Flecha"));
    QVERIFY(description(arrow).contains(words));

    const int arrowMiddle = middle(arrow);
    if (faced.startsWith(QLatin1String("above"))) {
        QVERIFY(arrowMiddle < control(view, faced.section(' ', 1))->mapTo(view, QPoint()).y());
    } else if (faced.startsWith(QLatin1String("below"))) {
        QWidget *last = control(view, faced.section(' ', 1));
        QVERIFY(arrowMiddle > middle(last));
        QVERIFY(arrow->mapTo(view, QPoint()).y() >= last->mapTo(view, QPoint()).y());
    } else if (faced.contains('|')) {
        // Halfway between two rows: below the upper one's middle, above the lower one's.
        QVERIFY(arrowMiddle < middle(control(view, faced.section('|', 0, 0))));
        QVERIFY(arrowMiddle > middle(control(view, faced.section('|', 1))));
    } else {
        // Level with its step: the middles at most one pixel apart.
        QCOMPARE(facedBy(arrow, view, kPmvSteps), faced);
        QVERIFY(std::abs(arrowMiddle - middle(control(view, faced))) <= 1);
    }
}

void MethodViewsTest::windChillView_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<double>("wci");
    QTest::addColumn<double>("tch");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QStringList>("expected"); // name=text

    const QStringList spanish { "TitGRAF=INTERPRETACION DEL INDICE DE VIENTO FRIO (WCI)",
        "Label1=INDICE DE VIENTO FRIO  (WCI)",
        "cong_1=Congelación de las partes expuestas \nen 1 minuto", "Frio=Frío" };
    const QStringList english { "TitGRAF=    MEANING OF WIND CHILL INDEX (WCI)",
        "Label3=Chilling temperature:", "cong_2=Exposed flesh freezes\nwithin 30 s",
        "cortante=Bitterly Cold" };
    QTest::newRow("28.01 hot")
        << es << 50.0 << 28.01 << "calor"
        << (QStringList { "CalculoWCI=WCI = 50,00W/m²", "Calculotch=Tch = 28,01°C" } + spanish);
    QTest::newRow("28 comfort") << en << 1500.0 << 28.0 << "confort"
                                << (QStringList { "CalculoWCI=WCI = 1,500.00W/m²" } + english);
    QTest::newRow("21 cold") << es << 400.0 << 21.0 << "Frio" << spanish;
    QTest::newRow("7 very cold") << en << 900.0 << 7.0 << "mfrio" << english;
    QTest::newRow("-18 bitterly") << es << 1300.0 << -18.0 << "cortante" << spanish;
    QTest::newRow("-26 freezes in 1 h") << en << 1600.0 << -26.0 << "cong_0" << english;
    QTest::newRow("-42 in 1 min") << es << 2000.0 << -42.0 << "cong_1" << spanish;
    QTest::newRow("-60 in 30 s") << en << 2400.0 << -60.0 << "cong_2" << english;
    QTest::newRow("-80 in 30 s") << es << 2800.0 << -80.0 << "cong_2" << spanish;
}

void MethodViewsTest::windChillView()
{
    QFETCH(int, language);
    QFETCH(double, wci);
    QFETCH(double, tch);
    QFETCH(QString, category);
    QFETCH(QStringList, expected);
    Views views(language);
    model::MethodResults results;
    results.WCI = wci;
    results.tch = tch;
    QWidget *view = views.open<WindChillView>(WindowId::WindChillView, results);
    QCOMPARE(view->windowTitle(), QStringLiteral("WCI (ISO 11079)"));
    for (const QString &pair : expected)
        QCOMPARE(text(view, pair.section('=', 0, 0)), pair.section('=', 1));

    // The arrow's middle lies within its category's area, nearer to it than to any other.
    QWidget *arrow = control(view, QStringLiteral("Flecha"));
    QWidget *area = control(view, category);
    QCOMPARE(facedBy(arrow, view, kColdCategories), category);
    const int top = area->mapTo(view, QPoint()).y();
    QVERIFY(middle(arrow) >= top && middle(arrow) <= top + area->height());
    QVERIFY(description(arrow).contains(text(view, category).simplified()));

    // The fixed equivalence table writes its numbers alike in both languages, without grouping.
    auto *table = control<QTableWidget>(view, QStringLiteral("Picture1"));
    QStringList rows;
    for (int row = 0; row < table->rowCount(); ++row)
        rows << table->item(row, 0)->text() + QLatin1Char(' ') + table->item(row, 1)->text();
    QCOMPARE(rows,
        QStringList({ "31 50", "25 200", "17 400", "-14 1200", "-22 1400", "-30 1600", "-38 1800",
            "-45 2000", "-53 2200", "-61 2400", "-69 2600" }));
}

void MethodViewsTest::hsiView_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<double>("isc");
    QTest::addColumn<double>("tep");
    QTest::addColumn<QString>("category");
    QTest::addColumn<QStringList>("expected"); // name=text

    QTest::newRow("100, unlimited, top") << es << 100.0 << -5.0 << "criticas"
                                         << QStringList { "IISC=100,00%", "ITEP=Ilimitado",
                                                "TitISC=INDICE DE SOBRECARGA CALORICA (ISC)" };
    QTest::newRow("100.01, limited")
        << en << 100.01 << 35.5 << "criticas"
        << QStringList { "IISC=100.01%", "ITEP=35.50min", "TISC=          HEAT STRESS INDEX (ISC)",
               "Label5=ISC =", "Label6=TEP =" };
    QTest::newRow("0, comfort") << en << 0.0 << 0.0 << "confort"
                                << QStringList { "ITEP=Ilimitado", "confort=THERMAL COMFORT" };
    QTest::newRow("50, hard") << es << 50.0 << 0.0 << "severa"
                              << QStringList { "IISC=50,00%", "severa=SEVERA" };
    QTest::newRow("1234.5, grouped")
        << en << 1234.5 << 2.0 << "criticas" << QStringList { "IISC=1,234.50%", "ITEP=2.00min" };
    QTest::newRow("-25, bottom") << es << -25.0 << 0.0 << "frio"
                                 << QStringList { "IISC=-25,00%", "frio=SUAVE TENSION POR FRIO" };
}

void MethodViewsTest::hsiView()
{
    QFETCH(int, language);
    QFETCH(double, isc);
    QFETCH(double, tep);
    QFETCH(QString, category);
    QFETCH(QStringList, expected);
    Views views(language);
    model::MethodResults results;
    results.ISC = isc;
    results.TEP = tep;
    QWidget *view = views.open<HsiView>(WindowId::HsiView, results);
    QCOMPARE(view->windowTitle(), language == en ? "HSI" : "ISC");
    for (const QString &pair : expected)
        QCOMPARE(text(view, pair.section('=', 0, 0)), pair.section('=', 1));

    QWidget *arrow = control(view, QStringLiteral("flecha"));
    QCOMPARE(facedBy(arrow, view, kStrainCategories), category);
    QVERIFY(description(arrow).contains(text(view, category)));

    // Inside the scale, the arrow's middle is level with the drawn tick of its index: ticks
    // every 10 % from ">100" (one step above 100) down to -20, in equal fourteenths. From 100 up
    // the arrow stands at the top of the scale.
    if (isc >= -20 && isc < 100) {
        auto *scale = control<HsiScale>(view, QStringLiteral("CuadISC"));
        const double cell = scale->height() / double(HsiScale::kTickCount);
        const double tick = (HsiScale::tickIndex(0) - isc) / 10.0;
        const double tickMiddle = scale->mapTo(view, QPoint()).y() + cell * (tick + 0.5);
        QVERIFY2(std::abs(tickMiddle - middle(arrow)) <= 1.5,
            qPrintable(QStringLiteral("tick %1, arrow %2").arg(tickMiddle).arg(middle(arrow))));
    }
}

void MethodViewsTest::sweatView_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QStringList>("expected"); // name=text

    QTest::newRow("es") << es
                        << QStringList { "pwpnaa=0,50", "pEpnaa=150,00", "pSWpnaa=250,00",
                               "pDnaa=650,00", "pDLEnaa=Ilimitado", "pDap=1.040,00",
                               "pDLEap=Ilimitado", "pDLEaa=0,00", "pDLEnap=12,35", "pEpap=270,00",
                               "Cantsud_1=Cantidad de sudoración prevista (D, "
                               "en g/h):",
                               "peligro_0=CRITERIO DE PELIGRO:" };
    QTest::newRow("en") << en
                        << QStringList { "pEpnaa=150.00", "pDnaa=650.00", "pDLEnaa=Ulimited",
                               "pDap=1,040.00", "pDLEap=Unlimited", "pDLEaa=0.00", "pDLEnap=12.35",
                               "ISWreq=REQUIRED SWEAT RATE", "aclim=ACCLIMATIZED SUBJECTS",
                               "DLE_0=Allowable exposure time "
                               "(DLE, min):" };
}

void MethodViewsTest::sweatView()
{
    QFETCH(int, language);
    QFETCH(QStringList, expected);
    Views views(language);
    model::MethodResults results;
    results.EmaxSW = 300;
    results.wpnaa = 0.5, results.SWpnaa = 250, results.DLEnaa = -1;
    results.wpnap = 0.7, results.SWpnap = 300, results.DLEnap = 12.345;
    results.wpaa = 0.6, results.SWpaa = 350, results.DLEaa = 0; // zero is a time, not the marker
    results.wpap = 0.9, results.SWpap = 400, results.DLEap = -1;
    QWidget *view = views.open<SweatRateView>(WindowId::SweatRateView, results);
    QCOMPARE(view->windowTitle(), QStringLiteral("SWreq (ISO 7933)"));
    for (const QString &pair : expected)
        QCOMPARE(text(view, pair.section('=', 0, 0)), pair.section('=', 1));
}

void MethodViewsTest::ireqView_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("worn");
    QTest::addColumn<QString>("exposures"); // PDLEmin|PDLEneut
    QTest::addColumn<QColor>("square");

    // Requirements 1.2 (minimal) and 1.6 clo (neutral); exposures 2.5 and 1.25 h.
    const QColor red(255, 0, 0), orange(255, 128, 0), green(0, 128, 0);
    QTest::newRow("below both") << es << "0.8"
                                << "2,50|1,25" << red;
    QTest::newRow("equal to the minimum") << en << "1.2"
                                          << "2.50|1.25" << orange;
    QTest::newRow("between") << es << "1.4"
                             << "Ilimit.|1,25" << orange;
    QTest::newRow("equal to the neutral") << en << "1.6"
                                          << "Ilimit.|1.25" << green;
    QTest::newRow("above both") << en << "2.6"
                                << "Ilimit.|Ilimit." << green;
}

void MethodViewsTest::ireqView()
{
    QFETCH(int, language);
    QFETCH(QString, worn);
    QFETCH(QString, exposures);
    QFETCH(QColor, square);
    Views views(language);
    views.state.setText(model::Field::Iclo, worn.toStdString());
    model::MethodResults results;
    results.IREQ1 = 1.2, results.IREQ2 = 1.6, results.DLE3 = 2.5, results.DLE4 = 1.25;
    QWidget *view = views.open<IreqView>(WindowId::IreqView, results);
    QCOMPARE(view->windowTitle(), QStringLiteral("IREQ (ISO 11079)"));
    QCOMPARE(text(view, "PDLEmin"), exposures.section('|', 0, 0));
    QCOMPARE(text(view, "PDLEneut"), exposures.section('|', 1));
    QCOMPARE(text(view, "Iclod"), localeOf(language).toString(worn.toDouble(), 'f', 2));
    auto *light = control<RatingLight>(view, QStringLiteral("cId"));
    QCOMPARE(light->colour(), square);
    QVERIFY(!QAccessible::queryAccessibleInterface(light)->text(QAccessible::Name).isEmpty());
    QCOMPARE(text(view, "I11"),
        language == en
            ? utf8("1.1 - Underpants, undershirt,  shirt,trousers, jacket, vest, socks, shoes")
            : utf8("1.1 - Braga, medias, blusa, falda larga, chaqueta, medias"));
    QCOMPARE(text(view, "Label9"),
        language == en ? utf8("CLOTHING INSULATIONS: MINIMAL, MAXIMAL AND AVAILABLE")
                       : utf8("AISLAMIENTOS DEL VESTIDO: MINIMO, NEUTRAL Y DISPONIBLE"));
}

void MethodViewsTest::ireqMarkersStandAtTheirRows()
{
    // Each marker stands level with the row of its insulation: 0.5 clo at "0.5 -", 1.3 clo at
    // "1.3 -", 3 clo at the arctic row; 0.3 clo below the last row.
    Views views(en);
    views.state.setText(model::Field::Iclo, "0.5");
    model::MethodResults results;
    results.IREQ1 = 1.3, results.IREQ2 = 3;
    QWidget *view = views.open<IreqView>(WindowId::IreqView, results);
    const auto top = [&view](const char *name) {
        return control(view, QString::fromUtf8(name))->mapTo(view, QPoint()).y();
    };
    QVERIFY(std::abs(top("tId") - top("I05")) <= 1);
    QVERIFY(std::abs(top("min") - top("I13")) <= 1);
    QVERIFY(std::abs(top("Neut") - top("I3")) <= 1);
    QVERIFY(description(control(view, "Neut")).contains("Arctic"));

    views.windows.close(WindowId::IreqView);
    views.state.setText(model::Field::Iclo, "0.3");
    view = views.open<IreqView>(WindowId::IreqView, results);
    QVERIFY(top("tId") > top("I05"));
}

void MethodViewsTest::ireqMarkersReadSideBySide_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<double>("minimal"); // IREQmin, clo
    QTest::addColumn<double>("neutral"); // IREQneut, clo
    QTest::addColumn<QString>("worn"); // Iclr as typed

    // M 85 W/m², ta 18 °C, 0.7 clo: IREQmin 0.00 and IREQneut 0.27, both on the row below the
    // list; then the worn insulation on that row too; requirements 0.05 clo apart (87 twips);
    // all three within 0.05 clo; the cold store's 2.74 and 3.07 clo near the arctic row.
    QTest::newRow("both below 0.45") << es << 0.0 << 0.27 << "0.7";
    QTest::newRow("all three below 0.45") << en << 0.0 << 0.27 << "0.3";
    QTest::newRow("requirements 0.05 apart") << es << 1.2 << 1.25 << "0.7";
    QTest::newRow("all three together") << en << 1.2 << 1.25 << "1.22";
    QTest::newRow("near the arctic row") << es << 2.74 << 3.07 << "1";
}

void MethodViewsTest::ireqMarkersReadSideBySide()
{
    QFETCH(int, language);
    QFETCH(double, minimal);
    QFETCH(double, neutral);
    QFETCH(QString, worn);
    Views views(language);
    views.state.setText(model::Field::Iclo, worn.toStdString());
    model::MethodResults results;
    results.IREQ1 = minimal, results.IREQ2 = neutral;
    QWidget *view = views.open<IreqView>(WindowId::IreqView, results);
    QWidget *list = control(view, QStringLiteral("clothingList"));
    const auto rect
        = [list](const char *name) { return control(list, QString::fromUtf8(name))->geometry(); };
    const QRect markers[] = { rect("tId") | rect("cId"), rect("min"), rect("Neut") };
    for (std::size_t i = 0; i < std::size(markers); ++i) {
        QVERIFY2(list->rect().contains(markers[i]), qPrintable(QString::number(i)));
        for (std::size_t j = i + 1; j < std::size(markers); ++j)
            QVERIFY2(!markers[i].intersects(markers[j]),
                qPrintable(QStringLiteral("markers %1 and %2 overlap").arg(i).arg(j)));
    }
    // Each still stands level with its insulation: its distance below the 0.5 clo row.
    const auto below05 = [&](const char *name, double clo) {
        return std::abs(
            rect(name).top() - rect("I05").top() - twipsToPixelsY(*list, model::posI(clo) - 5760));
    };
    QVERIFY(below05("min", minimal) <= 1);
    QVERIFY(below05("Neut", neutral) <= 1);
    QVERIFY(below05("tId", worn.toDouble()) <= 1);
}

void MethodViewsTest::keysAndExitPicture_data()
{
    QTest::addColumn<int>("id");
    QTest::newRow("WBGT") << int(WindowId::WbgtView);
    QTest::newRow("PMV") << int(WindowId::PmvView);
    QTest::newRow("WCI") << int(WindowId::WindChillView);
    QTest::newRow("HSI") << int(WindowId::HsiView);
    QTest::newRow("SWreq") << int(WindowId::SweatRateView);
    QTest::newRow("IREQ") << int(WindowId::IreqView);
}

void MethodViewsTest::keysAndExitPicture()
{
    QFETCH(int, id);
    const auto window = WindowId(id);
    Views views(en);
    QWidget *view = views.windows.open(window);

    // Every value area is read out with what it shows; every picture has a name.
    for (ValueArea *area : view->findChildren<ValueArea *>())
        QCOMPARE(
            QAccessible::queryAccessibleInterface(area)->text(QAccessible::Name), area->text());
    for (const char *picture : { "salir", "Picture2" })
        QVERIFY(!QAccessible::queryAccessibleInterface(control(view, picture))
                     ->text(QAccessible::Name)
                     .isEmpty());

    {
        // The exit picture asks; No leaves the view open.
        test::MessageRecorder questions(QMessageBox::No);
        QTest::keyClick(control(view, QStringLiteral("Picture2")), Qt::Key_Space);
        QCOMPARE(questions.count(), 1);
        QCOMPARE(questions.seen().front().title, QStringLiteral("Salir del programa"));
        QVERIFY(views.windows.isOpen(window));
    }
    view->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(view));
    QTest::keyClick(view, Qt::Key_Escape);
    QVERIFY(!views.windows.isOpen(window));

    view = views.windows.open(window);
    QTest::keyClick(control(view, QStringLiteral("salir")), Qt::Key_Space);
    QVERIFY(!views.windows.isOpen(window));
}

QTEST_MAIN(MethodViewsTest)
#include "method_views_test.moc"
