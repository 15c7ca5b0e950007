// The stub ACME table window: every box of every size, the boxes a pick
// leaves alone, printing.
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QScopeGuard>

#include "common/ui/printing.h"
#include "threads/acme/Form12.h"
#include "uitest.h"
#include "windowtest.h"

namespace {

QStringList allBoxes() {
    QStringList names;
    for (int i = 1; i <= 27; ++i) names << QStringLiteral("N%1").arg(i);
    return names;
}

}  // namespace

class TestForm12 : public quorvil::test::WindowTest<Form12> {
    Q_OBJECT
private slots:
    void opensAsDesigned();
    void everySize_data();
    void everySize();
    void noWireShowsTheMarker();
    void pickingAgainRewrites();
    void clickWithoutSelectionChangesNothing();
    void prints();
};

void TestForm12::opensAsDesigned() {
    QCOMPARE(w->windowTitle(), QStringLiteral("3.STUB ACME螺纹"));
    for (const QString& n : allBoxes()) QVERIFY2(p.text(n).isEmpty(), qPrintable(n));
    auto* list = p.get<QListWidget>("ListN");
    QCOMPARE(list->count(), 23);
    QCOMPARE(list->item(0)->text(), QStringLiteral("1/4\""));
    QCOMPARE(list->item(9)->text(), QStringLiteral("1-1/8\""));
    QCOMPARE(list->item(22)->text(), QStringLiteral("5\""));
    QVERIFY(list->selectedItems().isEmpty());
    QCOMPARE(p.text("Command1"), QStringLiteral("打  印"));
    QCOMPARE(p.text("Label1_1"), QStringLiteral("2.公差带:2G(只有一个公差带)."));
    QCOMPARE(p.text("Label1_4"), QStringLiteral("5.牙高:0.3P的标准矮牙梯形螺纹."));
}

// Each size on a fresh window: the inch limits as the table has them, the mm
// values from those texts rounded to three decimals (the tolerances of
// 1-3/8 to 2 inch lie just below 0.3175 and show 0.317; 7/16's 11.1125 and
// 7/8's 20.7645 round away from zero). The sizes of 2 threads per inch have
// no wire: both wire boxes show the no-value marker.
void TestForm12::everySize_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("1/4") << 0 << QStringList{"N1=16",      "N2=0.25",    "N3=0.2469",  "N4=6.350",   "N5=0.079",
                                             "N6=0.2272",  "N7=0.2167",  "N8=5.771",   "N9=0.267",   "N10=0.2024",
                                             "N11=0.1919", "N12=5.141",  "N13=0.267",  "N14=0.26",   "N15=0.2705",
                                             "N16=6.604",  "N17=0.267",  "N18=0.2312", "N19=0.2417", "N20=5.872",
                                             "N21=0.267",  "N22=0.2125", "N23=0.2156", "N24=5.398",  "N25=0.079",
                                             "N26=0.866",  "N27=7.027"};
    QTest::newRow("5/16") << 1 << QStringList{"N1=14",      "N2=0.3125",  "N3=0.3089",  "N4=7.938",   "N5=0.091",
                                              "N6=0.2871",  "N7=0.2757",  "N8=7.292",   "N9=0.290",   "N10=0.2597",
                                              "N11=0.2483", "N12=6.596",  "N13=0.290",  "N14=0.3225", "N15=0.3339",
                                              "N16=8.192",  "N17=0.290",  "N18=0.2911", "N19=0.3025", "N20=7.394",
                                              "N21=0.290",  "N22=0.2696", "N23=0.2732", "N24=6.848",  "N25=0.091",
                                              "N26=1.008",  "N27=8.819"};
    QTest::newRow("3/8") << 2
                         << QStringList{"N1=12",      "N2=0.375",  "N3=0.3708",  "N4=9.525",  "N5=0.107",   "N6=0.3451",
                                        "N7=0.3328",  "N8=8.766",  "N9=0.312",   "N10=0.315", "N11=0.3027", "N12=8.001",
                                        "N13=0.312",  "N14=0.385", "N15=0.3973", "N16=9.779", "N17=0.312",  "N18=0.35",
                                        "N19=0.3623", "N20=8.890", "N21=0.312",  "N22=0.325", "N23=0.3292", "N24=8.255",
                                        "N25=0.107",  "N26=1.157", "N27=10.452"};
    QTest::newRow("7/16") << 3 << QStringList{"N1=12",      "N2=0.4375",  "N3=0.4333",  "N4=11.113",  "N5=0.107",
                                              "N6=0.4076",  "N7=0.395",   "N8=10.353",  "N9=0.320",   "N10=0.3775",
                                              "N11=0.3649", "N12=9.589",  "N13=0.320",  "N14=0.4475", "N15=0.4601",
                                              "N16=11.367", "N17=0.320",  "N18=0.4125", "N19=0.4251", "N20=10.478",
                                              "N21=0.320",  "N22=0.3875", "N23=0.3917", "N24=9.843",  "N25=0.107",
                                              "N26=1.157",  "N27=12.039"};
    QTest::newRow("1/2") << 4 << QStringList{"N1=10",      "N2=0.5",     "N3=0.495",  "N4=12.700",  "N5=0.127",
                                             "N6=0.4643",  "N7=0.4506",  "N8=11.793", "N9=0.348",   "N10=0.42",
                                             "N11=0.4063", "N12=10.668", "N13=0.348", "N14=0.52",   "N15=0.5337",
                                             "N16=13.208", "N17=0.348",  "N18=0.47",  "N19=0.4837", "N20=11.938",
                                             "N21=0.348",  "N22=0.44",   "N23=0.445", "N24=11.176", "N25=0.127",
                                             "N26=1.441",  "N27=14.079"};
    QTest::newRow("5/8") << 5 << QStringList{"N1=8",       "N2=0.625",   "N3=0.6188",  "N4=15.875",  "N5=0.157",
                                             "N6=0.5812",  "N7=0.5658",  "N8=14.762",  "N9=0.391",   "N10=0.53",
                                             "N11=0.5146", "N12=13.462", "N13=0.391",  "N14=0.645",  "N15=0.6604",
                                             "N16=16.383", "N17=0.391",  "N18=0.5875", "N19=0.6029", "N20=14.923",
                                             "N21=0.391",  "N22=0.55",   "N23=0.5562", "N24=13.970", "N25=0.157",
                                             "N26=1.732",  "N27=17.273"};
    QTest::newRow("3/4") << 6 << QStringList{"N1=6",       "N2=0.75",    "N3=0.7417",  "N4=19.050",  "N5=0.211",
                                             "N6=0.6931",  "N7=0.6757",  "N8=17.605",  "N9=0.442",   "N10=0.63",
                                             "N11=0.6126", "N12=16.002", "N13=0.442",  "N14=0.77",   "N15=0.7874",
                                             "N16=19.558", "N17=0.442",  "N18=0.7",    "N19=0.7174", "N20=17.780",
                                             "N21=0.442",  "N22=0.65",   "N23=0.6583", "N24=16.510", "N25=0.211",
                                             "N26=2.217",  "N27=20.493"};
    QTest::newRow("7/8") << 7 << QStringList{"N1=6",       "N2=0.875",   "N3=0.8667",  "N4=22.225",  "N5=0.211",
                                             "N6=0.8175",  "N7=0.7996",  "N8=20.765",  "N9=0.455",   "N10=0.755",
                                             "N11=0.7371", "N12=19.177", "N13=0.455",  "N14=0.895",  "N15=0.9129",
                                             "N16=22.733", "N17=0.455",  "N18=0.825",  "N19=0.8429", "N20=20.955",
                                             "N21=0.455",  "N22=0.775",  "N23=0.7833", "N24=19.685", "N25=0.211",
                                             "N26=2.217",  "N27=23.653"};
    QTest::newRow("1") << 8 << QStringList{"N1=5",       "N2=1",       "N3=0.99",   "N4=25.400",  "N5=0.254",
                                           "N6=0.932",   "N7=0.9126",  "N8=23.673", "N9=0.493",   "N10=0.86",
                                           "N11=0.8406", "N12=21.844", "N13=0.493", "N14=1.02",   "N15=1.0394",
                                           "N16=25.908", "N17=0.493",  "N18=0.94",  "N19=0.9594", "N20=23.876",
                                           "N21=0.493",  "N22=0.88",   "N23=0.89",  "N24=22.352", "N25=0.254",
                                           "N26=2.595",  "N27=26.811"};
    QTest::newRow("1-1/8") << 9 << QStringList{"N1=5",       "N2=1.125",   "N3=1.115",  "N4=28.575",  "N5=0.254",
                                               "N6=1.0565",  "N7=1.0367",  "N8=26.835", "N9=0.503",   "N10=0.985",
                                               "N11=0.9652", "N12=25.019", "N13=0.503", "N14=1.145",  "N15=1.1648",
                                               "N16=29.083", "N17=0.503",  "N18=1.065", "N19=1.0848", "N20=27.051",
                                               "N21=0.503",  "N22=1.005",  "N23=1.015", "N24=25.527", "N25=0.254",
                                               "N26=2.595",  "N27=29.973"};
    QTest::newRow("1-1/4") << 10 << QStringList{"N1=5",       "N2=1.25",    "N3=1.24",   "N4=31.750",  "N5=0.254",
                                                "N6=1.1811",  "N7=1.161",   "N8=30.000", "N9=0.511",   "N10=1.11",
                                                "N11=1.0899", "N12=28.194", "N13=0.511", "N14=1.27",   "N15=1.2901",
                                                "N16=32.258", "N17=0.511",  "N18=1.19",  "N19=1.2101", "N20=30.226",
                                                "N21=0.511",  "N22=1.13",   "N23=1.14",  "N24=28.702", "N25=0.254",
                                                "N26=2.595",  "N27=33.138"};
    QTest::newRow("1-3/8") << 11 << QStringList{"N1=4",       "N2=1.375",   "N3=1.3625",  "N4=34.925",  "N5=0.317",
                                                "N6=1.2906",  "N7=1.2686",  "N8=32.781",  "N9=0.559",   "N10=1.205",
                                                "N11=1.183",  "N12=30.607", "N13=0.559",  "N14=1.395",  "N15=1.417",
                                                "N16=35.433", "N17=0.559",  "N18=1.3",    "N19=1.322",  "N20=33.020",
                                                "N21=0.559",  "N22=1.225",  "N23=1.2375", "N24=31.115", "N25=0.317",
                                                "N26=3.287",  "N27=36.919"};
    QTest::newRow("1-1/2") << 12 << QStringList{"N1=4",       "N2=1.5",     "N3=1.4875",  "N4=38.100",  "N5=0.317",
                                                "N6=1.4152",  "N7=1.3929",  "N8=35.946",  "N9=0.566",   "N10=1.33",
                                                "N11=1.3077", "N12=33.782", "N13=0.566",  "N14=1.52",   "N15=1.5423",
                                                "N16=38.608", "N17=0.566",  "N18=1.425",  "N19=1.4473", "N20=36.195",
                                                "N21=0.566",  "N22=1.35",   "N23=1.3625", "N24=34.290", "N25=0.317",
                                                "N26=3.287",  "N27=40.084"};
    QTest::newRow("1-3/4") << 13 << QStringList{"N1=4",       "N2=1.75",    "N3=1.7375",  "N4=44.450",  "N5=0.317",
                                                "N6=1.6645",  "N7=1.6416",  "N8=42.278",  "N9=0.582",   "N10=1.58",
                                                "N11=1.5571", "N12=40.132", "N13=0.582",  "N14=1.77",   "N15=1.7929",
                                                "N16=44.958", "N17=0.582",  "N18=1.675",  "N19=1.6979", "N20=42.545",
                                                "N21=0.582",  "N22=1.6",    "N23=1.6125", "N24=40.640", "N25=0.317",
                                                "N26=3.287",  "N27=46.416"};
    QTest::newRow("2") << 14 << QStringList{"N1=4",       "N2=2",       "N3=1.9875",  "N4=50.800",  "N5=0.317",
                                            "N6=1.9137",  "N7=1.8902",  "N8=48.608",  "N9=0.597",   "N10=1.83",
                                            "N11=1.8065", "N12=46.482", "N13=0.597",  "N14=2.02",   "N15=2.0435",
                                            "N16=51.308", "N17=0.597",  "N18=1.925",  "N19=1.9485", "N20=48.895",
                                            "N21=0.597",  "N22=1.85",   "N23=1.8625", "N24=46.990", "N25=0.317",
                                            "N26=3.287",  "N27=52.746"};
    QTest::newRow("2-1/4") << 15 << QStringList{"N1=3",       "N2=2.25",    "N3=2.2333",  "N4=57.150",  "N5=0.424",
                                                "N6=2.138",   "N7=2.1117",  "N8=54.305",  "N9=0.668",   "N10=2.03",
                                                "N11=2.0037", "N12=51.562", "N13=0.668",  "N14=2.27",   "N15=2.2963",
                                                "N16=57.658", "N17=0.668",  "N18=2.15",   "N19=2.1763", "N20=54.610",
                                                "N21=0.668",  "N22=2.05",   "N23=2.0667", "N24=52.070", "N25=0.424",
                                                "N26=4.4",    "N27=59.911"};
    QTest::newRow("2-1/2") << 16 << QStringList{"N1=3",       "N2=2.5",     "N3=2.4833",  "N4=63.500",  "N5=0.424",
                                                "N6=2.3874",  "N7=2.3606",  "N8=60.640",  "N9=0.681",   "N10=2.28",
                                                "N11=2.2532", "N12=57.912", "N13=0.681",  "N14=2.52",   "N15=2.5468",
                                                "N16=64.008", "N17=0.681",  "N18=2.4",    "N19=2.4268", "N20=60.960",
                                                "N21=0.681",  "N22=2.3",    "N23=2.3167", "N24=58.420", "N25=0.424",
                                                "N26=4.4",    "N27=66.246"};
    QTest::newRow("2-3/4") << 17 << QStringList{"N1=3",       "N2=2.75",    "N3=2.7333",  "N4=69.850",  "N5=0.424",
                                                "N6=2.6367",  "N7=2.6094",  "N8=66.972",  "N9=0.693",   "N10=2.53",
                                                "N11=2.5027", "N12=64.262", "N13=0.693",  "N14=2.77",   "N15=2.7973",
                                                "N16=70.358", "N17=0.693",  "N18=2.65",   "N19=2.6773", "N20=67.310",
                                                "N21=0.693",  "N22=2.55",   "N23=2.5667", "N24=64.770", "N25=0.424",
                                                "N26=4.4",    "N27=72.578"};
    QTest::newRow("3") << 18 << QStringList{"N1=2",       "N2=3",       "N3=2.975",  "N4=76.200",  "N5=0.635",
                                            "N6=2.836",   "N7=2.8044",  "N8=72.034", "N9=0.803",   "N10=2.68",
                                            "N11=2.6484", "N12=68.072", "N13=0.803", "N14=3.02",   "N15=3.0516",
                                            "N16=76.708", "N17=0.803",  "N18=2.85",  "N19=2.8816", "N20=72.390",
                                            "N21=0.803",  "N22=2.7",    "N23=2.725", "N24=68.580", "N25=0.635",
                                            "N26=--",     "N27=--"};
    QTest::newRow("3-1/2") << 19 << QStringList{"N1=2",       "N2=3.5",     "N3=3.475",  "N4=88.900",  "N5=0.635",
                                                "N6=3.335",   "N7=3.3026",  "N8=84.709", "N9=0.823",   "N10=3.18",
                                                "N11=3.1476", "N12=80.772", "N13=0.823", "N14=3.52",   "N15=3.5524",
                                                "N16=89.408", "N17=0.823",  "N18=3.35",  "N19=3.3824", "N20=85.090",
                                                "N21=0.823",  "N22=3.2",    "N23=3.225", "N24=81.280", "N25=0.635",
                                                "N26=--",     "N27=--"};
    QTest::newRow("4") << 20 << QStringList{"N1=2",        "N2=4",       "N3=3.975",  "N4=101.600", "N5=0.635",
                                            "N6=3.834",    "N7=3.8008",  "N8=97.384", "N9=0.843",   "N10=3.68",
                                            "N11=3.6468",  "N12=93.472", "N13=0.843", "N14=4.02",   "N15=4.0532",
                                            "N16=102.108", "N17=0.843",  "N18=3.85",  "N19=3.8832", "N20=97.790",
                                            "N21=0.843",   "N22=3.7",    "N23=3.725", "N24=93.980", "N25=0.635",
                                            "N26=--",      "N27=--"};
    QTest::newRow("4-1/2") << 21
                           << QStringList{"N1=2",        "N2=4.5",      "N3=4.475",   "N4=114.300",  "N5=0.635",
                                          "N6=4.333",    "N7=4.2991",   "N8=110.058", "N9=0.861",    "N10=4.18",
                                          "N11=4.1461",  "N12=106.172", "N13=0.861",  "N14=4.52",    "N15=4.5539",
                                          "N16=114.808", "N17=0.861",   "N18=4.35",   "N19=4.3839",  "N20=110.490",
                                          "N21=0.861",   "N22=4.2",     "N23=4.225",  "N24=106.680", "N25=0.635",
                                          "N26=--",      "N27=--"};
    QTest::newRow("5") << 22 << QStringList{"N1=2",        "N2=5",        "N3=4.975",   "N4=127.000",  "N5=0.635",
                                            "N6=4.8319",   "N7=4.7973",   "N8=122.730", "N9=0.879",    "N10=4.68",
                                            "N11=4.6454",  "N12=118.872", "N13=0.879",  "N14=5.02",    "N15=5.0546",
                                            "N16=127.508", "N17=0.879",   "N18=4.85",   "N19=4.8846",  "N20=123.190",
                                            "N21=0.879",   "N22=4.7",     "N23=4.725",  "N24=119.380", "N25=0.635",
                                            "N26=--",      "N27=--"};
}

void TestForm12::everySize() {
    QFETCH(int, row);
    QFETCH(QStringList, expected);
    p.pick("ListN", row);
    QVERIFY2(p.matches(expected), p.why());
}

// A size without a wire never shows the wire and M value of the size picked
// before it, nor what the user typed; the next size with a wire shows its own.
void TestForm12::noWireShowsTheMarker() {
    p.pick("ListN", 15);  // 2-1/4 inch, 3 threads per inch
    QVERIFY2(p.matches({"N26=4.4", "N27=59.911"}), p.why());
    p.pick("ListN", 20);  // 4 inch, 2 threads per inch
    QVERIFY2(p.matches({"N1=2", "N2=4", "N5=0.635", "N26=--", "N27=--"}), p.why());
    p.type({"N26=1.5", "N27=12"});
    QVERIFY2(p.matches({"N26=1.5", "N27=12.000"}), p.why());
    p.pick("ListN", 22);
    QVERIFY2(p.matches({"N2=5", "N26=--", "N27=--"}), p.why());
    p.pick("ListN", 0);
    QVERIFY2(p.matches({"N1=16", "N26=0.866", "N27=7.027"}), p.why());
}

void TestForm12::pickingAgainRewrites() {
    p.pick("ListN", 8);
    const auto shown = p.texts(allBoxes());
    p.type({"N1=7", "N4=1", "N5=abc", "N27="});
    QVERIFY2(p.matches({"N4=1.000", "N5=abc"}), p.why());
    p.pick("ListN", 8);
    QCOMPARE(p.texts(allBoxes()), shown);
    QVERIFY2(p.matches({"N1=5", "N2=1", "N3=0.99", "N4=25.400", "N5=0.254"}), p.why());
}

void TestForm12::clickWithoutSelectionChangesNothing() {
    auto* list = p.get<QListWidget>("ListN");
    w->ListN_Click();
    for (const QString& n : allBoxes()) QVERIFY2(p.text(n).isEmpty(), qPrintable(n));
    p.pick("ListN", 5);
    const auto shown = p.texts(allBoxes());
    list->clearSelection();
    w->ListN_Click();
    QCOMPARE(p.texts(allBoxes()), shown);
}

void TestForm12::prints() {
    QList<QImage> printed;
    quorvil::setPrintSink([&](const QImage& img) { printed.append(img); });
    const auto noSink = qScopeGuard([] { quorvil::setPrintSink({}); });
    p.click("Command1");  // before any pick too
    QCOMPARE(printed.size(), 1);
    p.pick("ListN", 2);
    const auto before = p.texts(allBoxes());
    p.click("Command1");
    QCOMPARE(printed.size(), 2);
    QCOMPARE(printed.at(1).size(), w->grab().toImage().size());
    QVERIFY(printed.at(0) != printed.at(1));
    QCOMPARE(p.texts(allBoxes()), before);
    QCOMPARE(p.get<QListWidget>("ListN")->currentRow(), 2);
}

QUORVIL_UI_TEST_MAIN(TestForm12)
#include "tst_form12.moc"
